#include "folios/folio_reader.h"

#include <algorithm>

namespace {

// Only lines whose middle lies within this share of the page height from its
// top or bottom edge are running heads or feet.
constexpr double kBandShare = 0.2;
constexpr int kLargestFolio = 9999;

// A word of the page with its box.
struct Token {
  QString text;
  PageRect box;
  int Middle() const { return (box.bottom + box.top) / 2; }
};

// Splits a text at blanks; each piece gets the share of the box its letters take.
void SplitText(const QString& text, const PageRect& box, QList<Token>& tokens) {
  const qsizetype length = text.size();
  qsizetype i = 0;
  while (i < length) {
    while (i < length && text[i].isSpace()) ++i;
    const qsizetype start = i;
    while (i < length && !text[i].isSpace()) ++i;
    if (i == start) break;
    PageRect piece = box;
    piece.left = box.left + int(qint64(box.Width()) * start / length);
    piece.right = box.left + int(qint64(box.Width()) * i / length);
    tokens.append({text.mid(start, i - start), piece});
  }
}

QString AllText(const TextZone& zone) {
  QString text = zone.text;
  for (const TextZone& child : zone.children) text += AllText(child);
  return text;
}

bool OnlyChars(const TextZone& zone) {
  return std::all_of(zone.children.begin(), zone.children.end(),
                     [](const TextZone& child) { return child.kind == ZoneKind::Char; });
}

// Words keep their own boxes; a line that carries its text itself, or holds
// chars without words, is cut at its blanks.
void CollectTokens(const TextZone& zone, QList<Token>& tokens) {
  if (zone.kind == ZoneKind::Word || zone.children.isEmpty() || OnlyChars(zone)) {
    SplitText(AllText(zone), zone.box, tokens);
    return;
  }
  for (const TextZone& child : zone.children) CollectTokens(child, tokens);
}

// A token that holds no letter and no digit is a dash, a rule or a speck.
bool IsDecoration(const QString& text) {
  return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The page's words grouped into visual rows, top row first, each row left to
// right. A word joins the row above when its middle lies within that row's
// height, so a head whose number the OCR put in a zone of its own is one row.
QList<QList<Token>> Rows(const TextZone& page) {
  QList<Token> tokens;
  CollectTokens(page, tokens);
  tokens.erase(std::remove_if(tokens.begin(), tokens.end(), [](const Token& t) { return IsDecoration(t.text); }),
               tokens.end());
  std::stable_sort(tokens.begin(), tokens.end(), [](const Token& a, const Token& b) { return a.box.top > b.box.top; });
  QList<QList<Token>> rows;
  int rowBottom = 0, rowTop = 0;
  for (const Token& token : tokens) {
    if (!rows.isEmpty() && token.Middle() >= rowBottom && token.Middle() <= rowTop) {
      rows.last().append(token);
      rowBottom = std::min<qint64>(rowBottom, token.box.bottom);
      continue;
    }
    rows.append({token});
    rowBottom = token.box.bottom;
    rowTop = token.box.top;
  }
  for (QList<Token>& row : rows) {
    std::stable_sort(row.begin(), row.end(), [](const Token& a, const Token& b) { return a.box.left < b.box.left; });
  }
  return rows;
}

void AddCandidate(const Token& token, QList<Folio>& candidates) {
  const std::optional<Folio> folio = ParseFolioToken(token.text);
  if (folio && !candidates.contains(*folio)) candidates.append(*folio);
}

// A zone that reaches into the top or the bottom band of the page.
bool ReachesBand(const PageRect& zone, const PageRect& page) {
  return zone.top >= page.Height() * (1 - kBandShare) || zone.bottom <= page.Height() * kBandShare;
}

bool InBand(const QList<Token>& row, int pageHeight, bool top) {
  const int middle = row.first().Middle();
  return top ? middle >= pageHeight * (1 - kBandShare) : middle <= pageHeight * kBandShare;
}

}  // namespace

std::optional<Folio> ParseFolioToken(const QString& token) {
  qsizetype first = 0, last = token.size();
  while (first < last && !token[first].isLetterOrNumber()) ++first;
  while (last > first && !token[last - 1].isLetterOrNumber()) --last;
  const QString core = token.mid(first, last - first);
  if (core.isEmpty()) return std::nullopt;

  QString digits;
  bool anyDigit = false;
  for (QChar c : core) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      anyDigit = true;
      digits += c;
    } else if (const std::optional<int> digit = LookAlikeDigit(c, LookAlikes::Surest)) {
      digits += QChar(u'0' + *digit);
    } else {
      digits.clear();
      break;
    }
  }
  if (anyDigit && !digits.isEmpty()) {
    if (digits.size() > 4) return std::nullopt;
    const int value = digits.toInt();
    if (value < 1 || value > kLargestFolio) return std::nullopt;
    return Folio{value, false};
  }
  QString latin;
  for (QChar c : core) latin += LatinLookAlike(c);
  if (const std::optional<int> value = RomanValue(latin)) return Folio{*value, true};
  return std::nullopt;
}

QList<Folio> ReadFolioCandidates(const TextZone& page) {
  const QList<QList<Token>> rows = Rows(page);
  if (rows.isEmpty()) return {};
  const int height = page.box.Height();
  const QList<Token>* head = InBand(rows.first(), height, true) ? &rows.first() : nullptr;
  const QList<Token>* foot = InBand(rows.last(), height, false) ? &rows.last() : nullptr;
  if (foot == head) foot = nullptr;  // one row in both bands: read once

  QList<Folio> candidates;
  for (const QList<Token>* row : {head, foot}) {
    if (row && row->size() == 1) AddCandidate(row->first(), candidates);
  }
  for (const QList<Token>* row : {head, foot}) {
    if (row && row->size() > 1) {
      AddCandidate(row->first(), candidates);
      AddCandidate(row->last(), candidates);
    }
  }
  return candidates;
}

QList<Folio> ReadFolioCandidates(QByteArrayView zones) { return ReadFolioCandidates(ParseTextLayer(zones, ReachesBand)); }

#include "folios/folio_reader.h"

#include <algorithm>

#include "folios/sheet_stamp.h"
#include "page/printed_lines.h"

namespace {

// Only lines whose middle lies within this share of the page height from its
// top or bottom edge are running heads or feet.
constexpr double kBandShare = 0.2;
constexpr int kLargestFolio = 9999;

qint64 Middle(const PrintedWord& token) { return (token.box.bottom + token.box.top) / 2; }

// A token that holds no letter and no digit is a dash, a rule or a speck.
bool IsDecoration(const QString& text) {
  return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The page's words grouped into visual rows, top row first, each row left to
// right. A word joins the row above when its middle lies within that row's
// height, so a head whose number the OCR put in a zone of its own is one row.
QList<QList<PrintedWord>> Rows(QList<PrintedWord> tokens) {
  tokens.erase(std::remove_if(tokens.begin(), tokens.end(), [](const PrintedWord& t) { return IsDecoration(t.text); }),
               tokens.end());
  std::stable_sort(tokens.begin(), tokens.end(), [](const PrintedWord& a, const PrintedWord& b) { return a.box.top > b.box.top; });
  QList<QList<PrintedWord>> rows;
  int rowBottom = 0, rowTop = 0;
  for (const PrintedWord& token : tokens) {
    if (!rows.isEmpty() && Middle(token) >= rowBottom && Middle(token) <= rowTop) {
      rows.last().append(token);
      rowBottom = std::min<qint64>(rowBottom, token.box.bottom);
      continue;
    }
    rows.append({token});
    rowBottom = token.box.bottom;
    rowTop = token.box.top;
  }
  for (QList<PrintedWord>& row : rows) {
    std::stable_sort(row.begin(), row.end(), [](const PrintedWord& a, const PrintedWord& b) { return a.box.left < b.box.left; });
  }
  return rows;
}

void AddCandidate(const PrintedWord& token, QList<Folio>& candidates) {
  const std::optional<Folio> folio = ParseFolioToken(token.text);
  if (folio && !candidates.contains(*folio)) candidates.append(*folio);
}

// A zone that reaches into the top or the bottom band of the page.
bool ReachesBand(const PageRect& zone, const PageRect& page) {
  return zone.top >= page.Height() * (1 - kBandShare) || zone.bottom <= page.Height() * kBandShare;
}

bool InBand(const QList<PrintedWord>& row, int pageHeight, bool top) {
  const int middle = Middle(row.first());
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

namespace {

// The candidates of a page of which only the zones that reach into the top or
// bottom band are left.
QList<Folio> BandCandidates(const TextZone& page) {
  const QList<PrintedWord> words = PageWords(page);
  const QList<QList<PrintedWord>> rows = Rows(words);
  if (rows.isEmpty()) return {};
  const int height = page.box.Height();
  const QList<PrintedWord>* head = InBand(rows.first(), height, true) ? &rows.first() : nullptr;
  const QList<PrintedWord>* foot = InBand(rows.last(), height, false) ? &rows.last() : nullptr;
  if (foot == head) foot = nullptr;  // one row in both bands: read once

  QList<Folio> candidates;
  // A drawing frame's stamp names its sheet number outright.
  if (const std::optional<Folio> sheet = StampSheetNumber(words, qint64(height * kBandShare))) candidates << *sheet;
  for (const QList<PrintedWord>* row : {head, foot}) {
    if (row && row->size() == 1) AddCandidate(row->first(), candidates);
  }
  for (const QList<PrintedWord>* row : {head, foot}) {
    if (row && row->size() > 1) {
      AddCandidate(row->first(), candidates);
      AddCandidate(row->last(), candidates);
    }
  }
  return candidates;
}

}  // namespace

QList<Folio> ReadFolioCandidates(const TextZone& page) { return BandCandidates(KeptZones(page, ReachesBand)); }

QList<Folio> ReadFolioCandidates(QByteArrayView zones) { return BandCandidates(ParseTextLayer(zones, ReachesBand)); }

#include "page/printed_lines.h"

#include "page/numerals.h"

#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

struct Glyph {
  QChar ch;
  PageRect box;
};

// The box of character i of n spread over `box`, one equal share each.
PageRect ShareOf(const PageRect& box, qsizetype i, qsizetype n) {
  PageRect share = box;
  share.left = box.left + int(std::lround(double(box.Width()) * double(i) / double(n)));
  share.right = box.left + int(std::lround(double(box.Width()) * double(i + 1) / double(n)));
  return share;
}

// Spreads a leaf zone's text over its box, one equal share per character.
void AddLeafText(const TextZone& zone, QList<Glyph>& run) {
  const qsizetype n = zone.text.size();
  for (qsizetype i = 0; i < n; ++i) run.append({zone.text[i], ShareOf(zone.box, i, n)});
}

// A leaf zone whose text holds no blank is one word as it stands (most
// words of a page are such zones): it needs no run of characters cut at
// blanks. False for any other zone.
bool AddWholeWord(const TextZone& zone, QList<PrintedWord>& words) {
  if (!zone.children.isEmpty() || zone.text.isEmpty() ||
      std::any_of(zone.text.begin(), zone.text.end(), [](QChar c) { return c.isSpace(); })) {
    return false;
  }
  const qsizetype n = zone.text.size();
  PrintedWord word{zone.text, {}, ShareOf(zone.box, 0, n)};
  word.chars.reserve(n);
  for (qsizetype i = 0; i < n; ++i) {
    word.chars.append(ShareOf(zone.box, i, n));
    word.box = Union(word.box, word.chars.last());
  }
  words.append(std::move(word));
  return true;
}

void AddText(const TextZone& zone, QList<Glyph>& run) {
  if (zone.children.isEmpty()) {
    AddLeafText(zone, run);
    return;
  }
  for (const TextZone& child : zone.children) AddText(child, run);
}

// Cuts a run of characters into words at its blanks.
void Flush(const QList<Glyph>& run, QList<PrintedWord>& words) {
  PrintedWord word;
  auto close = [&] {
    if (!word.text.isEmpty()) words.append(word);
    word = PrintedWord{};
  };
  for (const Glyph& glyph : run) {
    if (glyph.ch.isSpace()) {
      close();
      continue;
    }
    word.box = word.text.isEmpty() ? glyph.box : Union(word.box, glyph.box);
    word.text += glyph.ch;
    word.chars.append(glyph.box);
  }
  close();
}

void Collect(const TextZone& zone, QList<PrintedWord>& words) {
  const bool charsOnly = !zone.children.isEmpty() &&
                         std::all_of(zone.children.begin(), zone.children.end(),
                                     [](const TextZone& child) { return child.kind == ZoneKind::Char; });
  if (zone.kind == ZoneKind::Word || zone.kind == ZoneKind::Char || zone.children.isEmpty() || charsOnly) {
    if (AddWholeWord(zone, words)) return;
    QList<Glyph> run;
    AddText(zone, run);
    Flush(run, words);
    return;
  }
  for (const TextZone& child : zone.children) Collect(child, words);
}

bool IsRomanWord(const QString& text) {
  static const QRegularExpression roman(QStringLiteral("^[ivxlcIVXLC]+[.,]?$"));
  return roman.match(text).hasMatch();
}

// A word a reader takes for text rather than a page number or a leader: two
// characters or more, one of them neither a digit nor a leader or list sign,
// and not a Roman numeral.
bool IsTextWord(const PrintedWord& word) {
  if (word.text.size() < 2 || IsRomanWord(word.text)) return false;
  static const QString kNumberSigns = QStringLiteral(".,;:-()[]\u00B7\u2013\u2026");
  return std::any_of(word.text.begin(), word.text.end(),
                     [](QChar c) { return !c.isDigit() && !kNumberSigns.contains(c); });
}

int Overlap(const PageRect& a, const PageRect& b) {
  return std::min(a.top, b.top) - std::max(a.bottom, b.bottom);
}

// Words of one column grouped by baseline: a word joins a line it overlaps
// vertically by half the smaller height.
QList<PrintedLine> GroupLines(QList<PrintedWord> words, int column) {
  std::stable_sort(words.begin(), words.end(),
                   [](const PrintedWord& a, const PrintedWord& b) { return a.box.top > b.box.top; });
  QList<PrintedLine> lines;
  for (const PrintedWord& w : words) {
    PrintedLine* home = nullptr;
    int bestOverlap = 0;
    for (qsizetype i = lines.size() - 1; i >= 0 && i >= lines.size() - 4; --i) {
      PrintedLine& line = lines[i];
      const int overlap = Overlap(line.box, w.box);
      const int needed = std::max<qint64>(1, std::min<qint64>(line.box.Height(), w.box.Height()) / 2);
      if (overlap >= needed && overlap > bestOverlap) {
        bestOverlap = overlap;
        home = &line;
      }
    }
    if (!home) {
      lines.append(PrintedLine{});
      home = &lines.last();
      home->box = w.box;
      home->column = column;
    }
    home->words.append(w);
    home->box = Union(home->box, w.box);
  }
  for (PrintedLine& line : lines) {
    std::stable_sort(line.words.begin(), line.words.end(),
                     [](const PrintedWord& a, const PrintedWord& b) { return a.box.left < b.box.left; });
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const PrintedLine& a, const PrintedLine& b) { return a.box.top > b.box.top; });
  return lines;
}

// The x at which the page splits into two columns, if it does: the middle of
// the widest vertical gap in the middle part of the text that few rows of
// text cross (a full-width heading or paragraph may), with rows that have
// text on both sides of it, and text words (not only numbers) on both sides.
std::optional<int> ColumnSplit(const QList<PrintedWord>& words, const QList<PrintedLine>& rows) {
  if (words.size() < 8 || rows.size() < 3) return std::nullopt;
  int left = words[0].box.left, right = words[0].box.right;
  std::vector<int> heights;
  for (const PrintedWord& w : words) {
    left = std::min<qint64>(left, w.box.left);
    right = std::max<qint64>(right, w.box.right);
    heights.push_back(w.box.Height());
  }
  const int span = right - left;
  if (span <= 0) return std::nullopt;
  std::nth_element(heights.begin(), heights.begin() + heights.size() / 2, heights.end());
  const int wordHeight = std::max(1, heights[heights.size() / 2]);

  // For every x: how many rows a word crosses there.
  std::vector<int> cover(size_t(span) + 1, 0);
  for (const PrintedLine& row : rows) {
    std::vector<std::pair<int, int>> spans;
    for (const PrintedWord& w : row.words) spans.emplace_back(w.box.left - left, w.box.right - left);
    std::sort(spans.begin(), spans.end());
    int reached = -1;
    for (const auto& [from, to] : spans) {
      for (int x = std::max(from, reached + 1); x < to && x <= span; ++x) ++cover[size_t(x)];
      reached = std::max(reached, to - 1);
    }
  }
  // The widest run of the least crossed x (within a few rows of it).
  const int from = span / 5, to = span - span / 5;
  int least = INT_MAX;
  for (int x = from; x < to; ++x) least = std::min(least, cover[size_t(x)]);
  if (least > int(rows.size()) * 3 / 10) return std::nullopt;
  const int tolerance = least + std::max(1, int(rows.size()) / 20);
  int bestStart = -1, bestWidth = 0;
  for (int x = from; x < to;) {
    if (cover[size_t(x)] > tolerance) {
      ++x;
      continue;
    }
    int end = x;
    while (end < to && cover[size_t(end)] <= tolerance) ++end;
    if (end - x > bestWidth) {
      bestWidth = end - x;
      bestStart = x;
    }
    x = end;
  }
  if (bestStart < 0 || bestWidth < wordHeight) return std::nullopt;
  const int split = left + bestStart + bestWidth / 2;

  // Both sides carry rows of their own, most of them with text (a column of
  // page numbers is no column of text).
  int leftRows = 0, rightRows = 0, leftText = 0, rightText = 0;
  for (const PrintedLine& row : rows) {
    bool before = false, after = false, across = false, textBefore = false, textAfter = false;
    for (const PrintedWord& w : row.words) {
      across = across || (w.box.left < split && w.box.right > split);
      const bool leftSide = (w.box.left + w.box.right) / 2 < split;
      (leftSide ? before : after) = true;
      if (IsTextWord(w)) (leftSide ? textBefore : textAfter) = true;
    }
    if (across) continue;
    leftRows += before ? 1 : 0;
    rightRows += after ? 1 : 0;
    leftText += textBefore ? 1 : 0;
    rightText += textAfter ? 1 : 0;
  }
  const int minRows = std::max(3, int(rows.size()) / 4);
  if (leftRows < minRows || rightRows < minRows || leftText * 2 < leftRows || rightText * 2 < rightRows) {
    return std::nullopt;
  }

  int textLeft = 0, textRight = 0;
  for (const PrintedWord& w : words) {
    if (!IsTextWord(w)) continue;
    ((w.box.left + w.box.right) / 2 < split ? textLeft : textRight) += 1;
  }
  const int textWords = textLeft + textRight;
  if (textLeft < 4 || textRight < 4 || textLeft * 6 < textWords || textRight * 6 < textWords) {
    return std::nullopt;
  }
  return split;
}


}  // namespace

PageRect Union(const PageRect& a, const PageRect& b) {
  return PageRect::Edges(std::min(a.left, b.left), std::min(a.bottom, b.bottom), std::max(a.right, b.right),
                        std::max(a.top, b.top));
}

QString PrintedLine::Text() const {
  QStringList texts;
  for (const PrintedWord& w : words) texts << w.text;
  return texts.join(QLatin1Char(' '));
}

QList<PrintedWord> PageWords(const TextZone& page) {
  QList<PrintedWord> words;
  Collect(page, words);
  return words;
}

QList<PrintedLine> PrintedLines(const TextZone& page) {
  const QList<PrintedWord> words = PageWords(page);
  const QList<PrintedLine> rows = GroupLines(words, 0);
  const std::optional<int> split = ColumnSplit(words, rows);
  if (!split) return rows;
  // A row that a word crosses at the split is cut at its own gap near the
  // split (a long entry reaching into the gutter); one without such a gap (a
  // heading, a paragraph over the full width) stays whole, in the left
  // column's flow.
  QList<PrintedWord> left, right;
  const int near = std::max<qint64>(1, (rows.first().box.right - rows.first().box.left) / 5);
  for (const PrintedLine& row : rows) {
    int cut = *split;
    const bool across = std::any_of(row.words.begin(), row.words.end(), [&](const PrintedWord& w) {
      return w.box.left < *split && w.box.right > *split;
    });
    if (across) {
      cut = INT_MAX;
      int widest = 0;
      for (qsizetype i = 1; i < row.words.size(); ++i) {
        const int gap = row.words[i].box.left - row.words[i - 1].box.right;
        const int middle = (row.words[i].box.left + row.words[i - 1].box.right) / 2;
        if (gap > widest && gap * 5 >= row.box.Height() * 4 && std::abs(middle - *split) <= near) {
          widest = gap;
          cut = middle;
        }
      }
    }
    for (const PrintedWord& w : row.words) ((w.box.left + w.box.right) / 2 < cut ? left : right).append(w);
  }
  return GroupLines(left, 0) + GroupLines(right, 1);
}

bool IsNumberWord(const QString& text) {
  bool digit = false;
  for (const QChar c : text) {
    if (IsAsciiDigit(c)) {
      digit = true;
    } else if (!IsDash(c) && c != QLatin1Char(',') && c != QLatin1Char(';') && c != QLatin1Char('.')) {
      return false;
    }
  }
  return digit;
}

// A line at the very top or bottom of the page (level with the highest or
// the lowest line) that is a number alone or stands apart from the lines
// below or above it: a folio or a running head.
bool IsPageFurniture(const QList<PrintedLine>& lines, qsizetype index) {
  const PageRect& line = lines[index].box;
  int pageTop = line.top, pageBottom = line.bottom;
  for (const PrintedLine& other : lines) {
    pageTop = std::max<qint64>(pageTop, other.box.top);
    pageBottom = std::min<qint64>(pageBottom, other.box.bottom);
  }
  const bool atTop = line.top >= pageTop - line.Height();
  const bool atBottom = line.bottom <= pageBottom + line.Height();
  if (!atTop && !atBottom) return false;
  const QList<PrintedWord>& words = lines[index].words;
  if (words.size() == 1 && IsNumberWord(words[0].text)) return true;
  int nearest = INT_MAX;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const PageRect& other = lines[i].box;
    if (i == index || (other.bottom < line.top && other.top > line.bottom)) continue;  // level with it
    nearest = std::min<qint64>(nearest, other.bottom >= line.top ? other.bottom - line.top : line.bottom - other.top);
  }
  return nearest != INT_MAX && lines.size() >= 3 && nearest > 2 * line.Height();
}

bool LeadsInto(const PrintedLine& upper, const PrintedLine& lower) {
  if (upper.column != lower.column) return false;
  const qint64 gap = upper.box.bottom - lower.box.top;
  return gap <= std::max(upper.box.Height(), lower.box.Height()) * 6 / 10 && lower.box.right > upper.box.left;
}

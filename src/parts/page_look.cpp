#include "parts/page_look.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <numeric>

#include "autolinks/auto_contents.h"
#include "autolinks/auto_index.h"
#include "autolinks/number_reading.h"
#include "page/printed_lines.h"

namespace {

// Lines a heading may be: the page's top three.
constexpr int kHeadingLines = 3;
constexpr int kHeadingWords = 6;

bool HasLetterOrDigit(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The line's last word with a letter or digit: specks after an entry's
// number do not end the line.
QString LastWord(const PrintedLine& line) {
  for (qsizetype i = line.words.size() - 1; i >= 0; --i) {
    if (HasLetterOrDigit(line.words[i].text)) return line.words[i].text;
  }
  return {};
}

bool Covers(const PageRect& area, const PageRect& line) {
  const qint64 middle = (line.bottom + line.top) / 2;
  return middle >= area.bottom && middle <= area.top && line.left < area.right && line.right > area.left;
}

// The lines of the page a reader reads: its folio and running head aside.
QList<PrintedLine> TextLines(const QList<PrintedLine>& lines) {
  QList<PrintedLine> text;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!IsPageFurniture(lines, i) && HasLetterOrDigit(lines[i].Text())) text << lines[i];
  }
  return text;
}

// The heading named by one of the page's top lines. A line of the text that
// ends in a page number is an entry ("Предметный указатель ..... 280" on a
// contents page), not a heading; a running head may end in its folio.
ListHeading PageHeading(const QList<PrintedLine>& lines) {
  QList<qsizetype> order(lines.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return lines[a].box.top > lines[b].box.top; });
  for (qsizetype i = 0; i < std::min<qsizetype>(kHeadingLines, order.size()); ++i) {
    const PrintedLine& line = lines[order[i]];
    if (!IsPageFurniture(lines, order[i]) && TrailingNumber(LastWord(line), false)) continue;
    const ListHeading heading = HeadingOfLine(line.Text());
    if (heading != ListHeading::None) return heading;
  }
  return ListHeading::None;
}

// How many of `lines` hold the middle of one of the areas of `entries`.
int LinesCovered(const QList<PrintedLine>& lines, const QList<ContentsEntry>& entries) {
  return int(std::count_if(lines.begin(), lines.end(), [&](const PrintedLine& line) {
    return std::any_of(entries.begin(), entries.end(), [&](const ContentsEntry& e) { return Covers(e.area, line.box); });
  }));
}

// The entries that stand on the lines a reader reads: a number in the
// running head or foot (the page's folio) is none.
QList<ContentsEntry> OnTextLines(QList<ContentsEntry> entries, const QList<PrintedLine>& lines) {
  entries.removeIf([&](const ContentsEntry& e) {
    return std::none_of(lines.begin(), lines.end(), [&](const PrintedLine& line) { return Covers(e.area, line.box); });
  });
  return entries;
}

// A contents page: three entries or more, titled with words, nearly every
// line that ends in a number an entry in the page's order; and, unless the
// page is headed as a contents, entries on two lines in five or more (a page
// of text with a few references "(p. 187)" at line ends is none) and most
// lines part of an entry.
bool ContentsLike(const QList<PrintedLine>& lines, const QList<ContentsEntry>& entries, ListHeading heading) {
  if (entries.size() < 3) return false;
  const int numbered = int(std::count_if(lines.begin(), lines.end(), [](const PrintedLine& line) {
    return TrailingNumber(LastWord(line), false).has_value();
  }));
  const int titled = int(std::count_if(entries.begin(), entries.end(), [](const ContentsEntry& e) {
    return std::any_of(e.title.begin(), e.title.end(), [](QChar c) { return c.isLetter(); });
  }));
  if (entries.size() * 4 < numbered * 3 || titled * 3 < entries.size() * 2) return false;
  // Under a contents heading the entries in order suffice: OCR may have lost
  // most of the page's numbers.
  return heading == ListHeading::Contents ||
         (entries.size() * 5 >= lines.size() * 2 && LinesCovered(lines, entries) * 2 >= lines.size());
}

// An index page: five numbers or more, on at least two lines in five.
bool IndexLike(const QList<PrintedLine>& lines, const QList<ContentsEntry>& numbers) {
  return numbers.size() >= 5 && LinesCovered(lines, numbers) * 5 >= lines.size() * 2;
}

// The text of the zone's last leaf.
const QString* LastLeafText(const TextZone& zone) {
  const TextZone* at = &zone;
  while (!at->children.isEmpty()) at = &at->children.last();
  return at->kind == ZoneKind::Page ? nullptr : &at->text;
}

// The words of a line zone joined by blanks.
QString LineZoneText(const TextZone& zone) {
  if (zone.children.isEmpty()) return zone.text;
  QStringList words;
  for (const TextZone& child : zone.children) words << LineZoneText(child);
  return words.join(QLatin1Char(' '));
}

// What the line zones tell at a glance: how many there are, how many end in
// a digit (with punctuation after it), and whether one of the first three
// names a list.
struct LineEnds {
  int lines = 0, numbered = 0;
  bool heading = false;
};

void CountLineEnds(const TextZone& zone, LineEnds& ends) {
  if (zone.kind != ZoneKind::Line) {
    for (const TextZone& child : zone.children) CountLineEnds(child, ends);
    return;
  }
  if (ends.lines++ < kHeadingLines && !ends.heading) ends.heading = HeadingOfLine(LineZoneText(zone)) != ListHeading::None;
  const QString* text = LastLeafText(zone);
  if (!text) return;
  qsizetype end = text->size();
  while (end > 0 && QStringLiteral(".,;:)]").contains(text->at(end - 1))) --end;
  if (end > 0 && IsAsciiDigit(text->at(end - 1))) ++ends.numbered;
}

// Whether the page may be a contents or index page: three lines or more end
// in a number, and one in three or more (or the page opens with a list's
// heading). Most pages of a book, prose with a few numbers at line ends, are
// told apart at once, without regrouping their words; a text layer without
// line zones is read whole.
bool MayListPages(const TextZone& page) {
  LineEnds ends;
  CountLineEnds(page, ends);
  return ends.lines == 0 || (ends.numbered >= 3 && (ends.numbered * 3 >= ends.lines || ends.heading));
}

}  // namespace

ListHeading HeadingOfLine(const QString& text) {
  static const QRegularExpression notLetters(QStringLiteral("[^\\p{L}]+"));
  const QStringList words = text.toLower().split(notLetters, Qt::SkipEmptyParts);
  if (words.isEmpty() || words.size() > kHeadingWords) return ListHeading::None;
  const QString line = words.join(QLatin1Char(' '));
  const auto has = [&](const char* word) { return words.contains(QLatin1String(word)); };
  const auto hasRu = [&](const char16_t* word) { return words.contains(QString::fromUtf16(word)); };
  if (hasRu(u"указатель") || has("index")) return ListHeading::Index;
  if (line.startsWith(QStringLiteral("список рисунков")) || line.startsWith(QStringLiteral("список иллюстраций")) ||
      line.startsWith(QLatin1String("list of figures")) || line.startsWith(QLatin1String("list of illustrations"))) {
    return ListHeading::Figures;
  }
  if (line.startsWith(QStringLiteral("список таблиц")) || line.startsWith(QLatin1String("list of tables"))) {
    return ListHeading::Tables;
  }
  if (line == QStringLiteral("содержание") || line == QStringLiteral("оглавление") ||
      line == QLatin1String("contents") || line == QLatin1String("table of contents") ||
      line == QStringLiteral("краткое содержание") || line == QLatin1String("brief contents")) {
    return ListHeading::Contents;
  }
  return ListHeading::None;
}

PageLook LookOfPage(const TextZone& page, int documentPage, int pageCount) {
  PageLook look;
  look.page = documentPage;
  if (!MayListPages(page)) return look;
  const QList<PrintedLine> all = PrintedLines(page);
  look.heading = PageHeading(all);
  const QList<PrintedLine> lines = TextLines(all);
  if (lines.isEmpty()) return look;
  // Any number a page of the book can carry leads somewhere: the offset is
  // not known yet, and the order, not the target, tells a contents page.
  const TargetOf anyPage = [pageCount](int printed, bool) -> std::optional<int> {
    if (printed < 1 || printed > pageCount) return std::nullopt;
    return printed;
  };
  const QList<ContentsEntry> entries =
      OnTextLines(ContentsRecogniser(ContentsOptions{anyPage, false, {}}).Page(page, 0), lines);
  const QList<ContentsEntry> numbers = OnTextLines(IndexEntries(page, 0, IndexOptions{anyPage, false}), lines);
  // An index's short last column can happen to grow down the page: under an
  // index heading the index reading comes first.
  const bool index = IndexLike(lines, numbers);
  if (ContentsLike(lines, entries, look.heading) && !(index && look.heading == ListHeading::Index)) {
    look.kind = PageKind::Contents;
    look.entries = int(entries.size());
    look.firstNumber = entries.first().printed.number;
    look.lastNumber = entries.last().printed.number;
  } else if (index) {
    look.kind = PageKind::Index;
    look.entries = int(numbers.size());
  }
  return look;
}

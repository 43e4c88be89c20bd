#include "align/contents_page.h"

#include <QHash>
#include <algorithm>

#include "align/dump_line.h"
#include "align/page_geometry.h"
#include "core/errors.h"

namespace align {

namespace {

qint64 VerticalOverlap(const PageRect& a, const PageRect& b) {
  return std::min(a.top, b.top) - std::max(a.bottom, b.bottom);
}

bool MeetsHorizontally(const PageRect& a, const PageRect& b) { return a.left < b.right && b.left < a.right; }

// An area covers a text line when it spans at least half the line's height
// and meets it sideways.
bool Covers(const PageRect& area, const PageRect& line) {
  return line.Height() > 0 && 2 * VerticalOverlap(area, line) >= line.Height() && MeetsHorizontally(area, line);
}

// The stretches of the printed lines between wide gaps: where the two columns
// of a page were read as one line, each column's part is a stretch of its own.
QList<PrintedLine> Stretches(const QList<PrintedLine>& lines) {
  QList<PrintedLine> stretches;
  for (const PrintedLine& line : lines) {
    PrintedLine part;
    for (const PrintedWord& word : line.words) {
      if (!part.words.isEmpty() && word.box.left - part.box.right > 2 * line.box.Height()) {
        stretches << part;
        part = PrintedLine{};
      }
      part.box = part.words.isEmpty() ? word.box : Union(part.box, word.box);
      part.words << word;
    }
    if (!part.words.isEmpty()) stretches << part;
  }
  return stretches;
}

bool WithText(const QList<PageRect>& areas, const QList<PrintedLine>& printed) {
  const QList<PrintedLine> lines = Stretches(printed);
  QList<bool> claimed(lines.size(), false);
  for (const PageRect& area : areas) {
    bool text = false, number = false, covers = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
      const PrintedLine& line = lines[i];
      if (!Covers(area, line.box)) continue;
      if (claimed[i]) return false;  // a second area on the same line and column
      claimed[i] = true;
      covers = true;
      for (const PrintedWord& word : line.words) {
        if (MeetsHorizontally(area, word.box) && !IsNumberWord(word.text)) text = true;
      }
      const PrintedWord& last = line.words.last();
      if (IsNumberWord(last.text) && MeetsHorizontally(area, last.box)) number = true;
    }
    if (!covers || !text || !number) return false;
  }
  return true;
}

// Without text: areas share a line when they overlap by more than half the
// lower one's height; the columns are the alignment's own.
bool WithoutText(const QList<PageRect>& areas) {
  PageGeometry page;
  for (const PageRect& area : areas) page.Measure(area);
  const auto column = [&](const PageRect& area) { return page.TwoColumns() && page.InSecondColumn(area.left); };
  for (qsizetype i = 0; i < areas.size(); ++i) {
    for (qsizetype j = i + 1; j < areas.size(); ++j) {
      const int lower = std::min(areas[i].Height(), areas[j].Height());
      if (column(areas[i]) == column(areas[j]) && 2 * VerticalOverlap(areas[i], areas[j]) > lower) return false;
    }
  }
  return true;
}

}  // namespace

QList<PageRect> SectionAreas(const QList<QByteArray>& lines, const DumpSection& section) {
  QList<PageRect> boxes;
  DumpScanner scanner;
  for (qsizetype i = section.first; i < section.end; ++i) {
    for (const DumpArea& area : scanner.Scan(lines[i]).areas) {
      boxes << area.box;
    }
  }
  return boxes;
}

bool FormsContentsEntries(const QList<PageRect>& areas, const QList<PrintedLine>& lines) {
  return lines.isEmpty() ? WithoutText(areas) : WithText(areas, lines);
}

SectionChoice ChooseSections(const QList<QByteArray>& before, const QList<DumpSection>& changed,
                             const std::optional<QList<int>>& only, const PagesReader& readPages) {
  SectionChoice choice;
  QList<int> pages;
  for (const DumpSection& section : changed) {
    if (section.page > 0) {
      if (!only || only->contains(section.page)) pages << section.page;
    } else {
      choice.leftComponents << QString::fromUtf8(section.name);
    }
  }
  QHash<int, QByteArray> texts;
  if (!only && !pages.isEmpty()) {
    for (const PageData& page : readPages(pages)) texts.insert(page.number, page.text);
  }
  for (const DumpSection& section : changed) {
    if (!pages.contains(section.page)) continue;
    bool entries = true;
    if (!only) {
      QList<PrintedLine> lines;
      const QByteArray text = texts.value(section.page);
      try {
        if (!text.isEmpty()) lines = PrintedLines(ParseTextLayer(text));
        // A text layer that holds no word says no more than none.
        entries = FormsContentsEntries(SectionAreas(before, section), lines);
      } catch (const QuillmarkError&) {
        entries = false;  // a text that does not read: nothing shows the page is a contents page
      }
    }
    if (entries) {
      choice.written.insert(section.name);
    } else {
      choice.leftPages << section.page;
    }
  }
  return choice;
}

}  // namespace align

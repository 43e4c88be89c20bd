#include "align/alignment_passes.h"

#include <set>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <functional>
#include <memory>

#include "align/dump_line.h"
#include "core/errors.h"
#include "djvused/script_dialect.h"

namespace align {

namespace {

constexpr qint64 kPumpIntervalMs = 10;

using AreaHook = std::function<void(PageGeometry& page, DumpArea& area)>;

// Reads `input` line by line (`source` tells whether djvused wrote it or the
// job itself: reading the job's own script like a dump would strip a second
// CR that belongs to the line) and hands each internal link's area of a page
// slot, with its slot's record, to onArea, which may change the area's x and
// w. When `output` is given, every line is written to it: area lines rebuilt
// from their (possibly changed) areas, all other lines exactly as read. Areas
// before the first page slot are neither handed out nor changed. Returns false, having
// stopped there, when stopAtUnrecognized and a line carries the marker.
bool StreamDump(const QString& input, dialect::LineEnd source, const QString& output, PageTable& table,
                const AreaHook& onArea, bool stopAtUnrecognized = false) {
  dialect::LineReader reader(input, source);
  std::unique_ptr<dialect::LineWriter> writer;
  if (!output.isEmpty()) writer = std::make_unique<dialect::LineWriter>(output);
  QElapsedTimer sincePump;
  sincePump.start();
  int slot = -2;
  DumpScanner scanner;
  QByteArray line;
  while (reader.Next(line)) {
    DumpLine scanned = scanner.Scan(line);
    if (stopAtUnrecognized && scanned.unrecognized) return false;
    if (scanned.opensSection) ++slot;
    const bool inSlot = slot >= 0 && size_t(slot) < table.size();
    if (inSlot) {
      for (DumpArea& area : scanned.areas) {
        onArea(table[size_t(slot)], area);
        // The windows get their messages after an area once a few
        // milliseconds have gone by: as responsive as pumping after every
        // area, without the cost of an event round per area on big books.
        if (sincePump.elapsed() >= kPumpIntervalMs) {
          QCoreApplication::processEvents();
          sincePump.restart();
        }
      }
    }
    if (!writer) continue;
    if (inSlot && !scanned.areas.empty()) {
      writer->WriteLine(WithAreas(line, scanned.areas));
    } else {
      writer->WriteLine(line);
    }
  }
  if (writer) writer->Close();
  return true;
}

// Pass 1: the number of lines that open a section.
size_t CountSections(const QString& dumpPath) {
  dialect::LineReader reader(dumpPath);
  size_t count = 0;
  QByteArray line;
  while (reader.Next(line)) {
    if (OpensSection(line)) ++count;
  }
  return count;
}

}  // namespace

std::optional<PageTable> MeasurePages(const QString& dumpPath) {
  // One record per section line; the document-level line's record stays unused.
  PageTable table(CountSections(dumpPath));

  // Pass 2: the extremes of the left edges and widths.
  const bool recognized = StreamDump(
      dumpPath, dialect::LineEnd::Dump, {}, table, [](PageGeometry& page, DumpArea& area) { page.Measure(area.box); },
      true);
  if (!recognized) return std::nullopt;

  // Pass 3: the second column starts at its leftmost area (a one-column slot
  // keeps MaxLeft) ...
  for (PageGeometry& page : table) page.SecondLeft = page.MaxLeft;
  StreamDump(dumpPath, dialect::LineEnd::Dump, {}, table, [](PageGeometry& page, DumpArea& area) {
    if (page.InSecondColumn(area.box.left)) page.SecondLeft = std::min(page.SecondLeft, area.box.left);
  });
  // ... but never before the right end of the widest area placed at the first
  // column's edge.
  for (PageGeometry& page : table) {
    if (page.HasAreas()) page.SecondLeft = std::max(page.SecondLeft, page.MinLeft + page.MaxWidth);
  }
  return table;
}

AlignmentCount RewritePages(const QString& dumpPath, const QString& scriptPath, PageTable& table) {
  // Which areas change, in stream order (the same in every pass), and on which page.
  std::vector<bool> changed;
  std::vector<const PageGeometry*> pageOf;
  // Pass 4: common left edges; the decision uses the measured x.
  StreamDump(dumpPath, dialect::LineEnd::Dump, scriptPath, table, [&](PageGeometry& page, DumpArea& area) {
    const qint64 before = area.box.left;
    area.box = area.box.MovedTo(page.TwoColumns() && page.InSecondColumn(before) ? page.SecondLeft : page.MinLeft);
    changed.push_back(area.box.left != before);
    pageOf.push_back(&page);
  });

  // Pass 5: the widest area of each column, by the aligned left edges.
  for (PageGeometry& page : table) {
    page.FirstWidth = 0;
    page.SecondWidth = 0;
  }
  StreamDump(scriptPath, dialect::LineEnd::OwnFile, {}, table, [](PageGeometry& page, DumpArea& area) {
    if (area.box.left == page.MinLeft) page.FirstWidth = std::max(page.FirstWidth, area.box.Width());
    if (area.box.left == page.SecondLeft) page.SecondWidth = std::max(page.SecondWidth, area.box.Width());
  });

  // Pass 6: common widths. When the second column's widest area, placed at the
  // first column's edge, would reach the rightmost start, the page takes the
  // first column's width throughout.
  std::size_t next = 0;
  StreamDump(scriptPath, dialect::LineEnd::OwnFile, dumpPath, table, [&](PageGeometry& page, DumpArea& area) {
    const qint64 before = area.box.Width();
    const bool first = page.MinLeft + page.SecondWidth >= page.MaxLeft || area.box.left == page.MinLeft;
    area.box = area.box.WithWidth(first ? page.FirstWidth : page.SecondWidth);
    if (next < changed.size() && area.box.Width() != before) changed[next] = true;
    ++next;
  });

  AlignmentCount count;
  std::set<const PageGeometry*> pages;
  for (std::size_t i = 0; i < changed.size(); ++i) {
    if (!changed[i]) continue;
    ++count.areas;
    pages.insert(pageOf[i]);
  }
  count.pages = int(pages.size());
  return count;
}

}  // namespace align

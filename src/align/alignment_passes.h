#pragma once
// The six passes of the fix job over the annotation dump on disk. They align
// the areas of internal links (DumpScanner says which) and carry everything
// else over. Each pass streams its file line by line; only the page table
// stays in memory. The dump is cut into slots by its lines that begin with
// "select": the first is the document-level line and opens no slot, each
// later one opens the next.
// Passes 2 to 6 pump the window messages between areas, every few milliseconds.
#include <QString>
#include <optional>

#include "align/page_geometry.h"

namespace align {

// Passes 1 to 3: counts the slots, measures every slot's areas and finds the
// left edge of its second column. Empty when a line of the dump carries
// djvused's "Unrecognized" marker instead of annotations.
// Throws ConversionError (a broken area) or IoError.
std::optional<PageTable> MeasurePages(const QString& dumpPath);

// Passes 4 to 6: writes the dump with aligned left edges to scriptPath,
// measures the columns' widths there, and writes the finished script, with
// aligned widths, back to dumpPath. Throws ConversionError or IoError.
// Returns how many areas the alignment moved or resized, on how many pages.
struct AlignmentCount {
  int areas = 0;
  int pages = 0;
};
AlignmentCount RewritePages(const QString& dumpPath, const QString& scriptPath, PageTable& table);

}  // namespace align

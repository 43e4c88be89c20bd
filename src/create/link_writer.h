#pragma once
// Writes the create run's link script: one block per page of the range
// (comment, the dump's own page-selection line, "set-ant", the page's link
// areas on one line, "."), optionally after a line that removes all hidden text.
#include <QByteArray>
#include <optional>

#include "create/link_style.h"
#include "create/text_dump.h"

// A link area: left, bottom, width, height.
struct LinkArea {
  qint64 left = 0, bottom = 0, width = 0, height = 0;
};

// What the page remembers of its last recorded entry.
struct PageLinkState {
  int lastTop = 0;    // top of the entry's line (or word)
  int lastLeft = 0;   // left edge of its area, as written
  int lastRight = 0;  // right edge of its line
};

// The area over an entry's OCR line: widened to the left to the previous
// entry's area when that one starts further left and reaches over this line's
// left edge (widenLeft); reaching up to the previous entry's line, or, for the
// first entry of a page, to the top of the line above it or to its own top.
// No area (nullopt) when its height comes out as zero.
std::optional<LinkArea> EntryArea(const LineBox& line, int prevLineTop, const PageLinkState& page,
                                  bool widenLeft, int* adjustedLeft = nullptr);

class LinkWriter {
 public:
  LinkWriter(const LinkStyle& style, TextPageRange range);

  void Begin(bool removeAllText);
  // At every page-selection line of the dump; `ordinal` counts the pages met
  // before this one.
  void PageSelection(QByteArrayView selectionLine, int ordinal);
  void WriteArea(qint64 target, const LinkArea& area);
  // Ends the script after the dump's last line.
  void End(int finalOrdinal);

  PageLinkState& Page() { return page_; }
  const QByteArray& Script() const { return script_; }

 private:
  void EndLine();

  LinkStyle style_;
  TextPageRange range_;
  PageLinkState page_;
  QByteArray script_;
};

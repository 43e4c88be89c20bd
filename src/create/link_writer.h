#pragma once
// Collects the create run's new link areas page by page, each written as the
// maparea record the page's annotations will hold.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "autolinks/contents_entry.h"
#include "create/link_style.h"
#include "create/text_dump.h"
#include "djvused/annotation_records.h"
#include "djvused/page_targets.h"
#include "folios/folio_reader.h"


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
std::optional<PageRect> EntryArea(const PageRect& line, int prevLineTop, const PageLinkState& page,
                                  bool widenLeft, int* adjustedLeft = nullptr);

// The new links of one page of the range, in the order they were found.
struct PageLinks {
  int ordinal = 0;        // the page's place among the pages with hidden text
  QByteArray text;        // the maparea records, each followed by a blank
  QList<MadeLink> links;  // the same links in order, their areas replacing the old links they cover
  // The areas of the links.
  QList<PageRect> Areas() const;
};

// A contents entry that got a link, kept for the outline: the automatic
// types give its title and first line as the reader sees them, the described
// ones the line that ends in its number, from which the outline reads them.
struct LinkedEntry {
  ContentsEntry entry;
  PageRect line;     // the line that ends in the number (described types)
  int ordinal = 0;   // set by the writer: the page's place among the pages with hidden text
};

class LinkWriter {
 public:
  // `targets` says how a link names its page ("#8", or the page's id in a
  // book whose pages carry titles); without it "#8".
  LinkWriter(const LinkStyle& style, TextPageRange range, const PageTargets* targets = nullptr);

  // At every page-selection line of the dump; `ordinal` counts the pages met
  // before this one.
  void PageSelection(int ordinal);
  void WriteArea(qint64 target, const PageRect& area, Folio printed);
  // The same for a contents entry, which is kept for the outline.
  void WriteEntry(qint64 target, const PageRect& area, Folio printed, LinkedEntry entry);

  PageLinkState& Page() { return page_; }
  // The pages of the range that got at least one link.
  const QList<PageLinks>& Pages() const { return pages_; }
  // The entries written with WriteEntry, in order.
  const QList<LinkedEntry>& Entries() const { return entries_; }

 private:
  LinkStyle style_;
  TextPageRange range_;
  PageTargets targets_;
  PageLinkState page_;
  QList<PageLinks> pages_;
  QList<LinkedEntry> entries_;
  int ordinal_ = 0;
};

#pragma once
// Index entries as a reader sees them: every page number of every entry, each
// with an area over its own characters.
#include <QList>

#include "autolinks/auto_entry.h"
#include "page/printed_lines.h"

struct IndexOptions {
  TargetOf target;
  bool roman = false;  // Roman numerals are page numbers (the row has a Roman offset)
};

// The page numbers of one index page, in reading order. `documentPage` is the
// page's own number in the document: a number leading there is the page's
// own folio and is never linked, nor is a number alone at the top or the
// bottom of the page (folio, running head).
QList<ContentsEntry> IndexEntries(const TextZone& page, int documentPage, const IndexOptions& options);

#pragma once
// The title of a contents entry that the described scan found by the line
// zone ending in its number, read from the page as a reader sees it.
#include <QList>
#include <QStringList>
#include <optional>

#include "core/page_rect.h"
#include "page/printed_lines.h"
#include "page/text_layer.h"

struct EntryTitle {
  QStringList words;
  const PrintedLine* first = nullptr;  // the title's first line, one of the lines read
};

// The title of the entry whose number ends the line zone with the box
// `line`: the printed lines above it that lead into it (a wrapped title:
// close below each other in one column, overlapping from left to right, not
// ending in a number themselves, at most two), then its printed line's words
// up to the number, the number taken off. Nothing when no word of the lines
// lies in that box.
std::optional<EntryTitle> EntryTitleOf(const QList<PrintedLine>& lines, const PageRect& line);
// The words of that title on the page; empty when there is none.
QStringList EntryTitleWords(const TextZone& page, const PageRect& line);

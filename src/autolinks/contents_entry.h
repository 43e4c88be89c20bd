#pragma once
// A contents entry that got a link: where it leads and where it stands, its
// title as the reader sees it, its first line and column (which give its
// outline level) and the level. The recognisers make it, the create run keeps
// it and the outline is made of it. An index entry is one too: its area is
// the number's own characters and its title the heading it stands under.
#include <QString>

#include "core/page_rect.h"
#include "page/made_link.h"

struct ContentsEntry {
  int target = 0;          // the document page the entry's link leads to
  int page = 0;            // the document page the entry is printed on (0: not known yet)
  Folio printed;           // the page number as printed
  PageRect area;           // the link's area: contents, the entry's lines; index, the number's characters
  QString title;           // without leaders and page number; index: the heading
  int left = 0;            // left edge of the entry's first line
  int lineHeight = 0;      // height of the entry's first line
  int column = 0;          // 0 for the left (or only) column of its page, 1 for the right one
  int level = 1;           // 1 for the top level
  bool lookAlike = false;  // the number was read from letters that look like digits (l5 as 15)
};

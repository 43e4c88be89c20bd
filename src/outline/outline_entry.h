#pragma once
// One bookmark of the document's outline, made from a contents entry that got
// a link: where the entry stands on its contents page (for its level) and
// where it leads.
#include <QList>
#include <QString>

struct OutlineEntry {
  QString title;         // as the reader sees it, without leaders and page number
  int target = 0;        // the document page the entry's link leads to
  int page = 0;          // the document page the entry is printed on
  int column = 0;        // 0 for the left (or only) column of its page, 1 for the right one
  int left = 0;          // left edge of the entry's first line
  int lineHeight = 0;    // height of the entry's first line
  int level = 1;         // 1 for the top level
};

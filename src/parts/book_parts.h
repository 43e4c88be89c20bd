#pragma once
// A book's parts found from how its pages look: its contents lists (a short
// and a full contents, lists of figures and tables; wherever they stand) and
// its index (at the end), with the one contents list that is the book's main
// one.
#include <QList>
#include <QString>

#include "parts/page_look.h"

enum class PartKind { Contents, Figures, Tables, Index };

struct BookPart {
  PartKind kind = PartKind::Contents;
  int firstPage = 0, lastPage = 0;  // document pages
  int entries = 0;                  // contents entries, or index numbers
  bool main = false;                // the book's main contents list
  bool operator==(const BookPart& o) const {
    return kind == o.kind && firstPage == o.firstPage && lastPage == o.lastPage && entries == o.entries &&
           main == o.main;
  }
};

// "contents", "figures", "tables", "index": the kind's name in the output
// scripts read.
QString PartKindName(PartKind kind);

// The parts, in page order, from the looks of the pages with text (in page
// order). A contents list runs over neighbouring contents pages whose numbers
// keep growing; where they start again, or a heading names another list, a
// new list starts. An index runs over neighbouring index pages in the second
// half of the book, from one under an index heading (a page of program
// output or a bibliography can look like an index too). The main list is the
// longest contents list.
QList<BookPart> FindBookParts(const QList<PageLook>& looks, int pageCount);

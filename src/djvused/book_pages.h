#pragma once
// What the create run reads of a document: for the pages of the row's range
// only, each page's size, hidden text and annotations, all from one djvused
// call ("select N; size; output-txt; output-ant" per page). Pages are named by
// their number, so page names never matter.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

struct PageData {
  int number = 0;          // the document's page number, 1-based
  int width = 0, height = 0;
  QByteArray text;         // the zone tree as output-txt prints it; empty: no hidden text
  QByteArray annotations;  // the annotation text as output-ant prints it; empty: none
};

// The djvused commands that print the pages first..last.
QByteArray RangeCommands(int first, int last);
// The same for any pages, in the order given.
QByteArray PagesCommands(const QList<int>& pages);

// Reads djvused's output of RangeCommands(first, last). Throws DjvusedError
// when the output is not whole (a page missing, a block not ended).
QList<PageData> ReadRangeOutput(QByteArrayView output, int first, int last);
// The same for PagesCommands(pages).
QList<PageData> ReadPagesOutput(QByteArrayView output, const QList<int>& pages);

// The pages with hidden text as a whole-document text dump ("select;
// remove-txt", then per page its selection by number and its set-txt block),
// the form the described scan reads.
QByteArray AsTextDump(const QList<PageData>& pages);

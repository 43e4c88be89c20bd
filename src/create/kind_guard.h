#pragma once
// The automatic contents and index types over a range that holds pages of
// another kind (a whole book typed as the range): only the pages that look
// like the row's kind are linked, so body pages get no links from numbers
// that happen to end their lines.
#include <QList>
#include <QString>

#include "core/create_settings.h"
#include "djvused/book_pages.h"

struct KindGuard {
  QList<qsizetype> linked;  // the places among the pages of those linked, in order
  QList<int> skipped;       // the document pages left out
};

// The pages of `pages` (with hidden text, in page order) that look like the
// kind of `type` (ContentsAuto or IndexAuto), and a page between two of them
// (one the text layer lost). A range where no page looks like its kind is
// linked whole: the recognisers alone decide. Throws InputError for a zone
// tree that does not read.
KindGuard GuardPages(const QList<const PageData*>& pages, WorkType type, int pageCount);

// The log line naming the pages skipped; empty when there are none.
QString SkippedLine(WorkType type, const QList<int>& skipped);

#pragma once
// Index numbers read again from the pictures of the pages they stand on, by
// the digit shapes of the same book: the numbers the check of targets
// confirmed teach the shapes, and a number that surely shows other digits
// than its text says is handed back to the check.
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include "core/page_rect.h"
#include "targets/number_check.h"

// The box of an entry's number: an index entry's area is the number; a
// contents entry's number ends its last line, at the right of its area.
PageRect NumberBox(const ContentsEntry& e, bool index);

// The index pages whose text the check found misread often enough for
// their numbers to be read again from the pictures: a clean text layer's
// few terms off their pages are no reason to render its pages.
QSet<int> PagesShowingMisreadings(const QList<targets::NumberEntry>& entries,
                                  const QList<targets::CheckedNumber>& checked);

// The index numbers on `pages` whose picture surely shows another number, by
// entry index. Renders every page the index numbers stand on with ddjvu, one
// at a time, in `workFolder`, keeping only the parts around the numbers: the
// shapes are learnt from all of them. Throws InputError when ddjvu fails.
QHash<qsizetype, int> ShapeReadings(const QList<targets::NumberEntry>& entries,
                                    const QList<targets::CheckedNumber>& checked, const QSet<int>& pages,
                                    const QString& bookPath, const QString& workFolder);

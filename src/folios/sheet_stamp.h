#pragma once
// The sheet number of a page drawn in an engineering drawing frame: such
// documents print no running head or foot; each sheet carries its number in
// the stamp at the foot of the frame, in the cell labelled "Лист", under the
// label or beside it. The stamp's other "Лист" (the column of the changes
// table) stands further left, and "Листов" (the count of sheets) is another
// label, so the right-most "Лист" that has a number under or beside it is
// the sheet's own.
#include <QList>
#include <optional>

#include "page/made_link.h"
#include "page/printed_lines.h"

// The sheet number read from the words of a page's foot band (the words of
// the whole page may be given: only those below `footTop` count).
std::optional<Folio> StampSheetNumber(const QList<PrintedWord>& words, qint64 footTop);

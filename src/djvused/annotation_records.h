#pragma once
// Reads a page's annotation text (what djvused's output-ant prints between
// "set-ant" and ".") as top-level records, and gives it back as set-ant data
// that djvused can only read as data. djvused stores any text unchecked, so a
// foreign book may hold garbage, unbalanced lists or a line "." between its
// records; the reader never fails: what it cannot read as a record is an
// unreadable stretch, kept as it stands.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

#include "core/page_rect.h"

// One top-level piece of an annotation text: a record, "(maparea ...)",
// "(background ...)" and so on, or a stretch the reader could not read as
// one. For a maparea, its URL and the box around its shape (rect, oval,
// text: as written; poly, line: around the points).
struct AnnotationRecord {
  qsizetype begin = 0, end = 0;  // [begin, end) in the text
  bool readable = true;          // false: an unreadable stretch
  bool maparea = false;
  QByteArray url;                // decoded; for "(url \"…\" \"target\")" the first string
  std::optional<PageRect> box;
  QByteArray shape;              // the shape's keyword: "rect", "oval", "poly", ...
};

// Every piece of the text in order; blanks between them belong to none. An
// unreadable stretch runs from where a record could not begin to the end of
// its line, or, when a list opened there never closes, to the end of the text.
QList<AnnotationRecord> ReadAnnotationPieces(QByteArrayView text);

// The text as set-ant data: itself when no line of it would end the data;
// otherwise every piece on a line of its own, each record that holds such a
// line rebuilt from its lists, atoms and strings on one line (strings quoted
// anew, so none spans a line). nullopt when an unreadable stretch itself
// holds such a line: that text can be neither rebuilt nor written as it is.
std::optional<QByteArray> AsSetAntData(QByteArrayView text);

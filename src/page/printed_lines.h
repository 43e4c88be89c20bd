#pragma once
// A page's hidden text regrouped into the lines a reader sees: every word with
// a box per character, words on one baseline of one column joined into a line
// in left-to-right order, two-column pages kept as two columns.
#include <QList>
#include <QString>

#include "page/text_layer.h"

struct PrintedWord {
  QString text;
  QList<PageRect> chars;  // one box per UTF-16 unit of `text`
  PageRect box;
};

struct PrintedLine {
  QList<PrintedWord> words;  // left to right
  PageRect box;
  int column = 0;  // 0 for the left (or only) column, 1 for the right one
  // The words joined by single blanks.
  QString Text() const;
};

// The union of two boxes.
PageRect Union(const PageRect& a, const PageRect& b);

// Every word of the page with its character boxes: char zones give exact
// boxes; a word or line zone that carries its text gets its box split by
// character count. Texts holding blanks are split into words at the blanks.
QList<PrintedWord> PageWords(const TextZone& page);

// The printed lines of the page in reading order: the left column top to
// bottom, then the right one. A page is split into two columns at a vertical
// gap that runs through its text when both sides hold words (not only
// numbers), also where OCR put both columns into one line zone.
QList<PrintedLine> PrintedLines(const TextZone& page);

// Digits with dashes, commas, semicolons or dots only ("12", "206–208,").
bool IsNumberWord(const QString& text);
// Whether the line `index` of the page is its folio or running head: at the
// very top or bottom (level with the highest or lowest line), and a number
// alone or standing apart from the lines below or above it.
bool IsPageFurniture(const QList<PrintedLine>& lines, qsizetype index);

// Whether `lower` carries on the text of `upper`, the line above it in its
// column: both in one column, `lower` at most six tenths of the taller line's
// height below `upper` (or overlapping it), and reaching right of its left
// edge.
bool LeadsInto(const PrintedLine& upper, const PrintedLine& lower);

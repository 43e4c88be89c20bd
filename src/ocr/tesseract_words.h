#pragma once
// Tesseract's TSV output (one row per page, block, paragraph, line and word,
// boxes from the top left) turned into the zone tree djvused prints for a
// page ("(page 0 0 W H (line x0 y0 x1 y1 (word x0 y0 x1 y1 \"text\") ...) ...)"),
// boxes from the bottom left, in the page's own units.
#include <QByteArray>
#include <QByteArrayView>

// The zone tree of a page of pageWidth × pageHeight units from the TSV of its
// picture rendered at `scale` picture pixels per page unit. Words Tesseract
// found no text in are left out, and so is a line without words; a page
// without words is the page zone with an empty text. Throws
// InputError when the TSV lacks the header row Tesseract writes.
QByteArray ZonesFromTesseractTsv(QByteArrayView tsv, int pageWidth, int pageHeight, double scale = 1.0);

// How the lines of a TSV end: in a number, or in leader dots with no number
// after them (read as one column, a page may lose a short number standing
// alone after its dots). Throws InputError as ZonesFromTesseractTsv does.
struct TsvLineEnds {
  int numbers = 0, bareLeaders = 0;
};
TsvLineEnds LineEndsOfTsv(QByteArrayView tsv);

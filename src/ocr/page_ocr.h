#pragma once
// Pages read from their images: ddjvu renders the page, Tesseract
// (rus+eng) reads the picture, and the words come back as the zone tree
// djvused prints for a page in the page's own units, so the recognisers read
// them as they read a text layer. Both programs run as child processes.
#include <QByteArray>
#include <QString>

#include "djvused/book_pages.h"

namespace ocr {

// The Tesseract program on the PATH. Throws InputError with the packages to
// install when it is missing or lacks the Russian or English data.
QString TesseractProgram();

// Reads page `page` (its number and size as djvused gives them) of the book
// at `bookPath` with `tesseract` (from TesseractProgram), working in
// `workFolder`. Throws InputError when ddjvu or Tesseract fails, naming the page.
QByteArray ReadPageZones(const QString& tesseract, const QString& bookPath, const PageData& page,
                         const QString& workFolder);

}  // namespace ocr

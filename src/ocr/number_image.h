#pragma once
// A printed number read again from the page image: the number's box rendered
// by ddjvu at the page's own resolution, read by Tesseract as one line of
// digits.
#include <QString>
#include <optional>

#include "core/page_rect.h"

namespace ocr {

// The Tesseract program on the PATH, or an empty text when there is none.
QString FindTesseract();

// Reads the digits inside `box` (page units, origin at the bottom left) of
// page `page` of the book at `bookPath`, working in
// `workFolder`; nothing when Tesseract reads no digits there. Throws
// InputError when ddjvu or Tesseract fails.
std::optional<int> ReadNumberBox(const QString& tesseract, const QString& bookPath, int page, const PageRect& box,
                                 const QString& workFolder);

}  // namespace ocr

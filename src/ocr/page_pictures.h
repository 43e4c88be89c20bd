#pragma once
// Whole pages rendered by ddjvu at their own resolution, so a zone's box in
// page units is the same box in the picture.
#include <QList>
#include <QString>
#include <map>

#include "ocr/picture_file.h"

namespace ocr {

// The pictures of `pages` of the book at `bookPath`, by page number,
// rendered with one ddjvu call in `workFolder` (the files are removed once
// read). Throws InputError when ddjvu fails or writes no picture.
std::map<int, Picture> RenderPages(const QString& bookPath, const QList<int>& pages, const QString& workFolder);

}  // namespace ocr

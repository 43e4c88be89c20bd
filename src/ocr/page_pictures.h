#pragma once
// Whole pages rendered by ddjvu at their own resolution, so a zone's box in
// page units is the same box in the picture.
#include <QList>
#include <QString>
#include <functional>

#include "ocr/picture_file.h"

namespace ocr {

// Renders `pages` of the book at `bookPath` one after another in
// `workFolder` and hands each picture to `take` with its page number; only
// one page's picture is held at a time (a 600 dpi page is 30 MB), and its
// file is removed once read. Throws InputError when ddjvu fails or writes
// no picture.
void RenderPages(const QString& bookPath, const QList<int>& pages, const QString& workFolder,
                 const std::function<void(int page, const Picture& picture)>& take);

}  // namespace ocr

#pragma once
// Parts of pages rendered by ddjvu at the page's own resolution, so a zone's
// box in page units, less the part's corner, is the same box in the picture.
#include <QList>
#include <QString>
#include <functional>

#include "core/page_rect.h"
#include "ocr/picture_file.h"

namespace ocr {

struct PagePart {
  int page = 0;
  PageRect area;  // page units, origin at the bottom left; beyond the page it is white
};

// Renders the parts of the book at `bookPath` one after another in
// `workFolder` and hands each picture to `take`; only one picture is held at
// a time, and its file is removed once read. Throws InputError when ddjvu
// fails or writes no picture, or a part is larger than a 600 dpi A3 page (a
// crafted page's boxes).
void RenderPageParts(const QString& bookPath, const QList<PagePart>& parts, const QString& workFolder,
                     const std::function<void(const PagePart& part, const Picture& picture)>& take);

}  // namespace ocr

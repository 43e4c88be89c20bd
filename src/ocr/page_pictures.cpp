#include "ocr/page_pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "core/errors.h"
#include "djvused/djvused_runner.h"
#include "ocr/program_run.h"

namespace ocr {

namespace {

// The most pixels a part may have: a 600 dpi A3 page has 70 million.
constexpr qint64 kLargestPart = 80'000'000;

}  // namespace

void RenderPageParts(const QString& bookPath, const QList<PagePart>& parts, const QString& workFolder,
                     const std::function<void(const PagePart& part, const Picture& picture)>& take) {
  const QString ddjvu = DdjvuProgram();
  for (const PagePart& part : parts) {
    const QString where = QCoreApplication::translate("Ocr", "страница %1").arg(part.page);
    const QString what = QCoreApplication::translate("Ocr", "ddjvu не смог отрисовать страницу: %1").arg(where);
    const PageRect& area = part.area;
    if (area.left < 0 || area.bottom < 0 || area.Width() <= 0 || area.Height() <= 0 ||
        area.Width() > kLargestPart / qMax<qint64>(1, area.Height())) {
      throw InputError(what);
    }
    const QString path = QDir(workFolder).filePath(QStringLiteral("page-part-%1.pgm").arg(part.page));
    std::optional<Picture> picture;
    try {
      RunToEnd(ddjvu,
               {QStringLiteral("-format=pgm"), QStringLiteral("-page=%1").arg(part.page),
                QStringLiteral("-segment=%1x%2+%3+%4").arg(area.Width()).arg(area.Height()).arg(area.left).arg(area.bottom),
                DjvusedRunner::ShortPathOf(bookPath), path},
               what);
      picture = ReadPicture(path);
    } catch (...) {
      QFile::remove(path);
      throw;
    }
    QFile::remove(path);
    if (!picture) throw InputError(what);
    take(part, *picture);
  }
}

}  // namespace ocr

#include "ocr/page_pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "core/errors.h"
#include "djvused/djvused_runner.h"
#include "ocr/program_run.h"

namespace ocr {

void RenderPages(const QString& bookPath, const QList<int>& pages, const QString& workFolder,
                 const std::function<void(int page, const Picture& picture)>& take) {
  const QString ddjvu = DdjvuProgram();
  for (const int page : pages) {
    const QString where = QCoreApplication::translate("Ocr", "страница %1").arg(page);
    const QString what = QCoreApplication::translate("Ocr", "ddjvu не смог отрисовать страницу: %1").arg(where);
    const QString path = QDir(workFolder).filePath(QStringLiteral("page-picture-%1.pgm").arg(page));
    std::optional<Picture> picture;
    try {
      RunToEnd(ddjvu,
               {QStringLiteral("-format=pgm"), QStringLiteral("-page=%1").arg(page),
                DjvusedRunner::ShortPathOf(bookPath), path},
               what);
      picture = ReadPicture(path);
    } catch (...) {
      QFile::remove(path);
      throw;
    }
    QFile::remove(path);
    if (!picture) throw InputError(what);
    take(page, *picture);
  }
}

}  // namespace ocr

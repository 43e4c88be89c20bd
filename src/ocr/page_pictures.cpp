#include "ocr/page_pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "core/errors.h"
#include "djvused/djvused_runner.h"
#include "ocr/program_run.h"

namespace ocr {

std::map<int, Picture> RenderPages(const QString& bookPath, const QList<int>& pages, const QString& workFolder) {
  std::map<int, Picture> pictures;
  if (pages.isEmpty()) return pictures;
  QStringList numbers;
  for (const int page : pages) numbers << QString::number(page);
  const QString where = QCoreApplication::translate("Ocr", "страницы %1").arg(numbers.join(QStringLiteral(", ")));
  const QString pattern = QDir(workFolder).filePath(QStringLiteral("page-picture-%d.pgm"));
  const auto pathOf = [&pattern](int page) { return QString(pattern).replace(QStringLiteral("%d"), QString::number(page)); };
  const auto removeAll = [&] {
    for (const int page : pages) QFile::remove(pathOf(page));
  };
  try {
    // "-eachpage" writes page N's picture to the pattern with N for "%d".
    RunToEnd(DdjvuProgram(),
             {QStringLiteral("-format=pgm"), QStringLiteral("-eachpage"),
              QStringLiteral("-page=%1").arg(numbers.join(u',')), DjvusedRunner::ShortPathOf(bookPath), pattern},
             QCoreApplication::translate("Ocr", "ddjvu не смог отрисовать страницу: %1").arg(where));
    for (const int page : pages) {
      std::optional<Picture> picture = ReadPicture(pathOf(page));
      if (!picture) {
        throw InputError(
            QCoreApplication::translate("Ocr", "ddjvu не смог отрисовать страницу: %1")
                .arg(QCoreApplication::translate("Ocr", "страница %1").arg(page)));
      }
      pictures.emplace(page, std::move(*picture));
    }
  } catch (...) {
    removeAll();
    throw;
  }
  removeAll();
  return pictures;
}

}  // namespace ocr

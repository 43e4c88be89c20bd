#include "folios/book_folios.h"

#include <QFile>

#include "core/errors.h"
#include "djvused/djvused_runner.h"
#include "djvused/text_layer.h"

FolioMap FolioMapOfDump(QByteArrayView dump, int pageCount) {
  QList<PageFolios> pages;
  for (const DumpPage& page : SplitTextDump(dump)) {
    if (page.number < 1 || page.zones.isEmpty()) continue;
    pages.append(PageFolios{page.number, ReadFolioCandidates(page.zones)});
  }
  return FolioMap::Build(pages, pageCount);
}

FolioMap ReadBookFolios(DjvusedRunner& runner, const QString& path) {
  const int pageCount = runner.PageCount(path);
  runner.RunDump(path, DumpUse::HiddenText);
  const QString dumpPath = runner.TempPath(DjvusedRunner::kDumpFile);
  QFile file(dumpPath);
  if (!file.open(QIODevice::ReadOnly)) {
    throw IoError(QStringLiteral("Не удалось прочитать %1: %2").arg(dumpPath, file.errorString()));
  }
  const QByteArray dump = file.readAll();
  if (file.error() != QFile::NoError) {
    throw IoError(QStringLiteral("Не удалось прочитать %1: %2").arg(dumpPath, file.errorString()));
  }
  file.close();
  runner.DropTempFile(DjvusedRunner::kDumpFile);
  return FolioMapOfDump(dump, pageCount);
}

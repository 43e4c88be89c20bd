#include "folios/book_folios.h"

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
  QByteArray dump;
  const int pageCount = runner.PageCountAndText(path, &dump);
  return FolioMapOfDump(dump, pageCount);
}

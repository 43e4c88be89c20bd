#include "create/book_page_numbers.h"

#include <QFileInfo>

#include "core/errors.h"
#include "create/range_read.h"
#include "djvused/book_session.h"
#include "djvused/djvused_runner.h"
#include "folios/sampled_map.h"

FolioMap ReadBookPageNumbers(DjvusedRunner& runner, const QString& shortPath, int pageCount) {
  const PageTextReader read = [&](const QList<int>& pages) {
    QList<DumpPage> texts;
    const QByteArray output = runner.CommandsOutput(shortPath, PagesCommands(pages));
    for (const PageData& page : ReadPagesOutput(output, pages)) {
      if (!page.text.isEmpty()) texts.append(DumpPage{page.number, page.text});
    }
    return texts;
  };
  return SampleFolioMap(pageCount, read).map;
}

FoundOffset FindBookOffset(DjvusedRunner& runner, const QString& longPath, int afterPage) {
  BookSession::RequireDocumentFile(longPath);
  if (!QFileInfo(longPath).isFile()) throw InputError(QStringLiteral("Файл не найден: %1").arg(longPath));
  const QString path = DjvusedRunner::ShortPathOf(longPath);
  const FolioMap map = ReadBookPageNumbers(runner, path, runner.PageCount(path));
  FoundOffset found;
  // The first numbered stretch after the range is where its first entries lead.
  for (const FolioRun& run : map.Runs()) {
    if (!run.roman && run.firstPage > afterPage) {
      found.offset = run.offset;
      break;
    }
  }
  if (!found.offset) found.offset = map.MainOffset();  // an index at the end: the book's main offset
  found.changes = map.ArabicOffsets().size() > 1;
  found.map = map.Describe();
  return found;
}

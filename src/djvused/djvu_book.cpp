#include "djvused/djvu_book.h"

#include "core/errors.h"
#include "djvused/script_dialect.h"

namespace djvubook {

QList<ComponentLine> Components(DjvusedRunner& runner, const QString& path) {
  return ReadComponentList(runner.ComponentListText(path));
}

int PagesWithHiddenText(DjvusedRunner& runner, const QString& path) {
  // output-txt prints a "set-txt" line for every page with a text layer.
  int pages = 0;
  for (const QByteArrayView line : dialect::SplitLines(runner.CommandsOutput(path, "output-txt"))) {
    if (line == "set-txt") ++pages;
  }
  return pages;
}

QByteArray PrintedOutline(DjvusedRunner& runner, const QString& path) {
  return runner.CommandsOutput(path, "print-outline");
}

bool SelectsEvery(DjvusedRunner& runner, const QString& path, const QList<QByteArray>& ids) {
  constexpr qsizetype kCallBytes = 60000;  // a command line stays far below the system's limit
  QByteArray selects;
  for (qsizetype i = 0; i < ids.size(); ++i) {
    selects += "select " + dialect::Quote(ids[i]) + "; ";
    if (i + 1 < ids.size() && selects.size() < kCallBytes) continue;
    try {
      runner.CommandsOutput(path, selects);
    } catch (const DjvusedError&) {
      return false;
    }
    selects.clear();
  }
  return true;
}

QList<PageData> Pages(DjvusedRunner& runner, const QString& path, const QList<int>& numbers) {
  return ReadPagesOutput(runner.CommandsOutput(path, PagesCommands(numbers)), numbers);
}

}  // namespace djvubook

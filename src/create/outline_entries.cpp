#include "create/outline_entries.h"

#include <QCoreApplication>
#include <QPair>
#include <algorithm>
#include <optional>

#include "page/printed_lines.h"
#include "djvused/djvused_runner.h"
#include "outline/entry_title.h"
#include "outline/outline_levels.h"
#include "outline/outline_script.h"
#include "outline/outline_title.h"
#include "djvused/djvu_book.h"

QList<ContentsEntry> OutlineEntries(const QList<LinkedEntry>& linked, const QList<const PageData*>& textPages) {
  QList<ContentsEntry> entries;
  int parsedOrdinal = 0;
  QList<PrintedLine> lines;
  for (const LinkedEntry& e : linked) {
    if (e.ordinal < 1 || e.ordinal > textPages.size()) continue;
    ContentsEntry entry = e.entry;
    entry.page = textPages[e.ordinal - 1]->number;
    if (!entry.title.isNull()) {
      entry.title = OutlineTitle({entry.title});
    } else {
      if (parsedOrdinal != e.ordinal) {
        lines = PrintedLines(ParseTextLayer(textPages[e.ordinal - 1]->text));
        parsedOrdinal = e.ordinal;
      }
      entry.left = e.line.left;
      entry.lineHeight = e.line.top - e.line.bottom;
      if (const std::optional<EntryTitle> title = EntryTitleOf(lines, e.line)) {
        entry.title = OutlineTitle(title->words);
        entry.left = title->first->box.left;
        entry.lineHeight = title->first->box.Height();
        entry.column = title->first->column;
      }
    }
    if (entry.title.isEmpty()) entry.title = QStringLiteral("Стр. %1").arg(entry.target);
    entries << entry;
  }
  return entries;
}

OutlinePlan PlanOutline(DjvusedRunner& runner, const QString& path, const QList<LinkedEntry>& linked,
                        const QList<const PageData*>& textPages, const OutlineChoice& choice,
                        const PageTargets& targets) {
  OutlinePlan plan;
  QList<ContentsEntry> entries = OutlineEntries(linked, textPages);
  if (entries.isEmpty()) {
    plan.notes << QCoreApplication::translate("OutlineEntries",
                                              "Закладки не созданы: ни одна строка содержания не получила ссылку");
    return plan;
  }
  const int old = BookmarkCount(djvubook::PrintedOutline(runner, path));
  if (old > 0 && choice.existing == ExistingOutline::Keep) {
    plan.notes << (choice.dryRun ? QCoreApplication::translate("OutlineEntries",
                                                               "Оглавление книги (%1 закладок) будет сохранено, "
                                                               "закладки не будут созданы")
                                 : QCoreApplication::translate("OutlineEntries",
                                                               "Оглавление книги (%1 закладок) сохранено, "
                                                               "закладки не созданы"))
                      .arg(old);
    return plan;
  }
  AssignLevels(entries);
  plan.data = OutlineData(entries, targets);
  plan.entries = entries;
  plan.notes << QCoreApplication::translate("OutlineEntries", "Создано закладок: %1").arg(entries.size());
  if (old > 0) {
    plan.notes << (choice.dryRun ? QCoreApplication::translate("OutlineEntries", "Оглавление (%1 закладок) будет заменено")
                                 : QCoreApplication::translate("OutlineEntries", "Оглавление (%1 закладок) заменено"))
                      .arg(old);
  }
  return plan;
}

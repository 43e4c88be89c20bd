#include "create/outline_entries.h"

#include <QCoreApplication>
#include <QPair>
#include <algorithm>
#include <optional>

#include "page/printed_lines.h"
#include "djvused/djvused_runner.h"
#include "outline/outline_levels.h"
#include "outline/outline_script.h"
#include "outline/outline_title.h"
#include "djvused/djvu_book.h"

namespace {

constexpr int kMaxLeadingLines = 2;

// The printed line that holds the middle of the line zone's last word, and
// that word's place in it.
std::optional<QPair<qsizetype, qsizetype>> LineOf(const QList<PrintedLine>& lines, const PageRect& zone) {
  std::optional<QPair<qsizetype, qsizetype>> found;
  for (qsizetype li = 0; li < lines.size(); ++li) {
    for (qsizetype wi = 0; wi < lines[li].words.size(); ++wi) {
      const PageRect& w = lines[li].words[wi].box;
      const int x = (w.left + w.right) / 2, y = (w.bottom + w.top) / 2;
      if (x < zone.left || x > zone.right || y < zone.bottom || y > zone.top) continue;
      if (!found || found->first != li || wi > found->second) found = qMakePair(li, wi);
    }
  }
  return found;
}

bool EndsInNumber(const PrintedLine& line) {
  return !line.words.isEmpty() && WithoutPageNumber(line.words.last().text) != line.words.last().text;
}

// A line that leads into the line below it in its column: close above it
// and overlapping it from left to right.
bool LeadsInto(const PrintedLine& upper, const PrintedLine& lower) {
  if (upper.column != lower.column || EndsInNumber(upper)) return false;
  const int gap = upper.box.bottom - lower.box.top;
  if (gap < 0 || gap > std::max(upper.box.Height(), lower.box.Height()) * 6 / 10) return false;
  return upper.box.right > lower.box.left && lower.box.right > upper.box.left;
}

struct EntryTitle {
  QStringList words;
  const PrintedLine* first = nullptr;  // the title's first line
};

// The title of the entry whose number ends the line zone `zone`: the words
// of the printed lines that lead into its line, then its line's words up to
// the number, without the number.
std::optional<EntryTitle> TitleOf(const QList<PrintedLine>& lines, const PageRect& zone) {
  const auto at = LineOf(lines, zone);
  if (!at) return std::nullopt;
  EntryTitle title;
  qsizetype first = at->first;
  while (at->first - first < kMaxLeadingLines && first > 0) {
    // The lines of a column follow each other in reading order.
    const qsizetype above = first - 1;
    if (!LeadsInto(lines[above], lines[first])) break;
    first = above;
  }
  for (qsizetype i = first; i < at->first; ++i) {
    for (const PrintedWord& w : lines[i].words) title.words << w.text;
  }
  const PrintedLine& own = lines[at->first];
  for (qsizetype wi = 0; wi < at->second; ++wi) title.words << own.words[wi].text;
  title.words << WithoutPageNumber(own.words[at->second].text);
  title.first = &lines[first];
  return title;
}

}  // namespace

QStringList EntryTitleWords(const TextZone& page, const PageRect& line) {
  const auto title = TitleOf(PrintedLines(page), line);
  return title ? title->words : QStringList();
}

QList<OutlineEntry> OutlineEntries(const QList<LinkedEntry>& linked, const QList<const PageData*>& textPages) {
  QList<OutlineEntry> entries;
  int parsedOrdinal = 0;
  QList<PrintedLine> lines;
  for (const LinkedEntry& e : linked) {
    if (e.ordinal < 1 || e.ordinal > textPages.size()) continue;
    OutlineEntry entry;
    entry.target = int(e.target);
    entry.page = textPages[e.ordinal - 1]->number;
    if (!e.title.isNull()) {
      entry.title = OutlineTitle({e.title});
      entry.left = e.left;
      entry.lineHeight = e.lineHeight;
      entry.column = e.column;
    } else {
      if (parsedOrdinal != e.ordinal) {
        lines = PrintedLines(ParseTextLayer(textPages[e.ordinal - 1]->text));
        parsedOrdinal = e.ordinal;
      }
      entry.left = e.line.left;
      entry.lineHeight = e.line.top - e.line.bottom;
      if (const auto title = TitleOf(lines, e.line)) {
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
                        const QList<const PageData*>& textPages, bool dryRun, const PageTargets& targets) {
  OutlinePlan plan;
  QList<OutlineEntry> entries = OutlineEntries(linked, textPages);
  if (entries.isEmpty()) {
    plan.notes << QCoreApplication::translate("OutlineEntries",
                                              "Закладки не созданы: ни одна строка содержания не получила ссылку");
    return plan;
  }
  AssignLevels(entries);
  plan.data = OutlineData(entries, targets);
  plan.entries = entries;
  plan.notes << QCoreApplication::translate("OutlineEntries", "Создано закладок: %1").arg(entries.size());
  if (!dryRun) {
    const int old = BookmarkCount(djvubook::PrintedOutline(runner, path));
    if (old > 0) {
      plan.notes << QCoreApplication::translate("OutlineEntries", "Оглавление (%1 закладок) заменено").arg(old);
    }
  }
  return plan;
}

#include "create/range_read.h"

#include "core/errors.h"
#include "djvused/script_dialect.h"

QByteArray RangeCommands(int first, int last) {
  QByteArray commands;
  for (int page = first; page <= last; ++page) {
    if (!commands.isEmpty()) commands += "; ";
    commands += "select " + dialect::NumberText(page) + "; size; output-txt; output-ant";
  }
  return commands;
}

namespace {

[[noreturn]] void NotWhole(const char* why, int page) {
  throw DjvusedError(QStringLiteral("Вывод djvused для страницы %1 неполный или повреждён (%2)")
                         .arg(page)
                         .arg(QLatin1String(why)));
}

// "width=W height=H" with an optional " rotation=R".
bool ReadSize(QByteArrayView line, PageData* page) {
  if (!line.startsWith("width=")) return false;
  const QList<QByteArray> fields = line.toByteArray().split(' ');
  if (fields.size() < 2 || !fields[1].startsWith("height=")) return false;
  bool okW = false, okH = false;
  page->width = fields[0].mid(6).toInt(&okW);
  page->height = fields[1].mid(7).toInt(&okH);
  return okW && okH;
}

}  // namespace

QList<PageData> ReadRangeOutput(QByteArrayView output, int first, int last) {
  QList<PageData> pages;
  QByteArray* block = nullptr;  // the block being read, until its "." line
  for (const QByteArrayView line : dialect::SplitLines(output)) {
    if (block) {
      if (line == ".") {
        if (block->endsWith('\n')) block->chop(1);
        block = nullptr;
      } else {
        *block += line.toByteArray() + '\n';
      }
      continue;
    }
    PageData page;
    if (ReadSize(line, &page)) {
      page.number = first + int(pages.size());
      if (page.number > last) NotWhole("лишняя страница", page.number);
      pages.append(page);
    } else if (pages.isEmpty()) {
      NotWhole("нет размера страницы", first);
    } else if (line == "set-txt" && pages.last().text.isEmpty()) {
      block = &pages.last().text;
    } else if (line == "set-ant" && pages.last().annotations.isEmpty()) {
      block = &pages.last().annotations;
    } else if (!line.trimmed().isEmpty()) {
      NotWhole("непонятная строка", pages.last().number);
    }
  }
  if (block) NotWhole("блок без конца", pages.last().number);
  if (pages.size() != last - first + 1) NotWhole("страницы не все", first + int(pages.size()));
  for (PageData& page : pages) {
    // The text block ends with the empty line djvused prints before ".".
    page.text = page.text.trimmed();
  }
  return pages;
}

QByteArray AsTextDump(const QList<PageData>& pages) {
  QByteArray dump = dialect::kRemoveAllText + '\n';
  for (const PageData& page : pages) {
    if (page.text.isEmpty()) continue;
    const QByteArray number = dialect::NumberText(page.number);
    dump += "# ------------------------- \nselect \"" + number + "\" # page " + number + "\nset-txt\n" + page.text +
            "\n\n.\n";
  }
  return dump;
}

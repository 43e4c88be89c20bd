#include "create/range_read.h"

#include <QCoreApplication>

#include "core/errors.h"
#include "djvused/script_dialect.h"

namespace {

QList<int> Range(int first, int last) {
  QList<int> pages;
  for (int page = first; page <= last; ++page) pages << page;
  return pages;
}

[[noreturn]] void NotWhole(const char* why, int page) {
  throw DjvusedError(
      QCoreApplication::translate("RangeRead", "Вывод djvused для страницы %1 неполный или повреждён (%2)")
          .arg(QString::number(page), QCoreApplication::translate("RangeRead", why)));
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

QByteArray PagesCommands(const QList<int>& pages) {
  QByteArray commands;
  for (int page : pages) {
    if (!commands.isEmpty()) commands += "; ";
    commands += "select " + dialect::NumberText(page) + "; size; output-txt; output-ant";
  }
  return commands;
}

QByteArray RangeCommands(int first, int last) { return PagesCommands(Range(first, last)); }

QList<PageData> ReadRangeOutput(QByteArrayView output, int first, int last) {
  return ReadPagesOutput(output, Range(first, last));
}

QList<PageData> ReadPagesOutput(QByteArrayView output, const QList<int>& numbers) {
  const int first = numbers.isEmpty() ? 0 : numbers.first();
  QList<PageData> pages;
  QByteArray* block = nullptr;  // the block being read, until its "." line
  // The annotations come last in a page's output, and djvused prints them as
  // stored, lines "." included: their block runs to the last "." before the
  // next page's size line. The lines after that "." wait here.
  QByteArray afterEnd;
  bool annotationBlock = false;
  const auto endAnnotations = [&] {
    if (!annotationBlock) return;
    if (!afterEnd.trimmed().isEmpty()) NotWhole(QT_TRANSLATE_NOOP("RangeRead", "непонятная строка"), pages.last().number);
    afterEnd.clear();
    annotationBlock = false;
  };
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
    if (annotationBlock && !ReadSize(line, &page)) {
      if (line == ".") {
        // The "." before was a line of the annotations themselves.
        QByteArray& text = pages.last().annotations;
        text += (text.isEmpty() ? QByteArray() : QByteArray("\n")) + ".\n" + afterEnd;
        text.chop(1);
        afterEnd.clear();
      } else {
        afterEnd += line.toByteArray() + '\n';
      }
      continue;
    }
    endAnnotations();
    if (ReadSize(line, &page)) {
      if (pages.size() >= numbers.size())
        NotWhole(QT_TRANSLATE_NOOP("RangeRead", "лишняя страница"), numbers.isEmpty() ? 0 : numbers.last());
      page.number = numbers.at(pages.size());
      pages.append(page);
    } else if (pages.isEmpty()) {
      NotWhole(QT_TRANSLATE_NOOP("RangeRead", "нет размера страницы"), first);
    } else if (line == "set-txt" && pages.last().text.isEmpty()) {
      block = &pages.last().text;
    } else if (line == "set-ant" && pages.last().annotations.isEmpty()) {
      block = &pages.last().annotations;
      annotationBlock = true;
    } else if (!line.trimmed().isEmpty()) {
      NotWhole(QT_TRANSLATE_NOOP("RangeRead", "непонятная строка"), pages.last().number);
    }
  }
  if (block) NotWhole(QT_TRANSLATE_NOOP("RangeRead", "блок без конца"), pages.last().number);
  endAnnotations();
  if (pages.size() != numbers.size())
    NotWhole(QT_TRANSLATE_NOOP("RangeRead", "страницы не все"), numbers.at(pages.size()));
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

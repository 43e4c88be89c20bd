#include "djvused/book_pages.h"

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

namespace {

// Reads the output of PagesCommands line by line into the pages.
class PagesOutputReader {
 public:
  explicit PagesOutputReader(const QList<int>& numbers) : numbers_(numbers) {}

  void Read(QByteArrayView line) {
    if (block_) {
      BlockLine(line);
      return;
    }
    PageData page;
    if (annotationBlock_ && !ReadSize(line, &page)) {
      AnnotationTail(line);
      return;
    }
    EndAnnotations();
    if (ReadSize(line, &page)) {
      if (pages_.size() >= numbers_.size())
        NotWhole(QT_TRANSLATE_NOOP("RangeRead", "лишняя страница"), numbers_.isEmpty() ? 0 : numbers_.last());
      page.number = numbers_.at(pages_.size());
      pages_.append(page);
    } else if (pages_.isEmpty()) {
      NotWhole(QT_TRANSLATE_NOOP("RangeRead", "нет размера страницы"), numbers_.isEmpty() ? 0 : numbers_.first());
    } else if (line == "set-txt" && pages_.last().text.isEmpty()) {
      block_ = &pages_.last().text;
    } else if (line == "set-ant" && pages_.last().annotations.isEmpty()) {
      block_ = &pages_.last().annotations;
      annotationBlock_ = true;
    } else if (!line.trimmed().isEmpty()) {
      NotWhole(QT_TRANSLATE_NOOP("RangeRead", "непонятная строка"), pages_.last().number);
    }
  }

  QList<PageData> Finish() {
    if (block_) NotWhole(QT_TRANSLATE_NOOP("RangeRead", "блок без конца"), pages_.last().number);
    EndAnnotations();
    if (pages_.size() != numbers_.size())
      NotWhole(QT_TRANSLATE_NOOP("RangeRead", "страницы не все"), numbers_.at(pages_.size()));
    for (PageData& page : pages_) {
      // The text block ends with the empty line djvused prints before ".".
      page.text = page.text.trimmed();
    }
    return pages_;
  }

 private:
  // A line of the block being read, until its "." line.
  void BlockLine(QByteArrayView line) {
    if (line == ".") {
      if (block_->endsWith('\n')) block_->chop(1);
      block_ = nullptr;
    } else {
      *block_ += line.toByteArray() + '\n';
    }
  }

  // The annotations come last in a page's output, and djvused prints them as
  // stored, lines "." included: their block runs to the last "." before the
  // next page's size line. The lines after that "." wait in afterEnd_.
  void AnnotationTail(QByteArrayView line) {
    if (line == ".") {
      // The "." before was a line of the annotations themselves.
      QByteArray& text = pages_.last().annotations;
      text += (text.isEmpty() ? QByteArray() : QByteArray("\n")) + ".\n" + afterEnd_;
      text.chop(1);
      afterEnd_.clear();
    } else {
      afterEnd_ += line.toByteArray() + '\n';
    }
  }

  void EndAnnotations() {
    if (!annotationBlock_) return;
    if (!afterEnd_.trimmed().isEmpty()) NotWhole(QT_TRANSLATE_NOOP("RangeRead", "непонятная строка"), pages_.last().number);
    afterEnd_.clear();
    annotationBlock_ = false;
  }

  const QList<int>& numbers_;
  QList<PageData> pages_;
  QByteArray* block_ = nullptr;  // the block being read, until its "." line
  QByteArray afterEnd_;
  bool annotationBlock_ = false;
};

}  // namespace

QList<PageData> ReadPagesOutput(QByteArrayView output, const QList<int>& numbers) {
  PagesOutputReader reader(numbers);
  for (const QByteArrayView line : dialect::SplitLines(output)) reader.Read(line);
  return reader.Finish();
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

#include "core/job_log.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "core/front_end.h"

namespace joblog {

QString NoFileSelected() { return QCoreApplication::translate("JobLog", "Ни один файл не выбран !"); }
QString Reading() { return QCoreApplication::translate("JobLog", "Получение данных из файла, создание скрипта"); }
QString Applying() { return QCoreApplication::translate("JobLog", "Исправление исходного DjVu файла"); }
QString Failed() { return QCoreApplication::translate("JobLog", "Операция не завершена по причине ошибки"); }

QString Finished(const QString& path) {
  return QCoreApplication::translate("JobLog", "Редактирование файла %1 завершено").arg(path);
}

QString Unchanged(const QString& path) {
  return QCoreApplication::translate("JobLog", "Файл %1 не изменён: записывать нечего").arg(path);
}

namespace {

QString Numbers(const QList<int>& numbers) {
  QStringList texts;
  for (const int n : numbers) texts << QString::number(n);
  return texts.join(QStringLiteral(", "));
}

}  // namespace

QString SkippedLongNumbers(int count, const QList<int>& pages) {
  return QCoreApplication::translate("JobLog", "Пропущено слов с числом длиннее 32 бит: %1 (стр. %2)")
      .arg(count)
      .arg(Numbers(pages));
}

QString TargetsOutside(int count, const QList<int>& printed) {
  return QCoreApplication::translate("JobLog", "Ссылок на страницы вне документа не создано: %1 (номера %2%3)")
      .arg(count)
      .arg(Numbers(printed))
      .arg(count > printed.size() ? QStringLiteral(", …") : QString());
}

QString ChangedNumbers(const QList<ChangedNumber>& changes) {
  return QCoreApplication::translate("JobLog", "Номера, изменённые в ответ на вопрос: %1 (%2)")
      .arg(changes.size())
      .arg(ChangeList(changes));
}

QString ChangeList(const QList<ChangedNumber>& changes) {
  constexpr int kShown = 5;
  QStringList shown;
  for (qsizetype i = 0; i < changes.size() && i < kShown; ++i) {
    shown << QCoreApplication::translate("JobLog", "стр. %1: %2 → %3")
                 .arg(changes[i].page)
                 .arg(changes[i].read)
                 .arg(changes[i].answer);
  }
  if (changes.size() > kShown) shown << QStringLiteral("…");
  return shown.join(QStringLiteral(", "));
}

QString PageRuns(QList<int> pages) {
  std::sort(pages.begin(), pages.end());
  QStringList runs;
  for (qsizetype i = 0; i < pages.size();) {
    qsizetype j = i;
    while (j + 1 < pages.size() && pages[j + 1] <= pages[j] + 1) ++j;
    runs << (pages[j] == pages[i] ? QString::number(pages[i])
                                  : QStringLiteral("%1–%2").arg(pages[i]).arg(pages[j]));
    i = j + 1;
  }
  return runs.join(QStringLiteral(", "));
}

QStringList SummaryLines(const RangeSummary& s) {
  QStringList lines;
  const int inDocument = std::max(0, std::min(s.lastPage, s.pageCount) - std::max(s.firstPage, 1) + 1);
  if (s.links > 0) {
    lines << QCoreApplication::translate("JobLog", "Создано ссылок: %1 (стр. %2)")
                 .arg(s.links)
                 .arg(PageRuns(s.linkedPages));
  } else {
    lines << QCoreApplication::translate("JobLog", "Внимание: ссылки не созданы");
  }
  if (s.documentWithoutText) {
    lines << QCoreApplication::translate("JobLog", "Внимание: в документе нет скрытого текста (OCR): сначала распознайте его");
  } else if (inDocument > 0 && s.pagesWithoutText.size() == inDocument) {
    lines << QCoreApplication::translate("JobLog", "Внимание: на страницах %1 нет скрытого текста (OCR)").arg(PageRuns(s.pagesWithoutText));
  } else if (!s.pagesWithoutText.isEmpty()) {
    lines
        << QCoreApplication::translate("JobLog", "Страницы без скрытого текста: %1").arg(PageRuns(s.pagesWithoutText));
  }
  if (!s.pagesWithoutLinks.isEmpty()) {
    lines << QCoreApplication::translate("JobLog", "Страницы без найденных записей: %1")
                 .arg(PageRuns(s.pagesWithoutLinks));
  }
  if (s.lastPage > s.pageCount) {
    lines << QCoreApplication::translate("JobLog", "Внимание: страницы %1–%2 за концом документа (в нём %3 стр.)")
                 .arg(std::max(s.firstPage, s.pageCount + 1))
                 .arg(s.lastPage)
                 .arg(s.pageCount);
  }
  return lines;
}

void LogFailure(FrontEnd& frontEnd, const QString& message) {
  frontEnd.LogShow();
  frontEnd.LogAddLine(Failed());
  for (const QString& line : message.split(QLatin1Char('\n'))) frontEnd.LogAddLine(line);
}

void LogNotProcessed(FrontEnd& frontEnd, const QStringList& files) {
  if (files.isEmpty()) return;
  frontEnd.LogShow();
  frontEnd.LogAddLine(QCoreApplication::translate("JobLog", "Не обработаны: %1").arg(files.join(QStringLiteral(", "))));
}

}  // namespace joblog

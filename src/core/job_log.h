#pragma once
// The log and message texts that both jobs write, and how a job logs a
// failure that stopped it.
#include <QList>
#include <QString>
#include <QStringList>

class FrontEnd;

namespace joblog {

// The texts are translated when asked for (the translator is installed after
// static data is made), in the language the program chose.
QString NoFileSelected();  // "Ни один файл не выбран !"
QString Reading();         // "Получение данных из файла, создание скрипта"
inline const QString kOk = QStringLiteral(" OK");
QString Applying();  // "Исправление исходного DjVu файла"
QString Failed();    // "Операция не завершена по причине ошибки"

// "Редактирование файла PATH завершено".
QString Finished(const QString& path);
// In place of the two lines above when nothing was written to the file.
QString Unchanged(const QString& path);

// Lines after a create run's file lines: digit strings too long for 32 bits
// that were skipped (how many, on which pages), and targets outside the
// document that got no link (how many, the first few printed numbers).
QString SkippedLongNumbers(int count, const QList<int>& pages);
QString TargetsOutside(int count, const QList<int>& printed);
// A number the user changed when asked about it, on document page `page`.
struct ChangedNumber {
  int page = 0;
  int read = 0;
  int answer = 0;
};
// "Номера, изменённые в ответ на вопрос: 2 (стр. 3: 50 → 15, …)"; the first
// few changes shown.
QString ChangedNumbers(const QList<ChangedNumber>& changes);
// The first few changes alone: "стр. 3: 50 → 15, стр. 4: 7 → 1, …".
QString ChangeList(const QList<ChangedNumber>& changes);

// Page numbers as runs, "3–5, 9".
QString PageRuns(QList<int> pages);

// The summary of a create run's file, after its lines: how many links were
// made on which pages, or a warning that none was made; the pages of the
// range without hidden text, those with text but no link, and the part of
// the range past the document's end.
struct RangeSummary {
  int firstPage = 0, lastPage = 0;  // the row's range
  int pageCount = 0;                // the document's pages
  QList<int> linkedPages;           // document pages that got links
  int links = 0;
  QList<int> pagesWithoutText;      // pages of the range in the document
  QList<int> pagesWithoutLinks;     // pages with hidden text but no link
  bool documentWithoutText = false; // no page of the whole document has hidden text
};
QStringList SummaryLines(const RangeSummary& summary);

// Shows the log and adds Failed(), then the error's text line by line.
void LogFailure(FrontEnd& frontEnd, const QString& message);

// After a run stopped at a row: "Не обработаны: b.djvu, c.djvu", naming the
// files of the rows after it; nothing when there are none.
void LogNotProcessed(FrontEnd& frontEnd, const QStringList& files);

}  // namespace joblog

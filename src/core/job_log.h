#pragma once
// The log and message texts that both jobs write, and how a job logs a
// failure that stopped it.
#include <QList>
#include <QString>

class FrontEnd;

namespace joblog {

inline const QString kNoFileSelected = QStringLiteral("Ни один файл не выбран !");
inline const QString kReading = QStringLiteral("Получение данных из файла, создание скрипта");
inline const QString kOk = QStringLiteral(" OK");
inline const QString kApplying = QStringLiteral("Исправление исходного DjVu файла");
inline const QString kFailed = QStringLiteral("Операция не завершена по причине ошибки");

// "Редактирование файла PATH завершено".
QString Finished(const QString& path);

// Lines after a create run's file lines: digit strings too long for 32 bits
// that were skipped (how many, on which pages), and targets outside the
// document that got no link (how many, the first few printed numbers).
QString SkippedLongNumbers(int count, const QList<int>& pages);
QString TargetsOutside(int count, const QList<int>& printed);

// Shows the log and adds kFailed, then the error's text line by line.
void LogFailure(FrontEnd& frontEnd, const QString& message);

}  // namespace joblog

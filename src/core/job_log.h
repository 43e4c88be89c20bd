#pragma once
// The log and message texts that both jobs write, and how a job logs a
// failure that stopped it.
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

// Shows the log and adds kFailed, then the error's text line by line.
void LogFailure(FrontEnd& frontEnd, const QString& message);

}  // namespace joblog

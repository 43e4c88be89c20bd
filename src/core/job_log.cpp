#include "core/job_log.h"

#include <QStringList>

#include "core/front_end.h"

namespace joblog {

QString Finished(const QString& path) { return QStringLiteral("Редактирование файла %1 завершено").arg(path); }

void LogFailure(FrontEnd& frontEnd, const QString& message) {
  frontEnd.LogShow();
  frontEnd.LogAddLine(kFailed);
  for (const QString& line : message.split(QLatin1Char('\n'))) frontEnd.LogAddLine(line);
}

}  // namespace joblog

#include "core/job_log.h"

#include <QStringList>

#include "core/front_end.h"

namespace joblog {

QString Finished(const QString& path) { return QStringLiteral("Редактирование файла %1 завершено").arg(path); }

namespace {

QString Numbers(const QList<int>& numbers) {
  QStringList texts;
  for (const int n : numbers) texts << QString::number(n);
  return texts.join(QStringLiteral(", "));
}

}  // namespace

QString SkippedLongNumbers(int count, const QList<int>& pages) {
  return QStringLiteral("Пропущено слов с числом длиннее 32 бит: %1 (стр. %2)").arg(count).arg(Numbers(pages));
}

QString TargetsOutside(int count, const QList<int>& printed) {
  return QStringLiteral("Ссылок на страницы вне документа не создано: %1 (номера %2%3)")
      .arg(count)
      .arg(Numbers(printed))
      .arg(count > printed.size() ? QStringLiteral(", …") : QString());
}

void LogFailure(FrontEnd& frontEnd, const QString& message) {
  frontEnd.LogShow();
  frontEnd.LogAddLine(kFailed);
  for (const QString& line : message.split(QLatin1Char('\n'))) frontEnd.LogAddLine(line);
}

}  // namespace joblog

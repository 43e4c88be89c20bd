#include "djvused/djvused_message.h"

#include <QRegularExpression>
#include <QStringList>

QString DjvusedMessage(const QString& errorOutput) {
  static const QRegularExpression marker(QStringLiteral(R"(^(\*+\s*)+)"));
  static const QRegularExpression code(QStringLiteral(R"(^\[\d+-\d+\]\s*)"));
  static const QRegularExpression place(QStringLiteral(R"(^\(\w+\.\w+:\d+\)$)"));
  for (QString line : errorOutput.split(QLatin1Char('\n'))) {
    line = line.trimmed().remove(marker).remove(code).trimmed();
    if (line.isEmpty() || line.contains(place) || line.startsWith(QLatin1Char('\''))) continue;
    return line;
  }
  return errorOutput.trimmed();
}

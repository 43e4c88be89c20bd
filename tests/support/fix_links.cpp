#include "support/fix_links.h"

#include <QDir>
#include <QRegularExpression>

namespace fixtest {

QByteArray Link(const Area& a) {
  return QStringLiteral("(maparea \"#2\" \"\" (%1 %2 %3 %4 %5 ) (xor ) )")
      .arg(QString::fromLatin1(a.shape))
      .arg(a.x)
      .arg(a.y)
      .arg(a.w)
      .arg(a.h)
      .toLatin1();
}

QByteArray Links(const QList<Area>& areas) {
  QByteArrayList lines;
  for (const Area& a : areas) lines << Link(a);
  return lines.join('\n');
}

QList<Area> AreasOf(const QByteArray& dump) {
  static const QRegularExpression area(QStringLiteral("\\((rect|oval)\\s+(-?\\d+)\\s+(-?\\d+)\\s+(-?\\d+)\\s+(-?\\d+)"));
  QList<Area> areas;
  auto it = area.globalMatch(QString::fromLatin1(dump));
  while (it.hasNext()) {
    const auto m = it.next();
    areas << Area{m.captured(1).toLatin1(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(),
                  m.captured(5).toInt()};
  }
  return areas;
}

QString Columns(const QList<Area>& areas) {
  QStringList parts;
  for (const Area& a : areas) parts << QStringLiteral("%1:%2").arg(a.x).arg(a.w);
  return parts.join(QLatin1Char(' '));
}

Workbench::Workbench() { QDir().mkpath(runner.WorkFolder()); }

void Workbench::Add(const QString& path) { frontEnd.AddFixRow(FixJob::FromPath(path)); }

}  // namespace fixtest

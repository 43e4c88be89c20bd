#include "support/link_areas.h"

#include <QRegularExpression>

#include "support/djvu_documents.h"

namespace testdocs {

QMap<QString, QStringList> LinksByPage(const QString& document) {
  static const QRegularExpression select(QStringLiteral("^select \"([^\"]+)\""));
  static const QRegularExpression area(
      QStringLiteral("\\(maparea \"#(-?\\d+)\" \"[^\"]*\" \\((?:rect|oval) (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+)"));
  QMap<QString, QStringList> links;
  QString page;
  for (const QString& line : QString::fromUtf8(OutputAnt(document)).split(QLatin1Char('\n'))) {
    const auto s = select.match(line);
    if (s.hasMatch()) {
      page = s.captured(1);
      continue;
    }
    auto it = area.globalMatch(line);
    while (it.hasNext()) {
      const auto m = it.next();
      links[page] << QStringLiteral("#%1 %2 %3 %4 %5").arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4),
                                                           m.captured(5));
    }
  }
  return links;
}

QStringList LinkTargets(const QString& document, const QString& pageId) {
  QStringList targets;
  for (const QString& link : LinksByPage(document).value(pageId)) targets << link.section(QLatin1Char(' '), 0, 0);
  return targets;
}

}  // namespace testdocs

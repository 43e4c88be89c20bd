#include "parts/parts_listing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

QByteArray SurveyAsLines(const QString& file, const BookSurvey& survey) {
  QStringList lines;
  const auto add = [&](const QStringList& fields) { lines << (QStringList{file} + fields).join(QLatin1Char('\t')); };
  for (const BookPart& part : survey.parts) {
    add({PartKindName(part.kind), QString::number(part.firstPage), QString::number(part.lastPage),
         part.main ? QStringLiteral("main") : QStringLiteral("-"), QString::number(part.entries)});
  }
  const std::optional<int> offset = survey.folios.MainOffset();
  add({QStringLiteral("offset"), offset ? OffsetText(*offset) : QStringLiteral("-")});
  for (const QString& line : survey.folios.Describe()) add({QStringLiteral("folios"), line});
  return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QByteArray SurveyAsJson(const QString& file, const BookSurvey& survey) {
  QJsonArray parts;
  for (const BookPart& part : survey.parts) {
    parts.append(QJsonObject{{"kind", PartKindName(part.kind)},
                             {"first", part.firstPage},
                             {"last", part.lastPage},
                             {"main", part.main},
                             {"entries", part.entries}});
  }
  QJsonArray folios;
  for (const FolioRun& run : survey.folios.Runs()) {
    folios.append(QJsonObject{{"first", run.firstPage},
                              {"last", run.lastPage},
                              {"printed_first", run.FirstPrinted()},
                              {"printed_last", run.LastPrinted()},
                              {"offset", run.offset},
                              {"roman", run.roman}});
  }
  const std::optional<int> offset = survey.folios.MainOffset();
  const QJsonObject object{{"file", file},
                           {"pages", survey.folios.PageCount()},
                           {"parts", parts},
                           {"offset", offset ? QJsonValue(*offset) : QJsonValue()},
                           {"folios", folios}};
  return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

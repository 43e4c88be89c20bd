// quillmark-cli pages: the parts found in each FILE (contents lists, index)
// and its folio map, as tab-separated lines or JSON (see parts_listing.h).
#include "cli/book_reading.h"
#include "cli/command_options.h"
#include "cli/commands.h"
#include "parts/book_survey.h"
#include "parts/parts_listing.h"

int RunPagesCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption(QCommandLineOption(QStringLiteral("json")));
  const QString error = ParseCommandOptions(parser, arguments, [](const QString& option) {
    return QStringLiteral("unknown option '%1' for pages").arg(option);
  });
  if (!error.isEmpty()) return UsageError(error);
  const bool json = parser.isSet(QStringLiteral("json"));
  return ReportEachBook(QStringLiteral("pages"), parser.positionalArguments(),
                        [json](DjvusedRunner& runner, const QString& path, const QString& file) {
                          const BookSurvey survey = SurveyBook(runner, path);
                          return json ? SurveyAsJson(file, survey) : SurveyAsLines(file, survey);
                        });
}

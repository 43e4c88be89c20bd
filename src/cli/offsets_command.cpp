// quillmark-cli offsets: the folio map of each FILE on standard output, the
// file as named, then one indented line per run of pages.
#include "cli/book_reading.h"
#include "cli/command_options.h"
#include "cli/commands.h"
#include "folios/book_folios.h"

int RunOffsetsCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const QString error = ParseCommandOptions(parser, arguments, [](const QString& option) {
    return QStringLiteral("unknown option '%1' for offsets").arg(option);
  });
  if (!error.isEmpty()) return UsageError(error);
  return ReportEachBook(QStringLiteral("offsets"), parser.positionalArguments(),
                        [](DjvusedRunner& runner, const QString& path, const QString& file) {
                          QString text = file + QLatin1Char('\n');
                          for (const QString& line : ReadBookFolios(runner, path).Describe()) {
                            text += QStringLiteral("  ") + line + QLatin1Char('\n');
                          }
                          return text.toUtf8();
                        });
}

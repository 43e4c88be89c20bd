#include "cli/command_options.h"

QString ParseCommandOptions(QCommandLineParser& parser, const QStringList& arguments,
                            const std::function<QString(const QString& option)>& unknown) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // The first argument is taken for the program's name.
  if (parser.parse(QStringList{QStringLiteral("quillmark-cli")} + arguments)) return {};
  const QStringList names = parser.unknownOptionNames();
  if (!names.isEmpty()) {
    const QString& name = names.first();
    return unknown((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
  }
  return parser.errorText();
}

// quillmark-cli offsets: the folio map of each FILE on standard output, the
// file as named, then one indented line per run of pages.
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/cli_front_end.h"
#include "cli/command_options.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "folios/book_folios.h"

int RunOffsetsCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const QString error = ParseCommandOptions(parser, arguments, [](const QString& option) {
    return QStringLiteral("unknown option '%1' for offsets").arg(option);
  });
  if (!error.isEmpty()) return UsageError(error);
  const QStringList files = parser.positionalArguments();
  if (files.isEmpty()) return UsageError(QStringLiteral("offsets needs at least one FILE"));

  CliFrontEnd frontEnd;
  CliWorkspace workspace;
  if (!workspace.Usable(frontEnd)) return 1;
  if (!workspace.Runner().DjvusedPresent()) {
    frontEnd.ShowMessage(DjvusedRunner::MissingMessage());
    return 1;
  }
  int status = 0;
  for (const QString& file : files) {
    try {
      const QString path = DjvusedRunner::ShortPathOf(AbsoluteFilePath(file));
      if (path.isEmpty()) throw InputError(QCoreApplication::translate("OffsetsCommand", "Файл не найден"));
      const FolioMap map = ReadBookFolios(workspace.Runner(), path);
      QString text = file + QLatin1Char('\n');
      for (const QString& line : map.Describe()) text += QStringLiteral("  ") + line + QLatin1Char('\n');
      const QByteArray bytes = text.toUtf8();
      // What standard output could not take (a full disk, a closed pipe) fails the command.
      if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
          std::fflush(stdout) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        std::clearerr(stdout);
        throw IoError(QCoreApplication::translate("OffsetsCommand", "Не удалось вывести результат: %1").arg(reason));
      }
    } catch (const QuillmarkError& e) {
      frontEnd.ShowError(QStringLiteral("%1: %2").arg(file, e.Message()));
      status = 1;
    }
  }
  return status;
}

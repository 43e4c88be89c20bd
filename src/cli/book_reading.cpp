#include "cli/book_reading.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/cli_front_end.h"
#include "cli/commands.h"
#include "core/errors.h"

int ReportEachBook(const QString& command, const QStringList& files, const BookReport& report) {
  if (files.isEmpty()) return UsageError(QStringLiteral("%1 needs at least one FILE").arg(command));
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
      if (path.isEmpty()) throw InputError(QCoreApplication::translate("BookReading", "Файл не найден"));
      const QByteArray bytes = report(workspace.Runner(), path, file);
      // What standard output could not take (a full disk, a closed pipe) fails the command.
      if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
          std::fflush(stdout) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        std::clearerr(stdout);
        throw IoError(QCoreApplication::translate("BookReading", "Не удалось вывести результат: %1").arg(reason));
      }
    } catch (const QuillmarkError& e) {
      frontEnd.ShowError(QStringLiteral("%1: %2").arg(file, e.Message()));
      status = 1;
    }
  }
  return status;
}

// quillmark-cli fix: runs the fix job over the files given, in their order.
#include <cstdio>

#include "align/fix_run.h"
#include "cli/cli_front_end.h"
#include "cli/commands.h"

int RunFixCommand(const QStringList& arguments) {
  bool backup = false;
  QStringList files;
  bool optionsEnded = false;
  for (const QString& argument : arguments) {
    if (!optionsEnded && argument == QLatin1String("--")) {
      optionsEnded = true;
    } else if (!optionsEnded && argument == QLatin1String("--backup")) {
      backup = true;
    } else if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
      return UsageError(QStringLiteral("unknown option '%1' for fix").arg(argument));
    } else {
      files << argument;
    }
  }
  if (files.isEmpty()) return UsageError(QStringLiteral("fix needs at least one FILE"));

  CliWorkspace workspace;
  if (!workspace.Valid()) {
    std::fputs("quillmark-cli: cannot create a temporary work folder\n", stderr);
    return 1;
  }
  CliFrontEnd frontEnd;
  frontEnd.SetChecked(Option::FixBackup, backup);
  for (const QString& file : files) frontEnd.AddFixRow(FixJob::FromPath(AbsoluteFilePath(file)));
  FixRun job(frontEnd, workspace.Runner());
  const bool finished = job.Run();
  return finished ? 0 : 1;
}

// quillmark-cli fix: runs the fix job over the files given, in their order.
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

  CliFrontEnd frontEnd;
  CliWorkspace workspace;
  if (!workspace.Usable(frontEnd)) return 1;
  frontEnd.SetChecked(Option::FixBackup, backup);
  for (const QString& file : files) frontEnd.AddFixRow(FixJob::FromPath(AbsoluteFilePath(file)));
  FixRun job(frontEnd, workspace.Runner());
  const bool finished = job.Run();
  return finished ? 0 : 1;
}

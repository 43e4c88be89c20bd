// quillmark-cli fix: runs the fix job over the files given, in their order.
#include "align/fix_run.h"
#include "cli/cli_front_end.h"
#include "cli/command_options.h"
#include "cli/commands.h"

int RunFixCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption backupOption(QStringLiteral("backup"));
  parser.addOption(backupOption);
  const QString error = ParseCommandOptions(
      parser, arguments, [](const QString& option) { return QStringLiteral("unknown option '%1' for fix").arg(option); });
  if (!error.isEmpty()) return UsageError(error);
  const bool backup = parser.isSet(backupOption);
  const QStringList files = parser.positionalArguments();
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

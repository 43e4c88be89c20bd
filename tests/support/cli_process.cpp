#include "support/cli_process.h"

#include <QProcess>
#include <stdexcept>

namespace testdocs {

CliRun Cli(const QStringList& arguments, const QByteArray& path, const QString& languages,
           const QString& standardOutput) {
  QMap<QString, QString> variables{{QStringLiteral("PATH"), QString::fromUtf8(path)}};
  if (!languages.isEmpty()) variables.insert(QStringLiteral("LANGUAGE"), languages);
  return CliWith(arguments, variables, {}, standardOutput);
}

CliRun CliWith(const QStringList& arguments, const QMap<QString, QString>& variables, const QString& program,
               const QString& standardOutput) {
  const QString cli = program.isEmpty() ? qEnvironmentVariable("QUILLMARK_CLI") : program;
  if (cli.isEmpty()) throw std::runtime_error("QUILLMARK_CLI is not set (run the tests through ctest)");
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (auto it = variables.begin(); it != variables.end(); ++it) env.insert(it.key(), it.value());
  process.setProcessEnvironment(env);
  if (!standardOutput.isEmpty()) process.setStandardOutputFile(standardOutput, QIODevice::Append);
  process.start(cli, arguments);
  if (!process.waitForFinished(120000)) {
    throw std::runtime_error("quillmark-cli did not finish: " + process.errorString().toStdString() + "\n" +
                             process.readAllStandardError().toStdString());
  }
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
          process.readAllStandardError()};
}

}  // namespace testdocs

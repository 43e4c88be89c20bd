#include "support/cli_process.h"

#include <QProcess>
#include <stdexcept>

namespace testdocs {

CliRun Cli(const QStringList& arguments, const QByteArray& path, const QString& languages,
           const QString& standardOutput) {
  const QString cli = qEnvironmentVariable("QUILLMARK_CLI");
  if (cli.isEmpty()) throw std::runtime_error("QUILLMARK_CLI is not set (run the tests through ctest)");
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("PATH"), QString::fromUtf8(path));
  if (!languages.isEmpty()) env.insert(QStringLiteral("LANGUAGE"), languages);
  process.setProcessEnvironment(env);
  if (!standardOutput.isEmpty()) process.setStandardOutputFile(standardOutput, QIODevice::Append);
  process.start(cli, arguments);
  if (!process.waitForFinished(120000)) throw std::runtime_error("quillmark-cli did not finish");
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
          process.readAllStandardError()};
}

}  // namespace testdocs

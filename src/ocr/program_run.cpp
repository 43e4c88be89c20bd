#include "ocr/program_run.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include "core/errors.h"

namespace ocr {
namespace {

constexpr int kSecondsPerStep = 120;

}  // namespace

QByteArray RunToEnd(const QString& program, const QStringList& arguments, const QString& what) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));  // one page per core is enough
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  if (!process.waitForStarted() || !process.waitForFinished(kSecondsPerStep * 1000) ||
      process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    process.kill();
    const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed().section(QLatin1Char('\n'), 0, 0);
    throw InputError(what + (said.isEmpty() ? QString() : QStringLiteral(": ") + said));
  }
  return process.readAllStandardOutput();
}

QString DdjvuProgram() {
  const QString ddjvu = QStandardPaths::findExecutable(QStringLiteral("ddjvu"));
  if (ddjvu.isEmpty()) throw InputError(QCoreApplication::translate("Ocr", "Программа ddjvu не найдена (пакет djvulibre-bin)"));
  return ddjvu;
}

}  // namespace ocr

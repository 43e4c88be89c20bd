#include "preview/page_renderer.h"

#include "djvused/djvused_runner.h"

namespace {

const QString kProgramName = QStringLiteral("ddjvu");

}  // namespace

PageRenderer::PageRenderer(const QString& programFolder, QObject* parent)
    : QObject(parent), program_(DjvusedRunner::FindProgram(programFolder, kProgramName)) {}

PageRenderer::~PageRenderer() { Stop(); }

void PageRenderer::Stop() {
  if (!process_) return;
  QProcess* process = process_;
  process_ = nullptr;
  process->disconnect(this);
  process->kill();
  process->waitForFinished(1000);
  process->deleteLater();
}

void PageRenderer::Render(const QString& path, int page, QSize box) {
  Stop();
  if (program_.isEmpty()) {
    emit Failed(page, tr("Программа ddjvu не найдена (пакет djvulibre-bin)"));
    return;
  }
  auto* process = new QProcess(this);
  process_ = process;
  // ddjvu, like djvused, refuses paths with Cyrillic letters in the C locale.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  process->setProcessEnvironment(env);
  connect(process, &QProcess::finished, this, [this, process, page](int exitCode, QProcess::ExitStatus status) {
    if (process != process_) return;
    process_ = nullptr;
    process->deleteLater();
    const QByteArray picture = process->readAllStandardOutput();
    if (status != QProcess::NormalExit || exitCode != 0 || picture.isEmpty()) {
      const QString reason = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
      emit Failed(page, tr("Страница %1 не отрисована: %2").arg(page).arg(reason));
      return;
    }
    emit Rendered(page, picture);
  });
  connect(process, &QProcess::errorOccurred, this, [this, process, page](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart || process != process_) return;
    process_ = nullptr;
    process->deleteLater();
    emit Failed(page, tr("Не удалось запустить ddjvu: %1").arg(process->errorString()));
  });
  process->start(program_, {QStringLiteral("-format=ppm"), QStringLiteral("-page=%1").arg(page),
                            QStringLiteral("-size=%1x%2").arg(box.width()).arg(box.height()), path,
                            QStringLiteral("-")});
}

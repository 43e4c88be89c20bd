#include "app/desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

const QString Desktop::kTitle = QStringLiteral("Quillmark 0.73");

QString Desktop::FileFilter() {
  return QCoreApplication::translate("Desktop", "DjVu файлы") + QStringLiteral(" (*.djvu *.djv)");
}

void Desktop::Message(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, kTitle, text, QMessageBox::Ok);
}

void Desktop::Error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, kTitle, text, QMessageBox::Ok);
}

int Desktop::Ask(QWidget* parent, const QString& text, const QStringList& buttons) {
  QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, parent);
  QList<QAbstractButton*> pressed;
  for (const QString& caption : buttons) pressed << box.addButton(caption, QMessageBox::AcceptRole);
  if (!pressed.isEmpty()) box.setDefaultButton(static_cast<QPushButton*>(pressed.first()));
  box.exec();
  return int(pressed.indexOf(box.clickedButton()));
}

QStringList Desktop::OpenFileNames(QWidget* parent) {
  // Several files at once; the program's current folder is left alone.
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilter(FileFilter());
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

QString Desktop::MissingFileText(const QString& path) {
  return QCoreApplication::translate("Desktop", "Файл %1 не найден").arg(path);
}

QString Desktop::NoApplicationText(const QString& path) {
  return QCoreApplication::translate("Desktop",
                                     "Не удалось открыть файл %1: нет программы для файлов DjVu "
                                     "или она не запускается")
      .arg(path);
}

void Desktop::OpenFile(QWidget* parent, const QString& path) {
  if (!QFileInfo(path).isFile()) {
    Message(parent, MissingFileText(path));
    return;
  }
  const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (launcher.isEmpty()) {
    // Qt's own way (a desktop portal, a desktop's own launcher): it answers
    // at once whether anything took the file.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) Message(parent, NoApplicationText(path));
    return;
  }
  // xdg-open answers through its exit status (3: no application for the
  // type, 4: the application failed); it may also stay until the application
  // ends, so it is never waited for. The process object is left to run on
  // when the program ends first.
  auto* process = new QProcess;
  QPointer<QWidget> owner(parent);
  QObject::connect(process, &QProcess::finished, process, [this, process, owner, path](int code, QProcess::ExitStatus status) {
    if (status != QProcess::NormalExit || code != 0) Message(owner, NoApplicationText(path));
    process->deleteLater();
  });
  QObject::connect(process, &QProcess::errorOccurred, process, [this, process, owner, path](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    Message(owner, NoApplicationText(path));
    process->deleteLater();
  });
  process->start(launcher, {path});
}

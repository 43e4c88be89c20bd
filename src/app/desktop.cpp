#include "app/desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

const QString Desktop::kTitle = QStringLiteral("Quillmark 0.73");
const QString Desktop::kFileFilter = QStringLiteral("DjVu файлы (*.djvu *.djv)");

void Desktop::Message(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, kTitle, text, QMessageBox::Ok);
}

void Desktop::Error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, kTitle, text, QMessageBox::Ok);
}

QString Desktop::OpenFileName(QWidget* parent) {
  // AnyFile: a typed name is taken when its folder exists, as the file itself
  // need not exist; the program's current folder is left alone.
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(kFileFilter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

void Desktop::OpenFile(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

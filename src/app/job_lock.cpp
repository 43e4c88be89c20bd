#include "app/job_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

const QString JobLock::kFileName = QStringLiteral("Quillmark.lock");

JobLock::JobLock(const QString& workFolder)
    : path_(QDir(workFolder).filePath(kFileName)), file_(path_) {
  file_.setStaleLockTime(0);  // a long job never makes its own lock stale; a dead owner's lock is
  locked_ = file_.tryLock(0);
}

QString JobLock::Failure() const {
  if (file_.error() == QLockFile::LockFailedError) {
    return QCoreApplication::translate("JobLock", "Другая копия Quillmark уже выполняет задание в папке %1").arg(QDir::toNativeSeparators(QFileInfo(path_).absolutePath()));
  }
  return QCoreApplication::translate("JobLock", "Не удалось создать файл блокировки %1").arg(QDir::toNativeSeparators(path_));
}

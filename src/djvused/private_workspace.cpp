#include "djvused/private_workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

const QString kInUse = QStringLiteral(".in-use");

QString Template() {
  const QString program = QCoreApplication::applicationName().isEmpty() ? QStringLiteral("quillmark")
                                                                         : QCoreApplication::applicationName();
  return QDir::temp().filePath(program + QStringLiteral("-XXXXXX"));
}

QTemporaryDir MakeFolder() {
  PrivateWorkspace::RemoveLeftovers();
  return QTemporaryDir(Template());
}

}  // namespace

void PrivateWorkspace::RemoveLeftovers() {
  const QFileInfo pattern(Template());
  const QString prefix = pattern.fileName().chopped(6);
  const QDir temp = pattern.absoluteDir();
  for (const QFileInfo& folder : temp.entryInfoList({prefix + QStringLiteral("??????")}, QDir::Dirs | QDir::NoSymLinks)) {
    if (folder.ownerId() != ::geteuid() || !QFileInfo::exists(QDir(folder.filePath()).filePath(kInUse))) continue;
    QLockFile lock(QDir(folder.filePath()).filePath(kInUse));
    lock.setStaleLockTime(0);  // taken only when the run that held it is gone
    if (!lock.tryLock(0)) continue;
    lock.unlock();
    QDir(folder.filePath()).removeRecursively();
  }
}

PrivateWorkspace::PrivateWorkspace()
    : folder_(MakeFolder()), runner_(folder_.path(), QCoreApplication::applicationDirPath()) {
  if (!folder_.isValid()) return;
  inUse_ = std::make_unique<QLockFile>(folder_.filePath(kInUse));
  inUse_->setStaleLockTime(0);
  inUse_->tryLock(0);
}

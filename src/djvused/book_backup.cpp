#include "djvused/book_backup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <unistd.h>

#include "core/errors.h"
#include "djvused/book_files.h"
#include "djvused/copy_back.h"

namespace backup {

namespace {

const QString kSuffix = QStringLiteral(".backup");

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

QString Numbered(const QString& first, int n) { return n == 0 ? first : first + QStringLiteral(".%1").arg(n); }

IoError Failure(const QString& target, const QString& why) {
  return IoError(
      QCoreApplication::translate("DjvusedRunner", "Не удалось создать резервную копию %1: %2").arg(target, why));
}

// Copies one file of the book with its mode and, where it can be kept, its owner.
void CopyWithMode(const QString& from, const QString& to) {
  bookfiles::CopyInto(from, to);
  copyback::GiveModeAndOwner(from, to);
}

}  // namespace

QString Said(const QString& backupPath) {
  return QCoreApplication::translate("DjvusedRunner", "Резервная копия: %1").arg(backupPath);
}

QString Make(const QString& book, const QList<QByteArray>& files) {
  const QString first = book + kSuffix;
  const QFileInfo info(book);
  // Made whole under a hidden name, then given a free name in one step that
  // never replaces anything there.
  QTemporaryDir part(QDir(info.absolutePath()).filePath(QStringLiteral(".quillmark-backup-XXXXXX")));
  if (!part.isValid()) throw Failure(first, part.errorString());
  try {
    const QString whole = part.filePath(QStringLiteral("book"));
    if (files.isEmpty()) {
      CopyWithMode(book, whole);
    } else {
      if (!QDir().mkdir(whole)) throw Failure(first, whole);
      for (const QByteArray& file : files) {
        const QString name = QFile::decodeName(file);
        CopyWithMode(info.absoluteDir().filePath(name), QDir(whole).filePath(name));
      }
      CopyWithMode(book, QDir(whole).filePath(info.fileName()));
    }
    for (int n = 0;; ++n) {
      const QString target = Numbered(first, n);
      if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) continue;
      // A file: link() fails on any existing name. A folder: rename() fails
      // on an existing one that holds anything.
      const int result = files.isEmpty() ? ::link(Native(whole).constData(), Native(target).constData())
                                         : ::rename(Native(whole).constData(), Native(target).constData());
      if (result == 0) {
        bookfiles::SyncFolder(info.absolutePath());
        return target;
      }
      if (errno != EEXIST && errno != ENOTEMPTY && errno != ENOTDIR && errno != EISDIR) {
        throw Failure(target, bookfiles::Cause(errno));
      }
    }
  } catch (const IoError& error) {
    if (error.Message().contains(first)) throw;
    throw Failure(first, error.Message());
  }
}

}  // namespace backup

#include "djvused/book_lock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <map>
#include <memory>

#include "core/errors.h"

namespace {

struct Held {
  std::unique_ptr<QLockFile> file;
  int count = 0;
};

std::map<QString, Held>& HeldLocks() {
  static std::map<QString, Held> held;
  return held;
}

// How long a second run waits for the first before it stops.
constexpr int kWaitMs = 1500;

}  // namespace

QString BookLock::LockPathOf(const QString& bookPath) {
  const QFileInfo info(bookPath);
  const QString canonical = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
  const QFileInfo book(canonical);
  const QFileInfo folder(book.absolutePath());
  if (folder.isWritable()) return QDir(book.absolutePath()).filePath(QStringLiteral(".%1.quillmark-lock").arg(book.fileName()));
  const QByteArray id = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return QDir::temp().filePath(QStringLiteral("quillmark-%1.lock").arg(QString::fromLatin1(id)));
}

BookLock::BookLock(const QString& bookPath) : key_(LockPathOf(bookPath)) {
  Held& held = HeldLocks()[key_];
  if (held.count > 0) {
    ++held.count;
    return;
  }
  held.file = std::make_unique<QLockFile>(key_);
  held.file->setStaleLockTime(0);  // stale only when its holder is gone
  if (!held.file->tryLock(kWaitMs)) {
    qint64 pid = 0;
    QString host, program;
    const bool known = held.file->getLockInfo(&pid, &host, &program);
    const QLockFile::LockError error = held.file->error();
    HeldLocks().erase(key_);
    if (error == QLockFile::LockFailedError && known) {
      throw InputError(
          QCoreApplication::translate("BookLock",
                                      "Документ %1 сейчас обрабатывает другая программа (%2, процесс %3 на %4). "
                                      "Дождитесь её завершения и запустите снова.")
              .arg(bookPath, program, QString::number(pid), host));
    }
    throw InputError(
        QCoreApplication::translate("BookLock", "Не удалось заблокировать документ %1 (файл блокировки %2)")
            .arg(bookPath, key_));
  }
  held.count = 1;
}

BookLock::~BookLock() {
  auto it = HeldLocks().find(key_);
  if (it == HeldLocks().end()) return;
  if (--it->second.count == 0) {
    it->second.file->unlock();
    HeldLocks().erase(it);
  }
}

#include "djvused/book_lock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <QSysInfo>
#include <map>
#include <memory>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

#include "core/errors.h"
#include "djvused/book_files.h"

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
// An empty lock younger than this may be one being written right now.
constexpr qint64 kFreshMs = 2000;

QString Canonical(const QString& path) {
  const QFileInfo info(path);
  return info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
}

QString InTemp(const QString& id) { return QDir::temp().filePath(QStringLiteral("quillmark-%1.lock").arg(id)); }

// When a process started, in seconds since the epoch; -1 when unknown.
qint64 StartOf(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid)), boot(QStringLiteral("/proc/stat"));
  if (!stat.open(QIODevice::ReadOnly) || !boot.open(QIODevice::ReadOnly)) return -1;
  const QByteArray text = stat.readAll();
  const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 20) return -1;
  const qint64 ticks = fields[19].toLongLong();  // field 22, "starttime"
  qint64 bootTime = -1;
  for (const QByteArray& line : boot.readAll().split('\n')) {
    if (line.startsWith("btime ")) bootTime = line.mid(6).trimmed().toLongLong();
  }
  const long perSecond = ::sysconf(_SC_CLK_TCK);
  return bootTime < 0 || perSecond <= 0 ? -1 : bootTime + ticks / perSecond;
}

// Why the lock file at `path` was left behind by nobody who still holds it,
// or empty when it may still be held.
QString WhyStale(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QList<QByteArray> lines = file.readAll().split('\n');
  const QFileInfo info(path);
  const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
  bool ok = false;
  const qint64 pid = lines.value(0).trimmed().toLongLong(&ok);
  if (!ok || pid <= 0) {
    return age > kFreshMs ? QCoreApplication::translate("BookLock", "файл блокировки пуст или повреждён") : QString();
  }
  const QString host = QString::fromUtf8(lines.value(2));
  if (!host.isEmpty() && host != QSysInfo::machineHostName()) return {};  // another machine's: cannot tell
  if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH) {
    return QCoreApplication::translate("BookLock", "процесс %1 завершён").arg(pid);
  }
  const qint64 started = StartOf(pid);
  if (started > 0 && started > info.lastModified().toSecsSinceEpoch() + 1) {
    return QCoreApplication::translate("BookLock", "процесс %1 запущен позже, чем создана блокировка").arg(pid);
  }
  return {};
}

// Removes a lock left behind, one taker at a time; returns why, or empty.
QString TakeOverStale(const QString& path) {
  if (WhyStale(path).isEmpty()) return {};
  QLockFile removal(path + QStringLiteral(".rmlock"));
  if (!removal.tryLock(0)) return {};
  const QString why = WhyStale(path);  // again, now that no other taker can run
  if (!why.isEmpty()) QFile::remove(path);
  return why;
}

// A lock file that stays empty is one whose maker was killed between making
// and writing it (a live maker writes it at once): once it is older than a
// fresh file may be, it is taken over and the lock taken.
// Returns why it was taken over, or empty.
QString TakeOverEmpty(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists() || info.size() > 0) return {};
  const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
  if (age <= kFreshMs) QThread::msleep(quint64(kFreshMs - age + 100));
  return TakeOverStale(path);
}

}  // namespace

QString BookLock::LockPathOf(const QString& bookPath) {
  const QString canonical = Canonical(bookPath);
  const QFileInfo book(canonical);
  const QString name = QStringLiteral(".%1.quillmark-lock").arg(book.fileName());
  // QLockFile also makes "NAME.rmlock" beside it.
  if (QFileInfo(book.absolutePath()).isWritable() && bookfiles::NameFits(name + QStringLiteral(".rmlock"))) {
    return QDir(book.absolutePath()).filePath(name);
  }
  const QByteArray id = QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha1).toHex().left(16);
  return InTemp(QString::fromLatin1(id));
}

BookLock::BookLock(const QString& bookPath) : key_(LockPathOf(bookPath)) {
  Take(key_, bookPath);
  struct stat info {};
  if (::stat(QFile::encodeName(Canonical(bookPath)).constData(), &info) == 0 && info.st_nlink > 1) {
    inodeKey_ = InTemp(QStringLiteral("%1-%2").arg(qulonglong(info.st_dev)).arg(qulonglong(info.st_ino)));
    try {
      Take(inodeKey_, bookPath);
    } catch (...) {
      Release(key_);
      throw;
    }
  }
}

void BookLock::Take(const QString& key, const QString& bookPath) {
  Held& held = HeldLocks()[key];
  if (held.count > 0) {
    ++held.count;
    return;
  }
  const QString why = TakeOverStale(key);
  if (!why.isEmpty()) {
    note_ = QCoreApplication::translate("BookLock", "Снята оставшаяся блокировка %1 (%2)").arg(key, why);
  }
  held.file = std::make_unique<QLockFile>(key);
  held.file->setStaleLockTime(0);  // stale only when its holder is gone
  bool locked = held.file->tryLock(kWaitMs);
  if (!locked) {
    const QString late = TakeOverEmpty(key);
    locked = !late.isEmpty() && held.file->tryLock(0);
    if (locked) note_ = QCoreApplication::translate("BookLock", "Снята оставшаяся блокировка %1 (%2)").arg(key, late);
  }
  if (!locked) {
    qint64 pid = 0;
    QString host, program;
    const bool known = held.file->getLockInfo(&pid, &host, &program);
    const QLockFile::LockError error = held.file->error();
    HeldLocks().erase(key);
    if (error == QLockFile::LockFailedError && known) {
      throw InputError(
          QCoreApplication::translate("BookLock",
                                      "Документ %1 сейчас обрабатывает другая программа (%2, процесс %3 на %4). "
                                      "Дождитесь её завершения и запустите снова.")
              .arg(bookPath, program, QString::number(pid), host));
    }
    throw InputError(
        QCoreApplication::translate("BookLock", "Не удалось заблокировать документ %1 (файл блокировки %2)")
            .arg(bookPath, key));
  }
  held.count = 1;
}

void BookLock::Release(const QString& key) {
  auto it = HeldLocks().find(key);
  if (key.isEmpty() || it == HeldLocks().end()) return;
  if (--it->second.count == 0) {
    it->second.file->unlock();
    HeldLocks().erase(it);
  }
}

BookLock::~BookLock() {
  Release(inodeKey_);
  Release(key_);
}

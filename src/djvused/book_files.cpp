#include "djvused/book_files.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "core/errors.h"

namespace bookfiles {

namespace {

constexpr qint64 kChunk = 1 << 20;

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// Closes a descriptor when it goes out of scope.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

QString CopyFailure(const QString& from, const QString& to, int error) {
  return QCoreApplication::translate("WorkCopy", "Не удалось скопировать %1 в %2: %3").arg(from, to, Cause(error));
}

QString ReadFailure(const QString& path, int error) {
  return QCoreApplication::translate("WorkCopy", "Не удалось прочитать %1: %2").arg(path, Cause(error));
}

}  // namespace

QString Cause(int error) {
  if (error == ENOSPC || error == EDQUOT || error == EFBIG) {
    return QCoreApplication::translate("WorkCopy", "недостаточно места на диске");
  }
  if (error == EACCES || error == EPERM || error == EROFS) {
    return QCoreApplication::translate("WorkCopy", "нет прав на запись");
  }
  return QString::fromLocal8Bit(std::strerror(error));
}

FileRecord StatOf(const QString& path) {
  FileRecord record;
  struct stat info {};
  if (::stat(Native(path).constData(), &info) != 0) return record;
  record.size = info.st_size;
  record.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  return record;
}

FileRecord RecordOf(const QString& path) {
  FileRecord record = StatOf(path);
  if (record.size >= 0) record.hash = HashOf(path);
  return record;
}

QByteArray HashOf(const QString& path, qint64 length) {
  Descriptor in{::open(Native(path).constData(), O_RDONLY | O_CLOEXEC)};
  if (in.fd < 0) throw IoError(ReadFailure(path, errno));
  QCryptographicHash hash(QCryptographicHash::Sha1);
  QByteArray chunk(kChunk, Qt::Uninitialized);
  qint64 left = length < 0 ? std::numeric_limits<qint64>::max() : length;
  while (left > 0) {
    const ssize_t got = ::read(in.fd, chunk.data(), size_t(std::min<qint64>(kChunk, left)));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw IoError(ReadFailure(path, errno));
    if (got == 0) break;
    hash.addData(QByteArrayView(chunk.constData(), got));
    left -= got;
  }
  return hash.result();
}

void CopyInto(const QString& from, const QString& to, QCryptographicHash* hash) {
  Descriptor in{::open(Native(from).constData(), O_RDONLY | O_CLOEXEC)};
  if (in.fd < 0) throw IoError(CopyFailure(from, to, errno));
  Descriptor out{::open(Native(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)};
  if (out.fd < 0) throw IoError(CopyFailure(from, to, errno));
  QByteArray chunk(kChunk, Qt::Uninitialized);
  for (;;) {
    const ssize_t got = ::read(in.fd, chunk.data(), size_t(kChunk));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw IoError(CopyFailure(from, to, errno));
    if (got == 0) break;
    if (hash) hash->addData(QByteArrayView(chunk.constData(), got));
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::write(out.fd, chunk.constData() + done, size_t(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) throw IoError(CopyFailure(from, to, put < 0 ? errno : ENOSPC));
      done += put;
    }
  }
  if (::fsync(out.fd) != 0) throw IoError(CopyFailure(from, to, errno));
  const int fd = out.fd;
  out.fd = -1;
  if (::close(fd) != 0) throw IoError(CopyFailure(from, to, errno));
}

qint64 FreeBytes(const QString& path) {
  struct statvfs info {};
  if (::statvfs(Native(path).constData(), &info) != 0) return std::numeric_limits<qint64>::max();
  return qint64(info.f_bavail) * qint64(info.f_frsize);
}

qint64 DeviceOf(const QString& path) {
  struct stat info {};
  return ::stat(Native(path).constData(), &info) == 0 ? qint64(info.st_dev) : -1;
}

void RequireFreeSpace(const QString& path, qint64 needed, const QString& book) {
  const qint64 free = FreeBytes(path);
  if (free >= needed) return;
  throw IoError(QCoreApplication::translate("WorkCopy",
                                            "Документ %1 не сохранён: недостаточно места на диске "
                                            "(нужно %2 байт, свободно %3 байт). Документ не изменён.")
                    .arg(book, QString::number(needed), QString::number(free)));
}

bool WriteProtected(const QString& path) {
  struct stat info {};
  if (::stat(Native(path).constData(), &info) != 0) return false;  // a missing file is said elsewhere
  return (info.st_mode & 0222) == 0 || ::access(Native(path).constData(), W_OK) != 0;
}

void RequireWritable(const QString& path) {
  if (!WriteProtected(path)) return;
  throw InputError(
      QCoreApplication::translate("WorkCopy", "Документ %1 не изменён: файл защищён от записи").arg(path));
}

bool NameFits(const QString& fileName) {
  const long limit = ::pathconf("/", _PC_NAME_MAX);
  return Native(fileName).size() <= (limit > 0 ? limit : 255);
}

void SyncFolder(const QString& folder) {
  Descriptor dir{::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (dir.fd >= 0) ::fsync(dir.fd);
}

}  // namespace bookfiles

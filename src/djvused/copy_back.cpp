#include "djvused/copy_back.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "core/errors.h"

namespace copyback {

namespace {

using bookfiles::FileRecord;

constexpr qint64 kBlock = 4096;  // what a file may take beyond its bytes
const QByteArray kMarkerHead = "quillmark-commit 1";

QByteArray Native(const QString& path) { return QFile::encodeName(path); }
QString FolderOf(const QString& book) { return QFileInfo(book).absolutePath(); }
QString TargetOf(const QString& book, const QByteArray& name) {
  return QDir(FolderOf(book)).filePath(QFile::decodeName(name));
}
QString CopyOf(const QString& base, const QByteArray& name) { return QDir(base).filePath(QFile::decodeName(name)); }
QString OldOf(const QString& base, const QByteArray& name) {
  return QDir(base).filePath(QStringLiteral(".old/") + QFile::decodeName(name));
}
// The temporary name a new file is written under beside the one it replaces:
// short whatever the book's name, and hidden.
QString TempOf(const QString& book, const QByteArray& name) {
  const QByteArray id = QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(16);
  return QDir(FolderOf(book)).filePath(QStringLiteral(".quillmark-new-%1").arg(QString::fromLatin1(id)));
}

void RemoveAll(const QString& path) {
  std::error_code error;
  std::filesystem::remove_all(std::filesystem::path(Native(path).toStdString()), error);
}

IoError RenameFailure(const QString& path, int error) {
  return IoError(
      QCoreApplication::translate("WorkCopy", "Не удалось переименовать %1: %2").arg(path, bookfiles::Cause(error)));
}

void WriteMarker(const QString& base, const QList<Entry>& entries) {
  QByteArray text = kMarkerHead + '\n';
  for (const Entry& e : entries) {
    text += QByteArray(e.inPlace ? "p " : "r ") + QByteArray::number(e.old.size) + ' ' +
            QByteArray::number(e.old.modifiedNs) + ' ' + e.old.hash.toHex() + ' ' + QByteArray::number(e.newSize) +
            ' ' + e.newHash.toHex() + ' ' + e.name.toHex() + '\n';
  }
  QSaveFile marker(MarkerOf(base));
  if (!marker.open(QIODevice::WriteOnly) || marker.write(text) != text.size() || !marker.commit()) {
    throw IoError(QCoreApplication::translate("WorkCopy", "Не удалось создать %1: %2")
                      .arg(MarkerOf(base), marker.errorString()));
  }
}

bool ReadMarker(const QString& base, QList<Entry>* entries) {
  QFile marker(MarkerOf(base));
  if (!marker.open(QIODevice::ReadOnly)) return false;
  const QList<QByteArray> lines = marker.readAll().split('\n');
  if (lines.isEmpty() || lines.first() != kMarkerHead) return false;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    const QList<QByteArray> f = lines[i].split(' ');
    if (f.size() != 7 || (f[0] != "r" && f[0] != "p")) return false;
    Entry e;
    bool ok[4] = {};
    e.inPlace = f[0] == "p";
    e.old.size = f[1].toLongLong(&ok[0]);
    e.old.modifiedNs = f[2].toLongLong(&ok[1]);
    e.old.hash = QByteArray::fromHex(f[3]);
    e.newSize = f[4].toLongLong(&ok[2]);
    e.newHash = QByteArray::fromHex(f[5]);
    e.name = QByteArray::fromHex(f[6]);
    ok[3] = !e.name.isEmpty() && e.newHash.size() == 20;
    if (!(ok[0] && ok[1] && ok[2] && ok[3])) return false;
    *entries << e;
  }
  return !entries->isEmpty();
}

bool InOurGroups(gid_t group) {
  if (group == ::getegid()) return true;
  gid_t groups[256];
  const int count = ::getgroups(256, groups);
  for (int i = 0; i < count; ++i) {
    if (groups[i] == group) return true;
  }
  return false;
}

// Writes one file of the book: the old one is kept in the save folder first.
void ReplaceOne(const QString& book, const QString& base, const Entry& e) {
  const QString target = TargetOf(book, e.name), copy = CopyOf(base, e.name), old = OldOf(base, e.name);
  if (e.inPlace) {
    if (!QFileInfo::exists(old)) {  // a kill during this copy leaves only the part file
      const QString part = old + QStringLiteral(".part");
      bookfiles::CopyInto(target, part);
      if (::rename(Native(part).constData(), Native(old).constData()) != 0) throw RenameFailure(part, errno);
    }
    bookfiles::CopyInto(copy, target);
    return;
  }
  const QString temp = TempOf(book, e.name);
  bookfiles::CopyInto(copy, temp);
  GiveModeAndOwner(target, temp);
  ::unlink(Native(old).constData());
  if (::link(Native(target).constData(), Native(old).constData()) != 0) bookfiles::CopyInto(target, old);
  if (::rename(Native(temp).constData(), Native(target).constData()) != 0) {
    const int error = errno;
    ::unlink(Native(temp).constData());
    throw RenameFailure(temp, error);
  }
}

// Puts the old file back where ReplaceOne wrote (or began to write) the new one.
bool PutBack(const QString& book, const QString& base, const Entry& e) {
  const QString target = TargetOf(book, e.name), old = OldOf(base, e.name);
  ::unlink(Native(TempOf(book, e.name)).constData());
  if (!QFileInfo::exists(old)) return true;  // nothing was replaced yet
  try {
    if (e.inPlace) {
      bookfiles::CopyInto(old, target);
      return true;
    }
    if (bookfiles::StatOf(target).size == e.newSize && bookfiles::HashOf(target) == e.newHash) {
      return ::rename(Native(old).constData(), Native(target).constData()) == 0;
    }
    return true;  // the rename over it never happened
  } catch (const IoError&) {
    return false;
  }
}

void Finish(const QString& book, const QString& base) {
  bookfiles::SyncFolder(FolderOf(book));
  QFile::remove(MarkerOf(base));  // the marker first: a folder without one is only removed
  RemoveAll(base);
}

bool IsNew(const QString& target, const Entry& e) {
  return bookfiles::StatOf(target).size == e.newSize && bookfiles::HashOf(target) == e.newHash;
}

// The file is as the killed run left it: old, new, or partly written in place.
bool AsLeft(const QString& book, const QString& base, const Entry& e) {
  const QString target = TargetOf(book, e.name);
  const FileRecord now = bookfiles::StatOf(target);
  if (now.size < 0) return false;
  if (now.size == e.old.size && now.modifiedNs == e.old.modifiedNs && bookfiles::HashOf(target) == e.old.hash) {
    return true;
  }
  if (IsNew(target, e)) return true;
  return e.inPlace && now.size <= e.newSize &&
         bookfiles::HashOf(target) == bookfiles::HashOf(CopyOf(base, e.name), now.size);
}

// Moves the save folder and its marker out of the next save's way.
QString SetAside(const QString& base) {
  QString kept = base + QStringLiteral(".kept");
  for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n) {
    kept = base + QStringLiteral(".kept.%1").arg(n);
  }
  if (::rename(Native(base).constData(), Native(kept).constData()) != 0) return base;
  ::rename(Native(MarkerOf(base)).constData(), Native(kept + QStringLiteral("/commit")).constData());
  return kept;
}

}  // namespace

QString MarkerOf(const QString& base) { return base + QStringLiteral(".commit"); }

bool CanRename(const QString& target) {
  struct stat info {};
  if (::stat(Native(target).constData(), &info) != 0) return false;
  if (!QFileInfo(FolderOf(target)).isWritable() || info.st_nlink != 1) return false;
  return ::geteuid() == 0 || (info.st_uid == ::geteuid() && InOurGroups(info.st_gid));
}

void GiveModeAndOwner(const QString& original, const QString& copy) {
  struct stat info {}, mine {};
  if (::stat(Native(original).constData(), &info) != 0 || ::stat(Native(copy).constData(), &mine) != 0) return;
  if (info.st_uid != mine.st_uid || info.st_gid != mine.st_gid) {
    if (::chown(Native(copy).constData(), info.st_uid, info.st_gid) != 0) {
      // CanRename chose this way only where the owner can be given.
    }
  }
  ::chmod(Native(copy).constData(), info.st_mode & 07777);
}

void Replace(const QString& book, const QString& base, const QList<Entry>& entries) {
  // Everything this needs at once: the new files beside the old ones (kept
  // until the end), or for a file written in place a copy of the old one
  // and its growth.
  qint64 besideBook = kBlock, inSaveFolder = 0;
  for (const Entry& e : entries) {
    if (e.inPlace) {
      inSaveFolder += e.old.size + kBlock;
      besideBook += std::max<qint64>(0, e.newSize - e.old.size) + kBlock;
    } else {
      besideBook += e.newSize + kBlock;
    }
  }
  if (bookfiles::DeviceOf(FolderOf(book)) == bookfiles::DeviceOf(base)) {
    bookfiles::RequireFreeSpace(FolderOf(book), besideBook + inSaveFolder, book);
  } else {
    bookfiles::RequireFreeSpace(FolderOf(book), besideBook, book);
    bookfiles::RequireFreeSpace(base, inSaveFolder, book);
  }
  if (!QDir().mkpath(QDir(base).filePath(QStringLiteral(".old")))) {
    throw IoError(QCoreApplication::translate("WorkCopy", "Не удалось создать папку %1").arg(base));
  }
  WriteMarker(base, entries);

  qsizetype done = 0;
  try {
    for (; done < entries.size(); ++done) ReplaceOne(book, base, entries[done]);
  } catch (const IoError& error) {
    // Back to the old book, newest first; the marker stays, now with the
    // old files as they are after being put back.
    bool restored = true;
    QList<Entry> seen = entries;
    for (qsizetype i = std::min(done, entries.size() - 1); i >= 0; --i) {
      restored = PutBack(book, base, entries[i]) && restored;
      seen[i].old = bookfiles::StatOf(TargetOf(book, entries[i].name));
      seen[i].old.hash = entries[i].old.hash;
    }
    if (restored) {
      try {
        WriteMarker(base, seen);
      } catch (const IoError&) {
      }
    }
    const QString kept =
        restored ? QCoreApplication::translate("WorkCopy",
                                               "Документ оставлен прежним; проверенная копия с изменениями "
                                               "оставлена в %1, следующий запуск запишет её.")
                       .arg(base)
                 : QCoreApplication::translate("WorkCopy",
                                               "Документ записан не полностью; проверенная копия оставлена в %1, "
                                               "следующий запуск допишет её.")
                       .arg(base);
    throw IoError(error.Message() + QLatin1Char('\n') + kept);
  }
  Finish(book, base);
}

QStringList Recover(const QString& book, const QString& base) {
  QList<Entry> entries;
  const bool readable = ReadMarker(base, &entries);
  bool asLeft = readable;
  for (const Entry& e : entries) {
    ::unlink(Native(TempOf(book, e.name)).constData());
    asLeft = asLeft && IsNew(CopyOf(base, e.name), e) && AsLeft(book, base, e);
  }
  if (!asLeft) {
    return {QCoreApplication::translate("WorkCopy",
                                        "Документ %1: книга изменена после прерванного сохранения: копия оставлена в %2")
                .arg(book, SetAside(base))};
  }
  for (const Entry& e : entries) {
    if (!IsNew(TargetOf(book, e.name), e)) ReplaceOne(book, base, e);
  }
  Finish(book, base);
  return {QCoreApplication::translate("WorkCopy", "Прерванное сохранение документа %1 завершено из копии %2")
              .arg(book, base)};
}

}  // namespace copyback

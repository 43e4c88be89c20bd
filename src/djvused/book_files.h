#pragma once
// The book's files as the save path handles them: copied, hashed and
// replaced with the system's own calls, so every failure carries its cause
// and a full disk is said as such; names are the file system's bytes
// (QFile::encodeName), so a name that is not UTF-8 stays the same file.
#include <QByteArray>
#include <QString>

class QCryptographicHash;

namespace bookfiles {

// A file as one run saw it. `size` is -1 for a file that is not there.
struct FileRecord {
  qint64 size = -1;
  qint64 modifiedNs = 0;
  QByteArray hash;  // SHA-1 of the bytes
};

// Size and time only (no hash).
FileRecord StatOf(const QString& path);
// Size, time and hash.
FileRecord RecordOf(const QString& path);
// The hash of the first `length` bytes (all of them when -1).
QByteArray HashOf(const QString& path, qint64 length = -1);

// Streams `from` into `to` (created with mode 0600, or truncated, keeping
// its inode, owner and mode), synced to disk; adds the bytes to `hash`.
// Throws IoError naming both files and the cause.
void CopyInto(const QString& from, const QString& to, QCryptographicHash* hash = nullptr);

// The cause of a failed call in the user's words ("недостаточно места на диске" for a full disk).
QString Cause(int error);

// Bytes free for this user on the file system holding `path` (an existing file or folder).
qint64 FreeBytes(const QString& path);
// The device of the file system holding `path`, or -1.
qint64 DeviceOf(const QString& path);
// Throws IoError "… недостаточно места на диске (нужно N байт, свободно M байт) …"
// when fewer than `needed` bytes are free where `path` lives.
void RequireFreeSpace(const QString& path, qint64 needed, const QString& book);

// A file this user may not write, or one with no write permission for
// anybody (mode 444: refused even where the system would let root write it).
bool WriteProtected(const QString& path);
// Throws InputError "… файл защищён от записи" for such a file.
void RequireWritable(const QString& path);

// The name's length in the file system's bytes fits one path component.
bool NameFits(const QString& fileName);

// Syncs a folder, so renames in it survive a power cut.
void SyncFolder(const QString& folder);

}  // namespace bookfiles

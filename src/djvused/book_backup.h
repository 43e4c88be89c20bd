#pragma once
// The backup a run makes before it changes a book: the whole book, and never
// in place of an earlier backup. A bundled book is copied to "FILE.backup";
// an indirect one to a folder "INDEX.backup/" holding the index and every
// file it names, so the folder opens as the book did. When that name is
// taken, the next free one of "….backup.1", "….backup.2", … is used.
#include <QByteArray>
#include <QList>
#include <QString>

namespace backup {

// Makes the backup and returns its path. `files`: for an indirect book the
// names (file-system bytes) of the files its index names; empty for a
// bundled book. Throws IoError when it cannot; no earlier backup is touched
// and no part of a failed one is left.
QString Make(const QString& book, const QList<QByteArray>& files);

// The log line that names a backup made.
QString Said(const QString& backupPath);

}  // namespace backup

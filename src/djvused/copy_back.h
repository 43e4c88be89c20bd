#pragma once
// Puts a checked copy of a book in the book's place file by file, where a
// single rename of the whole book cannot be used (an indirect document, a
// hard-linked file, an owner that cannot be kept, a folder that is not
// writable). The order makes a full disk or a kill harmless:
//  1. the free space is checked first; too little is refused before the
//     book is touched;
//  2. a marker beside the save folder records every file to be replaced:
//     its size, time and hash as this run last saw it, and the new bytes'
//     size and hash;
//  3. each file is written under a temporary name beside it and renamed
//     over the old one (the old one is kept in the save folder by a second
//     link); a file that must keep its inode (hard links, owner) is copied
//     aside first and then written in place; an indirect book's index is
//     replaced last;
//  4. only then are the marker and the save folder removed.
// A write that fails puts the old files back and keeps the save folder with
// its marker. The next run on the book finishes the save when every file is
// still the old one, the new one or (written in place) a part of the new
// one; a book changed in any other way is left alone and the save folder
// kept aside.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "djvused/book_files.h"

namespace copyback {

struct Entry {
  QByteArray name;        // the file's name in the book's folder, file-system bytes
  bool inPlace = false;   // written into the file itself (keeps inode, links, owner)
  bookfiles::FileRecord old;
  qint64 newSize = 0;
  QByteArray newHash;
};

// The marker of a save folder.
QString MarkerOf(const QString& base);

// Whether `target` can be replaced by a rename and still be what it was to
// everybody: its folder is writable, it has no other link, and its owner and
// group can be given to a new file.
bool CanRename(const QString& target);
// Gives `copy` the mode and, where it differs, the owner of `original`.
void GiveModeAndOwner(const QString& original, const QString& copy);

// Replaces the book's files named in `entries` (in order; the index last)
// by the save folder's copies of them. Throws IoError: before anything is
// touched when the disk is too full; otherwise with the book's old files put
// back where that could be done and the save folder kept for the next run.
void Replace(const QString& book, const QString& base, const QList<Entry>& entries);

// Finishes or sets aside what a killed save left. Returns lines for the log;
// throws IoError when finishing fails (the save folder stays).
QStringList Recover(const QString& book, const QString& base);

}  // namespace copyback

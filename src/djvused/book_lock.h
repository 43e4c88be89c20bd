#pragma once
// An exclusive lock on one book for the length of a job's work on it, shared
// by every copy of the program (the window and the command line): a lock
// file beside the book (".NAME.quillmark-lock"; in the temporary folder when
// the book's folder is not writable or the name would be too long). A book
// with more than one name (hard links) is locked by its device and inode
// too, so two names of one file never hold two locks. Within one process
// the lock is re-entrant, so the create run's alignment follow-up can lock
// the same book again. A lock left behind is taken over, with a note: one
// whose process is gone, one older than the process it names (its number
// taken again), and one that is empty or unreadable (a power cut right after
// it was made).
#include <QString>

class BookLock {
 public:
  // Throws InputError naming the holder when another run holds the book.
  explicit BookLock(const QString& bookPath);
  ~BookLock();
  BookLock(const BookLock&) = delete;
  BookLock& operator=(const BookLock&) = delete;

  // Where the lock file of a book lives.
  static QString LockPathOf(const QString& bookPath);
  // A line for the log when a lock left behind was taken over, else empty.
  const QString& Note() const { return note_; }

 private:
  void Take(const QString& key, const QString& bookPath);
  static void Release(const QString& key);

  QString key_;       // the lock by name
  QString inodeKey_;  // the lock by device and inode, for a hard-linked book
  QString note_;
};

#pragma once
// An exclusive lock on one book for the length of a job's work on it, shared
// by every copy of the program (the window and the command line): a lock
// file beside the book (".NAME.quillmark-lock"; in the temporary folder when
// the book's folder is not writable). Within one process the lock is
// re-entrant, so the create run's alignment follow-up can lock the same book
// again. A lock left by a program that died is taken over.
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

 private:
  QString key_;
};

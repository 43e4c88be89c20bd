#pragma once
// The start of a job's work on one book: the book must be a file of its own
// (not a folder, a pipe or a device) that this user may write when the job
// will write it; it is locked for the length of the
// work; what a killed run left behind is dealt with; and the book's state is
// taken before any dump is read, so the save can tell whether another
// program changed it meanwhile.
#include <QString>
#include <QStringList>

#include "djvused/book_lock.h"
#include "djvused/djvused_runner.h"

class BookSession {
 public:
  // Throws InputError for a path that is not a document file, a book the
  // job would write but may not, or a book locked by another run; nothing
  // is left behind then.
  BookSession(const QString& bookPath, DjvusedRunner& runner, bool writes = true);

  const BookState& ReadState() const { return state_; }
  // Lines for the log about leftovers found and dealt with.
  const QStringList& Notes() const { return notes_; }

  // Throws InputError when the path exists but is not a regular file.
  static void RequireDocumentFile(const QString& path);
  // The same, and InputError with `notFound` (the caller's own words) when
  // there is no file at the path: what every job checks before it opens a book.
  static void RequireBook(const QString& path, const QString& notFound);

 private:
  BookLock lock_;
  QStringList notes_;
  BookState state_;
};

#pragma once
// djvused never saves the book itself. It saves a copy beside it (for an
// indirect document: a copy of the index and of every file the index names);
// the copy is checked, and only then takes the book's place: by a rename over
// a bundled book (atomic), or file by file (copy_back.h) where a single
// rename cannot keep the book as it is (hard links, an owner that cannot be
// kept, a folder that is not writable, an indirect document). A program
// killed at any point leaves every file of the book whole, old or new: the
// next run on the book finds the leftover copy, finishes an interrupted
// copy-back or removes a copy that never got that far, and says so.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "djvused/book_files.h"
#include "djvused/component_list.h"

// What a job saw of the book before it read its dumps; checked again before
// the book is replaced, so a change made meanwhile by another program is
// never overwritten.
struct BookState {
  qint64 size = -1;
  qint64 modifiedNs = 0;
  static BookState Of(const QString& path);
  bool operator==(const BookState& other) const { return size == other.size && modifiedNs == other.modifiedNs; }
  bool operator!=(const BookState& other) const { return !(*this == other); }
};

class WorkCopy {
 public:
  // An indirect document's index names its pages' files; a bundled or
  // single-page book holds them itself. Told apart by the component list:
  // the listed sizes of an indirect document add up to more than its index
  // file (or are all zero, as after djvused's own save-indirect).
  static bool IsIndirect(const QString& bookPath, const QList<ComponentLine>& components);

  // Copies the book (every file of an indirect document) to the work copy.
  // Throws IoError when it cannot, InputError for a file of the book this
  // user may not write; nothing of the book is touched.
  WorkCopy(const QString& bookPath, const QList<ComponentLine>& components);
  ~WorkCopy();  // removes the copy unless it took the book's place
  WorkCopy(const WorkCopy&) = delete;
  WorkCopy& operator=(const WorkCopy&) = delete;

  const QString& DocumentPath() const { return document_; }  // what djvused saves
  bool Indirect() const { return indirect_; }
  // The copy's path of a file the index names.
  QString CopiedFile(const QByteArray& fileName) const;

  // Puts the checked copy in the book's place. Throws InputError, writing
  // nothing, when the book's bytes are no longer those that were copied;
  // IoError when the disk is too full (nothing written) or a write fails
  // (the old files put back, the copy kept for the next run).
  void Commit();

  // Where the work copy of a book lives: a folder ".NAME.quillmark-save"
  // beside it (or in the temporary folder when the book's folder is not
  // writable) holding the book under its own name and, for an indirect
  // document, the files its index names.
  static QString BaseOf(const QString& bookPath);
  // Deals with what a killed run left behind for this book and returns a
  // line for the log, or an empty text. `bookOpens` tells whether djvused
  // still opens the book (asked only when an older kind of safety copy is
  // found beside it).
  static QStringList Recover(const QString& bookPath, const std::function<bool()>& bookOpens);

 private:
  QString book_;        // canonical path of the book (index file)
  QString base_;        // the work copy's folder
  QString document_;    // the copy's document (the copied index for an indirect one)
  bool indirect_ = false;
  // The book's files as copied: an indirect document's files as the index
  // names them, then the book's own file (the index) last.
  QList<QByteArray> files_;
  QList<bookfiles::FileRecord> copied_;
  bool committed_ = false;
};

#pragma once
// Keeps a document's original bytes while djvused saves it in place. djvused
// truncates and rewrites the file, so a save that fails or is killed half-way
// leaves a broken book; the guard's copy lets it be put back exactly.
#include <QString>

class DocumentGuard {
 public:
  // Copies the document to a hidden sibling file (or into the system's
  // temporary folder when the document's folder is not writable).
  // Throws IoError when no copy can be made; the document is then untouched.
  explicit DocumentGuard(const QString& documentPath);
  // Puts the original bytes back if the document differs from them, then
  // deletes the copy. Throws IoError (naming the copy, which is kept) on failure.
  void Restore();
  // The save was good: deletes the copy.
  void Release();
  ~DocumentGuard();  // releases a copy that was neither restored nor released

  const QString& CopyPath() const { return copyPath_; }

 private:
  QString document_;
  QString copyPath_;
};

// Streams one file's bytes over another's, keeping the target's inode and
// permissions. Throws IoError.
void CopyFileContents(const QString& from, const QString& to);
// True when both files hold the same bytes.
bool SameContents(const QString& a, const QString& b);

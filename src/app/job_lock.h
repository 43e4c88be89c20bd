#pragma once
// The work folder's lock for the length of a job, so that two running copies
// of the program never share the batch file and the temporary files.
#include <QLockFile>
#include <QString>

class JobLock {
 public:
  static const QString kFileName;  // "Quillmark.lock"

  explicit JobLock(const QString& workFolder);
  bool Locked() const { return locked_; }
  // Why the lock was not taken, for the user.
  QString Failure() const;

 private:
  QString path_;
  QLockFile file_;
  bool locked_ = false;
};

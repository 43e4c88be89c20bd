#pragma once
// A runner working in a private temporary folder ("PROGRAM-XXXXXX" in the
// temporary folder), so that runs in parallel (two command lines, or a
// preview beside a job of the window) never share temporary files; djvused
// is looked for beside the executable first. The folder holds a lock for as
// long as its run lives; a new workspace removes the folders of this
// program whose run is gone (killed before it could remove its own).
#include <QLockFile>
#include <QTemporaryDir>
#include <memory>

#include "djvused/djvused_runner.h"

class PrivateWorkspace {
 public:
  PrivateWorkspace();
  bool Valid() const { return folder_.isValid(); }
  DjvusedRunner& Runner() { return runner_; }

  // Removes the workspace folders of this program left by runs that are gone.
  static void RemoveLeftovers();

 private:
  QTemporaryDir folder_;
  std::unique_ptr<QLockFile> inUse_;
  DjvusedRunner runner_;
};

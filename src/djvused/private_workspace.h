#pragma once
// A runner working in a private temporary folder, so that runs in parallel
// (two command lines, or a preview beside a job of the window) never share
// temporary files; djvused is looked for beside the executable first.
#include <QTemporaryDir>

#include "djvused/djvused_runner.h"

class PrivateWorkspace {
 public:
  PrivateWorkspace();
  bool Valid() const { return folder_.isValid(); }
  DjvusedRunner& Runner() { return runner_; }

 private:
  QTemporaryDir folder_;
  DjvusedRunner runner_;
};

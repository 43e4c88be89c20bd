#pragma once
// The command line's front end: the log text goes to standard error as it
// grows, message boxes and errors too; the question is never asked.
#include <QTemporaryDir>

#include "core/headless_front_end.h"
#include "djvused/djvused_runner.h"

class CliFrontEnd : public HeadlessFrontEnd {
 public:
  ~CliFrontEnd() override;  // ends the last log line
  void ShowMessage(const QString& text) override;
  void ShowError(const QString& text) override;

 protected:
  void LogChanged() override;

 private:
  // A message or an error on lines of its own, below the log printed so far.
  void PrintOwnLine(const QString& line);

  qsizetype printed_ = 0;
  bool atLineStart_ = true;
  bool logLineEnded_ = false;  // the open log line was ended by a message
};

// A runner working in a private temporary folder, so that runs in parallel
// never share temporary files; djvused is looked for beside the executable.
class CliWorkspace {
 public:
  CliWorkspace();
  // False, after an error on the front end, when the folder could not be made.
  bool Usable(FrontEnd& frontEnd) const;
  DjvusedRunner& Runner() { return runner_; }

 private:
  QTemporaryDir folder_;
  DjvusedRunner runner_;
};

// The absolute form of a FILE argument.
QString AbsoluteFilePath(const QString& argument);

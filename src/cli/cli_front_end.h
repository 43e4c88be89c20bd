#pragma once
// The command line's front end: the log text goes to standard error as it
// grows, message boxes and errors too; the question is never asked.
#include "core/headless_front_end.h"
#include "djvused/private_workspace.h"

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

// The command line's private work folder (see PrivateWorkspace).
class CliWorkspace : public PrivateWorkspace {
 public:
  // False, after an error on the front end, when the folder could not be made.
  bool Usable(FrontEnd& frontEnd) const;
};

// The absolute form of a FILE argument.
QString AbsoluteFilePath(const QString& argument);

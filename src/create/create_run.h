#pragma once
// The create run ("Создать"): walks the create list top first and, for each
// document, dumps its page list and hidden text, writes a link script over the
// recognised entries and applies it. Talks to its front end only through
// FrontEnd; every djvused call goes through the DjvusedRunner.
#include <functional>
#include <QStringList>

#include "core/front_end.h"
#include "create/row_plan.h"
#include "djvused/book_session.h"
#include "djvused/djvused_runner.h"

class CreateRun {
 public:
  CreateRun(FrontEnd& frontEnd, DjvusedRunner& runner);

  // Each row's plan once it is made: with a dry run instead of applying it
  // (nothing is written, no backup made), else after it is applied. The
  // command line prints the script or the links from it.
  using PlanShown = std::function<void(const QString& bookPath, const RowPlan& plan)>;
  bool Run(const PlanShown& show, bool dryRun);

  // Button3Click. True when every row was finished; false when the run
  // stopped early (a precondition message, an error shown to the user).
  bool Run();

 private:
  bool RunRows();
  // rowNumber counts from 1; a later row's lines start on a new line.
  void ProcessRow(const CreateJob& row, int rowNumber);
  // Lines about leftovers of killed runs found on the row's book, logged
  // after the file's own lines.
  void LogNotes();
  // Saves the plan's script into the book (when it has one; backed up first
  // when asked) and logs the file's lines. Returns the backup's path, or the
  // empty text when none was made.
  QString Apply(const RowPlan& plan, const BookSession& session, const QString& longPath);

  FrontEnd& frontEnd_;
  DjvusedRunner& runner_;
  PlanShown show_;
  bool dryRun_ = false;
  QStringList notes_;
  qsizetype backupNoteAt_ = 0;  // where the backup's line goes among the notes
  QStringList saidOfTheSave_;  // the row's lines of what the save did ("links made", text removed),
                               // dropped from the notes when the row fails
};

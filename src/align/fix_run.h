#pragma once
// The fix job ("Исправить"): aligns the link areas of every document of the
// fix list into one or two columns per page.
#include <QString>

#include "core/front_end.h"
#include "djvused/djvused_runner.h"

class FixRun {
 public:
  FixRun(FrontEnd& frontEnd, DjvusedRunner& runner);

  // Button1Click. True when every row was finished and the end-of-job options
  // ran; false when the job stopped early. A document whose long path equals
  // alreadyBackedUp is not backed up again (the create run has kept the
  // backup of the unchanged document).
  bool Run(const QString& alreadyBackedUp = QString());

  // The same for one book, without the fix list: the create run's alignment
  // follow-up. The fix tab's end-of-job options act when it finishes.
  bool AlignBook(const QString& longPath, const QString& alreadyBackedUp);

 private:
  enum class Outcome { Finished, Stopped };

  // AlignFile: dumps one document's annotations, aligns them and applies the
  // result. Throws what the runner and the passes throw.
  Outcome AlignFile(const FixJob& row, const QString& alreadyBackedUp);
  void LogStep(const QString& line);
  // The fix tab's "Очистить список по завершению" and "Закрыть по завершению".
  void EndOfJob();

  FrontEnd& frontEnd_;
  DjvusedRunner& runner_;
};

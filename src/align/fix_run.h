#pragma once
// The fix job ("Исправить"): aligns the link areas of every document of the
// fix list into one or two columns per page.
#include <QList>
#include <QString>
#include <optional>

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
  // follow-up, which aligns only `pages` (the contents pages it linked). The
  // fix tab's end-of-job options act when it finishes.
  bool AlignBook(const QString& longPath, const QString& alreadyBackedUp, const QList<int>& pages);

 private:
  enum class Outcome { Finished, Stopped };

  // AlignFile: dumps one document's annotations, aligns the pages whose links
  // are contents entries (or only `pages`, when given) and applies the result.
  // `first`: the file's lines are the first of the log. Throws what the runner
  // and the passes throw.
  Outcome AlignFile(const FixJob& row, const QString& alreadyBackedUp, bool first,
                    const std::optional<QList<int>>& pages = std::nullopt);
  void LogStep(const QString& line);
  // The fix tab's "Очистить список по завершению" and "Закрыть по завершению".
  void EndOfJob();

  FrontEnd& frontEnd_;
  DjvusedRunner& runner_;
};

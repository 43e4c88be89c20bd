#include "create/create_run.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "align/fix_run.h"
#include "core/errors.h"
#include "core/job_batch.h"
#include "core/job_log.h"
#include "core/run_options.h"
#include "djvused/book_backup.h"
#include "djvused/book_session.h"
#include "create/row_plan.h"
#include "create/recognition.h"
#include "create/row_columns.h"
#include "djvused/script_dialect.h"

namespace {

// The row's document could not be finished; the run stops without its end options.
struct RowStopped {};

}  // namespace

CreateRun::CreateRun(FrontEnd& frontEnd, DjvusedRunner& runner) : frontEnd_(frontEnd), runner_(runner) {}

bool CreateRun::Run(const PlanShown& show, bool dryRun) {
  show_ = show;
  dryRun_ = dryRun;
  return Run();
}

bool CreateRun::Run() {
  try {
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    runner_.DropTempFile(DjvusedRunner::kPageListFile);
  } catch (const QuillmarkError& e) {
    frontEnd_.ShowError(e.Message());
    return false;
  }
  frontEnd_.LogClear();
  if (frontEnd_.CreateRowCount() == 0) {
    frontEnd_.ShowMessage(joblog::NoFileSelected());
    return false;
  }
  if (!RunRows()) return false;
  if (RunOptions(frontEnd_).ClearCreateList()) frontEnd_.ClearCreateList();
  if (RunOptions(frontEnd_).CloseAfterCreate()) frontEnd_.CloseMainWindow();
  return true;
}

void CreateRun::LogNotes() {
  for (const QString& note : notes_) frontEnd_.LogAddLine(note);
  notes_.clear();
}

bool CreateRun::RunRows() {
  return joblog::RunBatch(
      frontEnd_, {[this] { return frontEnd_.CreateRowCount(); },
                  [this](int i) { return frontEnd_.CreateRow(i).FileName; },
                  [this](int i) {
                    try {
                      ProcessRow(frontEnd_.CreateRow(i));
                      return true;
                    } catch (const RowStopped&) {
                      return false;
                    }
                  },
                  [this](joblog::RowEnd end) {
                    // The links of a row that failed were not made.
                    if (end == joblog::RowEnd::Failed) notes_.removeOne(linksMade_);
                    LogNotes();
                  }});
}

void CreateRun::ProcessRow(const CreateJob& row) {
  const CreateSettings& settings = row.settings;
  linksMade_.clear();
  notes_ << SettingsLine(settings);  // the first line after the file's own
  const QString longPath = row.FullPath();
  BookSession::RequireBook(longPath, QCoreApplication::translate("CreateRun", "Файл не найден: %1").arg(longPath));
  const BookSession session(longPath, runner_, !dryRun_);  // locked until the row is done
  notes_ << session.Notes();

  QString backedUp;
  if (RunOptions(frontEnd_).CreateBackup() && !dryRun_) {
    notes_ << backup::Said(runner_.BackupCopy(longPath));
    backedUp = longPath;
  }
  const QString path = DjvusedRunner::ShortPathOf(longPath);
  if (!runner_.DjvusedPresent()) {
    frontEnd_.ShowMessage(DjvusedRunner::MissingMessage());
    throw RowStopped{};
  }

  const RunOptions live(frontEnd_);
  const PlanOptions options{live.RemoveOcr(), live.Outline(), dryRun_};
  const RowPlan plan = PlanRow(frontEnd_, runner_, path, settings, options);
  notes_ << plan.notes;
  linksMade_ = plan.linksMade;  // not logged if the save fails
  if (dryRun_) {
    if (show_) show_(longPath, plan);
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    runner_.DropTempFile(DjvusedRunner::kPageListFile);
    LogNotes();
    return;
  }
  Apply(plan, session);
  if (show_) show_(longPath, plan);  // the links now in the document

  // The alignment follow-up, after the row's work type allows it.
  if (RunOptions(frontEnd_).AlignAfter() && AlignsAfter(settings.workType)) {
    if (!FixRun(frontEnd_, runner_).AlignBook(longPath, backedUp)) throw RowStopped{};
  }
}

void CreateRun::Apply(const RowPlan& plan, const BookSession& session) {
  frontEnd_.LogAddLine(joblog::Applying());
  if (plan.script.isEmpty()) {
    // Nothing to change: the document is not saved at all.
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    runner_.DropTempFile(DjvusedRunner::kPageListFile);
  } else {
    dialect::LineWriter scriptFile(runner_.TempPath(DjvusedRunner::kScriptFile));
    scriptFile.Write(plan.script);
    scriptFile.Close();
    runner_.ApplyScript(plan.path, ScriptUse::CreateScript, {DjvusedRunner::kDumpFile, DjvusedRunner::kPageListFile},
                        session.ReadState(), plan.componentList, plan.script.size());
  }
  frontEnd_.LogAppend(joblog::kOk);
  frontEnd_.LogAddLine(joblog::Finished(plan.path));
  LogNotes();
}

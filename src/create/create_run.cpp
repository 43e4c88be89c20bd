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
                      ProcessRow(frontEnd_.CreateRow(i), i + 1);
                      return true;
                    } catch (const RowStopped&) {
                      return false;
                    }
                  },
                  [this](joblog::RowEnd end) {
                    // The links of a row that failed were not made.
                    if (end == joblog::RowEnd::Failed) {
                      for (const QString& line : saidOfTheSave_) {
                        if (!line.isEmpty()) notes_.removeOne(line);
                      }
                    }
                    LogNotes();
                  }});
}

void CreateRun::ProcessRow(const CreateJob& row, int rowNumber) {
  const CreateSettings& settings = row.settings;
  saidOfTheSave_.clear();
  notes_ << SettingsLine(settings);  // the first line after the file's own
  const QString longPath = row.FullPath();
  BookSession::RequireBook(longPath, QCoreApplication::translate("CreateRun", "Файл не найден: %1").arg(longPath));
  const BookSession session(longPath, runner_, !dryRun_);  // locked until the row is done
  notes_ << session.Notes();
  backupNoteAt_ = notes_.size();  // the backup, made only when the book is written, is named after these

  const QString path = DjvusedRunner::ShortPathOf(longPath);
  if (!runner_.DjvusedPresent()) {
    frontEnd_.ShowMessage(DjvusedRunner::MissingMessage());
    throw RowStopped{};
  }

  const RunOptions live(frontEnd_);
  PlanOptions options{live.RemoveOcr(), live.Outline(),
                      live.KeepExistingOutline() ? ExistingOutline::Keep : ExistingOutline::Replace, dryRun_,
                      rowNumber > 1};
  options.ocr = !live.ReadPageImages() ? OcrUse::Off : live.StorePageText() ? OcrUse::Write : OcrUse::Read;
  const RowPlan plan = PlanRow(frontEnd_, runner_, path, settings, options);
  notes_ << plan.notes;
  saidOfTheSave_ = {plan.linksMade, plan.textRemoved, plan.partsFound};  // not logged if the save fails
  if (dryRun_) {
    if (show_) show_(longPath, plan);
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    runner_.DropTempFile(DjvusedRunner::kPageListFile);
    LogNotes();
    return;
  }
  const QString backedUp = Apply(plan, session, longPath);
  if (show_) show_(longPath, plan);  // the links now in the document

  // The alignment follow-up: only the pages this row linked in a contents
  // type are aligned, never index pages.
  if (!RunOptions(frontEnd_).AlignAfter()) return;
  if (!LinksContents(settings.workType)) return;
  QList<int> linked;
  for (const ListedLink& link : plan.links) {
    if (!linked.contains(link.page)) linked << link.page;
  }
  if (linked.isEmpty()) return;
  if (!FixRun(frontEnd_, runner_).AlignBook(longPath, backedUp.isEmpty() ? QString() : longPath, linked)) {
    throw RowStopped{};
  }
}

QString CreateRun::Apply(const RowPlan& plan, const BookSession& session, const QString& longPath) {
  QString backedUp;
  if (plan.script.isEmpty()) {
    // Nothing to change: the document is neither backed up nor saved.
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    runner_.DropTempFile(DjvusedRunner::kPageListFile);
    frontEnd_.LogAddLine(joblog::Unchanged(plan.path));
  } else {
    if (RunOptions(frontEnd_).CreateBackup()) {
      backedUp = runner_.BackupCopy(longPath);
      notes_.insert(backupNoteAt_, backup::Said(backedUp));
    }
    frontEnd_.LogAddLine(joblog::Applying());
    dialect::LineWriter scriptFile(runner_.TempPath(DjvusedRunner::kScriptFile));
    scriptFile.Write(plan.script);
    scriptFile.Close();
    runner_.ApplyScript(plan.path, ScriptUse::CreateScript, {DjvusedRunner::kDumpFile, DjvusedRunner::kPageListFile},
                        session.ReadState(), plan.componentList, plan.script.size());
    frontEnd_.LogAppend(joblog::kOk);
    frontEnd_.LogAddLine(joblog::Finished(plan.path));
  }
  LogNotes();
  return backedUp;
}

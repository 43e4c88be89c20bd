#include "create/create_run.h"

#include <QFileInfo>

#include "align/fix_run.h"
#include "core/errors.h"
#include "core/job_log.h"
#include "create/link_writer.h"
#include "create/page_scan.h"
#include "create/row_settings.h"
#include "create/text_dump.h"
#include "djvused/script_dialect.h"

namespace {

const QString kBadBorder = QStringLiteral("Неверно задан тип границы");
const QString kBadWorkType = QStringLiteral("Неверно задан вид работы");
const QString kCreating = QStringLiteral("Создание содержания");

// The row's document could not be finished; the run stops without its end options.
struct RowStopped {};

}  // namespace

CreateRun::CreateRun(FrontEnd& frontEnd, DjvusedRunner& runner) : frontEnd_(frontEnd), runner_(runner) {}

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
    frontEnd_.ShowMessage(joblog::kNoFileSelected);
    return false;
  }
  if (frontEnd_.SelectedIndex(Combo::BorderType) < 0 || frontEnd_.SelectedIndex(Combo::LinkShape) < 0) {
    frontEnd_.ShowMessage(kBadBorder);
    return false;
  }
  if (frontEnd_.SelectedIndex(Combo::WorkType) < 0) {
    frontEnd_.ShowMessage(kBadWorkType);
    return false;
  }
  if (!RunRows()) return false;
  if (frontEnd_.IsChecked(Option::CreateClearList)) frontEnd_.ClearCreateList();
  if (frontEnd_.IsChecked(Option::CreateClose)) frontEnd_.CloseMainWindow();
  return true;
}

bool CreateRun::RunRows() {
  try {
    for (int i = 0; i < frontEnd_.CreateRowCount(); ++i) ProcessRow(frontEnd_.CreateRow(i));
    return true;
  } catch (const RowStopped&) {
  } catch (const DjvusedError& e) {
    joblog::LogFailure(frontEnd_, e.Message());
  } catch (const QuillmarkError& e) {
    frontEnd_.ShowError(e.Message());
  }
  return false;
}

void CreateRun::ProcessRow(const CreateJob& row) {
  const RowSettings settings = ReadRowSettings(row);  // before the document is touched
  const QString longPath = row.FullPath();
  if (!QFileInfo(longPath).isFile()) throw InputError(QStringLiteral("Файл не найден: %1").arg(longPath));

  QString backedUp;
  if (frontEnd_.IsChecked(Option::CreateBackup) && !dryRun_) {
    DjvusedRunner::BackupCopy(longPath);
    backedUp = longPath;
  }
  const QString path = DjvusedRunner::ShortPathOf(longPath);
  if (!runner_.DjvusedPresent()) {
    frontEnd_.ShowMessage(DjvusedRunner::kMissingMessage);
    throw RowStopped{};
  }

  runner_.RunDump(path, DumpUse::PageList);
  const PageNameList pages =
      ReadPageNameList(runner_.TempPath(DjvusedRunner::kPageListFile), settings.firstPage, settings.lastPage);

  frontEnd_.LogShow();
  runner_.RunDump(path, DumpUse::HiddenText, [&] { frontEnd_.LogAppend(joblog::kReading); });
  frontEnd_.LogAppend(joblog::kOk);
  frontEnd_.LogAddLine(kCreating);

  if (pages.names.isEmpty()) {
    throw InputError(QStringLiteral("Страницы %1–%2 не найдены в документе %3 (в нём %4 стр.)")
                         .arg(settings.firstPage)
                         .arg(settings.lastPage)
                         .arg(path)
                         .arg(pages.pageCount));
  }
  const TextDumpLines dump = TextDumpLines::Read(runner_.TempPath(DjvusedRunner::kDumpFile));
  const TextPageRange range = MapRange(pages, dump, settings.firstPage, settings.lastPage);
  LinkWriter writer(settings.style, range);
  writer.Begin(frontEnd_.IsChecked(Option::RemoveOcr));
  PageScan(dump, range, ScanSettings{settings.workType, settings.offset, settings.halve}, writer, frontEnd_).Run();

  if (dryRun_) {
    if (dryRun_->write(writer.Script()) != writer.Script().size()) {
      throw IoError(QStringLiteral("Не удалось вывести скрипт: %1").arg(dryRun_->errorString()));
    }
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    runner_.DropTempFile(DjvusedRunner::kPageListFile);
    return;
  }

  dialect::LineWriter script(runner_.TempPath(DjvusedRunner::kScriptFile));
  script.Write(writer.Script());
  script.Close();
  frontEnd_.LogAddLine(joblog::kApplying);
  runner_.ApplyScript(path, ScriptUse::CreateScript, {DjvusedRunner::kDumpFile, DjvusedRunner::kPageListFile},
                      pages.pageCount);
  frontEnd_.LogAppend(joblog::kOk);
  frontEnd_.LogAddLine(joblog::Finished(path));

  // The alignment follow-up; the work type that counts is the one the window shows.
  if (frontEnd_.IsChecked(Option::AlignContents) && frontEnd_.SelectedIndex(Combo::WorkType) != 2) {
    frontEnd_.ClearFixList();
    frontEnd_.AddFixRow(FixJob::FromPath(path));
    const bool aligned = FixRun(frontEnd_, runner_).Run(backedUp);
    frontEnd_.ClearFixList();
    if (!aligned) throw RowStopped{};
  }
}

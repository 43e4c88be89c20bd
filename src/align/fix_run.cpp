#include "align/fix_run.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "align/alignment_passes.h"
#include "align/contents_page.h"
#include "align/fix_script.h"
#include "core/errors.h"
#include "core/run_options.h"
#include "core/job_batch.h"
#include "core/job_log.h"
#include "djvused/book_backup.h"
#include "djvused/book_session.h"
#include "djvused/djvu_book.h"
#include "djvused/script_dialect.h"

namespace {

QStringList UnrecognizedLines() {
  return {joblog::Failed(),
          QCoreApplication::translate("FixRun", "Возможно в файле отсутствует содержание (гиперссылки)"),
          QCoreApplication::translate("FixRun", "Возможно путь к файлу содержит русские символы")};
}

}  // namespace

FixRun::FixRun(FrontEnd& frontEnd, DjvusedRunner& runner) : frontEnd_(frontEnd), runner_(runner) {}

bool FixRun::Run(const QString& alreadyBackedUp) {
  frontEnd_.LogClear();
  try {
    runner_.DropTempFile(DjvusedRunner::kDumpFile);  // a leftover of an earlier job is never read
  } catch (const QuillmarkError& e) {
    frontEnd_.ShowError(e.Message());
    return false;
  }
  const int rows = frontEnd_.FixRowCount();
  if (rows == 0) {
    frontEnd_.ShowMessage(joblog::NoFileSelected());
    return false;
  }
  const bool finished = joblog::RunBatch(
      frontEnd_, {[rows] { return rows; }, [this](int i) { return i < frontEnd_.FixRowCount() ? frontEnd_.FixRow(i).FileName : QString(); },
                  [&](int i) {
                    // A row removed while the job waited: the list is no longer the one the
                    // job was started on.
                    if (i >= frontEnd_.FixRowCount()) {
                      throw InputError(QCoreApplication::translate(
                                           "FixRun", "Список файлов изменился во время работы: строки %1 больше нет")
                                           .arg(i + 1));
                    }
                    return AlignFile(frontEnd_.FixRow(i), alreadyBackedUp, i == 0) == Outcome::Finished;
                  }});
  if (finished) EndOfJob();
  return finished;
}

bool FixRun::AlignBook(const QString& longPath, const QString& alreadyBackedUp, const QList<int>& pages) {
  frontEnd_.LogClear();
  try {
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    if (AlignFile(FixJob::FromPath(longPath), alreadyBackedUp, true, pages) != Outcome::Finished) return false;
  } catch (const DjvusedError& e) {
    joblog::LogFailure(frontEnd_, e.Message());
    return false;
  } catch (const QuillmarkError& e) {
    frontEnd_.ShowError(e.Message());
    return false;
  }
  EndOfJob();
  return true;
}

void FixRun::EndOfJob() {
  if (RunOptions(frontEnd_).ClearFixList()) frontEnd_.ClearFixList();
  if (RunOptions(frontEnd_).CloseAfterFix()) frontEnd_.CloseMainWindow();
}

FixRun::Outcome FixRun::AlignFile(const FixJob& row, const QString& alreadyBackedUp, bool first,
                                  const std::optional<QList<int>>& pages) {
  const QString longPath = row.FullPath();
  BookSession::RequireBook(longPath, QCoreApplication::translate("FixRun", "Файл %1 не найден").arg(longPath));
  const BookSession session(longPath, runner_);  // locked until the file is done
  struct Notes {  // logged after the file's own lines, however the work ends
    FrontEnd& frontEnd;
    QStringList lines;
    ~Notes() {
      for (const QString& line : lines) frontEnd.LogAddLine(line);
    }
  } notes{frontEnd_, session.Notes()};

  const QString path = DjvusedRunner::ShortPathOf(longPath);
  frontEnd_.LogShow();
  frontEnd_.LogAddLine(QCoreApplication::translate("FixRun", "Начало обработки файла %1").arg(path));
  if (!runner_.DjvusedPresent()) {
    frontEnd_.ShowMessage(DjvusedRunner::MissingMessage());
    return Outcome::Stopped;
  }

  // The file's steps start on a line of their own, also after an earlier file's last line.
  runner_.RunDump(path, DumpUse::Annotations, [&] {
    if (first) {
      frontEnd_.LogAppend(joblog::Reading());
    } else {
      frontEnd_.LogAddLine(joblog::Reading());
    }
  });
  frontEnd_.LogAppend(joblog::kOk);

  LogStep(QCoreApplication::translate("FixRun", "Нахождение максимальных и минимальных значений координат"));
  const QString dump = runner_.TempPath(DjvusedRunner::kDumpFile);
  std::optional<align::PageTable> table = align::MeasurePages(dump);
  if (!table) {
    for (const QString& line : UnrecognizedLines()) frontEnd_.LogAddLine(line);
    return Outcome::Stopped;
  }
  frontEnd_.LogAppend(joblog::kOk);

  LogStep(QCoreApplication::translate("FixRun", "Исправление скрипта"));
  const QList<QByteArray> before = dialect::ReadLines(dump, dialect::LineEnd::Dump);
  align::RewritePages(dump, runner_.TempPath(DjvusedRunner::kScriptFile), *table);
  const QList<QByteArray> after = dialect::ReadLines(dump, dialect::LineEnd::OwnFile);
  // Only the pages whose links are contents entries are aligned; the others stay as they are.
  const align::SectionChoice choice =
      align::ChooseSections(before, align::ChangedSections(before, after), pages,
                            [&](const QList<int>& numbers) { return djvubook::Pages(runner_, path, numbers); });
  // The script holds only the blocks the alignment changed, rebuilt from what was read.
  const align::FixScript script = align::ChangedSectionsScript(
      before, after, [&](const align::DumpSection& section) { return choice.written.contains(section.name); });
  dialect::LineWriter scriptFile(dump);
  scriptFile.Write(script.script);
  scriptFile.Close();
  frontEnd_.LogAppend(joblog::kOk);

  if (script.script.isEmpty()) {
    // Nothing to change: the document is neither backed up nor saved.
    for (const QString& name : {DjvusedRunner::kDumpFile, DjvusedRunner::kScriptFile, DjvusedRunner::kBatchFile}) {
      runner_.DropTempFile(name);
    }
    frontEnd_.LogAddLine(joblog::Unchanged(path));
  } else {
    if (RunOptions(frontEnd_).FixBackup() && longPath != alreadyBackedUp) {
      notes.lines << backup::Said(runner_.BackupCopy(longPath));
    }
    frontEnd_.LogAddLine(joblog::Applying());
    runner_.ApplyScript(path, ScriptUse::FixScript, {DjvusedRunner::kScriptFile}, session.ReadState());
    frontEnd_.LogAppend(joblog::kOk);
    frontEnd_.LogAddLine(joblog::Finished(path));
    frontEnd_.LogAddLine(QCoreApplication::translate("FixRun", "Выровнено областей: %1 (страниц: %2)")
                             .arg(script.areas)
                             .arg(script.pages));
  }
  if (!pages && !choice.leftPages.isEmpty()) {
    frontEnd_.LogAddLine(QCoreApplication::translate("FixRun", "Страницы без выравнивания (не похожи на содержание): %1")
                             .arg(joblog::PageRuns(choice.leftPages)));
  }
  if (!pages && !choice.leftComponents.isEmpty()) {
    frontEnd_.LogAddLine(QCoreApplication::translate("FixRun", "Не выровнены ссылки вне страниц: %1")
                             .arg(choice.leftComponents.join(QStringLiteral(", "))));
  }
  if (!script.unreadable.isEmpty()) {
    frontEnd_.LogAddLine(QCoreApplication::translate("FixRun",
                                                     "Внимание: не изменены (их аннотации не читаются как записи): %1")
                             .arg(script.unreadable.join(QStringLiteral(", "))));
  }
  return Outcome::Finished;
}

void FixRun::LogStep(const QString& line) {
  frontEnd_.LogAddLine(line);
  QCoreApplication::processEvents();
}

// The main window's two jobs and how the window closes while one runs.
#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>

#include "align/fix_run.h"
#include "app/job_lock.h"
#include "app/log_window.h"
#include "app/main_window.h"
#include "app/preview_window.h"
#include "app/run_questions.h"
#include "app/whole_book_row.h"
#include "djvused/djvu_book.h"
#include "outline/outline_script.h"
#include "core/errors.h"
#include "app/job_controls.h"
#include "app/list_rows.h"
#include "create/book_page_numbers.h"
#include "create/create_run.h"
#include "ui_main_window.h"

void TForm1::Button1Click() {
  RunJob(Job::Fix, [this](DjvusedRunner& runner) { FixRun(*this, runner).Run(); });
}

void TForm1::Button3Click() {
  // The tab's lists always have a selection unless something cleared it.
  const bool rows = CreateRowCount() > 0;  // with none, the run says so first
  if (rows && (ui_->ComboBox1->currentIndex() < 0 || ui_->ComboBox2->currentIndex() < 0)) {
    ShowMessage(tr("Неверно задан тип границы"));
    return;
  }
  if (rows && ui_->ComboBox3->currentIndex() < 0) {
    ShowMessage(tr("Неверно задан вид работы"));
    return;
  }
  RunJob(Job::Create, [this](DjvusedRunner& runner) {
    if (AskBeforeCreate(runner)) CreateRun(*this, runner).Run();
  });
}

bool TForm1::AskBeforeCreate(DjvusedRunner& runner) {
  existingOutline_ = ExistingOutline::Replace;
  QStringList books, withOutline;
  for (int i = 0; i < CreateRowCount(); ++i) {
    const CreateJob row = listrows::CreateRowAt(ui_->ListView2, i);
    if (!books.contains(row.FullPath())) books << row.FullPath();
    const bool contents = LinksContents(row.settings.workType);
    if (!IsChecked(Option::CreateOutline) || !contents || !QFileInfo::exists(row.FullPath())) continue;
    try {
      const int count = BookmarkCount(djvubook::PrintedOutline(runner, DjvusedRunner::ShortPathOf(row.FullPath())));
      if (count > 0) withOutline << tr("%1 (закладок: %2)").arg(row.FullPath()).arg(count);
    } catch (const QuillmarkError&) {
      // A book djvused cannot read: the run says so when it reaches it.
    }
  }
  if (IsChecked(Option::RemoveOcr) && !books.isEmpty() && !runquestions::RemoveOcrConfirmed(desktop_, this, books)) {
    return false;
  }
  if (withOutline.isEmpty()) return true;
  const std::optional<ExistingOutline> decision = runquestions::OutlineDecision(desktop_, this, withOutline);
  if (!decision) return false;
  existingOutline_ = *decision;
  return true;
}

void TForm1::FindOffsetClick() {
  const int row = listrows::RowsInUse(ui_->ListView2).value(0, -1);
  if (row < 0) {
    ShowMessage(tr("Выберите в списке файл, смещение которого нужно определить"));
    return;
  }
  FindOffset(listrows::CreateRowAt(ui_->ListView2, row).FullPath(), ui_->Edit2->text().toInt(),
             JobControls::Of(*ui_));
}

void TForm1::FindOffset(const QString& longPath, int afterPage, const JobControls& controls) {
  RunJob(Job::FindOffset, [&](DjvusedRunner& runner) {
    const FoundOffset found = FindBookOffset(runner, longPath, afterPage);
    if (!found.offset) {
      ShowMessage(tr("В скрытом тексте книги %1 не найдены номера страниц; смещение не определено").arg(longPath));
      return;
    }
    controls.ShowOffset(*found.offset);
    if (controls.Edit3 == ui_->Edit3) TabSettingChanged(ui_->Edit3);  // the selected rows take it
    if (!found.changes) {
      ShowMessage(tr("Смещение книги %1: %2").arg(longPath, OffsetText(*found.offset)));
    } else {
      ShowMessage(tr("Смещение меняется по книге %1; для страниц после %2 оно %3.\n\n%4\n\n"
                     "Отметьте «По номерам страниц книги», чтобы каждая ссылка вела на страницу со своим номером.")
                      .arg(longPath)
                      .arg(afterPage)
                      .arg(OffsetText(*found.offset), found.map.join(QLatin1Char('\n'))));
    }
  });
}

void TForm1::FindAllClick() {
  const QList<int> selected = listrows::SelectedRows(ui_->ListView2);
  const int row = listrows::RowsInUse(ui_->ListView2).value(0, -1);
  if (row < 0) {
    ShowMessage(tr("Выберите в списке файл, содержание и указатель которого нужно найти"));
    return;
  }
  if (selected.isEmpty()) {
    FindAll(listrows::CreateRowAt(ui_->ListView2, row).FullPath(), JobControls::Of(*ui_));  // the next rows' settings
    return;
  }
  RunJob(Job::FindAll, [&](DjvusedRunner& runner) {
    QStringList said;
    for (const int selectedRow : selected) {
      const CreateJob job = listrows::CreateRowAt(ui_->ListView2, selectedRow);
      try {
        const FoundBook found = FindWholeBook(runner, job.FullPath());
        const CreateSettings filled = WholeBookSettings(job.settings, found);
        listrows::SetCreateSettings(ui_->ListView2, selectedRow, filled);
        said << tr("%1:\n%2").arg(job.FullPath(), FoundBookLine(found, filled));
      } catch (const QuillmarkError& e) {
        // One book that does not read keeps its row; the others are still
        // filled, and the message says what became of each.
        if (closing_) throw;
        said << tr("%1:\n%2").arg(job.FullPath(), e.Message());
      }
    }
    ListView2SelectionChanged();  // the tab shows the first selected row as filled
    ComboBox3Change();
    ShowMessage(said.join(QStringLiteral("\n\n")));
  });
}

void TForm1::FindAll(const QString& longPath, const JobControls& controls) {
  CreateSettings shown;
  try {
    shown = controls.Read();
  } catch (const ConversionError& e) {
    ShowMessage(e.Message());
    return;
  }
  RunJob(Job::FindAll, [&](DjvusedRunner& runner) {
    const FoundBook found = FindWholeBook(runner, longPath);
    const CreateSettings filled = WholeBookSettings(shown, found);
    controls.Show(filled, JobControls::EmptyColor::KeepButton);
    if (controls.ComboBox3 == ui_->ComboBox3) ComboBox3Change();
    ShowMessage(tr("%1:\n%2").arg(longPath, FoundBookLine(found, filled)));
  });
}

void TForm1::RunJob(Job kind, const std::function<void(DjvusedRunner&)>& job) {
  if (jobRunning_) return;  // the buttons are disabled; a click queued before that does nothing
  JobLock lock(folders_.work);
  if (!lock.Locked()) {
    ShowError(lock.Failure());
    return;
  }
  jobRunning_ = true;
  runningJob_ = kind;
  SetJobCommandsEnabled(false);
  try {
    job(runner_);
  } catch (const QuillmarkError& e) {
    ShowError(e.Message());
  } catch (const std::exception& e) {
    ShowError(QString::fromLocal8Bit(e.what()));
  }
  DropTemporaryFiles();
  jobRunning_ = false;
  runningJob_ = Job::None;
  log_->ShowProgress(0, 0);
  cancelTimer_.stop();
  SetJobCommandsEnabled(true);
  if (closing_ || closeRequested_) {
    close();
  } else if (kind != Job::FindOffset && kind != Job::FindAll && preview_->isVisible()) {
    preview_->Reload();  // the links now in the document
  }
}

void TForm1::DropTemporaryFiles() {
  // However the job ended (finished, failed, or stopped by closing the
  // window), no batch file, dump or script of it stays in the work folder.
  try {
    for (const QString& name : {DjvusedRunner::kBatchFile, DjvusedRunner::kDumpFile, DjvusedRunner::kScriptFile,
                                DjvusedRunner::kPageListFile}) {
      runner_.DropTempFile(name);
    }
  } catch (const QuillmarkError& e) {
    ShowError(e.Message());
  }
}

void TForm1::SetJobCommandsEnabled(bool enabled) {
  for (QWidget* button : {ui_->xpButton2, ui_->xpButton4, ui_->ButtonFindOffset, ui_->ButtonFindAll}) {
    button->setEnabled(enabled);
  }
  for (const char* name : {"N1", "MenuItem1"}) findChild<QAction*>(QLatin1String(name))->setEnabled(enabled);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (jobRunning_) {
    // Stop djvused (a script's document is put back as it was) and close once
    // the job has returned; the timer also stops a djvused the job starts
    // before it notices.
    closing_ = true;
    runner_.Cancel();
    cancelTimer_.start();
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

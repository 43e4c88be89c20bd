#include "align/fix_run.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "align/alignment_passes.h"
#include "core/errors.h"

namespace {

const QString kNoFileSelected = QStringLiteral("Ни один файл не выбран !");
const QString kStart = QStringLiteral("Начало обработки файла ");
const QString kDumping = QStringLiteral("Получение данных из файла, создание скрипта");
const QString kDone = QStringLiteral(" OK");
const QString kMeasuring = QStringLiteral("Нахождение максимальных и минимальных значений координат");
const QString kRewriting = QStringLiteral("Исправление скрипта");
const QString kApplying = QStringLiteral("Исправление исходного DjVu файла");
const QString kFinished = QStringLiteral("Редактирование файла %1 завершено");
const QString kUnrecognizedLines[] = {
    QStringLiteral("Операция не завершена по причине ошибки"),
    QStringLiteral("Возможно в файле отсутствует содержание (гиперссылки)"),
    QStringLiteral("Возможно путь к файлу содержит русские символы"),
};

}  // namespace

FixRun::FixRun(FrontEnd& frontEnd, DjvusedRunner& runner) : frontEnd_(frontEnd), runner_(runner) {}

bool FixRun::Run(const QString& alreadyBackedUp) {
  frontEnd_.LogClear();
  try {
    runner_.DropTempFile(DjvusedRunner::kDumpFile);
    const int rows = frontEnd_.FixRowCount();
    if (rows == 0) {
      frontEnd_.ShowMessage(kNoFileSelected);
      return false;
    }
    for (int i = 0; i < rows; ++i) {
      // A row removed while the job waited: the list is no longer the one the
      // job was started on.
      if (i >= frontEnd_.FixRowCount()) {
        throw InputError(QStringLiteral("Список файлов изменился во время работы: строки %1 больше нет").arg(i + 1));
      }
      if (AlignFile(frontEnd_.FixRow(i), alreadyBackedUp) != Outcome::Finished) return false;
    }
  } catch (const DjvusedError& e) {
    // djvused's own text goes to the log, line by line, like the other
    // reports of the dump.
    for (const QString& line : e.Message().split(QLatin1Char('\n'))) frontEnd_.LogAddLine(line);
    return false;
  } catch (const QuillmarkError& e) {
    frontEnd_.ShowError(e.Message());
    return false;
  }
  if (frontEnd_.IsChecked(Option::FixClearList)) frontEnd_.ClearFixList();
  if (frontEnd_.IsChecked(Option::FixClose)) frontEnd_.CloseMainWindow();
  return true;
}

FixRun::Outcome FixRun::AlignFile(const FixJob& row, const QString& alreadyBackedUp) {
  const QString longPath = row.FullPath();
  if (!QFileInfo(longPath).isFile()) {
    throw InputError(QStringLiteral("Файл %1 не найден").arg(longPath));
  }
  if (frontEnd_.IsChecked(Option::FixBackup) && longPath != alreadyBackedUp) {
    DjvusedRunner::BackupCopy(longPath);
  }
  const QString path = DjvusedRunner::ShortPathOf(longPath);

  frontEnd_.LogShow();
  frontEnd_.LogAddLine(kStart + path);
  if (!runner_.DjvusedPresent()) {
    frontEnd_.ShowMessage(DjvusedRunner::kMissingMessage);
    return Outcome::Stopped;
  }

  runner_.RunDump(path, DumpUse::Annotations, [this] { frontEnd_.LogAppend(kDumping); });
  frontEnd_.LogAppend(kDone);

  LogStep(kMeasuring);
  const QString dump = runner_.TempPath(DjvusedRunner::kDumpFile);
  std::optional<align::PageTable> table = align::MeasurePages(dump);
  if (!table) {
    for (const QString& line : kUnrecognizedLines) frontEnd_.LogAddLine(line);
    return Outcome::Stopped;
  }
  frontEnd_.LogAppend(kDone);

  LogStep(kRewriting);
  align::RewritePages(dump, runner_.TempPath(DjvusedRunner::kScriptFile), *table);
  frontEnd_.LogAppend(kDone);

  frontEnd_.LogAddLine(kApplying);
  runner_.ApplyScript(path, ScriptUse::FixScript, {DjvusedRunner::kScriptFile});
  frontEnd_.LogAppend(kDone);
  frontEnd_.LogAddLine(kFinished.arg(path));
  return Outcome::Finished;
}

void FixRun::LogStep(const QString& line) {
  frontEnd_.LogAddLine(line);
  QCoreApplication::processEvents();
}

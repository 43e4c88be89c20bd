#include "djvused/djvused_runner.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/errors.h"
#include "djvused/document_guard.h"
#include "djvused/script_dialect.h"

const QString DjvusedRunner::kBatchFile = QStringLiteral("1.bat");
const QString DjvusedRunner::kDumpFile = QStringLiteral("myfile.dsed");
const QString DjvusedRunner::kScriptFile = QStringLiteral("myfile1.dsed");
const QString DjvusedRunner::kPageListFile = QStringLiteral("myfile2.dsed");
const QString DjvusedRunner::kBackupSuffix = QStringLiteral(".backup");
const QString DjvusedRunner::kMissingMessage = QStringLiteral("Файл djvused.exe не найден");

namespace {

#ifdef Q_OS_WIN
const QString kProgramName = QStringLiteral("djvused.exe");
#else
const QString kProgramName = QStringLiteral("djvused");
#endif

const char* DumpCommand(DumpUse use) {
  switch (use) {
    case DumpUse::Annotations: return "output-ant";
    case DumpUse::PageList: return "ls";
    case DumpUse::HiddenText: return "output-txt";
  }
  return "";
}

}  // namespace

DjvusedRunner::DjvusedRunner(const QString& workFolder, const QString& programFolder)
    : workFolder_(workFolder), programFolder_(programFolder) {}

QString DjvusedRunner::TempPath(const QString& name) const { return QDir(workFolder_).filePath(name); }

QString DjvusedRunner::DumpFileOf(DumpUse use) {
  return use == DumpUse::PageList ? kPageListFile : kDumpFile;
}

QString DjvusedRunner::ScriptFileOf(ScriptUse use) {
  return use == ScriptUse::FixScript ? kDumpFile : kScriptFile;
}

bool DjvusedRunner::DjvusedPresent() {
  const QFileInfo local(QDir(programFolder_).filePath(kProgramName));
  if (!programFolder_.isEmpty() && local.isFile() && local.isExecutable()) {
    djvused_ = local.absoluteFilePath();
  } else {
    djvused_ = QStandardPaths::findExecutable(kProgramName);
  }
  return !djvused_.isEmpty();
}

void DjvusedRunner::BackupCopy(const QString& longPath) {
  // Written beside the backup and renamed over it only when complete, so a
  // copy that fails half-way never costs the older backup.
  const QString target = longPath + kBackupSuffix;
  QFile source(longPath);
  QSaveFile backup(target);
  const auto fail = [&](const QString& why) {
    throw IoError(QStringLiteral("Не удалось создать резервную копию %1: %2").arg(target, why));
  };
  if (!source.open(QIODevice::ReadOnly)) fail(source.errorString());
  if (!backup.open(QIODevice::WriteOnly)) fail(backup.errorString());
  QByteArray chunk;
  while (!(chunk = source.read(1 << 20)).isEmpty()) {
    if (backup.write(chunk) != chunk.size()) fail(backup.errorString());
  }
  if (source.error() != QFile::NoError) fail(source.errorString());
  if (!backup.commit()) fail(backup.errorString());
}

QString DjvusedRunner::ShortPathOf(const QString& longPath) {
  return QFileInfo(longPath).isFile() ? longPath : QString();
}

void DjvusedRunner::DropTempFile(const QString& name) {
  const QString path = TempPath(name);
  if (QFileInfo::exists(path) && !QFile::remove(path)) {
    throw IoError(QStringLiteral("Не удалось удалить временный файл %1").arg(path));
  }
}

QString DjvusedRunner::DocumentArgument(const QString& path) const {
  // djvused takes the first argument that does not start with "-" as the document.
  return path.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + path : path;
}

void DjvusedRunner::WriteBatch(const QStringList& lines) {
  dialect::LineWriter batch(TempPath(kBatchFile));
  for (const QString& line : lines) batch.WriteLine(line.toLocal8Bit());
  batch.Close();
}

DjvusedRunner::Outcome DjvusedRunner::Run(const QStringList& arguments, const QString& stdoutFile,
                                          const std::function<void()>& started) {
  if (djvused_.isEmpty() && !DjvusedPresent()) throw DjvusedError(kMissingMessage);
  Outcome outcome;
  QProcess process;
  process.setProgram(djvused_);
  process.setArguments(arguments);
  process.setWorkingDirectory(workFolder_);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));  // Cyrillic paths fail in the C locale
  process.setProcessEnvironment(env);
  if (!stdoutFile.isEmpty()) process.setStandardOutputFile(stdoutFile, QIODevice::Truncate);

  QEventLoop loop;
  bool done = false;
  QObject::connect(&process, &QProcess::finished, &loop, [&] { done = true; loop.quit(); });
  QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) { done = true; loop.quit(); }
  });
  cancelled_ = false;
  process_ = &process;
  process.start();
  if (!done) {
    if (started) started();
    if (!done) loop.exec();
  }
  process_ = nullptr;

  outcome.started = process.error() != QProcess::FailedToStart;
  outcome.status = process.exitStatus();
  outcome.exitCode = process.exitCode();
  outcome.errorText = outcome.started ? QString::fromUtf8(process.readAllStandardError()).trimmed()
                                      : process.errorString();
  if (stdoutFile.isEmpty()) outcome.output = process.readAllStandardOutput();
  return outcome;
}

void DjvusedRunner::Check(const Outcome& outcome, const QString& what) const {
  if (!outcome.started) {
    throw DjvusedError(QStringLiteral("Не удалось запустить djvused (%1): %2").arg(what, outcome.errorText));
  }
  if (cancelled_) throw DjvusedError(QStringLiteral("Работа djvused прервана (%1)").arg(what));
  if (outcome.status == QProcess::CrashExit) {
    throw DjvusedError(QStringLiteral("djvused завершился аварийно (%1)%2")
                           .arg(what, outcome.errorText.isEmpty() ? QString() : QStringLiteral(":\n") + outcome.errorText));
  }
  if (outcome.exitCode != 0) {
    throw DjvusedError(QStringLiteral("Ошибка djvused (%1, код %2)%3")
                           .arg(what)
                           .arg(outcome.exitCode)
                           .arg(outcome.errorText.isEmpty() ? QString() : QStringLiteral(":\n") + outcome.errorText));
  }
}

namespace {

// djvused opens the annotation and the hidden-text dumps with a line that
// clears the whole document and ends every page's data with a line ".". A dump
// that lacks either was cut off or replaced by other output even though
// djvused exited 0; applied as a script it would clear the pages after the cut.
bool DumpLooksWhole(const QString& path, const QByteArray& firstLine) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray head = file.readLine();
  while (head.endsWith('\n') || head.endsWith('\r')) head.chop(1);
  if (head != firstLine) return false;
  if (file.atEnd()) return true;  // no page has this layer
  const qint64 tailSize = qMin<qint64>(file.size(), 64);
  file.seek(file.size() - tailSize);
  QByteArray tail = file.read(tailSize);
  while (tail.endsWith('\n') || tail.endsWith('\r')) tail.chop(1);
  return tail.endsWith("\n.") || tail.endsWith("\r.");
}

}  // namespace

void DjvusedRunner::RunDump(const QString& shortPath, DumpUse use, const std::function<void()>& started) {
  if (shortPath.isEmpty()) throw InputError(QStringLiteral("Файл не найден"));
  const QString dump = DumpFileOf(use);
  const QString command = QString::fromLatin1(DumpCommand(use));
  WriteBatch({QStringLiteral("djvused %1 -e %2 > %3").arg(shortPath, command, dump)});
  const Outcome outcome =
      Run({DocumentArgument(shortPath), QStringLiteral("-e"), command}, TempPath(dump), started);
  Check(outcome, QStringLiteral("-e ") + command);
  const QByteArray firstLine = use == DumpUse::Annotations ? QByteArrayLiteral("select; remove-ant")
                                                           : QByteArrayLiteral("select; remove-txt");
  if (use != DumpUse::PageList && !DumpLooksWhole(TempPath(dump), firstLine)) {
    throw DjvusedError(QStringLiteral("Вывод djvused -e %1 для %2 неполный или повреждён").arg(command, shortPath));
  }
}

namespace {

int CountFromOutput(const QByteArray& output, bool* ok) {
  const qsizetype end = output.indexOf('\n');
  return output.left(end < 0 ? output.size() : end).trimmed().toInt(ok);
}

}  // namespace

int DjvusedRunner::PageCount(const QString& shortPath) {
  const Outcome outcome = Run({DocumentArgument(shortPath), QStringLiteral("-e"), QStringLiteral("n")}, {}, {});
  Check(outcome, QStringLiteral("-e n"));
  bool ok = false;
  const int pages = CountFromOutput(outcome.output, &ok);
  if (!ok) throw DjvusedError(QStringLiteral("djvused не сообщил число страниц документа %1").arg(shortPath));
  return pages;
}

int DjvusedRunner::CheckedPageCount(const QString& shortPath) {
  const QString command = QStringLiteral("n; dump");
  const Outcome outcome = Run({DocumentArgument(shortPath), QStringLiteral("-e"), command}, {}, {});
  Check(outcome, QStringLiteral("-e '%1'").arg(command));
  bool ok = false;
  const int pages = CountFromOutput(outcome.output, &ok);
  if (!ok) throw DjvusedError(QStringLiteral("djvused не сообщил число страниц документа %1").arg(shortPath));
  return pages;
}

void DjvusedRunner::ApplyScript(const QString& shortPath, ScriptUse use, const QStringList& dropAfterStart,
                                int expectedPages) {
  if (shortPath.isEmpty()) throw InputError(QStringLiteral("Файл не найден"));
  const QString script = ScriptFileOf(use);
  WriteBatch({QStringLiteral("djvused %1 -f %2 -s").arg(shortPath, script), QStringLiteral("del ") + script});
  if (expectedPages < 0) expectedPages = PageCount(shortPath);

  DocumentGuard guard(shortPath);  // the original bytes, kept until the save is known good
  const Outcome outcome =
      Run({DocumentArgument(shortPath), QStringLiteral("-f"), script, QStringLiteral("-s")}, {}, [&] {
        for (const QString& name : dropAfterStart) QFile::remove(TempPath(name));
      });
  QFile::remove(TempPath(script));  // what the batch's "del" line does, whatever the outcome

  QString failure;
  try {
    Check(outcome, QStringLiteral("-f ") + script + QStringLiteral(" -s"));
    const int pages = CheckedPageCount(shortPath);
    if (pages != expectedPages) {
      failure = QStringLiteral("После сохранения документ %1 содержит %2 стр. вместо %3")
                    .arg(shortPath)
                    .arg(pages)
                    .arg(expectedPages);
    }
  } catch (const DjvusedError& e) {
    failure = e.Message();
  }
  if (!failure.isEmpty()) {
    guard.Restore();  // throws IoError naming the safety copy when it cannot
    throw DjvusedError(failure + QStringLiteral("\nДокумент оставлен без изменений."));
  }
  guard.Release();
  QFile::remove(TempPath(kBatchFile));
}

void DjvusedRunner::Cancel() {
  if (process_) {
    cancelled_ = true;
    process_->kill();
  }
}

#include "djvused/djvused_runner.h"

#include "djvused/djvused_message.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>


#include "core/errors.h"
#include "djvused/book_backup.h"
#include "djvused/component_list.h"
#include "djvused/script_dialect.h"

const QString DjvusedRunner::kBatchFile = QStringLiteral("1.bat");
const QString DjvusedRunner::kDumpFile = QStringLiteral("myfile.dsed");
const QString DjvusedRunner::kScriptFile = QStringLiteral("myfile1.dsed");
const QString DjvusedRunner::kPageListFile = QStringLiteral("myfile2.dsed");
const QString DjvusedRunner::kBackupSuffix = QStringLiteral(".backup");

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

QString DjvusedRunner::FindProgram(const QString& programFolder, const QString& name) {
  const QFileInfo local(QDir(programFolder).filePath(name));
  if (!programFolder.isEmpty() && local.isFile() && local.isExecutable()) return local.absoluteFilePath();
  return QStandardPaths::findExecutable(name);
}

bool DjvusedRunner::DjvusedPresent() {
  djvused_ = FindProgram(programFolder_, kProgramName);
  return !djvused_.isEmpty();
}

QString DjvusedRunner::MissingMessage() {
  return QCoreApplication::translate("DjvusedRunner", "Файл djvused.exe не найден");
}

QString DjvusedRunner::BackupCopy(const QString& longPath) {
  // Which files make the book is djvused's to say; without djvused nothing
  // will be saved, and the file itself is kept.
  QList<QByteArray> files;
  if (DjvusedPresent()) {
    const QList<ComponentLine> components = ReadComponentList(ComponentListText(longPath));
    if (WorkCopy::IsIndirect(longPath, components)) {
      for (const ComponentLine& component : components) {
        if (!files.contains(component.fileName)) files << component.fileName;
      }
    }
  }
  return backup::Make(longPath, files);
}

QString DjvusedRunner::ShortPathOf(const QString& longPath) {
  return QFileInfo(longPath).isFile() ? longPath : QString();
}

void DjvusedRunner::DropTempFile(const QString& name) {
  const QString path = TempPath(name);
  if (QFileInfo::exists(path) && !QFile::remove(path)) {
    throw IoError(QCoreApplication::translate("DjvusedRunner", "Не удалось удалить временный файл %1").arg(path));
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
                                          const std::function<void()>& started,
                                          const std::function<void(const QByteArray&)>& take) {
  if (djvused_.isEmpty() && !DjvusedPresent()) throw DjvusedError(MissingMessage());
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
  if (take) {
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop,
                     [&] { take(process.readAllStandardOutput()); });
  }
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
  if (take) {
    take(process.readAllStandardOutput());
  } else if (stdoutFile.isEmpty()) {
    outcome.output = process.readAllStandardOutput();
  }
  return outcome;
}

namespace {

// djvused could not open or decode the document as DjVu: its library's
// exceptions end with a trace line naming their source ("*** (IFFByteStream.cpp:248)").
// A file the system would not let it read is not counted.
bool ReadFailedOnContent(const QString& errorText) {
  static const QRegularExpression trace(QStringLiteral(R"(^\*\*\* \(\w+\.cpp:\d+\)$)"),
                                        QRegularExpression::MultilineOption);
  return errorText.contains(trace) && !errorText.contains(QLatin1String("Permission denied"));
}

}  // namespace

void DjvusedRunner::Check(const Outcome& outcome, const QString& what, const QString& document) const {
  if (!outcome.started) {
    throw DjvusedError(QCoreApplication::translate("DjvusedRunner", "Не удалось запустить djvused (%1): %2")
                           .arg(what, outcome.errorText));
  }
  if (cancelled_) {
    throw DjvusedError(QCoreApplication::translate("DjvusedRunner", "Работа djvused прервана (%1)").arg(what));
  }
  if (outcome.status == QProcess::CrashExit) {
    throw DjvusedError(
        QCoreApplication::translate("DjvusedRunner", "djvused завершился аварийно (%1)%2")
            .arg(what, outcome.errorText.isEmpty() ? QString() : QStringLiteral(":\n") + DjvusedMessage(outcome.errorText)));
  }
  if (outcome.exitCode != 0) {
    const QString notDjvu = !document.isEmpty() && ReadFailedOnContent(outcome.errorText)
                                ? NotDjvuLine(document) + QLatin1Char('\n')
                                : QString();
    throw DjvusedError(notDjvu +
                       QCoreApplication::translate("DjvusedRunner", "Ошибка djvused (%1, код %2)%3")
                           .arg(what, QString::number(outcome.exitCode),
                                outcome.errorText.isEmpty() ? QString() : QStringLiteral(":\n") + DjvusedMessage(outcome.errorText)));
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
  if (shortPath.isEmpty()) throw InputError(QCoreApplication::translate("DjvusedRunner", "Файл не найден"));
  const QString dump = DumpFileOf(use);
  const QString command = QString::fromLatin1(DumpCommand(use));
  WriteBatch({QStringLiteral("djvused %1 -e %2 > %3").arg(shortPath, command, dump)});
  const Outcome outcome =
      Run({DocumentArgument(shortPath), QStringLiteral("-e"), command}, TempPath(dump), started);
  Check(outcome, QStringLiteral("-e ") + command, shortPath);
  const QByteArray firstLine = use == DumpUse::Annotations ? QByteArrayLiteral("select; remove-ant")
                                                           : QByteArrayLiteral("select; remove-txt");
  if (use != DumpUse::PageList && !DumpLooksWhole(TempPath(dump), firstLine)) {
    throw DjvusedError(QCoreApplication::translate("DjvusedRunner", "Вывод djvused -e %1 для %2 неполный или повреждён")
                           .arg(command, shortPath));
  }
}

void DjvusedRunner::RunPagesDump(const QString& shortPath, const QByteArray& commands,
                                 const std::function<void()>& started) {
  if (shortPath.isEmpty()) throw InputError(QCoreApplication::translate("DjvusedRunner", "Файл не найден"));
  const QString text = QString::fromLatin1(commands);
  WriteBatch({QStringLiteral("djvused %1 -e '%2' > %3").arg(shortPath, text, kDumpFile)});
  const Outcome outcome = Run({DocumentArgument(shortPath), QStringLiteral("-e"), text}, TempPath(kDumpFile), started);
  Check(outcome, QStringLiteral("-e 'select …; output-txt; output-ant'"), shortPath);
}

namespace {

int CountFromOutput(const QByteArray& output, bool* ok) {
  const qsizetype end = output.indexOf('\n');
  return output.left(end < 0 ? output.size() : end).trimmed().toInt(ok);
}

}  // namespace

QByteArray DjvusedRunner::CommandsOutput(const QString& shortPath, const QByteArray& commands) {
  const QString text = QString::fromLatin1(commands);
  const Outcome outcome = Run({DocumentArgument(shortPath), QStringLiteral("-e"), text}, {}, {});
  Check(outcome, QStringLiteral("-e 'select …; output-txt'"), shortPath);
  return outcome.output;
}

int DjvusedRunner::PageCount(const QString& shortPath) {
  const Outcome outcome = Run({DocumentArgument(shortPath), QStringLiteral("-e"), QStringLiteral("n")}, {}, {});
  Check(outcome, QStringLiteral("-e n"), shortPath);
  bool ok = false;
  const int pages = CountFromOutput(outcome.output, &ok);
  if (!ok) {
    throw DjvusedError(
        QCoreApplication::translate("DjvusedRunner", "djvused не сообщил число страниц документа %1").arg(shortPath));
  }
  return pages;
}

void DjvusedRunner::StreamPageListAndText(const QString& shortPath,
                                          const std::function<void(const QByteArray&)>& take) {
  const Outcome outcome =
      Run({DocumentArgument(shortPath), QStringLiteral("-e"), QStringLiteral("ls; output-txt")}, {}, {}, take);
  Check(outcome, QStringLiteral("-e 'ls; output-txt'"), shortPath);
}


QByteArray DjvusedRunner::ComponentListText(const QString& shortPath) {
  const Outcome outcome = Run({DocumentArgument(shortPath), QStringLiteral("-e"), QStringLiteral("ls")}, {}, {});
  Check(outcome, QStringLiteral("-e ls"), shortPath);
  return outcome.output;
}

namespace {

// djvused cannot save a bundled document holding a component of 16 MiB or
// more: it writes a broken file and exits 0. Keep this far below the limit.
constexpr qint64 kComponentLimit = qint64(1) << 24;
constexpr qint64 kLimitMargin = 64 * 1024;

// One "FORM:XXXX [N]" line of djvused's "dump": its indentation and N.
bool FormLine(QByteArrayView line, int* indent, qint64* size) {
  qsizetype i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  if (!dialect::Mid(line, i).startsWith("FORM:")) return false;
  const qsizetype open = line.indexOf('[', i);
  const qsizetype close = open < 0 ? -1 : line.indexOf(']', open);
  if (close < 0) return false;
  bool ok = false;
  *size = line.sliced(open + 1, close - open - 1).toByteArray().toLongLong(&ok);
  *indent = int(i);
  return ok;
}

}  // namespace

void DjvusedRunner::RefuseLargeComponents(const QString& shortPath, qint64 growth) {
  const qint64 limit = kComponentLimit - kLimitMargin - growth;
  if (QFileInfo(shortPath).size() < limit) return;  // no component can be that large
  const Outcome outcome = Run({DocumentArgument(shortPath), QStringLiteral("-e"), QStringLiteral("dump")}, {}, {});
  Check(outcome, QStringLiteral("-e dump"), shortPath);
  int indent = 0;
  qint64 size = 0;
  for (const QByteArrayView line : dialect::SplitLines(outcome.output)) {
    if (!FormLine(line, &indent, &size) || indent != 4) continue;
    if (size + 8 >= limit) {
      throw InputError(QCoreApplication::translate(
                           "DjvusedRunner",
                           "В документе %1 есть часть размером %2 байт. djvused не может сохранить "
                           "документ с частью от 16 МиБ: он записал бы испорченный файл. Документ не изменён.")
                           .arg(shortPath, QString::number(size + 8)));
    }
  }
}

void DjvusedRunner::CheckSavedCopy(const WorkCopy& copy, const QList<ComponentLine>& components, int pages) {
  // "dump" walks every chunk, so a cut-off file fails where "-e n" alone,
  // which reads only the directory, would not. An indirect document's files
  // are walked one by one.
  QString commands = QStringLiteral("n; dump");
  if (copy.Indirect()) {
    for (const ComponentLine& component : components) {
      commands += QStringLiteral("; select %1; dump").arg(QString::fromLatin1(dialect::Quote(component.name)));
    }
  }
  const QString path = copy.DocumentPath();
  const Outcome outcome = Run({DocumentArgument(path), QStringLiteral("-e"), commands}, {}, {});
  Check(outcome, QStringLiteral("-e 'n; dump'"));
  const QList<QByteArrayView> lines = dialect::SplitLines(outcome.output);
  bool ok = false;
  const int count = lines.isEmpty() ? -1 : lines.first().trimmed().toByteArray().toInt(&ok);
  if (!ok) {
    throw DjvusedError(
        QCoreApplication::translate("DjvusedRunner", "djvused не сообщил число страниц документа %1").arg(path));
  }
  if (count != pages) {
    throw DjvusedError(
        QCoreApplication::translate("DjvusedRunner", "После сохранения документ содержит %1 стр. вместо %2")
            .arg(count)
            .arg(pages));
  }
  // Every form's size against the file that holds it: the whole document's
  // first, then (indirect) each component's, in the order they were selected.
  QList<qint64> forms;
  int indent = 0;
  qint64 size = 0;
  for (const QByteArrayView line : lines) {
    if (!FormLine(line, &indent, &size)) continue;
    if (size + 8 >= kComponentLimit) {
      throw DjvusedError(QCoreApplication::translate(
                             "DjvusedRunner", "После сохранения часть документа занимает %1 байт (16 МиБ и более)")
                             .arg(size + 8));
    }
    if (indent == 2) forms << size;
  }
  QStringList files{path};
  if (copy.Indirect()) {
    for (const ComponentLine& component : components) files << copy.CopiedFile(component.fileName);
  }
  if (forms.size() != files.size()) {
    throw DjvusedError(
        QCoreApplication::translate("DjvusedRunner", "После сохранения djvused не смог прочитать все части документа"));
  }
  // A single-page file is shown as a one-page bundle whose sizes are not the
  // file's: only walking it whole counts there.
  const bool singlePage = !copy.Indirect() && components.size() == 1;
  for (qsizetype i = 0; i < files.size() && !singlePage; ++i) {
    // "AT&T", "FORM" and the four bytes of the size stand before the form's data.
    if (forms[i] + 12 != QFileInfo(files[i]).size()) {
      throw DjvusedError(
          QCoreApplication::translate(
              "DjvusedRunner", "После сохранения файл %1 не совпадает с собственным оглавлением (%2 байт вместо %3)")
              .arg(files[i], QString::number(QFileInfo(files[i]).size()), QString::number(forms[i] + 12)));
    }
  }
}

void DjvusedRunner::ApplyScript(const QString& shortPath, ScriptUse use, const QStringList& dropAfterStart,
                                const BookState& read, QByteArray componentList, qint64 growth) {
  if (shortPath.isEmpty()) throw InputError(QCoreApplication::translate("DjvusedRunner", "Файл не найден"));
  const QString script = ScriptFileOf(use);
  const auto dropScript = [&] {
    QFile::remove(TempPath(script));  // what the batch's "del" line does, whatever the outcome
  };
  try {
    if (componentList.isEmpty()) componentList = ComponentListText(shortPath);
    const QList<ComponentLine> components = ReadComponentList(componentList);
    int pages = 0;
    for (const ComponentLine& component : components) pages += component.type == 'P' ? 1 : 0;
    if (BookState::Of(shortPath) != read) {
      throw InputError(
          QCoreApplication::translate("DjvusedRunner",
                                      "Документ %1 изменён другой программой после того, как был прочитан; "
                                      "изменения не записаны, запустите снова.")
              .arg(shortPath));
    }
    if (!WorkCopy::IsIndirect(shortPath, components)) RefuseLargeComponents(shortPath, growth);

    WorkCopy copy(shortPath, components);
    WriteBatch({QStringLiteral("djvused %1 -f %2 -s").arg(copy.DocumentPath(), script), QStringLiteral("del ") + script});
    const Outcome outcome =
        Run({DocumentArgument(copy.DocumentPath()), QStringLiteral("-f"), script, QStringLiteral("-s")}, {}, [&] {
          for (const QString& name : dropAfterStart) QFile::remove(TempPath(name));
        });
    dropScript();
    try {
      Check(outcome, QStringLiteral("-f ") + script + QStringLiteral(" -s"));
      CheckSavedCopy(copy, components, pages);
    } catch (const DjvusedError& e) {
      throw DjvusedError(
          QCoreApplication::translate("DjvusedRunner", "%1\nДокумент оставлен без изменений.").arg(e.Message()));
    }
    copy.Commit();
  } catch (...) {
    dropScript();
    for (const QString& name : dropAfterStart) QFile::remove(TempPath(name));
    throw;
  }
  QFile::remove(TempPath(kBatchFile));
}

void DjvusedRunner::Cancel() {
  if (process_) {
    cancelled_ = true;
    process_->kill();
  }
}

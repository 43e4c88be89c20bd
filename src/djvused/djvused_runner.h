#pragma once
// The one component through which both jobs run djvused. It writes the batch
// file "1.bat" with the command lines of each use (the record of what runs),
// then runs the same command itself as a child process with an argument list,
// never through a shell, and waits for its end in a local event loop so the
// windows stay responsive. Every outcome is checked: a failure is a
// DjvusedError with djvused's own error text. A script is applied to a copy
// of the book, which replaces the book only once it is checked.
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

#include "djvused/work_copy.h"

enum class DumpUse {
  Annotations,  // "-e output-ant > myfile.dsed" (fix job)
  PageList,     // "-e ls > myfile2.dsed" (create job)
};

enum class ScriptUse {
  FixScript,     // "-f myfile.dsed -s" (fix job)
  CreateScript,  // "-f myfile1.dsed -s" (create job)
};

class DjvusedRunner {
 public:
  static const QString kBatchFile;        // "1.bat"
  static const QString kDumpFile;         // "myfile.dsed"
  static const QString kScriptFile;       // "myfile1.dsed"
  static const QString kPageListFile;     // "myfile2.dsed"
  static const QString kBackupSuffix;     // ".backup"
  static QString MissingMessage();        // "Файл djvused.exe не найден"

  // workFolder: where the batch file and the temporary files live.
  // programFolder: searched first for djvused, before the PATH.
  DjvusedRunner(const QString& workFolder, const QString& programFolder);

  const QString& WorkFolder() const { return workFolder_; }
  QString TempPath(const QString& name) const;

  // True when djvused is in the program folder or on the PATH.
  bool DjvusedPresent();
  // A DjVuLibre program: in the program folder when it is there, else on
  // the PATH; empty when neither has it.
  static QString FindProgram(const QString& programFolder, const QString& name);

  // Backs the whole document up (book_backup.h) and returns the backup's
  // path. Throws IoError when the copy cannot be made.
  QString BackupCopy(const QString& longPath);
  // There are no short names here: the path itself when the file exists,
  // otherwise the empty text.
  static QString ShortPathOf(const QString& longPath);

  // Runs one dump use; returns when djvused has ended and the dump file is
  // complete. `started` runs right after djvused has been started.
  void RunDump(const QString& shortPath, DumpUse use, const std::function<void()>& started = {});

  // Runs "-e COMMANDS > myfile.dsed": the create run's read of the chosen
  // pages. Returns when djvused has ended.
  void RunPagesDump(const QString& shortPath, const QByteArray& commands, const std::function<void()>& started = {});

  // Runs one script use and saves the document, safely: djvused saves a
  // copy of the book (WorkCopy), the copy is checked by walking every
  // component, and only then takes the book's place. Right after the start it
  // drops the named temporary files; when djvused has ended it deletes the
  // script and "1.bat". `read` is the book as it was when its dumps were read:
  // a book changed since is not written. `componentList` is the book's "-e ls"
  // output if the caller has it (otherwise it is asked of djvused first).
  // `growth` is how many bytes the script may add to a page. Throws
  // DjvusedError (the book unchanged) when the save fails its check,
  // InputError when the book changed or cannot be saved by djvused at all.
  void ApplyScript(const QString& shortPath, ScriptUse use, const QStringList& dropAfterStart, const BookState& read,
                   QByteArray componentList = {}, qint64 growth = 0);

  // The output of "-e COMMANDS", kept in memory and not recorded in "1.bat":
  // the create run's reads of a few pages outside its range.
  QByteArray CommandsOutput(const QString& shortPath, const QByteArray& commands);

  // The output of "-e ls".
  QByteArray ComponentListText(const QString& shortPath);

  // The document's page count ("-e n").
  int PageCount(const QString& shortPath);
  // Runs "-e 'ls; output-txt'" on the whole document (the component list,
  // then the hidden-text dump from its line "select; remove-txt" on) and
  // hands its output to `take` piece by piece while djvused still writes, so
  // the caller reads pages while later ones are dumped. Returns when djvused
  // has ended.
  void StreamPageListAndText(const QString& shortPath, const std::function<void(const QByteArray&)>& take);

  // Deletes a temporary file of the work folder if it exists.
  void DropTempFile(const QString& name);

  // Stops the djvused that runs now; its wait ends with a DjvusedError and a
  // script's document is restored. Used when the program is closed mid-job.
  void Cancel();
  bool Running() const { return !process_.isNull(); }

  static QString DumpFileOf(DumpUse use);
  static QString ScriptFileOf(ScriptUse use);

 private:
  struct Outcome {
    bool started = false;
    QProcess::ExitStatus status = QProcess::NormalExit;
    int exitCode = 0;
    QString errorText;  // djvused's standard error, or why it did not start
    QByteArray output;  // standard output when not sent to a file
  };

  // `take`, when given, receives standard output as it arrives.
  Outcome Run(const QStringList& arguments, const QString& stdoutFile,
              const std::function<void()>& started, const std::function<void(const QByteArray&)>& take = {});
  void WriteBatch(const QStringList& lines);
  void RefuseLargeComponents(const QString& shortPath, qint64 growth);
  void CheckSavedCopy(const WorkCopy& copy, const QList<ComponentLine>& components, int pages);
  // Throws DjvusedError for a failed run. `document`: the book this run read;
  // when djvused could not read it as DjVu, the message says so first.
  void Check(const Outcome& outcome, const QString& what, const QString& document = QString()) const;
  QString DocumentArgument(const QString& path) const;

  QString workFolder_;
  QString programFolder_;
  QString djvused_;
  QPointer<QProcess> process_;
  bool cancelled_ = false;
};

// The save under a full disk, a kill and a book changed in between; backups
// of the whole book that never replace one another; books the user may not
// write; locks left behind; the command line's leftover work folders. Every
// case runs quillmark-cli on real books. A full disk is a small tmpfs where
// the test may mount one; the failure of one chosen write (or a kill right
// after it) is made by the preloaded write_faults library.
#include <QCryptographicHash>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include "djvused/book_lock.h"
#include "djvused/work_copy.h"
#include "support/cli_process.h"
#include "support/djvu_documents.h"
#include "support/link_areas.h"
#include "support/save_books.h"
#include "support/stand_in_djvused.h"

using namespace testdocs;

namespace {

QString Said(const CliRun& run) { return QString::fromUtf8(run.out + run.err); }

// The temporary name a file of the book is written under before its rename.
QString TempNameOf(const QString& fileName) {
  return ".quillmark-new-" +
         QString::fromLatin1(QCryptographicHash::hash(fileName.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QMap<QString, QString> Fault(const QString& kind, const QString& pattern, int after) {
  const QString library = qEnvironmentVariable("QUILLMARK_WRITE_FAULTS");
  if (library.isEmpty()) qFatal("QUILLMARK_WRITE_FAULTS is not set (run the tests through ctest)");
  return {{"LD_PRELOAD", library}, {"QUILLMARK_FAULT", kind}, {"QUILLMARK_FAULT_PATH", pattern},
          {"QUILLMARK_FAULT_AFTER", QString::number(after)}};
}

// The book's own files (as listed before the run) and their bytes now.
QMap<QString, QByteArray> Now(const QString& folder, const QMap<QString, QByteArray>& before) {
  QMap<QString, QByteArray> now;
  for (const QString& name : before.keys()) now[name] = ReadFile(QDir(folder).filePath(name));
  return now;
}

QStringList Hidden(const QString& folder) {
  return QDir(folder).entryList({".*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A bundled book with a second name, or an indirect one; returns the book.
QString BuildBook(const QString& kind, const QString& folder, const QString& scratch) {
  QDir().mkpath(folder);
  if (kind == "indirect") {
    const QString bundled = QDir(scratch).filePath(QFileInfo(folder).fileName() + ".djvu");
    BuildDocument(bundled, ContentsBook());
    return MakeIndirect(bundled, folder);
  }
  const QString book = QDir(folder).filePath("book.djvu");
  BuildDocument(book, ContentsBook());
  if (::link(QFile::encodeName(book).constData(), QFile::encodeName(QDir(folder).filePath("other name.djvu")).constData()) != 0) {
    qFatal("link failed");
  }
  return book;
}

bool Mount(const QString& folder, const QString& size) {
  QDir().mkpath(folder);
  return ::geteuid() == 0 && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", folder}) == 0;
}

}  // namespace

class SaveFaultsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QVERIFY(dir_.isValid()); }
  void cleanupTestCase();
  void FullDiskDuringTheCopyBack_data();
  void FullDiskDuringTheCopyBack();
  void KilledDuringTheCopyBack_data();
  void KilledDuringTheCopyBack();
  void BackupIsTheWholeBookAndNeverReplaced();
  void WriteProtectedBookIsRefused_data();
  void WriteProtectedBookIsRefused();
  void LocksLeftBehind_data();
  void LocksLeftBehind();
  void OddNames();
  void LeftoverWorkFoldersRemoved();

 private:
  QString Folder(const QString& name) { return dir_.filePath(name + " " + QTest::currentDataTag()); }
  QTemporaryDir dir_;
  QStringList mounted_;
};

void SaveFaultsTest::cleanupTestCase() {
  for (const QString& folder : mounted_) QProcess::execute("umount", {folder});
}

void SaveFaultsTest::FullDiskDuringTheCopyBack_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<bool>("tmpfs");
  for (const char* kind : {"indirect", "hard-linked"}) {
    QTest::newRow(QByteArray(kind) + ", the disk full before the copy back") << kind << true;
    QTest::newRow(QByteArray(kind) + ", a write fails half-way") << kind << false;
  }
}

void SaveFaultsTest::FullDiskDuringTheCopyBack() {
  QFETCH(QString, kind);
  QFETCH(bool, tmpfs);
  const QString folder = Folder("full");
  if (tmpfs) {
    if (!Mount(folder, "2m")) QSKIP("tmpfs cannot be mounted here; the failing-write rows cover the copy back");
    mounted_ << folder;
  }
  const QString book = BuildBook(kind, folder, dir_.path());
  const QMap<QString, QByteArray> before = FilesOf(folder);
  const QStringList run{"create", "--pages", "2-2", "--outline", book};

  CliRun failed;
  if (tmpfs) {
    // djvused saves, then another program takes the rest of the disk.
    const QString program = WriteStandInDjvused(Folder("filling program"),
                                                "    \"$REAL\" \"$@\" || exit $?; head -c 64M /dev/zero > \"$FILLER\"; exit 0");
    QFile::copy(qEnvironmentVariable("QUILLMARK_CLI"), QDir(program).filePath("quillmark-cli"));
    failed = CliWith(run, {{"FILLER", QDir(folder).filePath("filler")}}, QDir(program).filePath("quillmark-cli"));
  } else {
    // An indirect book's index fails after its contents page is in place;
    // a hard-linked book's own file, written in place, fails half-way.
    const QString pattern = kind == "indirect" ? "*/" + TempNameOf("index.djvu") : QFileInfo(book).canonicalFilePath();
    failed = CliWith(run, Fault("enospc", pattern, 40));
  }
  QCOMPARE(failed.status, 1);
  QVERIFY2(Said(failed).contains("недостаточно места на диске"), qPrintable(Said(failed)));
  QVERIFY2(!Said(failed).contains("Неизвестная ошибка"), qPrintable(Said(failed)));
  QCOMPARE(Now(folder, before), before);  // the old book, every file of it
  if (tmpfs) {
    QVERIFY2(Said(failed).contains(QRegularExpression("нужно \\d+ байт")), qPrintable(Said(failed)));
    QVERIFY(!QFileInfo::exists(WorkCopy::BaseOf(book)));  // refused before anything was written
    QFile::remove(QDir(folder).filePath("filler"));
  } else {
    QVERIFY(QFileInfo::exists(WorkCopy::BaseOf(book) + ".commit"));  // kept for the next run
  }

  const CliRun next = Cli(run);
  QVERIFY2(next.status == 0, qPrintable(Said(next)));
  QCOMPARE(Said(next).contains("завершено из копии"), !tmpfs);
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), 3);
  QVERIFY(!Djvused({book, "-e", "print-outline"}).trimmed().isEmpty());
  QCOMPARE(Hidden(folder), QStringList());
  if (kind == "hard-linked") QCOMPARE(ReadFile(QDir(folder).filePath("other name.djvu")), ReadFile(book));
}

void SaveFaultsTest::KilledDuringTheCopyBack_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<bool>("changedMeanwhile");
  QTest::newRow("indirect") << "indirect" << false;
  QTest::newRow("indirect, changed before the next run") << "indirect" << true;
  QTest::newRow("hard-linked") << "hard-linked" << false;
  QTest::newRow("hard-linked, changed before the next run") << "hard-linked" << true;
}

void SaveFaultsTest::KilledDuringTheCopyBack() {
  QFETCH(QString, kind);
  QFETCH(bool, changedMeanwhile);
  const QString folder = Folder("killed");
  const QString book = BuildBook(kind, folder, dir_.path());
  const QMap<QString, QByteArray> before = FilesOf(folder);
  const QStringList run{"create", "--pages", "2-2", "--outline", book};
  const QString pattern = kind == "indirect" ? "*/" + TempNameOf("index.djvu") : QFileInfo(book).canonicalFilePath();
  QCOMPARE(CliWith(run, Fault("kill", pattern, 40)).status, -1);

  // Written by rename, every file of the book is whole: the contents page
  // new, the index old.
  if (kind == "indirect") {
    for (const QString& name : before.keys()) QVERIFY2(Opens(QDir(folder).filePath(name)), qPrintable(name));
    QCOMPARE(LinksByPage(book).value("p2.djvu").size(), 3);
  }
  // The user adds a link on the contents page meanwhile.
  const QString edited = kind == "indirect" ? QDir(folder).filePath("p2.djvu") : book;
  if (changedMeanwhile) {
    if (kind == "hard-linked") WriteFile(book, before.value("book.djvu"));  // the user puts the old book back first
    WriteFile(dir_.filePath("user.ant"), "(maparea \"#9\" \"user\" (rect 1 2 3 4))\n");
    const QString page = kind == "indirect" ? "1" : "2";  // a page file of its own, or page 2 of the bundle
    Djvused({edited, "-e", "select " + page + "; set-ant " + dir_.filePath("user.ant"), "-s"});
  }

  const CliRun next = Cli(run);
  QVERIFY2(next.status == 0, qPrintable(Said(next)));
  if (changedMeanwhile) {
    QVERIFY2(Said(next).contains("книга изменена после прерванного сохранения: копия оставлена в " +
                                 WorkCopy::BaseOf(book) + ".kept"),
             qPrintable(Said(next)));
    QVERIFY(QFileInfo::exists(WorkCopy::BaseOf(book) + ".kept/commit"));
    QVERIFY(OutputAnt(book).contains("\"user\""));  // the user's link stays, the run's links are added
  } else {
    QVERIFY2(Said(next).contains("завершено из копии"), qPrintable(Said(next)));
    QVERIFY(!Djvused({book, "-e", "print-outline"}).trimmed().isEmpty());
  }
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), changedMeanwhile ? 4 : 3);
  QVERIFY(!QFileInfo::exists(WorkCopy::BaseOf(book)) && !QFileInfo::exists(WorkCopy::BaseOf(book) + ".commit"));
}

void SaveFaultsTest::BackupIsTheWholeBookAndNeverReplaced() {
  const QString folder = dir_.filePath("backed up");
  const QString bundled = dir_.filePath("backed up.djvu");
  BuildDocument(bundled, ContentsBook());
  const QString index = MakeIndirect(bundled, folder);
  const QByteArray text = OutputTxt(index);
  QCOMPARE(text.count("(word"), 15);

  // The run removes the hidden text; the backup still opens as the whole book.
  const CliRun first = Cli({"create", "--pages", "1-15", "--remove-ocr", "--backup", index});
  QVERIFY2(first.status == 0, qPrintable(Said(first)));
  QCOMPARE(OutputTxt(index).count("(word"), 0);
  const QString backup = index + ".backup";
  QVERIFY2(Said(first).contains("Резервная копия: " + backup), qPrintable(Said(first)));
  QCOMPARE(QDir(backup).entryList(QDir::Files).size(), 16);
  QCOMPARE(OutputTxt(QDir(backup).filePath("index.djvu")), text);
  const QMap<QString, QByteArray> kept = FilesOf(backup);

  // A later backup of the same book gets the next number.
  const CliRun second = Cli({"fix", "--backup", index});
  QVERIFY2(second.status == 0, qPrintable(Said(second)));
  QVERIFY2(Said(second).contains("Резервная копия: " + backup + ".1"), qPrintable(Said(second)));
  QCOMPARE(FilesOf(backup), kept);
  QCOMPARE(OutputTxt(QDir(backup + ".1").filePath("index.djvu")).count("(word"), 0);

  // The create run's own alignment does not back the book up again.
  const CliRun aligned = Cli({"create", "--pages", "2-2", "--align", "--backup", bundled});
  QVERIFY2(aligned.status == 0, qPrintable(Said(aligned)));
  QVERIFY(QFileInfo::exists(bundled + ".backup") && !QFileInfo::exists(bundled + ".backup.1"));
  QCOMPARE(Said(aligned).count("Резервная копия"), 1);
}

void SaveFaultsTest::WriteProtectedBookIsRefused_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("mode 444") << "bundled";
  QTest::newRow("one page of an indirect book 444") << "indirect";
  if (::geteuid() == 0) QTest::newRow("another user's, folder open to all") << "other user";
}

void SaveFaultsTest::WriteProtectedBookIsRefused() {
  QFETCH(QString, kind);
  const QString folder = Folder("protected");
  const QString book = kind == "indirect" ? BuildBook("indirect", folder, dir_.path()) : QDir(folder).filePath("book.djvu");
  QString program;
  if (kind == "indirect") {
    QVERIFY(::chmod(QFile::encodeName(QDir(folder).filePath("p2.djvu")).constData(), 0444) == 0);
  } else {
    QDir().mkpath(folder);
    BuildDocument(book, ContentsBook());
    QVERIFY(::chmod(QFile::encodeName(book).constData(), kind == "other user" ? 0644 : 0444) == 0);
  }
  const QMap<QString, QByteArray> before = FilesOf(folder);
  CliRun run;
  if (kind == "other user") {
    // The book belongs to root; "nobody" may write the folder but not the book.
    QVERIFY(::chmod(QFile::encodeName(dir_.path()).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
    run = CliWith({"--reuid=65534", "--regid=65534", "--clear-groups", qEnvironmentVariable("QUILLMARK_CLI"), "create",
                   "--pages", "2-2", book},
                  {}, "setpriv");
  } else {
    run = Cli({"create", "--pages", "2-2", book});
  }
  QCOMPARE(run.status, 1);
  QVERIFY2(Said(run).contains("файл защищён от записи"), qPrintable(Said(run)));
  QCOMPARE(FilesOf(folder), before);
  QCOMPARE(Hidden(folder), QStringList());  // no marker, no save folder, no lock
}

void SaveFaultsTest::LocksLeftBehind_data() {
  QTest::addColumn<QByteArray>("content");  // PID and APP: the process it names
  QTest::addColumn<QString>("pid");         // "gone", "this"
  QTest::addColumn<bool>("old");
  QTest::addColumn<QString>("said");
  const QByteArray host = QSysInfo::machineHostName().toUtf8();
  QTest::newRow("empty") << QByteArray() << "" << true << "Снята оставшаяся блокировка";
  // Made this moment and never written: its maker was killed in between, so
  // the run waits out the moment a live maker would need, then takes it.
  QTest::newRow("empty, just made") << QByteArray() << "" << false << "Снята оставшаяся блокировка";
  QTest::newRow("garbage") << QByteArray("\x01 not a lock\n") << "" << true << "Снята оставшаяся блокировка";
  QTest::newRow("its process gone") << "PID\nAPP\n" + host + "\n" << "gone" << false << "завершён";
  QTest::newRow("older than the process it names") << "PID\nAPP\n" + host + "\n" << "this" << true << "запущен позже";
  QTest::newRow("held") << "PID\nAPP\n" + host + "\n" << "this" << false << "другая программа";
}

void SaveFaultsTest::LocksLeftBehind() {
  QFETCH(QByteArray, content);
  QFETCH(QString, pid);
  QFETCH(bool, old);
  QFETCH(QString, said);
  const QString folder = Folder("locked");
  QDir().mkpath(folder);
  const QString book = QDir(folder).filePath("book.djvu");
  BuildDocument(book, ContentsBook());
  qint64 number = QCoreApplication::applicationPid();
  if (pid == "gone") {
    QProcess done;
    done.start("sleep", {"0.1"});
    QVERIFY(done.waitForStarted());
    number = done.processId();
    QVERIFY(done.waitForFinished());
  }
  const QString lock = BookLock::LockPathOf(book);
  WriteFile(lock, QByteArray(content)
                      .replace("PID", QByteArray::number(number))
                      .replace("APP", QCoreApplication::applicationName().toUtf8()));
  if (old) {
    const struct utimbuf times{978307200, 978307200};  // 2001
    QVERIFY(::utime(QFile::encodeName(lock).constData(), &times) == 0);
  }
  const CliRun run = Cli({"create", "--pages", "2-2", book});
  QVERIFY2(Said(run).contains(said), qPrintable(Said(run)));
  QCOMPARE(run.status, said == "другая программа" ? 1 : 0);
  QCOMPARE(QFileInfo::exists(lock), said == "другая программа");
}

void SaveFaultsTest::OddNames() {
  // A name too long for ".NAME.quillmark-lock": locked and saved in the temporary folder.
  const QString longBook = dir_.filePath(QString(240, QLatin1Char('x')) + ".djvu");
  BuildDocument(longBook, ContentsBook());
  CliRun run = Cli({"create", "--pages", "2-2", longBook});
  QVERIFY2(run.status == 0, qPrintable(Said(run)));
  QCOMPARE(LinksByPage(longBook).value("p2.djvu").size(), 3);

  // A component named with a backslash is an ordinary file of the folder.
  const QString pages = dir_.filePath("backslash pages");
  QDir().mkpath(pages);
  QStringList names;
  const QList<Page> book = ContentsBook();
  for (int i = 0; i < book.size(); ++i) {
    names << (i == 1 ? QStringLiteral("g\\h.djvu") : QStringLiteral("p%1.djvu").arg(i + 1));
    BuildDocument(QDir(pages).filePath(names.last()), {book[i]}, true);
  }
  const QString bundled = dir_.filePath("backslash.djvu");
  QProcess djvm;
  djvm.setWorkingDirectory(pages);
  djvm.start(RequireTool("djvm"), QStringList{"-c", bundled} + names);
  QVERIFY(djvm.waitForFinished() && djvm.exitCode() == 0);
  const QString index = MakeIndirect(bundled, dir_.filePath("backslash book"));
  run = Cli({"create", "--pages", "2-2", index});
  QVERIFY2(run.status == 0, qPrintable(Said(run)));
  QCOMPARE(LinksByPage(index).value("g\\\\h.djvu").size(), 3);  // the name as djvused prints it

  // One book through two names is one lock.
  const QString linked = dir_.filePath("linked.djvu"), second = dir_.filePath("second name.djvu");
  BuildDocument(linked, ContentsBook());
  QVERIFY(::link(QFile::encodeName(linked).constData(), QFile::encodeName(second).constData()) == 0);
  {
    const BookLock held(linked);
    run = Cli({"create", "--pages", "2-2", second});
    QCOMPARE(run.status, 1);
    QVERIFY2(Said(run).contains("другая программа"), qPrintable(Said(run)));
  }
  run = Cli({"create", "--pages", "2-2", second});
  QVERIFY2(run.status == 0, qPrintable(Said(run)));
}

void SaveFaultsTest::LeftoverWorkFoldersRemoved() {
  const QString temp = dir_.filePath("temp");
  QDir().mkpath(temp);
  const QString book = dir_.filePath("leftover.djvu");
  BuildDocument(book, ContentsBook());
  // A run killed while djvused works leaves its folder.
  const QString slow = WriteFaultyDjvused(dir_.filePath("slow program"), "*", "    sleep 2; exit 1");
  QFile::copy(qEnvironmentVariable("QUILLMARK_CLI"), QDir(slow).filePath("quillmark-cli"));
  QProcess killed;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("TMPDIR", temp);
  killed.setProcessEnvironment(env);
  killed.start(QDir(slow).filePath("quillmark-cli"), {"create", "--pages", "2-2", book});
  QTRY_COMPARE(QDir(temp).entryList({"quillmark-cli-*"}, QDir::Dirs).size(), 1);
  killed.kill();
  QVERIFY(killed.waitForFinished());
  const QStringList left = QDir(temp).entryList({"quillmark-cli-*"}, QDir::Dirs);
  QCOMPARE(left.size(), 1);
  // One whose run is still alive stays.
  QVERIFY(QDir(temp).mkpath("quillmark-cli-LIVE01"));
  QLockFile alive(QDir(temp).filePath("quillmark-cli-LIVE01/.in-use"));
  QVERIFY(alive.tryLock(0));

  const CliRun next = CliWith({"create", "--pages", "2-2", book}, {{"TMPDIR", temp}});
  QVERIFY2(next.status == 0, qPrintable(Said(next)));
  QCOMPARE(QDir(temp).entryList({"quillmark-cli-*"}, QDir::Dirs), QStringList{"quillmark-cli-LIVE01"});
}

QTEST_GUILESS_MAIN(SaveFaultsTest)
#include "test_save_faults.moc"

// Both jobs against a djvused that misbehaves: it fails, dies half-way, writes
// a cut-off or garbage dump, truncates the document and still exits 0, or is
// slow. Whatever it does, the run reports a clear error, does not log the file
// as finished, leaves the document byte for byte as it was, and the next run
// with the real djvused starts cleanly. While djvused is slow the event loop
// runs.
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "create/row_columns.h"

#include "align/fix_run.h"
#include "create/create_run.h"
#include "support/djvu_documents.h"
#include "support/stand_in_djvused.h"
#include "support/fix_links.h"
#include "support/link_areas.h"
#include "support/recording_front_end.h"
#include "support/save_books.h"

using namespace testdocs;

namespace {

// Page 1 with ragged links for the fix job, page 2 with one more.
QList<Page> LinkedBook() {
  using fixtest::Area;
  return {Page{{}, fixtest::Links({Area{"rect", 100, 1500, 900, 40}, Area{"rect", 130, 1400, 850, 40},
                                  Area{"rect", 95, 1300, 920, 40}})},
          Page{{}, fixtest::Links({Area{"rect", 100, 1500, 900, 40}})}};
}

CreateJob CreateRow(const QString& path) {
  CreateJob row = CreateColumns::FromColumns(QString(), {QString(), "2", "2", "0", "0", "1", "0", "000000", "000000",
                                                         "0", "0", "0", "0"})
                      .Read(1);
  row.Folder = QFileInfo(path).absolutePath() + QLatin1Char('/');
  row.FileName = QFileInfo(path).fileName();
  return row;
}

// Everything the run told the user.
QString Told(const HeadlessFrontEnd& frontEnd) {
  return (QStringList{frontEnd.Log().Text()} + frontEnd.Messages() + frontEnd.Errors()).join('\n');
}

// A dump cut after its first 300 bytes, with djvused's exit status 0.
const char* const kCutDump = "    \"$REAL\" \"$@\" | head -c 300; exit 0";
const char* const kKilledDump = "    \"$REAL\" \"$@\" | head -c 300; kill -9 $$";
const char* const kFailedDump = "    \"$REAL\" \"$@\" | head -c 300; echo '*** simulated read error' >&2; exit 10";
const char* const kGarbageDump = "    echo 'this is not what djvused writes ((('; exit 0";

}  // namespace

class FaultInjectionTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void CreateRunUnderFaults_data();
  void CreateRunUnderFaults();
  void FixRunUnderFaults_data();
  void FixRunUnderFaults();
  void SlowDjvusedKeepsTheEventLoopRunning();
  void CommandLineReportsTheFault_data();
  void CommandLineReportsTheFault();

 private:
  void AddFaults();
  void ExpectUnchangedAndClean(const QString& book, const QByteArray& before, const HeadlessFrontEnd& frontEnd,
                               const QString& message);
  QTemporaryDir dir_;
  QString work_, program_;
};

void FaultInjectionTest::init() {
  QVERIFY(dir_.isValid());
  const QString tag = QStringLiteral("%1-%2").arg(QTest::currentTestFunction()).arg(QTest::currentDataTag());
  work_ = dir_.filePath("work " + tag);
  program_ = dir_.filePath("program " + tag);
  QDir().mkpath(work_);
}

void FaultInjectionTest::ExpectUnchangedAndClean(const QString& book, const QByteArray& before,
                                                 const HeadlessFrontEnd& frontEnd, const QString& message) {
  const QString told = Told(frontEnd);
  QVERIFY2(told.contains(message), qPrintable(told));
  QVERIFY2(!told.contains("завершено"), qPrintable(told));
  QVERIFY2(!told.contains("Создано ссылок"), qPrintable(told));  // no links were made
  QCOMPARE(ReadFile(book), before);
  const QDir folder(QFileInfo(book).absolutePath());
  QCOMPARE(folder.entryList({"*.quillmark-save*"}, QDir::Files | QDir::Dirs | QDir::Hidden), QStringList());
}

void FaultInjectionTest::CreateRunUnderFaults_data() {
  QTest::addColumn<QString>("pattern");
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("message");  // a part of what the user is told
  QTest::newRow("text dump cut off, exit 0") << "*output-txt*" << kCutDump << "неполн";
  QTest::newRow("text dump is garbage, exit 0") << "*output-txt*" << kGarbageDump << "неполн";
  QTest::newRow("text dump fails half-way") << "*output-txt*" << kFailedDump << "simulated read error";
  QTest::newRow("killed while dumping the text") << "*output-txt*" << kKilledDump << "аварийно";
  QTest::newRow("component list is garbage, exit 0") << "*' ls '*" << kGarbageDump << "не найдены";
  QTest::newRow("killed while listing") << "*' ls '*" << "    kill -9 $$" << "аварийно";
  QTest::newRow("save check fails") << "*' n; dump '*" << "    echo '*** check failed' >&2; exit 10"
                                    << "check failed";
}

void FaultInjectionTest::CreateRunUnderFaults() {
  QFETCH(QString, pattern);
  QFETCH(QString, action);
  QFETCH(QString, message);
  const QString book = dir_.filePath(QStringLiteral("create %1.djvu").arg(QTest::currentDataTag()));
  BuildDocument(book, ContentsBook());
  const QByteArray before = ReadFile(book);
  {
    RecordingFrontEnd frontEnd;
    frontEnd.AddCreateRow(CreateRow(book));
    DjvusedRunner runner(work_, WriteFaultyDjvused(program_, pattern, action));
    QVERIFY(!CreateRun(frontEnd, runner).Run());
    ExpectUnchangedAndClean(book, before, frontEnd, message);
  }
  // The next run, in the same work folder with the real djvused, links the book.
  RecordingFrontEnd next;
  next.AddCreateRow(CreateRow(book));
  DjvusedRunner runner(work_, QString());
  QVERIFY2(CreateRun(next, runner).Run(), qPrintable(Told(next)));
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), 3);
}

void FaultInjectionTest::FixRunUnderFaults_data() {
  QTest::addColumn<QString>("pattern");
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("message");
  QTest::newRow("annotation dump fails half-way") << "*' output-ant '*" << kFailedDump << "simulated read error";
  QTest::newRow("killed while dumping the links") << "*' output-ant '*" << kKilledDump << "аварийно";
  QTest::newRow("annotation dump is garbage, exit 0") << "*' output-ant '*" << kGarbageDump << "неполн";
  QTest::newRow("annotation dump cut off, exit 0") << "*' output-ant '*" << kCutDump << "неполн";
  QTest::newRow("save fails after truncating")
      << "*' -s '*" << "    : > \"$1\"; echo '*** No space left on device' >&2; exit 10" << "No space left";
  QTest::newRow("save truncates, exit 0")
      << "*' -s '*" << "    head -c $(( $(stat -c %s \"$1\") / 2 )) \"$1\" > \"$1.part\"; cat \"$1.part\" > \"$1\"; rm \"$1.part\"; exit 0"
      << "Ошибка djvused";
  QTest::newRow("killed half-way through the save")
      << "*' -s '*" << "    head -c 1000 /dev/zero > \"$1\"; kill -9 $$" << "аварийно";
  QTest::newRow("component list fails before the save") << "*' -e ls '*" << "    echo '*** busy' >&2; exit 10" << "busy";
}

void FaultInjectionTest::FixRunUnderFaults() {
  QFETCH(QString, pattern);
  QFETCH(QString, action);
  QFETCH(QString, message);
  const QString book = dir_.filePath(QStringLiteral("fix %1.djvu").arg(QTest::currentDataTag()));
  BuildDocument(book, LinkedBook());
  const QByteArray before = ReadFile(book);
  {
    HeadlessFrontEnd frontEnd;
    frontEnd.AddFixRow(FixJob::FromPath(book));
    DjvusedRunner runner(work_, WriteFaultyDjvused(program_, pattern, action));
    QVERIFY2(!FixRun(frontEnd, runner).Run(), qPrintable(Told(frontEnd)));
    ExpectUnchangedAndClean(book, before, frontEnd, message);
  }
  HeadlessFrontEnd next;
  next.AddFixRow(FixJob::FromPath(book));
  DjvusedRunner runner(work_, QString());
  QVERIFY2(FixRun(next, runner).Run(), qPrintable(Told(next)));
  QVERIFY(Told(next).contains("завершено"));
  QCOMPARE(fixtest::Columns(fixtest::AreasOf(OutputAnt(book))).count("95:"), 3);  // one left edge for page 1
}

void FaultInjectionTest::SlowDjvusedKeepsTheEventLoopRunning() {
  const QString contents = dir_.filePath("slow contents.djvu"), linked = dir_.filePath("slow links.djvu");
  BuildDocument(contents, ContentsBook());
  BuildDocument(linked, LinkedBook());
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(20);
  QElapsedTimer clock;
  clock.start();

  RecordingFrontEnd create;
  create.AddCreateRow(CreateRow(contents));
  DjvusedRunner slowText(work_, WriteFaultyDjvused(program_ + " text", "*output-txt*", "    sleep 1"));
  QVERIFY2(CreateRun(create, slowText).Run(), qPrintable(Told(create)));
  HeadlessFrontEnd fix;
  fix.AddFixRow(FixJob::FromPath(linked));
  DjvusedRunner slowSave(work_, WriteFaultyDjvused(program_ + " save", "*' -s '*", "    sleep 1"));
  QVERIFY2(FixRun(fix, slowSave).Run(), qPrintable(Told(fix)));

  // About one tick per 20 ms of the two slow seconds: the timer fired while
  // the runner waited, not once afterwards.
  QVERIFY(clock.elapsed() >= 2000);
  QVERIFY2(ticks >= 50, qPrintable(QString::number(ticks)));
  QCOMPARE(LinksByPage(contents).value("p2.djvu").size(), 3);
  QVERIFY(Told(fix).contains("завершено"));
}

void FaultInjectionTest::CommandLineReportsTheFault_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<bool>("contents");  // the contents book, else the linked one
  QTest::newRow("create") << QStringList{"create", "--pages", "2-2"} << true;
  QTest::newRow("fix") << QStringList{"fix"} << false;
}

void FaultInjectionTest::CommandLineReportsTheFault() {
  QFETCH(QStringList, arguments);
  QFETCH(bool, contents);
  // quillmark-cli looks for djvused beside itself: a copy of it beside a stand-in.
  const QString cli = qEnvironmentVariable("QUILLMARK_CLI");
  QVERIFY2(!cli.isEmpty(), "QUILLMARK_CLI is not set (run the tests through ctest)");
  const QString folder = WriteFaultyDjvused(program_, "*' -s '*", "    head -c 1000 /dev/zero > \"$1\"; kill -9 $$");
  const QString copy = QDir(folder).filePath("quillmark-cli");
  QVERIFY(QFile::copy(cli, copy));
  const QString book = dir_.filePath(QStringLiteral("cli %1.djvu").arg(QTest::currentDataTag()));
  BuildDocument(book, contents ? ContentsBook() : LinkedBook());
  const QByteArray before = ReadFile(book);
  QProcess process;
  process.start(copy, arguments << book);
  QVERIFY(process.waitForFinished(60000));
  const QString standardError = QString::fromUtf8(process.readAllStandardError());
  QCOMPARE(process.exitCode(), 1);
  QVERIFY2(standardError.contains("аварийно"), qPrintable(standardError));
  QVERIFY(!standardError.contains("завершено"));
  QCOMPARE(ReadFile(book), before);
}

QTEST_GUILESS_MAIN(FaultInjectionTest)
#include "test_fault_injection.moc"

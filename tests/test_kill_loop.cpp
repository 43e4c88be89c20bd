// quillmark-cli create and fix killed (SIGKILL, with djvused) at random
// moments on a bundled and on an indirect book: right after each kill every
// file of the book opens with djvused, and once the next run has ended the
// book is the finished one. The seed is printed; QUILLMARK_KILL_SEED repeats
// a loop, QUILLMARK_KILLS sets how many kills (30 by default).
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

#include "support/cli_process.h"
#include "support/djvu_documents.h"
#include "support/fix_links.h"
#include "support/save_books.h"

using namespace testdocs;

namespace {

// Contents for create; ragged links on page 2 for fix.
QList<Page> StartOf(const QString& command) {
  QList<Page> pages = ContentsBook();
  if (command == "fix") {
    using fixtest::Area;
    pages[1].annotations = fixtest::Links({Area{"rect", 100, 1500, 900, 40}, Area{"rect", 130, 1400, 850, 40},
                                           Area{"rect", 95, 1300, 920, 40}});
  }
  return pages;
}

QStringList Arguments(const QString& command, const QString& book) {
  return command == "fix" ? QStringList{"fix", book} : QStringList{"create", "--pages", "2-2", "--outline", book};
}

// Puts the start book in `folder` afresh; returns the book's path.
QString Restore(const QString& start, const QString& folder) {
  QDir(folder).removeRecursively();
  QDir().mkpath(folder);
  for (const QString& name : QDir(start).entryList(QDir::Files)) {
    QFile::copy(QDir(start).filePath(name), QDir(folder).filePath(name));
  }
  return QDir(folder).filePath(QFileInfo::exists(QDir(folder).filePath("index.djvu")) ? "index.djvu" : "book.djvu");
}

// Runs the command in a process group of its own and kills the group (the
// program and its djvused) after `delayMs`.
void RunAndKill(const QStringList& arguments, int delayMs) {
  QProcess cli;
  cli.setChildProcessModifier([] { ::setpgid(0, 0); });
  cli.start(qEnvironmentVariable("QUILLMARK_CLI"), arguments);
  if (!cli.waitForStarted()) qFatal("quillmark-cli did not start");
  const pid_t group = pid_t(cli.processId());
  if (!cli.waitForFinished(delayMs) && group > 0) ::kill(-group, SIGKILL);
  cli.waitForFinished();
  QTest::qWait(20);  // djvused, killed too, is gone
}

}  // namespace

class KillLoopTest : public QObject {
  Q_OBJECT
 private slots:
  void KilledAtRandom_data();
  void KilledAtRandom();
};

void KillLoopTest::KilledAtRandom_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<bool>("indirect");
  QTest::newRow("create, bundled") << "create" << false;
  QTest::newRow("create, indirect") << "create" << true;
  QTest::newRow("fix, bundled") << "fix" << false;
  QTest::newRow("fix, indirect") << "fix" << true;
}

void KillLoopTest::KilledAtRandom() {
  QFETCH(QString, command);
  QFETCH(bool, indirect);
  QTemporaryDir dir;
  const QString start = dir.filePath("start"), folder = dir.filePath("book");
  QDir().mkpath(start);
  if (indirect) {
    BuildDocument(dir.filePath("bundled.djvu"), StartOf(command));
    MakeIndirect(dir.filePath("bundled.djvu"), start);
  } else {
    BuildDocument(QDir(start).filePath("book.djvu"), StartOf(command));
  }

  // The finished book, and how long a whole run takes.
  QString book = Restore(start, folder);
  const QByteArray old = Contents(book);
  QElapsedTimer clock;
  clock.start();
  const CliRun clean = Cli(Arguments(command, book));
  const int runMs = int(clock.elapsed());
  QVERIFY2(clean.status == 0, clean.err.constData());
  const QByteArray finished = Contents(book);
  QVERIFY(finished != old);

  const int kills = qEnvironmentVariableIsSet("QUILLMARK_KILLS") ? qEnvironmentVariableIntValue("QUILLMARK_KILLS") : 30;
  const quint32 seed = qEnvironmentVariableIsSet("QUILLMARK_KILL_SEED")
                           ? quint32(qEnvironmentVariableIntValue("QUILLMARK_KILL_SEED"))
                           : QRandomGenerator::global()->generate();
  qInfo("seed %u, a whole run %d ms", seed, runMs);
  QRandomGenerator random(seed);
  for (int i = 0; i < (kills + 3) / 4; ++i) {
    book = Restore(start, folder);
    const int delay = random.bounded(runMs + 1);
    RunAndKill(Arguments(command, book), delay);
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
      QVERIFY2(Opens(QDir(folder).filePath(name)), qPrintable(QStringLiteral("%1 after a kill at %2 ms").arg(name).arg(delay)));
    }
    const CliRun next = Cli(Arguments(command, book));
    QVERIFY2(next.status == 0, qPrintable(QStringLiteral("after a kill at %1 ms: %2").arg(delay).arg(QString::fromUtf8(next.err))));
    QVERIFY2(Contents(book) == finished, qPrintable(QStringLiteral("after a kill at %1 ms").arg(delay)));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).filter(QRegularExpression("^\\.")),
             QStringList());
  }
}

QTEST_GUILESS_MAIN(KillLoopTest)
#include "test_kill_loop.moc"

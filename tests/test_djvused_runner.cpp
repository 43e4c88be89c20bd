// The runner against the real djvused: the batch record, dumps, scripts,
// awkward paths, and a document kept safe when a save goes wrong.
#include <QTemporaryDir>
#include <QtTest>

#include "core/errors.h"
#include "djvused/djvused_runner.h"
#include "support/djvu_documents.h"
#include "support/stand_in_djvused.h"

using namespace testdocs;

class DjvusedRunnerTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void DumpsAndTheBatchRecord();
  void ScriptAppliedAndTempFilesGone_data();
  void ScriptAppliedAndTempFilesGone();
  void FailingScriptLeavesDocumentUnchanged();
  void BrokenSaveIsUndone_data();
  void BrokenSaveIsUndone();
  void BadDocumentsReportDjvusedText_data();
  void BadDocumentsReportDjvusedText();
  void BackupAndShortPath();
  void MissingDjvused();

 private:
  QString Book(const QString& relative);
  QTemporaryDir dir_;
  QString work_;
};

void DjvusedRunnerTest::init() {
  QVERIFY(dir_.isValid());
  work_ = dir_.filePath(QStringLiteral("work"));
  QDir().mkpath(work_);
}

QString DjvusedRunnerTest::Book(const QString& relative) {
  const QString path = dir_.filePath(relative);
  QDir().mkpath(QFileInfo(path).absolutePath());
  BuildDocument(path, {Page{PageText({LayoutLine(1500, 1540, {"Глава", "3"})}), {}}, Page{}});
  return path;
}

void DjvusedRunnerTest::DumpsAndTheBatchRecord() {
  const QString book = Book(QStringLiteral("book.djvu"));
  DjvusedRunner runner(work_, QString());
  QVERIFY(runner.DjvusedPresent());
  bool started = false;
  runner.RunDump(book, DumpUse::PageList, [&] { started = true; });
  QVERIFY(started);
  QCOMPARE(ReadFile(runner.TempPath("1.bat")), ("djvused " + book + " -e ls > myfile2.dsed\n").toUtf8());
  QVERIFY(ReadFile(runner.TempPath("myfile2.dsed")).contains("   2 P "));
  runner.RunDump(book, DumpUse::Annotations);
  QCOMPARE(ReadFile(runner.TempPath("myfile.dsed")), QByteArray("select; remove-ant\n"));
  QCOMPARE(ReadFile(runner.TempPath("1.bat")), ("djvused " + book + " -e output-ant > myfile.dsed\n").toUtf8());
  QCOMPARE(runner.PageCount(book), 2);
}

void DjvusedRunnerTest::ScriptAppliedAndTempFilesGone_data() {
  QTest::addColumn<QString>("relative");
  QTest::newRow("plain") << "book.djvu";
  QTest::newRow("blanks and Cyrillic") << "папка с пробелами/Книга 1.djvu";
  QTest::newRow("quote, semicolon, command substitution") << "it's; $(touch PWNED)/a&b #1.djvu";
  QTest::newRow("leading dash") << "-x/-book.djvu";
}

void DjvusedRunnerTest::ScriptAppliedAndTempFilesGone() {
  QFETCH(QString, relative);
  const QString book = Book(relative);
  DjvusedRunner runner(work_, QString());
  WriteFile(runner.TempPath("myfile1.dsed"), "select 1\nset-ant\n(maparea \"#2\" \"\" (rect 1 2 3 4 ) (xor ) ) \n.\n");
  WriteFile(runner.TempPath("myfile.dsed"), "stale");
  WriteFile(runner.TempPath("myfile2.dsed"), "stale");
  runner.ApplyScript(book, ScriptUse::CreateScript, {"myfile.dsed", "myfile2.dsed"}, BookState::Of(book));
  QVERIFY(OutputAnt(book).contains("(maparea \"#2\" \"\" (rect 1 2 3 4 ) (xor ) )"));
  for (const char* name : {"1.bat", "myfile.dsed", "myfile1.dsed", "myfile2.dsed"}) {
    QVERIFY2(!QFile::exists(runner.TempPath(name)), name);
  }
  QVERIFY(!QFile::exists(dir_.filePath("PWNED")));
  QVERIFY(!QFile::exists(QDir::current().filePath("PWNED")));
  QVERIFY(!QFile::exists(QDir(work_).filePath("PWNED")));
  // No safety copy is left beside the book.
  QCOMPARE(QDir(QFileInfo(book).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void DjvusedRunnerTest::FailingScriptLeavesDocumentUnchanged() {
  const QString book = Book(QStringLiteral("book.djvu"));
  const QByteArray before = ReadFile(book);
  DjvusedRunner runner(work_, QString());
  WriteFile(runner.TempPath("myfile.dsed"), "select 1\nset-ant\n(maparea \"#2\" \"\" (rect 1 2 3 4) (xor))\n.\nfoo\n");
  try {
    runner.ApplyScript(book, ScriptUse::FixScript, {"myfile1.dsed"}, BookState::Of(book));
    QFAIL("no error");
  } catch (const DjvusedError& e) {
    QVERIFY2(e.Message().contains("unrecognized command"), qPrintable(e.Message()));
  }
  QCOMPARE(ReadFile(book), before);
  QVERIFY(!QFile::exists(runner.TempPath("myfile.dsed")));  // deleted whatever the outcome
}

void DjvusedRunnerTest::BrokenSaveIsUndone_data() {
  QTest::addColumn<QString>("onSave");
  QTest::addColumn<QString>("message");
  QTest::newRow("truncates, then fails") << "    : > \"$1\"; echo '*** simulated failure' >&2; exit 10"
                                         << "simulated failure";
  QTest::newRow("truncates and exits 0") << "    head -c $(( $(stat -c %s \"$1\") / 2 )) \"$1\" > \"$1.part\"; cat \"$1.part\" > \"$1\"; rm \"$1.part\"; exit 0"
                                         << "Ошибка djvused";
  QTest::newRow("dies from a signal half-way") << "    head -c 1000 /dev/zero > \"$1\"; kill -9 $$"
                                               << "аварийно";
}

void DjvusedRunnerTest::BrokenSaveIsUndone() {
  QFETCH(QString, onSave);
  QFETCH(QString, message);
  const QString book = Book(QStringLiteral("book.djvu"));
  const QByteArray before = ReadFile(book);
  DjvusedRunner runner(work_, WriteStandInDjvused(dir_.filePath("program"), onSave));
  QVERIFY(runner.DjvusedPresent());
  WriteFile(runner.TempPath("myfile1.dsed"), "select 1\nset-ant\n(maparea \"#2\" \"\" (rect 1 2 3 4) (xor))\n.\n");
  try {
    runner.ApplyScript(book, ScriptUse::CreateScript, {}, BookState::Of(book));
    QFAIL("no error");
  } catch (const DjvusedError& e) {
    QVERIFY2(e.Message().contains(message), qPrintable(e.Message()));
  }
  QCOMPARE(ReadFile(book), before);
  QCOMPARE(QDir(dir_.path()).entryList({".*.quillmark-save*"}, QDir::Files | QDir::Dirs | QDir::Hidden).size(), 0);
}

void DjvusedRunnerTest::BadDocumentsReportDjvusedText_data() {
  QTest::addColumn<QByteArray>("content");
  QTest::newRow("not DjVu") << QByteArray("%PDF-1.4 not a book\n");
  QTest::newRow("empty") << QByteArray();
}

void DjvusedRunnerTest::BadDocumentsReportDjvusedText() {
  QFETCH(QByteArray, content);
  const QString bad = dir_.filePath("bad.djvu");
  WriteFile(bad, content);
  DjvusedRunner runner(work_, QString());
  for (const DumpUse use : {DumpUse::PageList, DumpUse::Annotations}) {
    try {
      runner.RunDump(bad, use);
      QFAIL("no error");
    } catch (const DjvusedError& e) {
      // djvused's first line, without its code, source place and function.
      QVERIFY2(e.Message().contains("\nFailed to open document"), qPrintable(e.Message()));
      for (const char* internal : {"***", "[1-", ".cpp:", "DJVU::"}) {
        QVERIFY2(!e.Message().contains(internal), qPrintable(e.Message()));
      }
    }
  }
  WriteFile(runner.TempPath("myfile1.dsed"), "select 1\n");
  QVERIFY_THROWS_EXCEPTION(DjvusedError, runner.ApplyScript(bad, ScriptUse::CreateScript, {}, BookState::Of(bad)));
  QCOMPARE(ReadFile(bad), content);
}

void DjvusedRunnerTest::BackupAndShortPath() {
  const QString book = Book(QStringLiteral("book.djvu"));
  WriteFile(book + ".backup", "older backup");
  DjvusedRunner runner(work_, QString());
  // An earlier backup is never replaced: the next ones are numbered.
  QCOMPARE(runner.BackupCopy(book), book + ".backup.1");
  QCOMPARE(runner.BackupCopy(book), book + ".backup.2");
  QCOMPARE(ReadFile(book + ".backup"), QByteArray("older backup"));
  QCOMPARE(ReadFile(book + ".backup.1"), ReadFile(book));
  QCOMPARE(ReadFile(book + ".backup.2"), ReadFile(book));
  QVERIFY_THROWS_EXCEPTION(QuillmarkError, runner.BackupCopy(dir_.filePath("missing.djvu")));
  QCOMPARE(DjvusedRunner::ShortPathOf(book), book);
  QCOMPARE(DjvusedRunner::ShortPathOf(dir_.filePath("missing.djvu")), QString());
  QVERIFY_THROWS_EXCEPTION(InputError, runner.RunDump(QString(), DumpUse::PageList));
}

void DjvusedRunnerTest::MissingDjvused() {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", dir_.filePath("nowhere").toUtf8());
  DjvusedRunner runner(work_, dir_.filePath("empty-program-folder"));
  const bool present = runner.DjvusedPresent();
  qputenv("PATH", path);
  QVERIFY(!present);
  QCOMPARE(DjvusedRunner::MissingMessage(), QStringLiteral("Файл djvused.exe не найден"));
}

QTEST_GUILESS_MAIN(DjvusedRunnerTest)
#include "test_djvused_runner.moc"

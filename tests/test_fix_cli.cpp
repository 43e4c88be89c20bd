// quillmark-cli fix, run as its own process on real documents.
#include <QFile>
#include <QProcess>
#include <QtTest>

#include "support/djvu_documents.h"
#include "support/fix_links.h"

using fixtest::Area;

namespace {

struct CliResult {
  int exitCode = -1;
  QString errorOutput;
};

CliResult RunCli(const QStringList& arguments, const QString& workingFolder) {
  const QString cli = qEnvironmentVariable("QUILLMARK_CLI");
  if (cli.isEmpty()) throw std::runtime_error("QUILLMARK_CLI is not set: run the test through ctest");
  QProcess process;
  process.setWorkingDirectory(workingFolder);
  process.start(cli, QStringList{QStringLiteral("fix")} + arguments);
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
    throw std::runtime_error("quillmark-cli did not finish");
  }
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray RaggedLinks() {
  return fixtest::Links({Area{"rect", 100, 1500, 300, 40}, Area{"oval", 150, 1400, 700, 40}});
}

}  // namespace

class FixCliTest : public QObject {
  Q_OBJECT

 private slots:
  void alignsFilesInOrder() {
    fixtest::Workbench bench;
    const QString first = bench.Path("first.djvu");
    const QString second = bench.Path("second book.djvu");
    testdocs::BuildDocument(first, {testdocs::Page{{}, RaggedLinks()}});
    testdocs::BuildDocument(second, {testdocs::Page{{}, RaggedLinks()}, testdocs::Page{{}, RaggedLinks()}});
    const QByteArray original = testdocs::ReadFile(first);

    // Relative paths are taken from the working folder.
    const CliResult result = RunCli({QStringLiteral("--backup"), QStringLiteral("first.djvu"), second}, bench.Path(""));
    QVERIFY2(result.exitCode == 0, qPrintable(result.errorOutput));
    const QString firstDone =
        QStringLiteral("Редактирование файла %1 завершено\nВыровнено областей: 2 (страниц: 1)\n").arg(first);
    const QString secondStart = QStringLiteral("Начало обработки файла %1").arg(second);
    QVERIFY2(result.errorOutput.contains(firstDone), qPrintable(result.errorOutput));
    QVERIFY(result.errorOutput.indexOf(secondStart) > result.errorOutput.indexOf(firstDone));
    // Both areas of each page move: the second book's count covers its two pages.
    QVERIFY(result.errorOutput.endsWith(
        QStringLiteral("Редактирование файла %1 завершено\nВыровнено областей: 4 (страниц: 2)\n"
                       "Резервная копия: %1.backup\n")
            .arg(second)));

    QCOMPARE(fixtest::Columns(fixtest::AreasOf(testdocs::OutputAnt(first))), QStringLiteral("100:700 100:700"));
    QCOMPARE(fixtest::Columns(fixtest::AreasOf(testdocs::OutputAnt(second))),
             QStringLiteral("100:700 100:700 100:700 100:700"));
    QCOMPARE(testdocs::ReadFile(first + QStringLiteral(".backup")), original);
  }

  void reportsFailures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("report");
    QTest::newRow("no file") << QStringList{QStringLiteral("--backup")} << 2 << "FILE";
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bakup"), QStringLiteral("book.djvu")} << 2
                                    << "--bakup";
    QTest::newRow("missing file") << QStringList{QStringLiteral("missing.djvu")} << 1 << "не найден";
    QTest::newRow("not DjVu, the good file after it untouched")
        << QStringList{QStringLiteral("notes.txt"), QStringLiteral("book.djvu")} << 1 << "Failed to open document";
  }

  void reportsFailures() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, report);
    fixtest::Workbench bench;
    testdocs::BuildDocument(bench.Path("book.djvu"), {testdocs::Page{{}, RaggedLinks()}});
    testdocs::WriteFile(bench.Path("notes.txt"), "plain text\n");
    const QByteArray book = testdocs::ReadFile(bench.Path("book.djvu"));

    const CliResult result = RunCli(arguments, bench.Path(""));
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.errorOutput.contains(report), qPrintable(result.errorOutput));
    QVERIFY(!result.errorOutput.contains(QStringLiteral("завершено")));
    QCOMPARE(testdocs::ReadFile(bench.Path("book.djvu")), book);
    QCOMPARE(testdocs::ReadFile(bench.Path("notes.txt")), QByteArray("plain text\n"));
    QVERIFY(!QFile::exists(bench.Path("missing.djvu")));
  }
};

QTEST_GUILESS_MAIN(FixCliTest)
#include "test_fix_cli.moc"

// The fix job's reading of the annotation dump and its passes, on text inputs.
#include <QTemporaryDir>
#include <QtTest>

#include "align/alignment_passes.h"
#include "align/dump_line.h"
#include "core/errors.h"
#include "support/djvu_documents.h"

namespace {

QString AreasText(const align::DumpLine& line) {
  QStringList parts;
  for (const align::DumpArea& a : line.areas) parts << QStringLiteral("%1:%2").arg(a.x).arg(a.w);
  return parts.join(QLatin1Char(' '));
}

}  // namespace

class FixDumpReadingTest : public QObject {
  Q_OBJECT

 private slots:
  void scansLine_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("areas");  // x:w of each area
    QTest::addColumn<bool>("opensSection");
    QTest::addColumn<bool>("unrecognized");

    QTest::newRow("rect as the create run writes it")
        << QByteArray("(maparea \"#12\" \"\" (rect 210 950 1830 64 ) (xor ) ) ") << "210:1830" << false << false;
    QTest::newRow("rect then oval on one line")
        << QByteArray("(maparea \"#12\" \"\" (rect 210 950 1830 64 ) (xor ) ) (maparea \"#19\" \"\" (oval 10 870 30 80 ) (xor ) )")
        << "210:1830 10:30" << false << false;
    QTest::newRow("several blanks between the numbers")
        << QByteArray("   (rect   10   20 30\t40) (none))") << "10:30" << false << false;
    QTest::newRow("negative numbers") << QByteArray("(rect -5 0 -7 3)") << "-5:-7" << false << false;
    QTest::newRow("other shapes") << QByteArray("(maparea \"\" \"\" (poly 10 10 50 10 50 50) (xor)) (maparea \"\" \"\" (line 1 2 3 4)) (maparea \"\" \"\" (text 100 100 400 50))")
                                  << "" << false << false;
    QTest::newRow("shape words inside strings")
        << QByteArray("(maparea \"http://x.org/(rect 1 2 3 4)\" \"(oval 5 6 7 8)\" (poly 1 2 3 4 5 6))") << "" << false
        << false;
    QTest::newRow("escaped quote and backslash inside a string")
        << QByteArray("(maparea \"#2\" \"say \\\"(rect 1 2 3 4)\\\" C:\\\\\" (rect 5 6 7 8))") << "5:7" << false << false;
    QTest::newRow("word rectangle is no area") << QByteArray("(rectangle 1 2 3 4) (ovals 1 2 3 4)") << "" << false
                                               << false;
    QTest::newRow("page named correct.djvu") << QByteArray("select \"correct.djvu\" # page 4") << "" << true
                                             << false;
    QTest::newRow("comment holding select")
        << QByteArray("(maparea \"#2\" \"select\" (rect 1 2 3 4))") << "1:3" << false << false;
    QTest::newRow("unrecognized marker") << QByteArray("*** ** Unrecognized DjVu Message:") << "" << false << true;
    QTest::newRow("unrecognized inside a string")
        << QByteArray("(maparea \"#2\" \"Unrecognized\" (rect 1 2 3 4))") << "1:3" << false << false;
  }

  void scansLine() {
    QFETCH(QByteArray, line);
    QFETCH(QString, areas);
    QFETCH(bool, opensSection);
    QFETCH(bool, unrecognized);
    const align::DumpLine scanned = align::ScanDumpLine(line);
    QCOMPARE(AreasText(scanned), areas);
    QCOMPARE(scanned.opensSection, opensSection);
    QCOMPARE(scanned.unrecognized, unrecognized);
  }

  void rejectsBrokenArea_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("numbers go on in the next line") << QByteArray("(maparea \"#2\" \"\" (rect 100 200")
                                                    << "'' is not a valid integer value";
    QTest::newRow("a word among the numbers") << QByteArray("(rect 1 2 x 4)") << "'x' is not a valid integer value";
  }

  void rejectsBrokenArea() {
    QFETCH(QByteArray, line);
    QFETCH(QString, message);
    try {
      align::ScanDumpLine(line);
      QFAIL("no ConversionError");
    } catch (const ConversionError& e) {
      QCOMPARE(e.Message(), message);
    }
  }

  // Whole dumps through all six passes.
  void alignsDump_data() {
    QTest::addColumn<QByteArray>("dump");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray head = "select; remove-ant\n# ------------------------- \n";
    QTest::newRow("no areas") << head + "select \"p1.djvu\" # page 1\nset-ant\n(background #ffffff)\n\n.\n"
                              << head + "select \"p1.djvu\" # page 1\nset-ant\n(background #ffffff)\n\n.\n";
    QTest::newRow("pages measured apart")
        << head + "select \"p1.djvu\" # page 1\nset-ant\n(rect 100 10 300 5)\n(rect 150 20 700 5)\n.\n"
                  "select \"p2.djvu\" # page 2\nset-ant\n(oval 500 10 100 5)\n.\n"
        << head + "select \"p1.djvu\" # page 1\nset-ant\n(rect 100 10 700 5)\n(rect 100 20 700 5)\n.\n"
                  "select \"p2.djvu\" # page 2\nset-ant\n(oval 500 10 100 5)\n.\n";
    QTest::newRow("areas before the first page are left alone")
        << QByteArray("select; remove-ant (rect 1 1 1 1)\n(rect 7 1 9 1)\nselect \"p1.djvu\"\n(rect 100 1 300 1) (rect 150 2 700 1)\n")
        << QByteArray("select; remove-ant (rect 1 1 1 1)\n(rect 7 1 9 1)\nselect \"p1.djvu\"\n(rect 100 1 700 1) (rect 100 2 700 1)\n");
    QTest::newRow("carriage returns stripped")
        << head + "select \"p1.djvu\" # page 1\r\nset-ant\r\n(rect 100 10 300 5) \r\r\n(rect 150 20 700 5)\r\n.\r\n"
        << head + "select \"p1.djvu\" # page 1\nset-ant\n(rect 100 10 700 5) \r\n(rect 100 20 700 5)\n.\n";
    QTest::newRow("coordinates past 32000")
        << head + "select \"p1.djvu\"\n(rect 40000 1 300 1)\n(rect 40100 2 50000 1)\n"
        << head + "select \"p1.djvu\"\n(rect 40000 1 50000 1)\n(rect 40000 2 50000 1)\n";
    QTest::newRow("last line without a line break")
        << QByteArray("select; remove-ant\nselect 'a'\n(rect 3 1 4 1) (rect 5 1 6 1)")
        << QByteArray("select; remove-ant\nselect 'a'\n(rect 3 1 6 1) (rect 3 1 6 1)\n");
  }

  void alignsDump() {
    QFETCH(QByteArray, dump);
    QFETCH(QByteArray, expected);
    QTemporaryDir folder;
    const QString dumpPath = folder.filePath(QStringLiteral("myfile.dsed"));
    const QString scriptPath = folder.filePath(QStringLiteral("myfile1.dsed"));
    testdocs::WriteFile(dumpPath, dump);
    std::optional<align::PageTable> table = align::MeasurePages(dumpPath);
    QVERIFY(table.has_value());
    align::RewritePages(dumpPath, scriptPath, *table);
    QCOMPARE(testdocs::ReadFile(dumpPath), expected);
  }

  void stopsAtUnrecognizedMarker() {
    QTemporaryDir folder;
    const QString dumpPath = folder.filePath(QStringLiteral("myfile.dsed"));
    const QByteArray dump = "select; remove-ant\n*** ** Unrecognized DjVu Message:\n";
    testdocs::WriteFile(dumpPath, dump);
    QVERIFY(!align::MeasurePages(dumpPath).has_value());
    QCOMPARE(testdocs::ReadFile(dumpPath), dump);
  }
};

QTEST_GUILESS_MAIN(FixDumpReadingTest)
#include "test_fix_dump_reading.moc"

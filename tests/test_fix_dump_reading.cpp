// The fix job's reading of the annotation dump and its passes, on text inputs.
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "align/alignment_passes.h"
#include "align/dump_line.h"
#include "core/errors.h"
#include "support/djvu_documents.h"

namespace {

// "x:w" of each area the scanner hands out, the lines joined by "|".
QString AreasText(const QList<align::DumpLine>& lines) {
  QStringList perLine;
  for (const align::DumpLine& line : lines) {
    QStringList parts;
    for (const align::DumpArea& a : line.areas) parts << QStringLiteral("%1:%2").arg(a.box.left).arg(a.box.Width());
    perLine << parts.join(QLatin1Char(' '));
  }
  return perLine.join(QLatin1Char('|'));
}

// The dump's lines through one scanner, in their order.
QList<align::DumpLine> Scanned(const QByteArray& text) {
  align::DumpScanner scanner;
  QList<align::DumpLine> lines;
  for (const QByteArray& line : text.split('\n')) lines << scanner.Scan(line);
  return lines;
}

}  // namespace

class FixDumpReadingTest : public QObject {
  Q_OBJECT

 private slots:
  void scansLines_data() {
    QTest::addColumn<QByteArray>("text");    // dump lines
    QTest::addColumn<QString>("areas");      // x:w of each area, lines joined by |
    QTest::addColumn<bool>("opensSection");  // the first line
    QTest::addColumn<bool>("unrecognized");  // some line

    QTest::newRow("rect as the create run writes it")
        << QByteArray("(maparea \"#12\" \"\" (rect 210 950 1830 64 ) (xor ) ) ") << "210:1830" << false << false;
    QTest::newRow("rect then oval on one line")
        << QByteArray("(maparea \"#12\" \"\" (rect 210 950 1830 64 ) (xor ) ) (maparea \"#19\" \"\" (oval 10 870 30 80 ) (xor ) )")
        << "210:1830 10:30" << false << false;
    QTest::newRow("a record over three lines")
        << QByteArray("(maparea   \"#5\"\n     \"\\320\\223\\320\\273\"\n   (rect   10   20 30\t40) (none))") << "||10:30"
        << false << false;
    QTest::newRow("target on the next line, shape word after the area's parenthesis")
        << QByteArray("(maparea\n\"#5\" \"\" (\noval 1 2 3 4) (xor))") << "||1:3" << false << false;
    QTest::newRow("negative numbers") << QByteArray("(maparea \"#2\" \"\" (rect -5 0 -7 3))") << "-5:-7" << false
                                      << false;
    QTest::newRow("target in a url list")
        << QByteArray("(maparea (url \"#7\" \"_self\") \"\" (rect 1 2 3 4)) (maparea (url \"http://x.org\" \"#7\") \"\" (rect 5 6 7 8))")
        << "1:3" << false << false;
    QTest::newRow("links that lead out of the book or nowhere")
        << QByteArray("(maparea \"http://x.org/#5\" \"\" (rect 1 2 3 4) (xor))\n"
                      "(maparea \"mailto:a@x.org\" \"#5\" (oval 1 2 3 4))\n"
                      "(maparea \"\" \"#5\" (rect 1 2 3 4))\n"
                      "(maparea x.org \"#5\" (rect 1 2 3 4))\n"
                      "(maparea \"http://x.org\"\n \"\" (rect 1 2 x 4))")
        << "|||||" << false << false;
    QTest::newRow("other shapes of internal links")
        << QByteArray("(maparea \"#2\" \"\" (poly 10 10 50 10 50 50) (xor)) (maparea \"#2\" \"\" (line 1 2 3 4)) (maparea \"#2\" \"\" (text 100 100 400 50))")
        << "" << false << false;
    QTest::newRow("only the area of a link, not its options")
        << QByteArray("(maparea \"#2\" \"\" (text 1 2 3 4) (rect 5 6 7 8)) (maparea \"#3\" \"\" (rect 1 2 3 4) (oval 5 6 7 8))")
        << "1:3" << false << false;
    QTest::newRow("areas outside a maparea")
        << QByteArray("(rect 1 2 3 4) (metadata (maparea \"#2\" \"\" (rect 5 6 7 8))) ((maparea \"#2\" \"\" (rect 5 6 7 8)))")
        << "" << false << false;
    QTest::newRow("shape words inside strings")
        << QByteArray("(maparea \"#2\" \"(rect 1 2 3 4)\" (oval 5 6 7 8))\n(maparea \"http://x.org/(rect 1 2 3 4)\" \"(oval 5 6 7 8)\" (poly 1 2 3 4 5 6))")
        << "5:7|" << false << false;
    QTest::newRow("escaped quote and backslash inside a string")
        << QByteArray("(maparea \"#2\" \"say \\\"(rect 1 2 3 4)\\\" C:\\\\\" (rect 5 6 7 8))") << "5:7" << false << false;
    QTest::newRow("a parenthesis in a string keeps the depth")
        << QByteArray("(maparea \"http://x.org\" \"(\" (rect 1 2 3 4))\n(maparea \"#2\" \")\" (rect 5 6 7 8))") << "|5:7"
        << false << false;
    QTest::newRow("word rectangle is no area")
        << QByteArray("(maparea \"#2\" \"\" (rectangle 1 2 3 4)) (maparea \"#2\" \"\" (ovals 1 2 3 4))") << "" << false
        << false;
    QTest::newRow("page named correct.djvu") << QByteArray("select \"correct.djvu\" # page 4") << "" << true << false;
    QTest::newRow("comment holding select")
        << QByteArray("(maparea \"#2\" \"select\" (rect 1 2 3 4))") << "1:3" << false << false;
    QTest::newRow("a section line ends an unclosed record")
        << QByteArray("(maparea \"http://x.org\" \"\" (rect 1 2 3 4)\n.\nselect \"p2.djvu\"\n(maparea \"#2\" \"\" (rect 5 6 7 8))")
        << "|||5:7" << false << false;
    QTest::newRow("stray closing parentheses")
        << QByteArray(")) (maparea \"#2\" \"\" (rect 1 2 3 4)))) (maparea \"#3\" \"\" (rect 5 6 7 8))") << "1:3 5:7" << false
        << false;
    QTest::newRow("unrecognized marker") << QByteArray("*** ** Unrecognized DjVu Message:") << "" << false << true;
    QTest::newRow("unrecognized inside a string")
        << QByteArray("(maparea \"#2\" \"Unrecognized\" (rect 1 2 3 4))") << "1:3" << false << false;
  }

  void scansLines() {
    QFETCH(QByteArray, text);
    QFETCH(QString, areas);
    QFETCH(bool, opensSection);
    QFETCH(bool, unrecognized);
    const QList<align::DumpLine> lines = Scanned(text);
    QCOMPARE(AreasText(lines), areas);
    QCOMPARE(lines.first().opensSection, opensSection);
    QCOMPARE(std::any_of(lines.begin(), lines.end(), [](const align::DumpLine& l) { return l.unrecognized; }),
             unrecognized);
  }

  void rejectsBrokenArea_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("numbers go on in the next line") << QByteArray("(maparea \"#2\" \"\" (rect 100 200\n 300 400))")
                                                    << "Пустое значение, нужно целое число";
    QTest::newRow("a word among the numbers") << QByteArray("(maparea \"#2\" \"\" (rect 1 2 x 4))")
                                              << "«x» не целое число";
    QTest::newRow("shape word without numbers") << QByteArray("(maparea \"#2\" \"\" (oval))")
                                                << "Пустое значение, нужно целое число";
  }

  void rejectsBrokenArea() {
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    try {
      Scanned(text);
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
    // An internal link with the given area, as djvused prints it.
    const auto link = [](const char* area) { return "(maparea \"#2\" \"\" " + QByteArray(area) + " (xor))"; };
    QTest::newRow("no areas") << head + "select \"p1.djvu\" # page 1\nset-ant\n(background #ffffff)\n\n.\n"
                              << head + "select \"p1.djvu\" # page 1\nset-ant\n(background #ffffff)\n\n.\n";
    QTest::newRow("pages measured apart")
        << head + "select \"p1.djvu\" # page 1\nset-ant\n" + link("(rect 100 10 300 5)") + "\n" + link("(rect 150 20 700 5)") +
               "\n.\nselect \"p2.djvu\" # page 2\nset-ant\n" + link("(oval 500 10 100 5)") + "\n.\n"
        << head + "select \"p1.djvu\" # page 1\nset-ant\n" + link("(rect 100 10 700 5)") + "\n" + link("(rect 100 20 700 5)") +
               "\n.\nselect \"p2.djvu\" # page 2\nset-ant\n" + link("(oval 500 10 100 5)") + "\n.\n";
    QTest::newRow("areas before the first page are left alone")
        << "select; remove-ant " + link("(rect 1 1 1 1)") + "\n" + link("(rect 7 1 9 1)") + "\nselect \"p1.djvu\"\n" +
               link("(rect 100 1 300 1)") + link("(rect 150 2 700 1)") + "\n"
        << "select; remove-ant " + link("(rect 1 1 1 1)") + "\n" + link("(rect 7 1 9 1)") + "\nselect \"p1.djvu\"\n" +
               link("(rect 100 1 700 1)") + link("(rect 100 2 700 1)") + "\n";
    QTest::newRow("carriage returns stripped")
        << head + "select \"p1.djvu\" # page 1\r\nset-ant\r\n" + link("(rect 100 10 300 5)") + " \r\r\n" +
               link("(rect 150 20 700 5)") + "\r\n.\r\n"
        << head + "select \"p1.djvu\" # page 1\nset-ant\n" + link("(rect 100 10 700 5)") + " \r\n" + link("(rect 100 20 700 5)") +
               "\n.\n";
    QTest::newRow("coordinates past 32000")
        << head + "select \"p1.djvu\"\n" + link("(rect 40000 1 300 1)") + "\n" + link("(rect 40100 2 50000 1)") + "\n"
        << head + "select \"p1.djvu\"\n" + link("(rect 40000 1 50000 1)") + "\n" + link("(rect 40000 2 50000 1)") + "\n";
    QTest::newRow("last line without a line break")
        << "select; remove-ant\nselect 'a'\n" + link("(rect 3 1 4 1)") + link("(rect 5 1 6 1)")
        << "select; remove-ant\nselect 'a'\n" + link("(rect 3 1 6 1)") + link("(rect 3 1 6 1)") + "\n";
    // Other links would widen the column and pull its edge to the left if
    // they were measured; they come back as they were.
    const QByteArray others =
        "(maparea \"http://x.org\" \"\" (rect 10 30 2000 5) (xor))\n(maparea \"mailto:a@x.org\" \"\" (oval 20 40 5 5))\n"
        "(maparea \"\" \"\" (rect 30 50 4000 5))\n(maparea \"#3\" \"\" (text 5 60 3000 5))\n"
        "(maparea \"#3\" \"\" (poly 1 1 9000 1 9000 9))\n";
    QTest::newRow("only internal links measured and aligned")
        << head + "select \"p1.djvu\"\nset-ant\n" + others + link("(rect 100 10 300 5)") + "\n(maparea \"#4\"\n \"(rect 1 2 3 4)\"\n   (rect 150 20 700 5) (none))\n.\n"
        << head + "select \"p1.djvu\"\nset-ant\n" + others + link("(rect 100 10 700 5)") + "\n(maparea \"#4\"\n \"(rect 1 2 3 4)\"\n   (rect 100 20 700 5) (none))\n.\n";
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

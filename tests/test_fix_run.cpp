// The fix job end to end: real documents with ragged link areas, aligned by
// djvused and read back with "djvused -e output-ant".
#include <QFile>
#include <QtTest>

#include "align/fix_run.h"
#include "support/djvu_documents.h"
#include "support/fix_links.h"

using fixtest::Area;
using testdocs::OutputAnt;
using testdocs::Page;
using testdocs::ReadFile;

namespace {

using Changes = QList<QPair<QByteArray, QByteArray>>;

Area Rect(int x, int y, int w) { return Area{"rect", x, y, w, 40}; }
Area Oval(int x, int y, int w) { return Area{"oval", x, y, w, 40}; }

// The dump with the given texts replaced, each exactly once.
QByteArray Replaced(QByteArray dump, const Changes& changes) {
  for (const auto& change : changes) {
    if (dump.count(change.first) != 1) throw std::runtime_error(("not once in the dump: " + change.first).toStdString());
    dump.replace(change.first, change.second);
  }
  return dump;
}

}  // namespace

class FixRunTest : public QObject {
  Q_OBJECT

 private slots:
  void alignsAreas_data() {
    QTest::addColumn<QList<QByteArray>>("pages");  // set-ant data per page
    QTest::addColumn<QString>("columns");           // x:w of every area afterwards
    QTest::addColumn<bool>("singlePageNamedCorrect");

    const auto page = [](const QList<Area>& areas) { return fixtest::Links(areas); };
    QTest::newRow("single area unchanged") << QList<QByteArray>{page({Rect(120, 1500, 431)})} << "120:431" << false;
    QTest::newRow("two columns")
        << QList<QByteArray>{page({Rect(100, 1500, 300), Rect(120, 1400, 250), Rect(700, 1300, 200), Rect(720, 1200, 180)})}
        << "100:300 100:300 700:200 700:200" << false;
    QTest::newRow("one column") << QList<QByteArray>{page({Rect(100, 1500, 300), Rect(150, 1400, 700)})}
                                << "100:700 100:700" << false;
    QTest::newRow("second column pushed past the widest")
        << QList<QByteArray>{page({Rect(100, 1500, 200), Rect(320, 1400, 900)})} << "100:200 1000:200" << false;
    QTest::newRow("ovals like rects")
        << QList<QByteArray>{page({Oval(100, 1500, 300), Oval(120, 1400, 250), Oval(700, 1300, 200), Oval(720, 1200, 180)})}
        << "100:300 100:300 700:200 700:200" << false;
    QTest::newRow("rect and oval on one line")
        << QList<QByteArray>{fixtest::Link(Rect(100, 1500, 300)) + ' ' + fixtest::Link(Oval(150, 1400, 700)) + ' '}
        << "100:700 100:700" << false;
    QTest::newRow("pages measured apart")
        << QList<QByteArray>{page({Rect(100, 1500, 300), Rect(150, 1400, 700)}), QByteArray(),
                             page({Rect(500, 1500, 100), Rect(510, 1400, 90)})}
        << "100:700 100:700 500:100 500:100" << false;
    QTest::newRow("comment holding select")
        << QList<QByteArray>{fixtest::Link(Rect(100, 1500, 300)) + "\n(maparea \"#2\" \"select\" (rect 150 1400 700 40 ) (xor ) )"}
        << "100:700 100:700" << false;
    QTest::newRow("page named correct.djvu")
        << QList<QByteArray>{page({Rect(100, 1500, 300), Rect(150, 1400, 700)})} << "100:700 100:700" << true;
  }

  void alignsAreas() {
    QFETCH(QList<QByteArray>, pages);
    QFETCH(QString, columns);
    QFETCH(bool, singlePageNamedCorrect);
    fixtest::Workbench bench;
    const QString document = bench.Path(singlePageNamedCorrect ? "correct.djvu" : "book.djvu");
    QList<Page> content;
    for (const QByteArray& annotations : pages) content << Page{{}, annotations};
    testdocs::BuildDocument(document, content, singlePageNamedCorrect);
    const QList<Area> before = fixtest::AreasOf(OutputAnt(document));
    bench.Add(document);

    QVERIFY2(FixRun(bench.frontEnd, bench.runner).Run(), qPrintable(bench.frontEnd.Log().Text()));

    const QByteArray dump = OutputAnt(document);
    if (singlePageNamedCorrect) QVERIFY(dump.contains("select \"correct.djvu\""));
    const QList<Area> after = fixtest::AreasOf(dump);
    QCOMPARE(fixtest::Columns(after), columns);
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < after.size(); ++i) {  // shape, bottom and height stay
      QCOMPARE(after[i].shape, before[i].shape);
      QCOMPARE(after[i].y, before[i].y);
      QCOMPARE(after[i].h, before[i].h);
    }
  }

  // Everything but the x and w fields of rect and oval areas comes back as it was.
  void leavesEverythingElse_data() {
    QTest::addColumn<QList<QByteArray>>("pages");
    QTest::addColumn<Changes>("changes");

    QTest::newRow("no annotations at all") << QList<QByteArray>{QByteArray(), QByteArray()}
                                           << Changes{};
    QTest::newRow("no areas")
        << QList<QByteArray>{"(background #ffffff)\n(zoom page)\n(maparea \"http://x.org/correct\" \"\" (poly 10 10 50 10 50 50) (xor))"}
        << Changes{};
    QTest::newRow("other shapes, targets, comments and options")
        << QList<QByteArray>{
               "(maparea \"#5\" \"(rect 1 2 3 4) select\" (rect 120 1500 431 56 ) (border #ff0000 ) (border_avis ) (hilite #00ff00 ) ) \n"
               "(maparea   \"#5\"\n     \"\\320\\223\\320\\273\"\n   (rect   100   1400 30 40) (shadow_in 3))\n"
               "(maparea \"http://x.org/correct\" \"\" (poly 10 10 50 10 50 50) (xor))\n"
               "(maparea \"\" \"\" (line 10 10 200 200) (arrow))\n"
               "(maparea \"\" \"\" (text 100 100 400 50) (pushpin))\n"
               "(metadata (title \"select (oval 9 9 9 9)\"))"}
        << Changes{{"(rect 120 1500 431 56 )", "(rect 100 1500 431 56 )"},
                                                 {"(rect   100   1400 30 40)", "(rect   100   1400 431 40)"}};
    // Were the other links measured, they would pull the column's edge to
    // the left and widen it; were they aligned, they would move.
    QTest::newRow("only internal links aligned")
        << QList<QByteArray>{"(maparea \"#3\" \"\" (rect 120 1500 431 56 ) (xor ) ) \n"
                             "(maparea \"http://x.org/\" \"\" (rect 10 1400 2000 56 ) (xor ) ) \n"
                             "(maparea \"mailto:a@x.org\" \"\" (oval 20 1300 3000 56 ) (xor ) ) \n"
                             "(maparea \"\" \"\" (rect 30 1200 4000 56 ) (xor ) ) \n"
                             "(maparea \"#4\" \"\" (text 40 1100 5000 56 ) (pushpin ) ) \n"
                             "(maparea \"#4\" \"\" (poly 50 50 6000 50 6000 90 ) (xor ) ) \n"
                             "(maparea   \"#5\"\n     \"\\320\\223\\320\\273\"\n   (rect   150   1000 300 40) (none))\n"
                             "(maparea \"#6\" \"(rect 1 2 3 4)\" (rect 160 900 700 56 ) (xor ) )"}
        << Changes{{"(rect 120 1500 431 56 )", "(rect 120 1500 700 56 )"},
                   {"(rect   150   1000 300 40)", "(rect   120   1000 700 40)"},
                   {"(rect 160 900 700 56 )", "(rect 120 900 700 56 )"}};
  }

  void leavesEverythingElse() {
    QFETCH(QList<QByteArray>, pages);
    QFETCH(Changes, changes);
    fixtest::Workbench bench;
    const QString document = bench.Path("book.djvu");
    QList<Page> content;
    for (const QByteArray& annotations : pages) content << Page{{}, annotations};
    testdocs::BuildDocument(document, content);
    const QByteArray expected = Replaced(OutputAnt(document), changes);
    bench.Add(document);

    QVERIFY2(FixRun(bench.frontEnd, bench.runner).Run(), qPrintable(bench.frontEnd.Log().Text()));
    QCOMPARE(OutputAnt(document), expected);
  }

  // A chunk that another tool wrote may hold a line "." with commands after
  // it; djvused prints it as stored. The job never runs them: a page whose
  // text is no sequence of records is left as it is and named, a record
  // holding such a line is written back on one line.
  void storedTextNeverRuns_data() {
    QTest::addColumn<QByteArray>("chunk");     // page 1's stored annotations, {OUTSIDE} a path
    QTest::addColumn<Changes>("changes");      // in the dump, page 1 and 2 ragged links aligned
    QTest::addColumn<QString>("named");        // the log's line of pages left as they were

    const QByteArray commands = "(background #ffffff)\n.\nselect; remove-txt\nsave-bundled {OUTSIDE}\nselect 1\nset-ant\n"
                                "(background #ffffff)\n";
    const Changes page2{{"(rect 150 1400 700 40 )", "(rect 100 1400 700 40 )"},
                        {"(rect 100 1500 300 40 )", "(rect 100 1500 700 40 )"}};
    QTest::newRow("commands after a line \".\"") << commands << page2 << QString();
    QTest::newRow("the same page with ragged links: left as it is")
        << fixtest::Links({Rect(100, 900, 300), Rect(150, 800, 700)}) + "\n" + commands << page2
        << QStringLiteral("Внимание: не изменены (их аннотации не читаются как записи): стр. 1");
    Changes rebuilt = page2;
    rebuilt << qMakePair(QByteArray("(maparea \"#2\" \"\"\n.\n (rect 150 800 700 40 ) (xor ) )\n"
                                    "(maparea \"#2\" \"\" (rect 100 900 300 40 ) (xor ) )"),
                         QByteArray("(maparea \"#2\" \"\" . (rect 100 800 700 40) (xor))\n"
                                    "(maparea \"#2\" \"\" (rect 100 900 700 40 ) (xor ) )"));
    QTest::newRow("a record holding a line \".\": aligned on one line")
        << QByteArray("(maparea \"#2\" \"\"\n.\n (rect 150 800 700 40 ) (xor ) )\n") + fixtest::Link(Rect(100, 900, 300))
        << rebuilt << QString();
  }

  void storedTextNeverRuns() {
    QFETCH(QByteArray, chunk);
    QFETCH(Changes, changes);
    QFETCH(QString, named);
    fixtest::Workbench bench;
    const QString document = bench.Path("book.djvu");
    const QString outside = bench.Path("outside.djvu");
    // A contents entry under every link of both pages: only such pages are aligned.
    QList<testdocs::TextLine> entries;
    for (const int bottom : {1500, 1400, 900, 800}) entries << testdocs::Line(bottom, QStringLiteral("Глава 1 3"));
    const QByteArray text = testdocs::PageText(entries);
    testdocs::BuildDocumentWithChunks(
        document, {Page{text, {}}, Page{text, fixtest::Links({Rect(100, 1500, 300), Rect(150, 1400, 700)})}},
        {{{"ANTa", chunk.replace("{OUTSIDE}", outside.toUtf8())}}});
    const QByteArray hiddenText = testdocs::OutputTxt(document);
    const QByteArray expected = Replaced(OutputAnt(document), changes);
    bench.Add(document);

    QVERIFY2(FixRun(bench.frontEnd, bench.runner).Run(), qPrintable(bench.frontEnd.Log().Text()));
    QCOMPARE(testdocs::OutputTxt(document), hiddenText);
    QVERIFY(!QFile::exists(outside));
    QCOMPARE(OutputAnt(document), expected);
    const QString log = bench.frontEnd.Log().Text();
    QCOMPARE(log.contains(QStringLiteral("не изменены")), !named.isEmpty());
    if (!named.isEmpty()) QVERIFY2(log.endsWith(named), qPrintable(log));
  }

  // djvused keeps the CR of a CR LF script inside the annotation text; the
  // fix job drops it, so running it again changes nothing.
  void repeatedRunsKeepTheText() {
    fixtest::Workbench bench;
    const QString document = bench.Path("book.djvu");
    const QByteArray links = fixtest::Link(Rect(100, 1500, 300)) + " \r\n" + fixtest::Link(Rect(150, 1400, 700)) + " \r";
    testdocs::BuildDocument(document, {Page{{}, links}});
    QVERIFY(OutputAnt(document).contains('\r'));
    bench.Add(document);

    QVERIFY(FixRun(bench.frontEnd, bench.runner).Run());
    const QByteArray once = OutputAnt(document);
    QVERIFY(!once.contains('\r'));
    QCOMPARE(fixtest::Columns(fixtest::AreasOf(once)), QStringLiteral("100:700 100:700"));
    QVERIFY(FixRun(bench.frontEnd, bench.runner).Run());
    QVERIFY(FixRun(bench.frontEnd, bench.runner).Run());
    QCOMPARE(OutputAnt(document), once);
  }

  void logsEveryStep() {
    fixtest::Workbench bench;
    const QString first = bench.Path("first.djvu");
    const QString second = bench.Path("second book.djvu");
    testdocs::BuildDocument(first, {Page{{}, fixtest::Links({Rect(100, 1500, 300)})}});
    testdocs::BuildDocument(second, {Page{{}, QByteArray()}});
    bench.Add(first);
    bench.Add(second);
    bench.frontEnd.LogAddLine(QStringLiteral("left over from an earlier run"));

    QVERIFY(FixRun(bench.frontEnd, bench.runner).Run());
    // One area is already aligned and a page without links has none to move:
    // neither book is written, and each file's lines start on a new line.
    const QString steps = QStringLiteral(
        "Получение данных из файла, создание скрипта OK\r\n"
        "Нахождение максимальных и минимальных значений координат OK\r\n"
        "Исправление скрипта OK\r\n");
    QCOMPARE(bench.frontEnd.Log().Text(),
             QStringLiteral("Начало обработки файла %1\r\n").arg(first) + steps +
                 QStringLiteral("Файл %1 не изменён: записывать нечего\r\n").arg(first) +
                 QStringLiteral("Начало обработки файла %1\r\n").arg(second) + steps +
                 QStringLiteral("Файл %1 не изменён: записывать нечего").arg(second));
    QVERIFY(bench.frontEnd.Messages().isEmpty());
    QVERIFY(bench.frontEnd.Errors().isEmpty());
    for (const QString& name : {QStringLiteral("1.bat"), QStringLiteral("myfile.dsed"), QStringLiteral("myfile1.dsed")}) {
      QVERIFY2(!QFile::exists(bench.runner.TempPath(name)), qPrintable(name));
    }
  }

  void endOptions_data() {
    QTest::addColumn<bool>("clearList");
    QTest::addColumn<bool>("close");
    QTest::addColumn<bool>("secondIsBroken");
    QTest::addColumn<int>("rowsLeft");
    QTest::addColumn<bool>("closed");
    QTest::newRow("both off") << false << false << false << 2 << false;
    QTest::newRow("clear and close") << true << true << false << 0 << true;
    QTest::newRow("stopped early") << true << true << true << 2 << false;
  }

  void endOptions() {
    QFETCH(bool, clearList);
    QFETCH(bool, close);
    QFETCH(bool, secondIsBroken);
    QFETCH(int, rowsLeft);
    QFETCH(bool, closed);
    fixtest::Workbench bench;
    const QString first = bench.Path("first.djvu");
    const QString second = bench.Path("second.djvu");
    testdocs::BuildDocument(first, {Page{{}, fixtest::Links({Rect(100, 1500, 300), Rect(150, 1400, 700)})}});
    if (secondIsBroken) {
      testdocs::WriteFile(second, "not a DjVu document\n");
    } else {
      testdocs::BuildDocument(second, {Page{{}, QByteArray()}});
    }
    bench.Add(first);
    bench.Add(second);
    bench.frontEnd.SetChecked(Option::FixClearList, clearList);
    bench.frontEnd.SetChecked(Option::FixClose, close);

    QCOMPARE(FixRun(bench.frontEnd, bench.runner).Run(), !secondIsBroken);
    QCOMPARE(bench.frontEnd.FixRowCount(), rowsLeft);
    QCOMPARE(bench.frontEnd.Closed(), closed);
    // The first document is finished either way.
    QCOMPARE(fixtest::Columns(fixtest::AreasOf(OutputAnt(first))), QStringLiteral("100:700 100:700"));
  }

  void backups_data() {
    QTest::addColumn<bool>("backup");
    QTest::addColumn<bool>("alreadyBackedUp");
    QTest::newRow("no backup") << false << false;
    QTest::newRow("backup of the unchanged document") << true << false;
    QTest::newRow("the create run's backup kept") << true << true;
  }

  void backups() {
    QFETCH(bool, backup);
    QFETCH(bool, alreadyBackedUp);
    fixtest::Workbench bench;
    const QString document = bench.Path("book.djvu");
    const QString backupPath = document + DjvusedRunner::kBackupSuffix;
    testdocs::BuildDocument(document, {Page{{}, fixtest::Links({Rect(100, 1500, 300), Rect(150, 1400, 700)})}});
    const QByteArray original = ReadFile(document);
    if (alreadyBackedUp) testdocs::WriteFile(backupPath, "the create run's backup");
    bench.Add(document);
    bench.frontEnd.SetChecked(Option::FixBackup, backup);

    QVERIFY(FixRun(bench.frontEnd, bench.runner).Run(alreadyBackedUp ? document : QString()));
    QVERIFY(ReadFile(document) != original);
    if (!backup) {
      QVERIFY(!QFile::exists(backupPath));
    } else {
      QCOMPARE(ReadFile(backupPath), alreadyBackedUp ? QByteArray("the create run's backup") : original);
    }
  }

  // Input the job cannot work on: a clear report, the file as it was, the
  // file never logged as finished, and the row after it named as not processed.
  void refusesBadInput_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("report");  // part of the log or the error box

    const QString notDjvu = QStringLiteral("Файл %1 не является документом DjVu или повреждён\nОшибка djvused (-e output-ant, код 10):\n");
    QTest::newRow("missing file") << false << QByteArray() << "не найден";
    QTest::newRow("empty file") << true << QByteArray() << notDjvu + "Failed to open document";
    QTest::newRow("not DjVu") << true << QByteArray("%PDF-1.4\nnot a DjVu document\n")
                              << notDjvu + "Failed to open document";

    // An area whose numbers are split over two lines, stored as it stands.
    QTemporaryDir folder;
    const QString broken = folder.filePath(QStringLiteral("broken.djvu"));
    testdocs::BuildDocument(broken, {Page{{}, fixtest::Links({Rect(100, 1500, 300)}) +
                                                "\n(maparea \"#2\" \"\" (rect 150 1400\n 700 40) (xor))"}});
    QTest::newRow("area split over two lines") << true << ReadFile(broken) << "Пустое значение, нужно целое число";
    // A book cut short: its directory reads, its pages do not.
    const QByteArray whole = ReadFile(broken);
    QTest::newRow("damaged") << true << whole.left(whole.size() - 20) << notDjvu;
  }

  void refusesBadInput() {
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    QFETCH(QString, report);
    fixtest::Workbench bench;
    const QString document = bench.Path("book.djvu"), after = bench.Path("after.djvu");
    if (exists) testdocs::WriteFile(document, content);
    testdocs::BuildDocument(after, {Page{{}, fixtest::Links({Rect(100, 1500, 300), Rect(150, 1400, 700)})}});
    const QByteArray afterBefore = ReadFile(after);
    bench.Add(document);
    bench.Add(after);
    bench.frontEnd.SetChecked(Option::FixClearList, true);

    QVERIFY(!FixRun(bench.frontEnd, bench.runner).Run());
    const QString log = bench.frontEnd.Log().Text();
    const QString reported = log.split(QStringLiteral("\r\n")).join('\n') + bench.frontEnd.Errors().join('\n');
    QVERIFY2(reported.contains(report.contains("%1") ? report.arg(document) : report), qPrintable(reported));
    QCOMPARE(log.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).last(), QStringLiteral("Не обработаны: after.djvu"));
    QCOMPARE(ReadFile(after), afterBefore);
    QVERIFY(!reported.contains(QStringLiteral("завершено")));
    QCOMPARE(QFile::exists(document), exists);
    if (exists) QCOMPARE(ReadFile(document), content);
    QCOMPARE(bench.frontEnd.FixRowCount(), 2);
  }

  void emptyList() {
    fixtest::Workbench bench;
    testdocs::WriteFile(bench.runner.TempPath(DjvusedRunner::kDumpFile), "stale");
    bench.frontEnd.LogAddLine(QStringLiteral("old"));
    bench.frontEnd.SetChecked(Option::FixClose, true);
    QVERIFY(!FixRun(bench.frontEnd, bench.runner).Run());
    QCOMPARE(bench.frontEnd.Messages(), QStringList{QStringLiteral("Ни один файл не выбран !")});
    QCOMPARE(bench.frontEnd.Log().Text(), QString());
    QVERIFY(!QFile::exists(bench.runner.TempPath(DjvusedRunner::kDumpFile)));
    QVERIFY(!bench.frontEnd.Closed());
  }
};

QTEST_GUILESS_MAIN(FixRunTest)
#include "test_fix_run.moc"

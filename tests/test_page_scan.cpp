// The scan of a hidden-text dump into a link script, fed with dump text in
// djvused's own form: entries recognised, areas placed, page blocks written,
// and the page-number question asked exactly when a contents number goes back.
#include <QRegularExpression>
#include <QtTest>

#include "create/link_writer.h"
#include "create/page_scan.h"
#include "support/recording_front_end.h"
#include "support/text_dumps.h"

using testdocs::LayoutLine;
using testdocs::Line;
using testdocs::TextLine;
using testdocs::Word;

namespace {

using Pages = QList<QList<TextLine>>;

// The new links of every page of the range, each page's as "ORDINAL: records".
QByteArray Scan(const Pages& pages, RecordingFrontEnd& frontEnd, ScanSettings settings = {},
                TextPageRange range = {1, 1}) {
  const TextDumpLines dump = TextDumpLines::FromText(testdocs::TextDump(pages));
  LinkWriter writer(LinkStyle{"rect", "(xor )"}, range);
  PageScan(dump, range, settings, writer, frontEnd).Run();
  QByteArray links;
  for (const PageLinks& page : writer.Pages()) links += QByteArray::number(page.ordinal) + ": " + page.text;
  return links;
}

// "#target left bottom width height" of every area, in script order.
QStringList Areas(const QByteArray& script) {
  static const QRegularExpression area(
      QStringLiteral("\\(maparea \"#(-?\\d+)\" \"\" \\(rect (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+) \\) \\(xor \\) \\) "));
  QStringList found;
  auto it = area.globalMatch(QString::fromUtf8(script));
  while (it.hasNext()) {
    const auto m = it.next();
    found << QStringLiteral("#%1 %2 %3 %4 %5").arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5));
  }
  return found;
}

// The contents page of the worked example: a heading, then three entries.
QList<TextLine> ContentsPage() {
  return {Line(1600, "Содержание"), Line(1500, "Введение 3"), Line(1400, "Глава 1 7"), Line(1300, "Глава 2 15")};
}

}  // namespace

class PageScanTest : public QObject {
  Q_OBJECT
 private slots:
  void ContentsEntries_data();
  void ContentsEntries();
  void QuestionAskedWhenNumberGoesBack();
  void Index2Words_data();
  void Index2Words();
  void PagesInRange_data();
  void PagesInRange();
  void WordsSkippedAndTargetsOutside_data();
  void WordsSkippedAndTargetsOutside();
};

void PageScanTest::ContentsEntries_data() {
  QTest::addColumn<Pages>("pages");
  QTest::addColumn<int>("mode");
  QTest::addColumn<int>("offset");
  QTest::addColumn<bool>("halve");
  QTest::addColumn<QStringList>("areas");
  // First area from its line's bottom to the heading's top; the next ones one line pitch high.
  QTest::newRow("worked example") << Pages{ContentsPage()} << 0 << 0 << false
                                  << QStringList{"#3 100 1500 200 140", "#7 100 1400 180 100", "#15 100 1300 200 100"};
  QTest::newRow("offset -2, halved") << Pages{ContentsPage()} << 0 << -2 << true
                                     << QStringList{"#-1 100 1500 200 140", "#1 100 1400 180 100", "#5 100 1300 200 100"};
  QTest::newRow("first line of the page covers itself")
      << Pages{{Line(1500, "Введение 3"), Line(1400, "Глава 9")}} << 0 << 0 << false
      << QStringList{"#3 100 1500 200 40", "#9 100 1400 140 100"};
  QTest::newRow("preceding line with the same top: the line's own height")
      << Pages{{Line(1500, "Часть", 600), Line(1500, "Введение 3")}} << 0 << 0 << false
      << QStringList{"#3 100 1500 200 40"};
  QTest::newRow("decreasing number dropped on the same page")
      << Pages{{Line(1500, "Глава 140"), Line(1400, "Глава 45"), Line(1300, "Глава 150")}} << 0 << 0 << false
      << QStringList{"#140 100 1500 180 40", "#150 100 1300 180 200"};
  QTest::newRow("decreasing number taken on the next page")
      << Pages{{Line(1500, "Глава 140")}, {Line(1500, "Глава 45")}} << 0 << 0 << false
      << QStringList{"#140 100 1500 180 40", "#45 100 1500 160 40"};
  QTest::newRow("a number alone on its line is no contents entry")
      << Pages{{Line(1500, "Глава 3"), Line(1400, "12")}} << 0 << 0 << false << QStringList{"#3 100 1500 140 40"};
  QTest::newRow("... but an index 1 entry")
      << Pages{{Line(1500, "Глава 3"), Line(1400, "12")}} << 1 << 0 << false
      << QStringList{"#3 100 1500 140 40", "#12 100 1400 40 100"};
  QTest::newRow("index 1 takes the last number of the line and numbers going back")
      << Pages{{Line(1500, "Абажур 12, 45"), Line(1400, "Абрис 7")}} << 1 << 0 << false
      << QStringList{"#45 100 1500 260 40", "#7 100 1400 140 100"};
  QTest::newRow("punctuation around the number; 1.5 and Roman numerals are none")
      << Pages{{Line(1500, "Глава (15)"), Line(1400, "Глава 1.5"), Line(1300, "Глава XIV"), Line(1200, "Итог ....20")}}
      << 0 << 0 << false << QStringList{"#15 100 1500 200 40", "#20 100 1200 220 300"};
  QTest::newRow("bullet repeats the previous entry; none before the first; a first entry reaches to the line above")
      << Pages{{Line(1500, "Пролог •"), Line(1400, "Глава 12"), Line(1300, "Раздел •")}} << 0 << 0 << false
      << QStringList{"#12 100 1400 160 140", "#12 100 1300 160 100"};
  QTest::newRow("bullet rule in index 1 too")
      << Pages{{Line(1500, "Абажур 12"), Line(1400, "Абрис •")}} << 1 << 0 << false
      << QStringList{"#12 100 1500 180 40", "#12 100 1400 140 100"};
  QTest::newRow("an indented line overlapping the previous area is widened to its left")
      << Pages{{Line(1500, "Глава 5"), Line(1400, "Раздел 6", 140)}} << 0 << 0 << false
      << QStringList{"#5 100 1500 140 40", "#6 100 1400 200 100"};
  QTest::newRow("zero is never an entry") << Pages{{Line(1500, "Глава 0")}} << 0 << 0 << false << QStringList{};
  QTest::newRow("Cyrillic word is never a number")
      << Pages{{Line(1500, "Глава Пять")}} << 0 << 0 << false << QStringList{};
}

void PageScanTest::ContentsEntries() {
  QFETCH(Pages, pages);
  QFETCH(int, mode);
  QFETCH(int, offset);
  QFETCH(bool, halve);
  QFETCH(QStringList, areas);
  RecordingFrontEnd frontEnd;
  const QByteArray script =
      Scan(pages, frontEnd, ScanSettings{WorkType(mode), offset, halve, 0, nullptr, {}}, TextPageRange{1, int(pages.size())});
  QCOMPARE(Areas(script), areas);
  QVERIFY(frontEnd.questions.isEmpty());
}

void PageScanTest::QuestionAskedWhenNumberGoesBack() {
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::AskWhenUnclear, true);
  // The 1 and the 2 inside the titles go back from 3 and 7; they are asked and dropped.
  QCOMPARE(Areas(Scan({ContentsPage()}, frontEnd)).size(), 3);
  QCOMPARE(frontEnd.questions, (QList<QPair<int, int>>{{3, 1}, {7, 2}}));

  // The answer replaces the number: 45 after 140 corrected to 145 is taken.
  frontEnd.questions.clear();
  frontEnd.answer = [](int, int current) { return current == 45 ? 145 : current; };
  const Pages ocrError{{Line(1500, "Глава 140"), Line(1400, "Глава 45")}};
  QCOMPARE(Areas(Scan(ocrError, frontEnd)), (QStringList{"#140 100 1500 180 40", "#145 100 1400 160 100"}));
  QCOMPARE(frontEnd.questions, (QList<QPair<int, int>>{{140, 45}}));

  // A new page's smaller first entry is asked, then taken.
  frontEnd.questions.clear();
  frontEnd.answer = nullptr;
  const Pages twoPages{{Line(1500, "Глава 140")}, {Line(1500, "Глава 45")}};
  QCOMPARE(Areas(Scan(twoPages, frontEnd, {}, {1, 2})).size(), 2);
  QCOMPARE(frontEnd.questions, (QList<QPair<int, int>>{{140, 45}}));

  // Never in the index modes, never with the option off.
  for (const WorkType mode : {WorkType::Index1, WorkType::Index2}) {
    frontEnd.questions.clear();
    Scan({ContentsPage()}, frontEnd, ScanSettings{mode, 0, false, 0, nullptr, {}});
    QVERIFY(frontEnd.questions.isEmpty());
  }
  frontEnd.SetChecked(Option::AskWhenUnclear, false);
  Scan({ContentsPage()}, frontEnd);
  QVERIFY(frontEnd.questions.isEmpty());
}

void PageScanTest::Index2Words_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("left");
  QTest::addColumn<int>("right");
  QTest::addColumn<QStringList>("areas");
  QTest::newRow("three numbers") << "12,15,20" << 100 << 400
                                 << QStringList{"#13 100 1500 100 40", "#16 200 1500 100 40", "#21 300 1500 100 40"};
  QTest::newRow("half widths round to even") << "12,15" << 100 << 201
                                             << QStringList{"#13 100 1500 50 40", "#16 150 1500 50 40"};
  QTest::newRow("trailing comma: one full area") << "12," << 100 << 300 << QStringList{"#13 100 1500 200 40"};
  QTest::newRow("leading comma: a single number") << ",12" << 100 << 300 << QStringList{"#13 100 1500 200 40"};
  QTest::newRow("Cyrillic first letter: skipped") << "Абажур12" << 100 << 300 << QStringList{};
  QTest::newRow("letters only") << "see" << 100 << 300 << QStringList{};
  QTest::newRow("digits after the last escaped letter") << "ab1Жы34" << 100 << 300 << QStringList{"#35 100 1500 200 40"};
  QTest::newRow("single zero: none") << "0" << 100 << 300 << QStringList{};
}

void PageScanTest::Index2Words() {
  QFETCH(QString, text);
  QFETCH(int, left);
  QFETCH(int, right);
  QFETCH(QStringList, areas);
  RecordingFrontEnd frontEnd;
  const TextLine line{100, 1500, 1000, 1540, {Word{50, 1500, 90, 1540, "Абажур"}, Word{left, 1500, right, 1540, text}}};
  QCOMPARE(Areas(Scan({{line}}, frontEnd, ScanSettings{WorkType::Index2, 1, false, 0, nullptr, {}})), areas);
}

void PageScanTest::WordsSkippedAndTargetsOutside_data() {
  QTest::addColumn<Pages>("pages");
  QTest::addColumn<int>("mode");
  QTest::addColumn<QStringList>("areas");
  QTest::addColumn<QStringList>("log");
  QTest::newRow("contents: OCR leaders read as a long number, then the real entries")
      << Pages{{Line(1500, "Введение 020000020000000"), Line(1400, "Глава 7")},
               {Line(1500, "Итоги 99999999999"), Line(1400, "Ответы 12")}}
      << 0 << QStringList{"#7 100 1400 140 140", "#12 100 1400 180 140"}
      << QStringList{"Пропущено слов с числом длиннее 32 бит: 2 (стр. 1, 2)"};
  QTest::newRow("contents: a target past the end makes no later entry smaller")
      << Pages{{Line(1500, "Введение 3"), Line(1400, "Приложение 90"), Line(1300, "Глава 7")}} << 0
      << QStringList{"#3 100 1500 200 40", "#7 100 1300 140 200"}
      << QStringList{"Ссылок на страницы вне документа не создано: 1 (номера 90)"};
  QTest::newRow("index 1: targets zero and past the end")
      << Pages{{Line(1500, "Абажур 0"), Line(1400, "Абрис 31"), Line(1300, "Азот 4"), Line(1200, "Акант 40"),
                Line(1100, "Алмаз 41"), Line(1000, "Альт 42"), Line(900, "Амбра 43")}}
      << 1 << QStringList{"#4 100 1300 120 140"}
      << QStringList{"Ссылок на страницы вне документа не создано: 5 (номера 31, 40, 41, 42, 43)"};
  QTest::newRow("index 2: one number of a word leads outside")
      << Pages{{LayoutLine(1500, 1540, {"Абажур", "12,45,20"})}} << 2
      << QStringList{"#12 240 1500 53 40", "#20 347 1500 53 40"}
      << QStringList{"Ссылок на страницы вне документа не создано: 1 (номера 45)"};
}

void PageScanTest::WordsSkippedAndTargetsOutside() {
  QFETCH(Pages, pages);
  QFETCH(int, mode);
  QFETCH(QStringList, areas);
  QFETCH(QStringList, log);
  const TextDumpLines dump = TextDumpLines::FromText(testdocs::TextDump(pages));
  const TextPageRange range{1, int(pages.size())};
  LinkWriter writer(LinkStyle{"rect", "(xor )"}, range);
  RecordingFrontEnd frontEnd;
  PageScan scan(dump, range, ScanSettings{WorkType(mode), 0, false, 30, nullptr, {}}, writer, frontEnd);
  scan.Run();
  QByteArray links;
  for (const PageLinks& page : writer.Pages()) links += page.text;
  QCOMPARE(Areas(links), areas);
  QCOMPARE(scan.Report().Lines(), log);
}

void PageScanTest::PagesInRange_data() {
  QTest::addColumn<int>("first");
  QTest::addColumn<int>("last");
  QTest::addColumn<QByteArray>("links");
  // Pages 1 and 3 have one entry each, page 2 none.
  QTest::newRow("middle page without entries") << 2 << 2 << QByteArray();
  QTest::newRow("range to the last text page")
      << 2 << 3 << QByteArray("3: (maparea \"#9\" \"\" (rect 100 1500 140 40 ) (xor ) ) ");
  QTest::newRow("range before any text page") << 5 << 6 << QByteArray();
}

void PageScanTest::PagesInRange() {
  QFETCH(int, first);
  QFETCH(int, last);
  QFETCH(QByteArray, links);
  RecordingFrontEnd frontEnd;
  const Pages pages{{Line(1500, "Глава 5")}, {Line(1500, "Текст")}, {Line(1500, "Глава 9")}};
  QCOMPARE(Scan(pages, frontEnd, {}, {first, last}), links);
}

QTEST_GUILESS_MAIN(PageScanTest)
#include "test_page_scan.moc"

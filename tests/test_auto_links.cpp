// The automatic contents and index recognisers on excerpts of real text
// layers (tests/data/excerpts: books made from PDF, OCR'd pages) and on lines
// quoted from real OCR output.
#include <QtTest>

#include "autolinks/auto_contents.h"
#include "autolinks/auto_index.h"
#include "autolinks/number_reading.h"

namespace {

TextZone Layer(const QByteArray& zonesOrExcerpt) {
  if (zonesOrExcerpt.startsWith('(')) return ParseTextLayer(zonesOrExcerpt);
  QFile file(QStringLiteral(QUILLMARK_TEST_DATA "/excerpts/") + QString::fromUtf8(zonesOrExcerpt));
  if (!file.open(QIODevice::ReadOnly)) qFatal("excerpt %s missing", zonesOrExcerpt.constData());
  return ParseTextLayer(file.readAll());
}

// A page of one line per entry, each word a zone of its own, 60 units apart.
QByteArray Lines(const QList<QByteArray>& lines) {
  QByteArray zones = "(page 0 0 2000 3000";
  int top = 2900;
  for (const QByteArray& text : lines) {
    zones += "\n (line 100 " + QByteArray::number(top - 40) + " 1900 " + QByteArray::number(top);
    int left = 100;
    for (const QByteArray& word : text.split(' ')) {
      const int right = left + 20 * int(word.size());
      zones += "\n  (word " + QByteArray::number(left) + ' ' + QByteArray::number(top - 40) + ' ' +
               QByteArray::number(right) + ' ' + QByteArray::number(top) + " \"" + word + "\")";
      left = right + 15;
    }
    zones += ')';
    top -= 60;
  }
  return zones + ')';
}

// Printed number, Roman mark and target of each entry: "19>25", "rvii>5".
QStringList Found(const QList<ContentsEntry>& entries) {
  QStringList found;
  for (const ContentsEntry& e : entries) {
    found << (e.printed.roman ? QStringLiteral("r") : QString()) + QString::number(e.printed.number) + QLatin1Char('>') +
                 QString::number(e.target) + (e.lookAlike ? QStringLiteral("~") : QString());
  }
  return found;
}

// Offset for Arabic numbers; Roman numbers only with a Roman offset (>0);
// targets outside 1..pages lead nowhere.
TargetOf Targets(int offset, int romanOffset = 0, int pages = 400) {
  return [=](int printed, bool roman) -> std::optional<int> {
    if (roman && romanOffset <= 0) return std::nullopt;
    const int target = roman ? romanOffset + printed - 1 : printed + offset;
    if (target < 1 || target > pages) return std::nullopt;
    return target;
  };
}

}  // namespace

class AutoLinksTest : public QObject {
  Q_OBJECT
 private slots:
  void PrintedLinesOfEveryLayout_data();
  void PrintedLinesOfEveryLayout();
  void TrailingNumbers_data();
  void TrailingNumbers();
  void Contents_data();
  void Contents();
  void ContentsAreasAndTitles();
  void ContentsQuestionAndOrderAcrossPages();
  void RunningHeadOfAContentsPage();
  void Index_data();
  void Index();
  void IndexAreasOverTheirOwnCharacters();
};

void AutoLinksTest::PrintedLinesOfEveryLayout_data() {
  QTest::addColumn<QByteArray>("zones");
  QTest::addColumn<QStringList>("lines");  // "column:text"
  QTest::newRow("number in a line zone of its own (PDF)")
      << QByteArray("autolinks-mpman-ru-contents.txt")
      << QStringList{"0:Содержание", "0:1 Введение 2", "0:2 Базовые команды для рисования 4",
                     "0:3 Управление выводом MetaPost 5", "0:3.1 Предварительный просмотр",
                     "0:графикиMetaPost........ 5", "0:8.1Наборвашихметок....... 27",
                     "0:8.2 Файлы-карты шрифтов . . . . . 30", "0:8.3Операторinfont ........31",
                     "0:8.4Измерениетекста........32", "1:9 Продвинутая графика 33",
                     "1:9.1 Построениециклов ....... 35", "1:9.2 Параметрическая работа с пу-",
                     "1:тями................ 37"};
  QTest::newRow("OCR merged two columns into one line zone")
      << QByteArray("(page 0 0 2000 1000"
                    " (line 100 900 1900 940 (word 100 900 120 940 \"1\") (word 150 900 400 940 \"Введение\")"
                    "  (word 700 900 720 940 \"2\") (word 1100 900 1160 940 \"9.2\")"
                    "  (word 1180 900 1500 940 \"Параметрическая\") (word 1520 900 1800 940 \"работа\"))"
                    " (line 100 840 1900 880 (word 100 840 120 880 \"2\") (word 150 840 400 880 \"Основы\")"
                    "  (word 700 840 720 880 \"4\") (word 1100 840 1160 880 \"9.3\")"
                    "  (word 1180 840 1500 880 \"Построение\") (word 1520 840 1800 880 \"циклов\"))"
                    " (line 100 780 1900 820 (word 100 780 120 820 \"3\") (word 150 780 400 820 \"Вывод\")"
                    "  (word 700 780 720 820 \"5\") (word 1100 780 1160 820 \"9.4\")"
                    "  (word 1180 780 1500 820 \"Пути\") (word 1520 780 1800 820 \"тексты\"))"
                    " (line 100 720 1900 760 (word 100 720 120 760 \"4\") (word 150 720 400 760 \"Цвет\")"
                    "  (word 700 720 720 760 \"6\") (word 1100 720 1160 760 \"9.5\")"
                    "  (word 1180 720 1500 760 \"Перья\")))")
      << QStringList{"0:1 Введение 2", "0:2 Основы 4", "0:3 Вывод 5", "0:4 Цвет 6", "1:9.2 Параметрическая работа",
                     "1:9.3 Построение циклов", "1:9.4 Пути тексты", "1:9.5 Перья"};
  QTest::newRow("line zones holding their text, no words")
      << QByteArray("(page 0 0 2000 1000 (line 100 900 1900 940 \"Chapter 2 .... 27\")"
                    " (line 100 840 1900 880 \"Index 31\"))")
      << QStringList{"0:Chapter 2 .... 27", "0:Index 31"};
  QTest::newRow("char zones without words")
      << QByteArray("(page 0 0 2000 1000 (line 100 900 400 940 (char 100 900 120 940 \"A\")"
                    " (char 120 900 140 940 \" \") (char 300 900 320 940 \"7\")))")
      << QStringList{"0:A 7"};
  QTest::newRow("leader dots below the middle of their line")
      << QByteArray("autolinks-r-intro-contents.txt")
      << QStringList{"0:i", "0:Table of Contents", "0:Preface...............................................1",
                     "0:1 Introductionandpreliminaries.................2",
                     "0:1.5 UsingRinteractively........................................... 3",
                     "0:1.10 Executing commands from or diverting output to a file . . . . . . . . . 6",
                     "0:1.11 Datapermanencyand removingobjects........................6",
                     "0:2 Simple manipulations; numbers and vectors . . 8"};
}

void AutoLinksTest::PrintedLinesOfEveryLayout() {
  QFETCH(QByteArray, zones);
  QFETCH(QStringList, lines);
  QStringList found;
  for (const PrintedLine& line : PrintedLines(Layer(zones))) found << QString::number(line.column) + ':' + line.Text();
  QCOMPARE(found, lines);
}

void AutoLinksTest::TrailingNumbers_data() {
  QTest::addColumn<QString>("word");
  QTest::addColumn<bool>("roman");
  QTest::addColumn<QString>("number");  // "" none, "r7" Roman, "15~" look-alike
  QTest::newRow("glued section and leaders") << "3.1ProblemStatement..........19" << false << "19";
  QTest::newRow("leaders") << "Preface.............1" << false << "1";
  QTest::newRow("Cyrillic glued") << "8.4Измерениетекста........32" << false << "32";
  QTest::newRow("trailing dot") << "15." << false << "15";
  QTest::newRow("parentheses") << "(15)" << false << "15";
  QTest::newRow("section number") << "3.1" << false << "";
  QTest::newRow("version") << "4.2" << false << "";
  QTest::newRow("date part") << "-10)." << false << "";
  QTest::newRow("OCR leaders as digits") << "020000020000." << false << "";
  QTest::newRow("leading zeros") << "0004" << false << "";
  QTest::newRow("digit then leaders") << "2..." << false << "";
  QTest::newRow("too long") << "200421" << false << "";
  QTest::newRow("Roman without offset") << "vii" << false << "";
  QTest::newRow("Roman") << "vii" << true << "r7";
  QTest::newRow("Roman after leaders") << "Preface.......xiv" << true << "r14";
  QTest::newRow("Roman upper") << "XL" << true << "r40";
  QTest::newRow("Roman glued to a word") << "Maxi" << true << "";
  QTest::newRow("Roman badly formed") << "iiii" << true << "";
  QTest::newRow("look-alike l") << "l5" << false << "15~";
  QTest::newRow("look-alike S") << "1S" << false << "15~";
  QTest::newRow("look-alike A") << "....A5" << false << "45~";
  QTest::newRow("look-alike glued to a word") << "Statementl5" << false << "5";
  QTest::newRow("letters only") << "see" << false << "";
}

void AutoLinksTest::TrailingNumbers() {
  QFETCH(QString, word);
  QFETCH(bool, roman);
  QFETCH(QString, number);
  const std::optional<ReadNumber> read = TrailingNumber(word, roman);
  QString found;
  if (read) {
    found = (read->roman ? QStringLiteral("r") : QString()) + QString::number(read->value) +
            (read->lookAlike ? QStringLiteral("~") : QString());
  }
  QCOMPARE(found, number);
}

void AutoLinksTest::Contents_data() {
  QTest::addColumn<QByteArray>("zones");
  QTest::addColumn<int>("offset");
  QTest::addColumn<int>("romanOffset");
  QTest::addColumn<QStringList>("entries");
  QTest::newRow("PDF book: glued, separate and dotted numbers")
      << QByteArray("autolinks-r-intro-contents.txt") << 6 << 0
      << QStringList{"1>7", "2>8", "3>9", "6>12", "6>12", "8>14"};
  QTest::newRow("PDF book, Russian: numbers in zones of their own, wrapped titles, two columns")
      << QByteArray("autolinks-mpman-ru-contents.txt") << 2 << 0
      << QStringList{"2>4", "4>6", "5>7", "5>7", "27>29", "30>32", "31>33", "32>34", "33>35", "35>37", "37>39"};
  QTest::newRow("OCR'd page: leaders read as digits and letters, 1.3 read as 1.38")
      << QByteArray("autolinks-r-intro-contents-ocr.txt") << 6 << 0
      << QStringList{"1>7", "2>8", "4>10", "5>11", "6>12", "14>20", "17>23", "20>26", "20>26"};
  QTest::newRow("run-in entries")
      << Lines({"2.4.1 A note on the width of the typeblock 13, 2.4.2 Specifying the typeblock 14",
                "2.5 Margins 15"})
      << 0 << 0 << QStringList{"13>13", "14>14", "15>15"};
  QTest::newRow("OCR'd scan: specks after a number, two columns run into one line")
      << QByteArray("(page 0 0 2000 3000"
                    " (line 100 2860 575 2900 (word 100 2860 160 2900 \"2.1\") (word 175 2860 355 2900 \"Уравнения\")"
                    "  (word 370 2860 450 2900 \"пары\") (word 465 2860 505 2900 \"15\") (word 520 2870 530 2880 \"-\")"
                    "  (word 545 2860 550 2865 \".\") (word 565 2870 575 2880 \"-\"))"
                    " (line 100 2800 1270 2840 (word 100 2800 120 2840 \"7\") (word 135 2800 335 2840 \"Переменные\")"
                    "  (word 350 2800 390 2840 \"23\") (word 1000 2800 1040 2840 \"9.1\")"
                    "  (word 1055 2800 1215 2840 \"Файловые\") (word 1230 2800 1270 2840 \"71\")))")
      << 0 << 0 << QStringList{"15>15", "23>23", "71>71"};
  QTest::newRow("date in the title block")
      << Lines({"Reference manual", "September 14, 2022", "Introduction 1", "Basics 5", "Advanced 9"}) << 0 << 0
      << QStringList{"1>1", "5>5", "9>9"};
  QTest::newRow("date that would be a page of the document")
      << Lines({"Draft 3, 30", "Introduction 1", "Basics 5", "Advanced 9"}) << 0 << 0
      << QStringList{"1>1", "5>5", "9>9"};
  QTest::newRow("Roman front matter with a Roman offset")
      << Lines({"Short contents · vii", "Preface .... ix", "1 Starting off 1", "2 Going on 12"}) << 10 << 3
      << QStringList{"r7>9", "r9>11", "1>11", "12>22"};
  QTest::newRow("Roman front matter without one")
      << Lines({"Short contents · vii", "Preface .... ix", "1 Starting off 1", "2 Going on 12"}) << 10 << 0
      << QStringList{"1>11", "12>22"};
  QTest::newRow("OCR noise is leader")
      << Lines({"Introduction ..... 020000020000.", "Basics 0004", "Syntax 2...", "Objects 0000000000000.",
                "Types 7"})
      << 0 << 0 << QStringList{"7>7"};
  QTest::newRow("look-alikes only where they fit")
      << Lines({"Vectors 12", "Arrays l5", "Lists 17", "Frames A5", "Factors 19", "Models O"}) << 0 << 0
      << QStringList{"12>12", "15>15~", "17>17", "19>19"};
  QTest::newRow("targets outside the document")
      << Lines({"Introduction 1", "Basics 5", "Appendix 900"}) << -1 << 0 << QStringList{"5>4"};
  QTest::newRow("an OCR error going backwards is dropped")
      << Lines({"Vectors 140", "Arrays 45", "Lists 150"}) << 0 << 0 << QStringList{"140>140", "150>150"};
  QTest::newRow("a number alone or at the start is no entry")
      << Lines({"12", "3 Objects", "4.1 Arrays in 3 parts"}) << 0 << 0 << QStringList{};
}

void AutoLinksTest::Contents() {
  QFETCH(QByteArray, zones);
  QFETCH(int, offset);
  QFETCH(int, romanOffset);
  QFETCH(QStringList, entries);
  ContentsRecogniser recogniser({Targets(offset, romanOffset), romanOffset > 0, nullptr});
  QCOMPARE(Found(recogniser.Page(Layer(zones))), entries);
}

void AutoLinksTest::ContentsAreasAndTitles() {
  ContentsRecogniser recogniser({Targets(2), false, nullptr});
  const QList<ContentsEntry> entries = recogniser.Page(Layer("autolinks-mpman-ru-contents.txt"));
  QVERIFY(entries.size() >= 4);
  // "1 Введение" and its number "2" in a zone of its own: one area over both.
  QCOMPARE(entries[0].title, QStringLiteral("1 Введение"));
  QCOMPARE(entries[0].area.left, 379);
  QCOMPARE(entries[0].area.left + entries[0].area.Width(), qint64(1220));
  // A title wrapped over two lines: one entry over both lines, the title
  // joined, the first line's left edge and height kept.
  QCOMPARE(entries[3].title, QStringLiteral("3.1 Предварительный просмотр графикиMetaPost"));
  QCOMPARE(entries[3].area.bottom, 2623);
  QCOMPARE(entries[3].area.bottom + entries[3].area.Height(), qint64(2709));
  QCOMPARE(entries[3].left, 439);
  QCOMPARE(entries[3].lineHeight, 36);
  QCOMPARE(entries.last().title, QStringLiteral("9.2 Параметрическая работа с путями"));
  // OCR's leader noise is no part of a title; a title word glued to its
  // leaders keeps its letters.
  ContentsRecogniser ocr({Targets(6), false, nullptr});
  const QList<ContentsEntry> read = ocr.Page(Layer("autolinks-r-intro-contents-ocr.txt"));
  QCOMPARE(read[0].title, QStringLiteral("Preface"));
  QCOMPARE(read[2].title, QStringLiteral("1.7 Getting help with functions and features"));
  QCOMPARE(read[6].title, QStringLiteral("4.2. The function tapply© and ragged arrays"));

  ContentsRecogniser runIn({Targets(0), false, nullptr});
  const QList<ContentsEntry> parts =
      runIn.Page(Layer(Lines({"2.4.1 A note on the width 13, 2.4.2 Specifying the typeblock 14"})));
  QCOMPARE(parts.size(), 2);
  QCOMPARE(parts[0].title, QStringLiteral("2.4.1 A note on the width"));
  QCOMPARE(parts[1].title, QStringLiteral("2.4.2 Specifying the typeblock"));
  QVERIFY(parts[0].area.left + parts[0].area.Width() < parts[1].area.left);
}

void AutoLinksTest::ContentsQuestionAndOrderAcrossPages() {
  QList<QPair<int, int>> asked;
  QStringList lines;
  int answer = 0;
  ContentsRecogniser recogniser({Targets(0), false, [&](int previous, int current, const QString& line) -> std::optional<int> {
                                   asked.append({previous, current});
                                   lines << line;
                                   return answer ? answer : current;
                                 }});
  // An OCR error on the page: asked with the previous entry's number; the
  // typed number is taken where it fits.
  answer = 145;
  QCOMPARE(Found(recogniser.Page(Layer(Lines({"Vectors 140", "Arrays 45", "Lists 150"})))),
           (QStringList{"140>140", "145>145", "150>150"}));
  QCOMPARE(asked, (QList<QPair<int, int>>{{140, 45}}));
  QCOMPARE(lines, QStringList{"Arrays 45"});
  // The next page starts lower than the last page ended: asked, and kept
  // when the answer leaves the number as it is.
  asked.clear();
  answer = 0;
  QCOMPARE(Found(recogniser.Page(Layer(Lines({"Index 90", "Errata 95"})))), (QStringList{"90>90", "95>95"}));
  QCOMPARE(asked, (QList<QPair<int, int>>{{150, 90}}));
  QCOMPARE(lines.last(), QStringLiteral("Index 90"));
}

void AutoLinksTest::RunningHeadOfAContentsPage() {
  // "CONTENTS 3" above the entries of page 3 is its running head and folio;
  // the same line on another page would lead there and stays an entry.
  const QByteArray page =
      "(page 0 0 2000 3000\n"
      " (line 100 2860 1880 2900 (word 100 2860 260 2900 \"CONTENTS\") (word 1860 2860 1880 2900 \"3\"))\n"
      " (line 100 2660 1880 2700 (word 100 2660 200 2700 \"Intro\") (word 1860 2660 1880 2700 \"5\"))\n"
      " (line 100 2600 1880 2640 (word 100 2600 200 2640 \"Body\") (word 1860 2600 1880 2640 \"9\")))";
  ContentsRecogniser onItsPage({Targets(0), false, nullptr});
  QCOMPARE(Found(onItsPage.Page(Layer(page), 3)), (QStringList{"5>5", "9>9"}));
  ContentsRecogniser elsewhere({Targets(0), false, nullptr});
  QCOMPARE(Found(elsewhere.Page(Layer(page), 2)), (QStringList{"3>3", "5>5", "9>9"}));
}

void AutoLinksTest::Index_data() {
  QTest::addColumn<QByteArray>("zones");
  QTest::addColumn<int>("documentPage");
  QTest::addColumn<QStringList>("entries");
  QTest::newRow("PDF book, two columns, folio and running head")
      << QByteArray("autolinks-r-intro-index.txt") << 109
      << QStringList{"8>14",  "11>17", "27>33", "30>36", "26>32", "58>64", "58>64", "70>76", "58>64", "69>75",
                     "9>15",  "22>28", "24>30", "27>33", "58>64", "4>10",  "4>10",  "4>10",  "37>43", "70>76",
                     "74>80", "43>49", "43>49", "70>76", "11>17", "11>17", "44>50", "64>70", "65>71", "66>72"};
  QTest::newRow("ranges whatever the dash")
      << Lines({"typeblock 206–208, 210", "margins 38\02540, 44-46", "widths 12—14"}) << 1
      << QStringList{"206>212", "208>214", "210>216", "38>44", "40>46", "44>50", "46>52", "12>18", "14>20"};
  QTest::newRow("see also, ff., semicolons")
      << Lines({"fonts 12ff., 30f.; see also encodings", "encodings, see fonts", "paper (15), 18;"}) << 1
      << QStringList{"12>18", "30>36", "15>21", "18>24"};
  QTest::newRow("digits glued to letters and fractions")
      << Lines({"T1 encoding 7", "10pt option 8", "a4paper 9", "koi8-r 10", "X11 fonts 11", "3⁄4 inch 12",
                "3D graphics 13"})
      << 1 << QStringList{"7>13", "8>14", "9>15", "10>16", "11>17", "12>18", "13>19"};
  QTest::newRow("OCR noise")
      << Lines({"attributes 0... ccc eee eee 15", "names ..... 2... 0.0... 0000000000000. 0 0004",
                "levels 000000020004", "CONETASTS . 6. eect ee eee teens 58", "is Kon eh © 5 ai 17",
                "POSE 5 99"})
      << 1 << QStringList{"15>21", "58>64", "17>23"};
  QTest::newRow("a number leading to the page itself")
      << Lines({"alpha 12", "beta 14, 20"}) << 20 << QStringList{"12>18", "20>26"};
  QTest::newRow("commas set as words of their own")
      << Lines({"arrow, 131 , 172", "binary, 103 ; 65"}) << 1 << QStringList{"131>137", "172>178", "103>109", "65>71"};
  QTest::newRow("continuation line of numbers")
      << Lines({"vectors 3, 5,", "7, 9"}) << 1 << QStringList{"3>9", "5>11", "7>13", "9>15"};
  // A list that does not rise holds a misread digit: its two numbers are left
  // out; numbers of different entries on one row may fall.
  QTest::newRow("numbers of one list out of order")
      << Lines({"bbox, 32, 31, 84", "and, 19, 21, 82", "alpha, 12, beta, 10"}) << 1
      << QStringList{"84>90", "19>25", "21>27", "82>88", "12>18", "10>16"};
  // An OCR'd page: "drawunboxed, 69, 71" with the tops of "d b d" and the
  // "1" of 71 read as a line of their own; "7" and "1" touch.
  QTest::newRow("a number OCR split into two touching words")
      << QByteArray("(page 0 0 2550 3300 (line 376 1383 744 1411 (word 376 1383 396 1408 \"d\")"
                    " (word 506 1383 525 1408 \"b\") (word 593 1383 613 1408 \"d\") (word 731 1383 744 1411 \"1\"))"
                    " (line 397 1350 731 1411 (word 397 1383 590 1401 \"rawunboxed,\") (word 618 1375 726 1411 \"69,\")"
                    " (word 712 1344 731 1415 \"7\")))")
      << 102 << QStringList{"69>75", "71>77"};
}

void AutoLinksTest::Index() {
  QFETCH(QByteArray, zones);
  QFETCH(int, documentPage);
  QFETCH(QStringList, entries);
  QCOMPARE(Found(IndexEntries(Layer(zones), documentPage, {Targets(6), false})), entries);
}

void AutoLinksTest::IndexAreasOverTheirOwnCharacters() {
  // "crossprod.................................22,24": one word, no char zones:
  // the box is split by character count, each number over its own digits.
  const QList<ContentsEntry> entries = IndexEntries(Layer("autolinks-r-intro-index.txt"), 109, {Targets(6), false});
  const auto at = std::find_if(entries.begin(), entries.end(), [](const ContentsEntry& e) { return e.printed.number == 22; });
  QVERIFY(at != entries.end());
  QCOMPARE(at->title, QStringLiteral("crossprod"));
  QVERIFY(at->area.left > 1100);
  QVERIFY(at->area.Width() < 40);
  QCOMPARE(at[1].printed.number, 24);
  QVERIFY(at[1].area.left >= at->area.left + at->area.Width());
  QVERIFY(at[1].area.left + at[1].area.Width() <= 1236);
  // Char zones give the exact place.
  const QList<ContentsEntry> chars = IndexEntries(
      ParseTextLayer("(page 0 0 2000 1000 (line 100 900 900 940 (word 100 900 300 940 \"alpha\")"
                     " (word 400 900 600 940 (char 400 900 420 940 \"1\") (char 420 900 450 940 \"2\")"
                     " (char 450 900 460 940 \",\") (char 500 900 530 940 \"3\") (char 530 900 560 940 \"4\"))))"),
      1, {Targets(0), false});
  QCOMPARE(Found(chars), (QStringList{"12>12", "34>34"}));
  QCOMPARE(chars[0].area.left, 400);
  QCOMPARE(chars[0].area.Width(), qint64(50));
  QCOMPARE(chars[1].area.left, 500);
  QCOMPARE(chars[1].area.Width(), qint64(60));
}

QTEST_APPLESS_MAIN(AutoLinksTest)
#include "test_auto_links.moc"

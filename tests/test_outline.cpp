// The outline made from the contents: bookmark titles, levels from the
// numbering, the indentation or the type size, the set-outline data, and the
// titles of the described scan's entries read from real text-layer excerpts.
#include <QFile>
#include <QtTest>

#include "autolinks/auto_contents.h"
#include "outline/entry_title.h"
#include "page/text_layer.h"
#include "outline/outline_levels.h"
#include "outline/outline_script.h"
#include "outline/outline_title.h"

namespace {

QByteArray Excerpt(const char* name) {
  QFile file(QStringLiteral(QUILLMARK_TEST_DATA "/excerpts/") + QString::fromUtf8(name));
  if (!file.open(QIODevice::ReadOnly)) qFatal("missing excerpt %s", name);
  return file.readAll();
}

// "title|page|column|left|height"
QList<ContentsEntry> Entries(const QStringList& rows) {
  QList<ContentsEntry> entries;
  for (const QString& row : rows) {
    const QStringList f = row.split(QLatin1Char('|'));
    ContentsEntry e;
    e.title = f[0];
    e.page = f[1].toInt();
    e.column = f[2].toInt();
    e.left = f[3].toInt();
    e.lineHeight = f[4].toInt();
    entries << e;
  }
  return entries;
}

QList<int> LevelsOf(const QList<ContentsEntry>& entries) {
  QList<int> levels;
  for (const ContentsEntry& e : entries) levels << e.level;
  return levels;
}

}  // namespace

class OutlineTest : public QObject {
  Q_OBJECT

 private slots:
  void Titles_data();
  void Titles();
  void Numbering_data();
  void Numbering();
  void Levels_data();
  void Levels();
  void LevelsOfRealContents_data();
  void LevelsOfRealContents();
  void DescribedTitles_data();
  void DescribedTitles();
  void Data();
  void Counts_data();
  void Counts();
};

void OutlineTest::Titles_data() {
  QTest::addColumn<QStringList>("words");
  QTest::addColumn<QString>("title");
  QTest::newRow("one word") << QStringList{"Введение"} << "Введение";
  QTest::newRow("blanks inside words") << QStringList{" Базовые ", "команды\tдля", "рисования"}
                                       << "Базовые команды для рисования";
  QTest::newRow("spaced leader dots") << QStringList{"Файлы-карты", "шрифтов", ".", ".", "."} << "Файлы-карты шрифтов";
  QTest::newRow("leaders glued to the title") << QStringList{"графикиMetaPost........"} << "графикиMetaPost";
  QTest::newRow("OCR's letters for dots") << QStringList{"Preface", "eee", "...."} << "Preface";
  QTest::newRow("OCR's letters for dots after the first dots")
      << QStringList{"1.1", "Package", "structure.", ".......", "неее", "nee", "eee", "ene"} << "1.1 Package structure";
  QTest::newRow("OCR's letters for dots after dots glued to the title")
      << QStringList{"2.2", "Sectioning...", "не", "неее", "ние", "ьььннын"} << "2.2 Sectioning";
  QTest::newRow("dots inside a title") << QStringList{"10.4", "The", "‘...’", "argument"} << "10.4 The ‘...’ argument";
  QTest::newRow("middle dots") << QStringList{"Intro", "·····"} << "Intro";
  QTest::newRow("comma before the number") << QStringList{"Кривые,"} << "Кривые";
  QTest::newRow("dash before the number") << QStringList{"Глава", "1", "—"} << "Глава 1";
  QTest::newRow("colon before the number") << QStringList{"Index:"} << "Index";
  QTest::newRow("word broken at the line's end") << QStringList{"Параметрическая", "работа", "с", "пу-", "тями"}
                                                 << "Параметрическая работа с путями";
  QTest::newRow("hyphenated word stays") << QStringList{"Файлы-", "Карты"} << "Файлы- Карты";
  QTest::newRow("section number set apart") << QStringList{"5.4", ".1", "Mixed", "vector"} << "5.4.1 Mixed vector";
  QTest::newRow("number ending the title") << QStringList{"Features", "in", "version", "5.4"}
                                           << "Features in version 5.4";
  QTest::newRow("nothing but leaders") << QStringList{"......."} << "";
}

void OutlineTest::Titles() {
  QFETCH(QStringList, words);
  QFETCH(QString, title);
  QCOMPARE(OutlineTitle(words), title);
}

void OutlineTest::Numbering_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<int>("rank");  // -1: no numbering
  QTest::newRow("chapter number") << "1 Введение" << 1;
  QTest::newRow("number with a dot") << "2. Кривые" << 1;
  QTest::newRow("two numbers") << "3.1 Предварительный просмотр" << 2;
  QTest::newRow("three numbers") << "1.2.3 The DESCRIPTION file" << 3;
  QTest::newRow("glued to the title") << "3.1ProblemStatement" << 2;
  QTest::newRow("appendix section") << "A.1 A sample session" << 2;
  QTest::newRow("Глава") << "Глава 3. Кривые" << 1;
  QTest::newRow("upper case") << "ГЛАВА 3" << 1;
  QTest::newRow("Chapter") << "Chapter 2 Getting started" << 1;
  QTest::newRow("Appendix") << "Appendix A The R environment" << 1;
  QTest::newRow("Приложение alone") << "Приложение" << 1;
  QTest::newRow("Часть") << "Часть II. Основы" << 0;
  QTest::newRow("Part") << "Part 1" << 0;
  QTest::newRow("roman part") << "I Gnuplot" << 0;
  QTest::newRow("unnumbered") << "Введение" << -1;
  QTest::newRow("a year") << "1984 год" << -1;
  QTest::newRow("a unit") << "10pt fonts" << -1;
  QTest::newRow("2D") << "2D plots" << -1;
  QTest::newRow("I/O") << "I/O functions" << -1;
  QTest::newRow("Introduction") << "Introduction" << -1;
}

void OutlineTest::Numbering() {
  QFETCH(QString, title);
  QFETCH(int, rank);
  QCOMPARE(NumberingRank(title).value_or(-1), rank);
}

void OutlineTest::Levels_data() {
  QTest::addColumn<QStringList>("entries");  // "title|page|column|left|height"
  QTest::addColumn<QList<int>>("levels");
  QTest::newRow("three numbered levels")
      << QStringList{"1 A|3|0|100|30", "1.1 B|3|0|140|30", "1.1.1 C|3|0|180|30", "2 D|3|0|100|30"}
      << QList<int>{1, 2, 3, 1};
  QTest::newRow("numbering wins over a flat layout")
      << QStringList{"1 A|3|0|100|30", "1.1 B|3|0|100|30", "1.1.1 C|3|0|100|30", "1.2 D|3|0|100|30"}
      << QList<int>{1, 2, 3, 2};
  QTest::newRow("parts, chapters and sections")
      << QStringList{"Часть I|3|0|100|30", "Глава 1|3|0|100|30", "1.1 A|3|0|140|30", "Глава 2|3|0|100|30",
                     "Часть II|3|0|100|30", "Глава 3|3|0|100|30"}
      << QList<int>{1, 2, 3, 2, 1, 2};
  QTest::newRow("unnumbered entries take the level of their indentation")
      << QStringList{"Предисловие|3|0|100|30", "1 A|3|0|100|30", "1.1 B|3|0|140|30", "Упражнения|3|0|140|30",
                     "2 C|3|0|100|30", "Литература|3|0|100|30"}
      << QList<int>{1, 1, 2, 2, 1, 1};
  QTest::newRow("unnumbered, further in than any numbered")
      << QStringList{"1 A|3|0|100|30", "1.1 B|3|0|140|30", "Пример|3|0|180|30", "2 C|3|0|100|30"}
      << QList<int>{1, 2, 3, 1};
  QTest::newRow("unnumbered sections under parts at the same edge")
      << QStringList{"I Gnuplot|2|0|151|22", "Copyright|2|0|151|18", "New features|2|0|151|18",
                     "Features in 5.4|2|0|190|18", "II Plotting styles|3|0|151|22", "Boxes|3|0|151|18"}
      << QList<int>{1, 2, 2, 3, 1, 2};
  QTest::newRow("indentation")
      << QStringList{"A|3|0|100|30", "B|3|0|140|30", "C|3|0|180|30", "D|3|0|140|30", "E|3|0|100|30"}
      << QList<int>{1, 2, 3, 2, 1};
  QTest::newRow("OCR jitter within half a line")
      << QStringList{"A|3|0|100|30", "B|3|0|103|30", "C|3|0|141|30", "D|3|0|97|30"} << QList<int>{1, 1, 2, 1};
  QTest::newRow("a scanned page moved to the right")
      << QStringList{"A|3|0|100|30", "B|3|0|140|30", "C|3|0|180|30", "D|4|0|130|30", "E|4|0|170|30",
                     "F|4|0|210|30"}
      << QList<int>{1, 2, 3, 1, 2, 3};
  QTest::newRow("a page of sections only keeps its place")
      << QStringList{"A|3|0|100|30", "B|3|0|140|30", "C|3|0|180|30", "D|4|0|140|30", "E|4|0|180|30"}
      << QList<int>{1, 2, 3, 2, 3};
  QTest::newRow("two columns")
      << QStringList{"A|3|0|100|30", "B|3|0|140|30", "C|3|1|700|30", "D|3|1|740|30"} << QList<int>{1, 2, 1, 2};
  QTest::newRow("type size when all stand at one edge")
      << QStringList{"A|3|0|100|40", "B|3|0|100|30", "C|3|0|100|31", "D|3|0|100|41", "E|3|0|100|29"}
      << QList<int>{1, 2, 2, 1, 2};
  QTest::newRow("flat") << QStringList{"A|3|0|100|30", "B|3|0|101|30", "C|3|0|100|31"} << QList<int>{1, 1, 1};
  QTest::newRow("no level skipped, first on top")
      << QStringList{"A|3|0|180|30", "B|3|0|100|30", "C|3|0|180|30", "D|3|0|140|30"} << QList<int>{1, 1, 2, 2};
}

void OutlineTest::Levels() {
  QFETCH(QStringList, entries);
  QFETCH(QList<int>, levels);
  QList<ContentsEntry> list = Entries(entries);
  AssignLevels(list);
  QCOMPARE(LevelsOf(list), levels);
}

void OutlineTest::LevelsOfRealContents_data() {
  QTest::addColumn<QByteArray>("excerpt");
  QTest::addColumn<QStringList>("titles");  // "level title" of the first entries
  QTest::newRow("mpman-ru, typeset, two columns")
      << QByteArray("autolinks-mpman-ru-contents.txt")
      << QStringList{"1 1 Введение", "1 2 Базовые команды для рисования", "1 3 Управление выводом MetaPost",
                     "2 3.1 Предварительный просмотр графикиMetaPost", "2 8.1Наборвашихметок",
                     "2 8.2 Файлы-карты шрифтов", "2 8.3Операторinfont", "2 8.4Измерениетекста",
                     "1 9 Продвинутая графика", "2 9.1 Построениециклов", "2 9.2 Параметрическая работа с путями"};
  QTest::newRow("r-intro, typeset")
      << QByteArray("autolinks-r-intro-contents.txt")
      << QStringList{"1 Preface", "1 1 Introductionandpreliminaries", "2 1.5 UsingRinteractively",
                     "2 1.10 Executing commands from or diverting output to a file",
                     "2 1.11 Datapermanencyand removingobjects", "1 2 Simple manipulations; numbers and vectors"};
  // OCR noise after the titles ("objects......0..00 0 0-") is no part of them.
  QTest::newRow("r-intro, OCR")
      << QByteArray("autolinks-r-intro-contents-ocr.txt")
      << QStringList{"1 Preface", "2 1.38 Rand statistics", "2 1.7 Getting help with functions and features",
                     "2 1.9 Recall and correction of previous commands", "2 1.11 Data permanency and removing objects",
                     "2 3.1 Intrinsic attributes: mode and length", "2 4.2. The function tapply© and ragged arrays",
                     "1 5 Arrays and matrices"};
}

void OutlineTest::LevelsOfRealContents() {
  QFETCH(QByteArray, excerpt);
  QFETCH(QStringList, titles);
  ContentsRecogniser contents({[](int printed, bool) { return std::optional<int>(printed + 6); }, false, {}});
  QList<ContentsEntry> entries;
  for (const ContentsEntry& e : contents.Page(ParseTextLayer(Excerpt(excerpt)))) {
    ContentsEntry entry;
    entry.title = OutlineTitle({e.title});
    entry.page = 3;
    entry.column = e.column;
    entry.left = e.left;
    entry.lineHeight = e.lineHeight;
    entries << entry;
  }
  AssignLevels(entries);
  QStringList read;
  for (const ContentsEntry& e : entries.mid(0, titles.size())) read << QStringLiteral("%1 %2").arg(e.level).arg(e.title);
  QCOMPARE(read, titles);
}

void OutlineTest::DescribedTitles_data() {
  QTest::addColumn<QByteArray>("excerpt");
  QTest::addColumn<QList<int>>("line");  // the box of the line zone that ends in the number
  QTest::addColumn<QStringList>("words");
  QTest::newRow("own line") << QByteArray("mpman-ru-p3.txt") << QList<int>{377, 2800, 1222, 2836}
                            << QStringList{"2", "Базовые", "команды", "для", "рисования", ""};
  QTest::newRow("wrapped over line zones on one baseline")
      << QByteArray("mpman-ru-p3.txt") << QList<int>{533, 2623, 1221, 2659}
      << QStringList{"3.1", "Предварительный", "просмотр", "графикиMetaPost........", ""};
  QTest::newRow("number glued to the leaders") << QByteArray("mpman-ru-p3.txt") << QList<int>{439, 1188, 1221, 1224}
                                               << QStringList{"8.4Измерениетекста........"};
  QTest::newRow("spaced leaders") << QByteArray("r-intro-p4.txt") << QList<int>{501, 2950, 1872, 2991}
                                  << QStringList{"5.4", ".1", "Mixed", "vector", "and", "array", "arithmetic.",
                                                 "The", "recycling", "rule", ".", ".", ".", ".", ".", ""};
  QTest::newRow("no such line") << QByteArray("mpman-ru-p3.txt") << QList<int>{1, 1, 2, 2} << QStringList{};
}

void OutlineTest::DescribedTitles() {
  QFETCH(QByteArray, excerpt);
  QFETCH(QList<int>, line);
  QFETCH(QStringList, words);
  QCOMPARE(EntryTitleWords(ParseTextLayer(Excerpt(excerpt)), PageRect::Edges(line[0], line[1], line[2], line[3])), words);
}

void OutlineTest::Data() {
  QList<ContentsEntry> entries = Entries({"1 Введение|3|0|100|30", "1.1 \"Quoted\" \\ back|3|0|140|30",
                                         "1.1.1 Deep|3|0|180|30", "2 Next|3|0|100|30"});
  for (int i = 0; i < entries.size(); ++i) {
    entries[i].level = QList<int>{1, 2, 3, 1}[i];
    entries[i].target = 10 + i;
  }
  QCOMPARE(OutlineData(entries), QByteArray("(bookmarks\n"
                                            " (\"1 \\320\\222\\320\\262\\320\\265\\320\\264\\320\\265\\320\\275"
                                            "\\320\\270\\320\\265\" \"#10\"\n"
                                            "  (\"1.1 \\\"Quoted\\\" \\\\ back\" \"#11\"\n"
                                            "   (\"1.1.1 Deep\" \"#12\" ) ) )\n"
                                            " (\"2 Next\" \"#13\" ) )"));
  // A title with line breaks and lines "." stays one string on one line.
  entries = {entries.first()};
  entries[0].title = QStringLiteral("f(x)\n.\r\nselect; remove-txt\n.");
  QCOMPARE(OutlineData(entries),
           QByteArray("(bookmarks\n (\"f(x)\\012.\\015\\012select; remove-txt\\012.\" \"#10\" ) )"));
}

void OutlineTest::Counts_data() {
  QTest::addColumn<QByteArray>("printed");
  QTest::addColumn<int>("count");
  QTest::newRow("no outline") << QByteArray() << 0;
  QTest::newRow("empty outline") << QByteArray("(bookmarks )\n") << 0;
  QTest::newRow("nested") << QByteArray("(bookmarks\n (\"a\" \"#1\"\n  (\"b\" \"#2\" ) )\n (\"c\" \"#3\" ) )\n") << 3;
  QTest::newRow("parentheses in titles")
      << QByteArray("(bookmarks\n (\"f(x) \\\"(\\\"\" \"#1\" ) )\n") << 1;
}

void OutlineTest::Counts() {
  QFETCH(QByteArray, printed);
  QFETCH(int, count);
  QCOMPARE(BookmarkCount(printed), count);
}

QTEST_GUILESS_MAIN(OutlineTest)
#include "test_outline.moc"

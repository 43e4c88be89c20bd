// Printed page numbers read from text-layer excerpts (heads and feet, odd and
// even pages, roman, decorations, OCR look-alikes), and the map built from a
// book's folios (front matter, plates, misreads, unread pages).
#include <QtTest>

#include "page/text_layer.h"
#include "folios/book_folios.h"
#include "folios/folio_map.h"
#include "folios/folio_reader.h"
#include "folios/sampled_map.h"
#include "support/text_dumps.h"

Q_DECLARE_METATYPE(QList<Folio>)

namespace {

// A page of 1240 x 1754 with a body line in the middle and the given zones.
QByteArray Excerpt(const QByteArray& zones) {
  return "(page 0 0 1240 1754\n" + zones +
         "\n (line 100 900 1100 940 (word 100 900 400 940 \"body\") (word 420 900 600 940 \"(17) \\\"\")))";
}

// One page's candidates in the map tests: "12", "xiv", "12/3" (two), "" (none).
QList<PageFolios> Book(const QStringList& pages) {
  QList<PageFolios> book;
  for (int i = 0; i < pages.size(); ++i) {
    PageFolios page{i + 1, {}};
    for (const QString& token : pages[i].split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
      if (token == QLatin1String("notext")) page.page = 0;
      if (const auto folio = ParseFolioToken(token)) page.candidates << *folio;
    }
    if (page.page) book << page;
  }
  return book;
}

QStringList Arabic(int first, int count) {
  QStringList pages;
  for (int i = 0; i < count; ++i) pages << QString::number(first + i);
  return pages;
}

QStringList Roman(int first, int count) {
  QStringList pages;
  for (int i = 0; i < count; ++i) pages << RomanNumeral(first + i);
  return pages;
}

QStringList Blank(int count) { return QStringList(count, QString()); }

}  // namespace

class FoliosTest : public QObject {
  Q_OBJECT
 private slots:
  void Tokens_data();
  void Tokens();
  void Excerpts_data();
  void Excerpts();
  void RealPages_data();
  void RealPages();
  void Maps_data();
  void Maps();
  void Placing_data();
  void Placing();
  void WholeDump();
  void Sampled_data();
  void Sampled();
};

void FoliosTest::Tokens_data() {
  QTest::addColumn<QString>("token");
  QTest::addColumn<int>("number");  // 0: no folio
  QTest::addColumn<bool>("roman");
  QTest::newRow("digits") << "12" << 12 << false;
  QTest::newRow("dashes glued") << "—12—" << 12 << false;
  QTest::newRow("brackets, dot") << "[12]." << 12 << false;
  QTest::newRow("l for 1") << "l2" << 12 << false;
  QTest::newRow("O for 0") << "1O" << 10 << false;
  QTest::newRow("digit between letters") << "1a2" << 0 << false;
  QTest::newRow("decimal point") << "1.5" << 0 << false;
  QTest::newRow("zero") << "0" << 0 << false;
  QTest::newRow("five digits") << "12345" << 0 << false;
  QTest::newRow("roman lower") << "xiv" << 14 << true;
  QTest::newRow("roman upper") << "XLIX" << 49 << true;
  QTest::newRow("roman Cyrillic look-alikes") << "ХІІ" << 12 << true;
  QTest::newRow("roman mixed case") << "Xiv" << 0 << false;
  QTest::newRow("not a numeral") << "iiii" << 0 << false;
  QTest::newRow("word") << "CHAPTER" << 0 << false;
}

void FoliosTest::Tokens() {
  QFETCH(QString, token);
  QFETCH(int, number);
  QFETCH(bool, roman);
  const std::optional<Folio> folio = ParseFolioToken(token);
  QCOMPARE(folio.has_value(), number != 0);
  if (folio) QCOMPARE(*folio, (Folio{number, roman}));
}

void FoliosTest::Excerpts_data() {
  QTest::addColumn<QByteArray>("zones");
  QTest::addColumn<QList<Folio>>("folios");
  QTest::newRow("odd page, number at the right of the head")
      << QByteArray(" (line 100 1650 1140 1690 (word 100 1650 500 1690 \"CHAPTER\") (word 520 1650 560 1690 \"3.\")"
                    " (word 1080 1650 1140 1690 \"45\"))")
      << QList<Folio>{{45, false}};
  QTest::newRow("even page, number at the left, chapter number inside")
      << QByteArray(" (line 100 1650 1140 1690 (word 100 1650 160 1690 \"12\") (word 200 1650 400 1690 \"CHAPTER\")"
                    " (word 420 1650 440 1690 \"1.\") (word 460 1650 600 1690 \"TITLE\"))")
      << QList<Folio>{{12, false}};
  QTest::newRow("head title ending in a number: both ends")
      << QByteArray(" (line 100 1650 1140 1690 (word 100 1650 160 1690 \"46\") (word 200 1650 400 1690 \"Part\")"
                    " (word 420 1650 440 1690 \"2\"))")
      << QList<Folio>{{46, false}, {2, false}};
  QTest::newRow("foot, centred, dashes as words")
      << QByteArray(" (line 560 60 680 100 (word 560 60 590 100 \"—\") (word 600 60 640 100 \"12\")"
                    " (word 650 60 680 100 \"—\"))")
      << QList<Folio>{{12, false}};
  QTest::newRow("foot, hyphens glued") << QByteArray(" (line 560 60 680 100 (word 560 60 680 100 \"-7-\"))")
                                      << QList<Folio>{{7, false}};
  QTest::newRow("number in a zone of its own beside the head")
      << QByteArray(" (region 100 1650 600 1690 (line 100 1650 600 1690 \"CHAPTER ONE\"))\n"
                    " (region 1080 1655 1140 1688 (line 1080 1655 1140 1688 (word 1080 1655 1140 1688 \"33\")))")
      << QList<Folio>{{33, false}};
  QTest::newRow("line text only") << QByteArray(" (line 100 1650 1140 1690 \"24 INTRODUCTION\")")
                                  << QList<Folio>{{24, false}};
  QTest::newRow("chars without words")
      << QByteArray(" (line 1080 1650 1140 1690 (char 1080 1650 1110 1690 \"5\") (char 1110 1650 1140 1690 \"8\"))")
      << QList<Folio>{{58, false}};
  QTest::newRow("roman foot") << QByteArray(" (line 600 60 660 100 (word 600 60 660 100 \"xii\"))")
                              << QList<Folio>{{12, true}};
  QTest::newRow("alone in the foot before the head's ends")
      << QByteArray(" (line 100 1650 600 1690 (word 100 1650 400 1690 \"Chapter\") (word 420 1650 440 1690 \"3\"))\n"
                    " (line 600 60 660 100 (word 600 60 660 100 \"81\"))")
      << QList<Folio>{{81, false}, {3, false}};
  QTest::newRow("misread folio still read") << QByteArray(" (line 1080 1650 1140 1690 (word 1080 1650 1140 1690 \"l9\"))")
                                            << QList<Folio>{{19, false}};
  // A drawing frame's stamp: the sheet number under the right-most "Лист",
  // not the changes table's column, not the count under "Листов", not the
  // "Формат А4" printed under the frame.
  QTest::newRow("stamp of a following sheet")
      << QByteArray(" (line 600 60 950 95 (word 600 60 900 95 \"АБВГ.123456.001\") (word 910 60 950 95 \"ПЗ\"))\n"
                    " (line 1160 95 1200 112 (word 1160 95 1200 112 \"Лист\"))\n"
                    " (line 1170 40 1190 70 (word 1170 40 1190 70 \"3\"))\n"
                    " (line 130 35 520 55 (word 130 35 170 55 \"Изм.\") (word 180 35 220 55 \"Лист\")"
                    " (word 240 35 330 55 \"№ докум.\") (word 350 35 410 55 \"Подп.\") (word 430 35 480 55 \"Дата\"))\n"
                    " (line 700 5 1200 25 (word 700 5 850 25 \"Копировал\") (word 1000 5 1110 25 \"Формат\")"
                    " (word 1120 5 1150 25 \"А4\"))")
      << QList<Folio>{{3, false}};
  QTest::newRow("stamp of a first sheet")
      << QByteArray(" (line 900 200 1200 220 (word 900 200 950 220 \"Лит.\") (word 1010 200 1060 220 \"Лист\")"
                    " (word 1110 200 1190 220 \"Листов\"))\n"
                    " (line 1020 160 1190 190 (word 1020 160 1040 190 \"1\") (word 1140 160 1170 190 \"24\"))")
      << QList<Folio>{{1, false}, {24, false}};
  QTest::newRow("only the body") << QByteArray() << QList<Folio>{};
  QTest::newRow("a number below the head band")
      << QByteArray(" (line 600 1300 660 1340 (word 600 1300 660 1340 \"4\"))") << QList<Folio>{};
  QTest::newRow("head of words only") << QByteArray(" (line 100 1650 600 1690 \"ГЛАВА ПЕРВАЯ\")") << QList<Folio>{};
}

void FoliosTest::Excerpts() {
  QFETCH(QByteArray, zones);
  QFETCH(QList<Folio>, folios);
  QCOMPARE(ReadFolioCandidates(ParseTextLayer(Excerpt(zones))), folios);
  QCOMPARE(ReadFolioCandidates(Excerpt(zones)), folios);  // the body left undecoded
}

void FoliosTest::RealPages_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QList<Folio>>("folios");
  QTest::newRow("index, head and folio in zones of their own") << "r-intro-p109.txt" << QList<Folio>{{103, false}};
  QTest::newRow("contents, roman folio at the top right") << "r-intro-p4.txt" << QList<Folio>{{2, true}};
  // No folio; the top row ends with the second column's first entry, which
  // the map outvotes as it agrees with no other page.
  QTest::newRow("two-column contents") << "mpman-ru-p3.txt" << QList<Folio>{{33, false}};
}

void FoliosTest::RealPages() {
  QFETCH(QString, file);
  QFETCH(QList<Folio>, folios);
  QFile excerpt(QFINDTESTDATA("data/excerpts/" + file));
  QVERIFY2(excerpt.open(QIODevice::ReadOnly), qPrintable(file));
  QCOMPARE(ReadFolioCandidates(excerpt.readAll()), folios);
}

void FoliosTest::Maps_data() {
  QTest::addColumn<QStringList>("pages");
  QTest::addColumn<QStringList>("map");
  QTest::newRow("one run") << Arabic(1, 12) << QStringList{"стр. 1-12: номера 1-12, смещение 0"};
  QTest::newRow("roman front matter, unnumbered title pages")
      << Blank(2) + Roman(3, 4) + Blank(1) + Arabic(2, 20)
      << QStringList{"стр. 1-6: номера i-vi (римские)", "стр. 7-27: номера 1-21, смещение +6"};
  QTest::newRow("plates, then an unread chapter opening")
      << Arabic(1, 20) + Blank(5) + Arabic(22, 15)
      << QStringList{"стр. 1-20: номера 1-20, смещение 0", "стр. 21-24: без номера",
                     "стр. 25-40: номера 21-36, смещение +4"};
  QTest::newRow("misread folios, a page without text, chapter numbers in heads")
      << Arabic(1, 5) + QStringList{"7", "notext", "8/2", "90", "10/2", "11"} + Arabic(12, 5)
      << QStringList{"стр. 1-16: номера 1-16, смещение 0"};
  QTest::newRow("trailing pages continue the numbering") << Arabic(1, 8) + Blank(3)
                                                         << QStringList{"стр. 1-11: номера 1-11, смещение 0"};
  QTest::newRow("cover before printed 1") << Blank(2) + Arabic(2, 10)
                                          << QStringList{"стр. 1-1: без номера", "стр. 2-12: номера 1-11, смещение +1"};
  QTest::newRow("no folio at all") << Blank(6) << QStringList{"стр. 1-6: без номера"};
}

void FoliosTest::Maps() {
  QFETCH(QStringList, pages);
  QFETCH(QStringList, map);
  QCOMPARE(FolioMap::Build(Book(pages), int(pages.size())).Describe(), map);
}

void FoliosTest::Placing_data() {
  QTest::addColumn<int>("printed");
  QTest::addColumn<bool>("roman");
  QTest::addColumn<int>("page");  // 0: not placed
  QTest::newRow("roman") << 4 << true << 4;
  QTest::newRow("first arabic") << 1 << false << 7;
  QTest::newRow("before the plates") << 14 << false << 20;
  QTest::newRow("after the plates") << 15 << false << 25;
  QTest::newRow("last") << 30 << false << 40;
  QTest::newRow("beyond the book") << 31 << false << 0;
  QTest::newRow("roman beyond the front matter") << 7 << true << 0;
}

void FoliosTest::Placing() {
  QFETCH(int, printed);
  QFETCH(bool, roman);
  QFETCH(int, page);
  const QStringList pages = Roman(1, 6) + Arabic(1, 14) + Blank(4) + Arabic(15, 16);
  const FolioMap map = FolioMap::Build(Book(pages), int(pages.size()));
  QCOMPARE(map.PageOf(printed, roman).value_or(0), page);
  if (page) QCOMPARE(map.PrintedOn(page), (std::optional<Folio>{Folio{printed, roman}}));
  QCOMPARE(map.MainOffset(), std::optional<int>(10));
  QCOMPARE(map.MainOffset(21), std::optional<int>(10));
  QCOMPARE(map.FirstOffsetAfter(0), std::optional<int>(6));
  QCOMPARE(map.FirstOffsetAfter(21), std::optional<int>(10));
  QCOMPARE(map.FirstOffsetAfter(30), std::optional<int>(10));  // none after: the main offset
  QCOMPARE(map.ArabicOffsets(), (QList<int>{6, 10}));
}

void FoliosTest::WholeDump() {
  QList<QList<testdocs::TextLine>> pages;
  for (int page = 1; page <= 12; ++page) {
    const QString head = page % 2 ? QStringLiteral("TITLE %1").arg(page + 2) : QStringLiteral("%1 BOOK").arg(page + 2);
    pages << QList<testdocs::TextLine>{testdocs::LayoutLine(1650, 1690, head.split(QLatin1Char(' '))),
                                       testdocs::LayoutLine(900, 940, {QStringLiteral("body")})};
  }
  pages[5].clear();  // no hidden text
  const FolioMap map = FolioMapOfDump(testdocs::TextDump(pages), 14);
  QCOMPARE(map.Describe(), (QStringList{"стр. 1-14: номера 3-16, смещение -2"}));
}

void FoliosTest::Sampled_data() {
  QTest::addColumn<QStringList>("pages");
  QTest::addColumn<int>("mostRead");
  QTest::newRow("short book") << Arabic(1, 12) << 12;
  QTest::newRow("short book, unnumbered cover and title") << Blank(2) + Arabic(2, 10) << 12;
  QTest::newRow("front matter, plates, misreads")
      << Blank(2) + Roman(3, 4) + Blank(1) + Arabic(2, 150) + QStringList{"notext", "135", "88"} + Arabic(155, 100) +
             Blank(4) + Arabic(255, 180)
      << 160;
  QTest::newRow("two changes close together") << Arabic(1, 200) + Blank(2) + Arabic(201, 5) + Blank(3) + Arabic(206, 200)
                                               << 140;
}

void FoliosTest::Sampled() {
  QFETCH(QStringList, pages);
  QFETCH(int, mostRead);
  const QList<PageFolios> book = Book(pages);
  int reads = 0;
  const PageTextReader reader = [&](const QList<int>& wanted) {
    ++reads;
    QList<PageData> texts;
    for (const PageFolios& page : book) {
      if (!wanted.contains(page.page)) continue;
      QByteArray zones = "(page 0 0 1240 1754";
      for (const Folio& folio : page.candidates) {
        const QString text = folio.roman ? RomanNumeral(folio.number) : QString::number(folio.number);
        zones += " (line 600 60 700 100 (word 600 60 700 100 \"" + text.toUtf8() + "\"))";
      }
      texts << PageData{page.page, 0, 0, zones + ")", {}};
    }
    return texts;
  };
  const SampledFolioMap sampled = SampleFolioMap(int(pages.size()), reader);
  QCOMPARE(sampled.map.Describe(), FolioMap::Build(book, int(pages.size())).Describe());
  QVERIFY2(sampled.pagesRead <= mostRead, qPrintable(QString::number(sampled.pagesRead)));
  QVERIFY(reads <= 4);
}

QTEST_APPLESS_MAIN(FoliosTest)
#include "test_folios.moc"

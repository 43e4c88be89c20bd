// How a page looks (contents, index, neither), the headings that name a
// list, how the looks of a book's pages make its parts, and which pages the
// search of a book without hidden text looks at.
#include <QtTest>

#include "page/text_layer.h"
#include "parts/book_parts.h"
#include "parts/page_look.h"
#include "parts/page_search.h"
#include "support/djvu_documents.h"

using namespace testdocs;

Q_DECLARE_METATYPE(PageKind)
Q_DECLARE_METATYPE(ListHeading)

class BookPartsTest : public QObject {
  Q_OBJECT
 private slots:
  void Headings_data();
  void Headings();
  void PageLooks_data();
  void PageLooks();
  void Parts();
  void Search_data();
  void Search();
};

void BookPartsTest::Headings_data() {
  QTest::addColumn<QString>("line");
  QTest::addColumn<ListHeading>("heading");
  QTest::newRow("Предметный указатель") << QStringLiteral("Предметный указатель") << ListHeading::Index;
  QTest::newRow("АЛФАВИТНЫЙ УКАЗАТЕЛЬ") << QStringLiteral("АЛФАВИТНЫЙ УКАЗАТЕЛЬ") << ListHeading::Index;
  QTest::newRow("Function and variable index") << QStringLiteral("Function and variable index") << ListHeading::Index;
  QTest::newRow("ОГЛАВЛЕНИЕ") << QStringLiteral("ОГЛАВЛЕНИЕ") << ListHeading::Contents;
  QTest::newRow("Table of Contents") << QStringLiteral("Table of Contents") << ListHeading::Contents;
  QTest::newRow("Список иллюстраций") << QStringLiteral("Список иллюстраций") << ListHeading::Figures;
  QTest::newRow("List of Tables") << QStringLiteral("List of Tables") << ListHeading::Tables;
  // Prose that names a list is no heading; nor a title that holds the word.
  QTest::newRow("prose") << QStringLiteral("см. предметный указатель в конце этой большой книги")
                         << ListHeading::None;
  QTest::newRow("contents of a chapter") << QStringLiteral("Contents of the package") << ListHeading::None;
  QTest::newRow("index in a word") << QStringLiteral("Indexing") << ListHeading::None;
}

void BookPartsTest::Headings() {
  QFETCH(QString, line);
  QFETCH(ListHeading, heading);
  QCOMPARE(HeadingOfLine(line), heading);
}

void BookPartsTest::PageLooks_data() {
  QTest::addColumn<QStringList>("lines");  // top to bottom, "|" between two columns
  QTest::addColumn<PageKind>("kind");
  QTest::addColumn<int>("entries");
  const QString entry = QStringLiteral("Глава %1 Название ....... %2");
  QStringList contents{QStringLiteral("Содержание")}, unordered{QStringLiteral("Содержание")};
  for (int i = 1; i <= 8; ++i) {
    contents << entry.arg(i).arg(i * 5);
    unordered << entry.arg(i).arg((i * 37) % 50 + 1);
  }
  QTest::newRow("contents") << contents << PageKind::Contents << 8;
  // A page of the contents that opens with the index's entry is no index.
  QStringList endOfContents;
  for (int i = 0; i < 6; ++i) {
    endOfContents << (i % 2 ? QStringLiteral("Предметный указатель ....... %1") : QStringLiteral("Index ....... %1"))
                         .arg(40 + i);
  }
  QTest::newRow("contents entries named index") << endOfContents << PageKind::Contents << 6;
  QTest::newRow("numbers that do not grow") << unordered << PageKind::Index << 8;
  // OCR lost most numbers: the heading and three in order suffice.
  QStringList lost = contents.mid(0, 4);
  for (int i = 4; i <= 12; ++i) lost << QStringLiteral("Глава без номера");
  QTest::newRow("contents heading, most numbers lost") << lost << PageKind::Contents << 3;
  lost[0] = QStringLiteral("Предисловие");
  QTest::newRow("no heading, most numbers lost") << lost << PageKind::Other << 0;
  QTest::newRow("prose with references at line ends")
      << QStringList{QStringLiteral("The option set polar tells the program"), QStringLiteral("to read input as angle"),
                     QStringLiteral("See set paxis (p. 187)."), QStringLiteral("Many but not all styles work"),
                     QStringLiteral("See set polar (p. 193),"), QStringLiteral("in polar mode of the styles"),
                     QStringLiteral("set theta (p. 207)."), QStringLiteral("The figure shows a combination"),
                     QStringLiteral("of plot styles lines and curves")}
      << PageKind::Other << 0;
  QTest::newRow("index in two columns")
      << QStringList{QStringLiteral("абзац, 12, 40|оттиск, 7"), QStringLiteral("буква, 33|полоса, 18, 19"),
                     QStringLiteral("вёрстка, 5, 9, 21|раздел, 44"), QStringLiteral("глава, 2|строка, 30, 31")}
      << PageKind::Index << 13;
  QTest::newRow("title page") << QStringList{QStringLiteral("ЗАГЛАВИЕ КНИГИ")} << PageKind::Other << 0;
}

void BookPartsTest::PageLooks() {
  QFETCH(QStringList, lines);
  QFETCH(PageKind, kind);
  QFETCH(int, entries);
  QList<TextLine> text;
  for (int i = 0; i < lines.size(); ++i) {
    const QStringList columns = lines[i].split(QLatin1Char('|'));
    text << Line(1600 - 60 * i, columns[0]);
    if (columns.size() > 1) text << Line(1600 - 60 * i, columns[1], 700);
  }
  const TextZone page = ParseTextLayer(PageText(text));
  const PageLook look = LookOfPage(page, 5, 60);
  QCOMPARE(look.kind, kind);
  QCOMPARE(look.entries, entries);
  QCOMPARE(LooksLikeContentsPage(page, 5, 60), kind == PageKind::Contents);
  QCOMPARE(LooksLikeIndexPage(page, 5, 60), kind == PageKind::Index);
}

void BookPartsTest::Parts() {
  using K = PageKind;
  using H = ListHeading;
  // page, kind, heading, entries, first and last number
  const auto look = [](int page, K kind, H heading = H::None, int entries = 10, int first = 0, int last = 0) {
    return PageLook{page, kind, heading, entries, first, last};
  };
  const struct {
    const char* name;
    QList<PageLook> looks;
    QList<BookPart> parts;
  } cases[] = {
      {"a list over three pages, the one between read without numbers",
       {look(3, K::Contents, H::Contents, 10, 1, 40), look(5, K::Contents, H::None, 10, 60, 90)},
       {{PartKind::Contents, 3, 5, 20, true}}},
      {"two pages apart are two lists",
       {look(3, K::Contents, H::None, 10, 1, 40), look(6, K::Contents, H::None, 12, 60, 90)},
       {{PartKind::Contents, 3, 3, 10, false}, {PartKind::Contents, 6, 6, 12, true}}},
      {"numbers that start again start a new list; the longer is the main one",
       {look(3, K::Contents, H::Contents, 6, 1, 80), look(4, K::Contents, H::Contents, 10, 1, 30),
        look(5, K::Contents, H::None, 10, 31, 80), look(6, K::Contents, H::Figures, 5, 4, 70)},
       {{PartKind::Contents, 3, 3, 6, false}, {PartKind::Contents, 4, 5, 20, true},
        {PartKind::Figures, 6, 6, 5, false}}},
      {"index from its heading to the end; index pages in the first half are none",
       {look(20, K::Index, H::Index), look(70, K::Index, H::None), look(80, K::Index, H::Index),
        look(81, K::Index, H::None), look(82, K::Index, H::Index)},
       {{PartKind::Index, 80, 82, 30, false}}},
      {"a list of tables alone is not the main contents",
       {look(7, K::Contents, H::Tables, 4, 5, 50)},
       {{PartKind::Tables, 7, 7, 4, false}}},
  };
  for (const auto& c : cases) {
    const QList<BookPart> parts = FindBookParts(c.looks, 100);
    if (parts != c.parts) {
      QStringList got;
      for (const BookPart& p : parts) {
        got << QStringLiteral("%1 %2-%3 %4 %5").arg(PartKindName(p.kind)).arg(p.firstPage).arg(p.lastPage)
                   .arg(p.entries).arg(p.main);
      }
      QFAIL(qPrintable(QStringLiteral("%1: %2").arg(c.name, got.join(QStringLiteral("; ")))));
    }
  }
}

// A book's pages as the search sees them: "c3-4 i90-96 h90" (contents pages,
// index pages, the pages under a heading), every other page of neither kind.
PageLook LookIn(const QString& layout, int page) {
  PageLook look;
  look.page = page;
  for (const QString& run : layout.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const int first = run.mid(1).section(QLatin1Char('-'), 0, 0).toInt();
    const int last = run.contains(QLatin1Char('-')) ? run.section(QLatin1Char('-'), 1).toInt() : first;
    if (page < first || page > last) continue;
    if (run[0] == QLatin1Char('c')) look.kind = PageKind::Contents;
    if (run[0] == QLatin1Char('i')) look.kind = PageKind::Index;
    if (run[0] == QLatin1Char('h')) look.heading = look.kind == PageKind::Index ? ListHeading::Index : ListHeading::Contents;
  }
  return look;
}

void BookPartsTest::Search_data() {
  QTest::addColumn<int>("first");
  QTest::addColumn<int>("last");
  QTest::addColumn<QString>("layout");
  QTest::addColumn<QString>("read");  // the pages looked at, in order, as runs
  QTest::newRow("no list: the first 20 and the last 30 pages") << 1 << 300 << "" << "1-20 300-271";
  QTest::newRow("both lists found: each side stops two pages after")
      << 1 << 300 << "c3-4 h3 i280-290 h280" << "1-6 300-278";
  QTest::newRow("an index read backwards ends only at its heading")
      << 1 << 300 << "i262-295 h262" << "1-20 300-260";
  QTest::newRow("a long contents grows the front window")
      << 1 << 300 << "c5-27 h5" << "1-29 300-271";
  QTest::newRow("a list under no heading at the end is read to the window's end")
      << 1 << 300 << "c296-299" << "1-20 300-271";
  QTest::newRow("a page of a list lost between two") << 1 << 300 << "c3-4 c6-8 h3" << "1-10 300-271";
  QTest::newRow("a short range: each page once") << 11 << 40 << "c12 h12" << "11-14 40-15";
  QTest::newRow("a range shorter than the front window") << 5 << 9 << "" << "5-9";
  QTest::newRow("no pages") << 9 << 5 << "" << "";
}

void BookPartsTest::Search() {
  QFETCH(int, first);
  QFETCH(int, last);
  QFETCH(QString, layout);
  QFETCH(QString, read);
  PageSearch search(first, last);
  QList<int> pages;
  while (const std::optional<int> page = search.Next()) {
    QVERIFY2(pages.size() < 1000 && !pages.contains(*page), "a page given twice");
    pages << *page;
    search.Saw(LookIn(layout, *page));
  }
  // Runs of pages read one after another, up or down.
  QStringList runs;
  for (qsizetype i = 0; i < pages.size();) {
    qsizetype j = i;
    while (j + 1 < pages.size() && qAbs(pages[j + 1] - pages[j]) == 1 &&
           (j == i || pages[j + 1] - pages[j] == pages[j] - pages[j - 1])) {
      ++j;
    }
    runs << (i == j ? QString::number(pages[i]) : QStringLiteral("%1-%2").arg(pages[i]).arg(pages[j]));
    i = j + 1;
  }
  QCOMPARE(runs.join(QLatin1Char(' ')), read);
}

QTEST_GUILESS_MAIN(BookPartsTest)
#include "test_book_parts.moc"

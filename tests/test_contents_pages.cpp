// Which pages the fix job aligns: the page test on a page's printed lines and
// its link areas, from contents pages to index pages and run-in entries.
#include <QtTest>

#include "align/contents_page.h"
#include "page/text_layer.h"
#include "support/djvu_documents.h"

using testdocs::Line;
using testdocs::TextLine;

namespace {

// An area from x to x + w over the line at `bottom` (40 px high).
PageRect Area(int x, int bottom, int w, int h = 40) { return PageRect::Sized(x, bottom, w, h); }

}  // namespace

class ContentsPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void pageTest_data() {
    QTest::addColumn<QList<TextLine>>("lines");  // empty: a page without hidden text
    QTest::addColumn<QList<PageRect>>("areas");
    QTest::addColumn<bool>("contents");

    // "Введение 3" spans 100..300, "Глава 1 7" 100..280 (20 px a character).
    const QList<TextLine> contents{Line(1500, "Введение 3"), Line(1400, "Глава 1 7"), Line(1300, "Заключение 15")};
    QTest::newRow("ragged contents") << contents
                                     << QList<PageRect>{Area(100, 1500, 200), Area(100, 1400, 180), Area(100, 1300, 260)}
                                     << true;
    QTest::newRow("areas reaching up to the entry above")
        << contents << QList<PageRect>{Area(100, 1500, 200), Area(100, 1400, 180, 100), Area(100, 1300, 260, 100)}
        << true;
    QTest::newRow("an entry over two lines")
        << QList<TextLine>{Line(1500, "Очень длинное"), Line(1450, "название 12")}
        << QList<PageRect>{Area(100, 1450, 300, 90)} << true;
    QTest::newRow("two columns of contents")
        << QList<TextLine>{Line(1500, "Введение 3"), Line(1400, "Глава 1 7"), Line(1500, "Глава 2 20", 700),
                           Line(1400, "Глава 3 31", 700)}
        << QList<PageRect>{Area(100, 1500, 200), Area(100, 1400, 180), Area(700, 1500, 200), Area(700, 1400, 200)}
        << true;
    QTest::newRow("a number far from its title")
        << QList<TextLine>{Line(1500, "Введение"), Line(1500, "3", 900)} << QList<PageRect>{Area(100, 1500, 820)}
        << true;
    QTest::newRow("areas over single numbers")
        << QList<TextLine>{Line(1500, "Абажур 12"), Line(1400, "Бумага 7")}
        << QList<PageRect>{Area(240, 1500, 40), Area(240, 1400, 20)} << false;
    QTest::newRow("several numbers of one line")
        << QList<TextLine>{Line(1500, "Абажур 12, 45")}
        << QList<PageRect>{Area(100, 1500, 180), Area(300, 1500, 40)} << false;
    QTest::newRow("run-in entries, two on a line")
        << QList<TextLine>{Line(1500, "Глава 1 3; Глава 2 9")}
        << QList<PageRect>{Area(100, 1500, 180), Area(300, 1500, 160)} << false;
    QTest::newRow("an area short of its number") << contents << QList<PageRect>{Area(100, 1500, 150)} << false;
    QTest::newRow("an area over a line without a number")
        << QList<TextLine>{Line(1500, "Предисловие автора")} << QList<PageRect>{Area(100, 1500, 360)} << false;
    QTest::newRow("an area over no text") << contents << QList<PageRect>{Area(100, 900, 300)} << false;

    // Without text only the areas themselves can be compared.
    QTest::newRow("no text: one area a line")
        << QList<TextLine>{} << QList<PageRect>{Area(100, 1500, 300), Area(120, 1400, 250), Area(150, 1300, 700)}
        << true;
    QTest::newRow("no text: two columns level with each other")
        << QList<TextLine>{} << QList<PageRect>{Area(100, 1500, 300), Area(700, 1500, 200), Area(720, 1400, 180)}
        << true;
    QTest::newRow("no text: numbers side by side in one column")
        << QList<TextLine>{} << QList<PageRect>{Area(100, 1500, 300), Area(500, 1400, 40), Area(560, 1400, 40)}
        << false;
  }

  void pageTest() {
    QFETCH(QList<TextLine>, lines);
    QFETCH(QList<PageRect>, areas);
    QFETCH(bool, contents);
    const QList<PrintedLine> printed =
        lines.isEmpty() ? QList<PrintedLine>{} : PrintedLines(ParseTextLayer(testdocs::PageText(lines)));
    QCOMPARE(align::FormsContentsEntries(areas, printed), contents);
  }
};

QTEST_GUILESS_MAIN(ContentsPagesTest)
#include "test_contents_pages.moc"

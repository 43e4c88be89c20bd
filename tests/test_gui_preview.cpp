// The preview window on real documents with the real djvused and ddjvu: the
// areas it draws are those the create run then writes, at their place on the
// rendered page; entries and areas select each other; pages step; the fix
// list's row shows the alignment the fix job then writes; and the preview
// never changes the document.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "app/preview_window.h"
#include "support/djvu_documents.h"
#include "support/fix_links.h"
#include "support/gui_harness.h"
#include "support/link_areas.h"

using namespace testdocs;

namespace {

// The blank test page carries a black bar over the pixel rows 200 to 229
// from the top: in page units the bar runs from y 1524 to 1554.
constexpr int kBarBottom = kPageHeight - 230, kBarTop = kPageHeight - 200;

// Pages 2 and 3 are contents pages; the first entry of page 2 lies on the bar.
QList<Page> Book() {
  return WithBlankPagesUpTo(
      {Page{},
       Page{PageText({Line(1600, "Содержание"), LayoutLine(kBarBottom, kBarTop, {"Введение", "3"}),
                      Line(1400, "Глава 1 7"), Line(1300, "Глава 2 15")}),
            {}},
       Page{PageText({Line(1500, "Глава 3 16"), Line(1400, "Глава 4 18")}), {}}},
      20);
}

// Adds the book to the create list with pages first..last and selects it.
void AddCreateRow(GuiHarness& gui, const QString& book, int first, int last) {
  TForm1& main = gui.main();
  On<QLineEdit>(main, "Edit1")->setText(QString::number(first));
  On<QLineEdit>(main, "Edit2")->setText(QString::number(last));
  gui.desktop().answers << book;
  On<QPushButton>(main, "xpButton1")->click();
  main.ListView2()->selectRow(main.ListView2()->rowCount() - 1);
}

// The rows of the bar in column x of the picture: [first, last] dark rows.
QPair<int, int> DarkRows(const QImage& picture, int x) {
  int first = -1, last = -1;
  for (int y = 0; y < picture.height(); ++y) {
    if (qGray(picture.pixel(x, y)) >= 128) continue;
    if (first < 0) first = y;
    last = y;
  }
  return {first, last};
}

bool Near(const QRectF& a, const QRectF& b) {
  return qAbs(a.left() - b.left()) < 0.01 && qAbs(a.top() - b.top()) < 0.01 && qAbs(a.width() - b.width()) < 0.01 &&
         qAbs(a.height() - b.height()) < 0.01;
}

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    RequireTool(QStringLiteral("djvused"));
    RequireTool(QStringLiteral("ddjvu"));
  }
  void DrawsWhatTheRunWrites_data();
  void DrawsWhatTheRunWrites();
  void EntriesAreasAndPagesFollowEachOther();
  void FixRowShowsTheAlignment();

 private:
  QTemporaryDir dir_;
};

void PreviewTest::DrawsWhatTheRunWrites_data() {
  QTest::addColumn<int>("shape");   // ComboBox2
  QTest::addColumn<int>("border");  // ComboBox1
  QTest::addColumn<bool>("outline");
  QTest::newRow("rectangles, default border") << 0 << 1 << false;
  QTest::newRow("ovals in the border colour, with bookmarks") << 1 << 2 << true;
}

void PreviewTest::DrawsWhatTheRunWrites() {
  QFETCH(int, shape);
  QFETCH(int, border);
  QFETCH(bool, outline);
  const QString book = dir_.filePath(QStringLiteral("книга %1.djvu").arg(QTest::currentDataTag()));
  BuildDocument(book, Book());
  const QByteArray original = ReadFile(book);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  w.form1.show();
  On<QCheckBox>(w.form1, "CheckBox6")->setChecked(false);  // no backup
  On<QCheckBox>(w.form1, "CheckBoxOutline")->setChecked(outline);
  Choose(On<QComboBox>(w.form1, "ComboBox2"), shape);
  Choose(On<QComboBox>(w.form1, "ComboBox1"), border);
  AddCreateRow(gui, book, 2, 2);

  On<QAction>(w.form1, "PreviewCreateItem")->trigger();
  PreviewWindow& preview = *w.form1.Preview();
  QVERIFY(preview.isVisible());
  QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
  QTRY_VERIFY(!preview.Picture().isNull());
  QCOMPARE(ReadFile(book), original);  // a dry run: nothing written
  QCOMPARE(preview.Preview().pages.size(), 1);
  const PreviewPage page = preview.Preview().pages.first();
  QCOMPARE(page.size, QSize(kPageWidth, kPageHeight));
  const QImage picture = preview.Picture();
  QVERIFY(picture.width() < kPageWidth);  // rendered for the window, not at full size
  const QList<QRectF> drawn = preview.DrawnAreas();
  QCOMPARE(drawn.size(), page.areas.size());
  const QList<QGraphicsItem*> items = On<QGraphicsView>(preview, "PageView")->scene()->items();
  const auto ovals = std::count_if(items.begin(), items.end(), [](QGraphicsItem* i) {
    return qgraphicsitem_cast<QGraphicsEllipseItem*>(i) != nullptr;
  });
  QCOMPARE(int(ovals), shape == 1 ? drawn.size() : 0);
  QCOMPARE(On<QTreeWidget>(preview, "OutlineTree")->topLevelItemCount(), outline ? 3 : 0);
  if (outline) {  // a bookmark selects the entry it is made from
    auto* tree = On<QTreeWidget>(preview, "OutlineTree");
    tree->setCurrentItem(tree->topLevelItem(2));
    const QModelIndexList rows = On<QTableWidget>(preview, "EntryList")->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().row(), 2);
  }

  // The first entry's area sits on the bar of the rendered picture: its
  // bottom edge is the bar's, its top above the bar.
  const QPair<int, int> bar = DarkRows(picture, int(drawn.first().center().x()));
  QVERIFY(bar.first > 0);
  QVERIFY2(qAbs(drawn.first().bottom() - (bar.second + 1)) <= 1.5,
           qPrintable(QStringLiteral("area bottom %1, bar rows %2-%3").arg(drawn.first().bottom()).arg(bar.first).arg(bar.second)));
  QVERIFY(drawn.first().top() <= bar.first);

  // The real run writes exactly these areas.
  w.form1.Button3Click();
  QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
  const QStringList written = LinksByPage(book).value(QStringLiteral("p2.djvu"));
  QCOMPARE(written.size(), drawn.size());
  for (int i = 0; i < written.size(); ++i) {
    const QStringList f = written[i].split(QLatin1Char(' '));
    QCOMPARE(page.areas[i].url, f[0]);
    const QRectF expected = AreaOnPicture(PageRect::Sized(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt()),
                                          page.size, QSizeF(picture.size()));
    QVERIFY2(Near(drawn[i], expected), qPrintable(written[i]));
  }
  // After the run the window shows each of them as in the document.
  QTRY_VERIFY(!preview.Picture().isNull());
  const PreviewPage after = preview.Preview().pages.first();
  QCOMPARE(after.areas.size(), written.size());
  for (const PreviewArea& area : after.areas) QVERIFY(area.kind == AreaKind::New && area.inDocument);
}

void PreviewTest::EntriesAreasAndPagesFollowEachOther() {
  const QString book = dir_.filePath(QStringLiteral("selection.djvu"));
  BuildDocument(book, Book());
  GuiHarness gui;
  AppWindows& w = gui.Start();
  w.form1.show();
  AddCreateRow(gui, book, 2, 3);
  On<QToolButton>(w.form1, "ButtonPreview")->click();
  PreviewWindow& preview = *w.form1.Preview();
  QCOMPARE(preview.Preview().pages.size(), 2);
  QCOMPARE(preview.PageIndex(), 0);
  auto* list = On<QTableWidget>(preview, "EntryList");
  QCOMPARE(list->rowCount(), 5);
  QCOMPARE(list->item(3, 1)->text(), QStringLiteral("Глава 3 16"));

  // An entry of page 3 brings its page and selects its area.
  list->selectRow(4);
  QCOMPARE(preview.PageIndex(), 1);
  QCOMPARE(preview.SelectedArea(), 1);
  // A click on an area selects its entry.
  QTRY_VERIFY(!preview.Picture().isNull());
  auto* view = On<QGraphicsView>(preview, "PageView");
  const QRectF firstArea = AreaOnPicture(preview.Preview().pages[1].areas[0].area, preview.Preview().pages[1].size,
                                         QSizeF(preview.Preview().pages[1].size));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(firstArea.center()));
  QCOMPARE(preview.SelectedArea(), 0);
  QCOMPARE(list->currentRow(), 3);

  // Page Up and Page Down, and the buttons, step through the range and stop at its ends.
  QTest::keyClick(view, Qt::Key_PageUp);
  QCOMPARE(preview.PageIndex(), 0);
  QTest::keyClick(view, Qt::Key_PageUp);
  QCOMPARE(preview.PageIndex(), 0);
  QVERIFY(!On<QPushButton>(preview, "ButtonPriorPage")->isEnabled());
  QTest::keyClick(list, Qt::Key_PageDown);
  QCOMPARE(preview.PageIndex(), 1);
  On<QPushButton>(preview, "ButtonPriorPage")->click();
  QCOMPARE(preview.PageIndex(), 0);
  On<QPushButton>(preview, "ButtonNextPage")->click();
  QCOMPARE(preview.PageIndex(), 1);

  // Zooming in renders the page anew, larger; fitting it again, smaller.
  QTRY_VERIFY(!preview.Picture().isNull());
  const int fitted = preview.Picture().width();
  On<QPushButton>(preview, "ButtonZoomIn")->click();
  On<QPushButton>(preview, "ButtonZoomIn")->click();
  QTRY_VERIFY(preview.Picture().width() > fitted * 1.4);
  On<QPushButton>(preview, "ButtonZoomFit")->click();
  QTRY_COMPARE(preview.Picture().width(), fitted);
}

void PreviewTest::FixRowShowsTheAlignment() {
  using fixtest::Area;
  const QString book = dir_.filePath(QStringLiteral("fix.djvu"));
  const QList<Area> ragged = {{"rect", 100, 1500, 1000, 40}, {"rect", 108, 1400, 990, 40}, {"rect", 96, 1300, 1012, 40}};
  BuildDocument(book, WithBlankPagesUpTo({Page{}, Page{{}, fixtest::Links(ragged)}}, 3));
  const QByteArray original = ReadFile(book);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  w.form1.show();
  On<QCheckBox>(w.form1, "CheckBox3")->setChecked(false);  // no backup
  gui.desktop().answers << book;
  On<QPushButton>(w.form1, "xpButton3")->click();
  w.form1.ListView1()->selectRow(0);
  On<QAction>(w.form1, "PreviewFixItem")->trigger();
  PreviewWindow& preview = *w.form1.Preview();
  QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
  QCOMPARE(ReadFile(book), original);
  QCOMPARE(preview.Preview().pages.size(), 1);
  const PreviewPage page = preview.Preview().pages.first();
  QCOMPARE(page.number, 2);
  QList<PageRect> before, after;
  for (const PreviewArea& area : page.areas) (area.kind == AreaKind::BeforeAlignment ? before : after) << area.area;
  QCOMPARE(before.size(), ragged.size());
  QCOMPARE(after.size(), ragged.size());
  QCOMPARE(On<QTableWidget>(preview, "EntryList")->rowCount(), ragged.size());

  w.form1.Button1Click();  // "Исправить"
  const QList<Area> aligned = fixtest::AreasOf(OutputAnt(book));
  QCOMPARE(aligned.size(), after.size());
  for (int i = 0; i < aligned.size(); ++i) {
    QCOMPARE(before[i].left, qint64(ragged[i].x));
    QCOMPARE(after[i].left, qint64(aligned[i].x));
    QCOMPARE(after[i].Width(), qint64(aligned[i].w));
    QCOMPARE(after[i].bottom, qint64(aligned[i].y));
  }
  QVERIFY(fixtest::Columns(aligned) != fixtest::Columns(ragged));  // the alignment moved something
}

QTEST_MAIN(PreviewTest)
#include "test_gui_preview.moc"

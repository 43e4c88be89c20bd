// The preview window on real documents with the real djvused and ddjvu: the
// areas it draws are those the create run then writes, at their place on the
// rendered page; entries and areas select each other; pages step; the fix
// list's row shows the alignment the fix job then writes, with the words under
// each area; the preview never changes the document. The program runs on a
// small screen of 1024×600: the window must open inside it, beside the main
// window where there is room, keep its place after a run, keep its labels
// apart, zoom about the cursor and close with Escape.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsView>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "app/preview_window.h"
#include "app/window_position.h"
#include "support/djvu_documents.h"
#include "support/fix_links.h"
#include "support/gui_harness.h"
#include "support/link_areas.h"
#include "support/parts_book.h"

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

// Starts the windows, adds pages first..last of the book as a create row of
// the work type (ComboBox3's index), without a backup, and opens its preview.
PreviewWindow& OpenPreview(GuiHarness& gui, const QString& book, int first, int last, int workType = 0) {
  AppWindows& w = gui.Start();
  w.form1.show();
  On<QCheckBox>(w.form1, "CheckBox6")->setChecked(false);
  Choose(On<QComboBox>(w.form1, "ComboBox3"), workType);
  AddCreateRow(gui, book, first, last);
  On<QToolButton>(w.form1, "ButtonPreview")->click();
  return *w.form1.Preview();
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

// The rows of the list that show.
QList<int> VisibleRows(QTableWidget* list) {
  QList<int> rows;
  for (int row = 0; row < list->rowCount(); ++row) {
    if (!list->isRowHidden(row)) rows << row;
  }
  return rows;
}

void ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
}

// The label texts that show on the page and where they are in the view's
// pixels; and the areas with a label, also in the view's pixels.
struct DrawnLabels {
  QList<QRectF> labels;
  QList<QRectF> areas;
  QList<QGraphicsItem*> areaOfLabel;
  QList<QGraphicsItem*> labelledAreas;
};
DrawnLabels LabelsOf(PreviewWindow& preview) {
  auto* view = On<QGraphicsView>(preview, "PageView");
  DrawnLabels found;
  for (QGraphicsItem* item : view->scene()->items(Qt::AscendingOrder)) {
    auto* label = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item);
    if (!label) continue;
    QGraphicsItem* area = label->parentItem();
    found.labelledAreas << area;
    found.areas << view->mapFromScene(area->boundingRect()).boundingRect();
    if (!label->isVisible()) continue;
    found.labels << label->deviceTransform(view->viewportTransform()).mapRect(label->boundingRect());
    found.areaOfLabel << area;
  }
  return found;
}

// Fails naming the first pair of shown labels that overlap, or a label that
// covers an area other than its own.
void CheckLabelsApart(PreviewWindow& preview) {
  const DrawnLabels d = LabelsOf(preview);
  for (int i = 0; i < d.labels.size(); ++i) {
    for (int j = i + 1; j < d.labels.size(); ++j) {
      QVERIFY2(!d.labels[i].intersects(d.labels[j]), qPrintable(QStringLiteral("labels %1 and %2 overlap").arg(i).arg(j)));
    }
    for (int a = 0; a < d.areas.size(); ++a) {
      // Pens are drawn about the edges: a pixel of touching is no overlap.
      if (d.labelledAreas[a] == d.areaOfLabel[i]) continue;
      QVERIFY2(!d.labels[i].intersects(d.areas[a].adjusted(1, 1, -1, -1)),
               qPrintable(QStringLiteral("label %1 covers area %2").arg(i).arg(a)));
    }
  }
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
  void WholeBookRowNamesItsParts();
  void PlacedBesideTheMainWindow_data();
  void PlacedBesideTheMainWindow();
  void FitsTheSmallScreenAndKeepsItsPlace();
  void LabelsOfTwoColumnsStayApart();
  void ZoomKeepsThePointUnderTheCursor();

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
  PreviewWindow& preview = OpenPreview(gui, book, 2, 3);
  QCOMPARE(preview.Preview().pages.size(), 2);
  QCOMPARE(preview.PageIndex(), 0);
  auto* list = On<QTableWidget>(preview, "EntryList");
  QCOMPARE(list->rowCount(), 5);
  QCOMPARE(list->item(3, 1)->text(), QStringLiteral("Глава 3 16"));
  // The list shows the entries of the page shown.
  QCOMPARE(VisibleRows(list), (QList<int>{0, 1, 2}));

  // An entry of page 3 brings its page and selects its area.
  list->selectRow(4);
  QCOMPARE(preview.PageIndex(), 1);
  QCOMPARE(VisibleRows(list), (QList<int>{3, 4}));
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
  QCOMPARE(VisibleRows(list), (QList<int>{0, 1, 2}));
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

  // Escape closes the window, from the page as from the list.
  for (QWidget* where : {static_cast<QWidget*>(view), static_cast<QWidget*>(list)}) {
    ShowActive(&preview);
    where->setFocus();
    QTest::keyClick(where, Qt::Key_Escape);
    QVERIFY(!preview.isVisible());
  }
}

// A whole-book row steps through the pages of every part found, each page
// and each entry naming its part; a row of another type names none.
void PreviewTest::WholeBookRowNamesItsParts() {
  const QString book = dir_.filePath(QStringLiteral("parts.djvu"));
  parts_book::Build(book, QStringLiteral("t1 s1 c2 b40 i2"));  // short contents 2, full 3-4, index 45-46
  GuiHarness gui;
  PreviewWindow& preview = OpenPreview(gui, book, 1, 46, 5);
  QList<int> pages;
  for (const PreviewPage& page : preview.Preview().pages) pages << page.number;
  QCOMPARE(pages, (QList<int>{2, 3, 4, 45, 46}));
  auto* list = On<QTableWidget>(preview, "EntryList");
  QVERIFY(!list->isColumnHidden(4));
  const QList<QPair<int, QString>> parts{{0, "Содержание 1 из 2"},
                                         {1, "Содержание 2 из 2 (основное)"},
                                         {2, "Содержание 2 из 2 (основное)"},
                                         {3, "Указатель"},
                                         {4, "Указатель"}};
  for (const auto& [index, part] : parts) {
    preview.ShowPage(index);
    const QString label = On<QLabel>(preview, "LabelPage")->text();
    QVERIFY2(label.endsWith(QStringLiteral(" — ") + part), qPrintable(label));
    const QList<int> rows = VisibleRows(list);
    QVERIFY2(!rows.isEmpty(), qPrintable(label));  // every part's page has its links
    for (const int row : rows) QCOMPARE(list->item(row, 4)->text(), part);
  }

  const QString plain = dir_.filePath(QStringLiteral("plain.djvu"));
  BuildDocument(plain, Book());
  GuiHarness other;
  PreviewWindow& contents = OpenPreview(other, plain, 2, 3);
  QVERIFY(On<QTableWidget>(contents, "EntryList")->isColumnHidden(4));
  QVERIFY(!On<QLabel>(contents, "LabelPage")->text().contains(QStringLiteral("—")));
}

void PreviewTest::FixRowShowsTheAlignment() {
  using fixtest::Area;
  const QString book = dir_.filePath(QStringLiteral("fix.djvu"));
  const QList<Area> ragged = {{"rect", 100, 1500, 1000, 40}, {"rect", 108, 1400, 990, 40}, {"rect", 96, 1300, 1012, 40}};
  // The entries' words under the areas, their numbers at the right margin;
  // a heading above them has no area.
  const auto entry = [](int bottom, const QString& title, const QString& number) {
    TextLine line = LayoutLine(bottom, bottom + 40, title.split(QLatin1Char(' ')), 110);
    line.words << Word{1060, bottom, 1080, bottom + 40, number};
    line.right = 1080;
    return line;
  };
  const QByteArray text = PageText({Line(1600, "Содержание"), entry(1500, "Введение", "3"),
                                    entry(1400, "Глава первая", "7"), entry(1300, "Глава вторая", "15")});
  BuildDocument(book, WithBlankPagesUpTo({Page{}, Page{text, fixtest::Links(ragged)}}, 3));
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
  auto* list = On<QTableWidget>(preview, "EntryList");
  QCOMPARE(list->rowCount(), ragged.size());
  const QStringList texts{"Введение 3", "Глава первая 7", "Глава вторая 15"};
  for (int row = 0; row < list->rowCount(); ++row) QCOMPARE(list->item(row, 1)->text(), texts[row]);

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

void PreviewTest::PlacedBesideTheMainWindow_data() {
  QTest::addColumn<QRect>("screen");  // available geometry
  QTest::addColumn<QRect>("main");    // the main window's frame
  QTest::addColumn<int>("least");     // the narrowest the preview can show
  QTest::addColumn<QRect>("placed");
  const QSize wanted(1000, 720);
  QTest::newRow("room on the right") << QRect(0, 0, 1920, 1080) << QRect(100, 100, 568, 331) << 800
                                     << QRect(668, 100, 1000, 720);
  QTest::newRow("room on the left only") << QRect(0, 0, 1920, 1080) << QRect(1000, 100, 568, 331) << 800
                                         << QRect(0, 100, 1000, 720);
  QTest::newRow("narrowed to the room on the right") << QRect(0, 0, 1600, 900) << QRect(50, 50, 568, 331) << 800
                                                     << QRect(618, 50, 982, 720);
  QTest::newRow("too little room: at the right edge, moved up to fit")
      << QRect(0, 0, 1280, 1024) << QRect(356, 346, 568, 331) << 800 << QRect(280, 304, 1000, 720);
  QTest::newRow("1024x600: shrunk to the screen") << QRect(0, 0, 1024, 600) << QRect(228, 134, 568, 331) << 800
                                                  << QRect(24, 0, 1000, 600);
  QTest::newRow("second screen with a panel on top") << QRect(1920, 30, 1024, 570) << QRect(2000, 40, 568, 331)
                                                     << 800 << QRect(1944, 30, 1000, 570);
  QTest::newRow("main window partly off the screen") << QRect(0, 0, 1366, 768) << QRect(-200, 500, 568, 331)
                                                     << 800 << QRect(368, 48, 998, 720);
}

void PreviewTest::PlacedBesideTheMainWindow() {
  QFETCH(QRect, screen);
  QFETCH(QRect, main);
  QFETCH(int, least);
  QFETCH(QRect, placed);
  const QRect result = BesideRect(screen, main, QSize(1000, 720), least);
  QCOMPARE(result, placed);
  QVERIFY(screen.contains(result));
}

void PreviewTest::FitsTheSmallScreenAndKeepsItsPlace() {
  const QString book = dir_.filePath(QStringLiteral("small screen.djvu"));
  BuildDocument(book, Book());
  GuiHarness gui;
  PreviewWindow& preview = OpenPreview(gui, book, 2, 3);
  TForm1& main = gui.main();
  QVERIFY(QTest::qWaitForWindowExposed(&preview));
  const QRect screen = preview.screen()->availableGeometry();
  QCOMPARE(screen.size(), QSize(1024, 600));  // the screen this program is given
  QVERIFY2(screen.contains(preview.frameGeometry()),
           qPrintable(QStringLiteral("%1,%2 %3x%4").arg(preview.frameGeometry().x()).arg(preview.frameGeometry().y())
                          .arg(preview.frameGeometry().width()).arg(preview.frameGeometry().height())));
  // Every button and the summary are on the screen, whole.
  QList<QWidget*> controls{On<QPlainTextEdit>(preview, "LabelNotes")};
  for (QPushButton* button : preview.findChildren<QPushButton*>()) controls << button;
  for (QWidget* control : controls) {
    QVERIFY(control->isVisible());
    const QRect onScreen(control->mapToGlobal(QPoint(0, 0)), control->size());
    QVERIFY2(screen.contains(onScreen), qPrintable(control->objectName()));
  }
  QVERIFY(!On<QPlainTextEdit>(preview, "LabelNotes")->toPlainText().isEmpty());

  // A run ends: the preview shows the links now in the document where it
  // was, and the window the user was in keeps the focus.
  const QPoint place = preview.pos();
  const QSize size = preview.size();
  ShowActive(&main);
  QSignalSpy loaded(&preview, &PreviewWindow::Loaded);
  main.Button3Click();
  QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
  QCOMPARE(loaded.size(), 1);
  QVERIFY(preview.Preview().pages.first().areas.first().inDocument);
  QTest::qWait(100);  // the window system's answers to any raise or activation
  QVERIFY(preview.isVisible());
  QVERIFY(QApplication::activeWindow() != &preview);
  QCOMPARE(preview.pos(), place);
  QCOMPARE(preview.size(), size);
}

void PreviewTest::LabelsOfTwoColumnsStayApart() {
  // A two-column index page: numbers close together on a line, the right
  // column close to the left one's numbers.
  const QList<TextLine> index{Line(1500, "Абажур 12, 15, 18"), Line(1440, "Бумага 7"), Line(1380, "Вата 2, 3, 4, 5"),
                              Line(1320, "Гиря 9"),
                              Line(1500, "Гвоздь 9, 10, 11", 560), Line(1440, "Дверь 14", 560),
                              Line(1380, "Ель 3, 8", 560), Line(1320, "Жесть 6, 13", 560)};
  const QString book = dir_.filePath(QStringLiteral("index.djvu"));
  BuildDocument(book, WithBlankPagesUpTo({Page{}, Page{PageText(index), {}}}, 30));
  GuiHarness gui;
  PreviewWindow& preview = OpenPreview(gui, book, 2, 2, 4);  // "Указатель (авто)"
  TForm1& main = gui.main();
  QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
  const int areas = int(preview.Preview().pages.first().areas.size());
  QVERIFY2(areas >= 16, qPrintable(QString::number(areas)));
  auto* zoomIn = On<QPushButton>(preview, "ButtonZoomIn");
  // New links, then the same after the run, labelled "(в документе)"; at
  // the fitted size and zoomed in.
  for (const bool run : {false, true}) {
    if (run) main.Button3Click();
    QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
    On<QPushButton>(preview, "ButtonZoomFit")->click();
    for (int zoom = 0; zoom < 3; ++zoom) {
      const DrawnLabels drawn = LabelsOf(preview);
      QCOMPARE(drawn.areas.size(), areas);
      QVERIFY(!drawn.labels.isEmpty());
      CheckLabelsApart(preview);
      if (QTest::currentTestFailed()) return;
      zoomIn->click();
      zoomIn->click();
    }
    // Zoomed in, every label finds room; each hidden one is the tooltip of its area.
    QCOMPARE(LabelsOf(preview).labels.size(), areas);
  }
  for (QGraphicsItem* item : On<QGraphicsView>(preview, "PageView")->scene()->items()) {
    if (auto* label = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item)) {
      QCOMPARE(label->parentItem()->toolTip(), label->text());
      QVERIFY(label->text().endsWith(QStringLiteral(" (в документе)")));
    }
  }
}

void PreviewTest::ZoomKeepsThePointUnderTheCursor() {
  const QString book = dir_.filePath(QStringLiteral("zoom.djvu"));
  BuildDocument(book, Book());
  GuiHarness gui;
  PreviewWindow& preview = OpenPreview(gui, book, 2, 2);
  auto* view = On<QGraphicsView>(preview, "PageView");
  QWidget* port = view->viewport();
  const auto onPage = [view](QPointF at) { return view->viewportTransform().inverted().map(at); };
  const auto wheel = [port](QPointF at, int steps) {
    QWheelEvent event(at, port->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(port, &event);
  };
  // Far enough in that the page is larger than the view both ways.
  for (int i = 0; i < 6; ++i) wheel(QRectF(port->rect()).center(), 1);
  struct Turn {
    QPointF at;  // as a share of the viewport's width and height
    int steps;
  };
  for (const Turn& turn : {Turn{{0.2, 0.3}, 1}, Turn{{0.8, 0.7}, 2}, Turn{{0.75, 0.25}, -1}, Turn{{0.3, 0.8}, -1}}) {
    const QPointF at(port->width() * turn.at.x(), port->height() * turn.at.y());
    const QPointF before = onPage(at);
    const double scale = view->transform().m11();
    wheel(at, turn.steps);
    QVERIFY(qAbs(view->transform().m11() - scale * std::pow(1.25, turn.steps)) < 1e-6);
    // Within a pixel of the screen: scrolling moves by whole pixels.
    const QPointF after = onPage(at);
    QVERIFY2(QLineF(before, after).length() * view->transform().m11() <= 1.5,
             qPrintable(QStringLiteral("(%1, %2) moved to (%3, %4)").arg(before.x()).arg(before.y()).arg(after.x()).arg(after.y())));
  }
  // The buttons zoom about the view's centre.
  const QPointF centre = QRectF(port->rect()).center();
  for (const char* button : {"ButtonZoomIn", "ButtonZoomOut"}) {
    const QPointF before = onPage(centre);
    On<QPushButton>(preview, button)->click();
    QVERIFY(QLineF(before, onPage(centre)).length() * view->transform().m11() <= 1.5);
  }
}

int main(int argc, char** argv) {
  // The offscreen platform gets one screen of a small laptop's size.
  QTemporaryDir platform;
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
    const QString config = platform.filePath(QStringLiteral("screen.json"));
    WriteFile(config, R"({"windowFrameMargins": true, "screens": [{"name": "small", "x": 0, "y": 0,
                      "width": 1024, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
  }
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  PreviewTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "test_gui_preview.moc"

// The automatic work types in the windows: offered after the described
// three in both work-type lists, stored in the row with the Roman offset,
// and the question box enabled for the automatic contents type. "Найти всё"
// surveys a real book and makes its row a whole-book row.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "support/gui_harness.h"
#include "support/parts_book.h"

class GuiAutoTypesTest : public QObject {
  Q_OBJECT
 private slots:
  void OfferedAndStored();
  void FindAllFillsTheRow();
  void FindAllInTheRowDialog();

 private:
  QTemporaryDir dir_;
};

void GuiAutoTypesTest::OfferedAndStored() {
  GuiHarness gui;
  AppWindows& w = gui.Start();
  const QStringList types{"Содержание", "Алфавитный указатель 1", "Алфавитный указатель 2", "Содержание (авто)",
                          "Указатель (авто)", "Книга целиком (авто)"};
  for (QWidget* window : {static_cast<QWidget*>(&w.form1), static_cast<QWidget*>(&w.form4)}) {
    QComboBox* combo = On<QComboBox>(window, "ComboBox3");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    QCOMPARE(items, types);
  }

  // "Спрашивать когда непонятно" goes with both contents types.
  QCheckBox* ask = On<QCheckBox>(w.form1, "CheckBox10");
  for (const auto& [index, enabled] : {std::pair{3, true}, std::pair{4, false}, std::pair{0, true}}) {
    Choose(On<QComboBox>(w.form1, "ComboBox3"), index);
    QCOMPARE(ask->isEnabled(), enabled);
  }

  // Added from the tab: work type 3 and the Roman offset as typed.
  Choose(On<QComboBox>(w.form1, "ComboBox3"), 3);
  On<QLineEdit>(w.form1, "EditRomanOffset")->setText("5");
  gui.desktop().answers << QStringLiteral("/books/A.djvu");
  On<QPushButton>(w.form1, "xpButton1")->click();
  QCOMPARE(w.form1.CreateRowCount(), 1);
  QCOMPARE(w.form1.CreateRow(0).settings.workType, WorkType::ContentsAuto);
  QCOMPARE(w.form1.CreateRow(0).settings.romanOffset, std::optional<int>(5));

  // Changed in the settings dialog: the index type, another Roman offset.
  w.form1.ListView2()->selectRow(0);
  WhenModal([&] {
    QCOMPARE(On<QLineEdit>(&w.form4, "EditRomanOffset")->text(), QStringLiteral("5"));
    On<QComboBox>(&w.form4, "ComboBox3")->setCurrentIndex(4);
    On<QLineEdit>(&w.form4, "EditRomanOffset")->setText("7");
    On<QPushButton>(&w.form4, "BitBtn1")->click();
  });
  w.form1.ListView2DblClick();
  QCOMPARE(w.form1.CreateRow(0).settings.workType, WorkType::IndexAuto);
  QCOMPARE(w.form1.CreateRow(0).settings.romanOffset, std::optional<int>(7));
  QCOMPARE(On<QLineEdit>(w.form1, "EditRomanOffset")->text(), QStringLiteral("7"));  // reloaded on hiding
  QVERIFY(gui.desktop().errors.isEmpty() && gui.desktop().messages.isEmpty());
}

// "Найти всё" on the list's one row (the tab for the next rows), on selected
// rows (each from its own book), and on a book with neither part (the row
// kept as it was).
void GuiAutoTypesTest::FindAllFillsTheRow() {
  const QString parts = dir_.filePath(QStringLiteral("части книги.djvu"));
  parts_book::Build(parts, QStringLiteral("t1 s1 c2 b40 i2"));  // contents 2-4 (two lists), index 45-46
  const QString prose = dir_.filePath(QStringLiteral("prose.djvu"));
  parts_book::Build(prose, QStringLiteral("t1 b12"));
  const QString found = QStringLiteral("Содержание: стр. 2–4 (2 списка), указатель: стр. 45–46, смещение +%1")
                            .arg(parts_book::kOffset);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  QStringList& messages = gui.desktop().messages;
  QPushButton* findAll = On<QPushButton>(w.form1, "ButtonFindAll");
  findAll->click();  // no row: a message, nothing filled
  QCOMPARE(messages.size(), 1);
  QCOMPARE(On<QComboBox>(w.form1, "ComboBox3")->currentIndex(), 0);

  gui.desktop().answers << parts;
  On<QPushButton>(w.form1, "xpButton1")->click();
  w.form1.ListView2()->clearSelection();
  findAll->click();
  QCOMPARE(messages.last(), parts + QStringLiteral(":\n") + found);
  QCOMPARE(On<QComboBox>(w.form1, "ComboBox3")->currentIndex(), int(WorkType::Book));
  QCOMPARE(On<QLineEdit>(w.form1, "Edit1")->text(), QStringLiteral("2"));
  QCOMPARE(On<QLineEdit>(w.form1, "Edit2")->text(), QStringLiteral("46"));
  QCOMPARE(On<QLineEdit>(w.form1, "Edit3")->text(), QString::number(parts_book::kOffset));
  QCOMPARE(w.form1.CreateRow(0).settings.workType, WorkType::Contents);  // not selected: kept

  // Selected rows, each from its own book; with the book's page numbers the
  // row keeps its offset and the line names the book's own.
  On<QCheckBox>(w.form1, "CheckBoxBookNumbers")->setChecked(true);
  On<QLineEdit>(w.form1, "Edit3")->setText("0");
  Choose(On<QComboBox>(w.form1, "ComboBox3"), 0);
  // A book gone since it was added keeps its row; the one after it is still filled.
  const QString gone = dir_.filePath(QStringLiteral("gone.djvu"));
  QVERIFY(QFile::copy(prose, gone));
  gui.desktop().answers << prose << gone << parts;
  for (int i = 0; i < 3; ++i) On<QPushButton>(w.form1, "xpButton1")->click();
  QVERIFY(QFile::remove(gone));
  w.form1.ListView2()->setSelectionMode(QAbstractItemView::MultiSelection);
  w.form1.ListView2()->clearSelection();
  for (const int row : {1, 2, 3}) w.form1.ListView2()->selectRow(row);
  findAll->click();
  const QStringList said = messages.last().split(QStringLiteral("\n\n"));
  QCOMPARE(said.size(), 3);
  QCOMPARE(said[0], prose + QStringLiteral(":\nне найдено ни содержания, ни указателя"));
  QVERIFY2(said[1].startsWith(gone + QStringLiteral(":\n")) && said[1].size() > gone.size() + 2, qPrintable(said[1]));
  QCOMPARE(said[2], parts + QStringLiteral(":\n") + found);
  QCOMPARE(w.form1.CreateRow(2).settings.workType, WorkType::Contents);
  const CreateSettings none = w.form1.CreateRow(1).settings, whole = w.form1.CreateRow(3).settings;
  QCOMPARE(none.workType, WorkType::Contents);
  QCOMPARE(whole.workType, WorkType::Book);
  QCOMPARE(std::pair(whole.firstPage, whole.lastPage), std::pair(2, 46));
  QCOMPARE(whole.offset, 0);
  QVERIFY(whole.bookNumbers);
  QCOMPARE(On<QComboBox>(w.form1, "ComboBox3")->currentIndex(), 0);  // the tab shows the first selected row
  QVERIFY(gui.desktop().errors.isEmpty());
}

// "Найти всё" in the row dialog fills the dialog from the row's book; the row
// takes it on "OK" only.
void GuiAutoTypesTest::FindAllInTheRowDialog() {
  const QString parts = dir_.filePath(QStringLiteral("dialog.djvu"));
  parts_book::Build(parts, QStringLiteral("t1 c2 b30 i1"));
  GuiHarness gui;
  AppWindows& w = gui.Start();
  gui.desktop().answers << parts;
  On<QPushButton>(w.form1, "xpButton1")->click();
  w.form1.ListView2()->selectRow(0);
  for (const bool ok : {false, true}) {
    WhenModal([&] {
      On<QPushButton>(&w.form4, "ButtonFindAll")->click();
      QCOMPARE(On<QComboBox>(&w.form4, "ComboBox3")->currentIndex(), int(WorkType::Book));
      QCOMPARE(On<QLineEdit>(&w.form4, "Edit1")->text(), QStringLiteral("2"));
      QCOMPARE(w.form1.CreateRow(0).settings.workType, WorkType::Contents);  // the row waits for "OK"
      On<QPushButton>(&w.form4, ok ? "BitBtn1" : "BitBtn2")->click();
    });
    w.form1.ListView2DblClick();
    QCOMPARE(w.form1.CreateRow(0).settings.workType, ok ? WorkType::Book : WorkType::Contents);
  }
  const CreateSettings whole = w.form1.CreateRow(0).settings;
  QCOMPARE(std::pair(whole.firstPage, whole.offset), std::pair(2, parts_book::kOffset));
  QCOMPARE(gui.desktop().messages.size(), 2);
  QVERIFY2(gui.desktop().messages.last().startsWith(parts + QStringLiteral(":\nСодержание: стр. 2")),
           qPrintable(gui.desktop().messages.last()));
  QVERIFY(gui.desktop().errors.isEmpty());
}

QTEST_MAIN(GuiAutoTypesTest)
#include "test_gui_auto_types.moc"

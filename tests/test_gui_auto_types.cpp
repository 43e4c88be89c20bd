// The automatic work types in the windows: offered after the described
// three in both work-type lists, stored in the row with the Roman offset,
// and the question box enabled for the automatic contents type.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "support/gui_harness.h"

class GuiAutoTypesTest : public QObject {
  Q_OBJECT
 private slots:
  void OfferedAndStored();
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

QTEST_MAIN(GuiAutoTypesTest)
#include "test_gui_auto_types.moc"

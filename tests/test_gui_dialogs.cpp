// The settings dialog, the style-panel rules on both windows, the page-number
// question and the log window.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include "app/color_button.h"
#include "create/row_columns.h"
#include "app/list_rows.h"
#include "support/gui_harness.h"

namespace {

CreateJob Row(const QString& cm, const QString& tpb, const QString& tps, const QString& col1, const QString& col2,
              const QString& bw, const QString& pods) {
  return CreateColumns::FromColumns("/b/", {"E.djvu", "4", "6", cm, "1", tpb, tps, col1, col2, bw, "1", pods, "2"}).Read(1);
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void StyleRules_data();
  void StyleRules();
  void SettingsDialogLoadsRow();
  void SettingsDialogOkAndCancel_data();
  void SettingsDialogOkAndCancel();
  void SettingsDialogOnOvalRow();
  void SettingsDialogNeedsSelectionAndNumbers();
  void QuestionWaysOut_data();
  void QuestionWaysOut();
  void QuestionRefusesBadNumber();
  void LogWindow();
};

void DialogsTest::StyleRules_data() {
  QTest::addColumn<bool>("dialog");
  QTest::addColumn<bool>("highlight");  // "Подсветка области" before the choices
  QTest::addColumn<int>("border");      // chosen first
  QTest::addColumn<int>("shape");       // chosen second
  QTest::addColumn<int>("borderAfter");
  QTest::addColumn<bool>("width");      // label and spin enabled
  QTest::addColumn<bool>("borderColor");
  QTest::addColumn<bool>("highlightBox");  // enabled
  QTest::addColumn<bool>("highlightColor");
  for (bool dialog : {false, true}) {
    const char* window = dialog ? "dialog" : "main";
    QTest::addRow("%s: shadow rectangle", window) << dialog << true << 3 << 0 << 3 << true << false << true << true;
    QTest::addRow("%s: oval drops shadow and highlight", window) << dialog << true << 5 << 1 << 2 << false << true << false << false;
    QTest::addRow("%s: plain border", window) << dialog << false << 2 << 0 << 2 << false << true << true << false;
    QTest::addRow("%s: oval keeps default", window) << dialog << false << 1 << 1 << 1 << false << false << false << false;
    QTest::addRow("%s: no border", window) << dialog << true << 0 << 0 << 0 << false << false << true << true;
  }
}

void DialogsTest::StyleRules() {
  QFETCH(bool, dialog);
  QFETCH(bool, highlight);
  QFETCH(int, border);
  QFETCH(int, shape);
  QFETCH(int, borderAfter);
  QFETCH(bool, width);
  QFETCH(bool, borderColor);
  QFETCH(bool, highlightBox);
  QFETCH(bool, highlightColor);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  QWidget* window = dialog ? static_cast<QWidget*>(&w.form4) : &w.form1;
  On<QCheckBox>(window, "CheckBox9")->setChecked(highlight);
  Choose(On<QComboBox>(window, "ComboBox1"), border);
  Choose(On<QComboBox>(window, "ComboBox2"), shape);
  QCOMPARE(On<QComboBox>(window, "ComboBox1")->currentIndex(), borderAfter);
  QCOMPARE(On<QLabel>(window, "Label7")->isEnabled(), width);
  QCOMPARE(On<QSpinBox>(window, "Edit4")->isEnabled(), width);
  QCOMPARE(On<QWidget>(window, "JvColorButton1")->isEnabled(), borderColor);
  QCOMPARE(On<QCheckBox>(window, "CheckBox9")->isEnabled(), highlightBox);
  QCOMPARE(On<QCheckBox>(window, "CheckBox9")->isChecked(), highlight && shape == 0);
  QCOMPARE(On<QWidget>(window, "JvColorButton2")->isEnabled(), highlightColor);
}

void DialogsTest::SettingsDialogLoadsRow() {
  GuiHarness gui;
  AppWindows& w = gui.Start();
  listrows::AppendCreateRow(w.form1.ListView2(), Row("-7", "2", "0", "FF0000", "", "25", "0"));
  w.form1.ListView2()->selectRow(0);
  bool checked = false;
  WhenModal([&] {
    QWidget* d = &w.form4;
    QCOMPARE(w.form4.windowTitle(), QStringLiteral("Редактировать установки"));
    QCOMPARE(On<QLabel>(d, "Label1")->text(), QStringLiteral("Файл: /b/E.djvu"));
    QCOMPARE(On<QLineEdit>(d, "Edit1")->text(), QStringLiteral("4"));
    QCOMPARE(On<QLineEdit>(d, "Edit3")->text(), QStringLiteral("7"));
    QVERIFY(On<QRadioButton>(d, "RadioButton2")->isChecked());
    QCOMPARE(On<QComboBox>(d, "ComboBox3")->currentIndex(), 1);
    QCOMPARE(On<ColorButton>(d, "JvColorButton1")->Color(), ColorValue(0x0000FF));
    QCOMPARE(On<ColorButton>(d, "JvColorButton2")->Color(), ColorValue(0xFFFFFF));  // empty: white
    QCOMPARE(On<QSpinBox>(d, "Edit4")->value(), 25);  // no bound in the dialog
    QVERIFY(On<QCheckBox>(d, "CheckBox8")->isChecked());
    QVERIFY(!On<QCheckBox>(d, "CheckBox11")->isChecked());  // "2" is not "1"
    // The rules ran on show: a plain border enables its colour; no highlight, no highlight colour.
    QVERIFY(On<QWidget>(d, "JvColorButton1")->isEnabled());
    QVERIFY(!On<QWidget>(d, "JvColorButton2")->isEnabled());
    QVERIFY(!On<QSpinBox>(d, "Edit4")->isEnabled());
    checked = true;
    w.form4.close();  // the close box
  });
  w.form1.ListView2DblClick();
  QVERIFY(checked);
  QVERIFY(!w.form4.isVisible());
}

void DialogsTest::SettingsDialogOkAndCancel_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QStringList>("columns");
  QTest::newRow("OK") << "BitBtn1"
                      << QStringList{"E.djvu", "11", "6", "0", "1", "2", "0", "FF0000", "FFFFFF", "25", "1", "0", "0", "", "0"};
  QTest::newRow("Отмена") << "BitBtn2"
                          << QStringList{"E.djvu", "4", "6", "-7", "1", "2", "0", "FF0000", "", "25", "1", "0", "0", "", "0"};
}

void DialogsTest::SettingsDialogOkAndCancel() {
  QFETCH(QString, button);
  QFETCH(QStringList, columns);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  listrows::AppendCreateRow(w.form1.ListView2(), Row("-7", "2", "0", "FF0000", "", "25", "0"));
  w.form1.ListView2()->selectRow(0);
  On<QLineEdit>(&w.form1, "Edit1")->setText("99");  // reloaded from the row when the dialog hides
  WhenModal([&] {
    On<QLineEdit>(&w.form4, "Edit1")->setText("11");
    On<QLineEdit>(&w.form4, "Edit3")->setText("0");
    On<QPushButton>(&w.form4, qPrintable(button))->click();
  });
  w.form1.ListView2DblClick();
  QVERIFY(!w.form4.isVisible());
  const CreateJob row = w.form1.CreateRow(0);
  QCOMPARE(row.Folder, QStringLiteral("/b/"));
  QCOMPARE(CreateColumns::Of(row).SubItems(), columns);
  QCOMPARE(On<QLineEdit>(&w.form1, "Edit1")->text(), QString::number(row.settings.firstPage));
  QVERIFY(gui.desktop().errors.isEmpty());
}

void DialogsTest::SettingsDialogOnOvalRow() {
  GuiHarness gui;
  AppWindows& w = gui.Start();
  listrows::AppendCreateRow(w.form1.ListView2(), Row("3", "4", "1", "000000", "00FF00", "2", "1"));
  w.form1.ListView2()->selectRow(0);
  WhenModal([&] {
    QCOMPARE(On<QComboBox>(&w.form4, "ComboBox1")->currentIndex(), 2);  // shown as "Простая граница"
    QVERIFY(!On<QCheckBox>(&w.form4, "CheckBox9")->isEnabled());
    QVERIFY(!On<QCheckBox>(&w.form4, "CheckBox9")->isChecked());
    QCOMPARE(w.form1.CreateRow(0).settings.look.borderType, 4);  // the row changes only on "OK"
    On<QPushButton>(&w.form4, "BitBtn1")->click();
  });
  w.form1.ListView2DblClick();
  QCOMPARE(w.form1.CreateRow(0).settings.look.borderType, 2);
  QCOMPARE(w.form1.CreateRow(0).settings.look.highlight, false);
}

void DialogsTest::SettingsDialogNeedsSelectionAndNumbers() {
  GuiHarness gui;
  AppWindows& w = gui.Start();
  listrows::AppendCreateRow(w.form1.ListView2(), Row("3", "1", "0", "000000", "000000", "0", "0"));
  w.form1.ListView2DblClick();  // no row selected: nothing at all
  QVERIFY(gui.desktop().errors.isEmpty());
  QVERIFY(!w.form4.isVisible());
  w.form1.ListView2()->selectRow(0);
  // An empty offset is refused on "OK": the box is named, the dialog stays
  // open and the row keeps its settings.
  bool refused = false;
  WhenModal([&] {
    On<QLineEdit>(&w.form4, "Edit3")->clear();
    On<QPushButton>(&w.form4, "BitBtn1")->click();
    refused = w.form4.isVisible();
    w.form4.close();
  });
  w.form1.ListView2DblClick();
  QVERIFY(refused);
  QCOMPARE(gui.desktop().messages, QStringList{QStringLiteral("Смещение: пустое значение, нужно целое число")});
  QCOMPARE(w.form1.CreateRow(0).settings.offset, 3);
}

void DialogsTest::QuestionWaysOut_data() {
  QTest::addColumn<QString>("way");  // "yes", "no" or "close"
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("dontShow");
  QTest::addColumn<int>("result");
  QTest::addColumn<bool>("askAfter");
  QTest::newRow("yes with a correction") << "yes" << "7" << false << 7 << true;
  QTest::newRow("yes unedited") << "yes" << QString() << false << 3 << true;
  QTest::newRow("yes negative") << "yes" << "-4" << false << -4 << true;
  QTest::newRow("yes, don't show again") << "yes" << "0" << true << 0 << false;
  QTest::newRow("no") << "no" << "7" << false << 3 << true;
  QTest::newRow("no, don't show again") << "no" << "7" << true << 3 << false;
  QTest::newRow("close box") << "close" << "7" << true << 3 << true;
}

void DialogsTest::QuestionWaysOut() {
  QFETCH(QString, way);
  QFETCH(QString, typed);
  QFETCH(bool, dontShow);
  QFETCH(int, result);
  QFETCH(bool, askAfter);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  w.form1.CheckBox10()->setChecked(true);
  WhenModal([&] {
    QWidget* q = &w.form3;
    QCOMPARE(On<QLabel>(q, "Label1")->text(), QStringLiteral("Предыдущая страница - 10"));
    QCOMPARE(On<QLabel>(q, "Label2")->text(), QStringLiteral("Текущая страница - 3"));
    QCOMPARE(On<QLineEdit>(q, "Edit1")->text(), QStringLiteral("3"));
    QCOMPARE(On<QLabel>(q, "LabelWhere")->text(), QStringLiteral("book.djvu, стр. 12: «Глава 2 ...... 3»"));
    QCOMPARE(w.form3.focusWidget(), On<QLineEdit>(q, "Edit1"));
    if (!typed.isNull()) On<QLineEdit>(q, "Edit1")->setText(typed);
    On<QCheckBox>(q, "CheckBox1")->setChecked(dontShow);
    if (way == "yes") On<QPushButton>(q, "BitBtn1")->click();
    else if (way == "no") On<QPushButton>(q, "BitBtn2")->click();
    else w.form3.close();
  });
  QCOMPARE(w.form1.AskPageNumber(10, 3, {QStringLiteral("/books/book.djvu"), 12, QStringLiteral("Глава 2 ...... 3")}),
           result);
  QCOMPARE(w.form1.CurrentPageNumber, result);
  QCOMPARE(w.form1.PreviousPageNumber, 10);
  QCOMPARE(w.form1.CheckBox10()->isChecked(), askAfter);
  QVERIFY(!w.form3.isVisible());
}

void DialogsTest::QuestionRefusesBadNumber() {
  GuiHarness gui;
  AppWindows& w = gui.Start();
  w.form1.CheckBox10()->setChecked(true);
  bool stayedOpen = false;
  WhenModal([&] {
    On<QLineEdit>(&w.form3, "Edit1")->setText("12a");
    On<QCheckBox>(&w.form3, "CheckBox1")->setChecked(true);
    On<QPushButton>(&w.form3, "BitBtn1")->click();
    stayedOpen = w.form3.isVisible() && w.form1.CheckBox10()->isChecked() && w.form1.CurrentPageNumber == 5;
    On<QCheckBox>(&w.form3, "CheckBox1")->setChecked(false);
    On<QPushButton>(&w.form3, "BitBtn2")->click();
  });
  QCOMPARE(w.form1.AskPageNumber(9, 5), 5);
  QVERIFY(stayedOpen);
  QCOMPARE(gui.desktop().errors, QStringList{QStringLiteral("«12a» не целое число")});
  QVERIFY(w.form1.CheckBox10()->isChecked());
}

void DialogsTest::LogWindow() {
  GuiHarness gui;
  AppWindows& w = gui.Start();
  auto* memo = On<QPlainTextEdit>(&w.form2, "Memo2");
  QVERIFY(memo->isReadOnly());
  QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  QCOMPARE(w.form2.windowTitle(), QStringLiteral("Протокол"));
  QCOMPARE(w.form2.size(), QSize(337, 382));
  w.form1.LogClear();
  w.form1.LogAddLine("A");
  w.form1.LogAppend("B");
  w.form1.LogAppend(" OK");
  QVERIFY(!w.form2.isVisible());
  w.form1.LogShow();
  QVERIFY(w.form2.isVisible());
  QCOMPARE(memo->toPlainText(), QStringLiteral("A\nB OK"));
  w.form2.close();  // only hides; the text stays for the next LogShow
  w.form1.LogShow();
  QVERIFY(w.form2.isVisible());
  QCOMPARE(memo->toPlainText(), QStringLiteral("A\nB OK"));
}

QTEST_MAIN(DialogsTest)
#include "test_gui_dialogs.moc"

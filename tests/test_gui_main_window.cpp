// The main window: start-up, the settings file, the key filter, the create
// list's add and load, the style rules, the context menus, one job at a time.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "app/color_button.h"
#include "app/job_lock.h"
#include "app/list_rows.h"
#include "app/settings_file.h"
#include "app/window_position.h"
#include "app/preview_window.h"
#include "create/row_columns.h"
#include "support/gui_harness.h"

namespace {

QMap<QString, bool> CheckStates(TForm1& main) {
  QMap<QString, bool> states;
  for (const SettingKey& key : kSettingKeys) states[key.checkBox] = On<QCheckBox>(main, key.checkBox)->isChecked();
  return states;
}

// A key press that types the character, as the keyboard sends it (QTest's
// own key clicks know only ASCII).
void TypeCharacter(QWidget* box, QChar c) {
  const int key = c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
  QApplication::sendEvent(box, &press);
  QApplication::sendEvent(box, &release);
}

void ClickRow(QTableWidget* list, int row) {
  const QRect rect = list->visualRect(list->model()->index(row, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void StartsWithoutSettingsFile();
  void ReadsSettingValues_data();
  void ReadsSettingValues();
  void SettingNumbers_data();
  void SettingNumbers();
  void WritesAllKeysInOrderAtExit();
  void ReportsUnwritableSettingsFile();
  void CentresWithHalvesRoundedToEven_data();
  void CentresWithHalvesRoundedToEven();
  void KeyFilter_data();
  void KeyFilter();
  void RefusesBadPagesBeforeFileDialog_data();
  void RefusesBadPagesBeforeFileDialog();
  void AddsRowWithTabSettings_data();
  void AddsRowWithTabSettings();
  void LoadsRowBackOnClick_data();
  void LoadsRowBackOnClick();
  void RowWithEmptyOffsetIsRefused();
  void KeyUpLoadsNewlySelectedRow();
  void FixListAddRemoveOpen();
  void MenusWithoutSelection_data();
  void MenusWithoutSelection();
  void WorkTypeRule();
  void OneJobAtATime();
  void TabEditsTheSelectedRows();
  void LargerWindowShowsTheRowsSettings();
  void RunChecksTheTabsLists();
};

void MainWindowTest::StartsWithoutSettingsFile() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  QCOMPARE(main.windowTitle(), QStringLiteral("Quillmark v. 0.73"));
  // The described size and a row for the added options is the least; it may grow.
  QCOMPARE(main.size(), QSize(568, 352));
  QCOMPARE(main.minimumSize(), QSize(568, 352));
  QVERIFY(main.windowFlags() & Qt::WindowMaximizeButtonHint);
  QCOMPARE(On<QTabWidget>(main, "PageControl1")->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
  const QMap<QString, bool> expected{{"CheckBox5", false}, {"CheckBox4", false}, {"CheckBox6", true},
                                     {"CheckBox7", false}, {"CheckBox10", false}, {"CheckBox12", false},
                                     {"CheckBox9", false}, {"CheckBox1", false}, {"CheckBox2", false},
                                     {"CheckBox3", true}};
  QCOMPARE(CheckStates(main), expected);
  QCOMPARE(On<QComboBox>(main, "ComboBox1")->currentText(), QStringLiteral("По умолчанию"));
  QCOMPARE(On<QComboBox>(main, "ComboBox2")->currentText(), QStringLiteral("Прямоугольник"));
  QCOMPARE(On<QComboBox>(main, "ComboBox3")->currentText(), QStringLiteral("Содержание"));
  for (const char* name : {"Label7", "Edit4", "JvColorButton1", "JvColorButton2"}) {
    QVERIFY2(!On<QWidget>(main, name)->isEnabled(), name);
  }
  QCOMPARE(On<QSpinBox>(main, "Edit4")->maximum(), 20);
  QVERIFY(On<QRadioButton>(main, "RadioButton1")->isChecked());
  QCOMPARE(On<QLineEdit>(main, "Edit3")->text(), QStringLiteral("0"));
  QCOMPARE(On<QLabel>(main, "JvBehaviorLabel1")->text().split(QLatin1Char('\n')).size(), 9);
  // The settings' codes are hidden; pages, offset and work type are shown after them.
  QCOMPARE(main.ListView2()->columnCount(), 19);
  for (int c = 2; c < 19; ++c) QCOMPARE(main.ListView2()->isColumnHidden(c), c < 16);
  QCOMPARE(main.CurrentPageNumber, 0);
  QVERIFY(!gui.windows().form2.isVisible());
  QVERIFY(gui.desktop().messages.isEmpty() && gui.desktop().errors.isEmpty());
}

void MainWindowTest::ReadsSettingValues_data() {
  QTest::addColumn<QString>("value");
  QTest::addColumn<bool>("light");   // default unchecked
  QTest::addColumn<bool>("backup");  // default checked
  QTest::newRow("0x10") << "0x10" << true << true;
  QTest::newRow("abc") << "abc" << false << true;
  QTest::newRow("empty") << "" << false << true;
  QTest::newRow("-1") << "-1" << true << true;
  QTest::newRow("0") << "0" << false << false;
}

void MainWindowTest::ReadsSettingValues() {
  QFETCH(QString, value);
  QFETCH(bool, light);
  QFETCH(bool, backup);
  GuiHarness gui(QStringLiteral("[create]\nLight=%1\nBACKUP=%1\n[Edit]\nClose=1\n").arg(value));
  TForm1& main = gui.Start().form1;
  QCOMPARE(On<QCheckBox>(main, "CheckBox9")->isChecked(), light);
  QCOMPARE(On<QWidget>(main, "JvColorButton2")->isEnabled(), light);  // the highlight rule ran
  QCOMPARE(On<QCheckBox>(main, "CheckBox6")->isChecked(), backup);
  QVERIFY(On<QCheckBox>(main, "CheckBox1")->isChecked());
  QVERIFY(On<QCheckBox>(main, "CheckBox3")->isChecked());  // missing key: default
}

void MainWindowTest::SettingNumbers_data() {
  QTest::addColumn<QString>("value");
  QTest::addColumn<bool>("checked");  // read with the default unchecked
  QTest::newRow("leading blanks") << "  1" << true;
  QTest::newRow("plus sign") << "+0" << false;
  QTest::newRow("dollar hex") << "$a" << true;
  QTest::newRow("x hex zero") << "x0" << false;
  QTest::newRow("two signs") << "--1" << false;
  QTest::newRow("blank after sign") << "- 1" << false;
  QTest::newRow("prefix twice") << "0x0x1" << false;
  QTest::newRow("trailing letters") << "1abc" << false;
  QTest::newRow("beyond 32 bits") << "4294967296" << false;
  QTest::newRow("largest hex") << "0xFFFFFFFF" << true;
}

void MainWindowTest::SettingNumbers() {
  QFETCH(QString, value);
  QFETCH(bool, checked);
  QCOMPARE(ReadSettingBool(value, false), checked);
}

void MainWindowTest::WritesAllKeysInOrderAtExit() {
  GuiHarness gui(QStringLiteral("; kept\n[Edit]\nBackup=0\nOther=x\n"));
  TForm1& main = gui.Start().form1;
  const QMap<QString, bool> chosen{{"CheckBox5", true},  {"CheckBox4", false}, {"CheckBox6", false},
                                   {"CheckBox7", true},  {"CheckBox10", true}, {"CheckBox12", false},
                                   {"CheckBox9", true},  {"CheckBox1", false}, {"CheckBox2", true},
                                   {"CheckBox3", true}};
  for (auto it = chosen.begin(); it != chosen.end(); ++it) On<QCheckBox>(main, qPrintable(it.key()))->setChecked(it.value());
  gui.Stop();
  QCOMPARE(gui.ReadSettings(), QStringLiteral("; kept\n[Edit]\nBackup=1\nOther=x\nClose=0\nClear=1\n"
                                              "[Create]\nClose=1\nClear=0\nBackup=0\nEdit=1\nAnswer=1\nOCR=0\nLight=1\n"
                                              "[Quillmark]\nOutline=0\nReadImages=0\n"));
  QCOMPARE(CheckStates(gui.Start().form1), chosen);

  GuiHarness fresh;
  fresh.Start();
  fresh.Stop();
  QCOMPARE(fresh.ReadSettings(), QStringLiteral("[Create]\nClose=0\nClear=0\nBackup=1\nEdit=0\nAnswer=0\nOCR=0\nLight=0\n"
                                                "[Edit]\nClose=0\nClear=0\nBackup=1\n[Quillmark]\nOutline=0\nReadImages=0\n"));
}

void MainWindowTest::ReportsUnwritableSettingsFile() {
  GuiHarness gui;
  gui.Start();
  QVERIFY(QDir(gui.WorkFolder()).mkdir(IniFile::kFileName));  // a folder in the file's place
  gui.Stop();
  QCOMPARE(gui.desktop().errors, QStringList{QStringLiteral("Unable to write to %1").arg(gui.SettingsPath())});
}

void MainWindowTest::CentresWithHalvesRoundedToEven_data() {
  QTest::addColumn<QSize>("screen");
  QTest::addColumn<QSize>("window");
  QTest::addColumn<QPoint>("position");
  QTest::newRow("1366x768, 576x360") << QSize(1366, 768) << QSize(576, 360) << QPoint(395, 204);
  QTest::newRow("odd halves") << QSize(1023, 1025) << QSize(575, 577) << QPoint(512 - 288, 512 - 288);
  QTest::newRow("1027 rounds up") << QSize(1027, 3) << QSize(1, 5) << QPoint(514, 2 - 2);
}

void MainWindowTest::CentresWithHalvesRoundedToEven() {
  QFETCH(QSize, screen);
  QFETCH(QSize, window);
  QFETCH(QPoint, position);
  QCOMPARE(CentredPosition(screen, window), position);
}

void MainWindowTest::KeyFilter_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  for (const char* box : {"Edit1", "Edit2", "Edit3"}) {
    QTest::addRow("%s minus", box) << box << "-" << "";
    QTest::addRow("%s letters", box) << box << "aZж" << "";
    QTest::addRow("%s blank", box) << box << " " << "";
    QTest::addRow("%s enter", box) << box << "\r" << "";
    QTest::addRow("%s 12,5", box) << box << "12,5" << "12,5";
    QTest::addRow("%s backspace", box) << box << "12\b" << "1";
  }
}

void MainWindowTest::KeyFilter() {
  QFETCH(QString, box);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  GuiHarness gui;
  auto* edit = On<QLineEdit>(gui.Start().form1, qPrintable(box));
  edit->clear();
  for (QChar c : typed) {
    if (c == QLatin1Char('\r')) QTest::keyClick(edit, Qt::Key_Return);
    else if (c == QLatin1Char('\b')) QTest::keyClick(edit, Qt::Key_Backspace);
    else TypeCharacter(edit, c);
  }
  QCOMPARE(edit->text(), shown);
}

void MainWindowTest::RefusesBadPagesBeforeFileDialog_data() {
  QTest::addColumn<QString>("first");
  QTest::addColumn<QString>("last");
  QTest::newRow("1,5") << "1,5" << "2";
  QTest::newRow("last 1,5") << "1" << "1,5";
  QTest::newRow("empty") << "" << "2";
}

void MainWindowTest::RefusesBadPagesBeforeFileDialog() {
  QFETCH(QString, first);
  QFETCH(QString, last);
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<QLineEdit>(main, "Edit1")->setText(first);
  On<QLineEdit>(main, "Edit2")->setText(last);
  gui.desktop().answers << QStringLiteral("/books/A.djvu");
  On<QPushButton>(main, "xpButton1")->click();
  QCOMPARE(gui.desktop().messages, QStringList{QStringLiteral("Неверно заданы страницы")});
  QCOMPARE(gui.desktop().fileDialogs, 0);
  QCOMPARE(main.CreateRowCount(), 0);
}

void MainWindowTest::AddsRowWithTabSettings_data() {
  QTest::addColumn<QString>("offset");
  QTest::addColumn<bool>("minus");
  QTest::addColumn<uint>("border");     // JvColorButton1, 0x00BBGGRR
  QTest::addColumn<uint>("highlight");  // JvColorButton2
  QTest::addColumn<QStringList>("columns");
  const QString file = QStringLiteral("A.djvu");
  QTest::newRow("untouched colours, -0") << "0" << true << 0u << 0u
      << QStringList{file, "30", "10", "0", "2", "4", "1", "000000", "000000", "7", "1", "0", "1", "", "0"};
  QTest::newRow("blue border, red highlight, -7") << "7" << true << 0xFF0000u << 0x0000FFu
      << QStringList{file, "30", "10", "-7", "2", "4", "1", "0000FF", "FF0000", "7", "1", "0", "1", "", "0"};
  // An empty offset is refused before the file dialog, whatever its sign.
  QTest::newRow("empty offset, plus") << "" << false << 0x00A0B0C0u << 0u << QStringList();
  QTest::newRow("empty offset, minus") << "" << true << 0u << 0u << QStringList();
}

void MainWindowTest::AddsRowWithTabSettings() {
  QFETCH(QString, offset);
  QFETCH(bool, minus);
  QFETCH(uint, border);
  QFETCH(uint, highlight);
  QFETCH(QStringList, columns);
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<QLineEdit>(main, "Edit1")->setText("30");  // first after last is taken as typed
  On<QLineEdit>(main, "Edit2")->setText("10");
  On<QLineEdit>(main, "Edit3")->setText(offset);
  On<QRadioButton>(main, minus ? "RadioButton2" : "RadioButton1")->setChecked(true);
  On<QComboBox>(main, "ComboBox3")->setCurrentIndex(2);
  On<QComboBox>(main, "ComboBox1")->setCurrentIndex(4);
  On<QComboBox>(main, "ComboBox2")->setCurrentIndex(1);
  On<ColorButton>(main, "JvColorButton1")->SetColor(border);
  On<ColorButton>(main, "JvColorButton2")->SetColor(highlight);
  On<QSpinBox>(main, "Edit4")->setValue(7);
  On<QCheckBox>(main, "CheckBox8")->setChecked(true);
  On<QCheckBox>(main, "CheckBox11")->setChecked(true);
  gui.desktop().answers << QStringLiteral("/books/A.djvu") << QStringLiteral("/books/A.djvu");
  On<QPushButton>(main, "xpButton1")->click();
  On<QPushButton>(main, "xpButton1")->click();  // the same file again: a row of its own
  if (columns.isEmpty()) {
    QCOMPARE(main.CreateRowCount(), 0);
    QCOMPARE(gui.desktop().fileDialogs, 0);
    QCOMPARE(gui.desktop().messages.value(0), QStringLiteral("Смещение: пустое значение, нужно целое число"));
    return;
  }
  QCOMPARE(main.CreateRowCount(), 2);
  QCOMPARE(main.CreateRow(0).Folder, QStringLiteral("/books/"));
  QCOMPARE(CreateColumns::Of(main.CreateRow(0)).SubItems(), columns);
  QCOMPARE(CreateColumns::Of(main.CreateRow(1)).SubItems(), columns);
  QCOMPARE(listrows::SelectedRow(main.ListView2()), -1);
  QCOMPARE(On<QLineEdit>(main, "Edit1")->text(), QStringLiteral("30"));  // the tab keeps its values

  gui.desktop().answers.clear();  // cancelled dialog: nothing added
  On<QPushButton>(main, "xpButton1")->click();
  QCOMPARE(main.CreateRowCount(), 2);
}

void MainWindowTest::LoadsRowBackOnClick_data() {
  QTest::addColumn<QString>("cm");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<bool>("minus");
  QTest::newRow("-0") << "-0" << "0" << false;
  QTest::newRow("-7") << "-7" << "7" << true;
  QTest::newRow("12") << "12" << "12" << false;
}

void MainWindowTest::LoadsRowBackOnClick() {
  QFETCH(QString, cm);
  QFETCH(QString, shown);
  QFETCH(bool, minus);
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<ColorButton>(main, "JvColorButton2")->SetColor(0x123456);
  listrows::AppendCreateRow(main.ListView2(), CreateColumns::FromColumns("/b/", {"B.djvu", "3", "9", cm, "1", "3", "0",
                                                                                 "00FF00", "", "25", "0", "1", "1"})
                                                  .Read(1));
  ClickRow(main.ListView2(), 0);
  QVERIFY(gui.desktop().errors.isEmpty());
  QCOMPARE(On<QLineEdit>(main, "Edit1")->text(), QStringLiteral("3"));
  QCOMPARE(On<QLineEdit>(main, "Edit2")->text(), QStringLiteral("9"));
  QCOMPARE(On<QLineEdit>(main, "Edit3")->text(), shown);
  QCOMPARE(On<QRadioButton>(main, "RadioButton2")->isChecked(), minus);
  QCOMPARE(On<QComboBox>(main, "ComboBox3")->currentIndex(), 1);
  QCOMPARE(On<QComboBox>(main, "ComboBox1")->currentIndex(), 3);
  QCOMPARE(On<ColorButton>(main, "JvColorButton1")->Color(), ColorValue(0x00FF00));
  QCOMPARE(On<ColorButton>(main, "JvColorButton2")->Color(), ColorValue(0x123456));  // empty text: unchanged
  QCOMPARE(On<QSpinBox>(main, "Edit4")->value(), 20);  // the main window's spin stops at 20
  QVERIFY(On<QCheckBox>(main, "CheckBox9")->isChecked());
  QVERIFY(On<QCheckBox>(main, "CheckBox11")->isChecked());
  QVERIFY(!On<QCheckBox>(main, "CheckBox8")->isChecked());
  // The selections ran no rules: "Прямая тень" leaves the width as disabled as
  // it was and the work-type rule did not touch "Спрашивать когда непонятно".
  QVERIFY(!On<QSpinBox>(main, "Edit4")->isEnabled());
  QVERIFY(On<QCheckBox>(main, "CheckBox10")->isEnabled());
  QVERIFY(On<QWidget>(main, "JvColorButton2")->isEnabled());  // the highlight box's own rule ran
}

void MainWindowTest::RowWithEmptyOffsetIsRefused() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<QLineEdit>(main, "Edit3")->clear();
  gui.desktop().answers << QStringLiteral("/b/C.djvu");
  main.Button4Click();
  main.AddCreateFiles({"/b/D.djvu"});  // a file named on the command line or dropped
  QCOMPARE(gui.desktop().messages, QStringList(2, QStringLiteral("Смещение: пустое значение, нужно целое число")));
  QVERIFY(gui.desktop().errors.isEmpty());
  QCOMPARE(main.CreateRowCount(), 0);
}

void MainWindowTest::KeyUpLoadsNewlySelectedRow() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  for (const char* first : {"2", "8"}) {
    listrows::AppendCreateRow(main.ListView2(), CreateColumns::FromColumns("/b/", {"D.djvu", first, "9", "0", "0", "1", "0",
                                                                                   "000000", "000000", "0", "0", "0", "0"})
                                                    .Read(1));
  }
  ClickRow(main.ListView2(), 0);
  QCOMPARE(On<QLineEdit>(main, "Edit1")->text(), QStringLiteral("2"));
  QTest::keyClick(main.ListView2(), Qt::Key_Down);
  QCOMPARE(listrows::SelectedRow(main.ListView2()), 1);
  QCOMPARE(On<QLineEdit>(main, "Edit1")->text(), QStringLiteral("8"));
}

void MainWindowTest::FixListAddRemoveOpen() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  gui.desktop().answers << QStringLiteral("/books/A.djvu") << QStringLiteral("/B.djv") << QStringLiteral("/books/A.djvu");
  for (int i = 0; i < 3; ++i) On<QPushButton>(main, "xpButton3")->click();
  QCOMPARE(main.FixRowCount(), 3);
  QCOMPARE(main.FixRow(1).Folder, QStringLiteral("/"));
  QCOMPARE(main.FixRow(1).FileName, QStringLiteral("B.djv"));
  main.ListView1()->selectRow(0);
  On<QAction>(&main, "N6")->trigger();
  QCOMPARE(gui.desktop().opened, QStringList{"/books/A.djvu"});
  On<QAction>(&main, "N1")->trigger();
  QCOMPARE(main.FixRowCount(), 2);
  QCOMPARE(main.FixRow(1).FullPath(), QStringLiteral("/books/A.djvu"));  // its twin stays
  QVERIFY(gui.desktop().messages.isEmpty());
}

void MainWindowTest::MenusWithoutSelection_data() {
  QTest::addColumn<QString>("command");
  for (const char* command : {"N1", "N6", "PreviewFixItem", "MenuItem1", "N4", "PreviewCreateItem"}) {
    QTest::newRow(command) << command;
  }
}

void MainWindowTest::MenusWithoutSelection() {
  QFETCH(QString, command);
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<QAction>(&main, qPrintable(command))->trigger();
  QCOMPARE(gui.desktop().messages, QStringList{QStringLiteral("Файл не выбран")});
  QVERIFY(gui.desktop().opened.isEmpty());
  QVERIFY(!main.Preview()->isVisible());
  // Each menu holds "Удалить", a separator, "Открыть" and "Просмотр", then
  // after another separator "Протокол", which brings the closed log back.
  const char* menu = command == "N1" || command == "N6" || command == "PreviewFixItem" ? "PopupMenu1" : "PopupMenu2";
  const QList<QAction*> entries = On<QMenu>(&main, menu)->actions();
  QCOMPARE(entries.size(), 6);
  QCOMPARE(entries[0]->text(), QStringLiteral("Удалить"));
  QVERIFY(entries[1]->isSeparator());
  QCOMPARE(entries[2]->text(), QStringLiteral("Открыть"));
  QCOMPARE(entries[3]->text(), QStringLiteral("Просмотр"));
  QVERIFY(entries[4]->isSeparator());
  QCOMPARE(entries[5]->text(), QStringLiteral("Протокол"));
  QVERIFY(!gui.windows().form2.isVisible());
  entries[5]->trigger();
  QVERIFY(gui.windows().form2.isVisible());
  // With one row in the list and none selected, the commands act on that row.
  gui.desktop().messages.clear();
  listrows::AppendFixRow(main.ListView1(), FixJob::FromPath("/b/D.djvu"));
  listrows::AppendCreateRow(main.ListView2(), CreateJob{"/b/", "D.djvu", {}});
  if (command == "N6" || command == "N4") {
    On<QAction>(&main, qPrintable(command))->trigger();
    QCOMPARE(gui.desktop().opened, QStringList{"/b/D.djvu"});
  }
  if (command == "N1" || command == "MenuItem1") {
    On<QAction>(&main, qPrintable(command))->trigger();
    QCOMPARE(main.FixRowCount() + main.CreateRowCount(), 1);
  }
  QVERIFY(gui.desktop().messages.isEmpty());
}

void MainWindowTest::WorkTypeRule() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  auto* ask = On<QCheckBox>(main, "CheckBox10");
  ask->setChecked(true);
  Choose(On<QComboBox>(main, "ComboBox3"), 1);
  QVERIFY(!ask->isEnabled());
  QVERIFY(ask->isChecked());
  Choose(On<QComboBox>(main, "ComboBox3"), 0);
  QVERIFY(ask->isEnabled());
  On<QComboBox>(main, "ComboBox3")->setCurrentIndex(2);  // set by the program: no rule
  QVERIFY(ask->isEnabled());
}

void MainWindowTest::OneJobAtATime() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  QLockFile other(QDir(gui.WorkFolder()).filePath(JobLock::kFileName));  // another copy's job
  QVERIFY(other.tryLock(0));
  main.Button3Click();
  main.Button1Click();
  QCOMPARE(gui.desktop().errors.size(), 2);
  QVERIFY(gui.desktop().errors[0].startsWith(QStringLiteral("Другая копия Quillmark уже выполняет задание")));
  QVERIFY(gui.desktop().messages.isEmpty());  // no job started: not even "Ни один файл не выбран !"
  QVERIFY(On<QPushButton>(main, "xpButton2")->isEnabled());
  other.unlock();
  main.Button3Click();
  QCOMPARE(gui.desktop().messages, QStringList{QStringLiteral("Ни один файл не выбран !")});
  QVERIFY(!QFile::exists(QDir(gui.WorkFolder()).filePath(JobLock::kFileName)));  // released after the job
}

void MainWindowTest::TabEditsTheSelectedRows() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  gui.desktop().answers << QStringLiteral("/b/A.djvu\n/b/B.djvu\n/b/C.djvu");
  On<QPushButton>(main, "xpButton1")->click();
  QTableWidget* list = main.ListView2();
  QCOMPARE(main.CreateRowCount(), 3);
  // One row selected: what the user types and picks goes into it at once.
  ClickRow(list, 1);
  auto* first = On<QLineEdit>(main, "Edit1");
  first->selectAll();
  QTest::keyClicks(first, "3");
  auto* offset = On<QLineEdit>(main, "Edit3");
  offset->selectAll();
  QTest::keyClicks(offset, "5");
  Choose(On<QComboBox>(main, "ComboBox3"), 4);
  On<QCheckBox>(main, "CheckBox11")->click();
  CreateSettings b = main.CreateRow(1).settings;
  QCOMPARE(b.firstPage, 3);
  QCOMPARE(b.offset, 5);
  QCOMPARE(b.workType, WorkType::IndexAuto);
  QVERIFY(b.halve);
  QCOMPARE(main.CreateRow(0).settings.firstPage, 1);  // the others keep theirs
  // A box being emptied leaves the row as it was until it holds a number.
  offset->selectAll();
  QTest::keyClick(offset, Qt::Key_Backspace);
  QCOMPARE(main.CreateRow(1).settings.offset, 5);
  // The minus button is the offset's sign.
  QTest::keyClicks(offset, "2");
  On<QRadioButton>(main, "RadioButton2")->click();
  QCOMPARE(main.CreateRow(1).settings.offset, -2);
  // Selecting another row shows its settings, and writes nothing back.
  ClickRow(list, 0);
  QCOMPARE(first->text(), QStringLiteral("1"));
  QCOMPARE(On<QComboBox>(main, "ComboBox3")->currentIndex(), 0);
  QCOMPARE(main.CreateRow(1).settings.offset, -2);
  // Several rows: a change sets that setting on each, the others stay per row.
  list->selectAll();
  Choose(On<QComboBox>(main, "ComboBox3"), 3);
  for (int row = 0; row < 3; ++row) QCOMPARE(main.CreateRow(row).settings.workType, WorkType::ContentsAuto);
  QCOMPARE(main.CreateRow(1).settings.firstPage, 3);
  QCOMPARE(main.CreateRow(2).settings.firstPage, 1);
  // The list shows what each row will do.
  QCOMPARE(list->item(1, 16)->text(), QStringLiteral("3–1"));
  QCOMPARE(list->item(1, 17)->text(), QStringLiteral("-2, ÷2"));
  QCOMPARE(list->item(1, 18)->text(), QStringLiteral("Содержание (авто)"));
  QVERIFY2(list->item(1, 1)->toolTip().endsWith("3–1 · -2, ÷2 · Содержание (авто)"), qPrintable(list->item(1, 1)->toolTip()));
  // No row selected: the tab holds the settings for the next rows added.
  list->clearSelection();
  first->selectAll();
  QTest::keyClicks(first, "7");
  QCOMPARE(main.CreateRow(1).settings.firstPage, 3);
  QVERIFY(gui.desktop().errors.isEmpty() && gui.desktop().messages.isEmpty());
}

void MainWindowTest::LargerWindowShowsTheRowsSettings() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  main.show();
  QTableWidget* list = main.ListView2();
  gui.desktop().answers << QStringLiteral("/b/A.djvu");
  On<QPushButton>(main, "xpButton1")->click();
  // At the described size the list has room for the path only.
  QVERIFY(list->isColumnHidden(18));
  const QRect button = On<QPushButton>(main, "xpButton2")->geometry();
  const QRect offset = On<QWidget>(main, "Panel1")->geometry();
  main.resize(1000, 600);
  QTRY_COMPARE(list->size(), QSize(220 + 432, 190 + 248));
  QCOMPARE(On<QPushButton>(main, "xpButton2")->geometry(), button.translated(0, 248));
  QCOMPARE(On<QWidget>(main, "Panel1")->geometry(), offset.translated(432, 0));
  QTRY_VERIFY(!list->isColumnHidden(18));
  QCOMPARE(list->item(0, 18)->text(), QStringLiteral("Содержание"));
  int shown = 0;
  for (int c = 0; c < list->columnCount(); ++c) shown += list->isColumnHidden(c) ? 0 : list->columnWidth(c);
  QCOMPARE(shown, list->viewport()->width());
}

void MainWindowTest::RunChecksTheTabsLists() {
  // The lists always have a selection in use; one cleared by the program is
  // named before the run starts, and only when there are rows to run.
  const QList<QPair<const char*, QString>> cases{{"ComboBox1", "Неверно задан тип границы"},
                                                 {"ComboBox2", "Неверно задан тип границы"},
                                                 {"ComboBox3", "Неверно задан вид работы"}};
  for (const auto& [combo, message] : cases) {
    GuiHarness gui;
    TForm1& main = gui.Start().form1;
    On<QComboBox>(main, combo)->setCurrentIndex(-1);
    main.Button3Click();
    QCOMPARE(gui.desktop().messages, QStringList{"Ни один файл не выбран !"});
    gui.desktop().answers << QStringLiteral("/b/A.djvu");
    On<QComboBox>(main, combo)->setCurrentIndex(0);
    On<QPushButton>(main, "xpButton1")->click();
    On<QComboBox>(main, combo)->setCurrentIndex(-1);
    main.Button3Click();
    QCOMPARE(gui.desktop().messages, (QStringList{"Ни один файл не выбран !", message}));
  }
}

QTEST_MAIN(MainWindowTest)
#include "test_gui_main_window.moc"

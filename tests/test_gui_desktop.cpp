// The desktop conventions of the windows: the keys that move the focus and
// answer a dialog, several files at once (the file dialog, a drop, the
// command line), Delete, readable list columns, "Открыть" without an
// application, where the log window opens and what its title says.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QRadioButton>
#include <QtTest>

#include "app/command_line.h"
#include "app/list_rows.h"
#include "app/window_position.h"
#include "create/row_columns.h"
#include "support/gui_harness.h"

namespace {

CreateJob Row(const QString& folder, const QString& file, const QString& first) {
  return CreateColumns::FromColumns(folder, {file, first, "9", "0", "0", "1", "0", "000000", "000000", "0", "0", "0", "0"})
      .Read(1);
}

// The windows on the screen and active, so that keys move the focus.
void ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
}

// The objectNames the focus visits from `start` over `presses` presses of the key.
QStringList FocusChain(QWidget* start, Qt::Key key, int presses) {
  start->setFocus(Qt::TabFocusReason);
  QStringList visited;
  for (int i = 0; i < presses; ++i) {
    QTest::keyClick(QApplication::focusWidget(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QWidget* focus = QApplication::focusWidget();
    visited << (focus ? focus->objectName() : QStringLiteral("(none)"));
  }
  // QTest releases Shift with the Shift modifier still set, which the
  // application keeps as held; a plain release lets it go, so a later
  // selection in a list is not taken as a Shift range.
  if (QWidget* focus = QApplication::focusWidget()) QTest::keyRelease(focus, Qt::Key_Shift);
  return visited;
}

void Drop(QTableWidget* list, const QStringList& paths, bool* accepted = nullptr) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  data.setUrls(urls);
  const QPoint at = list->viewport()->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &enter);
  if (accepted) *accepted = enter.isAccepted();
  if (!enter.isAccepted()) return;
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &drop);
}

// The real desktop's "Открыть", its messages recorded.
class OpeningDesktop : public RecordingDesktop {
 public:
  void OpenFile(QWidget* parent, const QString& path) override { Desktop::OpenFile(parent, path); }
};

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT
 private slots:
  void TabOrder_data();
  void TabOrder();
  void KeysOfTheSettingsDialog_data();
  void KeysOfTheSettingsDialog();
  void PasteIsFiltered();
  void SeveralFilesFromTheDialog();
  void Drops_data();
  void Drops();
  void CommandLineFiles();
  void HelpAndVersionOnStandardOutput_data();
  void HelpAndVersionOnStandardOutput();
  void DeleteKey();
  void ReadableColumns();
  void OpenWithoutApplication_data();
  void OpenWithoutApplication();
  void LogBesideMainWindow_data();
  void LogBesideMainWindow();
  void LogTitleShowsProgress();
};

void DesktopTest::TabOrder_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("start");
  QTest::addColumn<int>("key");
  QTest::addColumn<QStringList>("chain");
  // The create tab in reading order: the list and its buttons, the options
  // below them, then the settings on the right row by row; disabled controls
  // are skipped; after the last, the tabs and the list again.
  const QStringList create = {"Edit2",      "EditRomanOffset",  "ComboBox3",  "ButtonPreview",   "Edit3",
                              "RadioButton1", "CheckBox11",     "ButtonFindOffset", "ButtonFindAll", "ComboBox2",
                              "ComboBox1",  "CheckBox8",        "CheckBox9",  "CheckBox7",       "CheckBoxOutline",
                              "CheckBox10", "CheckBox12",       "CheckBoxBookNumbers", "CheckBoxReadImages"};
  QTest::newRow("main: create tab") << "main" << "Edit1" << int(Qt::Key_Tab) << create;
  QTest::newRow("main: list and buttons") << "main" << "ListView2" << int(Qt::Key_Tab)
                                          << QStringList{"xpButton1", "xpButton2", "CheckBox5", "CheckBox4", "CheckBox6", "Edit1"};
  QTest::newRow("main: back from the offset") << "main" << "Edit3" << int(Qt::Key_Backtab)
                                              << QStringList{"ButtonPreview", "ComboBox3", "EditRomanOffset", "Edit2",
                                                             "Edit1", "CheckBox6"};
  // A list with rows is one stop: Tab and Shift+Tab leave it.
  QTest::newRow("main: out of a list with rows") << "rows" << "ListView2" << int(Qt::Key_Tab)
                                                 << QStringList{"xpButton1", "xpButton2"};
  QTest::newRow("main: back out of a list with rows") << "rows" << "xpButton1" << int(Qt::Key_Backtab)
                                                      << QStringList{"ListView2", "qt_tabwidget_tabbar"};
  // The dialog in reading order, its buttons at the bottom last.
  QTest::newRow("dialog") << "dialog" << "Edit1" << int(Qt::Key_Tab)
                          << QStringList{"Edit2", "Edit3", "RadioButton1", "CheckBox11", "ButtonFindOffset", "ButtonFindAll", "ComboBox2",
                                         "ComboBox1", "CheckBox8", "CheckBox9", "EditRomanOffset", "CheckBoxBookNumbers",
                                         "BitBtn1", "BitBtn2", "ComboBox3", "Edit1"};
  QTest::newRow("dialog: back") << "dialog" << "Edit3" << int(Qt::Key_Backtab)
                                << QStringList{"Edit2", "Edit1", "ComboBox3", "BitBtn2", "BitBtn1"};
}

void DesktopTest::TabOrder() {
  QFETCH(QString, window);
  QFETCH(QString, start);
  QFETCH(int, key);
  QFETCH(QStringList, chain);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  QWidget* form = &w.form1;
  if (window == "rows") {
    for (const char* file : {"A.djvu", "B.djvu"}) listrows::AppendCreateRow(w.form1.ListView2(), Row("/b/", file, "1"));
    w.form1.ListView2()->selectRow(0);
  }
  if (window == "dialog") {
    listrows::AppendCreateRow(w.form1.ListView2(), Row("/b/", "A.djvu", "3"));
    w.form1.ListView2()->selectRow(0);
    w.form4.Load(w.form1.CreateRow(0));
    form = &w.form4;
  }
  ShowActive(form);
  QCOMPARE(FocusChain(On<QWidget>(form, qPrintable(start)), Qt::Key(key), int(chain.size())), chain);
}

void DesktopTest::KeysOfTheSettingsDialog_data() {
  QTest::addColumn<QString>("box");  // where the key is pressed, after typing 7
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("firstPage");  // the row's afterwards
  QTest::newRow("Enter in the page box presses OK") << "Edit1" << int(Qt::Key_Return) << "47";
  QTest::newRow("keypad Enter in the offset box") << "Edit3" << int(Qt::Key_Enter) << "4";
  QTest::newRow("Escape cancels") << "Edit1" << int(Qt::Key_Escape) << "4";
}

void DesktopTest::KeysOfTheSettingsDialog() {
  QFETCH(QString, box);
  QFETCH(int, key);
  QFETCH(QString, firstPage);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  listrows::AppendCreateRow(w.form1.ListView2(), Row("/b/", "A.djvu", "4"));
  w.form1.ListView2()->selectRow(0);
  bool closed = false;
  WhenModal([&] {
    auto* edit = On<QLineEdit>(&w.form4, qPrintable(box));
    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_7);
    QTest::keyClick(edit, Qt::Key(key));
    closed = !w.form4.isVisible();
  });
  w.form1.ListView2DblClick();
  QVERIFY(closed);
  QCOMPARE(QString::number(w.form1.CreateRow(0).settings.firstPage), firstPage);
  // The key reached no box: the offset did not take it.
  QCOMPARE(w.form1.CreateRow(0).settings.offset, box == "Edit3" ? 7 : 0);
}

void DesktopTest::PasteIsFiltered() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  auto* edit = On<QLineEdit>(main, "Edit3");
  edit->setText(QStringLiteral("5"));
  edit->end(false);
  QGuiApplication::clipboard()->setText(QStringLiteral("-1 2,x3"));
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(edit->text(), QStringLiteral("512,3"));
  QCOMPARE(edit->cursorPosition(), 5);
  // A typed sign is the offset's sign: it picks "Минус" or "Плюс", the box keeps the digits.
  auto* minus = On<QRadioButton>(main, "RadioButton2");
  QTest::keyClicks(edit, "-");
  QVERIFY(minus->isChecked());
  QTest::keyClicks(edit, "+");
  QVERIFY(On<QRadioButton>(main, "RadioButton1")->isChecked());
  QCOMPARE(edit->text(), QStringLiteral("512,3"));
}

void DesktopTest::SeveralFilesFromTheDialog() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<QLineEdit>(main, "Edit1")->setText("3");
  gui.desktop().answers << QStringLiteral("/books/A.djvu\n/books/B.djv") << QStringLiteral("/x/C.djvu\n/D.djvu");
  On<QPushButton>(main, "xpButton1")->click();
  On<QPushButton>(main, "xpButton3")->click();
  QCOMPARE(main.CreateRowCount(), 2);
  QCOMPARE(main.CreateRow(1).FullPath(), QStringLiteral("/books/B.djv"));
  QCOMPARE(main.CreateRow(0).settings.firstPage, 3);
  QCOMPARE(main.CreateRow(1).settings.firstPage, 3);
  QCOMPARE(main.FixRowCount(), 2);
  QCOMPARE(main.FixRow(0).FullPath(), QStringLiteral("/x/C.djvu"));
  QCOMPARE(main.FixRow(1).Folder, QStringLiteral("/"));
  QCOMPARE(gui.desktop().fileDialogs, 2);
}

void DesktopTest::Drops_data() {
  QTest::addColumn<QString>("list");
  QTest::addColumn<QStringList>("dropped");
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<QStringList>("rows");
  QTest::addColumn<QStringList>("messages");
  const QStringList two = {"/books/A.djvu", "/books/b.DJV"};
  for (const char* list : {"ListView1", "ListView2"}) {
    QTest::addRow("%s: two DjVu files", list) << list << two << true << two << QStringList();
    QTest::addRow("%s: DjVu files and others", list)
        << list << QStringList{"/books/A.djvu", "/books/notes.pdf", "/books/C.djvu"} << true
        << QStringList{"/books/A.djvu", "/books/C.djvu"}
        << QStringList{QStringLiteral("Не файлы DjVu, не добавлены:\n/books/notes.pdf")};
    QTest::addRow("%s: no DjVu file", list) << list << QStringList{"/books/notes.pdf"} << false << QStringList()
                                            << QStringList();
  }
}

void DesktopTest::Drops() {
  QFETCH(QString, list);
  QFETCH(QStringList, dropped);
  QFETCH(bool, accepted);
  QFETCH(QStringList, rows);
  QFETCH(QStringList, messages);
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<QCheckBox>(main, "CheckBox11")->setChecked(true);
  auto* table = On<QTableWidget>(main, qPrintable(list));
  bool wasAccepted = false;
  Drop(table, dropped, &wasAccepted);
  QCOMPARE(wasAccepted, accepted);
  QStringList paths;
  for (int r = 0; r < table->rowCount(); ++r) paths << listrows::FixRowAt(table, r).FullPath();
  QCOMPARE(paths, rows);
  QCOMPARE(gui.desktop().messages, messages);
  if (list == "ListView2") {
    for (int r = 0; r < main.CreateRowCount(); ++r) QVERIFY(main.CreateRow(r).settings.halve);
  }
}

void DesktopTest::CommandLineFiles() {
  QTemporaryDir folder;
  QVERIFY(QDir::setCurrent(folder.path()));
  const QStringList files = commandline::Files(
      {"quillmark", "a.djvu", "/x/B.djv", "file:///x/c%20d.djvu", "sub/../e f.djvu"});
  const QString here = QDir::current().absolutePath();
  QCOMPARE(files, (QStringList{here + "/a.djvu", "/x/B.djv", "/x/c d.djvu", here + "/e f.djvu"}));
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<QLineEdit>(main, "Edit2")->setText("6");
  main.AddCreateFiles(files);
  QCOMPARE(main.CreateRowCount(), 4);
  QCOMPARE(main.CreateRow(2).Folder, QStringLiteral("/x/"));
  QCOMPARE(main.CreateRow(2).FileName, QStringLiteral("c d.djvu"));
  QCOMPARE(main.CreateRow(3).settings.lastPage, 6);
  // The page boxes are checked as for "Добавить".
  On<QLineEdit>(main, "Edit2")->clear();
  main.AddCreateFiles({"/x/F.djvu"});
  QCOMPARE(main.CreateRowCount(), 4);
  QCOMPARE(gui.desktop().messages, QStringList{QStringLiteral("Неверно заданы страницы")});
  // A file that is no DjVu file is named and left out, as from a drop.
  On<QLineEdit>(main, "Edit2")->setText("6");
  gui.desktop().messages.clear();
  main.AddCreateFiles({"/x/notes.pdf", "/x/G.djvu"});
  QCOMPARE(main.CreateRowCount(), 5);
  QCOMPARE(gui.desktop().messages, QStringList{QStringLiteral("Не файлы DjVu, не добавлены:\n/x/notes.pdf")});
}

void DesktopTest::HelpAndVersionOnStandardOutput_data() {
  QTest::addColumn<QString>("option");
  QTest::addColumn<QString>("expected");
  QTest::newRow("--help") << "--help" << "[ФАЙЛ...]";
  QTest::newRow("-h") << "-h" << "--version";
  QTest::newRow("--version") << "--version" << "Quillmark 0.73";
}

void DesktopTest::HelpAndVersionOnStandardOutput() {
  QFETCH(QString, option);
  QFETCH(QString, expected);
  const QString program = qEnvironmentVariable("QUILLMARK_GUI");
  QVERIFY2(!program.isEmpty(), "QUILLMARK_GUI names the built quillmark (set by ctest)");
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));  // answered without a display
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  process.setProcessEnvironment(environment);
  process.start(program, {option});
  QVERIFY(process.waitForFinished(20000));
  QCOMPARE(process.exitCode(), 0);
  const QString out = QString::fromUtf8(process.readAllStandardOutput());
  QVERIFY2(out.contains(expected), qPrintable(out));
}

void DesktopTest::DeleteKey() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  ShowActive(&main);
  for (const char* file : {"A.djvu", "B.djvu", "C.djvu"}) listrows::AppendCreateRow(main.ListView2(), Row("/b/", file, "1"));
  QTableWidget* list = main.ListView2();
  list->setFocus();
  list->selectRow(1);
  QTest::keyClick(list, Qt::Key_Delete);
  QCOMPARE(main.CreateRowCount(), 2);
  QCOMPARE(main.CreateRow(1).FileName, QStringLiteral("C.djvu"));
  // Nothing is edited in place: a click on the selected row or F2 opens no
  // editor, so Delete always removes rows, every selected one.
  list->selectRow(0);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0, 0)).center());
  QTest::keyClick(list, Qt::Key_F2);
  QCOMPARE(QApplication::focusWidget(), list);
  list->selectAll();
  QTest::keyClick(list, Qt::Key_Delete);
  QCOMPARE(main.CreateRowCount(), 0);
  // The fix list, on its own tab.
  On<QTabWidget>(main, "PageControl1")->setCurrentIndex(0);
  listrows::AppendFixRow(main.ListView1(), FixJob::FromPath("/b/D.djvu"));
  main.ListView1()->setFocus();
  main.ListView1()->selectRow(0);
  QTest::keyClick(main.ListView1(), Qt::Key_Delete);
  QCOMPARE(main.FixRowCount(), 0);
  QTest::keyClick(main.ListView1(), Qt::Key_Delete);  // nothing selected: said so
  QCOMPARE(gui.desktop().messages, QStringList{QStringLiteral("Файл не выбран")});
}

void DesktopTest::ReadableColumns() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  ShowActive(&main);
  QTableWidget* list = main.ListView2();
  const QString folder = QStringLiteral("/home/reader/Книги/Математика и физика/1987/");
  listrows::AppendCreateRow(list, Row(folder, "Фихтенгольц, том 1.djvu", "1"));
  listrows::AppendCreateRow(list, Row("/b/", "A.djvu", "1"));
  for (int c = 0; c <= 1; ++c) {
    QCOMPARE(list->item(0, c)->toolTip(), folder + "Фихтенгольц, том 1.djvu\n1–9 · 0 · Содержание");  // and the row's settings
  }
  // The file name is whole; both columns fit the list, so nothing needs dragging.
  QVERIFY(list->columnWidth(1) >= list->fontMetrics().horizontalAdvance("Фихтенгольц, том 1.djvu"));
  QVERIFY(list->columnWidth(0) >= list->fontMetrics().horizontalAdvance("/b/"));
  int shown = 0;
  for (int c = 0; c < list->columnCount(); ++c) shown += list->isColumnHidden(c) ? 0 : list->columnWidth(c);
  QCOMPARE(shown, list->viewport()->width());
  QCOMPARE(list->textElideMode(), Qt::ElideMiddle);
  list->item(1, 0)->setText("/c/");  // a folder changed
  QCOMPARE(list->item(1, 1)->toolTip(), QStringLiteral("/c/A.djvu\n1–9 · 0 · Содержание"));
}

void DesktopTest::OpenWithoutApplication_data() {
  QTest::addColumn<int>("launcherStatus");  // xdg-open's exit status; -1: the file is missing
  QTest::addColumn<bool>("message");
  QTest::newRow("opened") << 0 << false;
  QTest::newRow("no application for DjVu") << 3 << true;
  QTest::newRow("application failed") << 4 << true;
  QTest::newRow("missing file") << -1 << true;
}

void DesktopTest::OpenWithoutApplication() {
  QFETCH(int, launcherStatus);
  QFETCH(bool, message);
  // The desktop's launcher, answering as it does on a system set up so.
  QTemporaryDir bin;
  QFile launcher(bin.filePath("xdg-open"));
  QVERIFY(launcher.open(QIODevice::WriteOnly));
  launcher.write(QStringLiteral("#!/bin/sh\necho \"$1\" > \"%1\"\nexit %2\n")
                     .arg(bin.filePath("asked"))
                     .arg(qMax(launcherStatus, 0))
                     .toUtf8());
  launcher.close();
  launcher.setPermissions(launcher.permissions() | QFile::ExeOwner);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toUtf8() + ":" + path);
  const QString book = bin.filePath("Книга.djvu");
  if (launcherStatus >= 0) QFile(book).open(QIODevice::WriteOnly);

  OpeningDesktop desktop;
  GuiHarness gui;
  TForm1 main(ProgramFolders{gui.WorkFolder(), gui.WorkFolder()}, desktop);
  listrows::AppendFixRow(main.ListView1(), FixJob::FromPath(book));
  main.ListView1()->selectRow(0);
  main.N6Click();
  if (launcherStatus >= 0) QTRY_VERIFY(QFile::exists(bin.filePath("asked")));
  QTest::qWait(200);  // the launcher's answer comes back through the event loop
  qputenv("PATH", path);
  const QStringList expected = !message ? QStringList()
                               : launcherStatus < 0 ? QStringList{Desktop::MissingFileText(book)}
                                                    : QStringList{Desktop::NoApplicationText(book)};
  QTRY_COMPARE(desktop.messages, expected);
  QVERIFY(expected.isEmpty() || expected[0].contains(book));
}

void DesktopTest::LogBesideMainWindow_data() {
  QTest::addColumn<QRect>("screen");  // the available area
  QTest::addColumn<QRect>("main");    // the main window's frame
  QTest::addColumn<QSize>("log");     // the log window's frame
  QTest::addColumn<QRect>("placed");
  const QSize log(339, 410);
  QTest::newRow("room on the right") << QRect(0, 0, 1920, 1050) << QRect(676, 345, 570, 359) << log
                                     << QRect(1246, 345, 339, 410);
  QTest::newRow("room on the left only") << QRect(0, 0, 1366, 740) << QRect(790, 100, 570, 359) << log
                                         << QRect(451, 100, 339, 410);
  QTest::newRow("1024x600: at the screen's right edge") << QRect(0, 0, 1024, 576) << QRect(227, 120, 570, 359)
                                                        << log << QRect(685, 120, 339, 410);
  QTest::newRow("moved up to stay on the screen") << QRect(0, 24, 1280, 776) << QRect(100, 600, 570, 190) << log
                                                  << QRect(670, 390, 339, 410);
  QTest::newRow("a second screen") << QRect(1920, 0, 1280, 1024) << QRect(2275, 332, 570, 359) << log
                                   << QRect(2845, 332, 339, 410);
  QTest::newRow("taller than the screen") << QRect(0, 0, 800, 400) << QRect(0, 20, 570, 359) << log
                                          << QRect(461, 0, 339, 400);
}

void DesktopTest::LogBesideMainWindow() {
  QFETCH(QRect, screen);
  QFETCH(QRect, main);
  QFETCH(QSize, log);
  QFETCH(QRect, placed);
  const QRect result = BesideRect(screen, main, log);
  QCOMPARE(result, placed);
  QVERIFY(screen.contains(result));
}

void DesktopTest::LogTitleShowsProgress() {
  // The log's title when each error box of a run comes up.
  struct TitleDesktop : RecordingDesktop {
    void Error(QWidget* parent, const QString& text) override {
      titles << log->windowTitle();
      RecordingDesktop::Error(parent, text);
    }
    TForm2* log = nullptr;
    QStringList titles;
  } desktop;
  GuiHarness gui;
  AppWindows w(ProgramFolders{gui.WorkFolder(), gui.WorkFolder()}, desktop);
  desktop.log = &w.form2;
  // Rows whose files are missing: each run stops at its first row.
  for (const char* file : {"A.djvu", "B.djvu", "C.djvu"}) {
    listrows::AppendCreateRow(w.form1.ListView2(), Row("/missing/", file, "1"));
    listrows::AppendFixRow(w.form1.ListView1(), FixJob::FromPath(QStringLiteral("/missing/") + file));
  }
  w.form1.ListView1()->removeRow(2);
  w.form1.Button3Click();
  w.form1.Button1Click();
  QCOMPARE(desktop.titles, (QStringList{"Протокол — файл 1 из 3", "Протокол — файл 1 из 2"}));
  QCOMPARE(w.form2.windowTitle(), QStringLiteral("Протокол"));  // plain again after the run

  ShowActive(&w.form1);
  w.form1.LogShow();
  // Beside the main window, not over it.
  QVERIFY(!w.form2.frameGeometry().intersects(w.form1.frameGeometry()) ||
          w.form2.frameGeometry().left() > w.form1.frameGeometry().left() + 220);
  const QPoint moved = w.form2.pos() + QPoint(15, 15);
  w.form2.move(moved);
  w.form2.close();
  w.form1.LogShow();  // the user's place is kept
  QCOMPARE(w.form2.pos(), moved);
}

QTEST_MAIN(DesktopTest)
#include "test_gui_desktop.moc"

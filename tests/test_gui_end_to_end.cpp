// The desktop program on a real document with the real djvused: a file added
// through the create tab, "Создать", the log window, the links in the
// document, and the job commands disabled while the run works. Closing the
// window during the run leaves the document as it was. "Распознать страницы
// без текста" reads a scan's text-less page from its image and is kept in
// the settings file.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QComboBox>
#include <QTabWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "support/djvu_documents.h"
#include "support/gui_harness.h"
#include "support/link_areas.h"
#include "support/parts_book.h"
#include "support/printed_pages.h"

using namespace testdocs;

namespace {

// Page 2 is the contents page; blank pages up to page 15, its last target.
QList<Page> Book() {
  return WithBlankPagesUpTo({Page{},
                             Page{PageText({Line(1600, "Содержание"), Line(1500, "Введение 3"),
                                            Line(1400, "Глава 1 7"), Line(1300, "Глава 2 15")}),
                                  {}},
                             Page{PageText({Line(1500, "Глава 1")}), {}}},
                            15);
}

// While the main window runs a job, records whether any command that starts
// a job or removes a row was enabled, and lets the test act at each turn.
class DuringJob {
 public:
  DuringJob(TForm1& main, std::function<void()> act = {}) : main_(main), act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, &main, [this] { Look(); });
    timer_.start(0);
  }
  int turns = 0;
  bool anyEnabled = false;

 private:
  void Look() {
    if (!main_.JobRunning()) return;
    ++turns;
    for (const char* name : {"xpButton2", "xpButton4"}) {
      anyEnabled |= On<QPushButton>(&main_, name)->isEnabled();
    }
    for (const char* name : {"N1", "MenuItem1"}) anyEnabled |= On<QAction>(&main_, name)->isEnabled();
    if (act_) act_();
  }
  TForm1& main_;
  std::function<void()> act_;
  QTimer timer_;
};

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { RequireTool(QStringLiteral("djvused")); }
  void CreateRunThroughTheWindows();
  void ClosingDuringTheRunKeepsTheDocument();
  void ContentsAndIndexOfOneBook();
  void ReadsPagesWithoutText();

 private:
  QTemporaryDir dir_;
};

void EndToEndTest::CreateRunThroughTheWindows() {
  const QString book = dir_.filePath(QStringLiteral("Книга с пробелом.djvu"));
  BuildDocument(book, Book());
  GuiHarness gui;
  AppWindows& w = gui.Start();
  w.form1.show();
  On<QLineEdit>(&w.form1, "Edit1")->setText("2");
  On<QLineEdit>(&w.form1, "Edit2")->setText("2");
  gui.desktop().answers << book;
  On<QPushButton>(&w.form1, "xpButton1")->click();
  QCOMPARE(w.form1.CreateRowCount(), 1);

  DuringJob watch(w.form1);
  On<QPushButton>(&w.form1, "xpButton2")->click();
  QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
  QVERIFY(gui.desktop().messages.isEmpty());
  QVERIFY(watch.turns > 0);
  QVERIFY(!watch.anyEnabled);
  for (const char* name : {"xpButton2", "xpButton4"}) QVERIFY(On<QPushButton>(&w.form1, name)->isEnabled());
  for (const char* name : {"N1", "MenuItem1"}) QVERIFY(On<QAction>(&w.form1, name)->isEnabled());

  QVERIFY(w.form2.isVisible());
  const QString log = On<QPlainTextEdit>(&w.form2, "Memo2")->toPlainText();
  QCOMPARE(log, QStringLiteral("Получение данных из файла, создание скрипта OK\nСоздание содержания\n"
                               "Исправление исходного DjVu файла OK\nРедактирование файла %1 завершено\n"
                               "Страницы 2, Содержание, смещение 0\n"
                               "Резервная копия: %1.backup\nСоздано ссылок: 3 (стр. 2)")
                    .arg(book));
  const QString ant = QString::fromUtf8(OutputAnt(book));
  for (const char* target : {"\"#3\"", "\"#7\"", "\"#15\""}) QVERIFY2(ant.contains(QLatin1String(target)), qPrintable(ant));
  QVERIFY(QFile::exists(book + QStringLiteral(".backup")));  // "Создавать резервную копию" is on at first start
}

void EndToEndTest::ClosingDuringTheRunKeepsTheDocument() {
  const QString book = dir_.filePath(QStringLiteral("closing.djvu"));
  BuildDocument(book, Book());
  const QByteArray original = ReadFile(book);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  w.form1.show();
  On<QCheckBox>(&w.form1, "CheckBox6")->setChecked(false);
  On<QCheckBox>(&w.form1, "CheckBox12")->setChecked(true);  // the script removes the text too
  On<QLineEdit>(&w.form1, "Edit1")->setText("2");
  On<QLineEdit>(&w.form1, "Edit2")->setText("2");
  gui.desktop().answers << book;
  w.form1.Button4Click();

  bool closed = false;
  DuringJob watch(w.form1, [&] {
    // Close while the script is being applied.
    if (!closed && w.form2.Log().Text().contains(QStringLiteral("Исправление исходного DjVu файла"))) {
      closed = true;
      w.form1.close();
      QVERIFY(w.form1.isVisible());  // it waits for the job
    }
  });
  w.form1.Button3Click();
  QVERIFY(closed);
  QVERIFY(!w.form1.isVisible());
  QVERIFY(gui.desktop().errors.isEmpty());  // no box holds the closing program
  QVERIFY(!w.form2.Log().Text().contains(QStringLiteral("завершено")));
  QVERIFY(ReadFile(book) == original);
  for (const char* name : {"1.bat", "myfile.dsed", "myfile1.dsed", "myfile2.dsed"}) {
    QVERIFY2(!QFile::exists(QDir(gui.WorkFolder()).filePath(name)), name);  // not left for the next run
  }
  gui.Stop();
  QVERIFY(gui.ReadSettings().contains(QStringLiteral("OCR=1")));
}

// The normal way to do a book in the window: a row for its contents, a row
// for its index, then "Исправить". The first backup keeps the untouched book,
// the index pages' links stay as the index type made them.
void EndToEndTest::ContentsAndIndexOfOneBook() {
  const QString book = dir_.filePath(QStringLiteral("whole.djvu"));
  parts_book::Build(book, QStringLiteral("t1 c1 b40 i2"));  // contents on page 2, the index on pages 43-44
  const QByteArray original = ReadFile(book);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  On<QCheckBox>(&w.form1, "CheckBox7")->setChecked(true);  // "Выровнять содержание"
  On<QLineEdit>(&w.form1, "Edit3")->setText(QString::number(parts_book::kOffset));
  const auto addRow = [&](int first, int last, int type) {
    On<QLineEdit>(&w.form1, "Edit1")->setText(QString::number(first));
    On<QLineEdit>(&w.form1, "Edit2")->setText(QString::number(last));
    On<QComboBox>(&w.form1, "ComboBox3")->setCurrentIndex(type);
    gui.desktop().answers << book;
    On<QPushButton>(&w.form1, "xpButton1")->click();
  };
  addRow(2, 2, 3);    // "Содержание (авто)"
  addRow(43, 44, 4);  // "Указатель (авто)"
  QCOMPARE(w.form1.CreateRowCount(), 2);
  w.form1.Button3Click();
  QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
  QCOMPARE(ReadFile(book + ".backup"), original);   // the untouched book
  QVERIFY(QFileInfo::exists(book + ".backup.1"));   // the book after the contents row
  const QMap<QString, QStringList> links = LinksByPage(book);
  QVERIFY(!links.value("p2.djvu").isEmpty());
  QVERIFY(!links.value("p43.djvu").isEmpty());
  const QByteArray index = OutputAnt(book);
  const QString log = w.form2.Log().Text();
  QVERIFY2(log.contains("Страницы 43–44, Указатель (авто), смещение +4"), qPrintable(log));

  // "Исправить" on the same book leaves the two-column index pages as they are.
  On<QTabWidget>(&w.form1, "PageControl1")->setCurrentIndex(0);
  gui.desktop().answers << book;
  On<QPushButton>(&w.form1, "xpButton3")->click();
  w.form1.Button1Click();
  QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
  QCOMPARE(OutputAnt(book), index);
  QVERIFY2(w.form2.Log().Text().contains("Страницы без выравнивания (не похожи на содержание): 43–44"),
           qPrintable(w.form2.Log().Text()));
}

// A contents page without hidden text: unticked, the run finds nothing to
// link; ticked, the page is read from its image and linked; the box is kept
// between runs of the program.
void EndToEndTest::ReadsPagesWithoutText() {
  RequireTool(QStringLiteral("tesseract"));
  const QString book = dir_.filePath(QStringLiteral("scan.djvu"));
  BookOfPrintedLines(book, {"Содержание", "Введение . . . . . . 3", "Глава первая . . . . 9", "Заключение . . . . 17"},
                     20);
  GuiHarness gui;
  AppWindows& w = gui.Start();
  On<QCheckBox>(&w.form1, "CheckBox6")->setChecked(false);
  On<QCheckBox>(&w.form1, "CheckBox4")->setChecked(true);  // each run has its own row
  On<QLineEdit>(&w.form1, "Edit1")->setText("1");
  On<QLineEdit>(&w.form1, "Edit2")->setText("1");
  Choose(On<QComboBox>(&w.form1, "ComboBox3"), int(WorkType::ContentsAuto));
  QCheckBox* read = On<QCheckBox>(&w.form1, "CheckBoxReadImages");
  QVERIFY(!read->isChecked());
  for (const bool ticked : {false, true}) {
    read->setChecked(ticked);
    gui.desktop().answers << book;
    On<QPushButton>(&w.form1, "xpButton1")->click();
    w.form1.Button3Click();
    QVERIFY2(gui.desktop().errors.isEmpty(), qPrintable(gui.desktop().errors.join('\n')));
    QCOMPARE(LinksByPage(book).value("p1.djvu").size(), ticked ? 3 : 0);
  }
  QVERIFY2(w.form2.Log().Text().contains("Страницы без текста прочитаны с изображения: 1 ("),
           qPrintable(w.form2.Log().Text()));
  gui.Stop();
  QVERIFY(gui.ReadSettings().contains(QStringLiteral("[Quillmark]\nOutline=0\nReadImages=1\n")));
  QVERIFY(On<QCheckBox>(&gui.Start().form1, "CheckBoxReadImages")->isChecked());
}

QTEST_MAIN(EndToEndTest)
#include "test_gui_end_to_end.moc"

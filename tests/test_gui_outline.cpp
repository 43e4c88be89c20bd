// The check box "Создать закладки" on the create tab: found in free room of
// the window, read by the create run, and kept in the settings file after
// the ten described keys; the questions asked before a run that would
// replace a book's bookmarks or remove its hidden text.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/list_rows.h"
#include "app/main_window.h"
#include "support/djvu_documents.h"
#include "support/gui_harness.h"
#include "support/link_areas.h"

using namespace testdocs;

namespace {

// Twelve pages, the contents on page 2; with `outline`, the book's own bookmarks.
QString Book(const QTemporaryDir& dir, const QString& name, bool outline) {
  QList<Page> pages = WithBlankPagesUpTo({Page{}, Page{PageText({Line(1500, "Intro 3"), Line(1450, "Basics 7")}), {}}}, 12);
  const QString book = dir.filePath(name);
  BuildDocument(book, pages);
  if (outline) {
    const QString file = dir.filePath(name + ".outline");
    WriteFile(file, "(bookmarks (\"Own\" \"#5\") (\"Second\" \"#6\"))\n");
    Djvused({book, "-e", "set-outline " + file, "-s"});
  }
  return book;
}

}  // namespace

class GuiOutlineTest : public QObject {
  Q_OBJECT
 private slots:
  void CheckBoxInFreeRoom();
  void StoredAfterTheDescribedKeys();
  void OutlineQuestion_data();
  void OutlineQuestion();
  void RemoveOcrQuestion();
};

void GuiOutlineTest::CheckBoxInFreeRoom() {
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  auto* box = On<QCheckBox>(main, "CheckBoxOutline");
  QCOMPARE(box->text(), QStringLiteral("Создать закладки"));
  QVERIFY(!box->isChecked());
  QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("TabSheet2"));
  QVERIFY(box->parentWidget()->rect().contains(box->geometry()));
  // It covers no other control of the tab, and its text fits.
  for (QWidget* other : box->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (other == box) continue;
    QVERIFY2(!other->geometry().intersects(box->geometry()), qPrintable(other->objectName()));
  }
  QVERIFY(box->sizeHint().width() <= box->width());
  QVERIFY(!main.IsChecked(Option::CreateOutline));
  box->setChecked(true);
  QVERIFY(main.IsChecked(Option::CreateOutline));
}

void GuiOutlineTest::StoredAfterTheDescribedKeys() {
  GuiHarness gui(QStringLiteral("[Quillmark]\nOutline=yes\n"));  // not a number: the default
  QVERIFY(!On<QCheckBox>(gui.Start().form1, "CheckBoxOutline")->isChecked());
  On<QCheckBox>(gui.main(), "CheckBoxOutline")->setChecked(true);
  gui.Stop();
  QCOMPARE(gui.ReadSettings(), QStringLiteral("[Quillmark]\nOutline=1\nReadImages=0\n"
                                              "[Create]\nClose=0\nClear=0\nBackup=1\nEdit=0\nAnswer=0\nOCR=0\nLight=0\n"
                                              "[Edit]\nClose=0\nClear=0\nBackup=1\n"));
  QVERIFY(On<QCheckBox>(gui.Start().form1, "CheckBoxOutline")->isChecked());

  GuiHarness fresh;
  fresh.Start();
  fresh.Stop();
  QVERIFY(fresh.ReadSettings().endsWith(QStringLiteral("[Edit]\nClose=0\nClear=0\nBackup=1\n[Quillmark]\nOutline=0\nReadImages=0\n")));
}

void GuiOutlineTest::OutlineQuestion_data() {
  QTest::addColumn<int>("choice");  // 0 replace, 1 keep, 2 cancel
  QTest::newRow("replace") << 0;
  QTest::newRow("keep") << 1;
  QTest::newRow("cancel") << 2;
}

void GuiOutlineTest::OutlineQuestion() {
  QFETCH(int, choice);
  QTemporaryDir dir;
  const QString marked = Book(dir, "marked.djvu", true), plain = Book(dir, "plain.djvu", false);
  const QByteArray before = ReadFile(marked);
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<QCheckBox>(main, "CheckBoxOutline")->setChecked(true);
  On<QCheckBox>(main, "CheckBox6")->setChecked(false);  // no backups in the test folder
  On<QLineEdit>(main, "Edit1")->setText("2");
  On<QLineEdit>(main, "Edit2")->setText("2");
  gui.desktop().answers << marked + "\n" + plain;
  On<QPushButton>(main, "xpButton1")->click();
  gui.desktop().choices << choice;
  main.Button3Click();
  // One question for the run, naming only the book that has bookmarks.
  QCOMPARE(gui.desktop().questions.size(), 1);
  QVERIFY2(gui.desktop().questions[0].contains(marked + " (закладок: 2)"), qPrintable(gui.desktop().questions[0]));
  QVERIFY(!gui.desktop().questions[0].contains(plain));
  const QByteArray outline = Djvused({marked, "-e", "print-outline"});
  if (choice == 2) {
    QCOMPARE(ReadFile(marked), before);  // cancelled: nothing run
    QVERIFY(LinksByPage(plain).isEmpty());
    return;
  }
  QCOMPARE(outline.contains("Own"), choice == 1);
  QCOMPARE(outline.contains("Intro"), choice == 0);
  QVERIFY(Djvused({plain, "-e", "print-outline"}).contains("Intro"));  // a book without bookmarks gets them
}

void GuiOutlineTest::RemoveOcrQuestion() {
  QTemporaryDir dir;
  const QString book = Book(dir, "ocr.djvu", false);
  GuiHarness gui;
  TForm1& main = gui.Start().form1;
  On<QCheckBox>(main, "CheckBox12")->setChecked(true);
  On<QCheckBox>(main, "CheckBox6")->setChecked(false);
  On<QLineEdit>(main, "Edit1")->setText("2");
  On<QLineEdit>(main, "Edit2")->setText("2");
  gui.desktop().answers << book;
  On<QPushButton>(main, "xpButton1")->click();
  gui.desktop().choices << 1;  // "Отмена"
  main.Button3Click();
  QCOMPARE(gui.desktop().questions.size(), 1);
  QVERIFY(gui.desktop().questions[0].contains(book));
  QVERIFY(OutputTxt(book).contains("Intro"));
  gui.desktop().choices << 0;  // "Удалить текст"
  main.Button3Click();
  QCOMPARE(gui.desktop().questions.size(), 2);
  QVERIFY(!OutputTxt(book).contains("Intro"));
  QVERIFY2(gui.windows().form2.Log().Text().contains("Скрытый текст удалён со страниц: "),
           qPrintable(gui.windows().form2.Log().Text()));
}

QTEST_MAIN(GuiOutlineTest)
#include "test_gui_outline.moc"

// The book's page numbers in the windows: "Определить" fills the offset from
// the book (and shows the map where the offset changes), the check box
// "По номерам страниц книги" is stored in the row and loaded back.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "support/folio_book.h"
#include "support/gui_harness.h"

class GuiBookNumbersTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void FindOffset();
  void StoredInTheRow();

 private:
  QTemporaryDir dir_;
  QString book_;
};

void GuiBookNumbersTest::initTestCase() {
  book_ = dir_.filePath(QStringLiteral("Книга с вклейками.djvu"));
  folio_book::Build(book_);
}

void GuiBookNumbersTest::FindOffset() {
  GuiHarness gui;
  AppWindows& w = gui.Start();
  QPushButton* find = On<QPushButton>(w.form1, "ButtonFindOffset");

  find->click();  // no row yet: a message, nothing filled
  QCOMPARE(gui.desktop().messages.size(), 1);
  QCOMPARE(On<QLineEdit>(w.form1, "Edit3")->text(), QStringLiteral("0"));

  gui.desktop().answers << book_;
  On<QPushButton>(w.form1, "xpButton1")->click();
  w.form1.ListView2()->selectRow(0);
  On<QLineEdit>(w.form1, "Edit2")->setText(QString::number(folio_book::kContentsLast));
  On<QRadioButton>(w.form1, "RadioButton2")->setChecked(true);
  find->click();
  // The first numbered pages after the contents; the plates change it, so the map is shown.
  QCOMPARE(On<QLineEdit>(w.form1, "Edit3")->text(), QString::number(folio_book::kOffsetBefore));
  QVERIFY(On<QRadioButton>(w.form1, "RadioButton1")->isChecked());
  QCOMPARE(gui.desktop().messages.size(), 2);
  const QString map = gui.desktop().messages.last();
  QVERIFY2(map.contains(QStringLiteral("смещение +%1").arg(folio_book::kOffsetAfter)), qPrintable(map));
  QVERIFY2(map.contains(QStringLiteral("По номерам страниц книги")), qPrintable(map));

  // In the settings dialog the button fills the dialog's own offset.
  bool done = false;
  WhenModal([&] {
    On<QLineEdit>(&w.form4, "Edit3")->setText("99");
    On<QLineEdit>(&w.form4, "Edit2")->setText("200");  // past the plates
    On<QPushButton>(&w.form4, "ButtonFindOffset")->click();
    QCOMPARE(On<QLineEdit>(&w.form4, "Edit3")->text(), QString::number(folio_book::kOffsetAfter));
    done = true;
    w.form4.close();
  });
  w.form1.ListView2DblClick();
  QVERIFY(done);

  // A file that is no DjVu document: djvused's failure in the error box.
  const QString notBook = dir_.filePath(QStringLiteral("не книга.djvu"));
  QFile file(notBook);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write("text") == 4);
  file.close();
  gui.desktop().answers << notBook;
  On<QPushButton>(w.form1, "xpButton1")->click();
  w.form1.ListView2()->selectRow(1);
  find->click();
  QCOMPARE(gui.desktop().errors.size(), 1);
}

void GuiBookNumbersTest::StoredInTheRow() {
  GuiHarness gui;
  AppWindows& w = gui.Start();
  On<QCheckBox>(w.form1, "CheckBoxBookNumbers")->setChecked(true);
  gui.desktop().answers << book_;
  On<QPushButton>(w.form1, "xpButton1")->click();
  QVERIFY(w.form1.CreateRow(0).settings.bookNumbers);

  w.form1.ListView2()->selectRow(0);
  WhenModal([&] {
    QCheckBox* box = On<QCheckBox>(&w.form4, "CheckBoxBookNumbers");
    QVERIFY(box->isChecked());
    box->setChecked(false);
    On<QPushButton>(&w.form4, "BitBtn1")->click();
  });
  w.form1.ListView2DblClick();
  QVERIFY(!w.form1.CreateRow(0).settings.bookNumbers);
  QVERIFY(!On<QCheckBox>(w.form1, "CheckBoxBookNumbers")->isChecked());  // the tab shows the row again
}

QTEST_MAIN(GuiBookNumbersTest)
#include "test_gui_book_numbers.moc"

// The check box "Создать закладки" on the create tab: found in free room of
// the fixed-size window, read by the create run, and kept in the settings
// file after the ten described keys.
#include <QCheckBox>
#include <QtTest>

#include "app/main_window.h"
#include "support/gui_harness.h"

class GuiOutlineTest : public QObject {
  Q_OBJECT
 private slots:
  void CheckBoxInFreeRoom();
  void StoredAfterTheDescribedKeys();
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
  QCOMPARE(gui.ReadSettings(), QStringLiteral("[Quillmark]\nOutline=1\n"
                                              "[Create]\nClose=0\nClear=0\nBackup=1\nEdit=0\nAnswer=0\nOCR=0\nLight=0\n"
                                              "[Edit]\nClose=0\nClear=0\nBackup=1\n"));
  QVERIFY(On<QCheckBox>(gui.Start().form1, "CheckBoxOutline")->isChecked());

  GuiHarness fresh;
  fresh.Start();
  fresh.Stop();
  QVERIFY(fresh.ReadSettings().endsWith(QStringLiteral("[Edit]\nClose=0\nClear=0\nBackup=1\n[Quillmark]\nOutline=0\n")));
}

QTEST_MAIN(GuiOutlineTest)
#include "test_gui_outline.moc"

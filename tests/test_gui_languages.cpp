// The language of the windows: Russian for a Russian locale and when no
// translation fits, English from the built-in translation, and Qt's own
// dialogs in Russian.
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "core/translations.h"
#include "support/gui_harness.h"

class LanguagesTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup();
  void Choice_data();
  void Choice();
  void EnglishInterface();
  void RussianQtDialogs();
  void EnglishTranslationFinished();
};

void LanguagesTest::cleanup() {
  // Back to the source texts for the next test.
  qDeleteAll(qApp->findChildren<QTranslator*>());
}

void LanguagesTest::Choice_data() {
  QTest::addColumn<QStringList>("uiLanguages");
  QTest::addColumn<QString>("chosen");
  QTest::newRow("Russian") << QStringList{"ru-RU", "ru"} << "ru";
  QTest::newRow("English") << QStringList{"en-US"} << "en";
  QTest::newRow("British English") << QStringList{"en-GB", "en"} << "en";
  QTest::newRow("Russian before English") << QStringList{"ru-UA", "en"} << "ru";
  QTest::newRow("English before Russian") << QStringList{"en", "ru"} << "en";
  QTest::newRow("no translation fits") << QStringList{"de-DE", "de"} << "ru";
  QTest::newRow("German, then English") << QStringList{"de-DE", "en-GB"} << "en";
  QTest::newRow("C locale") << QStringList{"C"} << "ru";
  QTest::newRow("none") << QStringList() << "ru";
}

void LanguagesTest::Choice() {
  QFETCH(QStringList, uiLanguages);
  QFETCH(QString, chosen);
  QCOMPARE(translations::Choose(uiLanguages), chosen);
}

void LanguagesTest::EnglishInterface() {
  QCOMPARE(translations::Install(*qApp, {"en-GB"}), QStringLiteral("en"));
  GuiHarness gui;
  AppWindows& w = gui.Start();
  auto* tabs = On<QTabWidget>(w.form1, "PageControl1");
  QCOMPARE(tabs->tabText(0), QStringLiteral("Edit"));
  QCOMPARE(tabs->tabText(1), QStringLiteral("Create"));
  QCOMPARE(On<QPushButton>(w.form1, "xpButton1")->text(), QStringLiteral("Add"));
  QCOMPARE(On<QComboBox>(w.form1, "ComboBox1")->itemText(1), QStringLiteral("Default"));
  QCOMPARE(w.form1.ListView2()->horizontalHeaderItem(0)->text(), QStringLiteral("Path"));
  QCOMPARE(w.form4.windowTitle(), QStringLiteral("Edit settings"));
  w.form2.ShowProgress(3, 50);
  QCOMPARE(w.form2.windowTitle(), QStringLiteral("Log — file 3 of 50"));
  w.form1.N4Click();  // no row selected
  QCOMPARE(gui.desktop().messages, QStringList{QStringLiteral("No file selected")});
  // Qt's own texts are English already: no Russian is loaded for them.
  QDialogButtonBox buttons(QDialogButtonBox::Cancel);
  QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
  // Every caption fits its control, in both languages' windows.
  for (QWidget* window : {static_cast<QWidget*>(&w.form1), static_cast<QWidget*>(&w.form4)}) {
    for (QAbstractButton* control : window->findChildren<QAbstractButton*>()) {
      const bool captioned = qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control) ||
                             qobject_cast<QPushButton*>(control);
      if (control->text().isEmpty() || !captioned) continue;
      QVERIFY2(control->sizeHint().width() <= control->width(),
               qPrintable(control->objectName() + ": " + control->text()));
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->wordWrap() || label->text().contains('\n')) continue;
      QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName() + ": " + label->text()));
    }
  }
}

void LanguagesTest::RussianQtDialogs() {
  const QString qtRussian = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm";
  QVERIFY2(QFile::exists(qtRussian), "Qt's Russian translation is missing (Debian qt6-translations-l10n)");
  QCOMPARE(translations::Install(*qApp, {"ru-RU"}), QStringLiteral("ru"));
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
  QColorDialog colors;
  QCOMPARE(colors.windowTitle(), QStringLiteral("Выбор цвета"));
  QFileDialog files;
  files.setOption(QFileDialog::DontUseNativeDialog);
  QCOMPARE(On<QLabel>(files, "fileTypeLabel")->text(), QStringLiteral("Типы файлов:"));
  // The program's own texts stay the source texts.
  GuiHarness gui;
  AppWindows& w = gui.Start();
  QCOMPARE(On<QPushButton>(w.form1, "xpButton1")->text(), QStringLiteral("Добавить"));
}

// Every text of the English translation is finished, in English, and keeps
// its source's placeholders: no Russian shows in the English interface and
// no argument of a message is lost.
void LanguagesTest::EnglishTranslationFinished() {
  QFile file(QString::fromUtf8(QUILLMARK_TRANSLATIONS "/quillmark_en.ts"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
  static const QRegularExpression cyrillic(QStringLiteral("[\\x{400}-\\x{4FF}]"));
  const auto placeholders = [](const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found << m.captured();
    found.sort();
    return found;
  };
  QXmlStreamReader ts(&file);
  QString context, source;
  int messages = 0;
  while (!ts.atEnd()) {
    if (ts.readNext() != QXmlStreamReader::StartElement) continue;
    if (ts.name() == QLatin1String("name")) {
      context = ts.readElementText();
    } else if (ts.name() == QLatin1String("source")) {
      source = ts.readElementText();
    } else if (ts.name() == QLatin1String("translation")) {
      const QByteArray where = (context + ": " + source).toUtf8();
      QVERIFY2(ts.attributes().value(QLatin1String("type")).isEmpty(), where.constData());
      const QString english = ts.readElementText();
      QVERIFY2(!english.isEmpty() && !english.contains(cyrillic), where.constData());
      QCOMPARE(placeholders(english), placeholders(source));
      ++messages;
    }
  }
  QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
  QVERIFY(messages > 100);
}

QTEST_MAIN(LanguagesTest)
#include "test_gui_languages.moc"

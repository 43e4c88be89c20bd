// The automatic work types end to end on real documents built from nothing:
// the create run reads the chosen pages as a reader sees them and writes the
// links, read back with djvused.
#include <QTemporaryDir>
#include <QtTest>

#include "core/errors.h"
#include "create/row_columns.h"

#include "create/create_run.h"
#include "support/djvu_documents.h"
#include "support/link_areas.h"
#include "support/recording_front_end.h"

using namespace testdocs;

namespace {

using Links = QMap<QString, QStringList>;

// A row of the create list; `ro` empty leaves the Roman offset column out
// altogether, as in a row stored before the column existed.
CreateJob Row(const QString& path, int first, int last, const QString& mode, const QString& offset = "0",
              const QString& ro = QString()) {
  const FixJob place = FixJob::FromPath(path);
  QStringList columns{place.FileName, QString::number(first), QString::number(last), offset, mode, "1", "0",
                      "000000",       "000000",               "0",                   "0",    "0",  "0"};
  if (!ro.isEmpty()) columns << ro;
  return CreateColumns::FromColumns(place.Folder, columns).Read(1);
}

QList<Page> Pages(int count) { return QList<Page>(count, Page{PageText({Line(1500, "Текст")}), {}}); }

}  // namespace

class CreateAutoTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void ContentsAuto_data();
  void ContentsAuto();
  void ContentsQuestion();
  void IndexAuto_data();
  void IndexAuto();
  void StoredRowsKeepTheirMeaning();

 private:
  QString Build(const QString& name, const QList<Page>& pages);
  bool Run(RecordingFrontEnd& frontEnd);
  QTemporaryDir dir_;
  QString work_;
};

void CreateAutoTest::init() {
  work_ = dir_.filePath(QStringLiteral("work-%1").arg(QTest::currentTestFunction()));
  QDir().mkpath(work_);
}

QString CreateAutoTest::Build(const QString& name, const QList<Page>& pages) {
  const QString path = dir_.filePath(name);
  BuildDocument(path, pages);
  return path;
}

bool CreateAutoTest::Run(RecordingFrontEnd& frontEnd) {
  DjvusedRunner runner(work_, QString());
  return CreateRun(frontEnd, runner).Run();
}

void CreateAutoTest::ContentsAuto_data() {
  QTest::addColumn<QList<TextLine>>("lines");
  QTest::addColumn<QString>("offset");
  QTest::addColumn<QString>("romanOffset");
  QTest::addColumn<QStringList>("links");  // on page 2 of a 30-page book
  // Words 20 px a character, 20 px apart, from x = 100.
  QTest::newRow("number in a line zone of its own, on the title's baseline")
      << QList<TextLine>{Line(1500, "1 Введение"), Line(1500, "3", 900), Line(1400, "2 Основы"), Line(1400, "7", 900)}
      << "2" << "" << QStringList{"#5 100 1500 820 40", "#9 100 1400 820 40"};
  QTest::newRow("section number glued to the title, leaders glued to the number")
      << QList<TextLine>{Line(1500, "Preface.......1"), Line(1450, "3.1ProblemStatement....19")} << "0" << ""
      << QStringList{"#1 100 1500 300 40", "#19 100 1450 500 40"};
  QTest::newRow("wrapped title: one area over both lines")
      << QList<TextLine>{Line(1500, "3.1 Предварительный просмотр"), Line(1455, "графики....... 5", 160)} << "0" << ""
      << QStringList{"#5 100 1455 560 85"};
  QTest::newRow("date in the title block, target past the end")
      << QList<TextLine>{Line(1600, "September 14, 2022"), Line(1500, "Введение 3"), Line(1400, "Глава 7"),
                         Line(1300, "Приложение 29")}
      << "2" << "" << QStringList{"#5 100 1500 200 40", "#9 100 1400 140 40"};
  QTest::newRow("Roman numbers with a Roman offset")
      << QList<TextLine>{Line(1500, "Предисловие vii"), Line(1400, "Введение 1")} << "10" << "2"
      << QStringList{"#8 100 1500 300 40", "#11 100 1400 200 40"};
  QTest::newRow("Roman numbers without one")
      << QList<TextLine>{Line(1500, "Предисловие vii"), Line(1400, "Введение 1")} << "10" << ""
      << QStringList{"#11 100 1400 200 40"};
  QTest::newRow("OCR noise: a word too long for 32 bits, leading zeros")
      << QList<TextLine>{Line(1500, "Введение 020000020000000"), Line(1400, "Глава 0004"), Line(1300, "Итоги 9")}
      << "0" << "" << QStringList{"#9 100 1300 140 40"};
}

void CreateAutoTest::ContentsAuto() {
  QFETCH(QList<TextLine>, lines);
  QFETCH(QString, offset);
  QFETCH(QString, romanOffset);
  QFETCH(QStringList, links);
  QList<Page> pages = Pages(30);
  pages[1].text = PageText(lines);
  const QString book = Build(QStringLiteral("contents.djvu"), pages);
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 2, 2, "3", offset, romanOffset));
  QVERIFY(Run(frontEnd));
  QCOMPARE(LinksByPage(book).value("p2.djvu"), links);
  QVERIFY(frontEnd.Errors().isEmpty());
}

void CreateAutoTest::ContentsQuestion() {
  // 140, 45 (an OCR error for 145), 150 on one page: asked as in the
  // described contents type, the typed number used where it fits.
  QList<Page> pages = Pages(30);
  pages[0].text = PageText({Line(1500, "Векторы 140"), Line(1400, "Массивы 45"), Line(1300, "Списки 150")});
  const QString book = Build(QStringLiteral("asked.djvu"), pages);
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::AskWhenUnclear, true);
  frontEnd.answer = [](int, int) { return 145; };
  frontEnd.AddCreateRow(Row(book, 1, 1, "3", "-130"));
  QVERIFY(Run(frontEnd));
  QCOMPARE(frontEnd.questions, (QList<QPair<int, int>>{{140, 45}}));
  QCOMPARE(frontEnd.Where(), QStringList{book + " 1: Массивы 45"});
  QVERIFY2(frontEnd.Log().Text().contains(QStringLiteral("Номера, изменённые в ответ на вопрос: 1 (стр. 1: 45 → 145)")),
           qPrintable(frontEnd.Log().Text()));
  QCOMPARE(LinksByPage(book).value("p1.djvu"),
           (QStringList{"#10 100 1500 220 40", "#15 100 1400 200 40", "#20 100 1300 200 40"}));

  // Not asked with the option off: the number that breaks the order is dropped.
  const QString quiet = Build(QStringLiteral("quiet.djvu"), pages);
  RecordingFrontEnd second;
  second.AddCreateRow(Row(quiet, 1, 1, "3", "-130"));
  QVERIFY(Run(second));
  QVERIFY(second.questions.isEmpty());
  QCOMPARE(LinksByPage(quiet).value("p1.djvu"), (QStringList{"#10 100 1500 220 40", "#20 100 1300 200 40"}));
}

void CreateAutoTest::IndexAuto_data() {
  QTest::addColumn<QList<TextLine>>("lines");
  QTest::addColumn<QString>("offset");
  QTest::addColumn<QStringList>("links");  // on page 3 of a 60-page book
  // "Абажур 12, 45": each number over its own characters (20 px each).
  QTest::newRow("every number over its own digits")
      << QList<TextLine>{Line(1500, "Абажур 12, 45")} << "0"
      << QStringList{"#12 240 1500 40 40", "#45 320 1500 40 40"};
  QTest::newRow("both ends of a range, offset")
      << QList<TextLine>{Line(1500, "Поля 38–40")} << "2" << QStringList{"#40 200 1500 40 40", "#42 260 1500 40 40"};
  QTest::newRow("glued digits and the page's own folio are no links")
      << QList<TextLine>{Line(1600, "3", 600), Line(1500, "koi8-r 7"), Line(1450, "10pt 8"), Line(1400, "X11 9")}
      << "0" << QStringList{"#7 240 1500 20 40", "#8 200 1450 20 40", "#9 180 1400 20 40"};
  QTest::newRow("targets outside the document")
      << QList<TextLine>{Line(1500, "Шрифты 58, 61, 99")} << "2"
      << QStringList{"#60 240 1500 40 40"};
}

void CreateAutoTest::IndexAuto() {
  QFETCH(QList<TextLine>, lines);
  QFETCH(QString, offset);
  QFETCH(QStringList, links);
  QList<Page> pages = Pages(60);
  pages[2].text = PageText(lines);
  const QString book = Build(QStringLiteral("index.djvu"), pages);
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::AlignContents, true);  // no alignment after an index type
  frontEnd.AddCreateRow(Row(book, 3, 3, "4", offset));
  QVERIFY(Run(frontEnd));
  QCOMPARE(LinksByPage(book).value("p3.djvu"), links);
  QVERIFY(frontEnd.Errors().isEmpty());
}

void CreateAutoTest::StoredRowsKeepTheirMeaning() {
  // A row of thirteen columns (stored before the Roman offset existed) reads
  // the missing column as empty; the fourteenth column round-trips.
  const CreateColumns old = CreateColumns::FromColumns(
      "/b/", {"a.djvu", "1", "2", "0", "3", "1", "0", "000000", "000000", "0", "0", "0", "0"});
  QCOMPARE(old.ro, QString());
  QCOMPARE(old.SubItems().size(), CreateColumns::kSubItemCount);
  QVERIFY(!old.Read(1).settings.romanOffset);
  const CreateJob withRoman = Row("/b/a.djvu", 1, 2, "4", "0", "5");
  QCOMPARE(CreateColumns::Of(withRoman).ro, QStringLiteral("5"));
  QCOMPARE(CreateColumns::FromColumns(withRoman.Folder, CreateColumns::Of(withRoman).SubItems()).Read(1).settings.romanOffset,
           std::optional<int>(5));
  // A work type past the six is refused when the row is read, before any run.
  QVERIFY_THROWS_EXCEPTION(InputError, Row("/b/a.djvu", 1, 1, "6"));
}

QTEST_MAIN(CreateAutoTest)
#include "test_create_auto.moc"

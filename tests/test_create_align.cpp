// The create run's alignment follow-up on real documents: the fix job runs on
// the contents pages each finished file got, unless the window shows the
// second index mode, and it never replaces the backup of the unchanged book.
#include <QTemporaryDir>
#include <QtTest>

#include "align/fix_run.h"
#include "create/row_columns.h"
#include "create/create_run.h"
#include "support/djvu_documents.h"
#include "support/link_areas.h"
#include "support/recording_front_end.h"

using namespace testdocs;

namespace {

// Ragged entries: the areas come out 200, 180 and 260 wide; the book has
// the 15 pages they lead to.
QList<Page> Book() {
  return WithBlankPagesUpTo(
      {Page{PageText({Line(1500, "Введение 3"), Line(1400, "Глава 1 7"), Line(1300, "Заключение 15")}), {}}}, 15);
}

CreateJob Row(const QString& path, const QString& mode, int page = 1) {
  const FixJob place = FixJob::FromPath(path);
  const QString number = QString::number(page);
  return CreateColumns::FromColumns(place.Folder, {place.FileName, number, number, "0", mode, "1", "0", "000000",
                                                   "000000", "0", "0", "0", "0"})
      .Read(1);
}

// Page 1 a ragged contents page, page 2 a two-column index page; 60 pages.
QList<Page> ContentsAndIndex() {
  const QList<TextLine> index{Line(1500, "Абажур 12, 45"), Line(1400, "Бумага 7"), Line(1300, "Вата 20, 33, 41"),
                              Line(1500, "Гвоздь 9, 50", 700), Line(1400, "Дверь 14", 700),
                              Line(1300, "Ель 31, 38", 700)};
  QList<Page> pages = Book();
  pages.insert(1, Page{PageText(index), {}});
  return WithBlankPagesUpTo(pages, 60);
}

// The annotation block of one page as output-ant prints it.
QByteArray PageBlock(const QString& book, const QByteArray& id) {
  const QByteArray dump = OutputAnt(book);
  const qsizetype start = dump.indexOf("select \"" + id + "\"");
  return start < 0 ? QByteArray() : dump.mid(start, dump.indexOf("\n.\n", start) - start);
}

}  // namespace

class CreateAlignTest : public QObject {
  Q_OBJECT
 private slots:
  void FollowUpAlignsAndKeepsTheFirstBackup();
  void FollowUpDependsOnTheRowsWorkType_data();
  void FollowUpDependsOnTheRowsWorkType();
  void IndexPagesStayAsTheyWere_data();
  void IndexPagesStayAsTheyWere();

 private:
  QTemporaryDir dir_;
};

void CreateAlignTest::FollowUpAlignsAndKeepsTheFirstBackup() {
  const QString a = dir_.filePath("a.djvu"), b = dir_.filePath("b.djvu");
  BuildDocument(a, Book());
  BuildDocument(b, Book());
  const QByteArray originalB = ReadFile(b);
  RecordingFrontEnd frontEnd;
  for (const Option option : {Option::AlignContents, Option::CreateBackup, Option::FixBackup, Option::FixClearList}) {
    frontEnd.SetChecked(option, true);
  }
  frontEnd.AddFixRow(FixJob::FromPath(dir_.filePath("users-own.djvu")));
  frontEnd.AddCreateRow(Row(a, "0"));
  frontEnd.AddCreateRow(Row(b, "0"));
  DjvusedRunner runner(dir_.filePath("work"), QString());
  QDir().mkpath(dir_.filePath("work"));
  QVERIFY(CreateRun(frontEnd, runner).Run());

  const QStringList aligned{"#3 100 1500 260 40", "#7 100 1400 260 100", "#15 100 1300 260 100"};
  QCOMPARE(LinksByPage(a).value("p1.djvu"), aligned);
  QCOMPARE(LinksByPage(b).value("p1.djvu"), aligned);
  // The log shows the alignment of the last file only.
  const QString log = frontEnd.Log().Text();
  QVERIFY2(log.startsWith("Начало обработки файла " + b), qPrintable(log));
  QVERIFY2(log.endsWith("Редактирование файла " + b + " завершено\r\nВыровнено областей: 2 (страниц: 1)"), qPrintable(log));
  QVERIFY(!log.contains(a));
  // The backup holds the book as it was before the create run.
  QCOMPARE(ReadFile(b + ".backup"), originalB);
  QCOMPARE(frontEnd.FixRowCount(), 0);
}

void CreateAlignTest::FollowUpDependsOnTheRowsWorkType_data() {
  QTest::addColumn<QString>("rowMode");
  QTest::addColumn<bool>("aligned");
  // Only the pages a row linked in a contents type are aligned, never index pages.
  QTest::newRow("contents") << "0" << true;
  QTest::newRow("index 1") << "1" << false;
  QTest::newRow("index 2") << "2" << false;
}

void CreateAlignTest::FollowUpDependsOnTheRowsWorkType() {
  QFETCH(QString, rowMode);
  QFETCH(bool, aligned);
  const QString book = dir_.filePath(QStringLiteral("row-%1.djvu").arg(rowMode));
  BuildDocument(book, Book());
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::AlignContents, true);
  frontEnd.SetChecked(Option::FixClose, true);
  frontEnd.AddCreateRow(Row(book, rowMode));
  QDir().mkpath(dir_.filePath("work2"));
  DjvusedRunner runner(dir_.filePath("work2"), QString());
  QVERIFY(CreateRun(frontEnd, runner).Run());
  const QStringList links = LinksByPage(book).value("p1.djvu");
  QVERIFY(!links.isEmpty());
  QCOMPARE(frontEnd.Log().Text().startsWith("Начало обработки файла"), aligned);
  // The fix tab's "Закрыть по завершению" acts when the fix job runs.
  QCOMPARE(frontEnd.Closed(), aligned);
  if (rowMode == "2") return;  // word areas of the second index mode form two columns here
  QSet<QString> widths;
  for (const QString& link : links) widths << link.section(QLatin1Char(' '), 3, 3);
  QCOMPARE(widths.size() == 1, aligned);
}

void CreateAlignTest::IndexPagesStayAsTheyWere_data() {
  QTest::addColumn<bool>("followUp");  // the create run's follow-up, else the fix job afterwards
  QTest::newRow("fix job") << false;
  QTest::newRow("create run's follow-up") << true;
}

// A book linked by two rows, its contents page and its index page: the
// alignment lines up the contents and leaves the index page byte for byte.
void CreateAlignTest::IndexPagesStayAsTheyWere() {
  QFETCH(bool, followUp);
  const QString book = dir_.filePath(followUp ? "follow-up.djvu" : "fix.djvu");
  BuildDocument(book, ContentsAndIndex());
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::AlignContents, followUp);
  frontEnd.AddCreateRow(Row(book, "4", 2));  // the automatic index type
  frontEnd.AddCreateRow(Row(book, "0", 1));
  const QString work = dir_.filePath(followUp ? "work-follow" : "work-fix");
  QDir().mkpath(work);
  DjvusedRunner runner(work, QString());
  QVERIFY(CreateRun(frontEnd, runner).Run());
  const QByteArray index = PageBlock(book, "p2.djvu");
  QSet<bool> columns;  // both columns' numbers are linked
  for (const QString& link : LinksByPage(book).value("p2.djvu")) columns << (link.section(' ', 1, 1).toInt() >= 700);
  QCOMPARE(columns.size(), 2);
  if (!followUp) {
    frontEnd.AddFixRow(FixJob::FromPath(book));
    QVERIFY(FixRun(frontEnd, runner).Run());
    QVERIFY2(frontEnd.Log().Text().endsWith("Выровнено областей: 2 (страниц: 1)\r\n"
                                             "Страницы без выравнивания (не похожи на содержание): 2"),
             qPrintable(frontEnd.Log().Text()));
  }
  QCOMPARE(PageBlock(book, "p2.djvu"), index);
  const QStringList aligned{"#3 100 1500 260 40", "#7 100 1400 260 100", "#15 100 1300 260 100"};
  QCOMPARE(LinksByPage(book).value("p1.djvu"), aligned);
}

QTEST_GUILESS_MAIN(CreateAlignTest)
#include "test_create_align.moc"

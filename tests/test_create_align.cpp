// The create run's alignment follow-up on real documents: the fix job runs on
// each finished file as its own button would, unless the window shows the
// second index mode, and it never replaces the backup of the unchanged book.
#include <QTemporaryDir>
#include <QtTest>

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

CreateJob Row(const QString& path, const QString& mode) {
  const FixJob place = FixJob::FromPath(path);
  return CreateColumns::FromColumns(place.Folder, {place.FileName, "1", "1", "0", mode, "1", "0", "000000", "000000",
                                                   "0", "0", "0", "0"})
      .Read(1);
}

}  // namespace

class CreateAlignTest : public QObject {
  Q_OBJECT
 private slots:
  void FollowUpAlignsAndKeepsTheFirstBackup();
  void FollowUpDependsOnTheRowsWorkType_data();
  void FollowUpDependsOnTheRowsWorkType();

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
  QTest::newRow("contents") << "0" << true;
  QTest::newRow("index 1") << "1" << true;
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

QTEST_GUILESS_MAIN(CreateAlignTest)
#include "test_create_align.moc"

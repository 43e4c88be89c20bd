// A scan without hidden text linked by the automatic types: its pages read
// from their images (--ocr), the text stored in the book only when asked
// (--ocr write), and a clear refusal, with nothing written, when Tesseract
// is missing.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_process.h"
#include "support/djvu_documents.h"
#include "support/printed_pages.h"

using namespace testdocs;

class CliOcrTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void LinksAPageReadFromItsImage();
  void StoresTheTextOnlyWhenAsked();
  void TesseractMissing();

 private:
  QString Book(const QString& name);
  QTemporaryDir dir_;
};

void CliOcrTest::initTestCase() { QVERIFY(dir_.isValid()); }

// A contents page with three entries, then blank pages up to page 20.
QString CliOcrTest::Book(const QString& name) {
  const QString book = dir_.filePath(name);
  BookOfPrintedLines(book, {"Содержание", "Введение . . . . . . 3", "Глава первая . . . . 9", "Заключение . . . . 17"}, 20);
  return book;
}

void CliOcrTest::LinksAPageReadFromItsImage() {
  const QString book = Book("scan.djvu");
  const QByteArray before = ReadFile(book);
  // Without --ocr the page has nothing to read.
  const CliRun plain = Cli({"create", "--mode", "contents-auto", "--pages", "1-1", "--dry-run", "--list", book});
  QCOMPARE(plain.status, 0);
  QVERIFY(plain.out.isEmpty());
  const CliRun read = Cli({"create", "--mode", "contents-auto", "--pages", "1-1", "--ocr", "--list", book});
  QCOMPARE(read.status, 0);
  QStringList targets;
  for (const QByteArray& line : read.out.split('\n')) {
    if (!line.isEmpty()) targets << QString::fromUtf8(line.split('\t').value(2));
  }
  QCOMPARE(targets, (QStringList{"3", "9", "17"}));
  QVERIFY2(read.err.contains("Страницы без текста прочитаны с изображения: 1 ("), read.err.constData());
  QVERIFY(ReadFile(book) != before);               // the links were written
  QVERIFY(!OutputTxt(book).contains("Введение"));  // but no text: only with "write"
}

void CliOcrTest::StoresTheTextOnlyWhenAsked() {
  const QString book = Book("stored.djvu");
  const CliRun run = Cli({"create", "--mode", "contents-auto", "--pages", "1-1", "--ocr", "write", book});
  QCOMPARE(run.status, 0);
  const QString text = QString::fromUtf8(OutputTxt(book));
  QVERIFY2(text.contains("select 1") || text.contains("# page 1"), qPrintable(text));
  // The stored words are read back as hidden text: a run without --ocr now links the page.
  const CliRun again = Cli({"create", "--mode", "contents-auto", "--pages", "1-1", "--dry-run", "--list", book});
  QCOMPARE(again.status, 0);
  QCOMPARE(again.out.count('\n'), 3);
  QCOMPARE(Cli({"create", "--ocr=maybe", book}).status, 2);  // read or write only
}

void CliOcrTest::TesseractMissing() {
  const QString book = Book("no-tesseract.djvu");
  const QByteArray before = ReadFile(book);
  // A PATH with DjVuLibre's tools and no Tesseract.
  QTemporaryDir bin;
  for (const char* tool : {"djvused", "ddjvu"}) QFile::link(RequireTool(tool), QDir(bin.path()).filePath(tool));
  const CliRun run = Cli({"create", "--mode", "contents-auto", "--pages", "1-1", "--ocr", book}, bin.path().toUtf8());
  QCOMPARE(run.status, 1);
  QVERIFY2(run.err.contains("tesseract-ocr-rus"), run.err.constData());
  QCOMPARE(ReadFile(book), before);
}

QTEST_MAIN(CliOcrTest)
#include "test_cli_ocr.moc"

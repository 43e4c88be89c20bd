// A scan without hidden text linked by the automatic types: its pages read
// from their images (--ocr), the text stored in the book only when asked
// (--ocr write), and a clear refusal, with nothing written, when Tesseract
// is missing. The whole-book type finds the contents and the index of such
// a book among the pages it reads from their images.
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
  void WholeBookWithoutText();

 private:
  QString Book(const QString& name);
  QTemporaryDir dir_;
};

void CliOcrTest::initTestCase() { QVERIFY(dir_.isValid()); }

// The page, the printed number and the target of each line of --list.
QStringList Listed(const QByteArray& out) {
  QStringList links;
  for (const QByteArray& line : out.split('\n')) {
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() > 2) links << QString::fromUtf8(fields[0] + ':' + fields[1] + '>' + fields[2]);
  }
  return links;
}

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

void CliOcrTest::WholeBookWithoutText() {
  // Seven pages without hidden text: the contents on the first, the index on
  // the last, body pages between without a folio; printed number n is page n + 1.
  const QString book = dir_.filePath("whole.djvu");
  QList<PrintedPage> pages(7);
  pages[0].lines = QStringList{"Содержание", "Введение . . . . . . 1", "Глава первая . . . . 2", "Заключение . . . . 4"};
  pages[6].lines = QStringList{"Указатель", "Алгебра, 1, 2", "Вектор, 3", "Граница, 2, 4", "Деление, 5"};
  BookOfPrintedPages(book, pages);
  const QString unread = dir_.filePath("whole-unread.djvu");
  QVERIFY(QFile::copy(book, unread));
  // Without --ocr there is nothing to look at, and the run says why.
  const CliRun plain = Cli({"create", "--mode", "book", "--offset", "1", book});
  QCOMPARE(plain.status, 0);
  QVERIFY2(plain.err.contains("в книге нет скрытого текста"), plain.err.constData());
  QVERIFY2(plain.err.contains("не найдено ни содержания, ни указателя"), plain.err.constData());
  // Read from the images, both parts are found and linked with the offset
  // given; the text read is stored in the same save.
  const CliRun read = Cli({"create", "--mode", "book", "--offset", "1", "--ocr", "write", "--list", book});
  QVERIFY2(read.status == 0, read.err.constData());
  QCOMPARE(Listed(read.out), (QStringList{"1:1>2", "1:2>3", "1:4>5", "7:1>2", "7:2>3", "7:3>4", "7:2>3", "7:4>5",
                                          "7:5>6"}));
  const QString log = QString::fromUtf8(read.err);
  // Two blank pages after the contents end the front's search, two before
  // the index's heading the back's: page 4 is never read.
  QVERIFY2(log.contains("Страницы без текста прочитаны с изображения: 1–3, 5–7 ("), qPrintable(log));
  QVERIFY2(log.contains("Содержание: стр. 1, указатель: стр. 7, смещение +1; создано ссылок: 9"), qPrintable(log));
  // Stored, the text is read as hidden text: only the blank pages, which
  // have none, are read from their images again.
  const CliRun again = Cli({"create", "--mode", "book", "--offset", "1", "--ocr", "--dry-run", "--list", book});
  QCOMPARE(Listed(again.out), Listed(read.out));
  QVERIFY2(again.err.contains("прочитаны с изображения: 2–3, 5–6 ("), again.err.constData());
  // With the offset from the book's numbers there is none to read: the run
  // says so, finds the parts and links nothing.
  const QByteArray before = ReadFile(unread);
  const CliRun numbers = Cli({"create", "--mode", "book", "--ocr", unread});
  QCOMPARE(numbers.status, 0);
  QVERIFY2(numbers.err.contains("номера страниц книги не прочитаны"), numbers.err.constData());
  QVERIFY2(numbers.err.contains("Содержание: стр. 1, указатель: стр. 7, смещение не найдено; создано ссылок: 0"),
           numbers.err.constData());
  QCOMPARE(ReadFile(unread), before);
}

QTEST_MAIN(CliOcrTest)
#include "test_cli_ocr.moc"

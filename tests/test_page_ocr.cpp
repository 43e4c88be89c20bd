// Pages read from their images: Tesseract's word table turned into the zone
// tree djvused prints, and a page rendered from known text read back through
// ddjvu and Tesseract as a reader would read its printed lines.
#include <QTemporaryDir>
#include <QtTest>

#include "core/errors.h"
#include "djvused/book_pages.h"
#include "ocr/page_ocr.h"
#include "ocr/tesseract_words.h"
#include "page/printed_lines.h"
#include "support/djvu_documents.h"
#include "support/printed_pages.h"

namespace {

const QByteArray kHeader = "level\tpage_num\tblock_num\tpar_num\tline_num\tword_num\tleft\ttop\twidth\theight\tconf\ttext\n";

QByteArray Row(int level, int line, int left, int top, int width, int height, const QByteArray& text) {
  return QByteArray::number(level) + "\t1\t1\t1\t" + QByteArray::number(line) + "\t1\t" + QByteArray::number(left) +
         '\t' + QByteArray::number(top) + '\t' + QByteArray::number(width) + '\t' + QByteArray::number(height) +
         "\t90\t" + text + '\n';
}

}  // namespace

class PageOcrTest : public QObject {
  Q_OBJECT
 private slots:
  void WordTableToZones();
  void PageReadFromItsImage();
  void TesseractMissing();
};

void PageOcrTest::WordTableToZones() {
  // Two words of one line and a word Tesseract found empty, in a picture of
  // half the page's size: boxes doubled and turned to the bottom-left origin.
  const QByteArray tsv = kHeader + Row(4, 1, 50, 100, 300, 20, "") + Row(5, 1, 50, 100, 120, 20, "Глава") +
                         Row(5, 1, 200, 102, 30, 18, "7\"") + Row(5, 1, 260, 100, 10, 20, " ") +
                         Row(5, 2, 50, 150, 80, 20, "Итоги");
  const QByteArray zones = ZonesFromTesseractTsv(tsv, 1000, 1400, 0.5);
  QCOMPARE(zones, QByteArray("(page 0 0 1000 1400\n"
                             " (line 100 1160 460 1200\n"
                             "  (word 100 1160 340 1200 \"\\320\\223\\320\\273\\320\\260\\320\\262\\320\\260\")\n"
                             "  (word 400 1160 460 1196 \"7\\\"\"))\n"
                             " (line 100 1060 260 1100\n"
                             "  (word 100 1060 260 1100 \"\\320\\230\\321\\202\\320\\276\\320\\263\\320\\270\")))\n"));
  const QList<PrintedLine> lines = PrintedLines(ParseTextLayer(zones));
  QCOMPARE(lines.size(), 2);
  QCOMPARE(lines[0].Text(), QStringLiteral("Глава 7\""));
  // A blank page: a zone djvused's set-txt takes, with no line.
  const QByteArray blank = ZonesFromTesseractTsv(kHeader + Row(4, 1, 50, 100, 300, 20, ""), 1000, 1400);
  QCOMPARE(blank, QByteArray("(page 0 0 1000 1400 \"\")\n"));
  QVERIFY(PrintedLines(ParseTextLayer(blank)).isEmpty());
  QVERIFY_THROWS_EXCEPTION(InputError, ZonesFromTesseractTsv("no table here\n", 10, 10));
  // How the lines end: "Глава 7" and "Итоги, 12;" in a number, "Введение ....."
  // in bare leader dots, "Список" in neither.
  const QByteArray ends = kHeader + Row(5, 1, 50, 100, 120, 20, "Глава") + Row(5, 1, 200, 100, 30, 20, "7") +
                          Row(5, 2, 50, 150, 120, 20, "Введение") + Row(5, 2, 200, 150, 90, 20, ".....") +
                          Row(5, 3, 50, 200, 120, 20, "Итоги,") + Row(5, 3, 200, 200, 30, 20, "12;") +
                          Row(5, 4, 50, 250, 120, 20, "Список");
  QCOMPARE(LineEndsOfTsv(ends).numbers, 2);
  QCOMPARE(LineEndsOfTsv(ends).bareLeaders, 1);
}

void PageOcrTest::PageReadFromItsImage() {
  QTemporaryDir dir;
  const QStringList printed{QStringLiteral("Содержание"), QStringLiteral("Введение 3"),
                            QStringLiteral("Глава первая 17"), QStringLiteral("Index 245")};
  const QString book = dir.filePath("book.djvu");
  testdocs::BookOfPrintedLines(book, printed, 1);
  PageData page;
  page.number = 1;
  page.width = testdocs::kPageWidth;
  page.height = testdocs::kPageHeight;
  const QByteArray zones = ocr::ReadPageZones(ocr::TesseractProgram(), book, page, dir.path());
  QStringList read;
  for (const PrintedLine& line : PrintedLines(ParseTextLayer(zones))) read << line.Text();
  QCOMPARE(read, printed);
  // The words stand where they are printed: the first line near the top.
  const PrintedLine first = PrintedLines(ParseTextLayer(zones)).first();
  QVERIFY2(first.box.top > testdocs::kPageHeight - 300 && first.box.left >= 140 && first.box.left < 180,
           qPrintable(QStringLiteral("%1 %2").arg(first.box.left).arg(first.box.top)));
  QVERIFY(QDir(dir.path()).entryList({"*.pgm"}).isEmpty());  // the picture is not left behind
}

void PageOcrTest::TesseractMissing() {
  const QByteArray path = qgetenv("PATH");
  QTemporaryDir empty;
  qputenv("PATH", empty.path().toUtf8());
  try {
    ocr::TesseractProgram();
    qputenv("PATH", path);
    QFAIL("no error without tesseract");
  } catch (const InputError& e) {
    qputenv("PATH", path);
    QVERIFY2(e.Message().contains("tesseract-ocr-rus"), qPrintable(e.Message()));
  }
}

QTEST_MAIN(PageOcrTest)
#include "test_page_ocr.moc"

// Printed page numbers on a built 300-page book, through quillmark-cli: the
// map "offsets" prints, and the links of "create" with the map or a fixed offset.
#include <QTemporaryDir>
#include <QtTest>

#include "folios/folio_reader.h"
#include "support/cli_process.h"
#include "support/djvu_documents.h"
#include "support/folio_book.h"

using namespace testdocs;

class FolioBookTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void OffsetsPrintsTheTrueMap();
  void OffsetsFailures_data();
  void OffsetsFailures();

 private:
  QTemporaryDir dir_;
  QString book_;
};

void FolioBookTest::initTestCase() {
  book_ = dir_.filePath(QStringLiteral("книга.djvu"));
  folio_book::Build(book_);
}

void FolioBookTest::OffsetsPrintsTheTrueMap() {
  using namespace folio_book;
  const CliRun r = Cli({"offsets", book_});
  QCOMPARE(r.status, 0);
  const QString expected =
      QStringLiteral("%1\n  стр. 1-%2: номера i-%3 (римские)\n").arg(book_).arg(kFrontPages).arg(RomanNumeral(kFrontPages)) +
      QStringLiteral("  стр. %1-%2: номера 1-%3, смещение +%4\n")
          .arg(kFrontPages + 1)
          .arg(kFirstPlate - 1)
          .arg(kFirstAfterPlates - 1)
          .arg(kOffsetBefore) +
      QStringLiteral("  стр. %1-%2: без номера\n").arg(kFirstPlate).arg(kFirstPlate + kPlates - 1) +
      QStringLiteral("  стр. %1-%2: номера %3-%4, смещение +%5\n")
          .arg(kFirstPlate + kPlates)
          .arg(kPages)
          .arg(kFirstAfterPlates)
          .arg(kLastPrinted)
          .arg(kOffsetAfter);
  QCOMPARE(QString::fromUtf8(r.out), expected);
}

void FolioBookTest::OffsetsFailures_data() {
  QTest::addColumn<QStringList>("files");
  QTest::addColumn<int>("status");
  QTest::addColumn<QByteArray>("message");
  QTest::newRow("no file") << QStringList{} << 2 << QByteArray("offsets needs at least one FILE");
  QTest::newRow("unknown option") << QStringList{"--fast"} << 2 << QByteArray("unknown option '--fast'");
  QTest::newRow("missing file, the book still read") << QStringList{"missing.djvu", "BOOK"} << 1
                                                     << QByteArray("missing.djvu: Файл не найден");
  QTest::newRow("not a DjVu file") << QStringList{"text.djvu"} << 1 << QByteArray("Ошибка djvused");
}

void FolioBookTest::OffsetsFailures() {
  QFETCH(QStringList, files);
  QFETCH(int, status);
  QFETCH(QByteArray, message);
  WriteFile(dir_.filePath("text.djvu"), "not a book");
  for (QString& file : files) file = file == QLatin1String("BOOK") ? book_ : dir_.filePath(file);
  if (files.value(0) == dir_.filePath("--fast")) files[0] = QStringLiteral("--fast");
  const CliRun r = Cli(QStringList{"offsets"} + files);
  QCOMPARE(r.status, status);
  QVERIFY2(r.err.contains(message), r.err.constData());
  QCOMPARE(r.out.contains(book_.toUtf8()), files.contains(book_));
}

QTEST_GUILESS_MAIN(FolioBookTest)
#include "test_folio_book.moc"

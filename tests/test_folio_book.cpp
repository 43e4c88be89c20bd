// Printed page numbers on a built 300-page book, through quillmark-cli: the
// map "offsets" prints, and the links of "create" with the map or a fixed offset.
#include <QTemporaryDir>
#include <QtTest>

#include "folios/folio_reader.h"
#include "support/cli_process.h"
#include "support/djvu_documents.h"
#include "support/folio_book.h"
#include "support/link_areas.h"

using namespace testdocs;

class FolioBookTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void OffsetsPrintsTheTrueMap();
  void OffsetsFailures_data();
  void OffsetsFailures();
  void Links_data();
  void Links();
  void DrawingSheets();

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

void FolioBookTest::Links_data() {
  using namespace folio_book;
  QTest::addColumn<QString>("offset");
  QTest::addColumn<int>("before");  // the offset the targets get before the plates
  QTest::addColumn<int>("after");   // and after them; 0: no link
  QTest::newRow("the book's numbers") << "auto" << kOffsetBefore << kOffsetAfter;
  QTest::newRow("right before the plates") << QString::number(kOffsetBefore) << kOffsetBefore << kOffsetBefore;
  QTest::newRow("right after the plates") << QString::number(kOffsetAfter) << kOffsetAfter << kOffsetAfter;
  QTest::newRow("wrong everywhere") << "3" << 3 << 3;
}

void FolioBookTest::Links() {
  using namespace folio_book;
  QFETCH(QString, offset);
  QFETCH(int, before);
  QFETCH(int, after);
  const QString book = dir_.filePath(QStringLiteral("links %1.djvu").arg(offset));
  QFile::copy(book_, book);
  const CliRun r = Cli({"create", "--pages", QStringLiteral("%1-%2").arg(kContentsFirst).arg(kContentsLast),
                        "--offset", offset, book});
  QCOMPARE(r.status, 0);
  const QString log = QString::fromUtf8(r.err);
  QVERIFY2(log.contains(QStringLiteral("Редактирование файла %1 завершено").arg(book)), r.err.constData());

  QStringList targets;
  for (int page = kContentsFirst; page <= kContentsLast; ++page) {
    targets << LinkTargets(book, QStringLiteral("p%1.djvu").arg(page));
  }
  QStringList expected;
  int wrong = 0;
  for (int printed : ContentsNumbers()) {
    const int target = printed + (printed < kFirstAfterPlates ? before : after);
    // No link past the book: by the map, or by a fixed offset's last page.
    const bool placed = offset == QLatin1String("auto") ? printed <= kLastPrinted : target <= kPages;
    if (placed) expected << QStringLiteral("#%1").arg(target);
    const bool plate = target >= kFirstPlate && target < kFirstPlate + kPlates;  // shows no number
    if (target <= kPages && !plate && target != PageOfPrinted(printed)) ++wrong;
  }
  QCOMPARE(targets, expected);

  if (offset == QLatin1String("auto")) {
    QVERIFY2(log.contains(QStringLiteral("Страницы по номерам книги, смещение: +%1, +%2").arg(before).arg(after)),
             r.err.constData());
    QVERIFY2(log.contains(QStringLiteral("Номера, которых нет в книге, ссылки не созданы (1): %1")
                              .arg(ContentsNumbers().last())),
             r.err.constData());
  } else if (wrong > 0) {
    // A few targets spread over the book are checked; the plates shift some.
    QVERIFY2(log.contains(QStringLiteral("Внимание: смещение +%1 не совпадает с номерами страниц книги у ").arg(offset)),
             r.err.constData());
  } else {
    QVERIFY2(!log.contains(QStringLiteral("Внимание")), r.err.constData());
  }
}

// A document drawn in engineering frames: no running heads, each sheet's
// number in its stamp's "Лист" cell. A cover page comes before the title
// sheet (sheet 1, unnumbered), so sheet N is page N + 1.
void FolioBookTest::DrawingSheets() {
  QList<Page> pages{{PageText({Line(900, QStringLiteral("УТВЕРЖДАЮ"), 500)}), {}},
                    {PageText({Line(900, QStringLiteral("ПОЯСНИТЕЛЬНАЯ ЗАПИСКА"), 300)}), {}}};
  for (int sheet = 2; sheet <= 11; ++sheet) {
    QList<TextLine> lines;
    if (sheet == 2) {
      lines << Line(1500, QStringLiteral("Содержание"), 500) << Line(1400, QStringLiteral("1 Общие положения 4"))
            << Line(1340, QStringLiteral("2 Расчёт балки 7")) << Line(1280, QStringLiteral("3 Заключение 10"));
    } else {
      lines << Line(900, QStringLiteral("Текст листа %1").arg(sheet));
    }
    lines << Line(100, QStringLiteral("АБВГ.123456.001 ПЗ"), 720) << Line(100, QStringLiteral("Лист"), 1120)
          << Line(45, QStringLiteral("Изм. Лист № докум. Подп. Дата"), 130)
          << Line(45, QString::number(sheet), 1150) << Line(0, QStringLiteral("Копировал Формат А4"), 780);
    pages << Page{PageText(lines), {}};
  }
  const QString book = dir_.filePath(QStringLiteral("записка.djvu"));
  BuildDocument(book, pages);

  const CliRun offsets = Cli({"offsets", book});
  QCOMPARE(offsets.status, 0);
  QVERIFY2(offsets.out.contains("стр. 2-12: номера 1-11, смещение +1"), offsets.out.constData());

  const CliRun create = Cli({"create", "--mode", "contents-auto", "--pages", "3-3", "--offset", "auto", book});
  QCOMPARE(create.status, 0);
  QVERIFY2(LinkTargets(book, QStringLiteral("p3.djvu")) == (QStringList{"#5", "#8", "#11"}), create.err.constData());
}

QTEST_GUILESS_MAIN(FolioBookTest)
#include "test_folio_book.moc"

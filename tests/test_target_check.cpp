// Automatic links checked against the text of the pages they lead to, end to
// end on built books: a misread number corrected, one left unlinked and
// listed while the book gets its other links, a page without hidden text
// trusted, and a number read again from the page image, by Tesseract or by
// the book's own digit shapes.
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_process.h"
#include "support/djvu_documents.h"
#include "support/link_areas.h"
#include "support/printed_pages.h"

using namespace testdocs;

namespace {

constexpr int kBookPages = 70;

using PageTexts = QMap<int, QString>;  // page -> its hidden text's words; "" for no hidden text

// Page 1 shows `lines`; every other page holds "Прочий текст" but for those
// `texts` names.
QList<Page> Book(const QList<TextLine>& lines, const PageTexts& texts) {
  QList<Page> pages{Page{PageText(lines), {}}};
  for (int page = 2; page <= kBookPages; ++page) {
    const QString words = texts.value(page, QStringLiteral("Прочий текст"));
    pages << Page{words.isEmpty() ? QByteArray() : PageText({Line(1500, words)}), {}};
  }
  return pages;
}

// The targets of the links on page 1: "#53", ...
QStringList Targets(const QString& book) { return LinkTargets(book, QStringLiteral("p1.djvu")); }

}  // namespace

class TargetCheckTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }
  void LinksChecked_data();
  void LinksChecked();
  void NumberReadFromTheImage();
  void NumberReadByTheBooksDigits();
  void TesseractMissing();

 private:
  QTemporaryDir dir_;
};

void TargetCheckTest::LinksChecked_data() {
  QTest::addColumn<QString>("mode");
  QTest::addColumn<QList<TextLine>>("lines");
  QTest::addColumn<PageTexts>("texts");
  QTest::addColumn<QStringList>("targets");
  QTest::addColumn<QStringList>("logged");     // lines the log holds
  QTest::addColumn<QStringList>("notLogged");  // and lines it does not
  const QList<TextLine> index{Line(1500, "Кривая Безье, 23"), Line(1450, "Окружность, 9")};
  QTest::newRow("index number corrected")
      << "index-auto" << index << PageTexts{{53, "строим кривые Безье"}, {9, "Окружность"}}
      << QStringList{"#53", "#9"} << QStringList{"Исправлены номера по тексту страниц: 1 (стр. 1: 23 → 53)"}
      << QStringList{"Сомнительные"};
  // 23 could be 28 or 53: the number was misread, but into which?
  QTest::newRow("two pages would do: unlinked and listed, the rest linked")
      << "index-auto" << index << PageTexts{{28, "Кривая Безье"}, {53, "кривые Безье"}, {9, "Окружность"}}
      << QStringList{"#9"} << QStringList{"Сомнительные номера, ссылки не созданы: 1 (стр. 1: «Кривая Безье, 23»)"}
      << QStringList{"Исправлены"};
  QTest::newRow("nothing speaks against the number: kept")
      << "index-auto" << index << PageTexts{{9, "Окружность"}} << QStringList{"#23", "#9"} << QStringList{}
      << QStringList{"Сомнительные", "Исправлены"};
  QTest::newRow("a target without hidden text is trusted")
      << "index-auto" << index << PageTexts{{23, ""}, {9, "Окружность"}} << QStringList{"#23", "#9"}
      << QStringList{} << QStringList{"Сомнительные", "Исправлены"};
  // 17 could be 47, 27, 11 or 12 (77 is past the book): only page 47 holds the title.
  QTest::newRow("contents number corrected")
      << "contents-auto"
      << QList<TextLine>{Line(1500, "Введение . . . . . 3"), Line(1450, "Кривые Безье . . . . . 17"),
                         Line(1400, "Заключение . . . . . 60")}
      << PageTexts{{3, "Введение"}, {47, "Кривые Безье"}, {60, "Заключение"}} << QStringList{"#3", "#47", "#60"}
      << QStringList{"Исправлены номера по тексту страниц: 1 (стр. 1: 17 → 47)"} << QStringList{"Сомнительные"};
}

void TargetCheckTest::LinksChecked() {
  QFETCH(QString, mode);
  QFETCH(QList<TextLine>, lines);
  QFETCH(PageTexts, texts);
  QFETCH(QStringList, targets);
  QFETCH(QStringList, logged);
  QFETCH(QStringList, notLogged);
  const QString book = dir_.filePath(QStringLiteral("%1.djvu").arg(QTest::currentDataTag()));
  BuildDocument(book, Book(lines, texts));
  const CliRun run = Cli({"create", "--mode", mode, "--pages", "1-1", "--offset", "0", book});
  QCOMPARE(run.status, 0);
  const QString log = QString::fromUtf8(run.err);
  for (const QString& line : logged) QVERIFY2(log.contains(line), qPrintable(log));
  for (const QString& line : notLogged) QVERIFY2(!log.contains(line), qPrintable(log));
  QCOMPARE(Targets(book), targets);
}

void TargetCheckTest::NumberReadFromTheImage() {
  if (QStandardPaths::findExecutable(QStringLiteral("tesseract")).isEmpty()) QSKIP("Tesseract is not installed");
  // The page shows 53, its hidden text says 23; pages 28 and 53 both hold the
  // term, so only the picture tells which one is meant.
  QList<PrintedPage> pages(kBookPages, PrintedPage{{}, true, {}});
  pages[0] = PrintedPage{{"Кривая Безье, 53"}, true, {{"53", "23"}}};
  pages[22].lines = QStringList{"Прочий текст"};
  pages[27].lines = QStringList{"Кривая Безье"};
  pages[52].lines = QStringList{"Кривые Безье"};
  const QString book = dir_.filePath(QStringLiteral("drawn.djvu"));
  BookOfPrintedPages(book, pages);
  const CliRun run = Cli({"create", "--mode", "index-auto", "--pages", "1-1", "--offset", "0", book});
  QCOMPARE(run.status, 0);
  QVERIFY2(run.err.contains("Перечитаны с изображения страниц сомнительные номера: 1, из них исправлено: 1"),
           run.err.constData());
  QVERIFY2(run.err.contains("Исправлены номера по тексту страниц: 1 (стр. 1: 23 → 53)"), run.err.constData());
  QCOMPARE(Targets(book), QStringList{"#53"});
}

void TargetCheckTest::NumberReadByTheBooksDigits() {
  // An index of 22 numbers on two pages, each term on its page. It shows
  // 54 where the hidden text says 51, and both pages hold the term, so the
  // text alone keeps 51; a 58 read as 53, and corrected by the text, makes
  // the index show misreadings. The digits of the other numbers tell the
  // picture's 4 from a 1.
  const QStringList syllables{"ба", "ве", "ги", "до", "жу", "зе", "ки", "ло", "му", "не", "по"};
  QList<PrintedPage> pages(kBookPages, PrintedPage{{"Прочий текст"}, true, {}});
  pages[0].lines.clear();
  pages[1].lines.clear();
  QMap<int, QStringList> termsOn;
  const auto add = [&](int drawn, const QString& term) {
    pages[pages[0].lines.size() < 14 ? 0 : 1].lines << QStringLiteral("%1, %2").arg(term).arg(drawn);
    termsOn[drawn] << term;
  };
  for (int number = 10; number <= 29; ++number) {
    add(number, syllables[number % 11] + syllables[number / 11] + syllables[(number * 7) % 11]);
  }
  add(54, QStringLiteral("мерило"));
  termsOn[51] << QStringLiteral("мерило");
  add(58, QStringLiteral("дугами"));
  pages[1].misread = {{"54", "51"}, {"58", "53"}};
  for (auto on = termsOn.begin(); on != termsOn.end(); ++on) pages[on.key() - 1].lines << on.value().join(u' ');
  const QString book = dir_.filePath(QStringLiteral("digits.djvu"));
  BookOfPrintedPages(book, pages);
  const CliRun run = Cli({"create", "--mode", "index-auto", "--pages", "1-2", "--offset", "0", book});
  QCOMPARE(run.status, 0);
  // Page 1 shows no misreading: only page 2's numbers are read by their shapes.
  QVERIFY2(run.err.contains("Номера сверены с начертанием цифр книги (стр. 2)"), run.err.constData());
  QVERIFY2(run.err.contains("Исправлены номера по тексту страниц: 2 (стр. 2: 51 → 54, стр. 2: 53 → 58)"), run.err.constData());
  const QStringList targets = Targets(book) + LinkTargets(book, QStringLiteral("p2.djvu"));
  QVERIFY2(targets.contains("#54") && !targets.contains("#51"), qPrintable(targets.join(u' ')));
  QCOMPARE(targets.size(), 22);
}

void TargetCheckTest::TesseractMissing() {
  // Without Tesseract the check alone stands: the doubtful link is left out,
  // the others written, and the log says the numbers were not read again.
  const QString book = dir_.filePath(QStringLiteral("no-tesseract.djvu"));
  BuildDocument(book, Book({Line(1500, "Кривая Безье, 23"), Line(1450, "Окружность, 9")},
                           {{28, "Кривая Безье"}, {53, "кривые Безье"}, {9, "Окружность"}}));
  QTemporaryDir bin;
  for (const char* tool : {"djvused", "ddjvu"}) QFile::link(RequireTool(tool), QDir(bin.path()).filePath(tool));
  const CliRun run = Cli({"create", "--mode", "index-auto", "--pages", "1-1", "--offset", "0", book}, bin.path().toUtf8());
  QCOMPARE(run.status, 0);
  QVERIFY2(run.err.contains("Программа tesseract не найдена: сомнительные номера не перечитаны с изображения страниц"),
           run.err.constData());
  QVERIFY2(run.err.contains("Сомнительные номера, ссылки не созданы: 1"), run.err.constData());
  QCOMPARE(Targets(book), QStringList{"#9"});
}

QTEST_MAIN(TargetCheckTest)
#include "test_target_check.moc"

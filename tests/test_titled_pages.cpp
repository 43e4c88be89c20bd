// Books whose pages carry titles (their printed numbers, Roman first): every
// link and bookmark the program writes, followed as the viewers follow them,
// opens the page it opens in the same book without titles; the program's own
// readings of links (the list, the preview) follow them the same way, and the
// titles serve as the book's page numbers.
#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "align/fix_run.h"
#include "create/create_run.h"
#include "djvused/component_list.h"
#include "djvused/page_targets.h"
#include "preview/row_preview.h"
#include "support/cli_process.h"
#include "support/create_rows.h"
#include "support/djvu_documents.h"
#include "support/recording_front_end.h"
#include "support/viewer_pages.h"

using namespace testdocs;

namespace {

constexpr int kPages = 30;
constexpr int kFrontPages = 4;  // titled i-iv, so page 5 is titled "1"
const QString kIdsLine = QStringLiteral("Страницы книги названы, ссылки ведут на имена страниц");

// A book whose page 2 holds the given lines, every other page a line of text.
QList<Page> Book(const QList<TextLine>& page2) {
  QList<Page> pages(kPages, Page{PageText({Line(1500, "Текст")}), {}});
  pages[1].text = PageText(page2);
  return pages;
}

// "ls" of a document given as page lines "ID" or "ID T=TITLE".
PageTargets TargetsOf(const QStringList& pages) {
  QByteArray ls;
  for (int i = 0; i < pages.size(); ++i) ls += QStringLiteral("%1 P %2  %3\n").arg(i + 1, 4).arg(100, 8).arg(pages[i]).toUtf8();
  return PageTargets(ReadComponentList(ls));
}

}  // namespace

class TitledPagesTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void ViewerReading_data();
  void ViewerReading();
  void IdsOnlyWhereEveryViewerAgrees();
  void EveryWorkTypeOpensTheSamePages_data();
  void EveryWorkTypeOpensTheSamePages();
  void OldLinksInAnyFormAreReplacedAndShown();
  void IdsThatReadLikeTitlesAreNotWritten();
  void ListShowsThePageOpened();
  void TitlesAreThePrintedNumbers();

 private:
  // Runs the row on the book (with "Создать закладки" when outline); the log.
  QString Create(const CreateJob& row, bool outline);
  QTemporaryDir dir_;
  QString work_;
};

void TitledPagesTest::init() {
  work_ = dir_.filePath(QStringLiteral("work-%1").arg(QTest::currentTestFunction()));
  QDir().mkpath(work_);
}

QString TitledPagesTest::Create(const CreateJob& row, bool outline) {
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::CreateOutline, outline);
  frontEnd.AddCreateRow(row);
  DjvusedRunner runner(work_, QString());
  if (!CreateRun(frontEnd, runner).Run()) qWarning() << frontEnd.Errors() << frontEnd.Messages();
  return frontEnd.Log().Text();
}

void TitledPagesTest::ViewerReading_data() {
  QTest::addColumn<QStringList>("pages");
  QTest::addColumn<QString>("url");
  QTest::addColumn<int>("current");
  QTest::addColumn<int>("opened");
  QTest::addColumn<bool>("ambiguous");
  const QStringList untitled{"p1.djvu", "p2.djvu", "p3.djvu", "p4.djvu"};
  const QStringList titled{"p1.djvu T=i", "p2.djvu T=ii", "p3.djvu T=1", "p4.djvu T=2"};
  QTest::newRow("untitled: a number") << untitled << "#3" << 1 << 3 << false;
  QTest::newRow("untitled: an id") << untitled << "#p2.djvu" << 1 << 2 << false;
  QTest::newRow("untitled: no such page") << untitled << "#9" << 1 << 0 << false;
  QTest::newRow("web address") << untitled << "http://x.org/#3" << 1 << 0 << false;
  QTest::newRow("titled: a number is a title first") << titled << "#1" << 1 << 3 << false;
  QTest::newRow("titled: a number without such a title") << titled << "#4" << 1 << 4 << false;
  QTest::newRow("titled: an id") << titled << "#p2.djvu" << 4 << 2 << false;
  QTest::newRow("titled: a Roman title") << titled << "#ii" << 1 << 2 << false;
  QTest::newRow("titled: $ is a page number") << titled << "#$1" << 3 << 1 << false;
  QTest::newRow("relative forward") << titled << "#+2" << 1 << 3 << false;
  QTest::newRow("relative back") << titled << "#-1" << 3 << 2 << false;
  QTest::newRow("relative out of the book") << titled << "#-1" << 1 << 0 << false;
  // The Qt viewer takes the title, the document API the id.
  QTest::newRow("a title that is another page's id")
      << QStringList{"p1.djvu T=p2.djvu", "p2.djvu", "3"} << "#p2.djvu" << 2 << 1 << true;
  // The Qt viewer reads the number, the document API finds the id "3".
  QTest::newRow("an id that is another page's number")
      << QStringList{"3 T=i", "p2.djvu T=ii", "p3.djvu T=iii"} << "#3" << 1 << 3 << true;
  QTest::newRow("a saved name") << QStringList{"p1.djvu T=i F=one.djvu", "p2.djvu T=ii"} << "#one.djvu" << 2 << 1
                                << false;
}

void TitledPagesTest::ViewerReading() {
  QFETCH(QStringList, pages);
  QFETCH(QString, url);
  QFETCH(int, current);
  const PageTargets::Opened opened = TargetsOf(pages).Open(url.toUtf8(), current);
  QTEST(opened.page, "opened");
  QTEST(opened.ambiguous, "ambiguous");
}

void TitledPagesTest::IdsOnlyWhereEveryViewerAgrees() {
  const PageTargets untitled = TargetsOf({"p1.djvu", "p2.djvu"});
  QVERIFY(!untitled.WritesIds());
  QCOMPARE(untitled.UrlOf(2), QByteArray("#2"));

  const PageTargets titled = TargetsOf({"p1.djvu T=i", "p2 \"x\".djvu T=1"});
  QVERIFY(titled.WritesIds());
  QCOMPARE(titled.UrlOf(2), QByteArray("#p2 \"x\".djvu"));
  QCOMPARE(titled.UrlOf(3), QByteArray("#3"));  // no such page: as it is
  QCOMPARE(titled.Opens(2), 2);

  // A title equal to another page's id, an id that reads as another page's number.
  for (const QStringList& pages : {QStringList{"p1.djvu T=p2.djvu", "p2.djvu T=1"}, QStringList{"2 T=i", "x.djvu T=1"}}) {
    const PageTargets clash = TargetsOf(pages);
    QVERIFY(clash.Titled());
    QVERIFY(!clash.WritesIds());
    QVERIFY(clash.IdBlocker().has_value());
    QCOMPARE(clash.UrlOf(2), QByteArray("#2"));
  }
}

void TitledPagesTest::EveryWorkTypeOpensTheSamePages_data() {
  QTest::addColumn<QString>("mode");
  QTest::addColumn<QString>("offset");
  QTest::addColumn<QList<TextLine>>("page2");
  QTest::addColumn<bool>("outline");
  QTest::addColumn<bool>("fix");
  const QList<TextLine> contents{Line(1600, "Содержание"), Line(1500, "Введение 3"), Line(1450, "Цели 4", 160),
                                 Line(1400, "Основы ....... 7"), Line(1350, "Итоги 19")};
  const auto word = [](int left, int right, const QString& text) {
    return TextLine{left, 1300, right, 1340, {Word{20, 1300, 80, 1340, "Абажур"}, Word{left, 1300, right, 1340, text}}};
  };
  QTest::newRow("contents, described, with bookmarks, fixed") << "0" << "4" << contents << true << true;
  QTest::newRow("contents, automatic, with bookmarks, fixed") << "3" << "4" << contents << true << true;
  QTest::newRow("index, one column") << "1" << "4"
                                     << QList<TextLine>{Line(1500, "Абажур 12, 21"), Line(1400, "Абрис 3")} << false
                                     << false;
  QTest::newRow("index, two columns") << "2" << "4" << QList<TextLine>{word(100, 400, "12,15,20")} << false << false;
  QTest::newRow("index, automatic") << "4" << "4"
                                    << QList<TextLine>{Line(1500, "Указатель"), Line(1400, "Абажур, 12, 21"),
                                                       Line(1350, "Абрис, 3"), Line(1300, "Вектор, 7")}
                                    << false << false;
}

void TitledPagesTest::EveryWorkTypeOpensTheSamePages() {
  QFETCH(QString, mode);
  QFETCH(QString, offset);
  QFETCH(QList<TextLine>, page2);
  QFETCH(bool, outline);
  QFETCH(bool, fix);
  const QString plain = dir_.filePath(QStringLiteral("plain %1.djvu").arg(QTest::currentDataTag()));
  const QString titled = dir_.filePath(QStringLiteral("titled %1.djvu").arg(QTest::currentDataTag()));
  BuildDocument(plain, Book(page2));
  BuildDocument(titled, Book(page2));
  SetPageTitles(titled, PrintedTitles(kFrontPages, kPages));

  const QString plainLog = Create(Row(plain, 2, 2, mode, offset), outline);
  const QString titledLog = Create(Row(titled, 2, 2, mode, offset), outline);
  QVERIFY(!plainLog.contains(kIdsLine));
  QVERIFY2(titledLog.contains(kIdsLine), qPrintable(titledLog));

  const QStringList links = FollowedLinks(plain);
  QVERIFY(links.size() >= 2);
  QCOMPARE(FollowedLinks(titled), links);
  QVERIFY(OutputAnt(titled).contains("\"#p"));
  if (outline) {
    const QStringList bookmarks = FollowedBookmarks(plain);
    QVERIFY(bookmarks.size() >= 3);
    QCOMPARE(FollowedBookmarks(titled), bookmarks);
  }
  // The same row again replaces its own links: the book does not change.
  const QByteArray once = OutputAnt(titled);
  Create(Row(titled, 2, 2, mode, offset), outline);
  QCOMPARE(OutputAnt(titled), once);

  if (!fix) return;
  for (const QString& book : {plain, titled}) {
    HeadlessFrontEnd frontEnd;
    frontEnd.AddFixRow(FixJob::FromPath(book));
    DjvusedRunner runner(work_, QString());
    QVERIFY(FixRun(frontEnd, runner).Run());
  }
  const QStringList fixed = FollowedLinks(plain);
  QVERIFY(fixed != links);  // the fix job did align the links
  QCOMPARE(FollowedLinks(titled), fixed);
}

void TitledPagesTest::OldLinksInAnyFormAreReplacedAndShown() {
  // Page 2 already links its first line in three forms, made for page 5.
  const QByteArray old = "(maparea \"#5\" \"\" (rect 100 1500 200 40 ) (xor ) )\n"
                         "(maparea \"#$5\" \"\" (rect 100 1500 200 40 ) (xor ) )\n"
                         "(maparea \"#p5.djvu\" \"\" (rect 100 1500 200 40 ) (xor ) )\n"
                         "(maparea \"http://x.org/\" \"\" (rect 100 1500 200 40 ) (xor ) )";
  QList<Page> pages = Book({Line(1500, "Введение 1"), Line(1400, "Основы 3")});
  pages[1].annotations = old;
  const QString book = dir_.filePath(QStringLiteral("old links.djvu"));
  BuildDocument(book, pages);
  SetPageTitles(book, PrintedTitles(kFrontPages, kPages));

  // The preview labels each with the page a viewer opens, and says when it is not the page it names.
  DjvusedRunner runner(work_, QString());
  const RowPreview preview = PreviewCreateRow(runner, Row(book, 2, 2, "0", "4"), false);
  QStringList labels;
  for (const PreviewArea& area : preview.pages.value(0).areas) {
    labels << QStringLiteral("%1%2").arg(TargetText(area), area.inDocument ? QStringLiteral(" =") : QString());
  }
  // The row's first link is in the book twice ("#$5", "#p5.djvu"); "#5" opens the page titled 5.
  QCOMPARE(labels, (QStringList{"5 =", "7", "9 («#5» ведёт не на стр. 5)", "http://x.org/"}));

  Create(Row(book, 2, 2, "0", "4"), false);
  QCOMPARE(FollowedLinks(book), (QStringList{"2 → http://x.org/ 100 1500 200 40", "2 → 5 100 1500 200 40",
                                             "2 → 7 100 1400 160 100"}));
  // Now the preview finds the row's links in the book.
  const RowPreview after = PreviewCreateRow(runner, Row(book, 2, 2, "0", "4"), false);
  int inDocument = 0;
  for (const PreviewArea& area : after.pages.value(0).areas) inDocument += area.inDocument;
  QCOMPARE(inDocument, 2);
}

void TitledPagesTest::IdsThatReadLikeTitlesAreNotWritten() {
  // Page 1's id "a T=i.djvu" is listed like the page "a" titled "i.djvu".
  const QString folder = dir_.filePath(QStringLiteral("pages"));
  QDir().mkpath(folder);
  const QList<Page> pages = Book({Line(1500, "Введение 1"), Line(1400, "Основы 3")});
  QStringList names;
  for (int i = 0; i < pages.size(); ++i) {
    names << (i == 0 ? QStringLiteral("a T=i.djvu") : QStringLiteral("p%1.djvu").arg(i + 1));
    BuildDocument(QDir(folder).filePath(names.last()), {pages[i]}, true);
  }
  const QString book = dir_.filePath(QStringLiteral("odd ids.djvu"));
  QProcess djvm;
  djvm.setWorkingDirectory(folder);
  djvm.start(RequireTool("djvm"), QStringList{"-c", book} + names);
  QVERIFY(djvm.waitForFinished() && djvm.exitCode() == 0);
  QStringList titles = PrintedTitles(kFrontPages, kPages);
  titles[0].clear();
  SetPageTitles(book, titles);

  const QString log = Create(Row(book, 2, 2, "0", "4"), false);
  QVERIFY2(log.contains("их имена в списке djvused читаются неоднозначно"), qPrintable(log));
  QVERIFY(OutputAnt(book).contains("(maparea \"#5\""));
}

void TitledPagesTest::ListShowsThePageOpened() {
  const QString book = dir_.filePath(QStringLiteral("list.djvu"));
  BuildDocument(book, Book({Line(1500, "Введение 1"), Line(1400, "Основы 3")}));
  SetPageTitles(book, PrintedTitles(kFrontPages, kPages));
  const CliRun tsv = Cli({"create", "--pages", "2-2", "--offset", "4", "--outline", "--dry-run", "--list", book});
  QCOMPARE(tsv.status, 0);
  const QList<QByteArray> lines = tsv.out.trimmed().split('\n');
  QCOMPARE(lines.size(), 2);
  QCOMPARE(lines[0].split('\t').mid(2, 1), QList<QByteArray>{"5"});
  QCOMPARE(lines[0].split('\t').mid(8), (QList<QByteArray>{"1", "#p5.djvu"}));  // the level, then the URL

  const CliRun json = Cli({"create", "--pages", "2-2", "--offset", "4", "--dry-run", "--json", book});
  QCOMPARE(json.status, 0);
  const QJsonObject link = QJsonDocument::fromJson(json.out).object()["links"].toArray()[1].toObject();
  QCOMPARE(link["target"].toInt(), 7);
  QCOMPARE(link["url"].toString(), QStringLiteral("#p7.djvu"));
}

void TitledPagesTest::TitlesAreThePrintedNumbers() {
  // No page shows a number in its hidden text: only the titles say them.
  const QString book = dir_.filePath(QStringLiteral("numbers.djvu"));
  BuildDocument(book, Book({Line(1500, "Введение 1"), Line(1400, "Основы 3"), Line(1300, "Предисловие ii")}));
  SetPageTitles(book, PrintedTitles(kFrontPages, kPages));

  const CliRun offsets = Cli({"offsets", book});
  QCOMPARE(offsets.status, 0);
  QVERIFY2(offsets.out.contains("смещение +4"), offsets.out.constData());

  const CliRun list = Cli({"create", "--pages", "2-2", "--offset", "auto", "--dry-run", "--list", book});
  QCOMPARE(list.status, 0);
  QStringList targets;
  for (const QByteArray& line : list.out.trimmed().split('\n')) targets << QString::fromUtf8(line.split('\t').value(2));
  QCOMPARE(targets, (QStringList{"5", "7"}));

  // A fixed offset that misses the titles is named in the log.
  const CliRun wrong = Cli({"create", "--pages", "2-2", "--offset", "2", "--dry-run", book});
  QCOMPARE(wrong.status, 0);
  QVERIFY2(wrong.err.contains("3 → стр. 5 (на ней 1)"), wrong.err.constData());

  // Titles that only count the pages ("1" on page 1, as a converter writes
  // them when its source has no page labels) are not the printed numbers.
  const QString counted = dir_.filePath(QStringLiteral("counted.djvu"));
  BuildDocument(counted, Book({Line(1500, "Введение 1")}));
  SetPageTitles(counted, PrintedTitles(0, kPages));
  const CliRun none = Cli({"offsets", counted});
  QVERIFY2(!none.out.contains("смещение"), none.out.constData());
}

QTEST_GUILESS_MAIN(TitledPagesTest)
#include "test_titled_pages.moc"

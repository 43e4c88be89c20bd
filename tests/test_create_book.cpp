// The whole-book work type end to end on books built from nothing: the
// contents lists and the index found wherever the book puts them, each
// linked to the page that carries its printed number, the outline from the
// main contents list only, the search bounded by the row's pages, and a book
// with neither part left byte for byte as it was. Then the guard of the
// automatic contents and index types over a range that holds other pages.
#include <QTemporaryDir>
#include <QtTest>

#include "create/create_run.h"
#include "support/cli_process.h"
#include "support/create_rows.h"
#include "support/djvu_documents.h"
#include "support/link_areas.h"
#include "support/parts_book.h"
#include "support/recording_front_end.h"

using namespace testdocs;

namespace {

// The index builder's numbers per page: 24 terms, every third with one number.
constexpr int kIndexNumbersPerPage = 8 + 16 * 2;

// The targets of the links of the contents list on `pages` (document pages,
// in order): the builder's numbers 1, 3, 5, ... each on the page kOffset on.
QStringList ContentsTargets(int pages) {
  QStringList targets;
  for (int k = 0; k < pages * parts_book::kEntriesPerPage; ++k) {
    targets << QStringLiteral("#%1").arg(1 + parts_book::kStep * k + parts_book::kOffset);
  }
  return targets;
}

using PageCounts = QMap<int, int>;

// Page id "p12.djvu" -> its number of links.
PageCounts LinkCounts(const QString& book) {
  PageCounts counts;
  const QMap<QString, QStringList> links = LinksByPage(book);
  for (auto it = links.begin(); it != links.end(); ++it) {
    if (!it.value().isEmpty()) counts[it.key().mid(1).chopped(5).toInt()] = int(it.value().size());
  }
  return counts;
}

int BookmarkCount(const QString& book) { return int(Djvused({book, "-e", "print-outline"}).count("\"#")); }

}  // namespace

class CreateBookTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void PartsLinked_data();
  void PartsLinked();
  void PagesBoundTheSearch();
  void FixedOffsetIsChecked();
  void NothingFound();
  void CommandLine();
  void TitlesGiveTheOffset_data();
  void TitlesGiveTheOffset();
  void AutomaticTypesKeepToTheirKind_data();
  void AutomaticTypesKeepToTheirKind();

 private:
  QString Build(const QString& layout, const QString& heading = QStringLiteral("Указатель"));
  // Runs one row over the book; `outline`: "Создать закладки".
  QString Run(const CreateJob& row, bool outline = false);
  QTemporaryDir dir_;
  QString work_;
};

void CreateBookTest::init() {
  work_ = dir_.filePath(QStringLiteral("work-%1").arg(QTest::currentTestFunction()));
  QDir().mkpath(work_);
}

QString CreateBookTest::Build(const QString& layout, const QString& heading) {
  static int books = 0;
  const QString path = dir_.filePath(QStringLiteral("книга %1.djvu").arg(++books));
  parts_book::Build(path, layout, heading);
  return path;
}

QString CreateBookTest::Run(const CreateJob& row, bool outline) {
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::CreateOutline, outline);
  frontEnd.AddCreateRow(row);
  DjvusedRunner runner(work_, QString());
  const bool finished = CreateRun(frontEnd, runner).Run();
  const QString log = frontEnd.Log().Text();
  if (!finished) qWarning("%s", qPrintable(log));
  return finished ? log : QString();
}

// A row of the whole-book type over pages first-last, targets through the
// book's page numbers.
CreateJob BookRow(const QString& book, int first, int last) {
  CreateJob row = Row(book, first, last, QStringLiteral("5"), QStringLiteral("0"));
  row.settings.bookNumbers = true;
  return row;
}

void CreateBookTest::PartsLinked_data() {
  QTest::addColumn<QString>("layout");
  QTest::addColumn<QString>("heading");
  QTest::addColumn<QList<int>>("mainPages");   // the main contents list
  QTest::addColumn<PageCounts>("links");   // document page -> links on it
  QTest::addColumn<QString>("found");          // the log's line of what was found
  const int c = parts_book::kEntriesPerPage, i = kIndexNumbersPerPage;
  QTest::newRow("contents at the front, index under Предметный указатель")
      << "t1 b1 c2 b52 i3 b1" << QStringLiteral("Предметный указатель") << QList<int>{3, 4}
      << PageCounts{{3, c}, {4, c}, {57, i}, {58, i}, {59, i}}
      << QStringLiteral("Содержание: стр. 3–4, указатель: стр. 57–59, смещение +4; создано ссылок: %1")
             .arg(2 * c + 3 * i);
  QTest::newRow("contents at the end, after the index under Алфавитный указатель")
      << "t1 b54 i2 c2" << QStringLiteral("Алфавитный указатель") << QList<int>{58, 59}
      << PageCounts{{56, i}, {57, i}, {58, c}, {59, c}}
      << QStringLiteral("Содержание: стр. 58–59, указатель: стр. 56–57, смещение +4; создано ссылок: %1")
             .arg(2 * c + 2 * i);
  QTest::newRow("a short and a full contents, a list of figures, Index")
      << "t1 s1 c2 f1 b50 i3" << QStringLiteral("Index") << QList<int>{3, 4}
      << PageCounts{{2, 5}, {3, c}, {4, c}, {5, 8}, {56, i}, {57, i}, {58, i}}
      << QStringLiteral("Содержание: стр. 2–5 (3 списка), указатель: стр. 56–58, смещение +4; создано ссылок: %1")
             .arg(5 + 2 * c + 8 + 3 * i);
  QTest::newRow("no index") << "t1 c2 b56" << QString() << QList<int>{2, 3}
                            << PageCounts{{2, c}, {3, c}}
                            << QStringLiteral("Содержание: стр. 2–3, указатель не найден, смещение +4; "
                                              "создано ссылок: %1")
                                   .arg(2 * c);
  QTest::newRow("an index alone") << "t1 b55 i3" << QStringLiteral("Указатель") << QList<int>{}
                                  << PageCounts{{57, i}, {58, i}, {59, i}}
                                  << QStringLiteral("Содержание не найдено, указатель: стр. 57–59, смещение +4; "
                                                    "создано ссылок: %1")
                                         .arg(3 * i);
}

void CreateBookTest::PartsLinked() {
  QFETCH(QString, layout);
  QFETCH(QString, heading);
  QFETCH(QList<int>, mainPages);
  QFETCH(PageCounts, links);
  QFETCH(QString, found);
  const QString book = Build(layout, heading);
  const QString log = Run(BookRow(book, 1, 1000), true);
  QVERIFY2(log.contains(found), qPrintable(log));
  QCOMPARE(LinkCounts(book), links);
  // The main list's entries lead to the pages that carry their numbers.
  QStringList mainTargets;
  for (const int page : mainPages) mainTargets << LinkTargets(book, QStringLiteral("p%1.djvu").arg(page));
  QCOMPARE(mainTargets, ContentsTargets(int(mainPages.size())));
  // One bookmark for each entry of the main list, none from the other lists.
  QCOMPARE(BookmarkCount(book), int(mainPages.size()) * parts_book::kEntriesPerPage);
}

void CreateBookTest::PagesBoundTheSearch() {
  const QString book = Build("t1 c2 b53 i3");
  const QString log = Run(BookRow(book, 1, 10));
  QVERIFY2(log.contains(QStringLiteral("Содержание: стр. 2–3, указатель не найден, смещение +4; создано ссылок: 24")),
           qPrintable(log));
  QCOMPARE(LinkCounts(book), (PageCounts{{2, 12}, {3, 12}}));
}

void CreateBookTest::FixedOffsetIsChecked() {
  // A fixed offset is used as given, and the book's numbers say it is wrong.
  const QString book = Build("t1 c2 b53 i3");
  const QString log = Run(Row(book, 1, 59, QStringLiteral("5"), QStringLiteral("3")));
  QVERIFY2(log.contains(QStringLiteral("указатель: стр. 57–59, смещение +3; создано ссылок:")), qPrintable(log));
  QVERIFY2(log.contains(QStringLiteral("Внимание")), qPrintable(log));
  QCOMPARE(LinkTargets(book, "p2.djvu").first(), QStringLiteral("#4"));
}

void CreateBookTest::NothingFound() {
  const QString book = Build("t1 b58");
  const QByteArray before = ReadFile(book);
  const QString log = Run(BookRow(book, 1, 59), true);
  QVERIFY2(log.contains(QStringLiteral("не найдено ни содержания, ни указателя")), qPrintable(log));
  QVERIFY2(!log.contains(QStringLiteral("Создано ссылок")), qPrintable(log));
  QCOMPARE(ReadFile(book), before);
}

void CreateBookTest::CommandLine() {
  // No pages and no offset: the whole book, the offset from the book.
  const QString book = Build("t1 c2 b53 i3");
  const CliRun r = Cli({"create", "--mode", "book", "--outline", book});
  QCOMPARE(r.status, 0);
  const QString log = QString::fromUtf8(r.out + r.err);
  QVERIFY2(log.contains(QStringLiteral("Страницы 1–конец, Книга целиком (авто), смещение по номерам книги")),
           qPrintable(log));
  QVERIFY2(log.contains(QStringLiteral("Содержание: стр. 2–3, указатель: стр. 57–59, смещение +4")), qPrintable(log));
  QCOMPARE(LinkCounts(book).keys(), (QList<int>{2, 3, 57, 58, 59}));
  QCOMPARE(BookmarkCount(book), 24);
}

// A book that prints no page numbers: its chapters start on pages under
// their titles, three pages on from the numbers the contents give. With the
// offset from the book, the run takes the offset the titles show, or, when
// the chapters carry no titles, says it found none and writes nothing.
void CreateBookTest::TitlesGiveTheOffset_data() {
  QTest::addColumn<QString>("type");
  QTest::addColumn<bool>("titled");
  QTest::newRow("whole book, titled chapters") << "5" << true;
  QTest::newRow("automatic contents, titled chapters") << "3" << true;
  QTest::newRow("whole book, untitled chapters") << "5" << false;
}

void CreateBookTest::TitlesGiveTheOffset() {
  QFETCH(QString, type);
  QFETCH(bool, titled);
  const QList<QPair<QString, int>> chapters{{"Введение", 1},         {"Основные понятия", 3},
                                            {"Методы решения", 6},   {"Численные примеры", 9},
                                            {"Обсуждение итогов", 12}, {"Заключение", 15}};
  constexpr int kTitleOffset = 3;
  QList<TextLine> contents{Line(1500, QStringLiteral("Содержание"), 500)};
  QList<Page> pages(20, Page{PageText({Line(900, QStringLiteral("Обычный текст страницы без номера"))}), {}});
  for (qsizetype i = 0; i < chapters.size(); ++i) {
    TextLine line = Line(1400 - 60 * int(i), chapters[i].first);
    line.words << Word{1060, line.bottom, 1100, line.top, QString::number(chapters[i].second)};
    line.right = 1100;
    contents << line;
    if (titled) {
      pages[chapters[i].second + kTitleOffset - 1] =
          Page{PageText({Line(1500, chapters[i].first, 300), Line(900, QStringLiteral("Текст главы"))}), {}};
    }
  }
  pages[1] = Page{PageText(contents), {}};
  const QString book = dir_.filePath(QStringLiteral("без номеров %1.djvu").arg(QTest::currentDataTag()));
  BuildDocument(book, pages);
  const QByteArray before = ReadFile(book);

  CreateJob row = BookRow(book, type == QLatin1String("5") ? 1 : 2, type == QLatin1String("5") ? 20 : 2);
  row.settings.workType = WorkType(type.toInt());
  const QString log = Run(row);
  if (!titled) {
    QVERIFY2(log.contains(QStringLiteral("смещение по заголовкам глав не определено")), qPrintable(log));
    QCOMPARE(ReadFile(book), before);
    return;
  }
  QVERIFY2(log.contains(QStringLiteral("Номера страниц в книге не найдены; смещение +3 найдено по заголовкам глав "
                                       "(6 из 6 записей содержания)")),
           qPrintable(log));
  QStringList expected;
  for (const auto& chapter : chapters) expected << QStringLiteral("#%1").arg(chapter.second + kTitleOffset);
  QCOMPARE(LinkTargets(book, "p2.djvu"), expected);
}

void CreateBookTest::AutomaticTypesKeepToTheirKind_data() {
  QTest::addColumn<QString>("type");
  QTest::addColumn<int>("first");
  QTest::addColumn<QList<int>>("linked");
  QTest::addColumn<QString>("skipped");  // the log line, empty: none
  QTest::newRow("index over the whole book")
      << "4" << 1 << QList<int>{57, 58, 59}
      << QStringLiteral("Страницы не похожи на указатель, пропущены: 1–56");
  QTest::newRow("contents over the whole book")
      << "3" << 1 << QList<int>{2, 3} << QStringLiteral("Страницы не похожи на содержание, пропущены: 1, 4–59");
  QTest::newRow("index over its own pages") << "4" << 57 << QList<int>{57, 58, 59} << QString();
}

void CreateBookTest::AutomaticTypesKeepToTheirKind() {
  QFETCH(QString, type);
  QFETCH(int, first);
  QFETCH(QList<int>, linked);
  QFETCH(QString, skipped);
  const QString book = Build("t1 c2 b53 i3");
  const QString log = Run(Row(book, first, 59, type, QString::number(parts_book::kOffset)));
  QCOMPARE(LinkCounts(book).keys(), linked);
  if (skipped.isEmpty()) {
    QVERIFY2(!log.contains(QStringLiteral("пропущены")), qPrintable(log));
  } else {
    QVERIFY2(log.contains(skipped), qPrintable(log));
  }
}

QTEST_GUILESS_MAIN(CreateBookTest)
#include "test_create_book.moc"

// The outline made in the create run, end to end on documents built from
// nothing: the bookmarks read back with djvused's print-outline, an old
// outline replaced (the backup keeps it), the command line's --outline with
// --dry-run.
#include <QTemporaryDir>
#include <QtTest>

#include "create/create_run.h"
#include "djvused/script_dialect.h"
#include "support/cli_process.h"
#include "support/create_rows.h"
#include "support/djvu_documents.h"
#include "support/link_areas.h"
#include "support/recording_front_end.h"

using namespace testdocs;

namespace {

QList<Page> Pages(int count) { return QList<Page>(count, Page{PageText({Line(1500, "Текст")}), {}}); }

// print-outline read back as "DEPTH TITLE #TARGET" (0 on the top level), one
// string a bookmark.
QStringList Bookmarks(const QString& document) {
  const QByteArray printed = Djvused({document, "-e", "print-outline"});
  QStringList bookmarks;
  int depth = 0;
  QList<QByteArray> strings;  // the strings of the bookmark being read
  for (qsizetype i = 0; i < printed.size(); ++i) {
    const char ch = printed[i];
    if (ch == '"') {
      QByteArray raw;
      for (++i; i < printed.size() && printed[i] != '"'; ++i) {
        if (printed[i] == '\\') raw += printed[i++];
        raw += printed[i];
      }
      strings << dialect::Unescape(raw);
      if (strings.size() == 2) {
        bookmarks << QStringLiteral("%1 %2 %3").arg(depth - 2).arg(QString::fromUtf8(strings[0]),
                                                                    QString::fromUtf8(strings[1]));
        strings.clear();
      }
    } else if (ch == '(') {
      ++depth;
    } else if (ch == ')') {
      --depth;
    }
  }
  return bookmarks;
}

}  // namespace

class CreateOutlineTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void Outline_data();
  void Outline();
  void OldOutlineReplacedBackupKeepsIt();
  void WithoutTheOptionNothingChanges();
  void CommandLine();

 private:
  bool Run(RecordingFrontEnd& frontEnd);
  // A 12-page book with two contents lines on page 2 and the outline given.
  QString BookWithOutline(const QString& name, const QByteArray& outline);
  QTemporaryDir dir_;
  QString work_;
};

void CreateOutlineTest::init() {
  work_ = dir_.filePath(QStringLiteral("work-%1").arg(QTest::currentTestFunction()));
  QDir().mkpath(work_);
}

bool CreateOutlineTest::Run(RecordingFrontEnd& frontEnd) {
  DjvusedRunner runner(work_, QString());
  frontEnd.SetChecked(Option::CreateOutline, true);
  return CreateRun(frontEnd, runner).Run();
}

void CreateOutlineTest::Outline_data() {
  QTest::addColumn<QString>("mode");
  QTest::addColumn<QList<TextLine>>("page2");
  QTest::addColumn<QList<TextLine>>("page3");  // empty: page 3 is no contents page
  QTest::addColumn<QStringList>("bookmarks");
  const QList<TextLine> none;
  // Words 20 px a character, 20 px apart, from x = 100 (or the left given).
  const QList<TextLine> flat{Line(1600, "Содержание"), Line(1500, "Введение 3"), Line(1450, "Основы, 7"),
                             Line(1400, "Итоги .......... 9")};
  const QStringList flatMarks{"0 Введение #5", "0 Основы #9", "0 Итоги #11"};
  QTest::newRow("flat, described") << "0" << flat << none << flatMarks;
  QTest::newRow("flat, automatic") << "3" << flat << none << flatMarks;

  const QList<TextLine> numbered{Line(1500, "1 Введение 3"), Line(1450, "1.1 Цели 4"), Line(1400, "1.1.1 Задачи 5"),
                                 Line(1350, "2 Основы 7")};
  const QStringList numberedMarks{"0 1 Введение #5", "1 1.1 Цели #6", "2 1.1.1 Задачи #7", "0 2 Основы #9"};
  QTest::newRow("three numbered levels, described") << "0" << numbered << none << numberedMarks;
  QTest::newRow("three numbered levels, automatic") << "3" << numbered << none << numberedMarks;

  const QList<TextLine> indented{Line(1500, "Введение 3"), Line(1450, "Цели 4", 160), Line(1400, "Задачи 5", 220),
                                 Line(1350, "Основы 7")};
  QTest::newRow("three levels by indentation")
      << "3" << indented << none << QStringList{"0 Введение #5", "1 Цели #6", "2 Задачи #7", "0 Основы #9"};
  QTest::newRow("three levels by indentation, described")
      << "0" << indented << none << QStringList{"0 Введение #5", "1 Цели #6", "2 Задачи #7", "0 Основы #9"};

  const QList<TextLine> wrapped{Line(1500, "3 Управление выводом 4"), Line(1450, "3.1 Предварительный просмотр", 160),
                                Line(1405, "графики MetaPost....... 5", 160), Line(1350, "3.2 Шаблоны 9", 160)};
  const QStringList wrappedMarks{"0 3 Управление выводом #6", "1 3.1 Предварительный просмотр графики MetaPost #7",
                                 "1 3.2 Шаблоны #11"};
  QTest::newRow("wrapped title, automatic") << "3" << wrapped << none << wrappedMarks;
  QTest::newRow("wrapped title, described") << "0" << wrapped << none << wrappedMarks;

  QTest::newRow("numbered and unnumbered sections")
      << "3"
      << QList<TextLine>{Line(1500, "Предисловие 1"), Line(1450, "1 Введение 3"), Line(1400, "1.1 Цели 4", 160),
                         Line(1350, "Упражнения 5", 160), Line(1300, "2 Основы 7"), Line(1250, "Литература 9")}
      << none
      << QStringList{"0 Предисловие #3", "0 1 Введение #5", "1 1.1 Цели #6", "1 Упражнения #7", "0 2 Основы #9",
                     "0 Литература #11"};
  QTest::newRow("contents over two pages, targets outside the document left out")
      << "3" << QList<TextLine>{Line(1500, "Глава 1. Начала 3"), Line(1450, "1.1 Точки 4", 160)}
      << QList<TextLine>{Line(1500, "1.2 Прямые 6", 160), Line(1450, "Глава 2. Кривые 8"), Line(1400, "Указатель 40")}
      << QStringList{"0 Глава 1. Начала #5", "1 1.1 Точки #6", "1 1.2 Прямые #8", "0 Глава 2. Кривые #10"};

  // Two columns side by side, their lines on shared baselines: the left
  // column is read first, each column's indentation on its own.
  const QList<TextLine> twoColumns{Line(1500, "Введение 3"), Line(1450, "Цели 4", 140), Line(1400, "Задачи 5", 140),
                                   Line(1350, "Основы 7"),   Line(1500, "Методы 12", 700), Line(1450, "Опыты 14", 740),
                                   Line(1400, "Итоги 16", 700),  Line(1350, "Литература 18", 700)};
  QTest::newRow("two columns, automatic")
      << "3" << twoColumns << none
      << QStringList{"0 Введение #5", "1 Цели #6", "1 Задачи #7", "0 Основы #9", "0 Методы #14", "1 Опыты #16",
                     "0 Итоги #18", "0 Литература #20"};
}

void CreateOutlineTest::Outline() {
  QFETCH(QString, mode);
  QFETCH(QList<TextLine>, page2);
  QFETCH(QList<TextLine>, page3);
  QFETCH(QStringList, bookmarks);
  QList<Page> pages = Pages(30);
  pages[1].text = PageText(page2);
  if (!page3.isEmpty()) pages[2].text = PageText(page3);
  const QString book = dir_.filePath(QStringLiteral("outline.djvu"));
  BuildDocument(book, pages);
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 2, page3.isEmpty() ? 2 : 3, mode, "2"));
  QVERIFY(Run(frontEnd));
  QVERIFY(frontEnd.Errors().isEmpty());
  QCOMPARE(Bookmarks(book), bookmarks);
  QVERIFY2(frontEnd.Log().Text().contains(QStringLiteral("Создано закладок: %1").arg(bookmarks.size())),
           qPrintable(frontEnd.Log().Text()));
  QVERIFY(!frontEnd.Log().Text().contains(QStringLiteral("заменено")));
}

QString CreateOutlineTest::BookWithOutline(const QString& name, const QByteArray& outline) {
  QList<Page> pages = Pages(12);
  pages[1].text = PageText({Line(1500, "Введение 3"), Line(1450, "Основы 7")});
  const QString book = dir_.filePath(name);
  BuildDocument(book, pages);
  const QString file = dir_.filePath(QString(name).replace(QLatin1Char(' '), QLatin1Char('-')) + ".outline");  // one word in -e
  WriteFile(file, outline);
  Djvused({book, "-e", "set-outline " + file, "-s"});
  return book;
}

void CreateOutlineTest::OldOutlineReplacedBackupKeepsIt() {
  const QString book = BookWithOutline(QStringLiteral("old outline.djvu"),
                                       "(bookmarks (\"Старое\" \"#1\" (\"Часть\" \"#2\" )) (\"Ещё\" \"#3\" ))\n");
  const QStringList before = Bookmarks(book);
  QCOMPARE(before, (QStringList{"0 Старое #1", "1 Часть #2", "0 Ещё #3"}));

  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::CreateBackup, true);
  frontEnd.AddCreateRow(Row(book, 2, 2, "0", "2"));
  QVERIFY(Run(frontEnd));
  QCOMPARE(Bookmarks(book), (QStringList{"0 Введение #5", "0 Основы #9"}));
  QCOMPARE(Bookmarks(book + ".backup"), before);
  // After the file's described lines.
  const QString log = frontEnd.Log().Text();
  const qsizetype finished = log.indexOf(QStringLiteral("Редактирование файла"));
  QVERIFY2(finished >= 0 && log.indexOf(QStringLiteral("Оглавление (3 закладок) заменено")) > finished, qPrintable(log));

  // Once more: the same outline, the links not doubled.
  RecordingFrontEnd again;
  again.AddCreateRow(Row(book, 2, 2, "0", "2"));
  QVERIFY(Run(again));
  QCOMPARE(Bookmarks(book), (QStringList{"0 Введение #5", "0 Основы #9"}));
  QVERIFY(again.Log().Text().contains(QStringLiteral("Оглавление (2 закладок) заменено")));

  // Kept when the front end says so: the links are made, the bookmarks stay.
  RecordingFrontEnd keep;
  keep.SetExistingOutlineDecision(ExistingOutline::Keep);
  keep.AddCreateRow(Row(book, 2, 2, "0", "3"));
  QVERIFY(Run(keep));
  QCOMPARE(Bookmarks(book), (QStringList{"0 Введение #5", "0 Основы #9"}));
  QCOMPARE(LinksByPage(book).value("p2.djvu").first().section(' ', 0, 0), QStringLiteral("#6"));
  QVERIFY(keep.Log().Text().endsWith(QStringLiteral("Оглавление книги (2 закладок) сохранено, закладки не созданы")));
}

void CreateOutlineTest::WithoutTheOptionNothingChanges() {
  const QString book = BookWithOutline(QStringLiteral("kept.djvu"), "(bookmarks (\"Своё\" \"#4\" ))\n");
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 2, 2, "0", "2"));
  DjvusedRunner runner(work_, QString());
  QVERIFY(CreateRun(frontEnd, runner).Run());
  QCOMPARE(Bookmarks(book), QStringList{"0 Своё #4"});

  // An index row with the option on: no outline, and the log says why.
  RecordingFrontEnd index;
  index.AddCreateRow(Row(book, 2, 2, "1", "2"));
  QVERIFY(Run(index));
  QCOMPARE(Bookmarks(book), QStringList{"0 Своё #4"});
  QVERIFY(index.Log().Text().contains(QStringLiteral("Закладки создаются только по содержанию")));
}

void CreateOutlineTest::CommandLine() {
  QList<Page> pages = Pages(12);
  pages[1].text = PageText({Line(1500, "1 Введение 3"), Line(1450, "1.1 Цели \"1\" 4"), Line(1400, "2 Основы 7")});
  const QString book = dir_.filePath(QStringLiteral("cli.djvu"));
  BuildDocument(book, pages);
  const QByteArray original = ReadFile(book);

  const CliRun dry = Cli({"create", "--pages", "2-2", "--offset", "2", "--outline", "--dry-run", book});
  QCOMPARE(dry.status, 0);
  QVERIFY2(dry.out.endsWith("set-outline\n(bookmarks\n (\"1 \\320\\222\\320\\262\\320\\265\\320\\264\\320\\265\\320"
                            "\\275\\320\\270\\320\\265\" \"#5\"\n  (\"1.1 \\320\\246\\320\\265\\320\\273\\320\\270 "
                            "\\\"1\\\"\" \"#6\" ) )\n (\"2 \\320\\236\\321\\201\\320\\275\\320\\276\\320\\262\\321\\213\" "
                            "\"#9\" ) )\n.\n"),
           dry.out.constData());
  QCOMPARE(ReadFile(book), original);
  // The list marks each link with its bookmark's level.
  const CliRun list = Cli({"create", "--pages", "2-2", "--offset", "2", "--outline", "--dry-run", "--list", book});
  QCOMPARE(list.status, 0);
  QStringList levels;
  for (const QByteArray& line : list.out.trimmed().split('\n')) levels << QString::fromUtf8(line.split('\t').value(8));
  QCOMPARE(levels, (QStringList{"1", "2", "1"}));

  const CliRun run = Cli({"create", "--pages", "2-2", "--offset", "2", "--outline", book});
  QCOMPARE(run.status, 0);
  QCOMPARE(Bookmarks(book), (QStringList{"0 1 Введение #5", "1 1.1 Цели \"1\" #6", "0 2 Основы #9"}));

  // The book has bookmarks now: a later run keeps them and says so (the dry
  // run, what it would do), unless told to replace them.
  const QStringList made = Bookmarks(book);
  const CliRun preview = Cli({"create", "--pages", "2-2", "--offset", "3", "--outline", "--dry-run", "--list", book});
  QVERIFY2(preview.err.contains("Оглавление книги (3 закладок) будет сохранено"), preview.err.constData());
  const CliRun keep = Cli({"create", "--pages", "2-2", "--offset", "3", "--outline", book});
  QCOMPARE(keep.status, 0);
  QVERIFY2(keep.err.contains("Оглавление книги (3 закладок) сохранено, закладки не созданы"), keep.err.constData());
  QCOMPARE(Bookmarks(book), made);
  const CliRun replace = Cli({"create", "--pages", "2-2", "--offset", "3", "--outline", "--replace-outline", book});
  QCOMPARE(replace.status, 0);
  QVERIFY2(replace.err.contains("Оглавление (3 закладок) заменено"), replace.err.constData());
  QCOMPARE(Bookmarks(book), (QStringList{"0 1 Введение #6", "1 1.1 Цели \"1\" #7", "0 2 Основы #10"}));
  QCOMPARE(Cli({"create", "--replace-outline", book}).status, 2);

  const CliRun index = Cli({"create", "--mode", "index2", "--outline", book});
  QCOMPARE(index.status, 2);
  QVERIFY(index.err.contains("--outline needs --mode contents, contents-auto or book"));
}

QTEST_GUILESS_MAIN(CreateOutlineTest)
#include "test_create_outline.moc"

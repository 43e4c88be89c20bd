// The book keeps everything it had: only the pages of the range are read and
// written, every other annotation of a linked page stays, indirect documents
// are saved as safely as bundled ones, two runs on one book never lose each
// other's work, a book changed meanwhile is not overwritten, djvused's 16 MiB
// limit is refused before it can destroy a book, and a program killed during
// the save leaves the book whole and its leftover named by the next run.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "create/row_columns.h"

#include <sys/stat.h>

#include "align/fix_run.h"
#include "create/create_run.h"
#include "djvused/work_copy.h"
#include "support/djvu_documents.h"
#include "support/link_areas.h"
#include "support/recording_front_end.h"
#include "support/stand_in_djvused.h"

using namespace testdocs;

namespace {

QByteArray ContentsText() {
  return PageText({Line(1600, "Содержание"), Line(1500, "Введение 3"), Line(1400, "Глава 1 7"), Line(1300, "Глава 2 15")});
}

// The contents page's last target is page 15: the books have that many pages.
constexpr int kBookPages = 15;
QList<Page> Padded(const QList<Page>& pages) { return WithBlankPagesUpTo(pages, kBookPages); }

// Everything a page can hold besides links, a web link over an entry, an old
// internal link over an entry (replaced) and one elsewhere (kept).
const QByteArray kRichAnnotations =
    "(background #ffeedd)\n(zoom page)\n(mode color)\n(metadata (Author \"Ann\") (Title \"\\320\\232\"))\n"
    "(maparea \"http://example.org/\" \"web\" (rect 120 1500 60 40) (xor))\n"
    "(maparea \"\" \"a note\" (text 900 100 200 50) (pushpin))\n"
    "(maparea \"\" \"\" (line 10 10 200 200) (arrow))\n"
    "(maparea \"\" \"\" (poly 10 10 50 10 50 50) (xor))\n"
    "(maparea \"#99\" \"old\" (rect 100 1400 500 40) (xor))\n"
    "(maparea \"#42\" \"kept\" (rect 900 300 100 40) (xor))\n";

CreateJob Row(const QString& path, int first, int last, const QString& offset = "0") {
  const FixJob place = FixJob::FromPath(path);
  return CreateColumns::FromColumns(place.Folder, {place.FileName, QString::number(first), QString::number(last),
                                                   offset, "0", "1", "0", "000000", "000000", "0", "0", "0", "0"})
      .Read(1);
}

QString Told(const HeadlessFrontEnd& frontEnd) {
  return (QStringList{frontEnd.Log().Text()} + frontEnd.Messages() + frontEnd.Errors()).join('\n');
}

// The annotation block of page N in "-e output-ant", or empty.
QByteArray AntOfPage(const QString& book, int page) {
  return Djvused({book, "-e", QStringLiteral("select %1; output-ant").arg(page)});
}

QMap<QString, QByteArray> FilesOf(const QString& folder) {
  QMap<QString, QByteArray> files;
  for (const QString& name : QDir(folder).entryList(QDir::Files)) files[name] = ReadFile(QDir(folder).filePath(name));
  return files;
}

QString CliPath() {
  const QString cli = qEnvironmentVariable("QUILLMARK_CLI");
  if (cli.isEmpty()) qFatal("QUILLMARK_CLI is not set (run the tests through ctest)");
  return cli;
}

}  // namespace

class BookSafetyTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void LinkedPageKeepsEveryOtherRecord();
  void PagesWithoutLinksAreNotTouched();
  void PageNamesNeverMatter();
  void IndirectDocumentSavedSafely_data();
  void IndirectDocumentSavedSafely();
  void TwoRunsOnOneBook();
  void BookChangedMeanwhileIsNotOverwritten();
  void ComponentNear16MiBIsRefused();
  void ProgramKilledDuringTheSave();
  void InterruptedCopyBackIsFinished();
  void BackupKeepsModeAndOddFilesAreNamed();

 private:
  bool Run(HeadlessFrontEnd& frontEnd, const QString& program = QString());
  QTemporaryDir dir_;
  QString work_;
};

void BookSafetyTest::init() {
  QVERIFY(dir_.isValid());
  work_ = dir_.filePath(QStringLiteral("work-%1-%2").arg(QTest::currentTestFunction()).arg(QTest::currentDataTag()));
  QDir().mkpath(work_);
}

bool BookSafetyTest::Run(HeadlessFrontEnd& frontEnd, const QString& program) {
  DjvusedRunner runner(work_, program);
  return CreateRun(frontEnd, runner).Run();
}

void BookSafetyTest::LinkedPageKeepsEveryOtherRecord() {
  const QString book = dir_.filePath("rich.djvu");
  BuildDocument(book, Padded({Page{}, Page{ContentsText(), kRichAnnotations}}));
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 2, 2));
  QVERIFY2(Run(frontEnd), qPrintable(Told(frontEnd)));
  const QByteArray once = AntOfPage(book, 2);
  for (const QByteArray& kept : kRichAnnotations.split('\n')) {
    if (kept.isEmpty() || kept.contains("#99")) continue;
    QVERIFY2(once.contains(kept), kept.constData());
  }
  QVERIFY(!once.contains("#99"));
  QCOMPARE(LinksByPage(book).value("p2.djvu"),
           (QStringList{"#42 900 300 100 40", "#3 100 1500 200 140", "#7 100 1400 180 100", "#15 100 1300 200 100"}));

  // The same row again gives the same page.
  RecordingFrontEnd again;
  again.AddCreateRow(Row(book, 2, 2));
  QVERIFY2(Run(again), qPrintable(Told(again)));
  QCOMPARE(AntOfPage(book, 2), once);
}

void BookSafetyTest::PagesWithoutLinksAreNotTouched() {
  // Page 1 has no text, page 3 text without entries; both have annotations.
  const QString book = dir_.filePath("quiet.djvu");
  BuildDocument(book, Padded({Page{{}, "(background #ff0000)\n"}, Page{ContentsText(), {}},
                              Page{PageText({Line(1500, "Просто текст")}), "(zoom 150)\n(maparea \"#1\" \"\" (rect 1 2 3 4))\n"}}));
  const QByteArray before = ReadFile(book);
  const QByteArray page1 = AntOfPage(book, 1), page3 = AntOfPage(book, 3);

  // A range of one page without text writes nothing at all, anywhere.
  RecordingFrontEnd first;
  first.AddCreateRow(Row(book, 1, 1));
  QVERIFY2(Run(first), qPrintable(Told(first)));
  QCOMPARE(ReadFile(book), before);

  // Over all three pages only page 2 changes.
  RecordingFrontEnd all;
  all.AddCreateRow(Row(book, 1, 3));
  QVERIFY2(Run(all), qPrintable(Told(all)));
  QCOMPARE(AntOfPage(book, 1), page1);
  QCOMPARE(AntOfPage(book, 3), page3);
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), 3);
}

void BookSafetyTest::PageNamesNeverMatter() {
  // Component ids holding " T=" and " F=", which the component list's
  // suffixes use: the range still means pages 2 and 3, by number.
  const QString folder = dir_.filePath("names");
  QDir().mkpath(folder);
  QStringList names{"a T=1.djvu", "b F=2.djvu", "c T=3.djvu"};
  QList<QByteArray> texts{PageText({Line(1500, "Глава 9")}), ContentsText(), PageText({Line(1500, "Глава 20")})};
  while (names.size() < kBookPages) {
    names << QStringLiteral("blank %1.djvu").arg(names.size() + 1);
    texts << QByteArray();
  }
  for (int i = 0; i < kBookPages; ++i) BuildDocument(QDir(folder).filePath(names[i]), {Page{texts[i], {}}}, true);
  const QString book = dir_.filePath("names.djvu");
  QProcess djvm;
  djvm.setWorkingDirectory(folder);
  djvm.start(RequireTool("djvm"), QStringList{"-c", book} + names);
  QVERIFY(djvm.waitForFinished() && djvm.exitCode() == 0);

  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 2, 2));
  QVERIFY2(Run(frontEnd), qPrintable(Told(frontEnd)));
  const QMap<QString, QStringList> links = LinksByPage(book);
  QCOMPARE(links.value("b F=2.djvu").size(), 3);
  QCOMPARE(links.value("a T=1.djvu"), QStringList());
  QCOMPARE(links.value("c T=3.djvu"), QStringList());
}

void BookSafetyTest::IndirectDocumentSavedSafely_data() {
  QTest::addColumn<QString>("onSave");  // empty: the real djvused
  QTest::addColumn<QString>("message");
  QTest::newRow("saved") << QString() << QString();
  QTest::newRow("a page file cut, exit 0")
      << "    \"$REAL\" \"$@\" || exit $?; : > \"$(dirname \"$1\")/p3.djvu\"; exit 0" << "без изменений";
  QTest::newRow("killed mid-save")
      << "    head -c 100 /dev/zero > \"$(dirname \"$1\")/p1.djvu\"; kill -9 $$" << "аварийно";
}

void BookSafetyTest::IndirectDocumentSavedSafely() {
  QFETCH(QString, onSave);
  QFETCH(QString, message);
  const QString bundled = dir_.filePath(QStringLiteral("bundled %1.djvu").arg(QTest::currentDataTag()));
  BuildDocument(bundled, Padded({Page{}, Page{ContentsText(), "(zoom 120)\n"}, Page{PageText({Line(1500, "Текст")}), {}}}));
  const QString folder = dir_.filePath(QStringLiteral("indirect %1").arg(QTest::currentDataTag()));
  QDir().mkpath(folder);
  const QString index = QDir(folder).filePath("index.djvu");
  QProcess convert;
  convert.start(RequireTool("djvmcvt"), {"-i", bundled, folder, "index.djvu"});
  QVERIFY(convert.waitForFinished() && convert.exitCode() == 0);
  const QMap<QString, QByteArray> before = FilesOf(folder);
  QCOMPARE(before.size(), kBookPages + 1);

  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(index, 2, 2));
  const QString program = onSave.isEmpty() ? QString() : WriteStandInDjvused(dir_.filePath("program " + QString(QTest::currentDataTag())), onSave);
  const bool finished = Run(frontEnd, program);
  if (message.isEmpty()) {
    QVERIFY2(finished, qPrintable(Told(frontEnd)));
    QCOMPARE(LinksByPage(index).value("p2.djvu").size(), 3);
    QVERIFY(AntOfPage(index, 2).contains("(zoom 120)"));
    QCOMPARE(FilesOf(folder).keys(), before.keys());
  } else {
    QVERIFY(!finished);
    QVERIFY2(Told(frontEnd).contains(message), qPrintable(Told(frontEnd)));
    QCOMPARE(FilesOf(folder), before);
  }
  QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).filter("quillmark-save"),
           QStringList());
}

void BookSafetyTest::TwoRunsOnOneBook() {
  // Contents on pages 2 and 3; one run per page, the second with offset 10
  // (its targets run up to page 25). The first run's save is slow, so the
  // second starts while the first holds the book.
  const QString book = dir_.filePath("shared.djvu");
  BuildDocument(book, WithBlankPagesUpTo({Page{}, Page{ContentsText(), {}}, Page{ContentsText(), {}}}, 25));
  const QString slow = WriteStandInDjvused(dir_.filePath("slow program"), "    sleep 1");
  QFile::copy(CliPath(), QDir(slow).filePath("quillmark-cli"));

  for (const bool window : {false, true}) {
    QProcess first;
    first.start(QDir(slow).filePath("quillmark-cli"), {"create", "--pages", "2-2", book});
    QVERIFY(first.waitForStarted());
    QTest::qWait(300);
    int secondStatus = 0;
    QString secondSaid;
    if (window) {  // the window's run: the same create run in this process
      RecordingFrontEnd frontEnd;
      frontEnd.AddCreateRow(Row(book, 3, 3, "10"));
      secondStatus = Run(frontEnd) ? 0 : 1;
      secondSaid = Told(frontEnd);
    } else {
      QProcess second;
      second.start(CliPath(), {"create", "--pages", "3-3", "--offset", "10", book});
      QVERIFY(second.waitForFinished(60000));
      secondStatus = second.exitCode();
      secondSaid = QString::fromUtf8(second.readAllStandardError());
    }
    QVERIFY(first.state() == QProcess::NotRunning || first.waitForFinished(60000));
    const QMap<QString, QStringList> links = LinksByPage(book);
    // Whoever said "finished" has its links in the book; the other says why it stopped.
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(links.value("p2.djvu").size(), 3);
    if (secondStatus == 0) {
      QVERIFY(secondSaid.contains("завершено"));
      QCOMPARE(links.value("p3.djvu").first().left(4), QStringLiteral("#13 "));
    } else {
      QVERIFY2(secondSaid.contains("другая программа"), qPrintable(secondSaid));
    }
    QVERIFY(QProcess::execute("sh", {"-c", QStringLiteral("djvused '%1' -e 'select 3; remove-ant' -s").arg(book)}) == 0);
  }
}

void BookSafetyTest::BookChangedMeanwhileIsNotOverwritten() {
  // Another program appends to the book once, right after its pages were read.
  const QString book = dir_.filePath("changed.djvu");
  BuildDocument(book, Padded({Page{}, Page{ContentsText(), {}}}));
  const QString program = WriteFaultyDjvused(dir_.filePath("changing program"), "*output-txt*",
                                             "    \"$REAL\" \"$@\"; status=$?\n"
                                             "    [ -e \"$0.once\" ] || { printf x >> \"$1\"; : > \"$0.once\"; }; exit $status");
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 2, 2));
  const QByteArray before = ReadFile(book);
  QVERIFY(!Run(frontEnd, program));
  QVERIFY2(Told(frontEnd).contains("изменён другой программой"), qPrintable(Told(frontEnd)));
  QCOMPARE(ReadFile(book), before + "x");
}

void BookSafetyTest::ComponentNear16MiBIsRefused() {
  // Page 16 is a page of 16,760,038 bytes: any save would destroy the book.
  const QString book = dir_.filePath("large.djvu");
  BuildDocument(book, Padded({Page{}, Page{ContentsText(), {}}}));
  const QString big = dir_.filePath("big.bin"), page = dir_.filePath("bigpage.djvu");
  WriteFile(big, QByteArray(16760000, 'x'));
  QProcess make;
  make.start(RequireTool("djvumake"), {page, "INFO=1240,1754,300", "XTRA=" + big});
  QVERIFY(make.waitForFinished() && make.exitCode() == 0);
  QVERIFY(QProcess::execute(RequireTool("djvm"), {"-i", book, page}) == 0);
  const QByteArray before = ReadFile(book);
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 2, 2));
  QVERIFY(!Run(frontEnd));
  QVERIFY2(Told(frontEnd).contains("16 МиБ"), qPrintable(Told(frontEnd)));
  QCOMPARE(ReadFile(book), before);
}

void BookSafetyTest::ProgramKilledDuringTheSave() {
  // djvused kills the program that started it in the middle of the save.
  const QString book = dir_.filePath("killed.djvu");
  BuildDocument(book, Padded({Page{}, Page{ContentsText(), {}}}));
  const QByteArray before = ReadFile(book);
  const QString program = WriteStandInDjvused(dir_.filePath("killing program"), "    kill -9 $PPID; sleep 5; exit 1");
  QFile::copy(CliPath(), QDir(program).filePath("quillmark-cli"));
  QProcess cli;
  cli.start(QDir(program).filePath("quillmark-cli"), {"create", "--pages", "2-2", book});
  QVERIFY(cli.waitForFinished(60000));
  QCOMPARE(cli.exitStatus(), QProcess::CrashExit);
  QCOMPARE(ReadFile(book), before);
  QVERIFY(QFile::exists(WorkCopy::BaseOf(book)));

  RecordingFrontEnd next;
  next.AddCreateRow(Row(book, 2, 2));
  QVERIFY2(Run(next), qPrintable(Told(next)));
  QVERIFY2(Told(next).contains(WorkCopy::BaseOf(book)), qPrintable(Told(next)));
  QVERIFY(!QFile::exists(WorkCopy::BaseOf(book)));
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), 3);
}

void BookSafetyTest::InterruptedCopyBackIsFinished() {
  // A marker that does not say what the book was (an older version's, or
  // garbage): the copy is not written over the book but kept aside, named.
  const QString book = dir_.filePath("copyback.djvu"), finished = dir_.filePath("finished.djvu");
  BuildDocument(book, Padded({Page{}, Page{ContentsText(), {}}}));
  BuildDocument(finished, Padded({Page{}, Page{ContentsText(), "(zoom 77)\n"}}));
  const QString base = WorkCopy::BaseOf(book);
  QVERIFY(QDir().mkpath(base));
  QVERIFY(QFile::copy(finished, QDir(base).filePath("copyback.djvu")));
  WriteFile(base + ".commit", {});

  HeadlessFrontEnd frontEnd;
  frontEnd.AddFixRow(FixJob::FromPath(book));
  DjvusedRunner runner(work_, QString());
  FixRun(frontEnd, runner).Run();
  QVERIFY2(Told(frontEnd).contains("книга изменена после прерванного сохранения: копия оставлена в " + base + ".kept"),
           qPrintable(Told(frontEnd)));
  QCOMPARE(ReadFile(QDir(base + ".kept").filePath("copyback.djvu")), ReadFile(finished));
  QVERIFY(!AntOfPage(book, 2).contains("(zoom 77)"));
  QVERIFY(!QFile::exists(base) && !QFile::exists(base + ".commit"));
}

void BookSafetyTest::BackupKeepsModeAndOddFilesAreNamed() {
  const QString book = dir_.filePath("private.djvu");
  BuildDocument(book, Padded({Page{}, Page{ContentsText(), {}}}));
  QVERIFY(::chmod(QFile::encodeName(book).constData(), 0640) == 0);
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::CreateBackup, true);
  frontEnd.AddCreateRow(Row(book, 2, 2));
  QVERIFY2(Run(frontEnd), qPrintable(Told(frontEnd)));
  struct stat backup {}, linked {};
  QVERIFY(::stat(QFile::encodeName(book + ".backup").constData(), &backup) == 0);
  QVERIFY(::stat(QFile::encodeName(book).constData(), &linked) == 0);
  QCOMPARE(int(backup.st_mode & 0777), 0640);
  QCOMPARE(int(linked.st_mode & 0777), 0640);  // the saved book keeps its mode too

  const QString folder = dir_.filePath("a folder.djvu"), fifo = dir_.filePath("pipe.djvu");
  QDir().mkpath(folder);
  QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
  for (const QString& odd : {folder, fifo}) {
    RecordingFrontEnd oddRun;
    oddRun.AddCreateRow(Row(odd, 1, 1));
    QVERIFY(!Run(oddRun));
    QVERIFY2(Told(oddRun).contains("не является файлом документа"), qPrintable(Told(oddRun)));
  }
}

QTEST_GUILESS_MAIN(BookSafetyTest)
#include "test_book_safety.moc"

// quillmark-cli create, run as a separate program on real documents.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QProcess>
#include <QtTest>

#include "support/cli_process.h"
#include "support/djvu_documents.h"
#include "support/link_areas.h"

using namespace testdocs;

namespace {

// Page 2 is the contents page; the book has the pages its entries lead to.
QList<Page> Contents() {
  return WithBlankPagesUpTo({Page{}, Page{PageText({Line(1500, "Введение 3"), Line(1400, "Глава 7")}), {}}}, 7);
}

// The internal links of the book as DjVuLibre's own reader reads them.
int ViewerLinkCount(const QString& book) {
  QProcess reader;
  reader.start(QStringLiteral("djvutoxml"), {book});
  if (!reader.waitForFinished(60000) || reader.exitCode() != 0) return -1;
  return int(reader.readAllStandardOutput().count(" href=\"#"));
}

}  // namespace

class CliCreateTest : public QObject {
  Q_OBJECT
 private slots:
  void HelpAndVersion();
  void DryRunLeavesTheDocumentAlone();
  void LinksWritten_data();
  void LinksWritten();
  void UsageErrors_data();
  void UsageErrors();
  void FailuresGiveNonZeroStatus();
  void ListsTheLinks();
  void LogLanguage_data();
  void LogLanguage();
  void OutputErrorsFail_data();
  void OutputErrorsFail();
  void OffsetWithPlusSign();
  void ListShowsControlCharacters();
  void StoredTextNeverRuns_data();
  void StoredTextNeverRuns();
  void UnreadableStretchKept_data();
  void UnreadableStretchKept();
  void UnreadablePageSkippedByTheOffsetCheck();

 private:
  QTemporaryDir dir_;
};

void CliCreateTest::HelpAndVersion() {
  const CliRun help = Cli({"--help"});
  QCOMPARE(help.status, 0);
  QVERIFY(help.out.contains("quillmark-cli create [OPTIONS] FILE..."));
  QVERIFY(help.out.contains("--dry-run"));
  const CliRun version = Cli({"--version"});
  QCOMPARE(version.status, 0);
  QCOMPARE(version.out, QByteArray("quillmark-cli 0.73\n"));
}

void CliCreateTest::DryRunLeavesTheDocumentAlone() {
  const QString book = dir_.filePath("dry.djvu");
  BuildDocument(book, Contents());
  const QByteArray before = ReadFile(book);
  const CliRun r = Cli({"create", "--pages", "2-2", "--backup", "--remove-ocr", "--dry-run", book});
  QCOMPARE(r.status, 0);
  QCOMPARE(r.out, QByteArray("select; remove-txt\n# -------------------------------------\n"
                             "select 2\nset-ant\n"
                             "(maparea \"#3\" \"\" (rect 100 1500 200 40 ) (xor ) ) "
                             "(maparea \"#7\" \"\" (rect 100 1400 140 100 ) (xor ) ) \n.\n"));
  QCOMPARE(ReadFile(book), before);
  QVERIFY(!QFile::exists(book + ".backup"));
}

void CliCreateTest::LinksWritten_data() {
  QTest::addColumn<QString>("folder");
  QTest::addColumn<QStringList>("options");
  QTest::addColumn<QByteArray>("expected");  // a piece of the annotation dump
  QTest::newRow("defaults") << "plain" << QStringList{"--pages", "2-2"}
                            << QByteArray("(maparea \"#3\" \"\" (rect 100 1500 200 40 ) (xor ) )");
  QTest::newRow("style options")
      << "style" << QStringList{"--pages", "1-2", "--offset", "-1", "--shape", "oval", "--border", "border",
                                "--border-color", "ff0000", "--always-visible", "--highlight", "00ff00"}
      << QByteArray("(maparea \"#2\" \"\" (oval 100 1500 200 40 ) (border #FF0000 ) (border_avis )  (hilite #00FF00 ) )");
  QTest::newRow("shadow, halved") << "shadow" << QStringList{"--pages", "2-2", "--border", "shadow-eout",
                                                             "--border-width", "3", "--halve"}
                                  << QByteArray("(maparea \"#3\" \"\" (rect 100 1400 140 100 ) (shadow_eout 3 ) )");
  QTest::newRow("awkward folder") << "it's; $(touch PWNED) папка" << QStringList{"--pages", "2-2"}
                                  << QByteArray("(maparea \"#7\" \"\" (rect 100 1400 140 100 ) (xor ) )");
  QTest::newRow("index 2") << "index" << QStringList{"--pages", "2-2", "--mode", "index2"}
                           << QByteArray("(maparea \"#7\" \"\" (rect 220 1400 20 40 ) (xor ) )");
}

void CliCreateTest::LinksWritten() {
  QFETCH(QString, folder);
  QFETCH(QStringList, options);
  QFETCH(QByteArray, expected);
  QDir().mkpath(dir_.filePath(folder));
  const QString book = dir_.filePath(folder + "/Книга 1.djvu");
  BuildDocument(book, Contents());
  const CliRun r = Cli(QStringList{"create"} + options + QStringList{"--backup", book});
  QCOMPARE(r.status, 0);
  QVERIFY2(r.err.contains(("Редактирование файла " + book + " завершено").toUtf8()), r.err.constData());
  QVERIFY2(OutputAnt(book).contains(expected), OutputAnt(book).constData());
  QVERIFY(QFile::exists(book + ".backup"));
  QVERIFY(!QFile::exists(dir_.filePath("PWNED")));
}

void CliCreateTest::UsageErrors_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<QByteArray>("message");
  QTest::newRow("comma in pages") << QStringList{"create", "--pages", "1,5", "x.djvu"} << QByteArray("Неверно заданы страницы");
  QTest::newRow("no file") << QStringList{"create", "--pages", "1-2"} << QByteArray("at least one FILE");
  QTest::newRow("bad mode") << QStringList{"create", "--mode", "toc", "x.djvu"} << QByteArray("--mode");
  QTest::newRow("bad colour") << QStringList{"create", "--highlight", "red", "x.djvu"} << QByteArray("RRGGBB");
  QTest::newRow("unknown option") << QStringList{"create", "--fast", "x.djvu"} << QByteArray("unknown option --fast");
  QTest::newRow("unknown command") << QStringList{"link", "x.djvu"} << QByteArray("unknown command");
}

void CliCreateTest::UsageErrors() {
  QFETCH(QStringList, arguments);
  QFETCH(QByteArray, message);
  const CliRun r = Cli(arguments);
  QCOMPARE(r.status, 2);
  QVERIFY2(r.err.contains(message), r.err.constData());
}

void CliCreateTest::FailuresGiveNonZeroStatus() {
  const QString good = dir_.filePath("good.djvu"), text = dir_.filePath("text.djvu");
  BuildDocument(good, Contents());
  WriteFile(text, "not a book");
  // The first file is finished, the second is not DjVu, the third is missing.
  const CliRun r = Cli({"create", "--pages", "2-2", good, text, dir_.filePath("missing.djvu")});
  QCOMPARE(r.status, 1);
  QVERIFY(r.err.contains("Failed to open"));
  QCOMPARE(LinksByPage(good).value("p2.djvu").size(), 2);
  QCOMPARE(ReadFile(text), QByteArray("not a book"));

  const CliRun missing = Cli({"create", dir_.filePath("missing.djvu")});
  QCOMPARE(missing.status, 1);
  QVERIFY(missing.err.contains("Файл не найден"));

  const QByteArray before = ReadFile(good);
  const CliRun noDjvused = Cli({"create", good}, dir_.filePath("nowhere").toUtf8());
  QCOMPARE(noDjvused.status, 1);
  QVERIFY(noDjvused.err.contains("Файл djvused.exe не найден"));
  QCOMPARE(ReadFile(good), before);

  // A name that is not UTF-8 (a Latin-1 "é") is refused by name, not "not found".
  QProcess shell;
  shell.setWorkingDirectory(dir_.path());
  shell.start("/bin/sh", {"-c", "cp good.djvu \"$(printf 'caf\\351.djvu')\" && "
                                "LANGUAGE=ru \"$QUILLMARK_CLI\" create \"$(printf 'caf\\351.djvu')\""});
  QVERIFY(shell.waitForFinished(60000));
  QCOMPARE(shell.exitCode(), 1);
  QVERIFY2(shell.readAllStandardError().contains("caf%E9.djvu» не в кодировке UTF-8"), "no word of the encoding");
}

void CliCreateTest::ListsTheLinks() {
  const QString book = dir_.filePath("list.djvu");
  BuildDocument(book, Contents());
  const QByteArray before = ReadFile(book);
  // A dry run lists what it would make, in place of the script.
  const QByteArray lines = "2\t3\t3\t100\t1500\t200\t40\tВведение 3\t#3\n"
                           "2\t7\t7\t100\t1400\t140\t100\tГлава 7\t#7\n";
  const CliRun dry = Cli({"create", "--pages", "2-2", "--dry-run", "--list", book});
  QCOMPARE(dry.status, 0);
  QCOMPARE(dry.out, lines);
  QCOMPARE(ReadFile(book), before);

  const CliRun json = Cli({"create", "--pages", "2-2", "--offset", "-1", "--dry-run", "--json", book});
  QCOMPARE(json.status, 0);
  const QJsonObject object = QJsonDocument::fromJson(json.out).object();
  QCOMPARE(object.value("file").toString(), book);
  const QJsonArray links = object.value("links").toArray();
  QCOMPARE(links.size(), 2);
  const QJsonObject first = links.at(0).toObject();
  QCOMPARE(first.value("page").toInt(), 2);
  QCOMPARE(first.value("printed").toString(), QStringLiteral("3"));
  QCOMPARE(first.value("target").toInt(), 2);
  QCOMPARE(first.value("area").toObject().value("w").toInt(), 200);
  QCOMPARE(links.at(1).toObject().value("text").toString(), QStringLiteral("Глава 7"));

  // A real run lists the links once they are in the document.
  const CliRun made = Cli({"create", "--pages", "2-2", "--list", book});
  QCOMPARE(made.status, 0);
  QCOMPARE(made.out, lines);
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), 2);
  QVERIFY2(made.err.contains("Создано ссылок: 2 (стр. 2)"), made.err.constData());
}

void CliCreateTest::LogLanguage_data() {
  QTest::addColumn<QString>("languages");  // LANGUAGE
  QTest::addColumn<QString>("log");        // standard error: %1 the book, %2 the missing file
  const QString russian =
      "Получение данных из файла, создание скрипта OK\n"
      "Создание содержания\n"
      "Исправление исходного DjVu файла OK\n"
      "Редактирование файла %1 завершено\n"
      "Страницы 2–9, Содержание, смещение 0\n"
      "Создано ссылок: 2 (стр. 2)\n"
      "Страницы без скрытого текста: 3–7\n"
      "Внимание: страницы 8–9 за концом документа (в нём 7 стр.)\n"
      "Страницы 2–9, Содержание, смещение 0\n"
      "Ошибка: Файл не найден: %2\n"
      "Не обработаны: after.djvu\n";
  const QString english =
      "Reading the file, making the script OK\n"
      "Creating the contents\n"
      "Changing the DjVu file OK\n"
      "Editing of the file %1 finished\n"
      "Pages 2–9, Contents, offset 0\n"
      "Links created: 2 (p. 2)\n"
      "Pages without hidden text: 3–7\n"
      "Attention: pages 8–9 are past the end of the document (it has 7 pages)\n"
      "Pages 2–9, Contents, offset 0\n"
      "Error: File not found: %2\n"
      "Not processed: after.djvu\n";
  QTest::newRow("Russian") << "ru" << russian;
  QTest::newRow("English") << "en_GB:ru" << english;
  QTest::newRow("German, then English") << "de:en" << english;
  QTest::newRow("no translation fits") << "de" << russian;
}

void CliCreateTest::LogLanguage() {
  QFETCH(QString, languages);
  QFETCH(QString, log);
  const QString book = dir_.filePath(QStringLiteral("log %1.djvu").arg(languages));
  const QString missing = dir_.filePath("missing.djvu");
  BuildDocument(book, Contents());
  // The run stops at the missing file and names the row after it.
  const CliRun r = Cli({"create", "--pages", "2-9", book, missing, "after.djvu"}, qgetenv("PATH"), languages);
  QCOMPARE(r.status, 1);
  QCOMPARE(QString::fromUtf8(r.err), log.arg(book, missing));
}

// What standard output cannot take fails the command with a message.
void CliCreateTest::OutputErrorsFail_data() {
  QTest::addColumn<QStringList>("options");
  QTest::newRow("dry run") << QStringList{"create", "--pages", "2-2", "--dry-run"};
  QTest::newRow("list") << QStringList{"create", "--pages", "2-2", "--dry-run", "--list"};
  QTest::newRow("json") << QStringList{"create", "--pages", "2-2", "--dry-run", "--json"};
  QTest::newRow("list after the save") << QStringList{"create", "--pages", "2-2", "--list"};
  QTest::newRow("offsets") << QStringList{"offsets"};
}

void CliCreateTest::OutputErrorsFail() {
  QFETCH(QStringList, options);
  if (!QFileInfo(QStringLiteral("/dev/full")).isWritable()) QSKIP("no /dev/full");
  const QString book = dir_.filePath(QStringLiteral("full %1.djvu").arg(QTest::currentDataTag()));
  BuildDocument(book, Contents());
  const CliRun r = Cli(options << book, qgetenv("PATH"), {}, QStringLiteral("/dev/full"));
  QCOMPARE(r.status, 1);
  QVERIFY2(r.err.contains("Не удалось вывести результат"), r.err.constData());
}

void CliCreateTest::OffsetWithPlusSign() {
  const QString book = dir_.filePath("plus.djvu");
  BuildDocument(book, Contents());
  const CliRun plain = Cli({"create", "--pages", "2-2", "--offset", "1", "--dry-run", "--list", book});
  const CliRun plus = Cli({"create", "--pages", "2-2", "--offset", "+1", "--dry-run", "--list", book});
  QCOMPARE(plus.status, 0);
  QCOMPARE(plus.out, plain.out);
  QVERIFY(plus.out.startsWith("2\t3\t4\t"));
  for (const char* bad : {"+", "+-1", "++1"}) {
    QCOMPARE(Cli({"create", "--pages", "2-2", "--offset", bad, "--dry-run", book}).status, 2);
  }
}

// OCR text may hold terminal escapes and other control characters.
void CliCreateTest::ListShowsControlCharacters() {
  const QString book = dir_.filePath("escapes.djvu");
  BuildDocument(book, WithBlankPagesUpTo({Page{}, Page{PageText({Line(1500, QStringLiteral("\x1b[31mГлава\x01 3"))}), {}}}, 7));
  const CliRun r = Cli({"create", "--pages", "2-2", "--dry-run", "--list", book});
  QCOMPARE(r.status, 0);
  QCOMPARE(r.out, QByteArray("2\t3\t3\t100\t1500\t260\t40\t\\x1b[31mГлава\\x01 3\t#3\n"));
}

// A chunk that another tool wrote may hold a line "." with commands after it,
// as djvused prints it back; a create run, with or without the alignment
// after it, never runs them. A title is quoted whatever it holds.
void CliCreateTest::StoredTextNeverRuns_data() {
  QTest::addColumn<int>("craftedPage");
  QTest::addColumn<QStringList>("options");
  QTest::addColumn<int>("links");     // on page 2 afterwards
  QTest::addColumn<QString>("note");  // a line of the log
  QTest::newRow("on the linked page: the page is left as it is")
      << 2 << QStringList{"--align"} << 0 << "Внимание: страница 2 не изменена";
  QTest::newRow("on another page, then aligned") << 1 << QStringList{"--align"} << 2 << "Создано ссылок: 2 (стр. 2)";
  QTest::newRow("bookmarks with such titles") << 1 << QStringList{"--outline"} << 2 << "Создано ссылок: 2 (стр. 2)";
}

void CliCreateTest::StoredTextNeverRuns() {
  QFETCH(int, craftedPage);
  QFETCH(QStringList, options);
  QFETCH(int, links);
  QFETCH(QString, note);
  const QString book = dir_.filePath(QStringLiteral("crafted %1.djvu").arg(QTest::currentDataTag()));
  const QString outside = dir_.filePath(QStringLiteral("outside %1.djvu").arg(QTest::currentDataTag()));
  const QByteArray chunk = "(background #ffffff)\n.\nselect; remove-txt\nsave-bundled " + outside.toUtf8() +
                           "\nselect 1\nset-ant\n(background #ffffff)\n";
  // A title with quotes, a backslash, a parenthesis, line breaks and lines "."
  const QByteArray title = "Глава \"1\" \\ )\\n.\\nsave-bundled " + outside.toUtf8() + "\\n.";
  QByteArray contents = QStringLiteral("(page 0 0 %1 %2\n (line 100 1500 1140 1540 (word 100 1500 1000 1540 ")
                            .arg(kPageWidth).arg(kPageHeight).toUtf8();
  contents += Quoted(QString::fromUtf8(title)).replace("\\\\n", "\\n") + ") (word 1080 1500 1140 1540 \"3\"))\n";
  contents += " (line 100 1400 1140 1440 (word 100 1400 300 1440 \"Глава\") (word 1080 1400 1140 1440 \"7\")))";
  QList<QList<RawChunk>> chunks(2);
  chunks[craftedPage - 1] << RawChunk{"ANTa", chunk};
  BuildDocumentWithChunks(book, WithBlankPagesUpTo({Page{}, Page{contents, {}}}, 7), chunks);
  const QByteArray text = OutputTxt(book);
  const QByteArray before = OutputAnt(book);

  const CliRun r = Cli(QStringList{"create", "--pages", "2-2"} << options << book);
  QCOMPARE(r.status, 0);
  QVERIFY2(r.err.contains(note.toUtf8()), r.err.constData());
  QVERIFY(!QFile::exists(outside));
  QCOMPARE(OutputTxt(book), text);
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), links);
  // The crafted page's block stands in the dump as it stood.
  const QByteArray block = "set-ant\n" + chunk + "\n.\n";
  QVERIFY(before.contains(block));
  QVERIFY(OutputAnt(book).contains(block));
  if (options.contains("--outline")) {
    const QByteArray outline = Djvused({book, "-e", "print-outline"});
    QVERIFY2(outline.contains(" \\\"1\\\" \\\\ ) . save-bundled "), outline.constData());
    QCOMPARE(outline.count("\"#"), 2);
  }
}

// A piece djvused stored that is no record stays as it is; the old link
// under the new one is still replaced, so a second run gives the same book.
// A list that never closes would take in links written after it, so they go
// before it, where DjVuLibre's own reader (djvutoxml) finds them.
void CliCreateTest::UnreadableStretchKept_data() {
  QTest::addColumn<QByteArray>("annotations");
  QTest::addColumn<QByteArray>("kept");  // what follows the new links in the page's block
  const QByteArray oldLink = "(maparea \"#5\" \"\" (rect 120 1510 50 20 ) (xor ) )\n";
  QTest::newRow("a line that is no record") << oldLink + "; comment-like garbage\n(zoom page)"
                                            << QByteArray("; comment-like garbage\n(zoom page)\n.\n");
  QTest::newRow("a list that never closes")
      << "(zoom page)\n" + oldLink + "(background #ffffff\n(mode bw)" << QByteArray("(background #ffffff\n(mode bw)\n.\n");
  // djvused prints the string closed at the end of the text; the list stays open.
  QTest::newRow("a string that never ends")
      << oldLink + "(maparea \"\" \"note (text 1 2 3 4) (pushpin))" << QByteArray("(maparea \"\" \"note (text 1 2 3 4) (pushpin))\"\n.\n");
}

void CliCreateTest::UnreadableStretchKept() {
  QFETCH(QByteArray, annotations);
  QFETCH(QByteArray, kept);
  const QString book = dir_.filePath(QStringLiteral("garbage-%1.djvu").arg(QTest::currentDataTag()));
  QList<Page> pages = Contents();
  pages[1].annotations = annotations;
  BuildDocument(book, pages);
  QCOMPARE(Cli({"create", "--pages", "2-2", book}).status, 0);
  const QByteArray once = OutputAnt(book);
  QVERIFY(!once.contains("\"#5\""));
  QVERIFY2(once.contains(") ) \n" + kept), once.constData());
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), 2);
  QCOMPARE(ViewerLinkCount(book), 2);
  QCOMPARE(Cli({"create", "--pages", "2-2", book}).status, 0);
  QCOMPARE(OutputAnt(book), once);
}

// Page 4, beside the target of the entry for page 3, has hidden text djvused cannot decode.
void CliCreateTest::UnreadablePageSkippedByTheOffsetCheck() {
  const QString book = dir_.filePath("undecodable.djvu");
  QList<QList<RawChunk>> chunks(4);
  chunks[3] << RawChunk{"TXTz", QByteArray(40, '\x5a')};
  BuildDocumentWithChunks(book, Contents(), chunks);
  const CliRun r = Cli({"create", "--pages", "2-2", book});
  QCOMPARE(r.status, 0);
  QVERIFY2(r.err.contains("Внимание: djvused не может прочитать страницы 4; проверка смещения их пропускает"),
           r.err.constData());
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), 2);
}

QTEST_GUILESS_MAIN(CliCreateTest)
#include "test_cli_create.moc"

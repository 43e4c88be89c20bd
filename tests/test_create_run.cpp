// The create run end to end on real documents built from nothing, through the
// same front-end interface the windows use, read back with djvused.
#include <QTemporaryDir>
#include <QtTest>

#include "create/row_columns.h"

#include "create/create_run.h"
#include "support/djvu_documents.h"
#include "support/link_areas.h"
#include "support/recording_front_end.h"
#include "support/stand_in_djvused.h"

using namespace testdocs;

namespace {

using Links = QMap<QString, QStringList>;

// Page 1 without text, page 2 the contents, page 3 ordinary text, then blank
// pages up to page 19, the last target of the contents with offset 4.
QList<Page> Book() {
  return WithBlankPagesUpTo({Page{},
                             Page{PageText({Line(1600, "Содержание"), Line(1500, "Введение 3"),
                                            Line(1400, "Глава 1 7"), Line(1300, "Глава 2 15")}),
                                  {}},
                             Page{PageText({Line(1500, "Глава 1")}), {}}},
                            19);
}

// The log ends with the file's closing line, the line naming the settings
// the row ran with, and then the lines expected after them (empty: none). A
// file where nothing was written closes with its own line.
bool LogEndsWith(const RecordingFrontEnd& frontEnd, const QString& path, const QString& after, bool written = true) {
  const QString log = frontEnd.Log().Text();
  const QString closing = written ? QStringLiteral("Редактирование файла %1 завершено\r\n").arg(path)
                                  : QStringLiteral("Создание содержания\r\nФайл %1 не изменён: записывать нечего\r\n").arg(path);
  const qsizetype at = log.lastIndexOf(closing);
  if (at < 0) return false;
  const QString rest = log.mid(at + closing.size());
  const QString settings = rest.section(QStringLiteral("\r\n"), 0, 0);
  return settings.startsWith(QStringLiteral("Страницы ")) && settings.contains(QStringLiteral(", смещение ")) &&
         rest.mid(settings.size()) == (after.isEmpty() ? QString() : QStringLiteral("\r\n") + after);
}

CreateJob Row(const QString& path, int first, int last, const QString& offset = "0", const QString& mode = "0") {
  const FixJob place = FixJob::FromPath(path);
  return CreateColumns::FromColumns(place.Folder, {place.FileName, QString::number(first), QString::number(last),
                                                   offset, mode, "1", "0", "000000", "000000", "0", "0", "0", "0"})
      .Read(1);
}

const QString kFinishedLog = QStringLiteral(
    "Получение данных из файла, создание скрипта OK\r\nСоздание содержания\r\n"
    "Исправление исходного DjVu файла OK\r\nРедактирование файла %1 завершено");

}  // namespace

class CreateRunTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void ContentsLinks_data();
  void ContentsLinks();
  void LogAndTemporaryFiles();
  void RemoveOcrAlsoWithoutLinks();
  void RangeOverPagesWithoutText();
  void NumbersGoingBackAndTheQuestion();
  void IndexModes_data();
  void IndexModes();
  void Preconditions();
  void BadInputLeavesDocumentsUnchanged_data();
  void BadInputLeavesDocumentsUnchanged();
  void FinishedRowsStayFinished();
  void StopNamesTheRowsLeft_data();
  void StopNamesTheRowsLeft();
  void DjvusedMissing();
  void BrokenSaveRestoresTheDocument();
  void BackupsAndEndOptions();

 private:
  QString Build(const QString& name, const QList<Page>& pages = Book(), bool single = false);
  bool Run(RecordingFrontEnd& frontEnd, const QString& program = QString());
  QTemporaryDir dir_;
  QString work_;
};

void CreateRunTest::init() {
  work_ = dir_.filePath(QStringLiteral("work-%1").arg(QTest::currentTestFunction()));
  QDir().mkpath(work_);
}

QString CreateRunTest::Build(const QString& name, const QList<Page>& pages, bool single) {
  const QString path = dir_.filePath(name);
  BuildDocument(path, pages, single);
  return path;
}

bool CreateRunTest::Run(RecordingFrontEnd& frontEnd, const QString& program) {
  DjvusedRunner runner(work_, program);
  return CreateRun(frontEnd, runner).Run();
}

void CreateRunTest::ContentsLinks_data() {
  QTest::addColumn<int>("first");
  QTest::addColumn<int>("last");
  QTest::addColumn<QString>("offset");
  QTest::addColumn<bool>("halve");
  QTest::addColumn<QStringList>("links");
  QTest::addColumn<QString>("logged");  // after the file's lines
  QTest::newRow("plain") << 2 << 2 << "0" << false
                         << QStringList{"#3 100 1500 200 140", "#7 100 1400 180 100", "#15 100 1300 200 100"}
                         << "Создано ссылок: 3 (стр. 2)";
  QTest::newRow("offset 4") << 2 << 2 << "4" << false
                            << QStringList{"#7 100 1500 200 140", "#11 100 1400 180 100", "#19 100 1300 200 100"}
                            << "Создано ссылок: 3 (стр. 2)";
  // Page -1 does not exist: no link, and the next entry is the page's first.
  QTest::newRow("offset -2, halved") << 2 << 2 << "-2" << true
                                     << QStringList{"#1 100 1400 180 140", "#5 100 1300 200 100"}
                                     << "Создано ссылок: 2 (стр. 2)\r\n"
                                        "Ссылок на страницы вне документа не создано: 1 (номера 3)";
  QTest::newRow("whole document") << 1 << 3 << "0" << false
                                  << QStringList{"#3 100 1500 200 140", "#7 100 1400 180 100", "#15 100 1300 200 100"}
                                  << "Создано ссылок: 4 (стр. 2–3)\r\nСтраницы без скрытого текста: 1";
}

void CreateRunTest::ContentsLinks() {
  QFETCH(int, first);
  QFETCH(int, last);
  QFETCH(QString, offset);
  QFETCH(bool, halve);
  QFETCH(QStringList, links);
  QFETCH(QString, logged);
  const QString book = Build(QStringLiteral("contents.djvu"));
  RecordingFrontEnd frontEnd;
  CreateJob row = Row(book, first, last, offset);
  row.settings.halve = halve;
  frontEnd.AddCreateRow(row);
  QVERIFY(Run(frontEnd));
  const Links found = LinksByPage(book);
  QCOMPARE(found.value("p2.djvu"), links);
  QVERIFY2(LogEndsWith(frontEnd, book, logged), qPrintable(frontEnd.Log().Text()));
  // Page 3's "Глава 1" is a new page's first entry, smaller but taken.
  QCOMPARE(found.value("p3.djvu"), last == 3 ? QStringList{"#1 100 1500 140 40"} : QStringList{});
  QVERIFY(OutputTxt(book).contains("select \"p2.djvu\""));  // hidden text kept
}

void CreateRunTest::LogAndTemporaryFiles() {
  const QString a = Build(QStringLiteral("a.djvu")), b = Build(QStringLiteral("b.djvu"));
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(a, 2, 2));
  frontEnd.AddCreateRow(Row(b, 2, 2));
  frontEnd.LogAddLine(QStringLiteral("from before"));
  QVERIFY(Run(frontEnd));
  // The second file's lines start on a line of their own.
  const QString made = QStringLiteral("\r\nСтраницы 2, Содержание, смещение 0\r\nСоздано ссылок: 3 (стр. 2)");
  QCOMPARE(frontEnd.Log().Text(), kFinishedLog.arg(a) + made + "\r\n" + kFinishedLog.arg(b) + made);
  QCOMPARE(frontEnd.LogShows(), 2);
  QCOMPARE(QDir(work_).entryList(QDir::Files | QDir::Hidden), QStringList());
  QVERIFY(frontEnd.Messages().isEmpty() && frontEnd.Errors().isEmpty());
}

void CreateRunTest::RemoveOcrAlsoWithoutLinks() {
  const QString book = Build(QStringLiteral("ocr.djvu"), {Page{PageText({Line(1500, "Текст")}), {}},
                                                         Page{PageText({Line(1500, "Глава первая")}), {}}});
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::RemoveOcr, true);
  frontEnd.AddCreateRow(Row(book, 1, 2));  // no entry anywhere
  QVERIFY(Run(frontEnd));
  QCOMPARE(OutputTxt(book), QByteArray("select; remove-txt\n"));
  QVERIFY(LinksByPage(book).isEmpty());
  // The removal is never silent: the log counts the pages that lost their text.
  QVERIFY2(frontEnd.Log().Text().endsWith("Скрытый текст удалён со страниц: 2"), qPrintable(frontEnd.Log().Text()));
}

void CreateRunTest::RangeOverPagesWithoutText() {
  // Pages 1 and 2 have no text; pages 3 to 5 are text pages 1 to 3; blank
  // pages follow up to page 30.
  const QString book = Build(QStringLiteral("ordinals.djvu"),
                             WithBlankPagesUpTo({Page{}, Page{}, Page{PageText({Line(1500, "Глава 10")}), {}},
                                                 Page{PageText({Line(1500, "Глава 20")}), {}},
                                                 Page{PageText({Line(1500, "Глава 30")}), {}}},
                                                30));
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 4, 5));
  QVERIFY(Run(frontEnd));
  QCOMPARE(LinksByPage(book), (Links{{"p4.djvu", {"#20 100 1500 160 40"}}, {"p5.djvu", {"#30 100 1500 160 40"}}}));
  QVERIFY2(LogEndsWith(frontEnd, book, QStringLiteral("Создано ссылок: 2 (стр. 4–5)")), qPrintable(frontEnd.Log().Text()));

  // The last page of the range has no text: only the pages named are read
  // and written, never a page after them.
  const QString other = Build(QStringLiteral("ordinals2.djvu"),
                              WithBlankPagesUpTo({Page{PageText({Line(1500, "Глава 10")}), {}}, Page{},
                                                  Page{PageText({Line(1500, "Глава 20")}), {}},
                                                  Page{PageText({Line(1500, "Глава 30")}), {}}},
                                                 30));
  RecordingFrontEnd second;
  second.AddCreateRow(Row(other, 1, 2));
  QVERIFY(Run(second));
  QCOMPARE(LinksByPage(other), (Links{{"p1.djvu", {"#10 100 1500 160 40"}}}));
  QVERIFY2(LogEndsWith(second, other, QStringLiteral("Создано ссылок: 1 (стр. 1)\r\nСтраницы без скрытого текста: 2")),
           qPrintable(second.Log().Text()));

  // A range of blank pages reaching past the end: the file is finished, and
  // the summary warns of all three things.
  const QByteArray before = ReadFile(other);
  RecordingFrontEnd third;
  third.AddCreateRow(Row(other, 29, 35));
  QVERIFY(Run(third));
  QCOMPARE(ReadFile(other), before);
  QVERIFY2(LogEndsWith(third, other,
                       QStringLiteral("Внимание: ссылки не созданы\r\n"
                                      "Внимание: на страницах 29–30 нет скрытого текста (OCR)\r\n"
                                      "Внимание: страницы 31–35 за концом документа (в нём 30 стр.)"),
                       false),
           qPrintable(third.Log().Text()));

  // A document without any hidden text says so.
  const QString blank = Build(QStringLiteral("no text.djvu"), WithBlankPagesUpTo({}, 4));
  RecordingFrontEnd fourth;
  fourth.AddCreateRow(Row(blank, 1, 2));
  QVERIFY(Run(fourth));
  QVERIFY2(LogEndsWith(fourth, blank,
                       QStringLiteral("Внимание: ссылки не созданы\r\n"
                                      "Внимание: в документе нет скрытого текста (OCR): сначала распознайте его"),
                       false),
           qPrintable(fourth.Log().Text()));
}

void CreateRunTest::NumbersGoingBackAndTheQuestion() {
  const QString book = Build(QStringLiteral("back.djvu"),
                             WithBlankPagesUpTo({Page{PageText({Line(1500, "Глава 140"), Line(1400, "Глава 45")}), {}},
                                                 Page{PageText({Line(1500, "Глава 45")}), {}}},
                                                140));
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 1, 2));
  QVERIFY(Run(frontEnd));
  QCOMPARE(LinksByPage(book), (Links{{"p1.djvu", {"#140 100 1500 180 40"}}, {"p2.djvu", {"#45 100 1500 160 40"}}}));
  QVERIFY(frontEnd.questions.isEmpty());

  // Asked through the interface, with the answer used.
  const QString contents = Build(QStringLiteral("asked.djvu"));
  RecordingFrontEnd asking;
  asking.SetChecked(Option::AskWhenUnclear, true);
  asking.answer = [&](int, int current) {
    if (current == 2) asking.SetChecked(Option::AskWhenUnclear, false);  // "Больше не показывать"
    return current;
  };
  asking.AddCreateRow(Row(contents, 2, 2));
  QVERIFY(Run(asking));
  QCOMPARE(asking.questions, (QList<QPair<int, int>>{{3, 1}, {7, 2}}));
  QCOMPARE(asking.Where(), (QStringList{contents + " 2: Глава 1 7", contents + " 2: Глава 2 15"}));
  QCOMPARE(LinksByPage(contents).value("p2.djvu").size(), 3);
  QVERIFY(!asking.Log().Text().contains(QStringLiteral("изменённые")));  // every number kept

  // A changed number is said in the log.
  const QString changed = Build(QStringLiteral("changed.djvu"));
  RecordingFrontEnd changing;
  changing.SetChecked(Option::AskWhenUnclear, true);
  changing.answer = [](int previous, int) { return previous + 1; };
  changing.AddCreateRow(Row(changed, 2, 2));
  QVERIFY(Run(changing));
  QVERIFY2(changing.Log().Text().contains(QStringLiteral("Номера, изменённые в ответ на вопрос: ")),
           qPrintable(changing.Log().Text()));
}

void CreateRunTest::IndexModes_data() {
  QTest::addColumn<QString>("mode");
  QTest::addColumn<QString>("offset");
  QTest::addColumn<bool>("halve");
  QTest::addColumn<QList<TextLine>>("lines");
  QTest::addColumn<QStringList>("links");
  QTest::addColumn<QString>("logged");  // after the file's lines
  const auto word = [](int left, int right, const QString& text) {
    return TextLine{left, 1300, right, 1340, {Word{20, 1300, 80, 1340, "Абажур"}, Word{left, 1300, right, 1340, text}}};
  };
  QTest::newRow("index 2: three numbers in one word")
      << "2" << "0" << false << QList<TextLine>{word(100, 400, "12,15,20")}
      << QStringList{"#12 100 1300 100 40", "#15 200 1300 100 40", "#20 300 1300 100 40"} << "";
  QTest::newRow("index 2: halves round to even") << "2" << "0" << false << QList<TextLine>{word(100, 201, "12,15")}
                                                 << QStringList{"#12 100 1300 50 40", "#15 150 1300 50 40"} << "";
  QTest::newRow("index 2: trailing and leading comma")
      << "2" << "0" << false << QList<TextLine>{word(100, 300, "12,"), word(400, 500, ",12")}
      << QStringList{"#12 100 1300 200 40", "#12 400 1300 100 40"} << "";
  QTest::newRow("index 2: Cyrillic first letter, letters only")
      << "2" << "0" << false << QList<TextLine>{word(100, 300, "Ж12"), word(400, 500, "see")} << QStringList{} << "";
  QTest::newRow("index 2: digits after the last escaped letter")
      << "2" << "0" << false << QList<TextLine>{word(100, 300, "ab1ЖЫ34")} << QStringList{"#34 100 1300 200 40"} << "";
  QTest::newRow("index 2: halved, negative offset") << "2" << "-3" << true << QList<TextLine>{word(100, 300, "15,40")}
                                                    << QStringList{"#4 100 1300 100 40", "#17 200 1300 100 40"} << "";
  QTest::newRow("index 1: the line's last number")
      << "1" << "0" << false << QList<TextLine>{Line(1500, "Абажур 12, 45")} << QStringList{"#45 100 1500 260 40"} << "";
  QTest::newRow("index 1: a line holding only a number")
      << "1" << "0" << false << QList<TextLine>{Line(1500, "Абажур 5"), Line(1400, "77")}
      << QStringList{"#5 100 1500 160 40", "#77 100 1400 40 100"} << "";
  QTest::newRow("contents: a line holding only a number")
      << "0" << "0" << false << QList<TextLine>{Line(1500, "Абажур 5"), Line(1400, "77")}
      << QStringList{"#5 100 1500 160 40"} << "";
  QTest::newRow("index 1: bullet, halved, negative offset")
      << "1" << "-2" << true << QList<TextLine>{Line(1500, "Абажур 21"), Line(1400, "Абрис •")}
      << QStringList{"#8 100 1500 180 40", "#8 100 1400 140 100"} << "";
  QTest::newRow("index 2: bullet")
      << "2" << "0" << false << QList<TextLine>{Line(1500, "Абажур 21"), Line(1400, "Абрис •")}
      << QStringList{"#21 240 1500 40 40", "#21 220 1400 20 40"} << "";
  // A date's year and pages before the first lead nowhere: no link, no entry
  // that later ones would be smaller than, and the log counts them.
  QTest::newRow("contents: targets outside the document")
      << "0" << "-3" << false
      << QList<TextLine>{Line(1600, "14 сентября 2022"), Line(1500, "Предисловие 1"), Line(1400, "Введение 3"),
                         Line(1300, "Начало 9"), Line(1200, "Конец 15")}
      << QStringList{"#6 100 1300 160 140", "#12 100 1200 160 100"}
      << "Ссылок на страницы вне документа не создано: 3 (номера 2022, 1, 3)";
  QTest::newRow("index 2: targets outside the document")
      << "2" << "-3" << false << QList<TextLine>{word(100, 400, "12,2022,15"), word(500, 600, "2")}
      << QStringList{"#9 100 1300 100 40", "#12 300 1300 100 40"}
      << "Ссылок на страницы вне документа не создано: 2 (номера 2022, 2)";
}

void CreateRunTest::IndexModes() {
  QFETCH(QString, mode);
  QFETCH(QString, offset);
  QFETCH(bool, halve);
  QFETCH(QList<TextLine>, lines);
  QFETCH(QStringList, links);
  QFETCH(QString, logged);
  // Blank pages up to page 80: every other row's targets lie in the document.
  const QString book = Build(QStringLiteral("index.djvu"), WithBlankPagesUpTo({Page{PageText(lines), {}}}, 80));
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::AskWhenUnclear, true);
  CreateJob row = Row(book, 1, 1, offset, mode);
  row.settings.halve = halve;
  frontEnd.AddCreateRow(row);
  QVERIFY(Run(frontEnd));
  QCOMPARE(LinksByPage(book).value("p1.djvu"), links);
  QVERIFY(frontEnd.questions.isEmpty());
  // The summary counts the links made, or warns that none was.
  const QString summary = links.isEmpty() ? QStringLiteral("Внимание: ссылки не созданы\r\nСтраницы без найденных записей: 1")
                                          : QStringLiteral("Создано ссылок: %1 (стр. 1)").arg(links.size());
  QVERIFY2(LogEndsWith(frontEnd, book, logged.isEmpty() ? summary : summary + "\r\n" + logged, !links.isEmpty()),
           qPrintable(frontEnd.Log().Text()));
}

void CreateRunTest::Preconditions() {
  const QString book = Build(QStringLiteral("pre.djvu"));
  const QByteArray before = ReadFile(book);
  // The window's own lists are checked by the window (test_gui_main_window).
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::CreateClose, true);
  QVERIFY(!Run(frontEnd));
  QCOMPARE(frontEnd.Messages(), QStringList{"Ни один файл не выбран !"});
  QVERIFY(!frontEnd.Closed());
  QCOMPARE(ReadFile(book), before);
}

void CreateRunTest::BadInputLeavesDocumentsUnchanged_data() {
  QTest::addColumn<QByteArray>("content");  // "missing": no file
  QTest::addColumn<int>("first");
  QTest::addColumn<int>("last");
  QTest::addColumn<QString>("logged");  // in the log, else among the errors
  QTest::addColumn<QString>("message");
  QTest::newRow("missing file") << QByteArray("missing") << 1 << 1 << "" << "Файл не найден";
  QTest::newRow("not DjVu") << QByteArray("just text\n") << 1 << 1 << "Failed to open" << "";
  QTest::newRow("empty file") << QByteArray() << 1 << 1 << "Failed to open" << "";
  QTest::newRow("range selects no page") << QByteArray("book") << 20 << 22 << "" << "Страницы 20–22 не найдены";
  QTest::newRow("range backwards") << QByteArray("book") << 3 << 2 << "" << "Страницы 3–2 не найдены";
}

void CreateRunTest::BadInputLeavesDocumentsUnchanged() {
  QFETCH(QByteArray, content);
  QFETCH(int, first);
  QFETCH(int, last);
  QFETCH(QString, logged);
  QFETCH(QString, message);
  const QString path = dir_.filePath(QStringLiteral("bad-%1.djvu").arg(QTest::currentDataTag()));
  if (content == "book") BuildDocument(path, Book());
  else if (content != "missing") WriteFile(path, content);
  const QByteArray before = content == "missing" ? QByteArray() : ReadFile(path);
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::CreateBackup, true);
  frontEnd.AddCreateRow(Row(path, first, last));
  QVERIFY(!Run(frontEnd));
  if (!logged.isEmpty()) QVERIFY2(frontEnd.Log().Text().contains(logged), qPrintable(frontEnd.Log().Text()));
  if (!message.isEmpty()) {
    QCOMPARE(frontEnd.Errors().size(), 1);
    QVERIFY2(frontEnd.Errors().first().contains(message), qPrintable(frontEnd.Errors().first()));
  }
  QVERIFY(!frontEnd.Log().Text().contains("завершено"));
  if (content == "missing") QVERIFY(!QFile::exists(path));
  else QCOMPARE(ReadFile(path), before);
}

void CreateRunTest::FinishedRowsStayFinished() {
  const QString a = Build(QStringLiteral("done.djvu")), b = Build(QStringLiteral("untouched.djvu"));
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::CreateClearList, true);
  WriteFile(b, "no DjVu here\n");  // a row that fails when the run reaches it
  const QByteArray before = ReadFile(b);
  frontEnd.AddCreateRow(Row(a, 2, 2));
  frontEnd.AddCreateRow(Row(b, 2, 2));
  QVERIFY(!Run(frontEnd));
  const QString reported = frontEnd.Log().Text() + frontEnd.Errors().join('\n');
  QVERIFY2(reported.contains("untouched.djvu не является документом DjVu"), qPrintable(reported));
  QCOMPARE(LinksByPage(a).value("p2.djvu").size(), 3);
  QCOMPARE(ReadFile(b), before);
  QCOMPARE(frontEnd.CreateRowCount(), 2);  // the end options are skipped

  // A word whose number is too long for 32 bits is skipped, the file goes on
  // (the next entry is linked) and the log names the page after its lines.
  const QString huge = Build(QStringLiteral("huge.djvu"), {Page{PageText({Line(1500, "Глава 99999999999"),
                                                                           Line(1400, "Итоги 2")}), {}},
                                                           Page{}});
  RecordingFrontEnd second;
  second.AddCreateRow(Row(huge, 1, 1));
  QVERIFY(Run(second));
  QVERIFY(second.Errors().isEmpty());
  QCOMPARE(LinksByPage(huge).value("p1.djvu"), QStringList{"#2 100 1400 140 140"});
  QVERIFY2(LogEndsWith(second, huge, QStringLiteral("Создано ссылок: 1 (стр. 1)\r\nПропущено слов с числом длиннее 32 бит: 1 (стр. 1)")),
           qPrintable(second.Log().Text()));
}

void CreateRunTest::StopNamesTheRowsLeft_data() {
  QTest::addColumn<int>("failing");     // the row that fails, 0 first, of a.djvu, b.djvu, c.djvu
  QTest::addColumn<QString>("fault");   // "text" (no DjVu at all), "cut N/M" (the end cut off)
  QTest::addColumn<QString>("report");  // in the log or the error box; %1 the failing file
  QTest::addColumn<QString>("left");    // the log's last line; empty: no such line at all
  const QString notDjvu = QStringLiteral("Операция не завершена по причине ошибки\nФайл %1 не является документом DjVu или повреждён\nОшибка djvused (");
  QTest::newRow("first row no DjVu") << 0 << "text" << notDjvu << "Не обработаны: b.djvu, c.djvu";
  // Cut at three quarters, the pages read still decode: the save finds the
  // missing bytes. Cut at a fifth, reading the pages fails.
  QTest::newRow("middle row cut short") << 1 << "cut 3/4" << "Файл %1 не является документом DjVu или повреждён\n"
                                        << "Не обработаны: c.djvu";
  QTest::newRow("middle row cut shorter") << 1 << "cut 1/5" << notDjvu << "Не обработаны: c.djvu";
  QTest::newRow("last row") << 2 << "text" << notDjvu << "";
}

void CreateRunTest::StopNamesTheRowsLeft() {
  QFETCH(int, failing);
  QFETCH(QString, fault);
  QFETCH(QString, report);
  QFETCH(QString, left);
  RecordingFrontEnd frontEnd;
  QStringList books;
  QList<QByteArray> before;
  QDir(dir_.path()).mkpath(QTest::currentDataTag());
  for (const char* name : {"a.djvu", "b.djvu", "c.djvu"}) {
    books << Build(QStringLiteral("%1/%2").arg(QTest::currentDataTag(), name));
    QByteArray& bytes = before.emplace_back(ReadFile(books.last()));
    if (books.size() - 1 == failing && fault == "text") WriteFile(books.last(), bytes = "no DjVu here\n");
    if (books.size() - 1 == failing && fault == "cut 3/4") WriteFile(books.last(), bytes = bytes.left(bytes.size() * 3 / 4));
    if (books.size() - 1 == failing && fault == "cut 1/5") WriteFile(books.last(), bytes = bytes.left(bytes.size() / 5));
    frontEnd.AddCreateRow(Row(books.last(), 2, 3));
  }
  QVERIFY(!Run(frontEnd));
  const QString log = frontEnd.Log().Text().split(QStringLiteral("\r\n")).join('\n');
  const QString reported = log + frontEnd.Errors().join('\n');
  QVERIFY2(reported.contains(report.contains("%1") ? report.arg(books.at(failing)) : report), qPrintable(reported));
  const QStringList lines = log.split('\n', Qt::SkipEmptyParts);
  if (left.isEmpty()) QVERIFY2(!log.contains(QStringLiteral("Не обработаны")), qPrintable(log));
  else QCOMPARE(lines.last(), left);
  for (int i = 0; i < books.size(); ++i) {
    if (i < failing) QCOMPARE(LinksByPage(books[i]).value("p2.djvu").size(), 3);
    else QCOMPARE(ReadFile(books[i]), before[i]);
  }
}

void CreateRunTest::DjvusedMissing() {
  const QString a = Build(QStringLiteral("m1.djvu")), b = Build(QStringLiteral("m2.djvu"));
  const QByteArray before = ReadFile(a);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", dir_.filePath("nowhere").toUtf8());
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::CreateBackup, true);
  frontEnd.AddCreateRow(Row(a, 2, 2));
  frontEnd.AddCreateRow(Row(b, 2, 2));
  const bool finished = Run(frontEnd, dir_.filePath("no-program"));
  qputenv("PATH", path);
  QVERIFY(!finished);
  QCOMPARE(frontEnd.Messages(), QStringList{"Файл djvused.exe не найден"});
  // Nothing was written, so no backup was made either.
  QVERIFY(!QFile::exists(a + ".backup") && !QFile::exists(b + ".backup"));
  QCOMPARE(ReadFile(a), before);
}

void CreateRunTest::BrokenSaveRestoresTheDocument() {
  const QString book = Build(QStringLiteral("broken.djvu"));
  const QByteArray before = ReadFile(book);
  const QString program =
      WriteStandInDjvused(dir_.filePath("broken-program"), "    : > \"$1\"; echo '*** disk full' >&2; exit 10");
  RecordingFrontEnd frontEnd;
  frontEnd.AddCreateRow(Row(book, 2, 2));
  QVERIFY(!Run(frontEnd, program));
  QCOMPARE(ReadFile(book), before);
  QVERIFY(frontEnd.Log().Text().contains(":\r\ndisk full"));
  QVERIFY(!frontEnd.Log().Text().contains("завершено"));

  // The next run starts cleanly and links the book.
  RecordingFrontEnd next;
  next.AddCreateRow(Row(book, 2, 2));
  QVERIFY(Run(next));
  QCOMPARE(LinksByPage(book).value("p2.djvu").size(), 3);
}

void CreateRunTest::BackupsAndEndOptions() {
  // A document of one page: its entries can only lead to that page.
  const QString book = Build(QStringLiteral("single.djvu"),
                             {Page{PageText({Line(1500, "Введение 1"), Line(1400, "Глава 1"), Line(1300, "Итоги 1")}), {}}},
                             true);
  const QByteArray original = ReadFile(book);
  RecordingFrontEnd frontEnd;
  frontEnd.SetChecked(Option::CreateBackup, true);
  frontEnd.AddCreateRow(Row(book, 1, 1));
  QVERIFY(Run(frontEnd));
  QCOMPARE(ReadFile(book + ".backup"), original);
  QCOMPARE(LinksByPage(book).value("single.djvu").size(), 3);
  const QByteArray afterFirst = ReadFile(book);

  // Running the same row again backs up the state after the first run
  // beside the first backup, which stays; the end options clear the list
  // and close the window.
  frontEnd.SetChecked(Option::CreateClearList, true);
  frontEnd.SetChecked(Option::CreateClose, true);
  QVERIFY(Run(frontEnd));
  QCOMPARE(ReadFile(book + ".backup"), original);
  QCOMPARE(ReadFile(book + ".backup.1"), afterFirst);
  QCOMPARE(frontEnd.CreateRowCount(), 0);
  QVERIFY(frontEnd.Closed());
}

QTEST_GUILESS_MAIN(CreateRunTest)
#include "test_create_run.moc"

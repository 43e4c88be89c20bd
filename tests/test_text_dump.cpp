// Reading the component list and the hidden-text dump, line by line.
#include <QtTest>

#include "core/errors.h"
#include "create/text_dump.h"
#include "djvused/component_list.h"
#include "djvused/selection_line.h"

class TextDumpTest : public QObject {
  Q_OBJECT
 private slots:
  void ComponentLines_data();
  void ComponentLines();
  void SelectionLines_data();
  void SelectionLines();
  void TabRule_data();
  void TabRule();
  void Records_data();
  void Records();
  void DumpLinesStripOneCr();
};

void TextDumpTest::ComponentLines_data() {
  QTest::addColumn<QByteArray>("line");
  QTest::addColumn<QByteArray>("name");  // empty: not a page
  QTest::newRow("page") << QByteArray("   1 P       93  p1.djvu") << QByteArray("p1.djvu");
  QTest::newRow("title suffix") << QByteArray("   2 P      296  p2.djvu T=Chapter One") << QByteArray("p2.djvu");
  QTest::newRow("page 10000") << QByteArray("10000 P       69  q10000.djvu") << QByteArray("q10000.djvu");
  QTest::newRow("single page upper case") << QByteArray("   1 P      162  Book.DJVU") << QByteArray("Book.DJVU");
  QTest::newRow("name with blanks") << QByteArray("   1 P      162  single page.djvu") << QByteArray("single page.djvu");
  QTest::newRow("include is no page") << QByteArray("     I       40  shared.djvi") << QByteArray();
  QTest::newRow("shared annotations") << QByteArray("     A       44  shared_anno.iff") << QByteArray();
  QTest::newRow("thumbnails") << QByteArray("     T           <thumbnails>") << QByteArray();
}

void TextDumpTest::ComponentLines() {
  QFETCH(QByteArray, line);
  QFETCH(QByteArray, name);
  const std::optional<ComponentLine> component = ReadComponentLine(line);
  QCOMPARE(component && component->type == 'P', !name.isEmpty());
  if (!name.isEmpty()) QCOMPARE(component->name, name);
}

void TextDumpTest::SelectionLines_data() {
  QTest::addColumn<QByteArray>("line");
  QTest::addColumn<bool>("selection");
  QTest::addColumn<QByteArray>("name");
  QTest::addColumn<int>("page");
  QTest::newRow("today's form") << QByteArray("select \"p0002.djvu\" # page 2") << true << QByteArray("p0002.djvu") << 2;
  QTest::newRow("no comment") << QByteArray("select \"p2.djvu\"") << true << QByteArray("p2.djvu") << 0;
  QTest::newRow("single quotes") << QByteArray("select 'p2.djvu'") << true << QByteArray("p2.djvu") << 0;
  QTest::newRow("escaped Cyrillic")
      << QByteArray("select \"\\321\\201\\321\\202\\321\\200 1.djvu\" # page 1") << true
      << QByteArray("стр 1.djvu") << 1;
  QTest::newRow("escaped quote") << QByteArray("select \"q\\\"uote.djvu\" # page 2") << true << QByteArray("q\"uote.djvu")
                                 << 2;
  QTest::newRow("page mark in the name") << QByteArray("select \"a # page 9.djvu\"") << true
                                         << QByteArray("a # page 9.djvu") << 0;
  QTest::newRow("other comment") << QByteArray("select \"p3.djvu\" # page three") << true << QByteArray("p3.djvu") << 0;
  QTest::newRow("document line") << QByteArray("select; remove-txt") << false << QByteArray() << 0;
  QTest::newRow("word select") << QByteArray("   (word 1 2 3 4 \"select\")") << false << QByteArray() << 0;
  QTest::newRow("page number") << QByteArray("select 2") << false << QByteArray() << 0;
  QTest::newRow("unclosed name") << QByteArray("select \"p2.djvu") << false << QByteArray() << 0;
  QTest::newRow("text after the name") << QByteArray("select \"p2.djvu\"; remove-ant") << false << QByteArray() << 0;
}

void TextDumpTest::SelectionLines() {
  QFETCH(QByteArray, line);
  QFETCH(bool, selection);
  QFETCH(QByteArray, name);
  QFETCH(int, page);
  const std::optional<dialect::Selection> found = dialect::ReadSelection(line);
  QCOMPARE(bool(found), selection);
  if (selection) {
    QCOMPARE(found->name, name);
    QCOMPARE(found->page, page);
  }
}

void TextDumpTest::TabRule_data() {
  QTest::addColumn<QByteArray>("line");
  QTest::addColumn<QByteArray>("result");
  QTest::addColumn<int>("extraWords");
  QTest::newRow("no tab") << QByteArray(" (word 1 2 3 4 \"12\")") << QByteArray(" (word 1 2 3 4 \"12\")") << 0;
  QTest::newRow("one tab") << QByteArray(" (word 1 2 3 4 \"Title\\t12\")") << QByteArray(" (word 1 2 3 4 \"12\")") << 0;
  QTest::newRow("two tabs") << QByteArray(" (word 1 2 3 4 \"a\\tb\\t15\")") << QByteArray(" (word 1 2 3 4 \"15\")") << 0;
  QTest::newRow("escape before the tab counts")
      << QByteArray(" (word 1 2 3 4 \"\\320\\222\\t7\")") << QByteArray(" (word 1 2 3 4 \"7\")") << 1;
  QTest::newRow("tab before any quote only loses the tab")
      << QByteArray("a\\tb \"c\"") << QByteArray("ab \"c\"") << 0;
}

void TextDumpTest::TabRule() {
  QFETCH(QByteArray, line);
  QFETCH(QByteArray, result);
  QFETCH(int, extraWords);
  quint8 count = 3;
  QCOMPARE(ApplyTabRule(line, &count), result);
  QCOMPARE(int(count), 3 + extraWords);
}

void TextDumpTest::Records_data() {
  QTest::addColumn<QByteArray>("line");
  QTest::addColumn<bool>("isLine");
  QTest::addColumn<QList<int>>("box");  // empty: conversion error
  QTest::newRow("line record") << QByteArray("    (line 200 3200 2300 3260") << true << QList<int>{200, 3200, 2300, 3260};
  QTest::newRow("line record cut short") << QByteArray("    (line 200 3200") << true << QList<int>{};
  QTest::newRow("line record with more after the top") << QByteArray("    (line 200 3200 2300 3260))") << true
                                                       << QList<int>{};
  QTest::newRow("negative numbers") << QByteArray(" (line -5 -10 20 30") << true << QList<int>{-5, -10, 20, 30};
  QTest::newRow("word record") << QByteArray("     (word 2200 3200 2300 3260 \"3\"))") << false
                               << QList<int>{2200, 3200, 2300, 3260};
  QTest::newRow("word with chars ends after its numbers") << QByteArray("     (word 200 3000 280 3060") << false
                                                          << QList<int>{200, 3000, 280, 3060};
}

void TextDumpTest::Records() {
  QFETCH(QByteArray, line);
  QFETCH(bool, isLine);
  QFETCH(QList<int>, box);
  QCOMPARE(IsLineRecord(line), isLine);
  QCOMPARE(IsWordRecord(line), !isLine);
  const auto read = [&] { return isLine ? ReadLineRecord(line) : ReadWordRecord(line); };
  if (box.isEmpty()) {
    QVERIFY_THROWS_EXCEPTION(ConversionError, read());
    return;
  }
  const PageRect b = read();
  QCOMPARE((QList<int>{b.left, b.bottom, b.right, b.top}), box);
}

void TextDumpTest::DumpLinesStripOneCr() {
  const TextDumpLines dump = TextDumpLines::FromText("first\r\n a\r\r\n\r\nlast");
  QCOMPARE(dump.size(), 3);
  QCOMPARE(dump.at(0), QByteArrayView(" a\r"));
  QCOMPARE(dump.at(1), QByteArrayView(""));
  QCOMPARE(dump.at(2), QByteArrayView("last"));
  QCOMPARE(WordText(" (word 1 2 3 4 \"Глава\")"), QByteArray("Глава"));
  QCOMPARE(WordText(" (word 1 2 3 4"), QByteArray());
}

QTEST_GUILESS_MAIN(TextDumpTest)
#include "test_text_dump.moc"

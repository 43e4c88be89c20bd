// Zone trees as djvused prints them: nesting, skipped levels, line text,
// chars, escapes, whole-document dumps split into pages, malformed input.
#include <QtTest>

#include "core/errors.h"
#include "page/text_layer.h"

namespace {

// The texts of the leaf zones under `zone` (words, chars, or lines that
// carry their text), in reading order; an empty page has none.
QStringList LeafTexts(const TextZone& zone) {
  if (zone.children.isEmpty()) {
    if (zone.kind == ZoneKind::Page && zone.text.isEmpty()) return {};
    return {zone.text};
  }
  QStringList texts;
  for (const TextZone& child : zone.children) texts << LeafTexts(child);
  return texts;
}

}  // namespace

class TextLayerTest : public QObject {
  Q_OBJECT
 private slots:
  void NestedZonesAndEscapes();
  void LeavesOfEveryLayout_data();
  void LeavesOfEveryLayout();
  void SplitWholeDump();
  void FilterLeavesZonesOut();
  void Malformed_data();
  void Malformed();
};

void TextLayerTest::NestedZonesAndEscapes() {
  const QByteArray zones =
      "(page 0 0 2480 3508\n"
      " (column 100 200 2380 3400\n"
      "  (para 100 2900 2380 3400\n"
      "   (line 200 3200 2300 3260\n"
      "    (word 200 3200 500 3260 \"\\320\\222\\320\\262\\320\\265\")\n"
      "    (word 2200 3200 2300 3260 \"say \\\"hi\\\"\")))))";
  const TextZone page = ParseTextLayer(zones);
  QCOMPARE(page.kind, ZoneKind::Page);
  QCOMPARE(page.box.right, 2480);
  const TextZone& line = page.children[0].children[0].children[0];
  QCOMPARE(line.kind, ZoneKind::Line);
  QCOMPARE(line.box.bottom, 3200);
  QCOMPARE(line.children.size(), 2);
  QCOMPARE(line.children[0].text, QStringLiteral("Вве"));
  QCOMPARE(line.children[1].text, QStringLiteral("say \"hi\""));
}

void TextLayerTest::LeavesOfEveryLayout_data() {
  QTest::addColumn<QByteArray>("zones");
  QTest::addColumn<QStringList>("leaves");
  QTest::newRow("line text only") << QByteArray("(page 0 0 10 10\n (line 1 2 3 4 \"Chapter 2 .... 27\"))")
                                  << QStringList{"Chapter 2 .... 27"};
  QTest::newRow("words without lines")
      << QByteArray("(page 0 0 10 10 (word 1 2 3 4 \"a\") (word 5 2 7 4 \"b\"))") << QStringList{"a", "b"};
  QTest::newRow("chars") << QByteArray("(page 0 0 10 10 (line 1 1 9 9 (word 1 1 4 9 (char 1 1 2 9 \"T\")"
                                       " (char 2 1 4 9 \"o\"))))")
                         << QStringList{"T", "o"};
  QTest::newRow("page text") << QByteArray("(page 0 0 2480 3508 \" \")") << QStringList{" "};
  QTest::newRow("negative box") << QByteArray("(page 0 0 10 10 (word -5 -2 3 4 \"x\"))") << QStringList{"x"};
}

void TextLayerTest::LeavesOfEveryLayout() {
  QFETCH(QByteArray, zones);
  QFETCH(QStringList, leaves);
  const TextZone page = ParseTextLayer(zones);
  QCOMPARE(LeafTexts(page), leaves);
}

void TextLayerTest::SplitWholeDump() {
  const QByteArray dump =
      "select; remove-txt\n"
      "# ------------------------- \n"
      "select \"p2.djvu\" # page 2\r\n"
      "set-txt\n"
      "(page 0 0 100 100\n"
      " (line 1 2 3 4 \"a\"))\n"
      "\n"
      ".\n"
      "# ------------------------- \n"
      "select \"q\\\"uote.djvu\" # page 7\n"
      "set-txt\n"
      "(page 0 0 100 100 (word 1 2 3 4 \".\"))\n"
      "\n"
      ".\n";
  const QList<PageData> pages = SplitTextDump(dump);
  QCOMPARE(pages.size(), 2);
  QCOMPARE(pages[0].number, 2);
  QCOMPARE(ParseTextLayer(pages[0].text).children[0].text, QStringLiteral("a"));
  QCOMPARE(pages[1].number, 7);
  QCOMPARE(ParseTextLayer(pages[1].text).children[0].text, QStringLiteral("."));
}

void TextLayerTest::FilterLeavesZonesOut() {
  const QByteArray zones =
      "(page 0 0 100 100\n"
      " (line 10 90 90 98 (word 10 90 30 98 \"head\"))\n"
      " (line 10 40 90 48 (word 10 40 30 48 \"a ) \\\" (\") (word 40 40 60 48 \"b\"))\n"
      " (line 10 2 90 8 \"foot\"))";
  const ZoneFilter outerLines = [](const PageRect& zone, const PageRect& page) {
    return zone.top > page.Height() * 0.8 || zone.bottom < page.Height() * 0.2;
  };
  QCOMPARE(LeafTexts(ParseTextLayer(zones, outerLines)), (QStringList{"head", "foot"}));
  QVERIFY_THROWS_EXCEPTION(InputError, ParseTextLayer(QByteArray("(page 0 0 100 100 (line 1 40 2 50 \"x)"),
                                                      outerLines));
}

void TextLayerTest::Malformed_data() {
  QTest::addColumn<QByteArray>("zones");
  QTest::addColumn<QString>("reason");  // named in the message, readable
  QTest::newRow("empty") << QByteArray() << "нет зоны";
  QTest::newRow("cut off") << QByteArray("(page 0 0 10 10 (line 1 2 3") << "нет поля";
  QTest::newRow("unknown kind") << QByteArray("(lime 1 2 3 4 \"x\")") << "неизвестный тип зоны";
  QTest::newRow("not a number") << QByteArray("(page 0 0 1x 10)") << "не число";
  QTest::newRow("open string") << QByteArray("(page 0 0 10 10 (word 1 2 3 4 \"x))") << "строка без конца";
  QTest::newRow("trailing text") << QByteArray("(page 0 0 10 10) junk") << "лишний текст после зоны";
}

void TextLayerTest::Malformed() {
  QFETCH(QByteArray, zones);
  QFETCH(QString, reason);
  try {
    ParseTextLayer(zones);
    QFAIL("no error");
  } catch (const InputError& e) {
    QVERIFY2(e.Message().startsWith(QStringLiteral("Скрытый текст не читается (%1, позиция ").arg(reason)),
             qPrintable(e.Message()));
  }
}

QTEST_APPLESS_MAIN(TextLayerTest)
#include "test_text_layer.moc"

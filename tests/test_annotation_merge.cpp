// A page's old annotations kept around the new links: which records are
// replaced, what stays byte for byte, the script's page blocks, and a second
// run giving the same text as the first.
#include <QtTest>

#include "create/annotation_merge.h"
#include "create/link_script.h"

namespace {

const QByteArray kNewLink = "(maparea \"#7\" \"\" (rect 100 1400 500 40 ) (xor ) ) ";
const PageRect kNewArea = PageRect::Sized(100, 1400, 500, 40);

}  // namespace

class AnnotationMergeTest : public QObject {
  Q_OBJECT
 private slots:
  void Merge_data();
  void Merge();
  void SecondRunGivesTheSameText();
  void ScriptBlocks();
};

void AnnotationMergeTest::Merge_data() {
  QTest::addColumn<QByteArray>("old");
  QTest::addColumn<QByteArray>("merged");
  QTest::newRow("no annotations") << QByteArray() << kNewLink;
  const QByteArray keep =
      "(background #ffffff)\n(zoom page)\n(mode bw)\n(metadata (Author \"A\\\"B\"))\n"
      "(maparea \"http://x.org/\" \"\" (rect 100 1400 500 40) (xor))\n"
      "(maparea \"\" \"note\" (text 100 1400 300 50) (pushpin))\n"
      "(maparea \"\" \"\" (line 100 1400 600 1440) (arrow))\n"
      "(maparea \"\" \"\" (poly 100 1400 600 1400 600 1440) (xor))";
  QTest::newRow("everything but internal links stays, even over the new area") << keep << keep + "\n" + kNewLink;
  QTest::newRow("overlapping internal link replaced, the other kept")
      << QByteArray("(maparea \"#3\" \"\" (rect 120 1410 50 20 ) (xor ) ) (maparea \"#9\" \"\" (oval 100 200 50 20) (xor))")
      << QByteArray("(maparea \"#9\" \"\" (oval 100 200 50 20) (xor))\n") + kNewLink;
  QTest::newRow("touching edges do not overlap")
      << QByteArray("(maparea \"#3\" \"\" (rect 100 1440 500 40))")
      << QByteArray("(maparea \"#3\" \"\" (rect 100 1440 500 40))\n") + kNewLink;
  QTest::newRow("internal link over several lines, url form, CR line ends")
      << QByteArray("(maparea (url \"#5\" \"_self\")\r\n  \"\\320\\223\"\r\n  (rect 90 1390 40 40) (none))\r\n(zoom 100)\r\n")
      << QByteArray("(zoom 100)\n") + kNewLink;
  QTest::newRow("a comment holding a rect is no area")
      << QByteArray("(maparea \"#5\" \"(rect 100 1400 500 40)\" (rect 1 1 2 2))")
      << QByteArray("(maparea \"#5\" \"(rect 100 1400 500 40)\" (rect 1 1 2 2))\n") + kNewLink;
  // A list that never closes takes in what follows it: the new links go before it.
  QTest::newRow("unbalanced text is kept whole")
      << QByteArray("(maparea \"#5\" \"\" (rect 100 1400 500 40)") << kNewLink + "\n(maparea \"#5\" \"\" (rect 100 1400 500 40)";
  QTest::newRow("unclosed list after records, the link before it replaced")
      << QByteArray("(zoom 100)\n(maparea \"#3\" \"\" (rect 120 1410 50 20))\n(background\n(mode bw)\n")
      << "(zoom 100)\n" + kNewLink + "\n(background\n(mode bw)";
  QTest::newRow("a string that never ends in a record")
      << QByteArray("(maparea \"\" \"note\" (text 1 2 3 4))\n(maparea \"\" \"\" (line 1 2 3 \"4))")
      << "(maparea \"\" \"note\" (text 1 2 3 4))\n" + kNewLink + "\n(maparea \"\" \"\" (line 1 2 3 \"4))";
  QTest::newRow("a line djvused would skip, then an unclosed list")
      << QByteArray("; comment-like garbage\n(background #ff") << kNewLink + "\n; comment-like garbage\n(background #ff";
  // What the reader cannot read stays as it is; the records around it merge as usual.
  QTest::newRow("unreadable line between records kept, the link under it replaced")
      << QByteArray("(zoom 100)\n(maparea \"#3\" \"\" (rect 120 1410 50 20))\ncomment-like garbage\n(mode bw) stray)\n(mode bw)")
      << QByteArray("(zoom 100)\n\ncomment-like garbage\n(mode bw) stray)\n(mode bw)\n") + kNewLink;
  QTest::newRow("a stretch djvused would skip at the start follows the new links")
      << QByteArray("(maparea \"#3\" \"\" (rect 120 1410 50 20))\n; comment-like garbage\n(zoom 100)")
      << kNewLink + "\n; comment-like garbage\n(zoom 100)";
  // A line "." would end the set-ant data and run what follows as commands.
  const QByteArray crafted = "(background #ffffff)\n.\nselect; remove-txt\nselect 1\nset-ant\n(background #ffffff)\n";
  QTest::newRow("a line \".\" outside the records: the page is refused") << crafted << QByteArray("refused");
  QTest::newRow("the same with CR line ends") << QByteArray(crafted).replace("\n", "\r\n") << QByteArray("refused");
  QTest::newRow("a line \".\" inside an unclosed record: refused")
      << QByteArray("(background #ffffff\n .\nsave-bundled /tmp/x\n") << QByteArray("refused");
  QTest::newRow("a line \".\" that only the removed link held: the rest stays")
      << QByteArray("(maparea \"#3\" \"\"\n.\n(rect 120 1410 50 20)) (zoom 100)")
      << QByteArray("(zoom 100)\n") + kNewLink;
  QTest::newRow("records holding a line \".\" rebuilt on one line, strings quoted anew")
      << QByteArray("(metadata (Title \"a\\\"b\")\n.\n)\n(maparea \"#9\" \"x\" (rect 1 2 3 4)\n\t. \n(xor))")
      << QByteArray("(metadata (Title \"a\\\"b\") .)\n(maparea \"#9\" \"x\" (rect 1 2 3 4) . (xor))\n") + kNewLink;
}

void AnnotationMergeTest::Merge() {
  QFETCH(QByteArray, old);
  QFETCH(QByteArray, merged);
  QCOMPARE(MergeAnnotations(old, {kNewArea}, kNewLink).value_or("refused"), merged);
}

void AnnotationMergeTest::SecondRunGivesTheSameText() {
  for (const QByteArray& old : {QByteArray("(background #ffffff)\n(maparea \"#3\" \"\" (rect 100 1400 500 40 ) (xor ) ) \n"),
                               QByteArray("(maparea \"#3\" \"\" (rect 120 1410 50 20))\n; comment-like garbage\n"),
                               QByteArray("(background\n.\n#ffffff)\n(maparea \"#3\" \"\" (rect 120 1410 50 20))"),
                               QByteArray("(zoom 100)\n(background\n(maparea \"#3\" \"\" (rect 120 1410 50 20))\r\n"),
                               QByteArray("(maparea \"\" \"note# (pushpin))\n(ma:area \"\" \"\" (line 1 2 3 4))")}) {
    const QByteArray once = MergeAnnotations(old, {kNewArea}, kNewLink).value();
    QCOMPARE(MergeAnnotations(once, {kNewArea}, kNewLink).value(), once);
    QCOMPARE(MergeAnnotations(once + "\n", {kNewArea}, kNewLink).value(), once);  // as djvused prints it back
  }
  // A link on an empty area overlaps nothing, not even itself, and is still replaced.
  const QByteArray flat = "(maparea \"#7\" \"\" (rect 100 1400 500 0 ) (xor ) ) ";
  const PageRect flatArea = PageRect::Sized(100, 1400, 500, 0);
  QCOMPARE(MergeAnnotations(MergeAnnotations(flat, {flatArea}, flat).value(), {flatArea}, flat).value(), flat);
}

void AnnotationMergeTest::ScriptBlocks() {
  QCOMPARE(LinkScript(false, {}), QByteArray());
  QCOMPARE(LinkScript(true, {}), QByteArray("select; remove-txt\n"));
  QCOMPARE(LinkScript(false, {PageEdit{3, "(zoom 100)\n" + kNewLink}, PageEdit{12, kNewLink}}),
           "# -------------------------------------\nselect 3\nset-ant\n(zoom 100)\n" + kNewLink +
               "\n.\n# -------------------------------------\nselect 12\nset-ant\n" + kNewLink + "\n.\n");
}

QTEST_APPLESS_MAIN(AnnotationMergeTest)
#include "test_annotation_merge.moc"

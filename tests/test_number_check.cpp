// Whether a page holds an entry's words, and the check of printed numbers
// against the pages they lead to, on zone trees written here.
#include <QtTest>

#include "targets/number_check.h"
#include "targets/word_keys.h"

using targets::CheckedNumber;
using targets::NumberEntry;
using targets::PageText;
using targets::Verdict;
using Entries = QList<NumberEntry>;
using PageLines = QHash<int, QStringList>;
using Readings = QHash<qsizetype, int>;

namespace {

// A page of one line per text, each word a zone of its own.
TextZone Page(const QStringList& lines) {
  QByteArray zones = "(page 0 0 2000 3000";
  int top = 2900;
  for (const QString& line : lines) {
    int left = 100;
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      const QByteArray text = word.toUtf8();
      const int right = left + 20 * int(word.size());
      zones += "\n (word " + QByteArray::number(left) + ' ' + QByteArray::number(top - 40) + ' ' +
               QByteArray::number(right) + ' ' + QByteArray::number(top) + " \"" + text + "\")";
      left = right + 15;
    }
    top -= 60;
  }
  return ParseTextLayer(zones + ')');
}

bool Holds(const QString& title, const QStringList& lines, bool index) {
  const QStringList keys = targets::KeyWords(title);
  return targets::HoldsEntry(PageText(Page(lines)).Found(keys), int(keys.size()), index);
}

// Entries on page 100, an index term per entry, each leading to printed + 10.
NumberEntry Index(const QString& term, int printed, int list = 0) {
  ContentsEntry e;
  e.title = term;
  e.printed = Folio{printed, false};
  e.target = printed + 10;
  e.page = 100;
  return NumberEntry{e, true, list};
}

NumberEntry Contents(const QString& title, int printed) {
  NumberEntry e = Index(title, printed);
  e.index = false;
  return e;
}

TargetOf PlusTen() {
  return [](int printed, bool) -> std::optional<int> {
    if (printed < 1 || printed > 390) return std::nullopt;
    return printed + 10;
  };
}

// "K", "C53", "R47", "D", "U", "N" (unconfirmed) for each checked number, and its target when
// that is not the number's page.
QStringList Verdicts(const QList<CheckedNumber>& checked) {
  QStringList out;
  for (const CheckedNumber& c : checked) {
    switch (c.verdict) {
      case Verdict::Kept: out << QStringLiteral("K"); break;
      case Verdict::Unchecked: out << QStringLiteral("U"); break;
      case Verdict::Unconfirmed: out << QStringLiteral("N"); break;
      case Verdict::Doubtful: out << QStringLiteral("D"); break;
      case Verdict::Corrected: out << QStringLiteral("C%1").arg(c.printed.number); break;
      case Verdict::Reread: out << QStringLiteral("R%1").arg(c.printed.number); break;
    }
    if (c.target != c.printed.number + 10) out.last() += QStringLiteral(" to page %1").arg(c.target);
  }
  return out;
}

}  // namespace

class NumberCheckTest : public QObject {
  Q_OBJECT

 private slots:
  void PageHoldsWords_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("page");
    QTest::addColumn<bool>("index");
    QTest::addColumn<bool>("holds");
    const auto row = [](const char* name, const char* title, QStringList page, bool index, bool holds) {
      QTest::newRow(name) << QString::fromUtf8(title) << page << index << holds;
    };
    row("inflected Russian term", "Кривая Безье", {QString::fromUtf8("строим кривую Безье по точкам")}, true, true);
    row("case and plural", "Path", {QStringLiteral("all paths are closed")}, true, true);
    row("short word whole", "set", {QStringLiteral("the setting is kept")}, true, false);
    row("rn read for m", "format", {QStringLiteral("the forrnat of a file")}, true, true);
    row("Cyrillic look-alikes in Latin", "Cortex", {QString::fromUtf8("a Соrtех word")}, true, true);
    row("digit for a letter", "Colour", {QStringLiteral("C0lour maps")}, true, true);
    row("broken at line end", "function calls", {QStringLiteral("a func-"), QStringLiteral("tion calls it")}, true,
        true);
    row("ligature", "definition", {QString::fromUtf8("the deﬁnition of x")}, false, true);
    row("capitals and a combining mark", "Ёмкость канала", {QString::fromUtf8("ЕМКОСТЬ КАНАЛА")}, false, true);
    row("decomposed letter", "ёмкость", {QString::fromUtf8("е\u0308мкость")}, true, true);
    row("full-width letters", "format", {QString::fromUtf8("ｆｏｒｍａｔ")}, true, true);
    row("word missing", "Кривая Безье", {QString::fromUtf8("кривая третьего порядка")}, true, false);
    row("one of three missing, index", "draw closed path", {QStringLiteral("draw a path")}, true, true);
    row("one of three missing, contents", "Drawing closed paths", {QStringLiteral("Drawing paths")}, false, false);
    row("one of four missing, contents", "Drawing of closed paths and curves",
        {QStringLiteral("Drawing paths and curves")}, false, true);
    row("stop words and numbers skipped", "2.1 The of и в 12 Units", {QStringLiteral("units")}, false, true);
  }

  void PageHoldsWords() {
    QFETCH(QString, title);
    QFETCH(QStringList, page);
    QFETCH(bool, index);
    QFETCH(bool, holds);
    QCOMPARE(Holds(title, page, index), holds);
  }

  void AlternativesAreOneDigitChanges() {
    QCOMPARE(targets::DigitAlternatives(3), (QList<int>{2, 5, 8, 9}));
    const QList<int> of23 = targets::DigitAlternatives(23);
    QVERIFY(of23.contains(53) && of23.contains(28) && of23.contains(73) && !of23.contains(3));
    for (const int n : targets::DigitAlternatives(17)) QVERIFY(n >= 10 && n != 17);  // no leading zero
  }

  void NumbersChecked_data() {
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<PageLines>("pages");  // printed number -> the page's lines
    QTest::addColumn<Readings>("readings");
    QTest::addColumn<QStringList>("verdicts");
    const QStringList bezier = {QString::fromUtf8("Кривые Безье строятся так")};
    const QStringList other = {QStringLiteral("nothing of the kind")};
    QTest::newRow("kept, corrected, unconfirmed")
        << QList<NumberEntry>{Index(QString::fromUtf8("Кривая Безье"), 12), Index(QString::fromUtf8("Кривая Безье"), 23),
                              Index(QStringLiteral("pens"), 40)}
        << QHash<int, QStringList>{{12, bezier}, {23, other}, {53, bezier}, {40, other}}
        << QHash<qsizetype, int>{} << QStringList{"K", "C53", "N"};
    QTest::newRow("no text on the target: unchecked")
        << QList<NumberEntry>{Index(QStringLiteral("pens"), 40)} << QHash<int, QStringList>{}
        << QHash<qsizetype, int>{} << QStringList{"U"};
    QTest::newRow("no words to check: unchecked")
        << QList<NumberEntry>{Index(QStringLiteral("2.1"), 40)} << QHash<int, QStringList>{{40, other}}
        << QHash<qsizetype, int>{} << QStringList{"U"};
    // 23 could be 28 or 53: only 53 stays before the term's next number, 30.
    QTest::newRow("index order decides")
        << QList<NumberEntry>{Index(QStringLiteral("pens"), 23), Index(QStringLiteral("pens"), 30)}
        << QHash<int, QStringList>{{23, other}, {28, {QStringLiteral("pens")}}, {53, {QStringLiteral("pens")}},
                                   {30, {QStringLiteral("pens")}}}
        << QHash<qsizetype, int>{} << QStringList{"C28", "K"};
    QTest::newRow("two that would do: doubtful")
        << QList<NumberEntry>{Index(QStringLiteral("pens"), 23)}
        << QHash<int, QStringList>{{23, other}, {28, {QStringLiteral("pens")}}, {53, {QStringLiteral("pens")}}}
        << QHash<qsizetype, int>{} << QStringList{"D"};
    // Another term's number does not order this one's.
    QTest::newRow("index order within the term only")
        << QList<NumberEntry>{Index(QStringLiteral("inks"), 60), Index(QStringLiteral("pens"), 23)}
        << QHash<int, QStringList>{{60, {QStringLiteral("inks")}}, {23, other}, {53, {QStringLiteral("pens")}}}
        << QHash<qsizetype, int>{} << QStringList{"K", "C53"};
    QTest::newRow("contents order decides")
        << QList<NumberEntry>{Contents(QStringLiteral("Paths"), 20), Contents(QStringLiteral("Pens"), 16),
                              Contents(QStringLiteral("Inks"), 40)}
        << QHash<int, QStringList>{{20, {QStringLiteral("Paths")}}, {16, other}, {10, {QStringLiteral("Pens")}},
                                   {26, {QStringLiteral("Pens")}}, {40, {QStringLiteral("Inks")}}}
        << QHash<qsizetype, int>{} << QStringList{"K", "C26", "K"};
    // Numbers are no words: "Глава 2" and "Глава 3" look alike to the check,
    // which would otherwise move 13 onto chapter 3's page.
    QTest::newRow("titles alike: unchecked")
        << Entries{Contents(QString::fromUtf8("Глава 1"), 10), Contents(QString::fromUtf8("Глава 2"), 13),
                   Contents(QString::fromUtf8("Глава 3"), 18)}
        << PageLines{{10, {QString::fromUtf8("Глава 1")}}, {13, other}, {18, {QString::fromUtf8("Глава 3")}}}
        << Readings{} << QStringList{"U", "U", "U"};
    QTest::newRow("the page after confirms")
        << Entries{Index(QStringLiteral("pens"), 40)} << PageLines{{40, other}, {41, {QStringLiteral("pens")}}}
        << Readings{} << QStringList{"K"};
    // Its page lacks the words and nothing corrects it, but it stands out of order.
    QTest::newRow("out of order: doubtful")
        << Entries{Contents(QStringLiteral("Paths"), 20), Contents(QStringLiteral("Pens"), 12),
                   Contents(QStringLiteral("Inks"), 40)}
        << PageLines{{20, {QStringLiteral("Paths")}}, {12, other}, {40, {QStringLiteral("Inks")}}} << Readings{}
        << QStringList{"K", "D", "K"};
    // The check alone would correct it to 53; the image shows 23.
    QTest::newRow("the image confirms the printed number")
        << Entries{Index(QStringLiteral("pens"), 23)} << PageLines{{23, other}, {53, {QStringLiteral("pens")}}}
        << Readings{{0, 23}} << QStringList{"N"};
    QTest::newRow("reading from the image taken when it passes")
        << QList<NumberEntry>{Index(QStringLiteral("pens"), 41), Index(QStringLiteral("inks"), 41)}
        << QHash<int, QStringList>{{41, other}, {47, {QStringLiteral("pens inks")}}}
        << QHash<qsizetype, int>{{0, 47}, {1, 45}} << QStringList{"R47", "C47"};
  }

  // A number the book's digit shapes read otherwise overrules the text,
  // even where its printed number's page holds the term, but is taken only
  // where its own page does too, or cannot tell, and stays in order.
  void ShapeReadingsChecked() {
    QHash<int, PageText> texts;
    const targets::PageTextOf textOf = [&texts](int page) -> const PageText* {
      const auto it = texts.constFind(page);
      return it == texts.constEnd() ? nullptr : &*it;
    };
    const auto check = [&](const PageLines& pages, const Entries& entries, const Readings& shapes) {
      texts.clear();
      for (auto it = pages.begin(); it != pages.end(); ++it) texts.insert(it.key() + 10, PageText(Page(it.value())));
      return Verdicts(targets::CheckNumbers(entries, PlusTen(), textOf, {}, shapes));
    };
    const QStringList pens = {QStringLiteral("pens")}, other = {QStringLiteral("nothing of the kind")};
    const Entries one{Index(QStringLiteral("pens"), 51)};
    QCOMPARE(check({{51, pens}, {54, pens}}, one, {{0, 54}}), QStringList{"R54"});
    QCOMPARE(check({{51, pens}, {54, other}}, one, {{0, 54}}), QStringList{"D"});
    QCOMPARE(check({{51, pens}}, one, {{0, 54}}), QStringList{"R54"});
    const Entries two{Index(QStringLiteral("pens"), 51), Index(QStringLiteral("pens"), 53)};
    QCOMPARE(check({{51, pens}, {54, pens}, {53, pens}}, two, {{0, 54}}), (QStringList{"D", "K"}));  // out of order
  }

  void NumbersChecked() {
    QFETCH(Entries, entries);
    QFETCH(PageLines, pages);
    QFETCH(Readings, readings);
    QFETCH(QStringList, verdicts);
    QHash<int, PageText> texts;
    for (auto it = pages.begin(); it != pages.end(); ++it) texts.insert(it.key() + 10, PageText(Page(it.value())));
    const targets::PageTextOf textOf = [&texts](int page) -> const PageText* {
      const auto it = texts.constFind(page);
      return it == texts.constEnd() ? nullptr : &*it;
    };
    QCOMPARE(Verdicts(targets::CheckNumbers(entries, PlusTen(), textOf, readings)), verdicts);
    // The pages read are those the check looks at.
    const QList<int> read = targets::PagesToRead(entries, PlusTen());
    for (const NumberEntry& e : entries) QVERIFY(read.contains(e.entry.target));
  }
};

QTEST_GUILESS_MAIN(NumberCheckTest)
#include "test_number_check.moc"

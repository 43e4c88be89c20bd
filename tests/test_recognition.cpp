// Page numbers from word texts: digit cleaning, index splitting, targets.
#include <QtTest>

#include "core/errors.h"
#include "create/recognition.h"

class RecognitionTest : public QObject {
  Q_OBJECT
 private slots:
  void CleanDigits_data();
  void CleanDigits();
  void SplitNumbers_data();
  void SplitNumbers();
  void Targets();
};

void RecognitionTest::CleanDigits_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<bool>("number");
  QTest::addColumn<QByteArray>("digits");
  QTest::newRow("plain") << QByteArray("15") << true << QByteArray("15");
  QTest::newRow("trailing dot") << QByteArray("15.") << true << QByteArray("15");
  QTest::newRow("parentheses") << QByteArray("(15)") << true << QByteArray("15");
  QTest::newRow("dotted leader") << QByteArray("....15") << true << QByteArray("15");
  QTest::newRow("decimal point") << QByteArray("1.5") << false << QByteArray();
  QTest::newRow("page range") << QByteArray("12-14") << false << QByteArray();
  QTest::newRow("letter inside") << QByteArray("2a3") << false << QByteArray();
  QTest::newRow("Roman numeral") << QByteArray("XIV") << true << QByteArray();
  QTest::newRow("empty") << QByteArray() << true << QByteArray();
}

void RecognitionTest::CleanDigits() {
  QFETCH(QByteArray, text);
  QFETCH(bool, number);
  QFETCH(QByteArray, digits);
  const auto cleaned = ::CleanDigits(text);
  QCOMPARE(cleaned.has_value(), number);
  if (number) QCOMPARE(*cleaned, digits);
}

void RecognitionTest::SplitNumbers_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QList<int>>("numbers");
  QTest::addColumn<QByteArray>("single");
  QTest::newRow("three numbers") << QByteArray("12,15,20") << QList<int>{12, 15, 20} << QByteArray();
  QTest::newRow("trailing comma") << QByteArray("12,") << QList<int>{12} << QByteArray();
  QTest::newRow("leading comma") << QByteArray(",12") << QList<int>{} << QByteArray("12");
  QTest::newRow("one number") << QByteArray("7") << QList<int>{} << QByteArray("7");
  QTest::newRow("letters only") << QByteArray("see") << QList<int>{} << QByteArray();
  QTest::newRow("zero among numbers") << QByteArray("0,4") << QList<int>{0, 4} << QByteArray();
}

void RecognitionTest::SplitNumbers() {
  QFETCH(QByteArray, text);
  QFETCH(QList<int>, numbers);
  QFETCH(QByteArray, single);
  const WordNumbers found = SplitWordNumbers(text);
  QCOMPARE(found.numbers, numbers);
  QCOMPARE(found.single, single);
}

void RecognitionTest::Targets() {
  // At most 100 numbers are kept from one word.
  QByteArray many;
  for (int i = 1; i <= 120; ++i) many += QByteArray::number(i) + ',';
  const WordNumbers found = SplitWordNumbers(many);
  QCOMPARE(found.numbers.size(), 100);
  QCOMPARE(found.numbers.last(), 100);
  // A digit string too long for 32 bits is skipped and counted, wherever it stands.
  const WordNumbers oversized = SplitWordNumbers("99999999999,2,2147483648");
  QCOMPARE(oversized.numbers, QList<int>{2});
  QCOMPARE(oversized.oversized, 2);
  QCOMPARE(DigitsNumber("2147483647"), std::optional<int>(2147483647));
  QCOMPARE(DigitsNumber("2147483648"), std::nullopt);

  QCOMPARE(DigitsAfterLastEscape("ab\\320\\220\\320\\22112"), QByteArray("12"));
  QCOMPARE(DigitsAfterLastEscape("3\\320\\220x"), QByteArray());

  QCOMPARE(TargetPage(15, 0, false), 15);
  QCOMPARE(TargetPage(15, -2, true), 5);
  QCOMPARE(TargetPage(7, 3, true), 6);
  QCOMPARE(TargetPage(2, -10, false), -8);
}

QTEST_GUILESS_MAIN(RecognitionTest)
#include "test_recognition.moc"

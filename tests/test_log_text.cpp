// The log text's line-break rule, as the runs' sequences of operations use it.
#include <QtTest>

#include "core/log_text.h"

class LogTextTest : public QObject {
  Q_OBJECT
 private slots:
  void Sequences_data();
  void Sequences();
};

void LogTextTest::Sequences_data() {
  QTest::addColumn<QStringList>("operations");  // "+text" adds a line, "=text" appends
  QTest::addColumn<QString>("text");
  QTest::newRow("add then append twice") << QStringList{"+A", "=B", "= OK"} << "A\r\nB OK";
  QTest::newRow("append then add") << QStringList{"=B", "= OK", "+C"} << "B OK\r\nC";
  QTest::newRow("add to empty log ends with a break") << QStringList{"+A"} << "A\r\n";
  QTest::newRow("two adds") << QStringList{"+A", "+B"} << "A\r\nB\r\n";
  // Two files of a create run: the second file's first step continues the
  // first file's closing line.
  QTest::newRow("create run over two files")
      << QStringList{"=Получение", "= OK", "+Создание", "+Исправление", "= OK", "+Редактирование 1",
                     "=Получение", "= OK"}
      << "Получение OK\r\nСоздание\r\nИсправление OK\r\nРедактирование 1Получение OK";
}

void LogTextTest::Sequences() {
  QFETCH(QStringList, operations);
  QFETCH(QString, text);
  LogText log;
  log.LogAddLine(QStringLiteral("old"));
  log.LogClear();
  for (const QString& op : operations) {
    if (op.startsWith(QLatin1Char('+'))) log.LogAddLine(op.mid(1));
    else log.LogAppend(op.mid(1));
  }
  QCOMPARE(log.Text(), text);
}

QTEST_GUILESS_MAIN(LogTextTest)
#include "test_log_text.moc"

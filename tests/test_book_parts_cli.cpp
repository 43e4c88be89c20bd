// quillmark-cli pages on built books: the contents lists and the index found
// wherever the book puts them, the main list named, the folio map and offset
// as offsets finds them, in lines and in JSON.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_process.h"
#include "support/djvu_documents.h"
#include "support/parts_book.h"

using namespace testdocs;

class BookPartsCliTest : public QObject {
  Q_OBJECT
 private slots:
  void PartsFound_data();
  void PartsFound();
  void JsonAndFolios();
  void UsageErrors();

 private:
  QTemporaryDir dir_;
};

namespace {

// The part lines of `pages` output without the file and the entry count:
// "contents 3 4 main".
QStringList PartLines(const QByteArray& out) {
  QStringList parts;
  for (const QString& line : QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() == 6) parts << fields.mid(1, 4).join(QLatin1Char(' '));
  }
  return parts;
}

}  // namespace

void BookPartsCliTest::PartsFound_data() {
  QTest::addColumn<QString>("layout");
  QTest::addColumn<QString>("heading");
  QTest::addColumn<QStringList>("parts");
  QTest::newRow("contents at the front, index under Предметный указатель")
      << "t1 b1 c2 b52 i3 b1" << QStringLiteral("Предметный указатель")
      << QStringList{"contents 3 4 main", "index 57 59 -"};
  QTest::newRow("contents at the end, after the index (Алфавитный указатель)")
      << "t1 b54 i2 c2" << QStringLiteral("Алфавитный указатель")
      << QStringList{"index 56 57 -", "contents 58 59 main"};
  QTest::newRow("a short and a full contents, a list of figures; Index")
      << "t1 s1 c2 f1 b50 i3" << QStringLiteral("Index")
      << QStringList{"contents 2 2 -", "contents 3 4 main", "figures 5 5 -", "index 56 58 -"};
  QTest::newRow("index under Указатель, no contents") << "t1 b55 i3" << QStringLiteral("Указатель")
                                                      << QStringList{"index 57 59 -"};
  QTest::newRow("no index") << "t1 c2 b56" << QString() << QStringList{"contents 2 3 main"};
  QTest::newRow("neither") << "t1 b58" << QString() << QStringList{};
  // Index-like pages without an index heading (program output, a
  // bibliography) are no index.
  QTest::newRow("index pages without a heading") << "t1 b55 i3" << QStringLiteral("Библиография")
                                                 << QStringList{};
}

void BookPartsCliTest::PartsFound() {
  QFETCH(QString, layout);
  QFETCH(QString, heading);
  QFETCH(QStringList, parts);
  const QString book = dir_.filePath(QStringLiteral("книга %1.djvu").arg(QTest::currentDataTag()).replace('/', '-'));
  parts_book::Build(book, layout, heading);
  const CliRun r = Cli({"pages", book});
  QCOMPARE(r.status, 0);
  QCOMPARE(PartLines(r.out), parts);
  QVERIFY2(r.out.contains((book + "\toffset\t+" + QString::number(parts_book::kOffset) + '\n').toUtf8()),
           r.out.constData());
}

void BookPartsCliTest::JsonAndFolios() {
  const QString book = dir_.filePath(QStringLiteral("json.djvu"));
  parts_book::Build(book, "t1 c2 b53 i3");
  const CliRun lines = Cli({"pages", book});
  const CliRun offsets = Cli({"offsets", book});
  QCOMPARE(lines.status, 0);
  // The folio lines are the offsets command's, each led by the file.
  QStringList folios;
  for (const QString& line : QString::fromUtf8(offsets.out).split('\n', Qt::SkipEmptyParts).mid(1)) {
    folios << book + "\tfolios\t" + line.trimmed();
  }
  QVERIFY(!folios.isEmpty());
  QVERIFY2(lines.out.endsWith((folios.join('\n') + '\n').toUtf8()), lines.out.constData());
  QVERIFY(lines.out.contains((book + "\tcontents\t2\t3\tmain\t" + QString::number(2 * parts_book::kEntriesPerPage) +
                              '\n').toUtf8()));

  const CliRun json = Cli({"pages", "--json", book, book});
  QCOMPARE(json.status, 0);
  const QList<QByteArray> objects = json.out.trimmed().split('\n');
  QCOMPARE(objects.size(), 2);
  const QJsonObject o = QJsonDocument::fromJson(objects[0]).object();
  QCOMPARE(o["file"].toString(), book);
  QCOMPARE(o["pages"].toInt(), 59);
  QCOMPARE(o["offset"].toInt(), parts_book::kOffset);
  const QJsonArray parts = o["parts"].toArray();
  QCOMPARE(parts.size(), 2);
  QCOMPARE(parts[0].toObject(), (QJsonObject{{"kind", "contents"}, {"first", 2}, {"last", 3}, {"main", true},
                                             {"entries", 2 * parts_book::kEntriesPerPage}}));
  QCOMPARE(parts[1].toObject()["kind"].toString(), QStringLiteral("index"));
  const QJsonObject run = o["folios"].toArray().last().toObject();
  QCOMPARE(run["last"].toInt(), 59);
  QCOMPARE(run["printed_last"].toInt(), 59 - parts_book::kOffset);
}

void BookPartsCliTest::UsageErrors() {
  WriteFile(dir_.filePath("text.djvu"), "not a book");
  const struct {
    QStringList arguments;
    int status;
    QByteArray message;
  } cases[] = {
      {{"pages"}, 2, "pages needs at least one FILE"},
      {{"pages", "--list", "x.djvu"}, 2, "unknown option '--list' for pages"},
      {{"pages", dir_.filePath("text.djvu")}, 1, "Ошибка djvused"},
      {{"pages", dir_.filePath("missing.djvu")}, 1, "missing.djvu: Файл не найден"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.arguments);
    QCOMPARE(r.status, c.status);
    QVERIFY2(r.err.contains(c.message), r.err.constData());
    QVERIFY(r.out.isEmpty());
  }
}

QTEST_GUILESS_MAIN(BookPartsCliTest)
#include "test_book_parts_cli.moc"

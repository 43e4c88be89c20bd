// A create-list row's texts (colours, every number) and the link style built from a row.
#include <QtTest>

#include "core/errors.h"
#include "create/link_style.h"
#include "create/row_columns.h"

class LinkStyleTest : public QObject {
  Q_OBJECT
 private slots:
  void Colors_data();
  void Colors();
  void Style_data();
  void Style();
  void RowSettingsConvertEveryColumn_data();
  void RowSettingsConvertEveryColumn();
};

void LinkStyleTest::Colors_data() {
  QTest::addColumn<uint>("value");
  QTest::addColumn<QString>("text");
  QTest::newRow("black") << 0u << "000000";
  QTest::newRow("pure red") << 0x0000FFu << "FF0000";
  QTest::newRow("pure blue") << 0xFF0000u << "0000FF";
  QTest::newRow("mixed") << 0xA0B0C0u << "C0B0A0";
  QTest::newRow("white") << 0xFFFFFFu << "FFFFFF";
}

void LinkStyleTest::Colors() {
  QFETCH(uint, value);
  QFETCH(QString, text);
  QCOMPARE(ColorToHexRgb(value), text);
  QCOMPARE(HexRgbToColor(text), value);
  QVERIFY_THROWS_EXCEPTION(ConversionError, HexRgbToColor(QStringLiteral("GG0000")));
}

void LinkStyleTest::Style_data() {
  // The row's column texts: shape, border type, colour, width, always
  // visible, highlight, highlight colour.
  QTest::addColumn<int>("shape");
  QTest::addColumn<int>("border");
  QTest::addColumn<QString>("color");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("visible");
  QTest::addColumn<int>("highlight");
  QTest::addColumn<QString>("highlightColor");
  QTest::addColumn<QByteArray>("shapeWord");
  QTest::addColumn<QByteArray>("options");
  QTest::newRow("none") << 0 << 0 << "123456" << 5 << 0 << 0 << "" << QByteArray("rect") << QByteArray("(none )");
  QTest::newRow("xor oval") << 1 << 1 << "" << 0 << 0 << 0 << "" << QByteArray("oval") << QByteArray("(xor )");
  QTest::newRow("plain border") << 0 << 2 << "FF0000" << 7 << 0 << 0 << "" << QByteArray("rect")
                                << QByteArray("(border #FF0000 )");
  QTest::newRow("plain border, empty colour is white") << 0 << 2 << "" << 0 << 0 << 0 << "" << QByteArray("rect")
                                                       << QByteArray("(border #FFFFFF )");
  QTest::newRow("shadow in") << 0 << 3 << "" << 2 << 0 << 0 << "" << QByteArray("rect") << QByteArray("(shadow_in 2 )");
  QTest::newRow("shadow out, width 0 written") << 0 << 4 << "" << 0 << 0 << 0 << "" << QByteArray("rect")
                                               << QByteArray("(shadow_out 0 )");
  QTest::newRow("etched in, width over 20") << 0 << 5 << "" << 35 << 0 << 0 << "" << QByteArray("rect")
                                            << QByteArray("(shadow_ein 35 )");
  QTest::newRow("etched out") << 0 << 6 << "" << 1 << 0 << 0 << "" << QByteArray("rect")
                              << QByteArray("(shadow_eout 1 )");
  QTest::newRow("none, always visible") << 0 << 0 << "" << 0 << 1 << 0 << "" << QByteArray("rect")
                                        << QByteArray("(none ) (border_avis ) ");
  QTest::newRow("visible and highlight") << 0 << 1 << "" << 0 << 1 << 1 << "00FF00" << QByteArray("rect")
                                         << QByteArray("(xor ) (border_avis )  (hilite #00FF00 )");
  QTest::newRow("highlight, empty colour is white") << 0 << 1 << "" << 0 << 0 << 1 << "" << QByteArray("rect")
                                                    << QByteArray("(xor ) (hilite #FFFFFF )");
  QTest::newRow("flags other than 1 are off") << 0 << 1 << "" << 0 << 2 << -1 << "00FF00" << QByteArray("rect")
                                              << QByteArray("(xor )");
}

void LinkStyleTest::Style() {
  QFETCH(int, shape);
  QFETCH(int, border);
  QFETCH(QString, color);
  QFETCH(int, width);
  QFETCH(int, visible);
  QFETCH(int, highlight);
  QFETCH(QString, highlightColor);
  QFETCH(QByteArray, shapeWord);
  QFETCH(QByteArray, options);
  const CreateColumns row = CreateColumns::FromColumns(
      "/b/", {"a.djvu", "1", "1", "0", "0", QString::number(border), QString::number(shape), color, highlightColor,
              QString::number(width), QString::number(visible), QString::number(highlight), "0"});
  const LinkStyle style = BuildLinkStyle(row.Read(1).settings.look);
  QCOMPARE(style.shape, shapeWord);
  QCOMPARE(style.options, options);
}

void LinkStyleTest::RowSettingsConvertEveryColumn_data() {
  QTest::addColumn<QString>("column");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  // Row 2 of the list, the file a.djvu: the field, the row and the text named.
  const QString where = QStringLiteral("%1 в строке 2 (a.djvu): %2");
  QTest::newRow("empty offset") << "cm" << "" << where.arg("Смещение", "пустое значение, нужно целое число");
  QTest::newRow("minus alone") << "cm" << "-" << where.arg("Смещение", "«-» не целое число");
  QTest::newRow("comma page") << "FirstPage" << "1,5" << where.arg("Первая страница", "«1,5» не целое число");
  QTest::newRow("unused width still converted") << "bw" << "x" << where.arg("Ширина границы", "«x» не целое число");
  QTest::newRow("too large") << "LastPage" << "2147483648"
                             << where.arg("Последняя страница", "«2147483648» не умещается в 32 бита");
  QTest::newRow("work type") << "tp" << " 1" << where.arg("Тип работы", "« 1» не целое число");
  QTest::newRow("border type") << "tpb" << "" << where.arg("Тип границы", "пустое значение, нужно целое число");
  QTest::newRow("shape") << "tps" << "a" << where.arg("Форма ссылки", "«a» не целое число");
  QTest::newRow("always visible") << "vis" << "да" << where.arg("Всегда видно", "«да» не целое число");
  QTest::newRow("highlight") << "pods" << "" << where.arg("Подсветка области", "пустое значение, нужно целое число");
  QTest::newRow("halve") << "del2" << "1.0" << where.arg("Делить на 2", "«1.0» не целое число");
  QTest::newRow("Roman offset") << "ro" << "v" << where.arg("Стр. i", "«v» не целое число");
}

void LinkStyleTest::RowSettingsConvertEveryColumn() {
  QFETCH(QString, column);
  QFETCH(QString, text);
  QFETCH(QString, message);
  CreateColumns row = CreateColumns::FromColumns(QStringLiteral("/b/"), {"a.djvu", "1", "2", "-0", "0", "2", "0", "FF0000",
                                                                          "", "05", "1", "0", "1"});
  const CreateSettings good = row.Read(2).settings;
  QCOMPARE(good.offset, 0);
  QCOMPARE(good.halve, true);
  QCOMPARE(BuildLinkStyle(good.look).options, QByteArray("(border #FF0000 ) (border_avis ) "));
  QStringList columns = row.SubItems();
  const QStringList names{"FileName", "FirstPage", "LastPage", "cm", "tp", "tpb", "tps", "col1", "col2",
                          "bw", "vis", "pods", "del2", "ro"};
  columns[names.indexOf(column)] = text;
  row = CreateColumns::FromColumns(row.Folder, columns);
  try {
    row.Read(2);
    QFAIL("no conversion error");
  } catch (const ConversionError& e) {
    QCOMPARE(e.Message(), message);
  }
}

QTEST_GUILESS_MAIN(LinkStyleTest)
#include "test_link_style.moc"

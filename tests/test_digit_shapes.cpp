// Numbers read by the digit shapes learnt from the same page: drawn with Qt
// in a serif type, so the test knows every digit and its box.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "ocr/digit_shapes.h"

namespace {

constexpr int kWidth = 1400, kHeight = 900;

// A page of numbers drawn in rows; each number's box in page units (origin
// at the bottom left), as a text layer gives it.
class DrawnPage {
 public:
  DrawnPage() : image_(kWidth, kHeight, QImage::Format_Grayscale8), font_(QStringLiteral("DejaVu Serif"), 22) {
    image_.fill(Qt::white);
  }

  // Draws `text` at the next place and gives the box of its first `count`
  // characters from `from`.
  PageRect Draw(const QString& text, qsizetype from = 0, qsizetype count = -1) {
    const QFontMetrics metrics(font_, &image_);
    const int x = 40 + (placed_ % 10) * 130, baseline = 80 + (placed_ / 10) * 70;
    ++placed_;
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(x, baseline, text);
    const int left = x + metrics.horizontalAdvance(text.left(from));
    const int right = left + metrics.horizontalAdvance(text.mid(from, count));
    return PageRect::Edges(left, kHeight - (baseline + metrics.descent()), right,
                           kHeight - (baseline - metrics.ascent()));
  }

  ocr::Picture Picture() const {
    QByteArray pixels;
    for (int row = 0; row < kHeight; ++row) pixels.append(reinterpret_cast<const char*>(image_.constScanLine(row)), kWidth);
    return ocr::Picture(kWidth, kHeight, pixels);
  }

 private:
  QImage image_;
  QFont font_;
  int placed_ = 0;
};

}  // namespace

class DigitShapesTest : public QObject {
  Q_OBJECT

 private slots:
  void NumbersReadByTheirShapes() {
    DrawnPage page;
    QList<std::pair<PageRect, QString>> learnt;
    for (int number = 10; number <= 49; ++number) learnt << std::pair{page.Draw(QString::number(number)), QString::number(number)};
    const PageRect misread = page.Draw(QStringLiteral("54"));
    const PageRect withComma = page.Draw(QStringLiteral("38,"));
    const PageRect cutOff = page.Draw(QStringLiteral("45"), 1, 1);  // the box holds the 5 alone
    const PageRect blank = PageRect::Sized(1300, 20, 40, 30);
    const ocr::Picture picture = page.Picture();
    QList<ocr::PrintedNumber> confirmed;
    for (const auto& [box, digits] : learnt) confirmed << ocr::PrintedNumber{&picture, box, digits};
    const ocr::DigitShapes shapes(confirmed);

    // The picture's 54 read as the text's 51: the shapes say 54, surely.
    std::optional<ocr::ShapeReading> reading = shapes.Read({&picture, misread, QStringLiteral("51")});
    QVERIFY(reading);
    QCOMPARE(reading->digits, QStringLiteral("54"));
    QVERIFY2(reading->margin >= 2, qPrintable(QString::number(reading->margin)));
    // Read as printed: no other reading, and the comma after it is no digit.
    reading = shapes.Read({&picture, withComma, QStringLiteral("38")});
    QVERIFY(reading);
    QCOMPARE(reading->digits, QStringLiteral("38"));
    QCOMPARE(reading->margin, 0.0);
    // OCR kept only the 5 of 45: the ink beside the box is one digit wider.
    reading = shapes.Read({&picture, cutOff, QStringLiteral("5")});
    QVERIFY(reading);
    QCOMPARE(reading->digits, QStringLiteral("45"));
    QVERIFY(std::isinf(reading->margin));
    // No ink, no reading.
    QVERIFY(!shapes.Read({&picture, blank, QStringLiteral("7")}));
    // A part cut out of the page reads as the page does.
    const ocr::NumberPart part = ocr::PartOfPage(picture, misread);
    reading = shapes.Read({&part.picture, part.box, QStringLiteral("51")});
    QVERIFY(reading);
    QCOMPARE(reading->digits, QStringLiteral("54"));
  }
};

QTEST_MAIN(DigitShapesTest)
#include "test_digit_shapes.moc"

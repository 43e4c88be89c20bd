#pragma once
// Printed numbers read again from the page pictures by the book's own digit
// shapes. A scan's thin strokes break the same way wherever a digit is
// printed: a 4 whose crossbar is lost is read as a 1 by any reader that
// knows digits in general, but it still looks like the other 4s of the same
// book. The shapes are learnt from numbers taken as read right (those the
// check of targets confirmed), and every number is compared with them.
#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/page_rect.h"
#include "ocr/picture_file.h"

namespace ocr {

// A number as printed on a page picture: its box (page units, origin at the
// bottom left, as the hidden text gives it) and its digits as read.
struct PrintedNumber {
  const Picture* picture = nullptr;
  PageRect box;
  QString digits;
};

// The part of a page picture a number's reading looks at, and the number's
// box in it: the pages are rendered one at a time and only these parts kept.
struct NumberPart {
  Picture picture;
  PageRect box;
};
NumberPart PartOfPage(const Picture& page, const PageRect& box);

// The area of the page (page units) a number's reading looks at.
PageRect AreaRead(const PageRect& box);

// A box of pixels in a picture, rows from the top; right and bottom outside it.
struct InkBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// A number read by its digits' shapes: the digits that fit best, and how
// much better they fit than the digits as read (0 when they are the same;
// in units of the usual misfit of a confirmed digit to its shape; infinite
// when the ink shows a digit more).
struct ShapeReading {
  QString digits;
  double margin = 0;
  double misfit = 0;  // of the digits as read, a digit's in the same units
};

class DigitShapes {
 public:
  // Learns the shapes from numbers read right.
  explicit DigitShapes(const QList<PrintedNumber>& confirmed);

  // Whether a digit's shape was learnt (from at least two of its prints).
  bool Knows(QChar digit) const;

  // The digits the number's picture shows, as many as it was read with
  // unless its ink is surely as wide as one digit more; nothing
  // when its picture holds no ink or a digit it was read with (or read as)
  // has no learnt shape.
  std::optional<ShapeReading> Read(const PrintedNumber& number) const;

  static constexpr int kGridWidth = 8;
  static constexpr int kGridHeight = 12;
  using Shape = std::array<float, kGridWidth * kGridHeight>;

 private:
  struct Cells;
  struct Fit {
    double misfit = 0;
    QString digits;
  };
  // The number's cells, `count` of them over its ink (found once per number).
  std::optional<Cells> CellsOf(const PrintedNumber& number, const std::optional<InkBox>& ink, int count) const;
  Fit BestFit(const Cells& cells, const QString& digits, bool free) const;
  int Gap() const;
  // How many digits the number's ink is wide; 0 when it does not tell.
  int InkDigits(const std::optional<InkBox>& ink) const;

  std::array<Shape, 10> shapes_{};
  std::array<int, 10> prints_{};
  double pitch_ = 0.8;      // a digit's advance, in digit heights
  double bearings_ = 0.15;  // the blank beside a number's ink, both sides together, in digit heights
  int digitHeight_ = 0;     // in pixels, the median of the confirmed numbers
  double usualMisfit_ = 1;
};

}  // namespace ocr

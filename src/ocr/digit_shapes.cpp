#include "ocr/digit_shapes.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <vector>

namespace ocr {
namespace {

using Shape = DigitShapes::Shape;

// The number's cells may move together this far (in digit advances), and
// each cell by itself this much more.
constexpr double kNumberShift = 0.35;
constexpr double kCellShift = 0.1;
// A number's ink tells how many digits it has when its width is within this
// share of a digit advance of so many digits' width.
constexpr double kCountSlack = 0.4;

// How far above and below its box a number's ink is looked for: a scan's
// word boxes cut the strokes' ends.
qint64 Margin(const PageRect& box) { return box.Height() / 6; }

// How far left and right of its box a number's ink may reach (a digit the
// word box cut off).
qint64 Reach(const PageRect& box) { return qMax<qint64>(2, 2 * box.Height()); }

// The ink of a printed number: the connected pieces of dark pixels in and
// beside its box, without specks of noise and without the comma that
// follows a number in a list (a piece right of the others whose top is below
// their middle). A scan's word boxes may cut a digit off: with `gap` (in
// pixels) the number takes in the pieces beside its box up to a blank wider
// than that, the space before the next word.
std::optional<InkBox> NumberInk(const Picture& picture, const PageRect& box, int gap) {
  const qint64 rows = picture.Height(), columns = picture.Width();
  const qint64 margin = Margin(box);
  const qint64 reach = gap > 0 ? Reach(box) : 2;
  const int x0 = int(qBound<qint64>(0, box.left - reach, columns));
  const int x1 = int(qBound<qint64>(0, box.right + reach, columns));
  const int y0 = int(qBound<qint64>(0, rows - box.top - margin, rows));
  const int y1 = int(qBound<qint64>(0, rows - box.bottom + margin, rows));
  const int width = x1 - x0, height = y1 - y0;
  if (width <= 0 || height <= 0) return std::nullopt;
  std::vector<bool> seen(size_t(width) * height, false);
  std::vector<std::pair<InkBox, int>> pieces;  // a piece's box and its pixels
  std::vector<std::pair<int, int>> stack;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (seen[size_t(y - y0) * width + (x - x0)] || !picture.Ink(x, y)) continue;
      InkBox piece{x, y, x + 1, y + 1};
      int count = 0;
      seen[size_t(y - y0) * width + (x - x0)] = true;
      stack.assign(1, {x, y});
      while (!stack.empty()) {
        const auto [px, py] = stack.back();
        stack.pop_back();
        ++count;
        piece = {qMin(piece.left, px), qMin(piece.top, py), qMax(piece.right, px + 1), qMax(piece.bottom, py + 1)};
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = px + dx, ny = py + dy;
            if (nx < x0 || nx >= x1 || ny < y0 || ny >= y1) continue;
            const size_t at = size_t(ny - y0) * width + (nx - x0);
            if (seen[at] || !picture.Ink(nx, ny)) continue;
            seen[at] = true;
            stack.push_back({nx, ny});
          }
        }
      }
      pieces.push_back({piece, count});
    }
  }
  const int speck = qMax(3, int(box.Height() * box.Height() / 400));
  pieces.erase(std::remove_if(pieces.begin(), pieces.end(), [speck](const auto& piece) { return piece.second < speck; }),
               pieces.end());
  // A piece cut by the window's top or bottom belongs to the line above or below.
  pieces.erase(std::remove_if(pieces.begin(), pieces.end(),
                              [&](const auto& piece) { return piece.first.top == y0 || piece.first.bottom == y1; }),
               pieces.end());
  // The pieces over the box, and those beside them closer than a space.
  std::vector<bool> taken(pieces.size(), false);
  int left = int(box.right), right = int(box.left);
  const auto take = [&](size_t i) {
    taken[i] = true;
    left = qMin(left, pieces[i].first.left);
    right = qMax(right, pieces[i].first.right);
  };
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].first.right > box.left && pieces[i].first.left < box.right) take(i);
  }
  if (left >= right) return std::nullopt;
  for (bool grew = true; grew;) {
    grew = false;
    for (size_t i = 0; i < pieces.size(); ++i) {
      if (taken[i] || pieces[i].first.right < left - gap || pieces[i].first.left > right + gap) continue;
      take(i);
      grew = true;
    }
  }
  std::vector<std::pair<InkBox, int>> kept;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (taken[i]) kept.push_back(pieces[i]);
  }
  pieces = kept;
  if (pieces.size() > 1) {
    const auto last = std::max_element(pieces.begin(), pieces.end(),
                                       [](const auto& a, const auto& b) { return a.first.right < b.first.right; });
    int top = int(rows), bottom = 0, rightmost = 0;
    for (auto piece = pieces.begin(); piece != pieces.end(); ++piece) {
      if (piece == last) continue;
      top = qMin(top, piece->first.top);
      bottom = qMax(bottom, piece->first.bottom);
      rightmost = qMax(rightmost, piece->first.right);
    }
    if (last->first.left >= rightmost - 1 && last->first.top > (top + bottom) / 2) pieces.erase(last);
  }
  InkBox ink = pieces.front().first;
  for (const auto& [piece, count] : pieces) {
    ink = {qMin(ink.left, piece.left), qMin(ink.top, piece.top), qMax(ink.right, piece.right),
           qMax(ink.bottom, piece.bottom)};
  }
  return ink;
}

// The share of ink in each part of a grid laid over a digit's cell.
Shape Sample(const Picture& picture, double left, double width, int top, int height) {
  Shape ink{}, all{};
  const int first = int(std::floor(left)), last = int(std::ceil(left + width));
  for (int y = top; y < top + height; ++y) {
    const int gy = qMin(DigitShapes::kGridHeight - 1, (y - top) * DigitShapes::kGridHeight / height);
    for (int x = first; x < last; ++x) {
      const int gx = int(std::floor((x + 0.5 - left) * DigitShapes::kGridWidth / width));
      if (gx < 0 || gx >= DigitShapes::kGridWidth) continue;
      const int at = gy * DigitShapes::kGridWidth + gx;
      all[at] += 1;
      ink[at] += picture.Ink(x, y) ? 1 : 0;
    }
  }
  for (size_t at = 0; at < ink.size(); ++at) ink[at] = all[at] > 0 ? ink[at] / all[at] : 0;
  return ink;
}

float Distance(const Shape& a, const Shape& b) {
  float sum = 0;
  for (size_t at = 0; at < a.size(); ++at) sum += (a[at] - b[at]) * (a[at] - b[at]);
  return sum;
}

int DigitAt(const QString& digits, int cell) { return digits[cell].digitValue(); }

bool AllDigits(const QString& digits) {
  return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit() && c.digitValue() >= 0; });
}

template <typename T>
T Median(std::vector<T> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

}  // namespace

// A number's cells, one a digit, laid by the book's digit advance and
// sampled at every shift within a reach left and right: a scan may lose a
// digit's edge, which moves the number's ink, and a narrow 1 sits off its
// cell's middle.
struct DigitShapes::Cells {
  int reach = 0;                              // the largest shift, in pixels
  std::vector<std::vector<Shape>> shifted;    // by cell, then by shift from -reach
};

std::optional<DigitShapes::Cells> DigitShapes::CellsOf(const PrintedNumber& number, const std::optional<InkBox>& ink,
                                                       int count) const {
  if (!ink || count < 1) return std::nullopt;
  const int height = digitHeight_ > 0 ? digitHeight_ : ink->Height();
  // A digit whose top or foot the scan lost: the number stands on its line.
  int top = ink->top;
  if (std::abs(ink->Height() - height) * 100 > height * 15) top = ink->bottom - height;
  const double pitch = pitch_ * height;
  // The cells are laid from the number's right edge: a scan loses a 4's
  // thin diagonal at the left of the number more often than the last
  // digit's right side.
  const double start = ink->right + bearings_ * height / 2 - pitch * count;
  Cells cells;
  cells.reach = qMax(1, int(std::lround(pitch * (kNumberShift + kCellShift))));
  for (int cell = 0; cell < count; ++cell) {
    std::vector<Shape> shifts;
    for (int shift = -cells.reach; shift <= cells.reach; ++shift) {
      shifts.push_back(Sample(*number.picture, start + cell * pitch + shift, pitch, top, height));
    }
    cells.shifted.push_back(std::move(shifts));
  }
  return cells;
}

int DigitShapes::Gap() const { return digitHeight_ > 0 ? qMax(2, digitHeight_ / 2) : 0; }

// The best fit of the digits to the cells, the number's cells moved
// together by one shift and each cell by a little more: the misfit and the
// digits (each the given one, or with `free` the best fitting one).
DigitShapes::Fit DigitShapes::BestFit(const Cells& cells, const QString& digits, bool free) const {
  const int count = int(cells.shifted.size());
  const int small = qMax(1, int(std::lround(cells.reach * kCellShift / (kNumberShift + kCellShift))));
  Fit best;
  best.misfit = std::numeric_limits<double>::max();
  for (int shift = -cells.reach + small; shift <= cells.reach - small; ++shift) {
    Fit fit;
    for (int cell = 0; cell < count; ++cell) {
      float cellBest = std::numeric_limits<float>::max();
      int pick = DigitAt(digits, cell);
      for (int digit = 0; digit < 10; ++digit) {
        if (free ? (!Knows(QChar(u'0' + digit)) || (digit == 0 && cell == 0 && count > 1)) : digit != pick) continue;
        for (int s = shift - small; s <= shift + small; ++s) {
          const float misfit = Distance(cells.shifted[cell][s + cells.reach], shapes_[digit]);
          if (misfit < cellBest) cellBest = misfit, pick = digit;
        }
      }
      fit.misfit += cellBest;
      fit.digits += QChar(u'0' + pick);
    }
    if (fit.misfit < best.misfit) best = fit;
  }
  return best;
}

DigitShapes::DigitShapes(const QList<PrintedNumber>& confirmed) {
  // The digit height, and the advance from how wide numbers of so many digits are.
  std::vector<int> heights;
  QList<PrintedNumber> numbers;
  for (const PrintedNumber& number : confirmed) {
    if (!AllDigits(number.digits)) continue;
    if (const std::optional<InkBox> ink = NumberInk(*number.picture, number.box, 0)) {
      heights.push_back(ink->Height());
      numbers << number;
    }
  }
  if (heights.empty()) return;
  digitHeight_ = Median(heights);
  QHash<int, std::vector<double>> widths;  // by count of digits, in digit heights
  QList<std::optional<InkBox>> inks;       // by number, as read beside its box
  for (const PrintedNumber& number : std::as_const(numbers)) {
    inks << NumberInk(*number.picture, number.box, Gap());
    if (inks.back()) widths[int(number.digits.size())].push_back(double(inks.back()->Width()) / digitHeight_);
  }
  QList<int> counts = widths.keys();
  std::sort(counts.begin(), counts.end(), [&widths](int a, int b) { return widths[a].size() > widths[b].size(); });
  if (counts.size() >= 2 && widths[counts[1]].size() >= 3) {
    const double first = Median(widths[counts[0]]), second = Median(widths[counts[1]]);
    const double pitch = (second - first) / (counts[1] - counts[0]);
    const double bearings = counts[0] * pitch - first;
    if (pitch > 0.4 && pitch < 1.2 && bearings > -0.1 && bearings < 0.6) pitch_ = pitch, bearings_ = bearings;
  } else if (!counts.isEmpty()) {
    pitch_ = (Median(widths[counts[0]]) + bearings_) / counts[0];
  }

  // Each digit's shape: the mean of its prints, each in its cell as the
  // book's advance lays it. (Moving each print to where it fits best makes
  // the shapes drift: a 4 whose crossbar is lost drifts to the 1.)
  QList<Cells> cellsOf;
  QList<QString> digitsOf;
  for (qsizetype i = 0; i < numbers.size(); ++i) {
    if (std::optional<Cells> cells = CellsOf(numbers[i], inks[i], int(numbers[i].digits.size()))) {
      cellsOf << std::move(*cells);
      digitsOf << numbers[i].digits;
    }
  }
  std::array<Shape, 10> sums{};
  for (qsizetype i = 0; i < cellsOf.size(); ++i) {
    for (int cell = 0; cell < int(digitsOf[i].size()); ++cell) {
      const int digit = DigitAt(digitsOf[i], cell);
      const Shape& shape = cellsOf[i].shifted[cell][cellsOf[i].reach];
      for (size_t at = 0; at < shape.size(); ++at) sums[digit][at] += shape[at];
      ++prints_[digit];
    }
  }
  for (int digit = 0; digit < 10; ++digit) {
    for (float& value : sums[digit]) value = prints_[digit] > 0 ? value / prints_[digit] : 0;
  }
  shapes_ = sums;
  std::vector<double> misfits;
  for (qsizetype i = 0; i < cellsOf.size(); ++i) {
    misfits.push_back(BestFit(cellsOf[i], digitsOf[i], false).misfit / digitsOf[i].size());
  }
  usualMisfit_ = qMax(1e-3, Median(misfits));
}

PageRect AreaRead(const PageRect& box) {
  return PageRect::Edges(box.left - Reach(box), box.bottom - Margin(box), box.right + Reach(box),
                         box.top + Margin(box));
}

NumberPart PartOfPage(const Picture& page, const PageRect& box) {
  const qint64 rows = page.Height();
  const PageRect area = AreaRead(box);
  const qint64 left = area.left, right = area.right, top = rows - area.top, bottom = rows - area.bottom;
  const auto clamp = [](qint64 value, qint64 most) { return int(qBound<qint64>(0, value, most)); };
  const int x0 = clamp(left, page.Width()), x1 = clamp(right, page.Width());
  const int y0 = clamp(top, rows), y1 = clamp(bottom, rows);
  // The part's rows counted from its own bottom, as the page's are.
  const qint64 lift = rows - y1;
  return NumberPart{page.Part(x0, y0, x1 - x0, y1 - y0),
                    PageRect::Edges(box.left - x0, box.bottom - lift, box.right - x0, box.top - lift)};
}

bool DigitShapes::Knows(QChar digit) const {
  return digit.isDigit() && digit.digitValue() >= 0 && prints_[digit.digitValue()] >= 2;
}

int DigitShapes::InkDigits(const std::optional<InkBox>& ink) const {
  if (!ink || digitHeight_ == 0) return 0;
  const double digits = (double(ink->Width()) / digitHeight_ + bearings_) / pitch_;
  const long count = std::lround(digits);
  return count >= 1 && std::abs(digits - count) < kCountSlack ? int(count) : 0;
}

std::optional<ShapeReading> DigitShapes::Read(const PrintedNumber& number) const {
  if (digitHeight_ == 0 || !AllDigits(number.digits)) return std::nullopt;
  // A number whose ink is surely a digit wider than its digits as read: OCR
  // lost a digit (a broken 4 in front of a 5), so the picture is read as it
  // is. (More digits than one is the ink of something beside the number.)
  const std::optional<InkBox> ink = NumberInk(*number.picture, number.box, Gap());
  const int inkDigits = InkDigits(ink);
  if (inkDigits == number.digits.size() + 1) {
    const std::optional<Cells> cells = CellsOf(number, ink, inkDigits);
    if (!cells) return std::nullopt;
    const Fit best = BestFit(*cells, QString(inkDigits, u'0'), true);
    for (const QChar digit : best.digits) {
      if (!Knows(digit)) return std::nullopt;
    }
    return ShapeReading{best.digits, std::numeric_limits<double>::infinity(), best.misfit / inkDigits / usualMisfit_};
  }
  for (const QChar digit : number.digits) {
    if (!Knows(digit)) return std::nullopt;
  }
  const std::optional<Cells> cells = CellsOf(number, ink, int(number.digits.size()));
  if (!cells) return std::nullopt;
  const Fit asRead = BestFit(*cells, number.digits, false);
  const Fit best = BestFit(*cells, number.digits, true);
  const double misfit = asRead.misfit / number.digits.size() / usualMisfit_;
  if (best.digits == number.digits || best.misfit >= asRead.misfit) return ShapeReading{number.digits, 0, misfit};
  return ShapeReading{best.digits, (asRead.misfit - best.misfit) / usualMisfit_, misfit};
}

}  // namespace ocr

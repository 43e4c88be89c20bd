#include "app/window_position.h"

int HalfRoundedToEven(int value) {
  const int half = value / 2;  // toward zero
  if (value % 2 == 0) return half;
  // An exact half lies between half and its neighbour away from zero.
  const int other = value > 0 ? half + 1 : half - 1;
  return half % 2 == 0 ? half : other;
}

QPoint CentredPosition(const QSize& screen, const QSize& window) {
  return {HalfRoundedToEven(screen.width()) - HalfRoundedToEven(window.width()),
          HalfRoundedToEven(screen.height()) - HalfRoundedToEven(window.height())};
}

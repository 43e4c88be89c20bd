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

QRect BesideRect(const QRect& screen, const QRect& mainFrame, const QSize& frame) {
  const QSize size = frame.boundedTo(screen.size());
  int left = screen.x() + screen.width() - size.width();
  if (mainFrame.x() + mainFrame.width() + size.width() <= screen.x() + screen.width()) {
    left = mainFrame.x() + mainFrame.width();
  } else if (mainFrame.x() - size.width() >= screen.x()) {
    left = mainFrame.x() - size.width();
  }
  const int top = qBound(screen.y(), mainFrame.y(), screen.y() + screen.height() - size.height());
  return {QPoint(left, top), size};
}

#include "app/window_position.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

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

QRect BesideRect(const QRect& screen, const QRect& mainFrame, const QSize& frame, int leastWidth) {
  QSize size = frame.boundedTo(screen.size());
  const int roomRight = screen.x() + screen.width() - (mainFrame.x() + mainFrame.width());
  const int roomLeft = mainFrame.x() - screen.x();
  const int room = std::max(roomRight, roomLeft);
  if (leastWidth > 0 && size.width() > room && room >= leastWidth) size.setWidth(room);
  int left = screen.x() + screen.width() - size.width();
  if (mainFrame.x() + mainFrame.width() + size.width() <= screen.x() + screen.width()) {
    left = mainFrame.x() + mainFrame.width();
  } else if (mainFrame.x() - size.width() >= screen.x()) {
    left = mainFrame.x() - size.width();
  }
  const int top = qBound(screen.y(), mainFrame.y(), screen.y() + screen.height() - size.height());
  return {QPoint(left, top), size};
}

void MoveBeside(QWidget& window, const QWidget& main, int leastWidth) {
  const QScreen* screen = main.screen();
  if (!screen) return;
  const QMargins frame(main.geometry().left() - main.frameGeometry().left(),
                       main.geometry().top() - main.frameGeometry().top(),
                       main.frameGeometry().right() - main.geometry().right(),
                       main.frameGeometry().bottom() - main.geometry().bottom());
  const QRect placed =
      BesideRect(screen->availableGeometry(), main.frameGeometry(), window.size().grownBy(frame), leastWidth);
  window.resize(placed.size().shrunkBy(frame));
  window.move(placed.topLeft());  // the outer corner
}

#pragma once
// Where the main window opens: centred on the primary screen's full size,
// each half rounded to the even neighbour (1023 / 2 and 1025 / 2 both give 512).
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

int HalfRoundedToEven(int value);
QPoint CentredPosition(const QSize& screen, const QSize& window);

// Where the log window's outer frame goes so that it does not cover the main
// window: to the right of the main window's frame when the screen's available
// area has room there, else to its left, else against the screen's right edge
// (over the main window's options, away from its list and buttons). Its top
// is the main window's, moved up as far as needed to keep it on the screen;
// a frame taller or wider than the screen is shrunk to fit. With leastWidth,
// a frame too wide for either side is narrowed to the wider room beside the
// main window when that room is at least leastWidth wide.
QRect BesideRect(const QRect& screen, const QRect& mainFrame, const QSize& frame, int leastWidth = 0);

// Moves and sizes `window` to BesideRect on the main window's screen, its
// present size being the size wanted. Before its first showing a window has
// no frame of its own yet: it is given the main window's.
void MoveBeside(QWidget& window, const QWidget& main, int leastWidth = 0);

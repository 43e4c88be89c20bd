#pragma once
// Where the main window opens: centred on the primary screen's full size,
// each half rounded to the even neighbour (1023 / 2 and 1025 / 2 both give 512).
#include <QPoint>
#include <QSize>

int HalfRoundedToEven(int value);
QPoint CentredPosition(const QSize& screen, const QSize& window);

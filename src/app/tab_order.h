#pragma once
// The keyboard's way through a window: Tab visits the controls in the order
// given (the order a reader reads the window in), and a list is one stop, so
// Tab and Shift+Tab leave it instead of walking its cells.
#include <QList>

class QWidget;

void SetTabOrder(const QList<QWidget*>& controls);

#include "app/tab_order.h"

#include <QAbstractItemView>
#include <QWidget>

void SetTabOrder(const QList<QWidget*>& controls) {
  for (int i = 0; i < controls.size(); ++i) {
    if (auto* view = qobject_cast<QAbstractItemView*>(controls[i])) view->setTabKeyNavigation(false);
    if (i > 0) QWidget::setTabOrder(controls[i - 1], controls[i]);
  }
}

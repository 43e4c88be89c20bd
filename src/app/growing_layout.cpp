#include "app/growing_layout.h"

#include <QTabWidget>
#include <QWidget>

GrowingLayout::GrowingLayout(QTabWidget* tabs, const QList<QWidget*>& lists)
    : tabs_(tabs), base_(tabs->window()->size()), lists_(lists) {
  places_.insert(tabs, tabs->geometry());
  for (int i = 0; i < tabs->count(); ++i) {
    for (QWidget* control : tabs->widget(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      places_.insert(control, control->geometry());
    }
  }
}

void GrowingLayout::Fit(const QSize& size) const {
  const int dx = qMax(0, size.width() - base_.width());
  const int dy = qMax(0, size.height() - base_.height());
  for (auto it = places_.cbegin(); it != places_.cend(); ++it) {
    QWidget* control = it.key();
    QRect place = it.value();
    if (control == tabs_ || lists_.contains(control)) {
      place.adjust(0, 0, dx, dy);
    } else {
      // The lists stand at the top left of their pages and share their edges.
      const QRect list = places_.value(lists_.value(0));
      if (place.left() > list.right()) place.translate(dx, 0);
      if (place.top() > list.bottom()) place.translate(0, dy);
    }
    control->setGeometry(place);
  }
}

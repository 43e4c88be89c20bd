#include "app/key_filter.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

bool Edit1KeyPress::Accepts(QChar typed) {
  return (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')) || typed == QLatin1Char(',') ||
         typed == QChar(8);
}

void Edit1KeyPress::InstallOn(QLineEdit* box) { box->installEventFilter(new Edit1KeyPress(box)); }

bool Edit1KeyPress::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->text().isEmpty()) return false;  // types nothing: navigation, Delete
  if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll) ||
      key->matches(QKeySequence::Undo)) {
    return false;
  }
  const QString text = key->text();
  return !(text.size() == 1 && Accepts(text.front()));
}

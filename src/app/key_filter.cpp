#include "app/key_filter.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace {

bool MovesFocusOrAnswers(int key) {
  return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter ||
         key == Qt::Key_Escape;
}

bool IsEditingShortcut(const QKeyEvent* key) {
  for (QKeySequence::StandardKey shortcut : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                             QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo}) {
    if (key->matches(shortcut)) return true;
  }
  return false;
}

// Pasted or dropped text: whatever the filter refuses is taken out again,
// the cursor staying where the insertion left it.
void DropRefusedCharacters(QLineEdit* box) {
  const QString text = box->text();
  const QString kept = Edit1KeyPress::Filtered(text);
  if (kept == text) return;
  const int cursor = box->cursorPosition();
  const int keptBeforeCursor = int(Edit1KeyPress::Filtered(text.left(cursor)).size());
  box->setText(kept);
  box->setCursorPosition(keptBeforeCursor);
}

}  // namespace

bool Edit1KeyPress::Accepts(QChar typed) {
  return (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')) || typed == QLatin1Char(',') ||
         typed == QChar(8);
}

QString Edit1KeyPress::Filtered(const QString& text) {
  QString kept;
  for (QChar c : text) {
    if (Accepts(c)) kept += c;
  }
  return kept;
}

void Edit1KeyPress::InstallOn(QLineEdit* box) {
  box->installEventFilter(new Edit1KeyPress(box));
  QObject::connect(box, &QLineEdit::textEdited, box, [box] { DropRefusedCharacters(box); });
}

bool Edit1KeyPress::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->text().isEmpty() || MovesFocusOrAnswers(key->key()) || IsEditingShortcut(key)) return false;
  const QString text = key->text();
  return !(text.size() == 1 && Accepts(text.front()));
}

OffsetSignKeys::OffsetSignKeys(QLineEdit* box, QAbstractButton* plus, QAbstractButton* minus)
    : QObject(box), plus_(plus), minus_(minus) {}

void OffsetSignKeys::InstallOn(QLineEdit* box, QAbstractButton* plus, QAbstractButton* minus) {
  box->installEventFilter(new OffsetSignKeys(box, plus, minus));
}

bool OffsetSignKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const QString text = static_cast<QKeyEvent*>(event)->text();
  QAbstractButton* sign = text == QLatin1String("-") ? minus_ : text == QLatin1String("+") ? plus_ : nullptr;
  if (!sign) return false;
  if (!sign->isChecked()) sign->click();
  return true;
}

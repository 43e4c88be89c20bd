#pragma once
// Edit1KeyPress: the key filter of the page boxes and the offset box. Only the
// digits, the comma and backspace are typed into the box; every other
// character (the minus sign, letters, blanks) is dropped, and so is any other
// character that reaches the box by pasting or dropping text. Keys that type
// nothing (arrows, Delete), the editing shortcuts and the keys that move the
// focus or answer a dialog (Tab, Shift+Tab, Enter, Escape) are not characters
// of the box: they pass and work as everywhere else.
#include <QObject>

class QAbstractButton;
class QLineEdit;

class Edit1KeyPress : public QObject {
 public:
  using QObject::QObject;

  static bool Accepts(QChar typed);
  // The text with every character the filter refuses taken out.
  static QString Filtered(const QString& text);
  // Filters the box's key presses and whatever is pasted or dropped into it;
  // the filter is owned by the box.
  static void InstallOn(QLineEdit* box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The offset box's sign keys: a typed "-" chooses "Минус" and a typed "+"
// chooses "Плюс" (as a click on them does), since the box holds the offset's
// magnitude only. Install after Edit1KeyPress, so these keys reach it first.
class OffsetSignKeys : public QObject {
 public:
  static void InstallOn(QLineEdit* box, QAbstractButton* plus, QAbstractButton* minus);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  OffsetSignKeys(QLineEdit* box, QAbstractButton* plus, QAbstractButton* minus);
  QAbstractButton* plus_;
  QAbstractButton* minus_;
};

#pragma once
// Edit1KeyPress: the key filter of the page boxes and the offset box. Only the
// digits, the comma and backspace are typed into the box; every other
// character (the minus sign, letters, blanks, Enter) is dropped. Keys that
// type nothing (arrows, Delete) and the copy and select shortcuts pass.
#include <QObject>

class QLineEdit;

class Edit1KeyPress : public QObject {
 public:
  using QObject::QObject;

  static bool Accepts(QChar typed);
  // Filters the box's key presses; the filter is owned by the box.
  static void InstallOn(QLineEdit* box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

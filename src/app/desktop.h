#pragma once
// Everything the windows ask of the desktop and of the person in front of it:
// message boxes, the general error box, the file-open dialog and opening a
// file in its default application. The windows never call these Qt functions
// themselves, so a test can answer them without a real modal box.
#include <QString>

class QWidget;

class Desktop {
 public:
  static const QString kTitle;       // "Quillmark 0.73", the application title
  static const QString kFileFilter;  // "DjVu файлы (*.djvu *.djv)"

  virtual ~Desktop() = default;

  // A message box with the application title and one OK button.
  virtual void Message(QWidget* parent, const QString& text);
  // The general error box, for a failure that ends the current action.
  virtual void Error(QWidget* parent, const QString& text);
  // The shared file-open dialog: one DjVu file, which need not exist yet.
  // Empty when the user cancels.
  virtual QString OpenFileName(QWidget* parent);
  // Opens the file in the application the desktop associates with it; does
  // not wait and does not check the outcome.
  virtual void OpenFile(const QString& path);
};

#pragma once
// Everything the windows ask of the desktop and of the person in front of it:
// message boxes, the general error box, the file-open dialog and opening a
// file in its default application. The windows never call these Qt functions
// themselves, so a test can answer them without a real modal box.
#include <QString>
#include <QStringList>

class QWidget;

class Desktop {
 public:
  static const QString kTitle;  // "Quillmark 0.73", the application title
  // "DjVu файлы (*.djvu *.djv)"
  static QString FileFilter();

  virtual ~Desktop() = default;

  // A message box with the application title and one OK button.
  virtual void Message(QWidget* parent, const QString& text);
  // The general error box, for a failure that ends the current action.
  virtual void Error(QWidget* parent, const QString& text);
  // A question with the application title and the buttons given, the first
  // the default; the index of the button pressed, -1 when the box is closed.
  virtual int Ask(QWidget* parent, const QString& text, const QStringList& buttons);
  // The shared file-open dialog: one or several DjVu files. Empty when the
  // user cancels.
  virtual QStringList OpenFileNames(QWidget* parent);
  // Opens the file in the application the desktop associates with it,
  // without waiting for that application. When the file is missing, or no
  // application takes it (none is set up for DjVu files, or it fails to
  // start), a message says so once the desktop's launcher has answered.
  virtual void OpenFile(QWidget* parent, const QString& path);

  // The messages of OpenFile.
  static QString MissingFileText(const QString& path);
  static QString NoApplicationText(const QString& path);
};

#pragma once
// The program's real windows for the GUI tests, in a temporary work folder,
// with a desktop that records message boxes and answers the file dialog.
#include <QStringList>
#include <QWidget>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/app_windows.h"
#include "app/desktop.h"

class QComboBox;

// Records every message box and error box instead of showing it, answers
// the file dialog with the queued names (cancelled when none is left) and
// records the files it is asked to open.
class RecordingDesktop : public Desktop {
 public:
  void Message(QWidget* parent, const QString& text) override;
  void Error(QWidget* parent, const QString& text) override;
  // Records the question and gives the next of `choices` (the first button
  // when none is left).
  int Ask(QWidget* parent, const QString& text, const QStringList& buttons) override;
  QStringList OpenFileNames(QWidget* parent) override;
  void OpenFile(QWidget* parent, const QString& path) override;

  QStringList messages;
  QStringList errors;
  QStringList questions;
  QList<int> choices;
  // What the next file dialogs return, one entry per dialog; several files
  // chosen at once are separated by line feeds.
  QStringList answers;
  int fileDialogs = 0;
  QStringList opened;
};

class GuiHarness {
 public:
  // A fresh work folder; with settingsText, a Quillmark.ini holding it.
  explicit GuiHarness(const QString& settingsText = QString());
  ~GuiHarness();

  // Creates the four windows (reading the settings file).
  AppWindows& Start();
  // Destroys them (writing the settings file).
  void Stop();

  AppWindows& windows() { return *windows_; }
  TForm1& main() { return windows_->form1; }
  RecordingDesktop& desktop() { return desktop_; }
  QString WorkFolder() const { return work_.path(); }
  QString SettingsPath() const;
  QString ReadSettings() const;

 private:
  QTemporaryDir work_;
  RecordingDesktop desktop_;
  std::unique_ptr<AppWindows> windows_;
};

// A control of a window by its objectName; a missing one ends the test run.
template <class T>
T* On(QWidget* window, const char* name) {
  T* widget = window->findChild<T*>(QLatin1String(name));
  if (!widget) qFatal("no control %s in %s", name, qPrintable(window->objectName()));
  return widget;
}
template <class T>
T* On(QWidget& window, const char* name) {
  return On<T>(&window, name);
}

// The user's choice of an item in a drop-down list: the selection changes and
// the list reports an activation, as a click in its popup does.
void Choose(QComboBox* combo, int index);

// Runs action once the next modal dialog's loop runs (QTimer::singleShot 0),
// then closes the dialog if the action left it open.
void WhenModal(const std::function<void()>& action);

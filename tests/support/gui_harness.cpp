#include "support/gui_harness.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTimer>

#include "app/settings_file.h"

void RecordingDesktop::Message(QWidget*, const QString& text) { messages << text; }
void RecordingDesktop::Error(QWidget*, const QString& text) { errors << text; }
int RecordingDesktop::Ask(QWidget*, const QString& text, const QStringList&) {
  questions << text;
  return choices.isEmpty() ? 0 : choices.takeFirst();
}

QStringList RecordingDesktop::OpenFileNames(QWidget*) {
  ++fileDialogs;
  return answers.isEmpty() ? QStringList() : answers.takeFirst().split(QLatin1Char('\n'));
}

void RecordingDesktop::OpenFile(QWidget*, const QString& path) { opened << path; }

GuiHarness::GuiHarness(const QString& settingsText) {
  if (!settingsText.isNull()) {
    QFile file(SettingsPath());
    if (file.open(QIODevice::WriteOnly)) file.write(settingsText.toUtf8());
  }
}

GuiHarness::~GuiHarness() { Stop(); }

AppWindows& GuiHarness::Start() {
  // djvused comes from the PATH: the program folder is the empty work folder.
  windows_ = std::make_unique<AppWindows>(ProgramFolders{work_.path(), work_.path()}, desktop_);
  return *windows_;
}

void GuiHarness::Stop() { windows_.reset(); }

QString GuiHarness::SettingsPath() const { return work_.filePath(IniFile::kFileName); }

QString GuiHarness::ReadSettings() const {
  QFile file(SettingsPath());
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Choose(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

void WhenModal(const std::function<void()>& action) {
  QTimer::singleShot(0, [action] {
    action();
    // A failed check returns early: close the dialog so the test goes on.
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
}

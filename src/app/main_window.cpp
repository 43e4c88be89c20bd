#include "app/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "app/desktop.h"
#include "app/growing_layout.h"
#include "app/key_filter.h"
#include "app/list_rows.h"
#include "app/log_window.h"
#include "app/page_question.h"
#include "app/settings_file.h"
#include "app/style_panel.h"
#include "app/tab_order.h"
#include "app/window_position.h"
#include "core/errors.h"
#include "create/recognition.h"
#include "app/preview_window.h"
#include "ui_main_window.h"

ProgramFolders ProgramFolders::ForExecutable(const QString& executableFolder) {
  ProgramFolders folders{executableFolder, executableFolder};
  if (!QFileInfo(executableFolder).isWritable()) {
    folders.work = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folders.work);
  }
  return folders;
}

TForm1::TForm1(const ProgramFolders& folders, Desktop& desktop)
    : ui_(std::make_unique<Ui::TForm1>()),
      folders_(folders),
      desktop_(desktop),
      runner_(folders.work, folders.program) {
  ui_->setupUi(this);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  // The described size and a row for the added options below its own; larger, the lists grow.
  resize(568, 352);
  setMinimumSize(568, 352);
  layout_ = std::make_unique<GrowingLayout>(ui_->PageControl1, QList<QWidget*>{ui_->ListView1, ui_->ListView2});
  listrows::SetupFixList(ui_->ListView1);
  listrows::SetupCreateList(ui_->ListView2);
  for (QLineEdit* box : {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->EditRomanOffset}) Edit1KeyPress::InstallOn(box);
  OffsetSignKeys::InstallOn(ui_->Edit3, ui_->RadioButton1, ui_->RadioButton2);
  cancelTimer_.setInterval(20);
  connect(&cancelTimer_, &QTimer::timeout, this, [this] {
    if (runner_.Running()) runner_.Cancel();
  });
  preview_ = new PreviewWindow(folders.program, this);
  ConnectCommands();
  FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::Attach(TForm2& log, TForm3& question, TForm4& settings) {
  log_ = &log;
  question_ = &question;
  settings_ = &settings;
}

QString TForm1::SettingsPath() const { return QDir(folders_.work).filePath(IniFile::kFileName); }
QTableWidget* TForm1::ListView1() const { return ui_->ListView1; }
QTableWidget* TForm1::ListView2() const { return ui_->ListView2; }
QCheckBox* TForm1::CheckBox10() const { return ui_->CheckBox10; }

void TForm1::FormCreate() {
  Centre(size());
  // Selections set here run no change rules; the border-type rule runs once
  // so that the style controls' enabled states match them.
  ui_->ComboBox1->setCurrentIndex(1);
  ui_->ComboBox2->setCurrentIndex(0);
  ui_->ComboBox3->setCurrentIndex(0);
  StylePanel::Of(*ui_).ComboBox1Change();
  ui_->PageControl1->setCurrentWidget(ui_->TabSheet2);
  // Each tab in reading order: the list, its buttons and the options below
  // it, then the settings on the right, row by row.
  SetTabOrder({ui_->ListView1, ui_->xpButton3, ui_->xpButton4, ui_->CheckBox1, ui_->CheckBox2, ui_->CheckBox3});
  SetTabOrder({ui_->ListView2, ui_->xpButton1, ui_->xpButton2, ui_->CheckBox5, ui_->CheckBox4, ui_->CheckBox6,
               ui_->Edit1, ui_->Edit2, ui_->EditRomanOffset, ui_->ComboBox3, ui_->ButtonPreview, ui_->Edit3,
               ui_->RadioButton1, ui_->RadioButton2, ui_->CheckBox11, ui_->ButtonFindOffset, ui_->ButtonFindAll,
               ui_->ComboBox2,
               ui_->ComboBox1, ui_->Edit4, ui_->JvColorButton1, ui_->CheckBox8, ui_->CheckBox9, ui_->JvColorButton2,
               ui_->CheckBox7, ui_->CheckBoxOutline, ui_->CheckBox10, ui_->CheckBox12, ui_->CheckBoxBookNumbers,
               ui_->CheckBoxReadImages});
  ReadSettings();
}

void TForm1::FormDestroy() {
  if (settingsWritten_) return;
  settingsWritten_ = true;
  try {
    WriteSettings();
  } catch (const QuillmarkError& e) {
    desktop_.Error(nullptr, e.Message());  // the window is going; the program still ends
  }
}

void TForm1::Centre(const QSize& outerSize) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  move(CentredPosition(screen->geometry().size(), outerSize));
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layout_->Fit(size());
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centredOnShow_) return;
  centredOnShow_ = true;
  // The frame is known only once the window is on the screen: centre its
  // outer size then.
  QTimer::singleShot(0, this, [this] {
    if (frameGeometry().size() != size()) Centre(frameGeometry().size());
  });
}

namespace {

// The described keys, then the added ones.
QList<SettingKey> StoredKeys() {
  QList<SettingKey> keys(std::begin(kSettingKeys), std::end(kSettingKeys));
  keys.append(QList<SettingKey>(std::begin(kAddedSettingKeys), std::end(kAddedSettingKeys)));
  return keys;
}

}  // namespace

void TForm1::ReadSettings() {
  const IniFile ini = IniFile::Read(SettingsPath());
  for (const SettingKey& key : StoredKeys()) {
    auto* box = findChild<QCheckBox*>(QLatin1String(key.checkBox));
    const QString value = ini.Value(QLatin1String(key.section), QLatin1String(key.key));
    box->setChecked(ReadSettingBool(value, key.defaultChecked));  // CheckBox9 runs its highlight rule
  }
}

void TForm1::WriteSettings() {
  IniFile ini = IniFile::Read(SettingsPath());
  for (const SettingKey& key : StoredKeys()) {
    const auto* box = findChild<QCheckBox*>(QLatin1String(key.checkBox));
    ini.SetValue(QLatin1String(key.section), QLatin1String(key.key),
                 box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
  }
  ini.Write(SettingsPath());
}

// The question is asked in the types that link contents entries.
void TForm1::ComboBox3Change() {
  ui_->CheckBox10->setEnabled(LinksContents(WorkType(ui_->ComboBox3->currentIndex())));
}

void TForm1::Guarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const QuillmarkError& e) {
    ShowError(e.Message());
  }
}

// FrontEnd

void TForm1::LogClear() { log_->LogClear(); }
void TForm1::LogAddLine(const QString& text) { log_->LogAddLine(text); }
void TForm1::LogAppend(const QString& text) { log_->LogAppend(text); }
void TForm1::LogShow() {
  if (isVisible()) log_->PlaceBeside(*this);
  log_->LogShow();
}
void TForm1::ShowMessage(const QString& text) { desktop_.Message(this, text); }

void TForm1::ShowError(const QString& text) {
  if (closing_) {
    // The user has closed the window and the job is being stopped: no box
    // holds the program open, the failure goes to the log and the terminal.
    log_->LogAddLine(text);
    qWarning("%s", qPrintable(text));
    return;
  }
  desktop_.Error(this, text);
}

int TForm1::AskPageNumber(int previous, int current, const PageQuestionContext& context) {
  return question_->Ask(previous, current, context);
}

QCheckBox* TForm1::OptionBox(Option option) const {
  switch (option) {
    case Option::CreateBackup: return ui_->CheckBox6;
    case Option::RemoveOcr: return ui_->CheckBox12;
    case Option::AskWhenUnclear: return ui_->CheckBox10;
    case Option::AlignContents: return ui_->CheckBox7;
    case Option::CreateClearList: return ui_->CheckBox4;
    case Option::CreateClose: return ui_->CheckBox5;
    case Option::FixBackup: return ui_->CheckBox3;
    case Option::FixClearList: return ui_->CheckBox2;
    case Option::FixClose: return ui_->CheckBox1;
    case Option::CreateOutline: return ui_->CheckBoxOutline;
    case Option::ReadPageImages: return ui_->CheckBoxReadImages;
    case Option::StorePageText: return nullptr;  // the command line's for now
  }
  return nullptr;
}

bool TForm1::IsChecked(Option option) const {
  const QCheckBox* box = OptionBox(option);
  return box && box->isChecked();
}

int TForm1::CreateRowCount() const { return ui_->ListView2->rowCount(); }

// A run reads each row when it reaches it: that is the batch's progress. The
// create run's own alignment of a file reads the fix list, which is no batch.
CreateJob TForm1::CreateRow(int index) const {
  if (runningJob_ == Job::Create) log_->ShowProgress(index + 1, CreateRowCount());
  return listrows::CreateRowAt(ui_->ListView2, index);
}
void TForm1::ClearCreateList() { ui_->ListView2->setRowCount(0); }
int TForm1::FixRowCount() const { return ui_->ListView1->rowCount(); }
FixJob TForm1::FixRow(int index) const {
  if (runningJob_ == Job::Fix) log_->ShowProgress(index + 1, FixRowCount());
  return listrows::FixRowAt(ui_->ListView1, index);
}
void TForm1::ClearFixList() { ui_->ListView1->setRowCount(0); }
void TForm1::AddFixRow(const FixJob& row) { listrows::AppendFixRow(ui_->ListView1, row); }
void TForm1::CloseMainWindow() {
  if (jobRunning_) {
    closeRequested_ = true;  // closed once the job has returned
  } else {
    close();
  }
}

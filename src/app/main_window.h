#pragma once
// TForm1: the main window with the fix tab ("Редактировать") and the create
// tab ("Создать"), the two file lists and their commands, the settings file
// and the front end of both jobs.
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/file_drop.h"
#include "core/front_end.h"
#include "djvused/djvused_runner.h"

namespace Ui { class TForm1; }
class Desktop;
class QCheckBox;
struct JobControls;
class QMenu;
class QTableWidget;
class GrowingLayout;
class PreviewWindow;
class TForm2;
class TForm3;
class TForm4;

// Where the program keeps its files: the work folder holds the settings file,
// the batch file, the temporary files and the lock; djvused is looked for in
// the program folder first.
struct ProgramFolders {
  QString work;
  QString program;
  // The executable's folder when it is writable, else the user's application
  // data folder (created when missing).
  static ProgramFolders ForExecutable(const QString& executableFolder);
};

class TForm1 : public QWidget, public FrontEnd {
  Q_OBJECT
 public:
  // Runs FormCreate: centres the window, sets the start-up selections and
  // reads the settings file.
  TForm1(const ProgramFolders& folders, Desktop& desktop);
  // Runs FormDestroy: writes the settings file.
  ~TForm1() override;

  // The other windows, created after this one.
  void Attach(TForm2& log, TForm3& question, TForm4& settings);

  Desktop& UserDesktop() const { return desktop_; }
  const ProgramFolders& Folders() const { return folders_; }
  QString SettingsPath() const;
  QTableWidget* ListView1() const;
  QTableWidget* ListView2() const;
  QCheckBox* CheckBox10() const;
  bool JobRunning() const { return jobRunning_; }

  // Used by the create run and the page-number question.
  int CurrentPageNumber = 0;
  int PreviousPageNumber = 0;

  // The window's commands.
  void Button1Click();  // "Исправить"
  void Button2Click();  // "Добавить" on the fix tab
  void Button3Click();  // "Создать"
  void Button4Click();  // "Добавить" on the create tab
  void N1Click();       // "Удалить", fix list
  void N6Click();       // "Открыть", fix list
  void MenuItem1Click();  // "Удалить", create list
  void N4Click();         // "Открыть", create list
  // The create list's selection changed: the tab shows the selected row's settings.
  void ListView2SelectionChanged();
  void ListView2DblClick();
  void ComboBox3Change();  // work-type rule
  void FindOffsetClick();  // "Определить" on the create tab
  // "Найти всё": each selected row (with none, the tab, from the book of the
  // list's one row) becomes a whole-book row over the parts its book shows;
  // a message says what was found.
  void FindAllClick();
  // "Просмотр": the selected row's pages with the links it would get (create
  // list: the context menu and the button beside the work type) or with its
  // areas before and after alignment (fix list: the context menu).
  void PreviewCreateClick();
  void PreviewFixClick();
  PreviewWindow* Preview() const { return preview_; }
  // Finds the offset of the book at longPath for the pages after afterPage
  // and shows it in the controls; the map when the offset changes.
  void FindOffset(const QString& longPath, int afterPage, const JobControls& controls);
  // Fills the controls with a whole-book row's settings over the parts the
  // book at longPath shows, from the settings they hold, and says what was
  // found; no row changes (the tab with no row selected, the row dialog).
  void FindAll(const QString& longPath, const JobControls& controls);

  // Files named on the command line or dropped onto the create list: rows
  // with the tab's settings, as "Добавить" adds them (the settings' boxes are
  // checked first); files that are not DjVu are named and left out.
  void AddCreateFiles(const QStringList& paths);

  // FrontEnd
  void LogClear() override;
  void LogAddLine(const QString& text) override;
  void LogAppend(const QString& text) override;
  void LogShow() override;
  void ShowMessage(const QString& text) override;
  void ShowError(const QString& text) override;
  int AskPageNumber(int previous, int current, const PageQuestionContext& context = {}) override;
  bool IsChecked(Option option) const override;
  // What the user chose, before the run, for books that already have bookmarks.
  ExistingOutline ExistingOutlineDecision() const override { return existingOutline_; }
  int CreateRowCount() const override;
  CreateJob CreateRow(int index) const override;
  void ClearCreateList() override;
  int FixRowCount() const override;
  FixJob FixRow(int index) const override;
  void ClearFixList() override;
  void AddFixRow(const FixJob& row) override;
  void CloseMainWindow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void Centre(const QSize& outerSize);
  void ConnectCommands();
  void ReadSettings();
  void WriteSettings();
  void AddFixFiles(const QStringList& paths);
  // Adds a row per path with the tab's settings; a box that holds no whole
  // number is named in a message box and nothing is added.
  void AppendCreateRows(const QStringList& paths);
  void FilesDropped(QTableWidget* list, const FileDrop::Files& files);
  void SaySkipped(const QStringList& skipped);  // "Не файлы DjVu, не добавлены: …"
  // A control of the tab was changed by the user: the setting it edits
  // changes on every selected row.
  void TabSettingChanged(QObject* control);
  void RemoveSelected(QTableWidget* list);
  void OpenSelected(QTableWidget* list);
  // Runs one job: one at a time, under the work folder's lock, with the job
  // buttons and the remove commands disabled until it returns.
  enum class Job { None, Create, Fix, FindOffset, FindAll };
  void RunJob(Job kind, const std::function<void(DjvusedRunner&)>& job);
  void SetJobCommandsEnabled(bool enabled);
  // The questions before a create run ("Удалять OCR", books with bookmarks);
  // false when the user cancels it.
  bool AskBeforeCreate(DjvusedRunner& runner);
  void DropTemporaryFiles();
  // Runs a command, showing any failure in the general error box.
  void Guarded(const std::function<void()>& command);
  QCheckBox* OptionBox(Option option) const;

  std::unique_ptr<Ui::TForm1> ui_;
  std::unique_ptr<GrowingLayout> layout_;
  ProgramFolders folders_;
  Desktop& desktop_;
  DjvusedRunner runner_;
  TForm2* log_ = nullptr;
  TForm3* question_ = nullptr;
  TForm4* settings_ = nullptr;
  PreviewWindow* preview_ = nullptr;
  QMenu* popupMenu1_ = nullptr;
  QMenu* popupMenu2_ = nullptr;
  bool jobRunning_ = false;
  Job runningJob_ = Job::None;
  bool closeRequested_ = false;  // by a job's "Закрыть по завершению"
  bool closing_ = false;         // the user closed the window during a job
  bool centredOnShow_ = false;
  bool showingRow_ = false;
  ExistingOutline existingOutline_ = ExistingOutline::Replace;  // the tab is being loaded from the selected row
  bool settingsWritten_ = false;
  QTimer cancelTimer_;           // keeps stopping djvused until the job returns
};

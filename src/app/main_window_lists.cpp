// The main window's list commands: adding files, loading a create-list row
// back into the tab, the settings dialog and the two context menus.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>

#include "app/color_button.h"
#include "app/desktop.h"
#include "app/file_drop.h"
#include "app/job_controls.h"
#include "app/list_rows.h"
#include "app/main_window.h"
#include "app/preview_window.h"
#include "app/settings_dialog.h"
#include "app/style_panel.h"
#include "core/errors.h"
#include "djvused/script_dialect.h"
#include "ui_main_window.h"

namespace {

QMenu* ContextMenu(QTableWidget* list, const QString& name, QAction* remove, QAction* open) {
  auto* menu = new QMenu(list);
  menu->setObjectName(name);
  menu->addAction(remove);
  menu->addSeparator();
  menu->addAction(open);
  QObject::connect(list, &QWidget::customContextMenuRequested, menu,
                   [list, menu](const QPoint& at) { menu->popup(list->viewport()->mapToGlobal(at)); });
  return menu;
}

QAction* Command(QObject* owner, const QString& name, const QString& caption) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(name);
  return action;
}

// "Удалить" also answers the Delete key while the list itself has the focus
// (not while a folder is being edited in place).
void RemoveOnDeleteKey(QTableWidget* list, QAction* remove) {
  remove->setShortcut(QKeySequence::Delete);
  remove->setShortcutContext(Qt::WidgetShortcut);
  list->addAction(remove);
}

}  // namespace

void TForm1::ConnectCommands() {
  connect(ui_->xpButton4, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(ui_->xpButton3, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(ui_->xpButton2, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(ui_->ButtonFindOffset, &QPushButton::clicked, this, &TForm1::FindOffsetClick);
  connect(ui_->ButtonFindAll, &QPushButton::clicked, this, &TForm1::FindAllClick);
  connect(ui_->xpButton1, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(ui_->ButtonPreview, &QToolButton::clicked, this, &TForm1::PreviewCreateClick);
  ui_->ButtonPreview->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));

  QAction* n1 = Command(this, QStringLiteral("N1"), tr("Удалить"));
  QAction* n6 = Command(this, QStringLiteral("N6"), tr("Открыть"));
  QAction* menuItem1 = Command(this, QStringLiteral("MenuItem1"), tr("Удалить"));
  QAction* n4 = Command(this, QStringLiteral("N4"), tr("Открыть"));
  connect(n1, &QAction::triggered, this, &TForm1::N1Click);
  connect(n6, &QAction::triggered, this, &TForm1::N6Click);
  connect(menuItem1, &QAction::triggered, this, &TForm1::MenuItem1Click);
  connect(n4, &QAction::triggered, this, &TForm1::N4Click);
  popupMenu1_ = ContextMenu(ui_->ListView1, QStringLiteral("PopupMenu1"), n1, n6);
  popupMenu2_ = ContextMenu(ui_->ListView2, QStringLiteral("PopupMenu2"), menuItem1, n4);
  QAction* previewFix = Command(this, QStringLiteral("PreviewFixItem"), tr("Просмотр"));
  QAction* previewCreate = Command(this, QStringLiteral("PreviewCreateItem"), tr("Просмотр"));
  connect(previewFix, &QAction::triggered, this, &TForm1::PreviewFixClick);
  connect(previewCreate, &QAction::triggered, this, &TForm1::PreviewCreateClick);
  popupMenu1_->addAction(previewFix);
  popupMenu2_->addAction(previewCreate);
  // The log, once closed, comes back from either list's menu or with Ctrl+L.
  QAction* showLog = Command(this, QStringLiteral("ShowLogItem"), tr("Протокол"));
  showLog->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  showLog->setShortcutContext(Qt::WindowShortcut);
  addAction(showLog);
  connect(showLog, &QAction::triggered, this, &TForm1::LogShow);
  for (QMenu* menu : {popupMenu1_, popupMenu2_}) {
    menu->addSeparator();
    menu->addAction(showLog);
  }
  RemoveOnDeleteKey(ui_->ListView1, n1);
  RemoveOnDeleteKey(ui_->ListView2, menuItem1);
  for (QTableWidget* list : {ui_->ListView1, ui_->ListView2}) {
    FileDrop::InstallOn(list, [this, list](const FileDrop::Files& files) { FilesDropped(list, files); });
  }

  StylePanel::Of(*ui_).Connect(this);
  connect(ui_->ComboBox3, &QComboBox::activated, this, &TForm1::ComboBox3Change);

  // The tab shows the selected row; what the user changes on it changes the
  // selected rows. Only the user's own edits count (a row being shown, a
  // selection set by the program, write nothing back).
  connect(ui_->ListView2, &QTableWidget::itemSelectionChanged, this, &TForm1::ListView2SelectionChanged);
  const JobControls controls = JobControls::Of(*ui_);
  for (QWidget* control : controls.Controls()) {
    const auto changed = [this, control] { TabSettingChanged(control); };
    if (auto* button = qobject_cast<ColorButton*>(control)) {
      connect(button, &ColorButton::ColorChosen, this, changed);
    } else if (auto* box = qobject_cast<QAbstractButton*>(control)) {
      connect(box, &QAbstractButton::clicked, this, changed);
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
      connect(box, &QLineEdit::textEdited, this, changed);
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
      connect(box, &QComboBox::activated, this, changed);
    } else if (auto* box = qobject_cast<QSpinBox*>(control)) {
      connect(box, &QSpinBox::valueChanged, this, changed);
    }
  }
  // A double click opens the row's settings dialog.
  ui_->ListView2->viewport()->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_->ListView2->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    ListView2DblClick();  // the first press has selected the row
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::Button2Click() {
  Guarded([this] { AddFixFiles(desktop_.OpenFileNames(this)); });
}

void TForm1::Button4Click() {
  Guarded([this] {
    try {
      JobControls::Of(*ui_).Read();  // a box that holds no number is named before the files are chosen
    } catch (const ConversionError& e) {
      ShowMessage(e.Message());
      return;
    }
    AppendCreateRows(desktop_.OpenFileNames(this));
  });
}

void TForm1::AddFixFiles(const QStringList& paths) {
  for (const QString& path : paths) listrows::AppendFixRow(ui_->ListView1, FixJob::FromPath(path));
}

void TForm1::AddCreateFiles(const QStringList& paths) {
  const FileDrop::Files files = FileDrop::SortPaths(paths);  // as a drop sorts them
  SaySkipped(files.skipped);
  Guarded([this, &files] { AppendCreateRows(files.djvu); });
}

void TForm1::AppendCreateRows(const QStringList& paths) {
  if (paths.isEmpty()) return;
  CreateSettings settings;
  try {
    settings = JobControls::Of(*ui_).Read();
  } catch (const ConversionError& e) {
    ShowMessage(e.Message());
    return;
  }
  for (const QString& path : paths) {
    const FixJob file = FixJob::FromPath(path);
    listrows::AppendCreateRow(ui_->ListView2, CreateJob{file.Folder, file.FileName, settings});
  }
}

void TForm1::SaySkipped(const QStringList& skipped) {
  if (!skipped.isEmpty()) {
    ShowMessage(tr("Не файлы DjVu, не добавлены:") + QLatin1Char('\n') + skipped.join(QLatin1Char('\n')));
  }
}

void TForm1::FilesDropped(QTableWidget* list, const FileDrop::Files& files) {
  if (list == ui_->ListView2) {
    AddCreateFiles(files.djvu + files.skipped);
    return;
  }
  SaySkipped(files.skipped);
  AddFixFiles(files.djvu);
}

void TForm1::ListView2SelectionChanged() {
  const int row = listrows::SelectedRow(ui_->ListView2);
  if (row < 0) return;  // no row: the tab keeps the settings for the next rows added
  Guarded([this, row] {
    showingRow_ = true;
    JobControls::Of(*ui_).Show(listrows::CreateRowAt(ui_->ListView2, row).settings,
                               JobControls::EmptyColor::KeepButton);
    showingRow_ = false;
  });
}

void TForm1::TabSettingChanged(QObject* control) {
  if (showingRow_) return;
  const QList<int> rows = listrows::SelectedRows(ui_->ListView2);
  if (rows.isEmpty()) return;
  Guarded([&] {
    for (const int row : rows) {
      CreateSettings settings = listrows::CreateRowAt(ui_->ListView2, row).settings;
      try {
        JobControls::Of(*ui_).ReadOne(control, settings);
      } catch (const ConversionError&) {
        return;  // a box being typed into; the rows keep their value until it holds a number
      }
      listrows::SetCreateSettings(ui_->ListView2, row, settings);
    }
  });
}

void TForm1::ListView2DblClick() {
  const int row = listrows::SelectedRow(ui_->ListView2);
  if (row < 0) return;
  Guarded([this, row] {
    settings_->Load(listrows::CreateRowAt(ui_->ListView2, row));
    settings_->exec();
  });
}

void TForm1::RemoveSelected(QTableWidget* list) {
  if (jobRunning_) return;  // the list is the running job's input
  const QList<int> rows = listrows::RowsInUse(list);
  if (rows.isEmpty()) {
    ShowMessage(tr("Файл не выбран"));
    return;
  }
  for (auto row = rows.crbegin(); row != rows.crend(); ++row) list->removeRow(*row);
}

void TForm1::OpenSelected(QTableWidget* list) {
  const int row = listrows::RowsInUse(list).value(0, -1);
  if (row < 0) {
    ShowMessage(tr("Файл не выбран"));
    return;
  }
  desktop_.OpenFile(this, listrows::FixRowAt(list, row).FullPath());
}

void TForm1::PreviewCreateClick() {
  const int row = listrows::RowsInUse(ui_->ListView2).value(0, -1);
  if (row < 0) {
    ShowMessage(tr("Файл не выбран"));
    return;
  }
  preview_->ShowCreateRow(listrows::CreateRowAt(ui_->ListView2, row), IsChecked(Option::CreateOutline));
}

void TForm1::PreviewFixClick() {
  const int row = listrows::RowsInUse(ui_->ListView1).value(0, -1);
  if (row < 0) {
    ShowMessage(tr("Файл не выбран"));
    return;
  }
  preview_->ShowFixRow(listrows::FixRowAt(ui_->ListView1, row).FullPath());
}

void TForm1::N1Click() { Guarded([this] { RemoveSelected(ui_->ListView1); }); }
void TForm1::N6Click() { Guarded([this] { OpenSelected(ui_->ListView1); }); }
void TForm1::MenuItem1Click() { Guarded([this] { RemoveSelected(ui_->ListView2); }); }
void TForm1::N4Click() { Guarded([this] { OpenSelected(ui_->ListView2); }); }

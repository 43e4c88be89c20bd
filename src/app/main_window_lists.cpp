// The main window's list commands: adding files, loading a create-list row
// back into the tab, the settings dialog and the two context menus.
#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>

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
  RemoveOnDeleteKey(ui_->ListView1, n1);
  RemoveOnDeleteKey(ui_->ListView2, menuItem1);
  for (QTableWidget* list : {ui_->ListView1, ui_->ListView2}) {
    FileDrop::InstallOn(list, [this, list](const FileDrop::Files& files) { FilesDropped(list, files); });
  }

  StylePanel::Of(*ui_).Connect(this);
  connect(ui_->ComboBox3, &QComboBox::activated, this, &TForm1::ComboBox3Change);

  // A click (left button released), a double click and a released key in the
  // create list.
  ui_->ListView2->viewport()->installEventFilter(this);
  ui_->ListView2->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_->ListView2->viewport()) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      ListView2Click();
    } else if (event->type() == QEvent::MouseButtonDblClick) {
      ListView2DblClick();  // the first press has selected the row
    }
  } else if (watched == ui_->ListView2 && event->type() == QEvent::KeyRelease) {
    ListView2KeyUp();
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::Button2Click() {
  Guarded([this] { AddFixFiles(desktop_.OpenFileNames(this)); });
}

void TForm1::Button4Click() {
  Guarded([this] {
    if (PagesValid()) AppendCreateRows(desktop_.OpenFileNames(this));
  });
}

void TForm1::AddFixFiles(const QStringList& paths) {
  for (const QString& path : paths) listrows::AppendFixRow(ui_->ListView1, FixJob::FromPath(path));
}

void TForm1::AddCreateFiles(const QStringList& paths) {
  Guarded([this, &paths] {
    if (!paths.isEmpty() && PagesValid()) AppendCreateRows(paths);
  });
}

bool TForm1::PagesValid() {
  try {
    dialect::ParseInt32(ui_->Edit1->text());
    dialect::ParseInt32(ui_->Edit2->text());
  } catch (const ConversionError&) {
    ShowMessage(tr("Неверно заданы страницы"));
    return false;
  }
  return true;
}

void TForm1::AppendCreateRows(const QStringList& paths) {
  for (const QString& path : paths) {
    const FixJob file = FixJob::FromPath(path);
    CreateJob row;
    row.Folder = file.Folder;
    row.FileName = file.FileName;
    JobControls::Of(*ui_).Store(row);
    listrows::AppendCreateRow(ui_->ListView2, row);
  }
}

void TForm1::FilesDropped(QTableWidget* list, const FileDrop::Files& files) {
  if (!files.skipped.isEmpty()) {
    ShowMessage(tr("Не файлы DjVu, не добавлены:") + QLatin1Char('\n') + files.skipped.join(QLatin1Char('\n')));
  }
  if (list == ui_->ListView1) {
    AddFixFiles(files.djvu);
  } else {
    AddCreateFiles(files.djvu);
  }
}

void TForm1::LoadSelectedRow() {
  const int row = listrows::SelectedRow(ui_->ListView2);
  if (row < 0) return;
  JobControls::Of(*ui_).Load(listrows::CreateRowAt(ui_->ListView2, row), row + 1, JobControls::EmptyColor::KeepButton);
}

void TForm1::ListView2Click() { Guarded([this] { LoadSelectedRow(); }); }
void TForm1::ListView2KeyUp() { Guarded([this] { LoadSelectedRow(); }); }

void TForm1::ListView2DblClick() {
  const int row = listrows::SelectedRow(ui_->ListView2);
  if (row < 0) return;
  Guarded([this, row] {
    settings_->Load(listrows::CreateRowAt(ui_->ListView2, row), row + 1);
    settings_->exec();
  });
}

void TForm1::RemoveSelected(QTableWidget* list) {
  if (jobRunning_) return;  // the list is the running job's input
  const int row = listrows::SelectedRow(list);
  if (row < 0) {
    ShowMessage(tr("Файл не выбран"));
    return;
  }
  list->removeRow(row);
}

void TForm1::OpenSelected(QTableWidget* list) {
  const int row = listrows::SelectedRow(list);
  if (row < 0) {
    ShowMessage(tr("Файл не выбран"));
    return;
  }
  desktop_.OpenFile(this, listrows::FixRowAt(list, row).FullPath());
}

void TForm1::PreviewCreateClick() {
  const int row = listrows::SelectedRow(ui_->ListView2);
  if (row < 0) {
    ShowMessage(tr("Файл не выбран"));
    return;
  }
  preview_->ShowCreateRow(listrows::CreateRowAt(ui_->ListView2, row), IsChecked(Option::CreateOutline));
}

void TForm1::PreviewFixClick() {
  const int row = listrows::SelectedRow(ui_->ListView1);
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

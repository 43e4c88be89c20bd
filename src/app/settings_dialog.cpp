#include "app/settings_dialog.h"

#include <QHideEvent>
#include <QTableWidget>

#include "app/job_controls.h"
#include "app/key_filter.h"
#include "app/list_rows.h"
#include "app/main_window.h"
#include "app/style_panel.h"
#include "app/tab_order.h"
#include "core/errors.h"
#include "ui_settings_dialog.h"

TForm4::TForm4(TForm1& main) : ui_(std::make_unique<Ui::TForm4>()), main_(main) {
  ui_->setupUi(this);
  setAttribute(Qt::WA_QuitOnClose, false);
  for (QLineEdit* box : {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->EditRomanOffset}) Edit1KeyPress::InstallOn(box);
  OffsetSignKeys::InstallOn(ui_->Edit3, ui_->RadioButton1, ui_->RadioButton2);
  StylePanel::Of(*ui_).Connect(this);
  // Reading order, the buttons at the bottom last.
  SetTabOrder({ui_->ComboBox3, ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->RadioButton1, ui_->RadioButton2,
               ui_->CheckBox11, ui_->ButtonFindOffset, ui_->ButtonFindAll, ui_->ComboBox2, ui_->ComboBox1, ui_->Edit4, ui_->JvColorButton1,
               ui_->CheckBox8, ui_->CheckBox9, ui_->JvColorButton2, ui_->EditRomanOffset, ui_->CheckBoxBookNumbers,
               ui_->BitBtn1, ui_->BitBtn2});
  connect(ui_->BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
  connect(ui_->BitBtn2, &QPushButton::clicked, this, &TForm4::BitBtn2Click);
  connect(ui_->ButtonFindOffset, &QPushButton::clicked, this, [this] {
    QTableWidget* list = main_.ListView2();
    const int row = listrows::SelectedRow(list);
    if (row >= 0) {
      main_.FindOffset(listrows::CreateRowAt(list, row).FullPath(), ui_->Edit2->text().toInt(), JobControls::Of(*ui_));
    }
  });
  // The row's settings filled from its book in the dialog: "OK" keeps them.
  connect(ui_->ButtonFindAll, &QPushButton::clicked, this, [this] {
    QTableWidget* list = main_.ListView2();
    const int row = listrows::SelectedRow(list);
    if (row >= 0) main_.FindAll(listrows::CreateRowAt(list, row).FullPath(), JobControls::Of(*ui_));
  });
}

TForm4::~TForm4() = default;

void TForm4::Load(const CreateJob& row) {
  ui_->Label1->setText(tr("Файл: ") + row.Folder + row.FileName);
  JobControls::Of(*ui_).Show(row.settings, JobControls::EmptyColor::White);
}

void TForm4::showEvent(QShowEvent* event) {
  StylePanel panel = StylePanel::Of(*ui_);
  panel.ComboBox1Change();
  panel.ComboBox2Change();
  QDialog::showEvent(event);
}

void TForm4::BitBtn1Click() {
  QTableWidget* list = main_.ListView2();
  const int row = listrows::SelectedRow(list);
  if (row >= 0) {
    CreateSettings settings;
    try {
      settings = JobControls::Of(*ui_).Read();
    } catch (const ConversionError& e) {
      main_.ShowMessage(e.Message());  // the dialog stays open with the box to mend
      return;
    }
    listrows::SetCreateSettings(list, row, settings);
  }
  accept();
}

void TForm4::BitBtn2Click() { reject(); }

void TForm4::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) main_.ListView2SelectionChanged();  // the tab shows the row as it is now
}

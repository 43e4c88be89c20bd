#include "app/job_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "app/color_button.h"
#include "core/errors.h"
#include "create/row_columns.h"
#include "djvused/script_dialect.h"

namespace {

void ShowColor(ColorButton* button, const std::optional<ColorValue>& color, JobControls::EmptyColor emptyColor) {
  if (color) {
    button->SetColor(*color);
  } else if (emptyColor == JobControls::EmptyColor::White) {
    button->SetColor(0xFFFFFF);
  }
}

int ReadPage(const QLineEdit* box) {
  if (const std::optional<int> page = dialect::ToInt32(box->text().toUtf8())) return *page;
  throw ConversionError(QCoreApplication::translate("TForm1", "Неверно заданы страницы"));
}

}  // namespace

QList<QWidget*> JobControls::Controls() const {
  return {Edit1,     Edit2,          Edit3,          RadioButton1, RadioButton2,  ComboBox3,
          ComboBox1, ComboBox2,      JvColorButton1, JvColorButton2, Edit4,       CheckBox8,
          CheckBox9, CheckBox11,     EditRomanOffset, CheckBoxBookNumbers};
}

bool JobControls::ReadOne(const QObject* control, CreateSettings& s) const {
  if (control == Edit1) {
    s.firstPage = ReadPage(Edit1);
  } else if (control == Edit2) {
    s.lastPage = ReadPage(Edit2);
  } else if (control == Edit3 || control == RadioButton1 || control == RadioButton2) {
    const int magnitude = ReadSettingField(Edit3->text(), &CreateColumns::cm);
    s.offset = RadioButton1->isChecked() ? magnitude : -magnitude;
  } else if (control == ComboBox3) {
    s.workType = WorkType(qBound(0, ComboBox3->currentIndex(), kWorkTypeCount - 1));
  } else if (control == ComboBox1 || control == ComboBox2 || control == JvColorButton1 || control == JvColorButton2 ||
             control == Edit4 || control == CheckBox8 || control == CheckBox9) {
    // The look is one setting: the style rules change its other controls with it.
    s.look.borderType = ComboBox1->currentIndex();
    s.look.shape = ComboBox2->currentIndex();
    s.look.borderColor = JvColorButton1->Color();
    s.look.highlightColor = JvColorButton2->Color();
    s.look.borderWidth = Edit4->value();
    s.look.alwaysVisible = CheckBox8->isChecked();
    s.look.highlight = CheckBox9->isChecked();
  } else if (control == CheckBox11) {
    s.halve = CheckBox11->isChecked();
  } else if (control == EditRomanOffset) {
    s.romanOffset = EditRomanOffset->text().isEmpty()
                        ? std::nullopt
                        : std::optional<int>(ReadSettingField(EditRomanOffset->text(), &CreateColumns::ro));
  } else if (control == CheckBoxBookNumbers) {
    s.bookNumbers = CheckBoxBookNumbers->isChecked();
  } else {
    return false;
  }
  return true;
}

CreateSettings JobControls::Read() const {
  CreateSettings s;
  for (const QWidget* control : Controls()) ReadOne(control, s);
  return s;
}

void JobControls::Show(const CreateSettings& s, EmptyColor emptyColor) const {
  Edit1->setText(QString::number(s.firstPage));
  Edit2->setText(QString::number(s.lastPage));
  ShowOffset(s.offset);
  ComboBox3->setCurrentIndex(int(s.workType));
  ComboBox1->setCurrentIndex(s.look.borderType);
  ComboBox2->setCurrentIndex(s.look.shape);
  ShowColor(JvColorButton1, s.look.borderColor, emptyColor);
  ShowColor(JvColorButton2, s.look.highlightColor, emptyColor);
  Edit4->setValue(s.look.borderWidth);
  CheckBox8->setChecked(s.look.alwaysVisible);
  CheckBox9->setChecked(s.look.highlight);
  CheckBox11->setChecked(s.halve);
  EditRomanOffset->setText(s.romanOffset ? QString::number(*s.romanOffset) : QString());
  CheckBoxBookNumbers->setChecked(s.bookNumbers);
}

void JobControls::ShowOffset(int offset) const {
  Edit3->setText(QString::number(offset < 0 ? -qint64(offset) : qint64(offset)));
  (offset < 0 ? RadioButton2 : RadioButton1)->setChecked(true);
}

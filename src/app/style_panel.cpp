#include "app/style_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include "app/color_button.h"

void StylePanel::ComboBox2Change() {
  const bool oval = ComboBox2->currentIndex() == kOval;
  if (oval && ComboBox1->currentIndex() > kPlainBorder) {
    ComboBox1->setCurrentIndex(kPlainBorder);
    ComboBox1Change();
  }
  if (oval) {
    CheckBox9->setEnabled(false);
    CheckBox9->setChecked(false);  // runs the highlight rule when it changes
  } else {
    CheckBox9->setEnabled(true);
  }
}

void StylePanel::ComboBox1Change() {
  if (ComboBox2->currentIndex() == kOval && ComboBox1->currentIndex() > kPlainBorder) {
    ComboBox1->setCurrentIndex(kPlainBorder);
  }
  const int border = ComboBox1->currentIndex();
  Label7->setEnabled(border > kPlainBorder);
  Edit4->setEnabled(border > kPlainBorder);
  JvColorButton1->setEnabled(border == kPlainBorder);
  JvColorButton2->setEnabled(CheckBox9->isChecked());
}

void StylePanel::CheckBox9Click() { JvColorButton2->setEnabled(CheckBox9->isChecked()); }

void StylePanel::Connect(QObject* context) const {
  StylePanel panel = *this;
  QObject::connect(ComboBox2, &QComboBox::activated, context, [panel]() mutable { panel.ComboBox2Change(); });
  QObject::connect(ComboBox1, &QComboBox::activated, context, [panel]() mutable { panel.ComboBox1Change(); });
  QObject::connect(CheckBox9, &QCheckBox::toggled, context, [panel]() mutable { panel.CheckBox9Click(); });
}

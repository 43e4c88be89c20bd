#pragma once
// The controls that hold a create-list row's settings, on the create tab and
// in the settings dialog alike, and the two ways between them and a row:
// reading what the controls show (adding a row, editing the selected rows,
// "OK") and showing a row's settings (selecting it, opening the dialog).
#include <QList>

#include "core/create_settings.h"

class QCheckBox;
class QObject;
class QWidget;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class ColorButton;

struct JobControls {
  QLineEdit* Edit1;  // first page
  QLineEdit* Edit2;  // last page
  QLineEdit* Edit3;  // offset, its magnitude
  QRadioButton* RadioButton1;  // "Плюс"
  QRadioButton* RadioButton2;  // "Минус"
  QComboBox* ComboBox3;  // work type
  QComboBox* ComboBox1;  // border type
  QComboBox* ComboBox2;  // shape
  ColorButton* JvColorButton1;
  ColorButton* JvColorButton2;
  QSpinBox* Edit4;       // border width
  QCheckBox* CheckBox8;  // "Всегда видно"
  QCheckBox* CheckBox9;  // "Подсветка области"
  QCheckBox* CheckBox11;  // "Делить на 2"
  QLineEdit* EditRomanOffset;  // the row's Roman offset, after the described twelve
  QCheckBox* CheckBoxBookNumbers;  // targets by the book's printed page numbers

  template <class Form>
  static JobControls Of(Form& ui) {
    return {ui.Edit1,     ui.Edit2,          ui.Edit3,          ui.RadioButton1, ui.RadioButton2,
            ui.ComboBox3, ui.ComboBox1,      ui.ComboBox2,      ui.JvColorButton1, ui.JvColorButton2,
            ui.Edit4,     ui.CheckBox8,      ui.CheckBox9,      ui.CheckBox11,   ui.EditRomanOffset,
            ui.CheckBoxBookNumbers};
  }

  // The settings the controls show. Throws ConversionError for the first box
  // that holds no whole number: "Неверно заданы страницы" for a page box, else
  // the box named ("Смещение: пустое значение, нужно целое число").
  CreateSettings Read() const;
  // Reads only the setting that `control` (one of the controls above) edits
  // into `settings` (for a style control, the whole look, which the style
  // rules change together); throws as Read for that box. False when
  // `control` is none of them.
  bool ReadOne(const QObject* control, CreateSettings& settings) const;
  // Every control that edits a setting, in the tab's order.
  QList<QWidget*> Controls() const;

  // What a colour not given does to its button.
  enum class EmptyColor { KeepButton, White };
  // Shows the settings. The combo-box selections run no change rules.
  void Show(const CreateSettings& settings, EmptyColor emptyColor) const;

  // Shows a found offset in the offset box and its sign.
  void ShowOffset(int offset) const;
};

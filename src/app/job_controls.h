#pragma once
// The controls that hold a create-list row's twelve settings, on the create
// tab and in the settings dialog alike, and the two ways between them and a
// row: storing what the controls show (adding a row, "OK") and loading a row
// into them (a click in the list, opening the dialog).
#include "core/create_job.h"

class QCheckBox;
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

  // Sets the row's sub-items 1 to 13 from the controls, texts as they stand;
  // the folder and the file name are left alone.
  void Store(CreateJob& row) const;

  // What an empty colour text does to its button.
  enum class EmptyColor { KeepButton, White };
  // Loads the row's settings in column order. The combo-box selections run no
  // change rules. Throws ConversionError at the first setting that does not
  // convert, naming it and the row (rowNumber, counted from 1); the controls
  // loaded before it keep their new values.
  void Load(const CreateJob& row, int rowNumber, EmptyColor emptyColor) const;

  // Shows a found offset in the offset box and its sign.
  void ShowOffset(int offset) const;
};

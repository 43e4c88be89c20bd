#pragma once
// The style-panel rules, the same on the main window's create tab and in the
// settings dialog: an oval has only the border types 0 to 2 and never a
// highlight, the width is editable only for the shadow types, the border
// colour only for "Простая граница", the highlight colour only while
// highlighting is on. The combo-box rules run on the user's choice only (a
// selection set by the program does not run them); the highlight rule runs
// whenever the box changes state.
class QCheckBox;
class QComboBox;
class QLabel;
class QObject;
class QSpinBox;
class ColorButton;

struct StylePanel {
  static constexpr int kPlainBorder = 2;  // "Простая граница"
  static constexpr int kOval = 1;         // "Овал"

  QComboBox* ComboBox2;  // shape
  QComboBox* ComboBox1;  // border type
  QLabel* Label7;        // "Ширина границы"
  QSpinBox* Edit4;       // border width
  ColorButton* JvColorButton1;
  QCheckBox* CheckBox9;  // "Подсветка области"
  ColorButton* JvColorButton2;

  // Both windows' generated forms name these controls alike.
  template <class Form>
  static StylePanel Of(Form& ui) {
    return {ui.ComboBox2, ui.ComboBox1, ui.Label7, ui.Edit4, ui.JvColorButton1, ui.CheckBox9, ui.JvColorButton2};
  }

  void ComboBox2Change();  // shape rule
  void ComboBox1Change();  // border-type rule
  void CheckBox9Click();   // highlight rule

  // Runs the rules on the user's choices and on the highlight box's changes.
  void Connect(QObject* context) const;
};

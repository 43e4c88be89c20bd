#pragma once
// A colour button (JvColorButton1, JvColorButton2): shows its colour and lets
// the user pick another with the colour dialog. The program reads and sets
// the colour as the platform's colour value, red in the lowest byte.
#include <QPushButton>

#include "core/create_settings.h"

class ColorButton : public QPushButton {
  Q_OBJECT
 public:
  explicit ColorButton(QWidget* parent = nullptr);

  ColorValue Color() const { return color_; }
  void SetColor(ColorValue color);

  static QColor ToQColor(ColorValue color);
  static ColorValue FromQColor(const QColor& color);

 signals:
  // The user picked a colour in the dialog (not emitted by SetColor).
  void ColorChosen();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Pick();
  void Paint();

  ColorValue color_ = 0;  // black
};

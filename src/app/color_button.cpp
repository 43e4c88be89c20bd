#include "app/color_button.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

ColorButton::ColorButton(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, &ColorButton::Pick);
  Paint();
}

QColor ColorButton::ToQColor(ColorValue color) {
  return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

ColorValue ColorButton::FromQColor(const QColor& color) {
  return ColorValue(color.red()) | (ColorValue(color.green()) << 8) | (ColorValue(color.blue()) << 16);
}

void ColorButton::SetColor(ColorValue color) {
  color_ = color;
  Paint();
}

void ColorButton::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  Paint();
}

void ColorButton::Pick() {
  const QColor chosen = QColorDialog::getColor(ToQColor(color_), window());
  if (!chosen.isValid()) return;
  SetColor(FromQColor(chosen));
  emit ColorChosen();
}

void ColorButton::Paint() {
  // A swatch filling the button; the disabled look comes from the icon mode.
  const QSize swatch(qMax(8, width() - 12), qMax(6, height() - 10));
  QPixmap pixmap(swatch);
  pixmap.fill(ToQColor(color_));
  QPainter painter(&pixmap);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
  painter.end();
  setIcon(QIcon(pixmap));
  setIconSize(swatch);
}

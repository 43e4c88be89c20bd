#include "app/preview_view.h"

#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinZoom = 0.25, kMaxZoom = 8;

}  // namespace

PreviewView::PreviewView(QWidget* parent) : QGraphicsView(parent) {
  setBackgroundBrush(palette().dark());
  setDragMode(QGraphicsView::NoDrag);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setRenderHint(QPainter::Antialiasing);
  setRenderHint(QPainter::SmoothPixmapTransform);
}

void PreviewView::SetZoom(double zoom) {
  zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
  Refit();
  emit ScaleChanged();
}

void PreviewView::Refit() {
  if (!scene() || scene()->sceneRect().isEmpty()) return;
  const QRectF page = scene()->sceneRect();
  const QSizeF room = viewport()->size();
  const double fit = std::min(room.width() / page.width(), room.height() / page.height());
  setTransform(QTransform::fromScale(fit * zoom_, fit * zoom_));
}

void PreviewView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QGraphicsView::wheelEvent(event);
    return;
  }
  const int steps = event->angleDelta().y() / 120;
  if (steps != 0) SetZoom(zoom_ * std::pow(1.25, steps));
  event->accept();
}

void PreviewView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  Refit();
  emit ScaleChanged();
}

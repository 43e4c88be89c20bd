#include "app/preview_view.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinZoom = 0.25, kMaxZoom = 8;

}  // namespace

PreviewView::PreviewView(QWidget* parent) : QGraphicsView(parent) {
  setBackgroundBrush(palette().dark());
  setDragMode(QGraphicsView::NoDrag);
  // SetZoom keeps its own anchor: Qt's anchors follow the last mouse move
  // and the cursor's place on the screen, which a wheel turn does not update.
  setTransformationAnchor(QGraphicsView::NoAnchor);
  setResizeAnchor(QGraphicsView::AnchorViewCenter);
  setRenderHint(QPainter::Antialiasing);
  setRenderHint(QPainter::SmoothPixmapTransform);
}

void PreviewView::SetZoom(double zoom) { SetZoom(zoom, QRectF(viewport()->rect()).center()); }

void PreviewView::SetZoom(double zoom, const QPointF& anchor) {
  const QPointF onPage = viewportTransform().inverted().map(anchor);
  zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
  Refit();
  // Scroll by what the point moved; the scroll bars stop at the page's edges.
  const QPointF moved = viewportTransform().map(onPage) - anchor;
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(moved.x()));
  verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(moved.y()));
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
  if (steps != 0) SetZoom(zoom_ * std::pow(1.25, steps), event->position());
  event->accept();
}

void PreviewView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  Refit();
  emit ScaleChanged();
}

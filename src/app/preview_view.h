#pragma once
// The page picture of the preview window: fitted into the view, zoomed with
// Ctrl+wheel or by the window's buttons, about the point under the cursor
// (the wheel) or the view's centre (the buttons).
#include <QGraphicsView>

class PreviewView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit PreviewView(QWidget* parent = nullptr);

  // 1 fits the whole page into the view; 2 shows it twice as large.
  double Zoom() const { return zoom_; }
  // The page's point at `anchor` (in the viewport) stays where it is, as far
  // as the page's edges allow; by default the viewport's centre.
  void SetZoom(double zoom);
  void SetZoom(double zoom, const QPointF& anchor);
  // Applies the zoom to the scene's page as the view is now.
  void Refit();
  // The view's scale: pixels of the viewport per unit of the page.
  double Scale() const { return transform().m11(); }

 signals:
  // The view's size or the zoom changed: the picture may need rendering anew.
  void ScaleChanged();

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  double zoom_ = 1;
};

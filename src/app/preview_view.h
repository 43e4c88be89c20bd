#pragma once
// The page picture of the preview window: fitted into the view, zoomed with
// Ctrl+wheel or by the window's buttons.
#include <QGraphicsView>

class PreviewView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit PreviewView(QWidget* parent = nullptr);

  // 1 fits the whole page into the view; 2 shows it twice as large.
  double Zoom() const { return zoom_; }
  void SetZoom(double zoom);
  // Applies the zoom to the scene's page as the view is now.
  void Refit();

 signals:
  // The view's size or the zoom changed: the picture may need rendering anew.
  void ScaleChanged();

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  double zoom_ = 1;
};

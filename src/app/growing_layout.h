#pragma once
// The main window keeps its controls where they stand at its first size and
// lets the user make it larger: the tabs fill the window, the file lists grow
// with it, the controls right of a list move right and those below it move
// down, so the described layout stays as it is at the described size.
#include <QHash>
#include <QList>
#include <QRect>
#include <QSize>

class QTabWidget;
class QWidget;

class GrowingLayout {
 public:
  // Remembers the places of the controls on the pages of `tabs` at the
  // window's present size; `lists` (on those pages) are the ones that grow.
  GrowingLayout(QTabWidget* tabs, const QList<QWidget*>& lists);

  // Places the controls for a window of `size` (never smaller than the first).
  void Fit(const QSize& size) const;

 private:
  QTabWidget* tabs_;
  QSize base_;
  QList<QWidget*> lists_;
  QHash<QWidget*, QRect> places_;  // the pages' own controls
};

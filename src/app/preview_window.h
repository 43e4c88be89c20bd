#pragma once
// The preview window "Просмотр": the pages of a list row rendered by ddjvu,
// with the link areas the row would get drawn over them in the row's shape
// and colour, each labelled with its target, and beside them the list of the
// entries (and the bookmarks, when the outline is made). Nothing is written:
// the links come from the create run as a dry run, and for a row of the fix
// list from the fix job's alignment computed on the dump. Links the document
// already has are drawn as well ("в документе").
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/create_job.h"
#include "djvused/private_workspace.h"
#include "preview/row_preview.h"

namespace Ui { class PreviewWindow; }
class PageRenderer;
class QGraphicsItem;
class QGraphicsPixmapItem;
class QGraphicsSimpleTextItem;
class QGraphicsScene;

class PreviewWindow : public QWidget {
  Q_OBJECT
 public:
  // programFolder: where ddjvu and djvused are looked for first.
  explicit PreviewWindow(const QString& programFolder, QWidget* parent = nullptr);
  ~PreviewWindow() override;

  // Shows the window and reads the row; the first page appears when rendered.
  void ShowCreateRow(const CreateJob& row, bool outline);
  void ShowFixRow(const QString& longPath);
  // Reads the same row again (after a run changed its document). The window
  // stays where it is in the stack and does not take the focus.
  void Reload();

  // The page shown (its index among the preview's pages), and stepping.
  int PageIndex() const { return pageIndex_; }
  void ShowPage(int index);
  const RowPreview& Preview() const { return preview_; }
  // The picture of the page shown, as rendered; null before it arrives.
  const QImage& Picture() const { return picture_; }
  // The areas drawn on the page shown, in the picture's pixels, in the order
  // of the page's areas.
  QList<QRectF> DrawnAreas() const;
  // The selected area of the page shown (index among its areas), or -1.
  int SelectedArea() const;
  void SelectArea(int index);

 signals:
  // The row has been read (or its reading failed: LabelNotes says why).
  void Loaded();
  // The picture of the page shown has arrived.
  void PictureShown();

 private:
  void Present();
  void Load(const std::function<RowPreview(DjvusedRunner&)>& read);
  void ShowEntriesOfPage();
  void SelectEntry(int row);
  void PlaceLabels();
  void FillEntries();
  void FillOutline();
  void BuildScene();
  void RequestPicture();
  void PictureRendered(int page, const QByteArray& bytes);
  void EntryClicked();
  void SceneSelectionChanged();
  QSize WantedPictureSize() const;

  std::unique_ptr<Ui::PreviewWindow> ui_;
  PrivateWorkspace workspace_;
  PageRenderer* renderer_ = nullptr;
  QGraphicsScene* scene_ = nullptr;
  QGraphicsPixmapItem* pixmap_ = nullptr;
  QList<QGraphicsItem*> areaItems_;  // of the page shown, in the page's order
  QList<QGraphicsSimpleTextItem*> labels_;  // of each area; null for an area without one
  std::function<RowPreview(DjvusedRunner&)> read_;
  bool loading_ = false;
  bool reloadPending_ = false;
  RowPreview preview_;
  // The entry list's rows: page index and area index of each.
  QList<QPair<int, int>> rows_;
  int pageIndex_ = -1;
  QImage picture_;
  QSize requested_;  // the size asked of ddjvu for the page shown
  QTimer renderTimer_;
  bool syncing_ = false;  // selection being copied between list and page
  bool placed_ = false;   // put beside the main window on its first showing
};

#include "app/preview_window.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QHash>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QShortcut>
#include <algorithm>

#include "app/window_position.h"
#include "core/fix_job.h"
#include "core/errors.h"
#include "preview/page_renderer.h"
#include "ui_preview_window.h"

namespace {

// The larger side of a rendered picture at most: enough for a page zoomed
// well beyond the screen, far below a full-resolution scan.
constexpr int kMaxPictureSide = 5000;

const QColor kNewColor(0x15, 0x65, 0xC0);         // a new link whose row shows no border colour
const QColor kInDocumentColor(0x2E, 0x7D, 0x32);  // a link the document has
const QColor kBeforeColor(0x75, 0x75, 0x75);      // an area before alignment
const QColor kAfterColor(0xE6, 0x51, 0x00);       // the same area aligned

QColor AreaColor(const PreviewArea& area, const PreviewStyle& style) {
  switch (area.kind) {
    case AreaKind::New: return style.border.isEmpty() ? kNewColor : QColor(style.border);
    case AreaKind::InDocument: return kInDocumentColor;
    case AreaKind::BeforeAlignment: return kBeforeColor;
    case AreaKind::AfterAlignment: return kAfterColor;
  }
  return kNewColor;
}

bool Existing(const PreviewArea& area) { return area.kind == AreaKind::InDocument || area.inDocument; }

QString AreaLabel(const PreviewArea& area) {
  QString label = QStringLiteral("→ ") + TargetText(area);
  if (Existing(area)) label += PreviewWindow::tr(" (в документе)");
  return label;
}

// The rectangle an area's shape item is drawn in, in scene units.
QRectF ShapeRect(QGraphicsItem* item) {
  if (auto* r = qgraphicsitem_cast<QGraphicsRectItem*>(item)) return r->rect();
  if (auto* e = qgraphicsitem_cast<QGraphicsEllipseItem*>(item)) return e->rect();
  return {};
}

// How many lines of the dry run's summary show without scrolling.
constexpr int kNoteLines = 4;

QTableWidgetItem* Cell(const QString& text) { return new QTableWidgetItem(text); }

// The entry list's column naming the part of the book an entry stands in.
constexpr int kPartColumn = 4;

}  // namespace

PreviewWindow::PreviewWindow(const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::PreviewWindow>()) {
  ui_->setupUi(this);
  setAttribute(Qt::WA_QuitOnClose, false);  // the main window alone ends the program
  renderer_ = new PageRenderer(programFolder, this);
  scene_ = new QGraphicsScene(this);
  ui_->PageView->setScene(scene_);
  resize(1000, 720);
  ui_->Splitter->setStretchFactor(0, 3);
  ui_->Splitter->setStretchFactor(1, 2);
  ui_->Splitter->setSizes({600, 400});
  // The entry's text takes the room the page, number and target leave.
  ui_->EntryList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  ui_->EntryList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  ui_->EntryList->verticalHeader()->setDefaultSectionSize(ui_->EntryList->fontMetrics().height() + 6);
  // The summary keeps a few lines' height however long it is, so the window
  // never grows past a small screen; the rest scrolls.
  QPlainTextEdit* notes = ui_->LabelNotes;
  notes->setFixedHeight(notes->fontMetrics().lineSpacing() * kNoteLines + 2 * notes->frameWidth() +
                        int(2 * notes->document()->documentMargin()));
  notes->viewport()->setAutoFillBackground(false);

  renderTimer_.setSingleShot(true);
  renderTimer_.setInterval(150);  // a resize or a zoom settles before ddjvu runs again
  connect(&renderTimer_, &QTimer::timeout, this, &PreviewWindow::RequestPicture);
  connect(ui_->PageView, &PreviewView::ScaleChanged, this, [this] {
    PlaceLabels();
    renderTimer_.start();
  });
  connect(renderer_, &PageRenderer::Rendered, this, &PreviewWindow::PictureRendered);
  connect(renderer_, &PageRenderer::Failed, this, [this](int, const QString& message) {
    ui_->LabelNotes->setPlainText(message);
  });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  const auto step = [this](int by) { ShowPage(pageIndex_ + by); };
  connect(ui_->ButtonPriorPage, &QPushButton::clicked, this, [step] { step(-1); });
  connect(ui_->ButtonNextPage, &QPushButton::clicked, this, [step] { step(1); });
  for (const auto& [key, by] : {std::pair{Qt::Key_PageUp, -1}, std::pair{Qt::Key_PageDown, 1}}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    connect(shortcut, &QShortcut::activated, this, [step, by = by] { step(by); });
  }
  PreviewView* view = ui_->PageView;
  connect(ui_->ButtonZoomIn, &QPushButton::clicked, view, [view] { view->SetZoom(view->Zoom() * 1.25); });
  connect(ui_->ButtonZoomOut, &QPushButton::clicked, view, [view] { view->SetZoom(view->Zoom() / 1.25); });
  connect(ui_->ButtonZoomFit, &QPushButton::clicked, view, [view] { view->SetZoom(1); });
  ui_->ButtonZoomIn->setShortcut(QKeySequence::ZoomIn);
  ui_->ButtonZoomOut->setShortcut(QKeySequence::ZoomOut);

  connect(ui_->EntryList, &QTableWidget::itemSelectionChanged, this, &PreviewWindow::EntryClicked);
  connect(scene_, &QGraphicsScene::selectionChanged, this, &PreviewWindow::SceneSelectionChanged);
  // A bookmark shows the contents entry it is made from.
  connect(ui_->OutlineTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    const QVariant row = item ? item->data(0, Qt::UserRole) : QVariant();
    if (row.isValid()) SelectEntry(row.toInt());
  });
}

PreviewWindow::~PreviewWindow() {
  // The scene's items go with it, each reporting its selection lost.
  scene_->disconnect(this);
  areaItems_.clear();
}

void PreviewWindow::ShowCreateRow(const CreateJob& row, bool outline) {
  setWindowTitle(tr("Просмотр — %1").arg(row.FileName));
  ui_->LabelLegend->setText(tr("<span style='color:%1'>■ новые ссылки</span> "
                               "<span style='color:%2'>■ в документе</span>")
                                .arg(kNewColor.name(), kInDocumentColor.name()));
  Present();
  Load([row, outline](DjvusedRunner& runner) { return PreviewCreateRow(runner, row, outline); });
}

void PreviewWindow::ShowFixRow(const QString& longPath) {
  setWindowTitle(tr("Просмотр — %1").arg(FixJob::FromPath(longPath).FileName));
  ui_->LabelLegend->setText(tr("<span style='color:%1'>■ до выравнивания</span> "
                               "<span style='color:%2'>■ после</span>")
                                .arg(kBeforeColor.name(), kAfterColor.name()));
  Present();
  Load([longPath](DjvusedRunner& runner) { return PreviewFixRow(runner, longPath); });
}

void PreviewWindow::Reload() {
  if (read_) Load(read_);
}

void PreviewWindow::Present() {
  // The first time, inside the main window's screen and beside it when there
  // is room (narrowed to that room rather than covering it, down to the
  // least the window can show); later the user's place and size are kept.
  if (!placed_ && parentWidget()) {
    placed_ = true;
    MoveBeside(*this, *parentWidget()->window(), minimumSizeHint().width());
  }
  show();
  raise();
  activateWindow();
}

void PreviewWindow::Load(const std::function<RowPreview(DjvusedRunner&)>& read) {
  read_ = read;
  if (loading_) {  // the reading under way ends first; then the latest row is read
    reloadPending_ = true;
    return;
  }
  loading_ = true;
  const int keepPage = pageIndex_;
  const QString keepPath = preview_.path;
  ui_->LabelNotes->setPlainText(tr("Чтение документа…"));
  QString failure;
  try {
    if (!workspace_.Valid()) throw IoError(tr("Не удалось создать временную папку"));
    // The runner waits for djvused in a local event loop: the window stays responsive.
    preview_ = read(workspace_.Runner());
  } catch (const QuillmarkError& e) {
    preview_ = RowPreview{};
    failure = e.Message();
  }
  loading_ = false;
  if (reloadPending_) {
    reloadPending_ = false;
    Load(read_);
    return;
  }
  ui_->LabelNotes->setPlainText(failure.isEmpty() ? preview_.log.join(QLatin1Char('\n')) : failure);
  FillEntries();
  FillOutline();
  pageIndex_ = -1;
  ShowPage(preview_.path == keepPath && keepPage >= 0 ? std::min(keepPage, int(preview_.pages.size()) - 1) : 0);
  emit Loaded();
}

void PreviewWindow::FillEntries() {
  rows_.clear();
  QTableWidget* list = ui_->EntryList;
  list->setRowCount(0);
  for (int p = 0; p < preview_.pages.size(); ++p) {
    const PreviewPage& page = preview_.pages[p];
    for (int a = 0; a < page.areas.size(); ++a) {
      const PreviewArea& area = page.areas[a];
      if (area.kind == AreaKind::BeforeAlignment) continue;  // listed with its aligned area
      QString text = area.text, printed;
      if (area.entry >= 0) {
        text = preview_.entries[area.entry].text;
        printed = PrintedText(preview_.entries[area.entry].printed);
      }
      if (text.isEmpty()) text = tr("нет текста под областью");
      const int row = list->rowCount();
      list->insertRow(row);
      list->setItem(row, 0, Cell(QString::number(page.number)));
      list->setItem(row, 1, Cell(text));
      list->setItem(row, 2, Cell(printed));
      list->setItem(row, 3, Cell(TargetText(area) + (Existing(area) ? tr(" (в документе)") : QString())));
      list->setItem(row, kPartColumn, Cell(page.part));
      rows_ << qMakePair(p, a);
    }
  }
  // Only a whole-book row's pages belong to parts.
  const bool parts = std::any_of(preview_.pages.cbegin(), preview_.pages.cend(),
                                 [](const PreviewPage& page) { return !page.part.isEmpty(); });
  list->setColumnHidden(kPartColumn, !parts);
}

void PreviewWindow::FillOutline() {
  QTreeWidget* tree = ui_->OutlineTree;
  tree->clear();
  tree->setVisible(!preview_.outline.isEmpty());
  QList<QTreeWidgetItem*> parents;  // the last item of each level
  // The entry list's row of each link, to show a bookmark's entry.
  QHash<int, int> rowOfLink;
  for (int row = 0; row < rows_.size(); ++row) {
    const int link = preview_.pages[rows_[row].first].areas[rows_[row].second].entry;
    if (link >= 0) rowOfLink.insert(link, row);
  }
  const QList<qsizetype> links = BookmarkedLinks(preview_.entries, preview_.outline);
  for (qsizetype b = 0; b < preview_.outline.size(); ++b) {
    const ContentsEntry& entry = preview_.outline[b];
    const int level = std::max(1, std::min(entry.level, int(parents.size()) + 1));
    parents.resize(level - 1);
    auto* item = parents.isEmpty() ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(parents.last());
    item->setText(0, entry.title);
    item->setText(1, QString::number(preview_.targets.Opens(entry.target)));
    if (rowOfLink.contains(int(links[b]))) item->setData(0, Qt::UserRole, rowOfLink.value(int(links[b])));
    parents << item;
  }
  tree->expandAll();
  tree->resizeColumnToContents(0);
}

void PreviewWindow::ShowPage(int index) {
  if (preview_.pages.isEmpty()) {
    pageIndex_ = -1;
    areaItems_.clear();
    scene_->clear();
    pixmap_ = nullptr;
    picture_ = QImage();
    ui_->LabelPage->setText(tr("Нет страниц"));
    ui_->ButtonPriorPage->setEnabled(false);
    ui_->ButtonNextPage->setEnabled(false);
    return;
  }
  index = std::clamp(index, 0, int(preview_.pages.size()) - 1);
  if (index == pageIndex_) return;
  pageIndex_ = index;
  const PreviewPage& page = preview_.pages[index];
  QString caption = tr("Стр. %1 (%2 из %3)").arg(page.number).arg(index + 1).arg(preview_.pages.size());
  if (!page.part.isEmpty()) caption += QStringLiteral(" — ") + page.part;
  ui_->LabelPage->setText(caption);
  ui_->ButtonPriorPage->setEnabled(index > 0);
  ui_->ButtonNextPage->setEnabled(index + 1 < preview_.pages.size());
  ShowEntriesOfPage();
  BuildScene();
  picture_ = QImage();
  requested_ = QSize();
  RequestPicture();
}

void PreviewWindow::BuildScene() {
  const PreviewPage& page = preview_.pages[pageIndex_];
  const QScopedValueRollback<bool> syncing(syncing_, true);
  areaItems_.clear();
  labels_.clear();
  scene_->clear();
  // The scene is the page in its own units; the picture is scaled onto it.
  scene_->setSceneRect(QRectF(QPointF(0, 0), QSizeF(page.size)));
  pixmap_ = scene_->addPixmap(QPixmap());
  pixmap_->setTransformationMode(Qt::SmoothTransformation);
  scene_->addRect(scene_->sceneRect(), QPen(Qt::NoPen), QBrush(Qt::white))->setZValue(-1);
  for (const PreviewArea& area : page.areas) {
    const QRectF rect = AreaOnPicture(area.area, page.size, QSizeF(page.size));
    const QColor color = AreaColor(area, preview_.style);
    QPen pen(color, 2);
    pen.setCosmetic(true);
    if (area.kind == AreaKind::InDocument || area.kind == AreaKind::BeforeAlignment) pen.setStyle(Qt::DashLine);
    QBrush brush(Qt::NoBrush);
    if (area.kind == AreaKind::New && !preview_.style.highlight.isEmpty()) {
      QColor fill(preview_.style.highlight);
      fill.setAlpha(60);
      brush = QBrush(fill);
    }
    QAbstractGraphicsShapeItem* item =
        area.oval ? static_cast<QAbstractGraphicsShapeItem*>(scene_->addEllipse(rect, pen, brush))
                  : static_cast<QAbstractGraphicsShapeItem*>(scene_->addRect(rect, pen, brush));
    item->setFlag(QGraphicsItem::ItemIsSelectable, area.kind != AreaKind::BeforeAlignment);
    item->setToolTip(AreaLabel(area));
    QGraphicsSimpleTextItem* label = nullptr;
    if (area.kind != AreaKind::BeforeAlignment) {
      label = new QGraphicsSimpleTextItem(AreaLabel(area), item);
      label->setBrush(color);
      QFont small = label->font();
      small.setPointSizeF(small.pointSizeF() * 0.8);
      label->setFont(small);
      label->setFlag(QGraphicsItem::ItemIgnoresTransformations);
      label->setAcceptedMouseButtons(Qt::NoButton);  // a click goes to the area below
    }
    areaItems_ << item;
    labels_ << label;
  }
  ui_->PageView->Refit();
  PlaceLabels();
}

void PreviewWindow::PlaceLabels() {
  // Labels keep their size on the screen, so where they fit depends on the
  // zoom. Each goes right of its area, else left, above or below, where it
  // covers no other labelled area and no label placed before it, inside the
  // page; where none of these is free it is hidden and shows as the area's
  // tooltip only.
  const double scale = ui_->PageView->Scale();
  if (scale <= 0 || areaItems_.isEmpty()) return;
  const QRectF page = scene_->sceneRect();
  QList<QRectF> taken;
  QList<int> owner;  // the area of each taken rectangle
  for (int i = 0; i < areaItems_.size(); ++i) {
    if (labels_[i]) {
      taken << ShapeRect(areaItems_[i]);
      owner << i;
    }
  }
  const qreal gap = 3 / scale;
  for (int i = 0; i < areaItems_.size(); ++i) {
    QGraphicsSimpleTextItem* label = labels_[i];
    if (!label) continue;
    const QRectF area = ShapeRect(areaItems_[i]);
    const QSizeF size = label->boundingRect().size() / scale;
    const QRectF candidates[] = {
        QRectF(QPointF(area.right() + gap, area.top()), size),
        QRectF(QPointF(area.left() - gap - size.width(), area.top()), size),
        QRectF(QPointF(area.left(), area.top() - gap - size.height()), size),
        QRectF(QPointF(area.left(), area.bottom() + gap), size),
    };
    const QRectF* chosen = nullptr;
    for (const QRectF& place : candidates) {
      if (!page.contains(place)) continue;
      bool free = true;
      for (int t = 0; t < taken.size() && free; ++t) free = owner[t] == i || !taken[t].intersects(place);
      if (free) {
        chosen = &place;
        break;
      }
    }
    label->setVisible(chosen != nullptr);
    if (!chosen) continue;
    label->setPos(chosen->topLeft());
    taken << *chosen;
    owner << i;
  }
}

QSize PreviewWindow::WantedPictureSize() const {
  const QSize room = ui_->PageView->viewport()->size() * ui_->PageView->Zoom() * devicePixelRatioF();
  return room.boundedTo(QSize(kMaxPictureSide, kMaxPictureSide)).expandedTo(QSize(64, 64));
}

void PreviewWindow::RequestPicture() {
  if (pageIndex_ < 0) return;
  const QSize wanted = WantedPictureSize();
  // A picture close to the wanted size is kept: no rendering for a small resize.
  if (requested_.isValid() && wanted.width() <= requested_.width() * 1.2 &&
      wanted.width() >= requested_.width() * 0.8 && wanted.height() <= requested_.height() * 1.2 &&
      wanted.height() >= requested_.height() * 0.8) {
    return;
  }
  requested_ = wanted;
  renderer_->Render(preview_.path, preview_.pages[pageIndex_].number, wanted);
}

void PreviewWindow::PictureRendered(int page, const QByteArray& bytes) {
  if (pageIndex_ < 0 || preview_.pages[pageIndex_].number != page) return;
  const QImage picture = QImage::fromData(bytes, "PPM");
  if (picture.isNull()) {
    ui_->LabelNotes->setPlainText(tr("Страница %1 не отрисована: ddjvu выдал не картинку").arg(page));
    return;
  }
  picture_ = picture;
  const QSize size = preview_.pages[pageIndex_].size;
  pixmap_->setPixmap(QPixmap::fromImage(picture));
  pixmap_->setTransform(QTransform::fromScale(qreal(size.width()) / picture.width(),
                                              qreal(size.height()) / picture.height()));
  emit PictureShown();
}

QList<QRectF> PreviewWindow::DrawnAreas() const {
  QList<QRectF> areas;
  for (QGraphicsItem* item : areaItems_) {
    areas << (pixmap_ && !picture_.isNull() ? pixmap_->mapRectFromScene(ShapeRect(item)) : QRectF());
  }
  return areas;
}

int PreviewWindow::SelectedArea() const {
  for (int i = 0; i < areaItems_.size(); ++i) {
    if (areaItems_[i]->isSelected()) return i;
  }
  return -1;
}

void PreviewWindow::SelectArea(int index) {
  scene_->clearSelection();
  if (index < 0 || index >= areaItems_.size()) return;
  areaItems_[index]->setSelected(true);
  ui_->PageView->ensureVisible(areaItems_[index]);
}

void PreviewWindow::ShowEntriesOfPage() {
  QTableWidget* list = ui_->EntryList;
  for (int row = 0; row < rows_.size(); ++row) list->setRowHidden(row, rows_[row].first != pageIndex_);
  list->scrollToTop();
}

void PreviewWindow::SelectEntry(int row) {
  if (row < 0 || row >= rows_.size()) return;
  ShowPage(rows_[row].first);
  ui_->EntryList->selectRow(row);
}

void PreviewWindow::EntryClicked() {
  if (syncing_) return;
  const QList<QTableWidgetSelectionRange> ranges = ui_->EntryList->selectedRanges();
  if (ranges.isEmpty()) return;
  const int row = ranges.first().topRow();
  if (row < 0 || row >= rows_.size()) return;
  const QScopedValueRollback<bool> syncing(syncing_, true);
  ShowPage(rows_[row].first);
  SelectArea(rows_[row].second);
}

void PreviewWindow::SceneSelectionChanged() {
  // The selected area is drawn with a thicker line.
  for (QGraphicsItem* item : areaItems_) {
    auto* shape = static_cast<QAbstractGraphicsShapeItem*>(item);
    QPen pen = shape->pen();
    pen.setWidth(item->isSelected() ? 5 : 2);
    shape->setPen(pen);
  }
  if (syncing_) return;
  const int area = SelectedArea();
  const int row = rows_.indexOf(qMakePair(pageIndex_, area));
  const QScopedValueRollback<bool> syncing(syncing_, true);
  if (row >= 0) {
    ui_->EntryList->selectRow(row);
    ui_->EntryList->scrollToItem(ui_->EntryList->item(row, 0));
  } else {
    ui_->EntryList->clearSelection();
  }
}

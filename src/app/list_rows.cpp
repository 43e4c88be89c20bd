#include "app/list_rows.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "create/row_columns.h"

namespace listrows {
namespace {

// The captions of the shown columns are translated; the hidden ones (2 to
// 15) are the settings' codes, which the row is read from. The last three
// show the settings that matter to a batch, so it can be checked at a glance.
QStringList CreateCaptions() {
  return {QCoreApplication::translate("ListRows", "Путь"), QCoreApplication::translate("ListRows", "Файл"),
          QStringLiteral("1 стр."), QStringLiteral("2 стр."), QStringLiteral("cm"), QStringLiteral("tp"),
          QStringLiteral("tpb"), QStringLiteral("tps"), QStringLiteral("col1"), QStringLiteral("col2"),
          QStringLiteral("bw"), QStringLiteral("vis"), QStringLiteral("pods"), QStringLiteral("del2"), QStringLiteral("ro"),
          QStringLiteral("fol"), QCoreApplication::translate("ListRows", "Страницы"),
          QCoreApplication::translate("ListRows", "Смещение"), QCoreApplication::translate("ListRows", "Вид работы")};
}
constexpr int kFirstShownSetting = CreateColumns::kSubItemCount + 1;

// The shown settings' texts, after the codes.
QStringList ShownSettings(const CreateSettings& settings) {
  return {PagesText(settings), OffsetShown(settings), WorkTypeName(settings.workType)};
}

QString TextAt(const QTableWidget* table, int row, int column);

// The folder column keeps at least this much, enough for a few letters.
constexpr int kFolderMinimum = 60;

// The widest text of a column, its caption included, and the grid line.
int WantedWidth(const QTableWidget* table, int column) {
  int wanted = table->horizontalHeader()->sectionSizeHint(column);
  for (int row = 0; row < table->rowCount(); ++row) {
    wanted = qMax(wanted, table->sizeHintForIndex(table->model()->index(row, column)).width() + 1);
  }
  return wanted;
}

// The file name column as wide as its longest name, leaving the folder a
// little room. The create list's shown settings come after it when the list
// is wide enough for them and whole file names (a window made larger);
// otherwise they are left out and the rows' tooltips say them.
void FitColumns(QTableWidget* table) {
  const int available = table->viewport()->width();
  const int file = WantedWidth(table, 1);
  int settings = 0;
  const bool hasSettings = table->columnCount() > kFirstShownSetting;
  for (int c = kFirstShownSetting; c < table->columnCount(); ++c) settings += WantedWidth(table, c);
  const bool showSettings = hasSettings && available - kFolderMinimum - file >= settings;
  for (int c = kFirstShownSetting; c < table->columnCount(); ++c) {
    table->setColumnHidden(c, !showSettings);
    if (showSettings) table->setColumnWidth(c, WantedWidth(table, c));
  }
  table->setColumnWidth(1, qMin(file, available - kFolderMinimum - (showSettings ? settings : 0)));
}

// Refits the columns whenever the list changes size.
class ColumnFitter : public QObject {
 public:
  explicit ColumnFitter(QTableWidget* table) : QObject(table), table_(table) {
    table->viewport()->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) FitColumns(table_);
    return false;
  }

 private:
  QTableWidget* table_;
};

// The row's whole path as the tooltip of each of its cells, with the shown
// settings after it in the create list; kept up to date when a cell changes.
void ShowFullPath(QTableWidget* table, int row) {
  QString tip = TextAt(table, row, 0) + TextAt(table, row, 1);
  if (table->columnCount() > kFirstShownSetting) {
    QStringList settings;
    for (int c = kFirstShownSetting; c < table->columnCount(); ++c) settings << TextAt(table, row, c);
    tip += QLatin1Char('\n') + settings.join(QStringLiteral(" · "));
  }
  for (int c = 0; c < table->columnCount(); ++c) {
    if (QTableWidgetItem* item = table->item(row, c)) item->setToolTip(tip);
  }
}

void Setup(QTableWidget* table, const QStringList& columns) {
  table->setColumnCount(int(columns.size()));
  table->setHorizontalHeaderLabels(columns);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);  // the row dialog edits a row, not the cells
  table->setShowGrid(true);
  table->setSortingEnabled(false);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
  table->horizontalHeader()->setSectionsClickable(false);
  table->horizontalHeader()->setHighlightSections(false);
  table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  table->horizontalHeader()->setStretchLastSection(false);
  for (int c = 2; c < columns.size(); ++c) table->setColumnHidden(c, true);
  // Both columns are read without dragging: the file name column as wide as
  // its longest name (leaving the folder a little room), the folder column the rest,
  // a long folder shortened in the middle; the whole path is the tooltip.
  table->setTextElideMode(Qt::ElideMiddle);
  table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table->setColumnWidth(1, 150);
  QObject::connect(table->model(), &QAbstractItemModel::rowsRemoved, table, [table] { FitColumns(table); });
  QObject::connect(table, &QTableWidget::itemChanged, table, [table](QTableWidgetItem* item) {
    if (item->column() <= 1 || item->column() >= kFirstShownSetting) ShowFullPath(table, item->row());
  });
  new ColumnFitter(table);
}

void AppendRow(QTableWidget* table, const QStringList& texts) {
  const int row = table->rowCount();
  table->insertRow(row);
  for (int c = 0; c < texts.size(); ++c) {
    auto* item = new QTableWidgetItem(texts[c]);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    table->setItem(row, c, item);
  }
  ShowFullPath(table, row);
  FitColumns(table);
}

QString TextAt(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item ? item->text() : QString();
}

}  // namespace

void SetupFixList(QTableWidget* table) { Setup(table, CreateCaptions().mid(0, 2)); }

void SetupCreateList(QTableWidget* table) {
  Setup(table, CreateCaptions());
  table->setSelectionMode(QAbstractItemView::ExtendedSelection);  // the tab edits every selected row
  FitColumns(table);
}

int SelectedRow(const QTableWidget* table) {
  const QList<int> rows = SelectedRows(table);
  return rows.isEmpty() ? -1 : rows.constFirst();
}

QList<int> RowsInUse(const QTableWidget* table) {
  const QList<int> rows = SelectedRows(table);
  if (rows.isEmpty() && table->rowCount() == 1) return {0};
  return rows;
}

QList<int> SelectedRows(const QTableWidget* table) {
  QList<int> rows;
  for (const QTableWidgetItem* item : table->selectedItems()) {
    if (!rows.contains(item->row())) rows << item->row();
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

void AppendFixRow(QTableWidget* table, const FixJob& row) { AppendRow(table, {row.Folder, row.FileName}); }

FixJob FixRowAt(const QTableWidget* table, int row) { return {TextAt(table, row, 0), TextAt(table, row, 1)}; }

void AppendCreateRow(QTableWidget* table, const CreateJob& job) {
  const CreateColumns texts = CreateColumns::Of(job);
  AppendRow(table, QStringList{texts.Folder} + texts.SubItems() + ShownSettings(job.settings));
}

CreateJob CreateRowAt(const QTableWidget* table, int row) {
  QStringList subItems;
  for (int c = 1; c <= CreateColumns::kSubItemCount; ++c) subItems << TextAt(table, row, c);
  return CreateColumns::FromColumns(TextAt(table, row, 0), subItems).Read(row + 1);
}

void SetCreateSettings(QTableWidget* table, int row, const CreateSettings& settings) {
  const QStringList subItems = CreateColumns::Of(CreateJob{{}, {}, settings}).SubItems();
  for (int c = 2; c <= CreateColumns::kSubItemCount; ++c) table->item(row, c)->setText(subItems[c - 1]);
  const QStringList shown = ShownSettings(settings);
  for (int i = 0; i < shown.size(); ++i) table->item(row, kFirstShownSetting + i)->setText(shown[i]);
  FitColumns(table);
}

}  // namespace listrows

#include "app/list_rows.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

namespace listrows {
namespace {

// The captions of the two shown columns are translated; the hidden ones are
// the settings' codes.
QStringList CreateColumns() {
  return {QCoreApplication::translate("ListRows", "Путь"), QCoreApplication::translate("ListRows", "Файл"),
          QStringLiteral("1 стр."), QStringLiteral("2 стр."), QStringLiteral("cm"), QStringLiteral("tp"),
          QStringLiteral("tpb"), QStringLiteral("tps"), QStringLiteral("col1"), QStringLiteral("col2"),
          QStringLiteral("bw"), QStringLiteral("vis"), QStringLiteral("pods"), QStringLiteral("del2"), QStringLiteral("ro"),
    QStringLiteral("fol")};
}

QString TextAt(const QTableWidget* table, int row, int column);

// The folder column keeps at least this much, enough for a few letters.
constexpr int kFolderMinimum = 60;

void FitFileColumn(QTableWidget* table) {
  const int available = table->width() - 2 * table->frameWidth();
  int wanted = table->horizontalHeader()->sectionSizeHint(1);
  for (int row = 0; row < table->rowCount(); ++row) {
    wanted = qMax(wanted, table->sizeHintForIndex(table->model()->index(row, 1)).width() + 1);  // and the grid line
  }
  table->setColumnWidth(1, qMin(wanted, available - kFolderMinimum));
}

// The row's whole path as the tooltip of its folder and file name; kept up to
// date when the folder is edited in place.
void ShowFullPath(QTableWidget* table, int row) {
  const QString path = TextAt(table, row, 0) + TextAt(table, row, 1);
  for (int c = 0; c <= 1; ++c) {
    if (QTableWidgetItem* item = table->item(row, c)) item->setToolTip(path);
  }
}

void Setup(QTableWidget* table, const QStringList& columns) {
  table->setColumnCount(int(columns.size()));
  table->setHorizontalHeaderLabels(columns);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
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
  QObject::connect(table->model(), &QAbstractItemModel::rowsRemoved, table, [table] { FitFileColumn(table); });
  QObject::connect(table, &QTableWidget::itemChanged, table, [table](QTableWidgetItem* item) {
    if (item->column() <= 1) ShowFullPath(table, item->row());
  });
}

void AppendRow(QTableWidget* table, const QStringList& texts) {
  const int row = table->rowCount();
  table->insertRow(row);
  for (int c = 0; c < texts.size(); ++c) {
    auto* item = new QTableWidgetItem(texts[c]);
    if (c > 0) item->setFlags(item->flags() & ~Qt::ItemIsEditable);  // only the folder is edited in place
    table->setItem(row, c, item);
  }
  ShowFullPath(table, row);
  FitFileColumn(table);
}

QString TextAt(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item ? item->text() : QString();
}

}  // namespace

void SetupFixList(QTableWidget* table) { Setup(table, CreateColumns().mid(0, 2)); }
void SetupCreateList(QTableWidget* table) { Setup(table, CreateColumns()); }

int SelectedRow(const QTableWidget* table) {
  const QList<QTableWidgetItem*> items = table->selectedItems();
  return items.isEmpty() ? -1 : items.constFirst()->row();
}

void AppendFixRow(QTableWidget* table, const FixJob& row) { AppendRow(table, {row.Folder, row.FileName}); }

FixJob FixRowAt(const QTableWidget* table, int row) { return {TextAt(table, row, 0), TextAt(table, row, 1)}; }

void AppendCreateRow(QTableWidget* table, const CreateJob& job) {
  AppendRow(table, QStringList{job.Folder} + job.SubItems());
}

CreateJob CreateRowAt(const QTableWidget* table, int row) {
  QStringList subItems;
  for (int c = 1; c <= CreateJob::kSubItemCount; ++c) subItems << TextAt(table, row, c);
  return CreateJob::FromColumns(TextAt(table, row, 0), subItems);
}

void SetCreateSettings(QTableWidget* table, int row, const CreateJob& job) {
  const QStringList subItems = job.SubItems();
  for (int c = 2; c <= CreateJob::kSubItemCount; ++c) table->item(row, c)->setText(subItems[c - 1]);
}

}  // namespace listrows

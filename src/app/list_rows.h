#pragma once
// The two file lists as tables in report style: whole-row selection (several
// rows in the create list), grid lines, no sorting, nothing edited in place.
// The create list keeps a row's settings as texts in hidden columns after
// "Путь" and "Файл", and shows its pages, offset and work type after them.
#include <QStringList>

#include "core/create_job.h"
#include "core/fix_job.h"

class QTableWidget;

namespace listrows {

void SetupFixList(QTableWidget* table);
void SetupCreateList(QTableWidget* table);

// The selected row (the first, when several are), or -1 when none is.
int SelectedRow(const QTableWidget* table);
// Every selected row, top first.
QList<int> SelectedRows(const QTableWidget* table);
// The rows a command on "the selected file" acts on: the selected rows, or
// the list's only row when none is selected.
QList<int> RowsInUse(const QTableWidget* table);

void AppendFixRow(QTableWidget* table, const FixJob& row);
FixJob FixRowAt(const QTableWidget* table, int row);

void AppendCreateRow(QTableWidget* table, const CreateJob& job);
CreateJob CreateRowAt(const QTableWidget* table, int row);
// Replaces the settings columns of a row; the folder and file name stay.
void SetCreateSettings(QTableWidget* table, int row, const CreateSettings& settings);

}  // namespace listrows

#pragma once
// The two file lists as tables in report style: whole-row single selection,
// grid lines, no sorting, the first column (the folder) editable in place by
// clicking the selected row. The create list keeps its twelve settings in
// hidden columns after "Путь" and "Файл".
#include <QStringList>

#include "core/create_job.h"
#include "core/fix_job.h"

class QTableWidget;

namespace listrows {

void SetupFixList(QTableWidget* table);
void SetupCreateList(QTableWidget* table);

// The selected row, or -1 when none is.
int SelectedRow(const QTableWidget* table);

void AppendFixRow(QTableWidget* table, const FixJob& row);
FixJob FixRowAt(const QTableWidget* table, int row);

void AppendCreateRow(QTableWidget* table, const CreateJob& job);
CreateJob CreateRowAt(const QTableWidget* table, int row);
// Replaces the settings columns of a row; the folder and file name stay.
void SetCreateSettings(QTableWidget* table, int row, const CreateJob& job);

}  // namespace listrows

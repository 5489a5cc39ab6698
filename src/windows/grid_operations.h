#pragma once
// Small operations on the fixed-size grid models of the main and database windows.
// They touch nothing but the model they are given and never add or remove rows.

#include "text_table.h"

#include <QString>

class QAbstractItemModel;
class QStandardItemModel;

// The display text of a cell as the grids read it (a date-time in ISO form).
QString grid_cell_text(const QAbstractItemModel& model, int row, int column);
// Whether every cell of the row shows the empty text.
bool grid_row_is_empty(const QAbstractItemModel& model, int row);
// The smallest index of a row whose cells all show the empty text; -1 when none is.
int first_empty_row(const QAbstractItemModel& model);
// The rows a grid operation works on: those above the first empty row, or all of them.
int filled_row_count(const QAbstractItemModel& model);

void clear_grid_item(QStandardItemModel& model, int row, int column);
void clear_grid_row(QStandardItemModel& model, int row);
void clear_grid(QStandardItemModel& model);
// Clears the grid and writes the table from row 0; cells beyond the grid are dropped.
void load_table_into_grid(QStandardItemModel& model, const TextTable& vv_table);

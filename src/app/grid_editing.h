#pragma once
// Editing of the fixed-size grids from the selection and the clipboard. A grid keeps its
// number of rows: inserting and removing move whole model rows (so that whatever follows
// a row moves with it), and every moved cell ends up holding its text.

#include "text_table.h"

#include <QModelIndexList>
#include <QVariant>

#include <string>
#include <vector>

class QAbstractItemModel;
class QStandardItemModel;

// Clears every row (or only the cells) that holds a selected cell.
void erase_selected_rows(QStandardItemModel& model, const QModelIndexList& selection);
void erase_selected_cells(QStandardItemModel& model, const QModelIndexList& selection);

// Moves rows row..last-1 one row down and empties the row. Refused (false, nothing moves)
// when the last row holds something, which would fall off the grid.
bool insert_empty_row(QStandardItemModel& model, int row);

// Removes the rows that hold a selected cell; the rows below move up and the freed rows at
// the bottom end empty.
void remove_selected_rows(QStandardItemModel& model, const QModelIndexList& selection);

// The selected cells' texts, one line per grid row in row order, each line packed with
// its cells in column order; empty when nothing is selected.
TextTable selected_cells_table(const QAbstractItemModel& model, const QModelIndexList& selection);

// Writes the tab-separated text from (row, column) on, each value as text; what falls
// beyond the grid's edges is dropped. Gives the number of lines past the last row that
// held a value, so that the planner can be told of them.
int paste_text(QStandardItemModel& model, int row, int column, const std::string& s_text);

// Writes the rows from row 0 on, each value under the edit role; rows and values
// beyond the grid's edges are dropped.
void write_grid_rows(QStandardItemModel& model, const std::vector<std::vector<QVariant>>& vv_rows);

#include "grid_editing.h"

#include "grid_operations.h"

#include <QStandardItemModel>

#include <algorithm>
#include <map>
#include <set>

namespace {

std::vector<QString> row_texts(const QAbstractItemModel& model, int row)
{
    std::vector<QString> v_texts;
    for (int column = 0; column < model.columnCount(); ++column) {
        v_texts.push_back(grid_cell_text(model, row, column));
    }
    return v_texts;
}

void write_row_texts(QStandardItemModel& model, int row, const std::vector<QString>& v_texts)
{
    for (size_t column = 0; column < v_texts.size(); ++column) {
        model.setData(model.index(row, static_cast<int>(column)), v_texts[column], Qt::EditRole);
    }
}

// Every cell from the row on holds its display text, as if the rows had been rewritten.
void rows_to_texts(QStandardItemModel& model, int first_row)
{
    for (int row = first_row; row < model.rowCount(); ++row) {
        write_row_texts(model, row, row_texts(model, row));
    }
}

}  // namespace

void erase_selected_rows(QStandardItemModel& model, const QModelIndexList& selection)
{
    for (const QModelIndex& index : selection) {
        clear_grid_row(model, index.row());
    }
}

void erase_selected_cells(QStandardItemModel& model, const QModelIndexList& selection)
{
    for (const QModelIndex& index : selection) {
        clear_grid_item(model, index.row(), index.column());
    }
}

bool insert_empty_row(QStandardItemModel& model, int row)
{
    const int last_row = model.rowCount() - 1;
    if (row < 0 || row > last_row) {
        return true;
    }
    if (!grid_row_is_empty(model, last_row)) {
        return false;
    }
    // The model rows themselves move, so that what follows a row (an answer the coordinate
    // search still owes it) moves with it.
    model.removeRow(model.rowCount() - 1);
    model.insertRow(row);
    clear_grid_row(model, row);
    rows_to_texts(model, row + 1);
    return true;
}

void remove_selected_rows(QStandardItemModel& model, const QModelIndexList& selection)
{
    std::set<int> removed;
    for (const QModelIndex& index : selection) {
        if (index.isValid() && index.row() < model.rowCount()) {
            removed.insert(index.row());
        }
    }
    for (auto row = removed.rbegin(); row != removed.rend(); ++row) {
        model.removeRow(*row);
    }
    const int kept = model.rowCount();
    model.insertRows(kept, static_cast<int>(removed.size()));
    for (int row = kept; row < model.rowCount(); ++row) {
        clear_grid_row(model, row);
    }
    rows_to_texts(model, 0);
}

TextTable selected_cells_table(const QAbstractItemModel& model, const QModelIndexList& selection)
{
    std::map<int, std::map<int, std::string>> cells;
    for (const QModelIndex& index : selection) {
        cells[index.row()][index.column()] =
            grid_cell_text(model, index.row(), index.column()).toStdString();
    }
    TextTable vv_table;
    for (const auto& row : cells) {
        std::vector<std::string> v_line;
        for (const auto& cell : row.second) {
            v_line.push_back(cell.second);
        }
        vv_table.push_back(v_line);
    }
    return vv_table;
}

int paste_text(QStandardItemModel& model, int row, int column, const std::string& s_text)
{
    const TextTable vv_table = tsv_to_table(s_text);
    int lines_left_out = 0;
    for (size_t i = 0; i < vv_table.size(); ++i) {
        if (row + static_cast<int>(i) >= model.rowCount()) {
            const auto& v_line = vv_table[i];
            const bool holds_value =
                std::any_of(v_line.begin(), v_line.end(),
                            [](const std::string& s_cell) { return !s_cell.empty(); });
            lines_left_out += holds_value ? 1 : 0;
            continue;
        }
        for (size_t j = 0; j < vv_table[i].size(); ++j) {
            const QModelIndex index =
                model.index(row + static_cast<int>(i), column + static_cast<int>(j));
            if (index.isValid()) {
                model.setData(index, QString::fromStdString(vv_table[i][j]), Qt::EditRole);
            }
        }
    }
    return lines_left_out;
}

void write_grid_rows(QStandardItemModel& model, const std::vector<std::vector<QVariant>>& vv_rows)
{
    const int rows = std::min(static_cast<int>(vv_rows.size()), model.rowCount());
    for (int row = 0; row < rows; ++row) {
        const std::vector<QVariant>& v_row = vv_rows[static_cast<size_t>(row)];
        const int columns = std::min(static_cast<int>(v_row.size()), model.columnCount());
        for (int column = 0; column < columns; ++column) {
            model.setData(model.index(row, column), v_row[static_cast<size_t>(column)], Qt::EditRole);
        }
    }
}

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

void insert_empty_row(QStandardItemModel& model, int row)
{
    if (row < 0 || row >= model.rowCount()) {
        return;
    }
    std::vector<QString> v_carried = row_texts(model, row);
    for (int next = row + 1; next < model.rowCount(); ++next) {
        std::vector<QString> v_next = row_texts(model, next);
        write_row_texts(model, next, v_carried);
        v_carried = std::move(v_next);
    }
    clear_grid_row(model, row);
}

void remove_selected_rows(QStandardItemModel& model, const QModelIndexList& selection)
{
    std::set<int> removed;
    for (const QModelIndex& index : selection) {
        removed.insert(index.row());
    }
    TextTable vv_kept;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (removed.count(row) != 0) {
            continue;
        }
        std::vector<std::string> v_row;
        for (const QString& s_text : row_texts(model, row)) {
            v_row.push_back(s_text.toStdString());
        }
        vv_kept.push_back(v_row);
    }
    load_table_into_grid(model, vv_kept);
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

void paste_text(QStandardItemModel& model, int row, int column, const std::string& s_text)
{
    const TextTable vv_table = tsv_to_table(s_text);
    for (size_t i = 0; i < vv_table.size(); ++i) {
        for (size_t j = 0; j < vv_table[i].size(); ++j) {
            const QModelIndex index =
                model.index(row + static_cast<int>(i), column + static_cast<int>(j));
            if (index.isValid()) {
                model.setData(index, QString::fromStdString(vv_table[i][j]), Qt::EditRole);
            }
        }
    }
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

#include "grid_operations.h"

#include <QStandardItemModel>

QString grid_cell_text(const QAbstractItemModel& model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

bool grid_row_is_empty(const QAbstractItemModel& model, int row)
{
    for (int column = 0; column < model.columnCount(); ++column) {
        if (!grid_cell_text(model, row, column).isEmpty()) {
            return false;
        }
    }
    return true;
}

int first_empty_row(const QAbstractItemModel& model)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        if (grid_row_is_empty(model, row)) {
            return row;
        }
    }
    return -1;
}

int filled_row_count(const QAbstractItemModel& model)
{
    const int row = first_empty_row(model);
    return row < 0 ? model.rowCount() : row;
}

void clear_grid_item(QStandardItemModel& model, int row, int column)
{
    model.setData(model.index(row, column), QString(), Qt::EditRole);
}

void clear_grid_row(QStandardItemModel& model, int row)
{
    for (int column = 0; column < model.columnCount(); ++column) {
        clear_grid_item(model, row, column);
    }
}

void clear_grid(QStandardItemModel& model)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        clear_grid_row(model, row);
    }
}

void load_table_into_grid(QStandardItemModel& model, const TextTable& vv_table)
{
    clear_grid(model);
    const int rows = std::min(static_cast<int>(vv_table.size()), model.rowCount());
    for (int row = 0; row < rows; ++row) {
        const auto& v_row = vv_table[static_cast<size_t>(row)];
        const int columns = std::min(static_cast<int>(v_row.size()), model.columnCount());
        for (int column = 0; column < columns; ++column) {
            model.setData(model.index(row, column),
                          QString::fromStdString(v_row[static_cast<size_t>(column)]), Qt::EditRole);
        }
    }
}

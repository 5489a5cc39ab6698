// The grid operations that the main window's features share.
#include "mainwindow.h"

#include "grid_operations.h"

#include <QStandardItemModel>

void MainWindow::clear_grid_row(QStandardItemModel* model, int row)
{
    ::clear_grid_row(*model, row);
}

void MainWindow::clear_grid(QStandardItemModel* model)
{
    ::clear_grid(*model);
}

void MainWindow::clear_grid_item(QStandardItemModel* model, int row, int column)
{
    ::clear_grid_item(*model, row, column);
}

int MainWindow::first_empty_row(QStandardItemModel* model)
{
    return ::first_empty_row(*model);
}

void MainWindow::load_table_into_grid(QStandardItemModel* model, const TextTable& vv_table)
{
    ::load_table_into_grid(*model, vv_table);
}

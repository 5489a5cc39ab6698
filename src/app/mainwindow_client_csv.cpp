// The client grid to and from client CSV files, with the template offered when a
// file's header row does not match the user's language.
#include "mainwindow.h"

#include "accents.h"
#include "csv_files.h"
#include "file_names.h"
#include "file_reports.h"
#include "grid_client_csv.h"
#include "grid_editing.h"
#include "grid_operations.h"
#include "message_box.h"

#include <QDir>
#include <QStandardItemModel>

bool MainWindow::check_client_csv_header(const TextTable& vv_table)
{
    return grid_csv_header_matches(vv_table, setting("language"));
}

void MainWindow::export_client_csv_template(std::string s_file_name)
{
    const TextTable vv_template = grid_csv_template(setting("language"));
    write_chosen_file(this, QString::fromStdString(s_file_name), ".csv",
                      [&vv_template](const std::string& s_path) {
                          return try_write_csv(vv_template, s_path);
                      });
}

void MainWindow::load_client_csv_into_grid(const TextTable& vv_table)
{
    clear_grid(client_model);
    const std::vector<std::vector<QVariant>> vv_rows = grid_csv_rows(vv_table);
    write_grid_rows(*client_model, vv_rows);
    const int grid_rows = client_model->rowCount();
    size_t table_row = 0;
    int column = 0;
    if (first_unreadable_time_window(vv_table, static_cast<size_t>(grid_rows), table_row, column)) {
        // Named here, the cell is not left empty without a word until the grid check.
        information(tr("Input data error"),
                    tr("The date and time on row %1, column '%2' could not be read; write it as "
                       "dd/MM/yyyy HH:mm")
                        .arg(table_row - 1)
                        .arg(client_model->headerData(column, Qt::Horizontal).toString()));
    }
    report_rows_left_out(client_model, static_cast<int>(vv_rows.size()) - grid_rows);
}

void MainWindow::on_btnImportClientData_clicked()
{
    const QString s_path =
        open_file_dialog(this, tr("Open data from .csv"), QDir::currentPath(), "csv(*.csv)");
    if (s_path.isEmpty()) {
        return;
    }
    const TextTable vv_table = read_csv_file(s_path);
    if (check_client_csv_header(vv_table)) {
        load_client_csv_into_grid(vv_table);
        return;
    }
    if (!message_box::question(
            this, tr(".csv error"),
            tr("There was some error on the file header, would you like to export a template file?"))) {
        return;
    }
    const QString s_template = save_file_dialog(this, tr("Save file"), QString(), QString());
    if (!s_template.isEmpty()) {
        export_client_csv_template(normalised_file_name(s_template.toStdString(), ".csv"));
    }
}

void MainWindow::on_btnExportClientData_clicked()
{
    int rows = first_empty_row(client_model);
    if (rows == 0) {
        information(tr("Input data error"), tr("There are no client data"));
        return;
    }
    TextTable vv_table;
    const std::vector<std::string> v_header = grid_csv_header(setting("language"));
    if (!v_header.empty()) {
        vv_table.push_back(v_header);
    }
    rows = rows < 0 ? client_model->rowCount() : rows;
    for (int row = 0; row < rows; ++row) {
        vv_table.push_back(grid_csv_row(*client_model, row));
    }
    write_chosen_file(
        this,
        remove_accents_from_file_name(save_file_dialog(this, tr("Save client grid data"), QString(), QString())),
        ".csv", [&vv_table](const std::string& s_path) { return try_write_csv(vv_table, s_path); });
}

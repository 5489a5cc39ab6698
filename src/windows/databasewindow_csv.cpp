// Client CSV import (checked, then completed with coordinates by the background job)
// and export of the client grid.

#include "databasewindow.h"

#include "accents.h"
#include "client_csv.h"
#include "csv_files.h"
#include "database.h"
#include "grid_operations.h"
#include "message_box.h"
#include "ui_databasewindow.h"

#include <QDir>
#include <QLabel>
#include <QStandardItemModel>

bool DatabaseWindow::client_csv_header(const TextTable& vv_table)
{
    return client_csv_header_ok(vv_table, database->setting_value("language"));
}

std::vector<std::string> DatabaseWindow::check_csv_rows(const TextTable& vv_table)
{
    return client_csv_problem_rows(vv_table);
}

void DatabaseWindow::export_csv_template(const std::string& s_file_name)
{
    write_csv_file(client_csv_template(database->setting_value("language")), s_file_name);
}

void DatabaseWindow::write_csv_file(const TextTable& vv_table, const std::string& s_file_name)
{
    if (!try_write_csv(vv_table, s_file_name)) {
        message_box::information(
            this, tr(".csv error"),
            tr("The file could not be written: ") + QString::fromStdString(s_file_name));
    }
}

void DatabaseWindow::on_btnImportClientCsv_clicked()
{
    const QString s_file =
        open_file_dialog(tr("Open database from .csv"), QDir::currentPath(), "csv(*.csv)");
    if (s_file.isEmpty()) {
        return;
    }
    TextTable vv_table = read_csv_file(s_file);
    status_label->setText(tr("Checking input data..."));
    if (!client_csv_header(vv_table)) {
        if (message_box::question(this, tr(".csv error"),
                                  tr("There was some error on the file header, would you like to "
                                     "export a template file?"))) {
            const std::string s_name = save_file_dialog(tr("Save file")).toStdString();
            if (!s_name.empty()) {
                export_csv_template(csv_file_name(s_name));
            }
        }
        status_label->clear();
        return;
    }
    const std::vector<std::string> v_problems = check_csv_rows(vv_table);
    if (!v_problems.empty()) {
        status_label->setText(tr("Problem with input"));
        QString s_list;
        for (const std::string& s_row : v_problems) {
            s_list += QString::fromStdString(s_row) + " - ";
        }
        message_box::information(
            this, tr(".csv error"),
            tr("The following rows have problems on the database (missing values/missing "
               "columns : ") +
                s_list);
        status_label->clear();
        return;
    }
    start_lat_long_job(vv_table);
    status_label->clear();
}

void DatabaseWindow::on_btnEportClientCsv_clicked()
{
    int n_rows = first_empty_row(client_model);
    if (n_rows == 0) {
        message_box::information(this, tr("Input data error"), tr("There are no client data"));
        return;
    }
    if (n_rows == -1) {
        n_rows = client_model->rowCount();
    }
    TextTable vv_table;
    const std::vector<std::string> v_header =
        client_csv_header_words(database->setting_value("language"));
    if (!v_header.empty()) {
        vv_table.push_back(v_header);
    }
    const size_t first_client_row = vv_table.size();
    for (int row = 0; row < n_rows; ++row) {
        std::vector<std::string> v_row;
        for (int column = 0; column < k_client_csv_columns; ++column) {
            v_row.push_back(
                grid_cell_text(*client_model, row, column).toStdString());
        }
        vv_table.push_back(v_row);
    }
    lat_long_to_decimal_comma(vv_table, static_cast<uint8_t>(first_client_row));
    const std::string s_name =
        remove_accents_from_file_name(save_file_dialog(tr("Save client database"))).toStdString();
    if (s_name.empty()) {
        return;
    }
    write_csv_file(vv_table, csv_file_name(s_name));
}

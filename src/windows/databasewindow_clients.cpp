// The clients tab of the database window: finder, add, fetch, change and delete.

#include "databasewindow.h"

#include "accents.h"
#include "database.h"
#include "grid_operations.h"
#include "database_records.h"
#include "message_box.h"
#include "ui_databasewindow.h"

#include <QItemSelectionModel>
#include <QStandardItemModel>

std::vector<QLineEdit*> DatabaseWindow::client_line_edits() const
{
    return {ui->lnClientName,         ui->lnClientAddress, ui->lnClientNumber,
            ui->lnClientNeighborhood, ui->lnClientCity,    ui->lnClientState,
            ui->lnClientCountry,      ui->lnClientLat,     ui->lnClientLong};
}

QStringList DatabaseWindow::client_fields() const
{
    QStringList v_fields;
    for (const QLineEdit* field : client_line_edits()) {
        v_fields.append(field->text());
    }
    return v_fields;
}

std::string DatabaseWindow::client_finder_text() const
{
    return ui->lnClientSearch->text().toStdString();
}

void DatabaseWindow::show_client_search(const std::string& s_filter)
{
    fill_model(client_model, database->search_clients(s_filter));
}

void DatabaseWindow::refresh_client_grid(const std::string& s_filter)
{
    show_client_search(s_filter);
    clear_client_form();
}

void DatabaseWindow::clear_client_form()
{
    for (QLineEdit* field : client_line_edits()) {
        field->clear();
    }
}

bool DatabaseWindow::check_client_form(bool with_lat_long)
{
    const char* s_fault = client_form_fault(client_fields(), with_lat_long);
    if (s_fault) {
        message_box::information(this, tr("Input info"), tr(s_fault));
        return false;
    }
    return true;
}

void DatabaseWindow::on_lnClientSearch_textChanged(const QString& arg1)
{
    show_client_search(arg1.toStdString());
}

void DatabaseWindow::on_btnAddClient_clicked()
{
    if (!check_client_form(true)) {
        return;
    }
    const QStringList v_fields = client_fields();
    std::vector<std::string> v_cells;
    for (int i = 0; i < k_client_fields; ++i) {
        // The name and address parts are stored without accents, lat and long as typed.
        v_cells.push_back(i < 7 ? remove_accents(v_fields[i]).toStdString()
                                : v_fields[i].toStdString());
    }
    if (database->insert_client(v_cells[0], v_cells[1], v_cells[2], v_cells[3], v_cells[4],
                                v_cells[5], v_cells[6], v_cells[7], v_cells[8])) {
        message_box::information(this, tr("Database info"),
                                 tr("Client already exist, change the 'name' field."));
        return;
    }
    refresh_client_grid(client_finder_text());
}

void DatabaseWindow::insert_client_data_on_form()
{
    const TextTable vv_client =
        database->select_client_by_id(current_row_id(ui->TableViewClientDatabase));
    if (vv_client.empty()) {
        return;
    }
    clear_client_form();
    const std::vector<QLineEdit*> v_edits = client_line_edits();
    for (size_t i = 0; i < v_edits.size(); ++i) {
        v_edits[i]->setText(QString::fromStdString(cell_at(vv_client, 0, static_cast<int32_t>(i))));
    }
}

void DatabaseWindow::on_btnChangeClient_clicked()
{
    if (!check_client_form(true)) {
        return;
    }
    std::vector<std::string> v_cells;
    for (const QString& s_field : client_fields()) {
        v_cells.push_back(s_field.toStdString());
    }
    database->update_client(v_cells[0], v_cells[1], v_cells[2], v_cells[3], v_cells[4], v_cells[5],
                            v_cells[6], v_cells[7], v_cells[8], v_cells[0]);
    refresh_client_grid(client_finder_text());
}

void DatabaseWindow::on_btnDeleteClient_clicked()
{
    database->delete_client(ui->lnClientName->text().toStdString());
    refresh_client_grid(client_finder_text());
}

void DatabaseWindow::remove_client_from_database()
{
    std::vector<std::string> v_ids;
    for (const QModelIndex& index :
         ui->TableViewClientDatabase->selectionModel()->selectedIndexes()) {
        v_ids.push_back(grid_cell_text(*client_model, index.row(), 0).toStdString());
    }
    database->delete_clients(v_ids);
    refresh_client_grid(client_finder_text());
}

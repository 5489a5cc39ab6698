// Client and vehicle records between the grids and the database: records picked into
// the first empty grid row, the grid's clients saved as records, and the default
// values of the automatic writing.
#include "mainwindow.h"

#include "automatic_client_data.h"
#include "bulk_insert_summary.h"
#include "database.h"
#include "grid_clients_table.h"
#include "grid_operations.h"
#include "whole_number.h"

#include <QStandardItemModel>

#include <map>

void MainWindow::add_client_from_db(std::vector<std::string> v_clients)
{
    const int row = first_empty_row(client_model);
    if (row < 0) {
        report_rows_left_out(client_model, 1);
        return;
    }
    // Fields 0 to 8: name and address parts, then the coordinates; the code stays out.
    for (size_t field = 0; field < 9 && field < v_clients.size(); ++field) {
        client_model->setData(client_model->index(row, static_cast<int>(field)),
                              QString::fromStdString(v_clients[field]), Qt::EditRole);
    }
}

void MainWindow::report_rows_left_out(const QStandardItemModel* model, int rows_left_out)
{
    if (rows_left_out <= 0) {
        return;
    }
    QString s_text = tr("The routes grid holds %1 rows; rows left out: %2");
    if (model == client_model) {
        s_text = tr("The client grid holds %1 rows; client rows left out: %2");
    } else if (model == vehicle_model) {
        s_text = tr("The vehicle grid holds %1 rows; vehicle rows left out: %2");
    }
    information(tr("Input data error"), s_text.arg(model->rowCount()).arg(rows_left_out));
}

void MainWindow::add_vehicle_from_db(std::vector<std::string> v_vehicles)
{
    if (v_vehicles.empty()) {
        return;
    }
    const int row = first_empty_row(vehicle_model);
    if (row < 0) {
        report_rows_left_out(vehicle_model, 1);
        return;
    }
    vehicle_model->setData(vehicle_model->index(row, 0), QString::fromStdString(v_vehicles[0]),
                           Qt::EditRole);
    // The grid holds whole numbers: 12.5 shows 12; a field without one stays empty.
    for (size_t field = 1; field < 5 && field < v_vehicles.size(); ++field) {
        int value = 0;
        const QVariant cell =
            leading_whole_number(v_vehicles[field], value) ? QVariant(value) : QVariant(QString());
        vehicle_model->setData(vehicle_model->index(row, static_cast<int>(field)), cell, Qt::EditRole);
    }
}

void MainWindow::save_clients_from_grid_on_database()
{
    TextTable vv_client_db;
    const QString s_fault = grid_clients_table(*client_model, vv_client_db);
    if (!s_fault.isEmpty()) {
        information(tr("Input data error"), s_fault);
        return;
    }
    BulkInsertReport report;
    if (database->insert_clients(vv_client_db, &report)) {
        information(tr("Database"), tr("The clients could not be stored in the database"));
        return;
    }
    // Clients of a stored name keep their records; the planner is told which they are.
    information(tr("Database"), report.v_skipped_ids.empty()
                                    ? tr("Sucessfully added client to database!")
                                    : bulk_insert_summary(report));
}

void MainWindow::on_btnSaveClientsFromGridOnDatabase_clicked()
{
    save_clients_from_grid_on_database();
}

void MainWindow::on_btnClientAutomatedInfo_clicked()
{
    std::map<std::string, std::string> settings;
    for (const auto& v_row : database->select_all_settings()) {
        if (v_row.size() >= 2) {
            settings.emplace(v_row[0], v_row[1]);
        }
    }
    fill_automatic_client_data(*client_model, filled_row_count(*client_model), settings,
                               QDateTime(QDate::currentDate(), QTime(8, 0)));
}

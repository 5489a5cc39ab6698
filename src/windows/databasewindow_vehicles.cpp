// The vehicles tab of the database window: finder, add, fetch, edit and delete.

#include "databasewindow.h"

#include "database.h"
#include "database_records.h"
#include "message_box.h"
#include "ui_databasewindow.h"

void DatabaseWindow::refresh_vehicle_grid()
{
    const TextTable vv_vehicles =
        database->search_vehicles(ui->lnVehicleSearch->text().toStdString());
    ui->lnVehicleName->clear();
    fill_model(vehicle_model, vv_vehicles);
}

bool DatabaseWindow::check_vehicle_form()
{
    if (ui->lnVehicleName->text().isEmpty()) {
        message_box::information(this, tr("Input info"), tr("Missing vehicle name."));
        return false;
    }
    return true;
}

void DatabaseWindow::on_lnVehicleSearch_textChanged(const QString& /*arg1*/)
{
    refresh_vehicle_grid();
}

void DatabaseWindow::on_btnAddVehicle_clicked()
{
    if (!check_vehicle_form()) {
        return;
    }
    if (database->insert_vehicle(
            ui->lnVehicleName->text().toStdString(), ui->SpinVehicleCapacity->value(),
            ui->SpinVehicleAvailable->value(), ui->SpinVehicleFixedCost->value(),
            ui->SpinVehicleVarCost->value())) {
        message_box::information(this, tr("Database info"),
                                 tr("Vehicle already exist, change the 'name' field."));
        return;
    }
    refresh_vehicle_grid();
}

void DatabaseWindow::on_btnEditVehicle_clicked()
{
    if (!check_vehicle_form()) {
        return;
    }
    database->update_vehicle(ui->lnVehicleName->text().toStdString(),
                             ui->SpinVehicleCapacity->value(), ui->SpinVehicleAvailable->value(),
                             ui->SpinVehicleFixedCost->value(), ui->SpinVehicleVarCost->value());
    refresh_vehicle_grid();
}

// Deletes the vehicle named in the name field, as the other tabs' delete buttons do.
void DatabaseWindow::on_btnDeleteVehicle_clicked()
{
    database->delete_vehicle(ui->lnVehicleName->text().toStdString());
    refresh_vehicle_grid();
}

void DatabaseWindow::insert_vehicle_data_on_form()
{
    const TextTable vv_vehicle =
        database->select_vehicle_by_id(current_row_id(ui->TableViewVehicleDatabase));
    ui->lnVehicleName->clear();
    if (vv_vehicle.empty()) {
        return;
    }
    ui->lnVehicleName->setText(QString::fromStdString(cell_at(vv_vehicle, 0, 0)));
    ui->SpinVehicleCapacity->setValue(leading_whole_number(cell_at(vv_vehicle, 0, 1)));
    ui->SpinVehicleAvailable->setValue(leading_whole_number(cell_at(vv_vehicle, 0, 2)));
    ui->SpinVehicleFixedCost->setValue(leading_whole_number(cell_at(vv_vehicle, 0, 3)));
    ui->SpinVehicleVarCost->setValue(leading_whole_number(cell_at(vv_vehicle, 0, 4)));
}

void DatabaseWindow::remove_vehicle_from_database()
{
    database->delete_vehicle(current_row_id(ui->TableViewVehicleDatabase));
    refresh_vehicle_grid();
}

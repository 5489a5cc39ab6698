#include "vehicleaddwindow.h"

#include "database.h"
#include "ui_vehicleaddwindow.h"

VehicleAddWindow::VehicleAddWindow(Database* database_connection, QWidget* parent)
    : RecordPickerWindow(database_connection, parent), ui(new Ui::VehicleAddWindow)
{
    ui->setupUi(this);
    attach_list(ui->lineEdit, ui->listViewVehicles);
}

VehicleAddWindow::~VehicleAddWindow()
{
    delete ui;
}

TextTable VehicleAddWindow::search(const std::string& s_filter)
{
    return database->search_vehicles(s_filter);
}

void VehicleAddWindow::on_btnAddVehicle_clicked()
{
    std::vector<std::string> v_vehicle;
    if (current_record(v_vehicle)) {
        emit vehicle_selected(v_vehicle);
    }
}

void VehicleAddWindow::on_lineEdit_textChanged(const QString& arg1)
{
    refresh_list(arg1);
}

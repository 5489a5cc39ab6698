// Placeholders for the features of the main window that are not built yet: each does
// nothing (or returns an empty result) until its own file replaces it.
#include "mainwindow.h"

void MainWindow::add_client_from_db(std::vector<std::string> /*v_clients*/) {}
void MainWindow::add_vehicle_from_db(std::vector<std::string> /*v_vehicles*/) {}
void MainWindow::pop_menu_client_grid(QPoint /*pos*/) {}
void MainWindow::pop_menu_vehicle_grid(QPoint /*pos*/) {}
void MainWindow::pop_menu_routes_grid(QPoint /*pos*/) {}
void MainWindow::erase_client_table_row() {}
void MainWindow::add_row_client_table() {}
void MainWindow::remove_client_table_row() {}
void MainWindow::copy_client_table_row() {}
void MainWindow::paste_client_table_row() {}
void MainWindow::erase_vehicle_table_row() {}
void MainWindow::erase_client_table_item() {}
void MainWindow::erase_vehicle_table_item() {}
void MainWindow::copy_vehicle_table_row() {}
void MainWindow::paste_vehicle_table_row() {}
void MainWindow::erase_routes_table_item() {}
void MainWindow::copy_routes_table_item() {}
void MainWindow::paste_routes_table_item() {}
void MainWindow::create_client_grid_menu() {}
void MainWindow::create_vehicle_grid_menu() {}
void MainWindow::create_routes_grid_menu() {}
void MainWindow::on_btnClearClientDataInputGrid_clicked() {}
void MainWindow::on_btnClearVehicleDataInputGrid_clicked() {}
void MainWindow::on_btnClearRoutesGrid_clicked() {}

void MainWindow::update_json_from_database(std::string /*s_instance_json*/) {}
void MainWindow::fill_grids_from_instance_json() {}
void MainWindow::on_actionImport_instance_triggered() {}
void MainWindow::on_actionExportinstance_triggered() {}
void MainWindow::on_actionSave_instance_on_database_tvl_triggered() {}

TextTable MainWindow::build_route_links(const rapidjson::Value& /*document*/)
{
    return {};
}
void MainWindow::build_map_html() {}
void MainWindow::on_btnOpenRoute_clicked() {}

bool MainWindow::check_client_csv_header(const TextTable& /*vv_table*/)
{
    return false;
}
void MainWindow::export_client_csv_template(std::string /*s_file_name*/) {}
void MainWindow::load_client_csv_into_grid(const TextTable& /*vv_table*/) {}
void MainWindow::on_btnImportClientData_clicked() {}
void MainWindow::on_btnExportClientData_clicked() {}

void MainWindow::on_btnExportRoutesCsv_clicked() {}
void MainWindow::on_btnClientAutomatedInfo_clicked() {}

void MainWindow::save_clients_from_grid_on_database() {}
void MainWindow::on_btnSaveClientsFromGridOnDatabase_clicked() {}

// Instance files (.tvl), the save of the current instance on the database and the load
// of a stored instance: the solved document in and out of the window.
#include "mainwindow.h"

#include "database.h"
#include "file_reports.h"
#include "grid_editing.h"
#include "grid_operations.h"
#include "instance_grids.h"
#include "json_document.h"
#include "message_box.h"
#include "saveinstancewindow.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardItemModel>

void MainWindow::on_actionImport_instance_triggered()
{
    const QString s_path =
        open_file_dialog(this, tr("Open instance from .kmb"), QDir::currentPath(), "tvl(*.tvl)");
    if (s_path.isEmpty()) {
        return;
    }
    if (!QFileInfo(s_path).isReadable()) {
        report_unreadable_file(this, s_path);
        return;
    }
    // Checked whole before it replaces anything: a refused file keeps the current instance
    // and the grids, also when it holds a result but no input to load them from.
    rapidjson::Document document = load_json_file(s_path.toStdString());
    if (!check_json_error(document) || !has_grid_input(document)) {
        report_unreadable_file(this, s_path);
        return;
    }
    instance_document.Swap(document);
    fill_grids_from_instance_json();
}

void MainWindow::update_json_from_database(std::string s_instance_json)
{
    rapidjson::Document document = string_to_json(s_instance_json);
    if (!check_json_error(document)) {
        return;
    }
    if (!has_grid_input(document)) {
        information(tr("Input data error"), tr("The stored instance could not be read"));
        return;
    }
    instance_document.Swap(document);  // the previous document is freed with `document`
    fill_grids_from_instance_json();
}

void MainWindow::fill_grids_from_instance_json()
{
    const std::vector<std::vector<QVariant>> vv_clients = instance_client_rows(instance_document);
    const std::vector<std::vector<QVariant>> vv_vehicles = instance_vehicle_rows(instance_document);
    clear_grid(client_model);
    write_grid_rows(*client_model, vv_clients);
    clear_grid(vehicle_model);
    write_grid_rows(*vehicle_model, vv_vehicles);
    fill_routes_grid();
    // Told once the grids show what fitted.
    report_rows_left_out(client_model,
                         static_cast<int>(vv_clients.size()) - client_model->rowCount());
    report_rows_left_out(vehicle_model,
                         static_cast<int>(vv_vehicles.size()) - vehicle_model->rowCount());
}

// The current instance when it carries a usable solution; otherwise tells why not.
static bool usable_instance(MainWindow& window, bool loaded, bool passes_gate)
{
    if (!loaded) {
        message_box::information(&window, MainWindow::tr("Input data error"),
                                 MainWindow::tr("There is no instance loaded (input + solution), "
                                                "please run the algorithm or import a new instance"));
        return false;
    }
    if (!passes_gate) {
        message_box::information(&window, MainWindow::tr("Input data error"),
                                 MainWindow::tr("The instance have problems on its solution, please "
                                                "run the algorithm or import a new instance"));
        return false;
    }
    return true;
}

void MainWindow::on_actionExportinstance_triggered()
{
    const bool loaded = !instance_document.IsNull();
    if (!usable_instance(*this, loaded, loaded && check_json_error(instance_document))) {
        return;
    }
    write_chosen_file(this, save_file_dialog(this, tr("Save instance data"), QString(), QString()),
                      ".tvl", [this](const std::string& s_path) {
                          return try_save_json_file(instance_document, s_path);
                      });
}

void MainWindow::on_actionSave_instance_on_database_tvl_triggered()
{
    const bool loaded = !instance_document.IsNull();
    if (!usable_instance(*this, loaded, loaded && check_json_error(instance_document))) {
        return;
    }
    delete save_instance_window;
    save_instance_window = new SaveInstanceWindow(database, instance_document, this);
    save_instance_window->show();
}

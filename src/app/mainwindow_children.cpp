// The windows that the main window opens, the help pages and the signal connections.
#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "analysiswindow.h"
#include "clientaddwindow.h"
#include "database.h"
#include "databasewindow.h"
#include "help_pages.h"
#include "help_window.h"
#include "setting_window.h"
#include "vehicleaddwindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

void MainWindow::create_child_windows()
{
    client_add_window = new ClientAddWindow(database, this);
    vehicle_add_window = new VehicleAddWindow(database, this);
    database_window = new DatabaseWindow(database, this);
    setting_window = new SettingWindow(database, this);
    progress_bar = new QProgressBar(this);
    status_label = new QLabel(this);
    status_label->setObjectName("status_label");
    language_label = new QLabel(this);
    stop_button = new QPushButton(this);
    stop_button->setObjectName("stop_button");
    stop_button->setEnabled(false);
    thread_jobs.set_database(database);
}

void MainWindow::connect_signals()
{
    connect(client_add_window, &ClientAddWindow::client_selected, this,
            &MainWindow::add_client_from_db);
    connect(vehicle_add_window, &VehicleAddWindow::vehicle_selected, this,
            &MainWindow::add_vehicle_from_db);
    connect(stop_button, &QAbstractButton::clicked, this,
            &MainWindow::on_btnStopLatLongSearchClicked);
    connect(ui->TableViewDataInput, &QWidget::customContextMenuRequested, this,
            &MainWindow::pop_menu_client_grid);
    connect(ui->TableViewVehicleInput, &QWidget::customContextMenuRequested, this,
            &MainWindow::pop_menu_vehicle_grid);
    connect(ui->TableViewRoutes, &QWidget::customContextMenuRequested, this,
            &MainWindow::pop_menu_routes_grid);
    connect(database_window, &DatabaseWindow::add_json_from_db_to_main_form, this,
            &MainWindow::update_json_from_database);
    connect(setting_window, &SettingWindow::display_map_changed, this,
            &MainWindow::update_map_display_label);
    ThreadJobs::register_meta_types();
    connect(&thread_jobs, &ThreadJobs::on_end_processing_grid, this,
            &MainWindow::get_end_add_client_from_grid);
    connect(&thread_jobs, &ThreadJobs::on_client_scanned_grid, this,
            &MainWindow::get_add_client_from_grid_status);
    connect(&thread_jobs, &ThreadJobs::on_end_optimize, this, &MainWindow::get_end_optimize);
    connect(&thread_jobs, &ThreadJobs::on_end_check_json, this, &MainWindow::get_end_check_json);
}

void MainWindow::on_btnOpenClientDB_clicked()
{
    client_add_window->show();
}

void MainWindow::on_btnOpenVehicleDB_clicked()
{
    vehicle_add_window->show();
}

void MainWindow::on_actionOpen_database_triggered()
{
    database_window->show();
}

void MainWindow::on_actionChange_settings_triggered()
{
    setting_window->show();
}

void MainWindow::on_actionAnalysis_triggered()
{
    if (!analysis_window) {
        analysis_window = new AnalysisWindow(database, this);
    }
    analysis_window->show();
}

void MainWindow::on_actionOpen_triggered()
{
    open_help_page("contact");
}

void MainWindow::on_btn_helpMapDisplayMainWindow_clicked()
{
    open_help_page("map_display");
}

void MainWindow::open_help_page(const std::string& s_topic)
{
    help_window = show_help_page(help_window, this, s_topic, setting("language"));
}

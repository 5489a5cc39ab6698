#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "database.h"
#include "message_box.h"
#include "whole_number.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QtCharts/QChart>

namespace {

// How long a close waits for the stopped jobs to end.
constexpr std::chrono::milliseconds k_close_wait{1000};

}  // namespace

MainWindow::MainWindow(Database* shared_database, QWidget* parent)
    : QMainWindow(parent), database(shared_database), ui(new Ui::MainWindow)
{
    open_file_dialog = [](QWidget* owner, const QString& s_caption, const QString& s_folder,
                          const QString& s_filter) {
        return QFileDialog::getOpenFileName(owner, s_caption, s_folder, s_filter);
    };
    save_file_dialog = [](QWidget* owner, const QString& s_caption, const QString& s_folder,
                          const QString& s_filter) {
        return QFileDialog::getSaveFileName(owner, s_caption, s_folder, s_filter);
    };
    open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    ui->setupUi(this);
    create_child_windows();
    init_window();
    show_map_display_label(setting("map_display"));
    connect_signals();
    create_routes_grid_menu();
    create_client_grid_menu();
    create_vehicle_grid_menu();
    set_tool_tips();
    load_chart = new QtCharts::QChart();
    ui->plotRoutesTime->setChart(load_chart);
}

MainWindow::~MainWindow()
{
    // Together, so that a database locked by another program is waited for once.
    database->store_settings({{"open_routes", ui->rdbOpenRoutes->isChecked() ? "1" : "0"},
                              {"opt_time", std::to_string(ui->spOptTime->value())}});
    // A job still running reports nothing more once the jobs object is gone.
    thread_jobs.stop_processing();
    lat_long_search_running = false;
    delete ui;
}

std::string MainWindow::setting(const std::string& s_key)
{
    return database->setting_value(s_key);
}

void MainWindow::information(const QString& s_title, const QString& s_text)
{
    message_box::information(this, s_title, s_text);
}

void MainWindow::init_window()
{
    setup_client_grid();
    setup_vehicle_grid();
    setup_routes_grid();
    for (QTableView* view :
         {ui->TableViewDataInput, ui->TableViewVehicleInput, ui->TableViewRoutes}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    setup_status_bar();
    keep_buttons_whole();
    if (setting("open_routes") == "1") {
        ui->rdbOpenRoutes->setChecked(true);
    } else {
        ui->btnClosedRoutes->setChecked(true);
    }
    // A value that is no number leaves the spin box at its minimum.
    ui->spOptTime->setValue(leading_whole_number_or(setting("opt_time"), ui->spOptTime->minimum()));
}

void MainWindow::show_map_display_label(const std::string& map_display)
{
    ui->lblWeblink->setStyleSheet("QLabel { color : black; }");
    ui->lblWeblink->setText(map_display == "google_free" ? tr("Web link (google free)")
                                                         : tr("Web link (google PAYED)"));
}

void MainWindow::update_map_display_label(std::string map_display)
{
    show_map_display_label(map_display);
    fill_routes_grid();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (lat_long_search_running) {
        if (message_box::question(
                this, tr("Action required"),
                tr("An operation is still running (lat/long), would you like to cancel it?"))) {
            thread_jobs.stop_processing();
            lat_long_search_running = false;
        } else {
            event->ignore();
        }
    }
    if (optimization_running &&
        !message_box::question(this, tr("Action required"),
                               tr("An operation is still running (optimizing problem), would you "
                                  "like to cancel it?"))) {
        event->ignore();
    }
    if (event->isAccepted()) {
        // The window goes, so does its work: nothing may hold the process open afterwards.
        thread_jobs.stop_every_job();
        thread_jobs.wait_for_jobs(k_close_wait);
    }
}

#include "databasewindow.h"

#include "database.h"
#include "grid_operations.h"
#include "message_box.h"
#include "spin_box_delegate.h"
#include "ui_databasewindow.h"

#include <QCloseEvent>
#include <QDate>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStandardItemModel>

#include <algorithm>

namespace {
// A grid shows every row of the last search, then empty rows up to at least this many.
constexpr int k_grid_rows = 120;
constexpr int k_row_header_size = 15;
constexpr int k_progress_bar_height = 10;
}  // namespace

DatabaseWindow::DatabaseWindow(Database* database_connection, QWidget* parent)
    : QMainWindow(parent), ui(new Ui::DatabaseWindow), database(database_connection)
{
    open_file_dialog = [this](const QString& s_caption, const QString& s_dir,
                              const QString& s_filter) {
        return QFileDialog::getOpenFileName(this, s_caption, s_dir, s_filter);
    };
    save_file_dialog = [this](const QString& s_caption) {
        return QFileDialog::getSaveFileName(this, s_caption);
    };
    thread_jobs.set_database(database);
    ui->setupUi(this);
    lat_long_search_running = false;
    create_status_widgets();
    initialize_window();
    connect_job_signals();
    connect(ui->TableViewClientDatabase, &QWidget::customContextMenuRequested, this,
            &DatabaseWindow::pop_menu_client_grid);
    connect(ui->TableViewVehicleDatabase, &QWidget::customContextMenuRequested, this,
            &DatabaseWindow::pop_menu_vehicle_grid);
    connect(ui->TableViewInstance, &QWidget::customContextMenuRequested, this,
            &DatabaseWindow::pop_menu_instance_grid);
}

DatabaseWindow::~DatabaseWindow()
{
    delete client_grid_menu;
    delete vehicle_grid_menu;
    delete instance_grid_menu;
    delete ui;
}

void DatabaseWindow::connect_job_signals()
{
    ThreadJobs::register_meta_types();
    connect(&thread_jobs, &ThreadJobs::on_end_processing_database, this,
            &DatabaseWindow::get_end_add_client_from_database);
    connect(&thread_jobs, &ThreadJobs::on_client_scanned_database, this,
            &DatabaseWindow::get_add_client_from_database_status);
}

void DatabaseWindow::create_status_widgets()
{
    progress_bar = new QProgressBar(this);
    status_label = new QLabel(this);
}

void DatabaseWindow::initialize_window()
{
    ui->statusbar->addPermanentWidget(status_label, 1);
    ui->statusbar->addPermanentWidget(progress_bar, 1);
    progress_bar->setFixedHeight(k_progress_bar_height);
    progress_bar->setTextVisible(false);
    setup_client_grid();
    setup_vehicle_grid();
    setup_instance_grid();
    set_tool_tips();
}

QStandardItemModel* DatabaseWindow::make_grid_model(QTableView* view, const QStringList& v_headers)
{
    auto* model = new QStandardItemModel(k_grid_rows, v_headers.size(), this);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(k_row_header_size);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setModel(model);
    model->setHorizontalHeaderLabels(v_headers);
    return model;
}

void DatabaseWindow::set_number_delegate(QTableView* view)
{
    auto* delegate = new SpinBoxDelegate(this);
    for (int column = 1; column < view->model()->columnCount(); ++column) {
        view->setItemDelegateForColumn(column, delegate);
    }
}

void DatabaseWindow::setup_client_grid()
{
    client_model =
        make_grid_model(ui->TableViewClientDatabase,
                        {tr("Name (ID)"), tr("Address"), tr("Number"), tr("Neighborhood"),
                         tr("City"), tr("State"), tr("Country"), tr("lat"), tr("lon")});
    // One blank: the first listing holds the clients with a blank in a searched column.
    refresh_client_grid(" ");
}

void DatabaseWindow::setup_vehicle_grid()
{
    vehicle_model = make_grid_model(
        ui->TableViewVehicleDatabase,
        {tr("ID"), tr("Capacity"), tr("Available"), tr("Fixed cost"), tr("Variable cost")});
    ui->TableViewVehicleDatabase->verticalHeader()->setVisible(true);
    ui->TableViewVehicleDatabase->setAlternatingRowColors(false);
    ui->TableViewVehicleDatabase->setShowGrid(true);
    set_number_delegate(ui->TableViewVehicleDatabase);
    refresh_vehicle_grid();
}

void DatabaseWindow::setup_instance_grid()
{
    instance_model = make_grid_model(
        ui->TableViewInstance, {tr("ID"), tr("Distance"), tr("Time"), tr("Cost"), tr("Date")});
    set_number_delegate(ui->TableViewInstance);
    ui->dateFindInstanceFrom->setDate(QDate(2020, 1, 1));
    ui->dateFindInstanceTo->setDate(QDate(2030, 1, 1));
    fill_instance_model(database->select_all_instances());
}

void DatabaseWindow::clear_model(QStandardItemModel* model)
{
    clear_grid(*model);
}

void DatabaseWindow::fill_model(QStandardItemModel* model, const TextTable& vv_rows)
{
    // A search longer than the grid grows it, so no stored record is out of reach.
    model->setRowCount(std::max(k_grid_rows, static_cast<int>(vv_rows.size())));
    load_table_into_grid(*model, vv_rows);
}

int DatabaseWindow::first_empty_row(const QAbstractItemModel* model)
{
    return ::first_empty_row(*model);
}

std::string DatabaseWindow::current_row_id(const QTableView* view)
{
    const QModelIndex current = view->currentIndex();
    if (!current.isValid()) {
        return std::string();
    }
    return grid_cell_text(*view->model(), current.row(), 0).toStdString();
}

void DatabaseWindow::set_tool_tips()
{
    ui->btnAddClient->setToolTip(tr("Add client to the database"));
    ui->btnChangeClient->setToolTip(
        tr("Edit the current client info (the one with name in the field 'Name (ID)'"));
    ui->btnDeleteClient->setToolTip(
        tr("Delete the current client (the one with name in the field 'Name (ID)'"));
    ui->btnEportClientCsv->setToolTip(tr("Export the database from the grid to a .csv file"));
    ui->btnImportClientCsv->setToolTip(
        tr("Import client info from a .csv file into the database .The lat/long values may be "
           "empty and the search will be done automatically)"));
    ui->btnSearchLatLong->setToolTip(
        tr("Search the lat/long values for the current client on the grid"));
    ui->btnAddVehicle->setToolTip(tr("Add vehicle to the database"));
    ui->btnDeleteVehicle->setToolTip(
        tr("Delete the current vehicle (the one with name in the field 'Name (ID)"));
    ui->btnEditVehicle->setToolTip(
        tr("Edit the current vehicle (the one with name in the field 'Name (ID)"));
    ui->btnDeleteInstance->setToolTip(
        tr("Delete the current instance (the one with name in the field 'Name (ID)"));
    ui->btnEditInstance->setToolTip(
        tr("Edit the current instance (the one with name in the field 'Name (ID)"));
    ui->btnLoadInstance->setToolTip(tr("Load the current instance on the main form"));
}

void DatabaseWindow::closeEvent(QCloseEvent* event)
{
    if (!lat_long_search_running) {
        return;
    }
    if (!message_box::question(this, tr("Action required"),
                               tr("An operation is still running, would you like to cancel it?"))) {
        event->ignore();
        return;
    }
    thread_jobs.stop_processing();
    // The stopped job sends no end report, so the import controls are reset here.
    end_lat_long_job();
    status_label->clear();
}

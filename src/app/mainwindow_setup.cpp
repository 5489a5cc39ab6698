// The three grids, the status bar, the buttons' widths and the tool tips of the main window.
#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "date_delegate.h"
#include "spin_box_delegate.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>

#include <algorithm>

namespace {

struct Column {
    const char* s_header;
    int width;          // 0 keeps the default width
    const char* s_tip;  // nullptr: no tool tip
};

QStandardItemModel* make_grid(QObject* owner, QTableView* view, int rows,
                              const std::vector<Column>& v_columns)
{
    auto* model = new QStandardItemModel(rows, static_cast<int>(v_columns.size()), owner);
    for (int c = 0; c < static_cast<int>(v_columns.size()); ++c) {
        const Column& column = v_columns[static_cast<size_t>(c)];
        auto* header = new QStandardItem(MainWindow::tr(column.s_header));
        if (column.s_tip) {
            header->setToolTip(MainWindow::tr(column.s_tip));
        }
        model->setHorizontalHeaderItem(c, header);
    }
    view->setModel(model);
    for (int c = 0; c < static_cast<int>(v_columns.size()); ++c) {
        if (v_columns[static_cast<size_t>(c)].width > 0) {
            view->setColumnWidth(c, v_columns[static_cast<size_t>(c)].width);
        }
    }
    view->verticalHeader()->setVisible(true);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(15);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    return model;
}

}  // namespace

void MainWindow::setup_client_grid()
{
    client_model = make_grid(
        this, ui->TableViewDataInput, 250,
        {
            {QT_TR_NOOP("Name (ID)"), 60, QT_TR_NOOP("The first client of the grid is the depot")},
            {QT_TR_NOOP("Address"), 200, nullptr},
            {QT_TR_NOOP("Number"), 60, nullptr},
            {QT_TR_NOOP("Neighborhood"), 100, nullptr},
            {QT_TR_NOOP("City"), 60, nullptr},
            {QT_TR_NOOP("State"), 60, nullptr},
            {QT_TR_NOOP("Country"), 60, nullptr},
            {QT_TR_NOOP("lat"), 100, QT_TR_NOOP("Latitude from client´s location")},
            {QT_TR_NOOP("lon"), 100, QT_TR_NOOP("Longitude from client´s location")},
            {QT_TR_NOOP("Early tw"), 60,
             QT_TR_NOOP("Earliest time that a vehicle may arrive at the client")},
            {QT_TR_NOOP("Late tw"), 60,
             QT_TR_NOOP("Latest time that a vehicle may arrive at the client")},
            {QT_TR_NOOP("Service time"), 0, QT_TR_NOOP("Time spent on the client (min)")},
            {QT_TR_NOOP("Demand"), 0,
             QT_TR_NOOP("Demand collected from, or delivered to the client (units)")},
            {QT_TR_NOOP("Notes"), 90, QT_TR_NOOP("Any extra information from the client")},
        });
    auto* date_delegate = new DateDelegate(this);
    auto* spin_box_delegate = new SpinBoxDelegate(this);
    ui->TableViewDataInput->setItemDelegateForColumn(9, date_delegate);
    ui->TableViewDataInput->setItemDelegateForColumn(10, date_delegate);
    ui->TableViewDataInput->setItemDelegateForColumn(11, spin_box_delegate);
    ui->TableViewDataInput->setItemDelegateForColumn(12, spin_box_delegate);
}

void MainWindow::setup_vehicle_grid()
{
    vehicle_model = make_grid(this, ui->TableViewVehicleInput, 20,
                              {
                                  {QT_TR_NOOP("ID"), 100, nullptr},
                                  {QT_TR_NOOP("Capacity"), 100, nullptr},
                                  {QT_TR_NOOP("Available"), 100, nullptr},
                                  {QT_TR_NOOP("Fixed cost"), 100, nullptr},
                                  {QT_TR_NOOP("Variable cost"), 100, nullptr},
                              });
    auto* spin_box_delegate = new SpinBoxDelegate(this);
    for (int column = 1; column <= 4; ++column) {
        ui->TableViewVehicleInput->setItemDelegateForColumn(column, spin_box_delegate);
    }
}

void MainWindow::setup_routes_grid()
{
    routes_model = make_grid(this, ui->TableViewRoutes, k_routes_grid_rows,
                             {
                                 {QT_TR_NOOP("Route"), 20, QT_TR_NOOP("Route number")},
                                 {QT_TR_NOOP("Vehicle"), 0, QT_TR_NOOP("Vehicle used on route")},
                                 {QT_TR_NOOP("Name (ID)"), 0, nullptr},
                                 {QT_TR_NOOP("Address"), 0, nullptr},
                                 {QT_TR_NOOP("Number"), 0, nullptr},
                                 {QT_TR_NOOP("Neighborhood"), 0, nullptr},
                                 {QT_TR_NOOP("City"), 0, nullptr},
                                 {QT_TR_NOOP("Early tw"), 0, nullptr},
                                 {QT_TR_NOOP("Late tw"), 0, nullptr},
                                 {QT_TR_NOOP("Arrival"), 0,
                                  QT_TR_NOOP("Time arrived at the client (if it arrives before the "
                                             "earliest time-window, it must wait)")},
                                 {QT_TR_NOOP("Departure"), 0,
                                  QT_TR_NOOP("Time that the vehicle departures from the client")},
                                 {QT_TR_NOOP("Demand"), 0, nullptr},
                                 {QT_TR_NOOP("Notes"), 0, nullptr},
                             });
    ui->TableViewVehicleInput->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void MainWindow::setup_status_bar()
{
    stop_button->setFixedSize(20, 20);
    stop_button->setIcon(QIcon(":/icons/icons/iconStop.png"));
    language_label->setFixedSize(25, 25);
    const std::string s_language = setting("language");
    const char* s_flag = s_language == "GER"   ? ":/icons/icons/iconGermanFlag2.png"
                         : s_language == "POR" ? ":/icons/icons/iconBrazilFlag2.png"
                                               : ":/icons/icons/iconUSAFlag2.png";
    language_label->setPixmap(
        QPixmap(s_flag).scaled(17, 17, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    progress_bar->setFixedHeight(15);
    ui->statusbar->addPermanentWidget(language_label, 1);
    ui->statusbar->addPermanentWidget(status_label, 1);
    ui->statusbar->addPermanentWidget(progress_bar, 1);
    ui->statusbar->addPermanentWidget(stop_button, 1);
}

// The buttons' style sheet gives them a least width far below their texts and icons, which would
// let the layouts and the splitter cut them. Each keeps the width it asks for in the language of
// the run, so the panes cannot be made narrower than their buttons (the window's buttons keep
// their texts for the whole run).
void MainWindow::keep_buttons_whole()
{
    for (QPushButton* button : ui->centralwidget->findChildren<QPushButton*>()) {
        button->setMinimumWidth(std::min(button->sizeHint().width(), button->maximumWidth()));
    }
}

void MainWindow::set_tool_tips()
{
    const std::vector<std::pair<QWidget*, const char*>> v_widgets = {
        {ui->btnOpenClientDB, QT_TR_NOOP("Import a client from the database")},
        {ui->btnClearClientDataInputGrid, QT_TR_NOOP("Clear all data from the client grid")},
        {ui->btnClientAutomatedInfo,
         QT_TR_NOOP("Automatically fill the data with default values (from window 'settings')")},
        {ui->btnSearchLatLong,
         QT_TR_NOOP(
             "Search for lat/long values of an address from the form. Text should be without "
             "diacritics.\nThe search method can be changed on the settings window ('lat/long "
             "fetching')")},
        {ui->btnClearRoutesGrid, QT_TR_NOOP("Clear the data from the solution grid")},
        {ui->btnExportRoutesCsv, QT_TR_NOOP("Export the solution data to a .csv spreadsheet")},
        {ui->btnImportClientData, QT_TR_NOOP("Import data from a .csv spreadsheet")},
        {ui->btnExportClientData, QT_TR_NOOP("Export data to a .csv spreadsheet")},
        {ui->btnClearVehicleDataInputGrid,
         QT_TR_NOOP("Clear the data from the vehicle input grid")},
        {ui->btnOpenRoute, QT_TR_NOOP("Open the selected route link on the default web browser")},
        {ui->rdbOpenRoutes,
         QT_TR_NOOP("An 'open' route starts at the depot and finishes at the last routed client")},
        {ui->btnClosedRoutes, QT_TR_NOOP("A 'closed' route start and ends at the depot")},
        {ui->btnOpenVehicleDB, QT_TR_NOOP("Open the 'Database' window")},
        {ui->btnSaveClientsFromGridOnDatabase,
         QT_TR_NOOP("Save all clients from the current grid on the database")},
        {stop_button, QT_TR_NOOP("Stop the lat/long search procedure")},
        {language_label, QT_TR_NOOP("Current language of the application")},
    };
    for (const auto& [widget, s_tip] : v_widgets) {
        widget->setToolTip(tr(s_tip));
    }
    const std::vector<std::pair<QAction*, const char*>> v_actions = {
        {ui->actionAnalysis, QT_TR_NOOP("Open the 'Analysis' window")},
        {ui->actionOptimize, QT_TR_NOOP("Run the routing algorithm")},
        {ui->actionImport_instance,
         QT_TR_NOOP(
             "Import an instance (input + solution, .csv format) and display it on the form")},
        {ui->actionExportinstance,
         QT_TR_NOOP("Export the current instance (input + solution, .csv format)")},
        {ui->actionChange_settings, QT_TR_NOOP("Open the 'Settings' window")},
        {ui->actionOpen_database, QT_TR_NOOP("Open the 'Database' window")},
    };
    for (const auto& [action, s_tip] : v_actions) {
        action->setToolTip(tr(s_tip));
    }
}

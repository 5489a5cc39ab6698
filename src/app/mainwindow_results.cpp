// The results area: routes grid, web-link list, load chart and summary, and the one
// gate in front of every use of an instance document's output part.
#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "check_error_texts.h"
#include "grid_operations.h"
#include "json_document.h"
#include "solution_view.h"

#include <QDebug>
#include <QLabel>
#include <QProgressBar>
#include <QStandardItemModel>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QHorizontalStackedBarSeries>

#include <algorithm>

void MainWindow::get_end_optimize(std::string s_output_json)
{
    qDebug() << "get_end_optimize()";
    status_label->setText(tr("Optimization ended!"));
    information(tr("Optimization"), tr("Optimization ended!"));
    status_label->setText(QString());
    progress_bar->setValue(0);
    // The new document takes the place of the old one, whose memory goes with it.
    rapidjson::Document document = string_to_json(s_output_json);
    instance_document.Swap(document);
    fill_routes_grid();
    optimization_running = false;
    if (setting("automatic_client_save") == "1") {
        save_clients_from_grid_on_database();
    }
}

bool MainWindow::check_json_error(const rapidjson::Value& document)
{
    std::string s_code;
    const ResultState state = result_state(document, s_code);
    if (state != ResultState::failed) {
        return state == ResultState::solved;
    }
    const CheckErrorText text = check_error_text(s_code);
    status_label->setText(text.s_status);
    information(tr("Input data error"), text.s_box);
    status_label->setText(QString());
    return false;
}

void MainWindow::fill_routes_grid()
{
    if (!check_json_error(instance_document)) {
        return;
    }
    clear_grid(routes_model);
    const std::vector<RoutesGridRow> v_rows = routes_grid_rows(instance_document);
    const int rows = static_cast<int>(v_rows.size());
    // The grid grows to hold every row of the result.
    routes_model->setRowCount(std::max(k_routes_grid_rows, rows));
    for (int row = 0; row < rows; ++row) {
        const RoutesGridRow& v_row = v_rows[static_cast<size_t>(row)];
        for (int column = 0; column < static_cast<int>(v_row.size()); ++column) {
            routes_model->setData(routes_model->index(row, column),
                                  v_row[static_cast<size_t>(column)], Qt::EditRole);
        }
    }
    fill_web_links();
    plot_vehicle_load_chart();
    show_solution_summary();
}

void MainWindow::fill_web_links()
{
    ui->cbWebLinks->clear();
    if (setting("map_display") == "google_free") {
        for (const auto& v_link : build_route_links(instance_document)) {
            ui->cbWebLinks->addItem(
                QString::fromStdString(v_link.size() > 1 ? v_link[1] : std::string()));
        }
        return;
    }
    const rapidjson::SizeType routes = solution_routes(instance_document).Size();
    for (rapidjson::SizeType r = 0; r < routes; ++r) {
        ui->cbWebLinks->addItem(QString::number(r));
    }
}

void MainWindow::plot_vehicle_load_chart()
{
    if (load_series) {
        load_chart->removeSeries(load_series);
        load_chart->removeAxis(load_axis);
        delete load_series;  // owns its bar set
        delete load_axis;
    }
    load_bar_set = new QtCharts::QBarSet(tr("Load %"));
    load_series = new QtCharts::QHorizontalStackedBarSeries();
    load_axis = new QtCharts::QBarCategoryAxis();
    QStringList v_categories;
    for (const RouteLoad& load : route_loads(instance_document)) {
        load_bar_set->append(load.percent);
        v_categories << load.s_category;
    }
    load_axis->append(v_categories);
    load_series->append(load_bar_set);
    load_chart->addSeries(load_series);
    load_chart->setTitle(tr("Vehicle load utilisation (%)"));
    load_chart->setAnimationOptions(QtCharts::QChart::AllAnimations);
    load_chart->createDefaultAxes();
    load_chart->addAxis(load_axis, Qt::AlignLeft);
}

void MainWindow::show_solution_summary()
{
    const SolutionSummary summary = solution_summary(instance_document);
    ui->lblTotalTime->setText(summary.s_total_time);
    ui->lblTotalDistance->setText(summary.s_total_distance);
    ui->lblTotalLoad->setText(summary.s_total_load);
    ui->lblUnroutedClients->setText(summary.s_unrouted_clients);
    ui->lblUsedVehicles->setText(summary.s_used_vehicles);
}

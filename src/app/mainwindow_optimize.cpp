// From "Optimize" to the running optimisation job: grid checks, the instance document
// and the check job that collects the distance matrices.
#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "grid_checks.h"
#include "instance_builder.h"
#include "json_document.h"

#include <QDebug>
#include <QLabel>
#include <QStandardItemModel>

#include <climits>

bool MainWindow::check_client_grid(TextTable& vv_client, int& max_demand)
{
    const QString s_fault = check_client_rows(*client_model, vv_client, max_demand);
    if (!s_fault.isEmpty()) {
        information(tr("Input data error"), s_fault);
    }
    return s_fault.isEmpty();
}

bool MainWindow::check_vehicle_grid(TextTable& vv_vehicle, int& min_capacity)
{
    const QString s_fault = check_vehicle_rows(*vehicle_model, vv_vehicle, min_capacity);
    if (!s_fault.isEmpty()) {
        information(tr("Input data error"), s_fault);
    }
    return s_fault.isEmpty();
}

void MainWindow::on_actionOptimize_triggered()
{
    if (optimization_running) {
        information(tr("Instance already running"),
                    tr("There is a current instance in optimization already, please wait until it "
                       "finishes processing"));
        return;
    }
    status_label->setText(tr("Checking input data..."));
    TextTable vv_client;
    int max_demand = 0;
    if (!check_client_grid(vv_client, max_demand)) {
        status_label->setText(QString());
        return;
    }
    TextTable vv_vehicle;
    int min_capacity = INT_MAX;
    if (!check_vehicle_grid(vv_vehicle, min_capacity)) {
        status_label->setText(QString());
        return;
    }
    if (max_demand > min_capacity) {
        information(tr("Input data error"),
                    tr("The biggest client demand is bigger than the smallest vehicle capacity, "
                       "please correct that before continue"));
        return;
    }
    status_label->setText(tr("Collecting distance matrices..."));
    rapidjson::Document document = build_instance_json(vv_client, vv_vehicle);
    collect_distance_matrices_threaded(document);
}

rapidjson::Document MainWindow::build_instance_json(const TextTable& vv_client,
                                                    const TextTable& vv_vehicle)
{
    const QDateTime start = client_model->index(0, 9).data(Qt::DisplayRole).toDateTime();
    return build_instance_document(vv_client, vv_vehicle, start, instance_options());
}

void MainWindow::build_clients_json(const TextTable& vv_client, rapidjson::Value& clients,
                                    rapidjson::Document& document, const QString& s_operation_start)
{
    append_clients_json(vv_client, clients, document, s_operation_start);
}

void MainWindow::build_containers_json(const TextTable& vv_vehicle, rapidjson::Value& containers,
                                       rapidjson::Document& document)
{
    append_containers_json(vv_vehicle, containers, document);
}

void MainWindow::build_meta_info_json(rapidjson::Value& meta_info, rapidjson::Document& document)
{
    add_meta_info_json(meta_info, document, instance_options());
}

InstanceOptions MainWindow::instance_options()
{
    InstanceOptions options;
    options.max_time = ui->spOptTime->value();
    options.open_routes = ui->rdbOpenRoutes->isChecked();
    options.s_distance_matrix_api = setting("distance_matrix_api");
    options.s_lat_long_api = setting("lat_long_api");
    options.s_google_api_key = setting("google_api_key");
    options.s_email = setting("email");
    return options;
}

void MainWindow::collect_distance_matrices_threaded(rapidjson::Document& document)
{
    // The matrix collection is part of the optimisation: a second one is refused from here.
    optimization_running = true;
    status_label->setText(tr("Collecting distance matrices..."));
    const std::string s_distance_matrix_api = setting("distance_matrix_api");
    const std::string s_google_api_key = setting("google_api_key");
    thread_jobs.check_json(json_to_string(document), s_distance_matrix_api, s_google_api_key);
}

void MainWindow::get_end_check_json(std::string s_input_json_checked, bool json_ok)
{
    const rapidjson::Document document = string_to_json(s_input_json_checked);
    if (json_ok) {
        status_label->setText(tr("Optimizing problem..."));
        optimize_threaded(s_input_json_checked);
        return;
    }
    optimization_running = false;
    status_label->setText(QString());
    check_json_error(document);
}

void MainWindow::optimize_threaded(const std::string& s_input_json)
{
    optimization_running = true;
    qDebug() << "optimize_threaded()";
    thread_jobs.optimize(s_input_json);
}

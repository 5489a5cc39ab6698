// The coordinate search over the client grid: its start, the per-row reports of the
// job, its end and the stop button.
#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "grid_checks.h"
#include "grid_operations.h"
#include "message_box.h"

#include <QDebug>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>

void MainWindow::on_btnSearchLatLong_clicked()
{
    if (lat_long_search_running) {
        information(
            tr("Instance already running"),
            tr("The program is already searching lat/long values, please wait until it "
               "finishes processing or click the red button on the right bottom of the screen"));
        return;
    }
    static const AddressCellMessages messages = {
        QT_TR_NOOP("Missing 'Name(ID)' value on row"),
        QT_TR_NOOP("Missing 'Address' value on row"),
        QT_TR_NOOP("Missing 'Number' value on row"),
        QT_TR_NOOP("Missing 'Neighborhood' value on row"),
        QT_TR_NOOP("Missing 'City' value on row"),
        QT_TR_NOOP("Missing 'State' value on row"),
        QT_TR_NOOP("Missing 'Country' value on row")};
    const int rows = filled_row_count(*client_model);
    TextTable vv_search;
    for (int row = 0; row < rows; ++row) {
        std::vector<std::string> v_row;
        const QString s_fault = take_name_and_address(*client_model, row, messages, v_row);
        if (!s_fault.isEmpty()) {
            information(tr("Input data error"), s_fault);
            return;
        }
        for (int column : {7, 8}) {
            v_row.push_back(grid_cell_text(*client_model, row, column).toStdString());
        }
        vv_search.push_back(v_row);
    }
    if (vv_search.empty()) {
        return;
    }
    collect_lat_long_grid_threaded(vv_search);
}

void MainWindow::collect_lat_long_grid_threaded(TextTable& vv_search)
{
    qDebug() << "collect_lat_long_grid_threaded()";
    ui->btnSearchLatLong->setEnabled(false);
    stop_button->setEnabled(true);
    lat_long_search_running = true;
    const std::string s_lat_long_api = setting("lat_long_api");
    const std::string s_email = setting("email");
    const std::string s_google_api_key = setting("google_api_key");
    progress_bar->setMaximum(static_cast<int>(vv_search.size()));
    // Answers follow their rows, wherever grid edits move them meanwhile.
    searched_rows.start(*client_model, vv_search);
    if (setting("lat_long_database_search") == "1") {
        thread_jobs.collect_lat_long_grid_database_search(vv_search, s_email, s_google_api_key,
                                                          s_lat_long_api);
    } else {
        thread_jobs.collect_lat_long_grid(vv_search, s_email, s_google_api_key, s_lat_long_api);
    }
}

void MainWindow::get_add_client_from_grid_status(Geoservices::LAT_LONG_STATUS status,
                                                 int client_number, std::string lat,
                                                 std::string lon)
{
    if (!lat_long_search_running) {
        return;
    }
    QString s_box;
    switch (status) {
    case Geoservices::LAT_LONG_OK: {
        status_label->setText(tr("OK"));
        const int row = searched_rows.grid_row(client_number);
        if (row >= 0) {
            client_model->setData(client_model->index(row, 7), QString::fromStdString(lat),
                                  Qt::EditRole);
            client_model->setData(client_model->index(row, 8), QString::fromStdString(lon),
                                  Qt::EditRole);
        }
        break;
    }
    case Geoservices::LAT_LONG_NOT_FOUND:
        status_label->setText(tr("Value not found"));
        break;
    case Geoservices::LAT_LONG_EXACT_NOT_FOUND:
        status_label->setText(tr("Exact value not found"));
        break;
    case Geoservices::LAT_LONG_ALREADY_EXISTS:
        status_label->setText(tr("lat/long already exists"));
        break;
    case Geoservices::LAT_LONG_NO_INTERNET:
        s_box = tr("No internet connection");
        break;
    case Geoservices::LAT_LONG_INVALID_EMAIL:
        status_label->setText(tr("Missing or invalid email"));
        s_box =
            tr("<p>Missing or invalid email, to change:</p><ol><li>Open the settings "
               "window</li><li>In 'API info'</li><li>Input a valid email</li></ol>");
        break;
    case Geoservices::LAT_LONG_INVALID_GOOGLE_KEY:
        s_box =
            tr("<p>Missing or invalid google API key, to change:</p><ol><li>Open the settings "
               "window</li><li>In 'API info'</li><li>Input a valid google API key</li></ol>");
        break;
    }
    if (s_box.isEmpty()) {
        progress_bar->setValue(client_number + 1);
        return;
    }
    // Fixed texts only: the steps are a rich-text list.
    message_box::rich_information(this, tr("API error"), s_box);
    end_lat_long_search();
}

void MainWindow::get_end_add_client_from_grid(
    std::vector<std::vector<std::string> >& /*vv_database*/, bool /*ok*/)
{
    // The grid already holds every value found; rows not found keep their cells.
    lat_long_search_running = false;
    ui->btnSearchLatLong->setEnabled(true);
    status_label->setText(QString());
    progress_bar->reset();
    stop_button->setEnabled(false);
}

void MainWindow::on_btnStopLatLongSearchClicked()
{
    end_lat_long_search();
}

void MainWindow::end_lat_long_search()
{
    status_label->setText(QString());
    progress_bar->reset();
    lat_long_search_running = false;
    thread_jobs.stop_processing();
    ui->btnSearchLatLong->setEnabled(true);
    stop_button->setEnabled(false);
}

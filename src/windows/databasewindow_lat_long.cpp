// Coordinates for the database window's clients: one client of the form looked up at
// once, or every client of an imported CSV file by the window's background job.

#include "databasewindow.h"

#include "accents.h"
#include "bulk_insert_summary.h"
#include "client_csv.h"
#include "database.h"
#include "geocoding.h"
#include "message_box.h"
#include "ui_databasewindow.h"

#include <QDebug>
#include <QLabel>
#include <QProgressBar>

using Geoservices::LAT_LONG_STATUS;

LAT_LONG_STATUS DatabaseWindow::look_up_form_address(std::string& s_lat, std::string& s_lon)
{
    const std::string s_address = ui->lnClientAddress->text().toStdString();
    const std::string s_number = ui->lnClientNumber->text().toStdString();
    const std::string s_neighborhood = ui->lnClientNeighborhood->text().toStdString();
    const std::string s_city = ui->lnClientCity->text().toStdString();
    const std::string s_state = ui->lnClientState->text().toStdString();
    const std::string s_country = ui->lnClientCountry->text().toStdString();
    const std::string s_email = database->setting_value("email");
    const std::string s_api = database->setting_value("lat_long_api");
    const std::string s_key = database->setting_value("google_api_key");
    if (s_api == "osrm_relaxed" || s_api == "osrm_exact") {
        return get_lat_long_nominatim(s_address, s_number, s_neighborhood, s_city, s_state,
                                      s_country, s_email, s_lat, s_lon, s_api == "osrm_exact");
    }
    if (s_api == "osrm_google") {
        return get_lat_long(s_address, s_number, s_neighborhood, s_city, s_state, s_country, s_key,
                            s_email, s_lat, s_lon);
    }
    if (s_api == "google") {
        return get_lat_long_google(s_address, s_number, s_neighborhood, s_city, s_state, s_country,
                                   s_key, s_lat, s_lon);
    }
    return Geoservices::LAT_LONG_OK;  // no service chosen: no request, empty coordinates
}

void DatabaseWindow::show_lat_long_error(LAT_LONG_STATUS status)
{
    QString s_text;
    switch (status) {
        case Geoservices::LAT_LONG_NO_INTERNET:
            s_text = tr("No internet connection");
            break;
        case Geoservices::LAT_LONG_NOT_FOUND:
            s_text = tr("Value not found, please verify the addresses");
            break;
        case Geoservices::LAT_LONG_EXACT_NOT_FOUND:
            s_text =
                tr("<p>Found value, but not exact. We have found more values for the same "
                   "address, if you want to use it, change the following settings:</p><ol><li>"
                   "Open the settings</li><li>In 'API info'</li><li>Set 'Lat/Long fetching' as "
                   "'OSRM'</li></ol>");
            break;
        case Geoservices::LAT_LONG_INVALID_EMAIL:
            s_text =
                tr("<p>Missing or invalid email, to change:</p><ol><li>Open the settings "
                   "window</li><li>In 'API info'</li><li>Input a valid email</li></ol>");
            break;
        case Geoservices::LAT_LONG_INVALID_GOOGLE_KEY:
            s_text =
                tr("<p>Missing or invalid google API key, to change:</p><ol><li>Open the "
                   "settings window</li><li>In 'API info'</li><li>Input a valid google API "
                   "key</li></ol>");
            break;
        default:
            return;
    }
    // Fixed texts only: the steps are a rich-text list.
    message_box::rich_information(this, tr("API error"), s_text);
}

void DatabaseWindow::on_btnSearchLatLong_clicked()
{
    if (!check_client_form(false)) {
        return;
    }
    std::string s_lat;
    std::string s_lon;
    const LAT_LONG_STATUS status = look_up_form_address(s_lat, s_lon);
    if (status == Geoservices::LAT_LONG_OK) {
        ui->lnClientLat->setText(QString::fromStdString(s_lat));
        ui->lnClientLong->setText(QString::fromStdString(s_lon));
        return;
    }
    show_lat_long_error(status);
}

void DatabaseWindow::start_lat_long_job(TextTable& vv_table)
{
    lat_long_search_running = true;
    ui->btnImportClientCsv->setEnabled(false);
    const std::string s_api = database->setting_value("lat_long_api");
    const std::string s_email = database->setting_value("email");
    const std::string s_key = database->setting_value("google_api_key");
    progress_bar->setMaximum(std::max(0, static_cast<int>(vv_table.size()) - 1));
    thread_jobs.collect_lat_long_database(vv_table, s_email, s_key, s_api);
}

void DatabaseWindow::end_lat_long_job()
{
    progress_bar->reset();
    lat_long_search_running = false;
    ui->btnImportClientCsv->setEnabled(true);
}

void DatabaseWindow::get_add_client_from_database_status(LAT_LONG_STATUS status, int client_number)
{
    qDebug() << "Client number" << client_number;
    if (!lat_long_search_running) {
        return;
    }
    switch (status) {
        case Geoservices::LAT_LONG_OK:
            status_label->setText("OK");
            break;
        case Geoservices::LAT_LONG_NOT_FOUND:
            status_label->setText("Value not found");
            break;
        case Geoservices::LAT_LONG_EXACT_NOT_FOUND:
            status_label->setText(tr("Exact value not found"));
            break;
        case Geoservices::LAT_LONG_ALREADY_EXISTS:
            status_label->setText(tr("lat/long already exists"));
            break;
        case Geoservices::LAT_LONG_NO_INTERNET:
        case Geoservices::LAT_LONG_INVALID_EMAIL:
        case Geoservices::LAT_LONG_INVALID_GOOGLE_KEY:
            // The job has stopped by itself and sends no end report.
            show_lat_long_error(status);
            status_label->clear();
            end_lat_long_job();
            return;
    }
    progress_bar->setValue(client_number);
}

void DatabaseWindow::get_end_add_client_from_database(vector<vector<string> >& vv_database, bool ok)
{
    // An import cancelled in the window stores nothing, even when its end report was
    // already on its way.
    if (!lat_long_search_running) {
        return;
    }
    end_lat_long_job();
    status_label->clear();
    if (!ok) {
        if (message_box::question(this, tr("Action required"),
                                  tr("There were problems collecting some lat/long, would you "
                                     "like to export the collected values to verify the "
                                     "addresses?"))) {
            save_completed_csv(vv_database);
        }
        return;
    }
    BulkInsertReport report;
    if (database->insert_clients(vv_database, &report)) {
        // Nothing was stored; the gathered coordinates can still be kept in a file.
        if (message_box::question(this, tr("Database info"),
                                  tr("The clients could not be saved on the database. Would you "
                                     "like to save a spreadsheet with the gathered data?"))) {
            save_completed_csv(vv_database);
        }
        return;
    }
    // Clients already stored keep their records, and the planner is told which they are.
    const QString s_text =
        report.v_skipped_ids.empty()
            ? tr("The database was successfully updated. Would you like to also save a new "
                 "spreadsheet with the gathered data?")
            : bulk_insert_summary(report) + ' ' +
                  tr("Would you like to also save a new spreadsheet with the gathered data?");
    const bool save = message_box::question(this, tr("Database updated"), s_text);
    refresh_client_grid(client_finder_text());
    if (save) {
        save_completed_csv(vv_database);
    }
}

void DatabaseWindow::save_completed_csv(TextTable& vv_database)
{
    const std::string s_name =
        remove_accents_from_file_name(save_file_dialog(tr("Save file"))).toStdString();
    if (s_name.empty()) {
        return;
    }
    lat_long_to_decimal_comma(vv_database, 1);
    write_csv_file(vv_database, s_name + ".csv");
}

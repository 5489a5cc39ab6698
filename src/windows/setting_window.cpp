#include "setting_window.h"

#include "database.h"
#include "help_pages.h"
#include "message_box.h"
#include "ui_settingwindow.h"
#include "whole_number_check.h"

#include <QCloseEvent>

SettingWindow::SettingWindow(Database* shared_database, QWidget* parent)
    : QMainWindow(parent), ui(new Ui::SettingWindow), database(shared_database)
{
    ui->setupUi(this);
    ui->lnGoogleAPIKey->setEchoMode(QLineEdit::Password);
    build_fields();
    load_settings();
    set_tool_tips();
}

SettingWindow::~SettingWindow()
{
    delete ui;
}

void SettingWindow::build_fields()
{
    const auto manual_auto = [](const char* s_key, QRadioButton* manual, QRadioButton* automatic) {
        return SettingField{s_key, nullptr, {{manual, "0"}, {automatic, "1"}}, manual, "1"};
    };
    v_choice_fields = {
        {"language", nullptr,
         {{ui->rdbEnglish, "ENG"}, {ui->rdbGerman, "GER"}, {ui->rdbPortuguese, "POR"}}},
        {"email", ui->lnEmail, {}},
        {"lat_long_api", nullptr,
         {{ui->rdbLatLongOSRM, "osrm_exact"},
          {ui->rdbLatLongOSRMrelaxed, "osrm_relaxed"},
          {ui->rdbLatLongOSRMGoogle, "osrm_google"},
          {ui->rdbLatLongGoogle, "google"}}},
        {"map_display", nullptr,
         {{ui->rdbMapDisplayGoogleFree, "google_free"},
          {ui->rdbMapDisplayGooglePayed, "google_payed"}},
         nullptr, "google_payed"},
        {"distance_matrix_api", nullptr,
         {{ui->rdbDistanceORSM, "osrm"},
          {ui->rdbDistanceORSMGoogle, "osrm_google"},
          {ui->rdbDistanceGoogle, "google"}},
         ui->rdbDistanceGoogle, "google"},
        {"google_api_key", ui->lnGoogleAPIKey, {}},
        {"lat_long_database_search", nullptr,
         {{ui->rdbLatLongDatabaseSearchNo, "0"}, {ui->rdbLatLongDatabaseSearchYes, "1"}},
         ui->rdbLatLongDatabaseSearchNo, "0"},
        {"automatic_client_save", nullptr,
         {{ui->rdbAutomaticClientSaveNo, "0"}, {ui->rdbAutomaticClientSaveYes, "1"}},
         ui->rdbAutomaticClientSaveNo, "0"},
        manual_auto("auto_city", ui->rdbCityManual, ui->rdbCityAuto),
        manual_auto("auto_state", ui->rdbStateManual, ui->rdbStateAuto),
        manual_auto("auto_country", ui->rdbCountryManual, ui->rdbCountryAuto),
        manual_auto("auto_service_time", ui->rdbServiceTimeManual, ui->rdbServiceTimeAuto),
        manual_auto("auto_demand", ui->rdbDemandManual, ui->rdbDemandAuto),
        manual_auto("auto_tw", ui->rdbTWManual, ui->rdbTWAuto),
    };
    v_default_values = {
        {"auto_city_value", ui->lnCityAuto, {}},
        {"auto_country_value", ui->lnCountryAuto, {}},
        {"auto_state_value", ui->lnStateAuto, {}},
        {"auto_service_time_value", ui->lnServiceTimeAuto, {}},
        {"auto_demand_value", ui->lnDemandAuto, {}},
        {"auto_tw_value", ui->lnTWAuto, {}},
    };
}

void SettingWindow::load_settings()
{
    for (const auto& field : v_choice_fields) {
        load_field(field);
    }
    for (const auto& field : v_default_values) {
        load_field(field);
    }
}

void SettingWindow::load_field(const SettingField& field)
{
    const std::string s_value = database->setting_value(field.s_key);
    if (field.line_edit != nullptr) {
        field.line_edit->setText(QString::fromStdString(s_value));
        return;
    }
    for (const auto& choice : field.v_choices) {
        if (choice.second == s_value) {
            choice.first->setChecked(true);
            return;
        }
    }
    if (field.load_otherwise != nullptr) {
        field.load_otherwise->setChecked(true);
    }
}

void SettingWindow::set_tool_tips()
{
    ui->frame->setToolTip(
        tr("Method to search the distances and times between clinets.\n Using OSRM, data will be "
           "free of charge, but less accurate. \nUsing google API provides higher accuracy, but "
           "it is payed"));
    ui->groupBox_3->setToolTip(tr(
        "These information is used to automatically fill the client input grid on the main window"));
}

void SettingWindow::closeEvent(QCloseEvent* event)
{
    save_settings(event);
}

void SettingWindow::save_settings(QCloseEvent* event)
{
    const bool numbers_valid = default_numbers_valid();
    SettingRows v_rows;
    add_field_values(v_choice_fields, v_rows);
    if (numbers_valid) {
        add_field_values(v_default_values, v_rows);
    }
    // One transaction: while another program holds the file, the planner waits once. A file
    // that refuses writes would refuse them again: the planner is told which settings were
    // not stored and the window closes all the same.
    report_write_failure(database->store_settings(v_rows));
    if (!numbers_valid) {
        event->ignore();
    }
}

void SettingWindow::add_field_values(const std::vector<SettingField>& v_fields,
                                     SettingRows& v_rows) const
{
    for (const auto& field : v_fields) {
        const char* s_value = field.save_otherwise;
        std::string s_text;
        if (field.line_edit != nullptr) {
            s_text = field.line_edit->text().toStdString();
            s_value = s_text.c_str();
        }
        for (const auto& choice : field.v_choices) {
            if (choice.first->isChecked()) {
                s_value = choice.second.c_str();
            }
        }
        if (s_value != nullptr) {
            v_rows.emplace_back(field.s_key, s_value);
        }
    }
}

bool SettingWindow::default_numbers_valid()
{
    struct NumberField {
        const QLineEdit* line_edit;
        QString s_not_integer;
        QString s_negative;
    };
    const NumberField number_fields[] = {
        {ui->lnServiceTimeAuto, tr("Service time must be an integer number"),
         tr("Negative service time")},
        {ui->lnDemandAuto, tr("Demand must be an integer number"), tr("Negative demand value")},
        {ui->lnTWAuto, tr("Time window must be an integer number"),
         tr("Negative time window value")},
    };
    for (const auto& field : number_fields) {
        const WholeNumberCheck check = check_whole_number(field.line_edit->text().toStdString());
        if (check != WholeNumberCheck::valid) {
            message_box::information(
                this, tr("Invalid data"),
                check == WholeNumberCheck::negative ? field.s_negative : field.s_not_integer);
            return false;
        }
    }
    return true;
}

void SettingWindow::report_write_failure(const std::vector<std::string>& v_keys)
{
    if (v_keys.empty()) {
        return;
    }
    QStringList v_names;
    for (const std::string& s_key : v_keys) {
        v_names.append(QString::fromStdString(s_key));
    }
    message_box::information(
        this, tr("Database info"),
        tr("These settings could not be stored in the database: %1").arg(v_names.join(", ")));
}

void SettingWindow::show_language_message()
{
    message_box::information(this, tr("Language"),
                             tr("The language will be updated when the application is restarted"));
}

void SettingWindow::on_rdbEnglish_clicked()
{
    show_language_message();
}

void SettingWindow::on_rdbPortuguese_clicked()
{
    show_language_message();
}

void SettingWindow::on_rdbGerman_clicked()
{
    show_language_message();
}

void SettingWindow::store_map_display()
{
    const std::string s_value =
        ui->rdbMapDisplayGoogleFree->isChecked() ? "google_free" : "google_payed";
    // The main window reads the stored value when it redraws, so it hears only of a stored one.
    const std::vector<std::string> v_failed_keys =
        database->store_settings({{"map_display", s_value}});
    report_write_failure(v_failed_keys);
    if (!v_failed_keys.empty()) {
        return;
    }
    emit display_map_changed(s_value);
}

void SettingWindow::on_rdbMapDisplayGoogleFree_clicked()
{
    store_map_display();
}

void SettingWindow::on_rdbMapDisplayGooglePayed_clicked()
{
    store_map_display();
}

void SettingWindow::open_help_file(const std::string& s_topic)
{
    // The stored language counts, not a choice not yet saved.
    help_window = show_help_page(help_window, this, s_topic, database->setting_value("language"));
}

void SettingWindow::on_btn_helpDistanceMatrixFetching_clicked()
{
    open_help_file("distance_matrix");
}

void SettingWindow::on_btn_helpLatLongFetching_clicked()
{
    open_help_file("lat_long");
}

void SettingWindow::on_btn_helpMapDisplay_clicked()
{
    open_help_file("map_display");
}

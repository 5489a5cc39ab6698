#pragma once
// The window in which the planner edits the stored settings. It loads them once, when it is
// built, and stores them when it closes; the map-display choice is stored and announced at once.

#include "database.h"

#include <QMainWindow>

#include <string>
#include <utility>
#include <vector>

class HelpWindow;
class QCloseEvent;
class QLineEdit;
class QRadioButton;

namespace Ui {
class SettingWindow;
}

class SettingWindow : public QMainWindow {
    Q_OBJECT
public:
    SettingWindow(Database* shared_database, QWidget* parent = nullptr);
    ~SettingWindow() override;
    SettingWindow(const SettingWindow&) = delete;
    SettingWindow& operator=(const SettingWindow&) = delete;

signals:
    // The new map-display value ("google_free" or "google_payed"), already stored.
    void display_map_changed(std::string display_map);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on_rdbEnglish_clicked();
    void on_rdbPortuguese_clicked();
    void on_rdbGerman_clicked();
    void on_rdbMapDisplayGoogleFree_clicked();
    void on_rdbMapDisplayGooglePayed_clicked();
    void on_btn_helpDistanceMatrixFetching_clicked();
    void on_btn_helpLatLongFetching_clicked();
    void on_btn_helpMapDisplay_clicked();

private:
    // One setting and the widgets that edit it: a line edit, or radio buttons each standing
    // for a stored word. A stored word that no radio matches checks load_otherwise (if any);
    // with no radio checked the stored word is save_otherwise, or the key is left as it is.
    struct SettingField {
        std::string s_key;
        QLineEdit* line_edit = nullptr;
        std::vector<std::pair<QRadioButton*, std::string>> v_choices;
        QRadioButton* load_otherwise = nullptr;
        const char* save_otherwise = nullptr;
    };

    void save_settings(QCloseEvent* event);
    void load_settings();
    void set_tool_tips();
    void open_help_file(const std::string& s_topic);

    void build_fields();
    void load_field(const SettingField& field);
    // The value each field stores, appended to the rows; a field that stores none is left out.
    void add_field_values(const std::vector<SettingField>& v_fields, SettingRows& v_rows) const;
    // Checks service time, demand and time window in turn; the first fault is shown.
    bool default_numbers_valid();
    void show_language_message();
    void store_map_display();
    // Names the settings that could not be stored, if any.
    void report_write_failure(const std::vector<std::string>& v_keys);

    Ui::SettingWindow* ui;
    HelpWindow* help_window = nullptr;
    Database* database;
    // Written at close whatever the default numbers are.
    std::vector<SettingField> v_choice_fields;
    // Written at close only when the default numbers pass their checks.
    std::vector<SettingField> v_default_values;
};

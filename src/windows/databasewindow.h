#pragma once
// The database window: stored clients, vehicles and solved instances are searched,
// added, edited and deleted; clients get coordinates one by one or, for an imported
// CSV file, from a background job; a stored instance is loaded into the main window.

#include "lat_long_status.h"
#include "text_table.h"
#include "thread_jobs.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class Database;
class QAbstractItemModel;
class QAction;
class QCloseEvent;
class QDate;
class QLabel;
class QLineEdit;
class QMenu;
class QPoint;
class QProgressBar;
class QStandardItemModel;
class QTableView;

namespace Ui {
class DatabaseWindow;
}

class DatabaseWindow : public QMainWindow {
    Q_OBJECT

public:
    using string = std::string;
    template <typename T>
    using vector = std::vector<T>;

    DatabaseWindow(Database* database, QWidget* parent = nullptr);
    ~DatabaseWindow() override;

    // The file dialogs, replaceable so that tests answer them: caption, start folder and
    // filter give the chosen name, empty when cancelled.
    std::function<QString(const QString& s_caption, const QString& s_dir, const QString& s_filter)>
        open_file_dialog;
    std::function<QString(const QString& s_caption)> save_file_dialog;

    static void clear_model(QStandardItemModel* model);
    static void fill_model(QStandardItemModel* model, const TextTable& vv_rows);
    void fill_instance_model(const TextTable& vv_instances);
    // The index of the first row whose cells all show the empty text; -1 when none.
    static int first_empty_row(const QAbstractItemModel* model);

    void refresh_client_grid(const std::string& s_filter);
    void clear_client_form();
    bool check_client_form(bool with_lat_long);
    bool check_vehicle_form();
    void refresh_instance_grid();

    void start_lat_long_job(TextTable& vv_table);
    bool client_csv_header(const TextTable& vv_table);
    std::vector<std::string> check_csv_rows(const TextTable& vv_table);
    void export_csv_template(const std::string& s_file_name);

signals:
    void add_json_from_db_to_main_form(std::string json_instance);

public slots:
    void pop_menu_client_grid(const QPoint& pos);
    void pop_menu_vehicle_grid(const QPoint& pos);
    void pop_menu_instance_grid(const QPoint& pos);
    void insert_client_data_on_form();
    void insert_vehicle_data_on_form();
    void insert_instance_data_on_form();
    void remove_client_from_database();
    void remove_vehicle_from_database();
    void remove_instance_from_database();
    void get_add_client_from_database_status(Geoservices::LAT_LONG_STATUS status,
                                             int client_number);
    void get_end_add_client_from_database(vector<vector<string> >& vv_database, bool ok);

private slots:
    void on_lnClientSearch_textChanged(const QString& arg1);
    void on_btnAddClient_clicked();
    void on_btnChangeClient_clicked();
    void on_btnDeleteClient_clicked();
    void on_btnAddVehicle_clicked();
    void on_lnVehicleSearch_textChanged(const QString& arg1);
    void on_btnEditVehicle_clicked();
    void on_btnDeleteVehicle_clicked();
    void on_btnSearchLatLong_clicked();
    void on_btnImportClientCsv_clicked();
    void on_btnEportClientCsv_clicked();
    void on_dateFindInstanceFrom_userDateChanged(const QDate& date);
    void on_dateFindInstanceTo_userDateChanged(const QDate& date);
    void on_lnFindDistanceId_textChanged(const QString& arg1);
    void on_btnLoadInstance_clicked();
    void on_btnDeleteInstance_clicked();
    void on_btnEditInstance_clicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void initialize_window();
    void create_status_widgets();
    void setup_client_grid();
    void setup_vehicle_grid();
    void setup_instance_grid();
    void create_client_grid_menu();
    void create_vehicle_grid_menu();
    void create_instance_grid_menu();
    void set_tool_tips();
    void connect_job_signals();

    // A model of the grid's fixed row count with the given headers, set on the view.
    QStandardItemModel* make_grid_model(QTableView* view, const QStringList& v_headers);
    // One number editor on every column after the first (edits stay in the grid).
    void set_number_delegate(QTableView* view);
    // The database id shown in column 0 of the view's current row.
    static std::string current_row_id(const QTableView* view);
    // Builds a grid menu once, with its Fetch and Delete actions bound to the slots.
    void make_grid_menu(QMenu*& menu, QAction*& fetch_action, QAction*& delete_action,
                        const QString& s_fetch_tip, const QString& s_delete_tip,
                        void (DatabaseWindow::*fetch_slot)(),
                        void (DatabaseWindow::*delete_slot)());

    // The nine client fields in record order, and their texts.
    std::vector<QLineEdit*> client_line_edits() const;
    QStringList client_fields() const;
    // The client search shown in the grid; the form is left alone.
    void show_client_search(const std::string& s_filter);
    std::string client_finder_text() const;
    // The vehicle search with the finder's text shown in the grid; the name field cleared.
    void refresh_vehicle_grid();
    Geoservices::LAT_LONG_STATUS look_up_form_address(std::string& s_lat, std::string& s_lon);
    // The "API error" box of a failed look-up.
    void show_lat_long_error(Geoservices::LAT_LONG_STATUS status);
    // Ends the import job's state in the window: bar reset, flag cleared, import enabled.
    void end_lat_long_job();
    // Saves the job's table under a chosen name (".csv" appended), decimal commas in
    // lat and long.
    void save_completed_csv(TextTable& vv_database);
    // Writes the file; a file that cannot be written gets a message.
    void write_csv_file(const TextTable& vv_table, const std::string& s_file_name);

    Ui::DatabaseWindow* ui;
    QStandardItemModel* client_model = nullptr;
    QStandardItemModel* vehicle_model = nullptr;
    QStandardItemModel* instance_model = nullptr;
    QMenu* client_grid_menu = nullptr;
    QMenu* vehicle_grid_menu = nullptr;
    QMenu* instance_grid_menu = nullptr;
    QAction* fetch_client_action = nullptr;
    QAction* delete_client_action = nullptr;
    QAction* fetch_vehicle_action = nullptr;
    QAction* delete_vehicle_action = nullptr;
    QAction* fetch_instance_action = nullptr;
    QAction* delete_instance_action = nullptr;
    Database* database;
    QProgressBar* progress_bar = nullptr;
    QLabel* status_label = nullptr;
    ThreadJobs thread_jobs;
    bool lat_long_search_running = false;
};

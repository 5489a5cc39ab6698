#pragma once
// The application's main window: client, vehicle and routes grids, the optimisation
// and coordinate-search roads to the background jobs, and the results area.

#include "lat_long_status.h"
#include "searched_rows.h"
#include "text_table.h"
#include "thread_jobs.h"

#include <QDateTime>
#include <QMainWindow>
#include <QString>
#include <QUrl>
#include <rapidjson/document.h>

#include <functional>
#include <string>
#include <vector>

class AnalysisWindow;
class ClientAddWindow;
class Database;
class DatabaseWindow;
class HelpWindow;
struct InstanceOptions;
class QAction;
class QCloseEvent;
class QLabel;
class QMenu;
class QPoint;
class QProgressBar;
class QPushButton;
class QStandardItemModel;
class QTableView;
class SaveInstanceWindow;
class SettingWindow;
class VehicleAddWindow;

namespace QtCharts {
class QBarCategoryAxis;
class QBarSet;
class QChart;
class QHorizontalStackedBarSeries;
}  // namespace QtCharts

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Database* database, QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Dialogs and the browser behind replaceable functions, so that tests never block
    // on them. Arguments: parent, caption, folder, filter; the result is the file name
    // chosen (empty when cancelled).
    using FileDialog =
        std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;
    FileDialog open_file_dialog;
    FileDialog save_file_dialog;
    std::function<bool(const QUrl&)> open_url;

protected:
    void closeEvent(QCloseEvent* event) override;

public slots:
    void add_client_from_db(std::vector<std::string> v_clients);
    void add_vehicle_from_db(std::vector<std::string> v_vehicles);
    void pop_menu_client_grid(QPoint pos);
    void pop_menu_vehicle_grid(QPoint pos);
    void pop_menu_routes_grid(QPoint pos);
    void erase_client_table_row();
    void add_row_client_table();
    void remove_client_table_row();
    void copy_client_table_row();
    void paste_client_table_row();
    void erase_vehicle_table_row();
    void erase_client_table_item();
    void erase_vehicle_table_item();
    void copy_vehicle_table_row();
    void paste_vehicle_table_row();
    void erase_routes_table_item();
    void copy_routes_table_item();
    void paste_routes_table_item();
    void get_add_client_from_grid_status(Geoservices::LAT_LONG_STATUS status, int client_number,
                                         std::string lat, std::string lon);
    void get_end_add_client_from_grid(std::vector<std::vector<std::string> >& vv_database, bool ok);
    void get_end_optimize(std::string s_output_json);
    void get_end_check_json(std::string s_input_json_checked, bool json_ok);
    void update_json_from_database(std::string s_instance_json);
    void update_map_display_label(std::string map_display);

private slots:
    void on_btnOpenClientDB_clicked();
    void on_btnClearClientDataInputGrid_clicked();
    void on_btnClearVehicleDataInputGrid_clicked();
    void on_btnOpenVehicleDB_clicked();
    void on_actionOpen_database_triggered();
    void on_actionChange_settings_triggered();
    void on_btnClientAutomatedInfo_clicked();
    void on_btnImportClientData_clicked();
    void on_btnSearchLatLong_clicked();
    void on_btnStopLatLongSearchClicked();
    void on_actionOptimize_triggered();
    void on_btnExportClientData_clicked();
    void on_btnExportRoutesCsv_clicked();
    void on_btnOpenRoute_clicked();
    void on_btnClearRoutesGrid_clicked();
    void on_actionExportinstance_triggered();
    void on_actionSave_instance_on_database_tvl_triggered();
    void on_actionImport_instance_triggered();
    void on_actionAnalysis_triggered();
    void on_actionOpen_triggered();
    void on_btn_helpMapDisplayMainWindow_clicked();
    void on_btnSaveClientsFromGridOnDatabase_clicked();

private:
    // Construction.
    void create_child_windows();
    void init_window();
    void setup_client_grid();
    void setup_vehicle_grid();
    void setup_routes_grid();
    void setup_status_bar();
    void keep_buttons_whole();
    void set_tool_tips();
    void connect_signals();
    void show_map_display_label(const std::string& map_display);
    void open_help_page(const std::string& s_topic);

    // Grid checks and the instance document.
    bool check_client_grid(TextTable& vv_client, int& max_demand);
    bool check_vehicle_grid(TextTable& vv_vehicle, int& min_capacity);
    rapidjson::Document build_instance_json(const TextTable& vv_client,
                                            const TextTable& vv_vehicle);
    void build_clients_json(const TextTable& vv_client, rapidjson::Value& clients,
                            rapidjson::Document& document, const QString& s_operation_start);
    void build_containers_json(const TextTable& vv_vehicle, rapidjson::Value& containers,
                               rapidjson::Document& document);
    void build_meta_info_json(rapidjson::Value& meta_info, rapidjson::Document& document);
    InstanceOptions instance_options();

    // Optimisation and coordinate search.
    void collect_distance_matrices_threaded(rapidjson::Document& document);
    void optimize_threaded(const std::string& s_input_json);
    void collect_lat_long_grid_threaded(TextTable& vv_search);
    void end_lat_long_search();

    // Results.
    bool check_json_error(const rapidjson::Value& document);
    void fill_routes_grid();
    void plot_vehicle_load_chart();
    void show_solution_summary();
    void fill_web_links();
    void information(const QString& s_title, const QString& s_text);
    std::string setting(const std::string& s_key);

    // Route links and the map page.
    TextTable build_route_links(const rapidjson::Value& document);
    void build_map_html();

    // Instance files and stored instances.
    void fill_grids_from_instance_json();

    // Client CSV files.
    bool check_client_csv_header(const TextTable& vv_table);
    void export_client_csv_template(std::string s_file_name);
    void load_client_csv_into_grid(const TextTable& vv_table);

    // Grid operations shared by the features above.
    static void clear_grid_row(QStandardItemModel* model, int row);
    static void clear_grid(QStandardItemModel* model);
    static void clear_grid_item(QStandardItemModel* model, int row, int column);
    static int first_empty_row(QStandardItemModel* model);
    static void load_table_into_grid(QStandardItemModel* model, const TextTable& vv_table);
    void create_client_grid_menu();
    void create_vehicle_grid_menu();
    void create_routes_grid_menu();

    // Clients of the grid stored in the database.
    void save_clients_from_grid_on_database();
    // Tells the planner how many rows did not fit into the grid of the model (none: no box).
    void report_rows_left_out(const QStandardItemModel* model, int rows_left_out);

    // The routes grid's rows when it is built; a longer result makes it grow.
    static constexpr int k_routes_grid_rows = 300;

    Database* database = nullptr;
    rapidjson::Document instance_document;
    QStandardItemModel* client_model = nullptr;
    QStandardItemModel* vehicle_model = nullptr;
    QStandardItemModel* routes_model = nullptr;
    ClientAddWindow* client_add_window = nullptr;
    SettingWindow* setting_window = nullptr;
    SaveInstanceWindow* save_instance_window = nullptr;
    HelpWindow* help_window = nullptr;
    VehicleAddWindow* vehicle_add_window = nullptr;
    QMenu* client_grid_menu = nullptr;
    QMenu* vehicle_grid_menu = nullptr;
    QMenu* routes_grid_menu = nullptr;
    QAction* erase_client_row_action = nullptr;
    QAction* remove_client_row_action = nullptr;
    QAction* add_client_row_action = nullptr;
    QAction* erase_vehicle_row_action = nullptr;
    QPushButton* stop_button = nullptr;
    QProgressBar* progress_bar = nullptr;
    QLabel* status_label = nullptr;
    QLabel* language_label = nullptr;
    QtCharts::QChart* load_chart = nullptr;
    QtCharts::QBarSet* load_bar_set = nullptr;
    QtCharts::QHorizontalStackedBarSeries* load_series = nullptr;
    QtCharts::QBarCategoryAxis* load_axis = nullptr;
    DatabaseWindow* database_window = nullptr;
    AnalysisWindow* analysis_window = nullptr;
    Ui::MainWindow* ui = nullptr;
    ThreadJobs thread_jobs;
    SearchedRows searched_rows;
    bool lat_long_search_running = false;
    bool optimization_running = false;

    friend class MainWindowProbe;
};

#pragma once
// Shared pieces of the main window tests.

#include "test_environment.h"
#include "box_recorder.h"
#include "database.h"
#include "geostub_process.h"
#include "grid_operations.h"
#include "json_document.h"
#include "mainwindow.h"
#include "service_config.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A temporary folder made the working directory, holding the database file.
class WorkFolder {
public:
    WorkFolder() : s_previous(QDir::currentPath())
    {
        QDir::setCurrent(folder.path());
        database = std::make_unique<Database>("tovalo.db");
        database->open_database();
    }
    ~WorkFolder() { QDir::setCurrent(s_previous); }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    QTemporaryDir folder;
    QString s_previous;
    std::unique_ptr<Database> database;
};

// The private parts of the window that the tests look at.
class MainWindowProbe {
public:
    explicit MainWindowProbe(MainWindow& main_window) : window(main_window) {}

    QStandardItemModel& clients() { return *window.client_model; }
    QStandardItemModel& vehicles() { return *window.vehicle_model; }
    QStandardItemModel& routes() { return *window.routes_model; }
    QLabel& status_label() { return *window.status_label; }
    QProgressBar& progress_bar() { return *window.progress_bar; }
    QPushButton& stop_button() { return *window.stop_button; }
    QtCharts::QChart& load_chart() { return *window.load_chart; }
    bool& optimization_running() { return window.optimization_running; }
    bool& lat_long_search_running() { return window.lat_long_search_running; }
    const rapidjson::Document& instance_document() { return window.instance_document; }
    bool check_client_grid(TextTable& vv_client, int& max_demand)
    {
        return window.check_client_grid(vv_client, max_demand);
    }
    bool check_vehicle_grid(TextTable& vv_vehicle, int& min_capacity)
    {
        return window.check_vehicle_grid(vv_vehicle, min_capacity);
    }
    rapidjson::Document build_instance_json(const TextTable& vv_client, const TextTable& vv_vehicle)
    {
        return window.build_instance_json(vv_client, vv_vehicle);
    }
    bool check_json_error(const rapidjson::Value& document)
    {
        return window.check_json_error(document);
    }
    void show_solution(const std::string& s_json) { window.get_end_optimize(s_json); }
    template <typename T>
    T& widget(const char* s_name) { return *window.findChild<T*>(s_name); }

private:
    MainWindow& window;
};

// A main window over a fresh database in its own working folder, with its boxes recorded, its
// file dialogs answering from the test and a browser that only records what it was asked to open.
struct WindowFixture {
    WindowFixture() : window(folder.database.get()), probe(window), messages(&probe.status_label())
    {
        window.open_file_dialog = [this](auto&&...) { return s_open_path; };
        window.save_file_dialog = [this](auto&&...) { return s_save_path; };
        window.open_url = [this](const QUrl& url) { return v_opened.push_back(url), true; };
    }
    QStringList texts() const { return messages.texts(); }
    QString path(const QString& s_name) const { return folder.folder.path() + "/" + s_name; }
    void click(const char* s_button) { probe.widget<QPushButton>(s_button).click(); }
    void trigger(const char* s_action) { probe.widget<QAction>(s_action).trigger(); }

    WorkFolder folder;
    MainWindow window;
    MainWindowProbe probe;
    BoxRecorder messages;
    QString s_open_path;
    QString s_save_path;
    std::vector<QUrl> v_opened;
};

// The loopback stand-in for a whole program, pauses skipped; stopped, public hosts again.
inline bool start_stand_in(GeoStub& stub)
{
    Geoservices::set_pause_function([](std::chrono::milliseconds) {});
    return stub.start();
}
inline void stop_stand_in(GeoStub& stub)
{
    Geoservices::set_pause_function(nullptr);
    Geoservices::set_endpoints(Geoservices::default_endpoints());
    stub.stop();
}
// A fresh window whose working folder holds the stand-in's certificate authority (for HTTPS).
inline std::unique_ptr<WindowFixture> window_beside(const GeoStub& stub)
{
    point_services_at(stub);
    auto fixture = std::make_unique<WindowFixture>();
    const bool copied =
        QFile::copy(QString::fromStdString(stub.folder()) + "/cacert.pem", "cacert.pem");
    return copied ? std::move(fixture) : nullptr;
}

// One grid row from its cells; a QDateTime cell is stored as such, like the date editor.
inline void set_row(QStandardItemModel& model, int row, const std::vector<QVariant>& v_cells)
{
    for (size_t column = 0; column < v_cells.size(); ++column) {
        model.setData(model.index(row, static_cast<int>(column)), v_cells[column], Qt::EditRole);
    }
}

inline QDateTime at(int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2024, 3, day), QTime(hour, minute));
}

// A complete client row of the grid.
inline std::vector<QVariant> client_row(const QString& s_name, const QString& s_lat,
                                        const QString& s_lon, const QDateTime& early,
                                        const QDateTime& late, const QVariant& service,
                                        const QVariant& demand)
{
    return {s_name, "Rua A", "10", "Centro", "Curitiba", "PR", "Brasil", s_lat, s_lon,
            early, late, service, demand, ""};
}

// The texts of these (row, column) cells, as the grids read them.
inline QStringList cell_texts(const QStandardItemModel& model,
                              const std::vector<std::pair<int, int>>& v_cells)
{
    QStringList v_texts;
    for (const auto& [row, column] : v_cells) v_texts << grid_cell_text(model, row, column);
    return v_texts;
}

inline std::string test_data_path(const std::string& s_name)
{
    return test_data_dir() + "/app/" + s_name;
}

// The small solved instance: routes depot-Ana-Bruno-depot and depot-Carla-depot, Davi unrouted.
inline std::string solved_instance_text()
{
    return read_bytes(test_data_path("solved_instance.json"));
}

// Compares with the golden file; TOVALO_UPDATE_GOLDEN=1 rewrites it instead.
inline void compare_golden(const std::string& s_actual, const std::string& s_name)
{
    const std::string s_path = test_data_path(s_name);
    if (qEnvironmentVariable("TOVALO_UPDATE_GOLDEN") == "1") {
        write_bytes(s_path, s_actual);
        return;
    }
    QCOMPARE(QString::fromStdString(s_actual), QString::fromStdString(read_bytes(s_path)));
}

// Client CSV import and export of the database window, the coordinate job behind the
// import, and the one-client coordinate search of the form.

#include "client_csv.h"
#include "csv_files.h"
#include "databasewindow.h"
#include "service_config.h"
#include "window_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThreadPool>

#include <chrono>
#include <fstream>
#include <sstream>

namespace {

const std::string k_english_header =
    "Name;Address;Number;Neighborhood;City;State;Country;lat;long\n";

void write_text(const std::string& s_path, const std::string& s_text)
{
    std::ofstream(s_path) << s_text;
}

std::string read_text(const std::string& s_path)
{
    std::ifstream file(s_path);
    std::stringstream buffer;
    buffer << file.rdbuf();
    return buffer.str();
}

QPushButton* import_button(DatabaseWindow& window)
{
    return child<QPushButton>(&window, "btnImportClientCsv");
}

}  // namespace

class TestDatabaseWindowImport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        store = std::make_unique<TestDatabase>();
        QVERIFY(!store->database->update_setting("language", "ENG"));
        window = std::make_unique<DatabaseWindow>(store->database.get());
        window->open_file_dialog = [this](const QString&, const QString&, const QString& s_filter) {
            v_filters.append(s_filter);
            return QString::fromStdString(s_open_name);
        };
        window->save_file_dialog = [this](const QString& s_caption) {
            v_save_captions.append(s_caption);
            return QString::fromStdString(s_save_name);
        };
    }

    void cleanup()
    {
        window.reset();
        store.reset();
        v_filters.clear();
        v_save_captions.clear();
    }

    void wrong_header_writes_the_template_and_imports_nothing()
    {
        BoxRecorder boxes;
        boxes.answer({true});
        s_open_name = store->path("clients.csv");
        write_text(s_open_name,
                   "Name;Address;Number;Neighborhood;City;State;Country;lat;lon\n"
                   "A;Rua;1;B;C;S;P;1;1\n");
        s_save_name = store->path("tem.csvplate.csv");
        import_button(*window)->click();

        QCOMPARE(v_filters, QStringList({"csv(*.csv)"}));
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QCOMPARE(boxes.boxes[0].s_title, QString(".csv error"));
        const TextTable vv_template =
            read_csv_file(QString::fromStdString(store->path("template.csv")));
        QVERIFY(vv_template == client_csv_template("ENG"));
        QVERIFY(store->database->search_clients("").empty());
        QVERIFY(import_button(*window)->isEnabled());
    }

    void rows_with_missing_values_are_all_listed()
    {
        BoxRecorder boxes;
        s_open_name = store->path("clients.csv");
        write_text(s_open_name, k_english_header +
                                    "A;Rua;1;B;C;S;P;;\n"
                                    "B;Rua;2;B;;S;P;;\n"
                                    "C;Rua;3;B;C;S;P;;\n"
                                    "D;Rua;4\n"
                                    "E;Rua;5;B;;S;P;1;1\n");
        import_button(*window)->click();
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QVERIFY(boxes.boxes[0].s_text.endsWith("columns : 2 - 4 - 5 - "));
        QVERIFY(store->database->search_clients("").empty());
        QVERIFY(import_button(*window)->isEnabled());
    }

    void import_stores_every_client_and_saves_the_completed_table()
    {
        BoxRecorder boxes;
        boxes.answer({true});
        s_open_name = store->path("clients.csv");
        write_text(s_open_name,
                   "Name;Address;Number;Neighborhood;City;State;Country;lat;long;Note\n"
                   "Depot;Rua XV;10;Centro;Curitiba;PR;BR;-25,43;-49.27;gate 2\n"
                   "Shop;Oak Road;7;Batel;Curitiba;PR;BR;-25.44;-49,29;\n");
        s_save_name = store->path("done.csv");
        import_button(*window)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.boxes.empty(), 10000);

        QCOMPARE(boxes.boxes[0].s_title, QString("Database updated"));
        QVERIFY(import_button(*window)->isEnabled());
        const Rows vv_depot = store->database->select_client_by_id("Depot");
        QCOMPARE(vv_depot.size(), size_t(1));
        QCOMPARE(vv_depot[0][7], std::string("-25.43"));
        QCOMPARE(store->database->select_client_by_id("Shop")[0][8], std::string("-49.29"));
        // The file keeps the imported header and extra cells, with decimal commas.
        QCOMPARE(read_text(store->path("done.csv.csv")),
                 std::string("Name;Address;Number;Neighborhood;City;State;Country;lat;long;Note\n"
                             "Depot;Rua XV;10;Centro;Curitiba;PR;BR;-25,43;-49,27;gate 2\n"
                             "Shop;Oak Road;7;Batel;Curitiba;PR;BR;-25,44;-49,29;\n"));
    }

    void import_with_clients_not_found_stores_none()
    {
        BoxRecorder boxes;
        boxes.answer({true});
        Geoservices::set_pause_function([](std::chrono::milliseconds) {});
        QVERIFY(!store->database->update_setting("lat_long_api", "none"));  // finds nothing
        s_open_name = store->path("clients.csv");
        write_text(s_open_name, k_english_header +
                                    "Depot;Rua XV;10;Centro;Curitiba;PR;BR;-25.43;-49.27\n"
                                    "Shop;Oak Road;7;Batel;Curitiba;PR;BR;;\n");
        s_save_name = store->path("Sao José.csv");
        import_button(*window)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.boxes.empty(), 10000);
        Geoservices::set_pause_function({});

        QCOMPARE(boxes.boxes[0].s_title, QString("Action required"));
        QVERIFY(store->database->search_clients("").empty());
        QCOMPARE(read_text(store->path("Sao Jose.csv.csv")),
                 k_english_header +
                     "Depot;Rua XV;10;Centro;Curitiba;PR;BR;-25,43;-49,27\n"
                     "Shop;Oak Road;7;Batel;Curitiba;PR;BR;;\n");
    }

    void import_refused_by_the_database_is_not_reported_as_stored()
    {
        BoxRecorder boxes;
        store->run_sql(
            "CREATE TRIGGER refuse BEFORE INSERT ON clients WHEN NEW.id = 'Shop' "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
        s_open_name = store->path("clients.csv");
        write_text(s_open_name, k_english_header +
                                    "Depot;Rua XV;10;Centro;Curitiba;PR;BR;1;1\n"
                                    "Shop;Oak Road;7;Batel;Curitiba;PR;BR;2;2\n");
        import_button(*window)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.boxes.empty(), 10000);
        QCOMPARE(boxes.boxes[0].s_title, QString("Database info"));
        QVERIFY(store->database->search_clients("").empty());
    }

    void export_round_trips_through_import()
    {
        BoxRecorder boxes;
        child<QPushButton>(window.get(), "btnEportClientCsv")->click();
        QCOMPARE(boxes.texts(), QStringList({"There are no client data"}));
        QVERIFY(v_save_captions.isEmpty());
        boxes.boxes.clear();
        Database& db = *store->database;
        QVERIFY(!db.insert_client("Depot", "Rua XV", "10", "Centro", "Curitiba", "PR", "BR",
                                  "-25.43", "-49.27"));
        QVERIFY(!db.insert_client("O'Brien's", "Praça", "7", "Batel", "Curitiba", "PR", "BR",
                                  "-25.44", "-49.29"));
        const Rows vv_before = db.search_clients("");
        child<QLineEdit>(window.get(), "lnClientSearch")->setText("x");
        child<QLineEdit>(window.get(), "lnClientSearch")->clear();

        // A file that cannot be written is reported.
        s_save_name = store->path("no such folder/clients");
        child<QPushButton>(window.get(), "btnEportClientCsv")->click();
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QCOMPARE(boxes.boxes[0].s_title, QString(".csv error"));
        boxes.boxes.clear();

        s_save_name = store->path("expo.csvrt");
        child<QPushButton>(window.get(), "btnEportClientCsv")->click();
        QCOMPARE(v_save_captions.last(), QString("Save client database"));
        QCOMPARE(read_text(store->path("export.csv")),
                 k_english_header +
                     "Depot;Rua XV;10;Centro;Curitiba;PR;BR;-25,43;-49,27\n"
                     "O'Brien's;Praça;7;Batel;Curitiba;PR;BR;-25,44;-49,29\n");

        QVERIFY(!db.delete_clients({"Depot", "O'Brien's"}));
        s_open_name = store->path("export.csv");
        import_button(*window)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.boxes.empty(), 10000);
        // Import drops accents, as every file read does.
        Rows vv_after = db.search_clients("");
        QCOMPARE(vv_after.size(), size_t(2));
        QCOMPARE(vv_after[1][1], std::string("Praca"));
        vv_after[1][1] = vv_before[1][1];
        vv_after[1][9] = vv_before[1][9];
        QVERIFY(vv_after == vv_before);
    }

    void an_ending_status_ends_the_import_in_the_window()
    {
        BoxRecorder boxes;
        start_one_client_job();
        QVERIFY(!import_button(*window)->isEnabled());
        window->get_add_client_from_database_status(Geoservices::LAT_LONG_ALREADY_EXISTS, 1);
        QStatusBar* status_bar = child<QStatusBar>(window.get(), "statusbar");
        QCOMPARE(child<QLabel>(status_bar, "")->text(), QString("lat/long already exists"));
        QCOMPARE(status_bar->findChild<QProgressBar*>()->value(), 1);
        window->get_add_client_from_database_status(Geoservices::LAT_LONG_NO_INTERNET, 1);
        QVERIFY(child<QLabel>(status_bar, "")->text().isEmpty());
        QCOMPARE(status_bar->findChild<QProgressBar*>()->value(), -1);
        QCOMPARE(boxes.texts(), QStringList({"No internet connection"}));
        QCOMPARE(boxes.boxes[0].s_title, QString("API error"));
        QVERIFY(import_button(*window)->isEnabled());

        // Reports of the job that are still on their way change nothing.
        deliver_job_reports();
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QVERIFY(store->database->search_clients("").empty());
    }

    void closing_while_importing_asks_and_cancels()
    {
        BoxRecorder boxes;
        window->show();
        start_one_client_job();
        boxes.answer({false});
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        boxes.answer({true});
        QVERIFY(window->close());
        QCOMPARE(boxes.boxes.size(), size_t(2));
        QCOMPARE(boxes.boxes[1].s_title, QString("Action required"));
        QVERIFY(import_button(*window)->isEnabled());

        deliver_job_reports();
        QCOMPARE(boxes.boxes.size(), size_t(2));
        QVERIFY(store->database->search_clients("").empty());
    }

    void single_search_empties_or_keeps_the_coordinates()
    {
        BoxRecorder boxes;
        QVERIFY(!store->database->update_setting("lat_long_api", "none"));
        fill_address("-25.4", "-49.2");
        child<QPushButton>(window.get(), "btnSearchLatLong")->click();
        QVERIFY(boxes.boxes.empty());
        QVERIFY(child<QLineEdit>(window.get(), "lnClientLat")->text().isEmpty());
        QVERIFY(child<QLineEdit>(window.get(), "lnClientLong")->text().isEmpty());

        // A service that cannot be reached keeps them.
        QVERIFY(!store->database->update_setting("lat_long_api", "osrm_relaxed"));
        Geoservices::Endpoints endpoints = Geoservices::endpoints();
        const Geoservices::Endpoints saved = endpoints;
        endpoints.nominatim_host = "127.0.0.1:1";  // nothing listens there
        Geoservices::set_endpoints(endpoints);
        fill_address("1", "2");
        child<QPushButton>(window.get(), "btnSearchLatLong")->click();
        Geoservices::set_endpoints(saved);
        QCOMPARE(boxes.texts(), QStringList({"No internet connection"}));
        QCOMPARE(child<QLineEdit>(window.get(), "lnClientLat")->text(), QString("1"));

        child<QLineEdit>(window.get(), "lnClientCity")->clear();
        child<QPushButton>(window.get(), "btnSearchLatLong")->click();
        QCOMPARE(boxes.texts().last(), QString("Missing client city."));
    }

private:
    // A job over one client that already holds coordinates: it needs no service.
    void start_one_client_job()
    {
        TextTable vv_table{{"h"}, {"A", "Rua", "1", "B", "C", "S", "P", "1", "1"}};
        window->start_lat_long_job(vv_table);
    }

    // Lets the started jobs end, then hands their queued reports to the window.
    static void deliver_job_reports()
    {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
    }

    void fill_address(const QString& s_lat, const QString& s_long)
    {
        const char* const names[] = {"lnClientName",         "lnClientAddress", "lnClientNumber",
                                     "lnClientNeighborhood", "lnClientCity",    "lnClientState",
                                     "lnClientCountry"};
        for (const char* s_name : names) {
            child<QLineEdit>(window.get(), s_name)->setText("x");
        }
        child<QLineEdit>(window.get(), "lnClientLat")->setText(s_lat);
        child<QLineEdit>(window.get(), "lnClientLong")->setText(s_long);
    }

    std::unique_ptr<TestDatabase> store;
    std::unique_ptr<DatabaseWindow> window;
    std::string s_open_name;
    std::string s_save_name;
    QStringList v_filters;
    QStringList v_save_captions;
};

QTEST_MAIN(TestDatabaseWindowImport)
#include "test_database_window_import.moc"

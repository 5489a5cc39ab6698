// The main window's feature slots wired to their grids, files, database and browser hook.
#include "app_test_support.h"

#include "csv_files.h"
#include "grid_operations.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTableView>
#include <QtTest>
#include <sqlite3.h>

namespace {

struct Fixture : WindowFixture {
    void load_solved_instance() { window.update_json_from_database(solved_instance_text()); }
};

const char k_no_instance[] =
    "There is no instance loaded (input + solution), please run the algorithm or import a new "
    "instance";

}  // namespace

class MainWindowFeaturesTest : public QObject {
    Q_OBJECT

private slots:
    // A stored instance fills grids and results; one with an error record changes nothing but
    // shows the gate's box; the instance goes to a file and comes back from it.
    void instance_file_round_trip()
    {
        Fixture f;
        f.load_solved_instance();
        f.window.update_json_from_database(
            R"({"input":{},"output":{"meta_info":{"error":"too_many_clients"}}})");
        QCOMPARE(f.texts(), QStringList({"Too many clients on distance matrix (json)"}));
        QCOMPARE(cell_texts(f.probe.clients(), {{1, 0}, {5, 0}})
                     << grid_cell_text(f.probe.vehicles(), 0, 1),
                 QStringList({"Ana \"A\"", "", "100"}));
        QCOMPARE(f.probe.clients().index(1, 11).data(), QVariant(10));
        QCOMPARE(f.probe.widget<QLabel>("lblUsedVehicles").text(), QString("2"));

        f.s_save_path = f.path("plan.tvl");
        f.trigger("actionExportinstance");
        QCOMPARE(QString::fromStdString(read_bytes(f.path("plan.tvl").toStdString())),
                 QString::fromStdString(json_to_string(string_to_json(solved_instance_text()))));
        f.click("btnClearClientDataInputGrid");
        f.click("btnClearVehicleDataInputGrid");
        f.s_open_path = f.path("plan.tvl");
        f.trigger("actionImport_instance");
        QCOMPARE(grid_cell_text(f.probe.clients(), 4, 0) + grid_cell_text(f.probe.vehicles(), 0, 0),
                 QString("DaviV1"));
        QCOMPARE(f.messages.v_boxes.size(), size_t(1));
    }

    void instance_export_refusals_and_failures()
    {
        Fixture f;
        f.s_save_path = f.path("plan");
        f.trigger("actionExportinstance");
        f.trigger("actionSave_instance_on_database_tvl");
        QCOMPARE(f.texts(), QStringList({k_no_instance, k_no_instance}));

        // A file with only an input part is refused and replaces nothing.
        write_bytes(f.path("input.tvl").toStdString(), "{\"input\":{}}");
        f.s_open_path = f.path("input.tvl");
        f.trigger("actionImport_instance");
        QCOMPARE(f.texts().last(), "The file could not be read: " + f.path("input.tvl"));
        f.trigger("actionExportinstance");
        QCOMPARE(f.texts().last(), QString(k_no_instance));
        QVERIFY(!QFile::exists(f.path("plan.tvl")));

        // A result without a loadable input part, or no JSON, keeps grids and current instance.
        f.load_solved_instance();
        for (const char* s_json : {R"({"output":{"data":{"routes":[],"unrouted_clients":[]}}})",
                                   R"({"input":{"data":{"clients":"x","containers":[{}],)"
                                   R"("operation_start_date":"01/03/2024 08:00"}},"output":{}})"}) {
            write_bytes(f.path("result.tvl").toStdString(), s_json);
            f.s_open_path = f.path("result.tvl");
            f.trigger("actionImport_instance");
            QCOMPARE(f.texts().last(), "The file could not be read: " + f.path("result.tvl"));
            f.window.update_json_from_database(s_json);
            QCOMPARE(f.texts().last(), QString("The stored instance could not be read"));
        }
        write_bytes(f.path("result.tvl").toStdString(), "{\"input\":");
        f.trigger("actionImport_instance");
        QCOMPARE(f.texts().last(), "The file could not be read: " + f.path("result.tvl"));
        QCOMPARE(QStringList({grid_cell_text(f.probe.clients(), 1, 0),
                              grid_cell_text(f.probe.vehicles(), 0, 0),
                              grid_cell_text(f.probe.routes(), 1, 2)}),
                 QStringList({"Ana \"A\"", "V1", "Ana \"A\""}));
        QVERIFY(f.probe.instance_document()["input"]["data"]["clients"].IsArray());

        f.s_save_path = f.path("missing/plan.tvl");
        f.trigger("actionExportinstance");
        QCOMPARE(f.texts().last(), "The file could not be written: " + f.path("missing/plan.tvl"));
        f.s_open_path = f.path("missing.tvl");
        f.trigger("actionImport_instance");
        QCOMPARE(f.texts().last(), "The file could not be read: " + f.path("missing.tvl"));
        QCOMPARE(grid_cell_text(f.probe.clients(), 1, 0), QString("Ana \"A\""));
    }

    void client_csv_round_trip_keeps_notes_with_separators()
    {
        Fixture f;
        f.load_solved_instance();
        QVERIFY(
            QDir(f.folder.folder.path()).mkpath("in.csv"));  // a folder's name is kept as chosen
        f.s_save_path = f.path("in.csv/clients.csv.csv");
        f.click("btnExportClientData");
        const TextTable vv_file = read_csv_file(f.path("in.csv/clients.csv"));
        QCOMPARE(vv_file.size(), size_t(6));
        QCOMPARE(vv_file[0][1] + '|' + vv_file[2][13] + '|' + vv_file[2][7] + '|' + vv_file[2][9],
                 std::string("Endereco|ring; twice|-25,44|01/03/2024 09:00"));

        f.click("btnClearClientDataInputGrid");
        f.s_open_path = f.path("in.csv/clients.csv");
        f.click("btnImportClientData");
        QCOMPARE(cell_texts(f.probe.clients(), {{1, 13}, {1, 7}, {5, 0}}),
                 QStringList({"ring; twice", "-25.44", ""}));
        QCOMPARE(f.probe.clients().index(1, 10).data().toDateTime(),
                 QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
        QVERIFY(f.messages.v_boxes.empty());
    }

    // The routes CSV file, the direction links and the map page of a solved instance.
    void routes_csv_route_links_and_map_page()
    {
        Fixture f;
        f.click("btnExportRoutesCsv");  // no instance: nothing at all
        QVERIFY(f.messages.v_boxes.empty());
        f.folder.database->update_setting("language", "ENG");
        f.load_solved_instance();
        f.s_save_path = f.path("routes");
        f.click("btnExportRoutesCsv");
        compare_golden(read_bytes(f.path("routes.csv").toStdString()), "routes_ENG.csv");

        QComboBox& links = f.probe.widget<QComboBox>("cbWebLinks");
        links.setCurrentIndex(1);
        f.click("btnOpenRoute");
        QCOMPARE(f.v_opened, std::vector<QUrl>({QUrl::fromUserInput(links.itemText(1))}));
        QVERIFY(links.itemText(1).contains("Rua+C+3+Curitiba+Brasil/"));

        f.folder.database->update_setting("map_display", "google_payed");
        f.folder.database->update_setting("google_api_key", "KEY");
        f.window.update_map_display_label("google_payed");
        QCOMPARE(links.count(), 2);
        links.setCurrentIndex(1);
        f.click("btnOpenRoute");
        QCOMPARE(f.v_opened.back(), QUrl::fromLocalFile(f.path("routes.html")));
        const std::string s_page = read_bytes(f.path("routes.html").toStdString());
        QVERIFY(s_page.find("name: \"Carla\"") != std::string::npos);
        QVERIFY(s_page.find("key=KEY&callback") != std::string::npos);

        // A page that cannot be written is reported, and no earlier page is opened instead.
        QFile::remove(f.path("routes.html"));
        QVERIFY(QDir(f.folder.folder.path()).mkpath("routes.html/in_the_way"));
        f.click("btnOpenRoute");
        QCOMPARE(f.v_opened.size(), size_t(2));
        QCOMPARE(f.texts().last(), QString("The file could not be written: routes.html"));
    }

    void grid_clients_saved_on_the_database()
    {
        Fixture f;
        f.load_solved_instance();
        f.probe.clients().setData(f.probe.clients().index(2, 3), QString());
        f.click("btnSaveClientsFromGridOnDatabase");
        QCOMPARE(f.texts(), QStringList({"Missing client 'Neighborhood' value on row 2"}));
        QVERIFY(f.folder.database->search_clients("").empty());

        f.probe.clients().setData(f.probe.clients().index(2, 3), QString("Batel"));
        f.probe.clients().setData(f.probe.clients().index(1, 7), QString("-25,5"));
        f.click("btnSaveClientsFromGridOnDatabase");
        QCOMPARE(f.texts().last(), QString("Sucessfully added client to database!"));
        QCOMPARE(f.folder.database->search_clients("").size(), size_t(5));
        QCOMPARE(f.folder.database->select_client_by_id("Ana \"A\"")[0][7], std::string("-25.5"));
        // Saved again: the stored records stay and the skipped names are told.
        const std::string s_address = f.folder.database->select_client_by_id("Bruno")[0][1];
        f.probe.clients().setData(f.probe.clients().index(2, 1), QString("New street"));
        f.click("btnSaveClientsFromGridOnDatabase");
        QCOMPARE(f.texts().last(),
                 QString("Clients stored: 0. Clients skipped because a client of that name "
                         "already exists: 5 (Depot, Ana \"A\", Bruno, Carla, Davi)."));
        QCOMPARE(f.folder.database->select_client_by_id("Bruno")[0][1], s_address);

        // A database that refuses the rows is not reported as a success.
        sqlite3* connection = nullptr;
        QCOMPARE(sqlite3_open(f.path("tovalo.db").toUtf8().constData(), &connection), SQLITE_OK);
        QCOMPARE(sqlite3_exec(connection, "DROP TABLE clients", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(connection);
        f.click("btnSaveClientsFromGridOnDatabase");
        QCOMPARE(f.texts().last(), QString("The clients could not be stored in the database"));
    }

    // Picked records go to the first empty rows; the automatic data fills only empty cells of
    // filled rows, as the stored switches say (the depot's demand 0, windows from its start).
    void picked_records_clipboard_and_automatic_data()
    {
        Fixture f;
        QStandardItemModel& clients = f.probe.clients();
        clients.setData(clients.index(0, 13), QString("note only"));
        const std::vector<std::string> v_client = {"C1", "Rua", "1",   "B",   "City",
                                                   "S",  "P",   "1.5", "2.5", "code"};
        f.window.add_client_from_db(v_client);
        f.window.add_client_from_db(v_client);
        QCOMPARE(cell_texts(clients, {{1, 0}, {2, 8}, {1, 9}}), QStringList({"C1", "2.5", ""}));
        f.window.add_vehicle_from_db({"V", "100", "3", "12.5", "0.75"});
        QCOMPARE(cell_texts(f.probe.vehicles(), {{0, 3}, {0, 4}}), QStringList({"12", "0"}));

        QItemSelectionModel& selection =
            *f.probe.widget<QTableView>("TableViewDataInput").selectionModel();
        for (const auto& [row, column] : {std::pair{2, 0}, {1, 0}, {1, 2}}) {
            selection.select(clients.index(row, column), QItemSelectionModel::Select);
        }
        f.window.copy_client_table_row();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("C1\t1\nC1\n"));
        selection.setCurrentIndex(clients.index(249, 12), QItemSelectionModel::NoUpdate);
        f.window.paste_client_table_row();
        f.window.erase_client_table_item();
        QCOMPARE(cell_texts(clients, {{249, 12}, {249, 13}, {1, 0}, {1, 1}}),
                 QStringList({"C1", "1", "", "Rua"}));

        f.folder.database->update_setting("auto_state", "0");
        f.click("btnClientAutomatedInfo");
        QCOMPARE(cell_texts(clients, {{0, 4}, {0, 5}, {1, 4}, {0, 12}, {1, 12}, {3, 4}}),
                 QStringList({"Curitiba", "", "City", "0", "1", ""}));
        const QDateTime start(QDate::currentDate(), QTime(8, 0));
        QCOMPARE(clients.index(1, 9).data().toDateTime(), start);
        QCOMPARE(clients.index(1, 10).data().toDateTime(), start.addSecs(600 * 60));
        // A depot with a start gives it to the clients' empty time windows.
        set_row(clients, 2, {"C2", "", "", "", "", "", "", "", "", QVariant(), QVariant()});
        clients.setData(clients.index(0, 9), start.addDays(1));
        f.click("btnClientAutomatedInfo");
        QCOMPARE(clients.index(2, 9).data().toDateTime(), start.addDays(1));
    }
};

QTEST_MAIN(MainWindowFeaturesTest)
#include "test_mainwindow_features.moc"

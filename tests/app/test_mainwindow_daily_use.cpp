// The main window with real jobs on the pool and the loopback stand-in: the roads to both jobs,
// and the faults of daily use.
#include "app_test_support.h"

#include "csv_files.h"
#include "geostub_process.h"
#include "pause_gate.h"
#include "route_links.h"
#include "service_config.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTableView>
#include <QThreadPool>

namespace {

// A solved document of `routes` closed routes of five clients each (7 visits a route).
std::string solved_routes_text(int routes)
{
    std::string s_clients = R"({"id":"Depot","address":{}})", s_routes;
    for (int r = 0; r < routes; ++r) {
        std::string s_visits = R"({"index":0})";
        for (int client = r * 5 + 1; client <= r * 5 + 5; ++client) {
            s_clients += R"(,{"id":"C)" + std::to_string(client) + R"(","address":{}})";
            s_visits += R"(,{"index":)" + std::to_string(client) + "}";
        }
        s_routes += std::string(r ? "," : "") + R"({"container_id":"V","visits":[)" + s_visits +
                    R"(,{"index":0}]})";
    }
    return R"({"input":{"data":{"clients":[)" + s_clients +
           R"(],"operation_start_date":"01/03/2024 08:00"},"meta_info":{"prob_type":"VRPTW"}},)"
           R"("output":{"data":{"routes":[)" + s_routes + R"(],"unrouted_clients":[]}}})";
}

}  // namespace

class MainWindowDailyUseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(start_stand_in(stub)); }
    void cleanupTestCase() { stop_stand_in(stub); }
    void init()
    {
        f = window_beside(stub);
        QVERIFY(f);
    }
    void cleanup()
    {
        f.reset();
        QThreadPool::globalInstance()->waitForDone();
    }

    // Refused when a demand exceeds the smallest capacity, taken when it equals it: the whole road.
    void optimisation_road()
    {
        MainWindowProbe& probe = f->probe;
        probe.widget<QSpinBox>("spOptTime").setValue(1);
        probe.widget<QRadioButton>("btnClosedRoutes").setChecked(true);
        set_row(probe.clients(), 0,
                client_row("Depot", "-25.40", "-49.20", at(5, 8), at(5, 18), 0, 0));
        set_row(probe.clients(), 1,
                client_row("A", "-25.41", "-49.21", at(5, 8), at(5, 18), 5, 11));
        set_row(probe.clients(), 2, client_row("B", "-25.42", "-49.22", at(5, 8), at(5, 18), 5, 0));
        set_row(probe.clients(), 3, client_row("C", "-25.43", "-49.23", at(5, 8), at(5, 18), 5, 0));
        set_row(probe.vehicles(), 0, {"V1", 10, 2, 10, 1});
        f->trigger("actionOptimize");
        QCOMPARE(f->texts(),
                 QStringList("The biggest client demand is bigger than the smallest vehicle "
                             "capacity, please correct that before continue"));
        QCOMPARE(probe.status_label().text(), QString("Checking input data..."));

        stub.set_script(R"({"routes":{"/table/v1/driving/":[{"generate":"osrm_table"}]}})");
        probe.clients().setData(probe.clients().index(1, 12), 10);
        f->trigger("actionOptimize");
        QTRY_COMPARE_WITH_TIMEOUT(probe.widget<QLabel>("lblUsedVehicles").text(), QString("1"),
                                  30000);
        QCOMPARE(f->texts().last(), QString("Optimization ended!"));
        QVERIFY(!probe.optimization_running() &&
                probe.instance_document()["input"]["data"].HasMember("Mdij"));
        QVERIFY(QString::fromStdString(stub.requests().at(0))
                    .contains("/table/v1/driving/-49.20,-25.40;"));
        // A closed route: depot, the three clients, depot.
        QStringList v_names = cell_texts(probe.routes(), {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}});
        QCOMPARE(v_names[0] + v_names[4] + probe.widget<QLabel>("lblTotalLoad").text(),
                 QString("DepotDepot10"));
        QCOMPARE(QSet<QString>(v_names.begin() + 1, v_names.end() - 1),
                 (QSet<QString>{"A", "B", "C"}));
    }

    // A row lacking an address part is named and starts no search; a stop or a job fault ends
    // the search.
    void coordinate_search_road()
    {
        set_row(clients(), 0, client_row("Depot", "", "", at(5, 8), at(5, 18), 0, 0));
        set_row(clients(), 1,
                client_row("Known", "-25.4", "-49.2", at(5, 8), at(5, 18), 0, 0));
        set_row(clients(), 2, client_row("Lost", "", "", at(5, 8), at(5, 18), 0, 0));
        clients().setData(clients().index(2, 4), QString(), Qt::EditRole);
        search_button().click();
        QCOMPARE(f->messages.v_boxes.size(), size_t(1));
        QCOMPARE(f->messages.v_boxes[0].s_title + '|' + f->messages.v_boxes[0].s_text,
                 QString("Input data error|Missing 'City' value on row2"));
        QVERIFY(!f->probe.lat_long_search_running());
        f->messages.v_boxes.clear();

        // A report still on its way after the stop button or a job fault changes nothing.
        pretend_search_started();
        f->probe.stop_button().click();
        verify_search_ended();
        report(Geoservices::LAT_LONG_OK, 3);
        QCOMPARE(grid_cell_text(clients(), 3, 7), QString());
        QCOMPARE(f->probe.progress_bar().value(), -1);

        pretend_search_started();
        report(Geoservices::LAT_LONG_INVALID_EMAIL, 0);
        QCOMPARE(f->messages.v_boxes.size(), size_t(1));
        QCOMPARE(f->messages.v_boxes[0].s_title + '|' + f->messages.v_boxes[0].s_status,
                 QString("API error|Missing or invalid email"));
        QVERIFY(f->messages.v_boxes[0].s_text.startsWith(
            "<p>Missing or invalid email, to change:</p>"));
        verify_search_ended();
        report(Geoservices::LAT_LONG_OK, 2);
        QCOMPARE(grid_cell_text(clients(), 2, 7), QString());
    }

    // Found rows get coordinates, rows with them or below a gap are not searched, a row not
    // found stays empty; each answer follows its row.
    void coordinate_answers_follow_their_rows()
    {
        stub.set_script(R"({"routes":{"/search":[{"json":[{"lat":"1","lon":"1"}]},)"
                        R"({"json":[{"lat":"2","lon":"2"}]},{"json":[{"lat":"3","lon":"3"}]},)"
                        R"({"json":[]}]}})");
        PauseGate gate(0);
        const char* s_lat[] = {"", "9", "", "", ""};
        const char* s_name[] = {"Depot", "Xavier", "Ana", "Bia", "Lost"};
        for (int row = 0; row < 5; ++row) {
            set_row(clients(), row,
                    client_row(s_name[row], s_lat[row], s_lat[row], at(5, 8), at(5, 18), 0, 0));
        }
        set_row(clients(), 6, client_row("Below a gap", "", "", at(5, 8), at(5, 18), 0, 0));
        search_button().click();
        QTRY_VERIFY(!gate.list().empty());
        QVERIFY(f->probe.lat_long_search_running() && f->probe.stop_button().isEnabled());
        QVERIFY(!search_button().isEnabled());
        QCOMPARE(f->probe.progress_bar().maximum(), 5);
        QTRY_COMPARE(grid_cell_text(clients(), 0, 7), QString("1"));

        // Xavier, above Ana, and Bia leave the grid before their answers arrive.
        QItemSelectionModel& selection =
            *f->probe.widget<QTableView>("TableViewDataInput").selectionModel();
        selection.select(clients().index(1, 0), QItemSelectionModel::Select);
        selection.select(clients().index(3, 2), QItemSelectionModel::Select);
        f->window.remove_client_table_row();
        gate.release();
        QTRY_VERIFY_WITH_TIMEOUT(!f->probe.lat_long_search_running(), 20000);
        QCOMPARE(stub.requests().size(), size_t(4));
        QCOMPARE(cell_texts(clients(), {{1, 0}, {1, 7}, {0, 7}, {2, 0}, {2, 7}, {4, 7}}),
                 QStringList({"Ana", "2", "1", "Lost", "", ""}));
        QCOMPARE(first_empty_row(clients()), 3);
        verify_search_ended();
        QVERIFY(f->messages.v_boxes.empty());
    }

    void optimisation_runs_from_its_matrix_collection_and_a_close_ends_it()
    {
        fill_small_instance();
        // A failed check ends the optimisation: the next Optimize is taken.
        stub.set_script(R"({"routes":{"/table":[{"json":{"code":"InvalidQuery"}}]}})");
        trigger_optimize();
        QVERIFY(f->probe.optimization_running());
        QTRY_VERIFY(!f->probe.optimization_running());
        QCOMPARE(f->messages.v_boxes.size(), size_t(1));

        stub.set_script(R"({"routes":{"/table":[{"stall":30}]}})");
        trigger_optimize();
        QTRY_COMPARE(stub.requests().size(), size_t(1));
        trigger_optimize();
        QCOMPARE(f->messages.v_boxes.back().s_title, QString("Instance already running"));
        QCOMPARE(stub.requests().size(), size_t(1));
        close_during_work();
        QCOMPARE(f->texts().last(),
                 QString("An operation is still running (optimizing problem), would you like "
                         "to cancel it?"));
    }

    void close_ends_a_long_optimisation()
    {
        fill_small_instance();
        f->probe.widget<QSpinBox>("spOptTime").setValue(60);
        stub.set_script(R"({"routes":{"/table":[{"generate":"osrm_table"}]}})");
        trigger_optimize();
        QTRY_COMPARE(f->probe.status_label().text(), QString("Optimizing problem..."));
        close_during_work();
        QVERIFY(f->probe.instance_document().IsNull());
    }

    void one_current_document_whatever_the_number_of_results()
    {
        const std::string s_solved = solved_instance_text();
        auto capacity = [this] {
            return const_cast<rapidjson::Document&>(f->probe.instance_document())
                .GetAllocator()
                .Capacity();
        };
        f->probe.show_solution(s_solved);
        const size_t one_result = capacity();
        for (int i = 0; i < 20; ++i) {
            f->probe.show_solution(s_solved);
            f->window.update_json_from_database(s_solved);
        }
        QCOMPARE(capacity(), one_result);
    }

    void links_carry_every_stop_and_show_when_no_browser_opens()
    {
        rapidjson::Document document = string_to_json(solved_instance_text());
        rapidjson::Value& address = document["input"]["data"]["clients"][1]["address"];
        address["address"].SetString("Rua A&B?");
        address["number"].SetString("12/3 #B");
        address["city"].SetString("S+J");
        const std::string s_link = route_direction_links(document)[0][1];
        QCOMPARE(s_link,
                 std::string("https://www.google.com/maps/dir/Rua+XV+100+Curitiba+Brasil/"
                             "Rua+A%26B%3F+12%2F3+%23B+S%2BJ+Brasil/Rua+B+2+Curitiba+Brasil/"
                             "Rua+XV+100+Curitiba+Brasil/"));
        QCOMPARE(QUrl::fromUserInput(QString::fromStdString(s_link)).toString(QUrl::FullyEncoded),
                 QString::fromStdString(s_link));

        f->folder.database->update_setting("map_display", "google_free");
        f->window.update_json_from_database(json_to_string(document));
        f->window.open_url = [](const QUrl&) { return false; };
        f->click("btnOpenRoute");
        QCOMPARE(f->messages.v_boxes.size(), size_t(1));
        QCOMPARE(f->messages.v_boxes.back().s_title, QString("Web browser"));
        QVERIFY(f->texts().last().endsWith(QString::fromStdString(s_link)));
    }

    // A file of other columns offers the template and keeps the grid; the template imports back.
    void the_template_imports_back_and_an_unreadable_time_is_named()
    {
        f->folder.database->update_setting("language", "ENG");
        f->window.update_json_from_database(solved_instance_text());
        f->s_save_path = "template";
        write_bytes("wrong.csv", "Nome;Endereco\n");
        f->messages.answers = {true};
        f->s_open_path = "wrong.csv";
        import_clients();
        QVERIFY(f->messages.v_boxes.at(0).is_question);
        QCOMPARE(read_csv_file("template.csv").size(), size_t(4));
        QCOMPARE(grid_cell_text(clients(), 0, 0), QString("Depot"));
        f->s_open_path = "template.csv";
        import_clients();
        QCOMPARE(f->messages.v_boxes.size(), size_t(1));  // the template question only
        for (int row = 0; row < 3; ++row) {
            clients().setData(clients().index(row, 7), QString("-25.4"));
            clients().setData(clients().index(row, 8), QString("-49.2"));
        }
        TextTable vv_client;
        int max_demand = 0;
        QVERIFY(f->probe.check_client_grid(vv_client, max_demand));

        TextTable vv_file = read_csv_file("template.csv");
        vv_file[2][10] = "12/02/2021  08:00:00";
        write_csv(vv_file, "template.csv");
        import_clients();
        QCOMPARE(f->texts().last(),
                 QString("The date and time on row 1, column 'Late tw' could not be read; "
                         "write it as dd/MM/yyyy HH:mm"));
        f->click("btnClearClientDataInputGrid");
        f->click("btnExportClientData");
        QCOMPARE(f->texts().last(), QString("There are no client data"));
    }

    void grids_hold_every_result_row_and_tell_what_was_left_out()
    {
        f->probe.show_solution(solved_routes_text(50));
        QCOMPARE(f->probe.routes().rowCount(), 350);
        QCOMPARE(cell_texts(f->probe.routes(), {{348, 2}, {349, 2}}),
                 QStringList({"C250", "Depot"}));

        f->folder.database->update_setting("language", "ENG");
        std::string s_file = "Name;Address;Number;Neighborhood;City;State;Country;lat;long;"
                             "Begin time window;End time window;Service time;Demand\n";
        for (int i = 0; i < 252; ++i) s_file += "C" + std::to_string(i) + ";A;1;N;C;S;P;;;;;0;1\n";
        write_bytes("many.csv", s_file);
        f->s_open_path = "many.csv";
        import_clients();
        f->window.add_client_from_db({"Late", "A", "1", "N", "C", "S", "P", "", "", "code"});
        QCOMPARE(f->texts().mid(1),
                 QStringList({"The client grid holds 250 rows; client rows left out: 2",
                              "The client grid holds 250 rows; client rows left out: 1"}));
        QCOMPARE(grid_cell_text(clients(), 249, 0), QString("C249"));
    }

    // A full grid keeps its rows: a row is not added over a filled last row; a paste past the end,
    // a picked vehicle and an instance file too long for the grids say how many rows were left out.
    void a_full_grid_loses_no_row_unsaid()
    {
        for (int row = 0; row < 250; ++row) set_row(clients(), row, {QString::number(row)});
        QItemSelectionModel& selection =
            *f->probe.widget<QTableView>("TableViewDataInput").selectionModel();
        for (int row : {10, 249}) {
            selection.select(clients().index(row, 0), QItemSelectionModel::ClearAndSelect);
            f->window.add_row_client_table();
        }
        QCOMPARE(cell_texts(clients(), {{10, 0}, {11, 0}, {249, 0}}),
                 QStringList({"10", "11", "249"}));
        const QString s_full = "The client grid is full: its last row is not empty. Erase or "
                               "remove a row before adding one";
        QCOMPARE(f->texts(), QStringList({s_full, s_full}));

        QGuiApplication::clipboard()->setText("a\nb\nc\nd\ne\n");
        selection.setCurrentIndex(clients().index(247, 0), QItemSelectionModel::NoUpdate);
        f->window.paste_client_table_row();
        QCOMPARE(cell_texts(clients(), {{247, 0}, {249, 0}}), QStringList({"a", "c"}));
        for (int r = 0; r < 20; ++r) set_row(f->probe.vehicles(), r, {QString::number(r)});
        f->window.add_vehicle_from_db({"New", "10", "1", "0", "0"});
        QCOMPARE(grid_cell_text(f->probe.vehicles(), 19, 0), QString("19"));

        rapidjson::Document document = string_to_json(solved_instance_text());
        rapidjson::Value& data = document["input"]["data"];
        for (const auto& [s_name, size] : {std::pair{"clients", 252u}, {"containers", 21u}}) {
            rapidjson::Value& array = data[s_name];
            while (array.Size() < size) {
                rapidjson::Value copy(array[0], document.GetAllocator());
                array.PushBack(copy, document.GetAllocator());
            }
        }
        write_bytes("many.tvl", json_to_string(document));
        f->s_open_path = "many.tvl";
        f->trigger("actionImport_instance");
        QCOMPARE(grid_cell_text(clients(), 249, 0), QString("Depot"));
        const QString s_clients = "The client grid holds 250 rows; client rows left out: 2";
        const QString s_vehicles = "The vehicle grid holds 20 rows; vehicle rows left out: 1";
        QCOMPARE(f->texts().mid(2), QStringList({s_clients, s_vehicles, s_clients, s_vehicles}));
    }

private:
    QStandardItemModel& clients() { return f->probe.clients(); }
    QPushButton& search_button() { return f->probe.widget<QPushButton>("btnSearchLatLong"); }
    void report(Geoservices::LAT_LONG_STATUS status, int row)
    {
        f->window.get_add_client_from_grid_status(status, row, "-25.4", "-49.2");
    }

    // The window as a started search over three rows leaves it, without a job behind it.
    void pretend_search_started()
    {
        f->probe.lat_long_search_running() = true;
        f->probe.progress_bar().setMaximum(3);
        f->probe.stop_button().setEnabled(true);
        search_button().setEnabled(false);
    }

    void verify_search_ended()
    {
        QVERIFY(!f->probe.lat_long_search_running() && f->probe.status_label().text().isEmpty());
        QVERIFY(search_button().isEnabled() && !f->probe.stop_button().isEnabled());
    }

    void trigger_optimize() { f->trigger("actionOptimize"); }
    void import_clients() { f->click("btnImportClientData"); }
    void fill_small_instance()
    {
        set_row(clients(), 0, client_row("Depot", "-25.40", "-49.20", at(5, 8), at(5, 18), 0, 0));
        set_row(clients(), 1, client_row("A", "-25.41", "-49.21", at(5, 8), at(5, 18), 5, 3));
        set_row(clients(), 2, client_row("B", "-25.42", "-49.22", at(5, 8), at(5, 18), 5, 4));
        set_row(f->probe.vehicles(), 0, {"V1", 10, 2, 10, 1});
    }

    // Closed with Yes while a job runs: the jobs have ended and nothing reaches the window after.
    void close_during_work()
    {
        f->messages.answers = {true};
        const size_t boxes_before = f->messages.v_boxes.size();
        const size_t requests_before = stub.requests().size();
        QCloseEvent close;
        QCoreApplication::sendEvent(&f->window, &close);
        QVERIFY(close.isAccepted());
        QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
        QTest::qWait(200);
        QCOMPARE(f->messages.v_boxes.size(), boxes_before + 1);  // the close question only
        QCOMPARE(stub.requests().size(), requests_before);
    }

    GeoStub stub;
    std::unique_ptr<WindowFixture> f;
};

QTEST_MAIN(MainWindowDailyUseTest)
#include "test_mainwindow_daily_use.moc"

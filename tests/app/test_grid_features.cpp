// The plain helpers behind the main window, without the window.
#include "app_test_support.h"
#include "grid_checks.h"
#include "grid_client_csv.h"
#include "grid_editing.h"
#include "instance_builder.h"
#include "instance_grids.h"
#include "map_page.h"
#include "route_links.h"
#include "routes_csv.h"
#include "solution_view.h"

namespace {

// Rows 0..rows-1 hold "r<row>c<column>" texts.
void fill(QStandardItemModel& model, int rows)
{
    for (int cell = 0; cell < rows * model.columnCount(); ++cell) {
        const int row = cell / model.columnCount();
        const int column = cell % model.columnCount();
        model.setData(model.index(row, column), QString("r%1c%2").arg(row).arg(column));
    }
}

}  // namespace

class GridFeaturesTest : public QObject {
    Q_OBJECT

private slots:
    // The first fault of a grid gives the start of its message.
    void grid_fault_gives_its_message_data()
    {
        QTest::addColumn<bool>("clients");
        QTest::addColumn<QVariantList>("v_changes");
        QTest::addColumn<QString>("s_message");
        const auto row = [](const char* s_name, bool clients, const QVariantList& v_changes,
                            const char* s_message) {
            QTest::newRow(s_name) << clients << v_changes << QString(s_message);
        };
        QVariantList v_empty;
        for (int cell = 0; cell < 4 * 14; ++cell) v_empty << cell / 14 << cell % 14 << QString();
        row("no clients", true, v_empty, "There are no client data");
        row("depot without start", true, {0, 9, "x"},
            "Invalid initial or end operation date (depot time window). ");
        row("city missing", true, {3, 4, ""}, "Missing client 'City' value on row 3");
        row("name only accents, before the time window", true,
            {2, 0, QString::fromUtf8("\xcc\x81"), 2, 9, "x"},
            "Missing client 'Name(ID)' value on row 2");
        row("latitude out of range", true, {1, 7, "91"},
            "Missing or invalid client 'lat/lon' value on row1\n");
        row("opens after the operation end", true, {2, 9, at(5, 18, 1), 2, 10, at(5, 19)},
            "Early time window is later than begin operation time on row 2");
        row("depot demand empty", true, {0, 12, ""}, "Empty client demand value on row 0");
        row("service time not a number", true, {3, 11, "-"},
            "Invalid client service time on row 3");
        row("no vehicles", false, {0, 0, "", 0, 1, "", 0, 2, "", 0, 3, "", 0, 4, ""},
            "There are no vehicle data");
        row("available before capacity", false, {1, 1, "", 1, 2, ""},
            "Missing vehicle 'Available' value on row 1");
        row("capacity not a number", false, {0, 1, "big"},
            "Invalid vehicle 'Capacity' value on row 0");
    }
    void grid_fault_gives_its_message()
    {
        QFETCH(bool, clients);
        QFETCH(QVariantList, v_changes);
        QFETCH(QString, s_message);
        QStandardItemModel model(250, 14);  // depot and three clients, or two vehicles, all valid
        if (clients) {
            set_row(model, 0, client_row("Depot", "-25.4", "-49.2", at(5, 8), at(5, 18), 0, 2));
            for (int row = 1; row <= 3; ++row) {
                set_row(model, row,
                        client_row(QString("C%1").arg(row), "-25.5", "-49.3", at(5, 9), at(5, 12),
                                   10, row));
            }
        } else {
            set_row(model, 0, {"V1", 50, 2, 10, 1});
            set_row(model, 1, {"V2", 30, 1, 10, 1});
        }
        for (int i = 0; i + 2 < v_changes.size(); i += 3) {  // (row, column, value) triples
            model.setData(model.index(v_changes[i].toInt(), v_changes[i + 1].toInt()),
                          v_changes[i + 2], Qt::EditRole);
        }
        TextTable vv;
        int n = 0;
        const QString s_fault =
            clients ? check_client_rows(model, vv, n) : check_vehicle_rows(model, vv, n);
        QVERIFY2(s_fault.startsWith(s_message), qPrintable(s_fault));
    }

    // Texts copied as they are; numbers read as leading integers (clamped), 0 when there is none.
    void builder_copies_texts_and_reads_numbers_as_leading_integers()
    {
        const TextTable vv_client = {{"A", "Rua", "", "N", "C", "S", "P", "1.5", "2,5",
                                      "2024-05-03 09:00:00", "garbage", " 7min", "x", ""}};
        const TextTable vv_vehicle = {{"V", "99999999999", "-2", "3.9", ""}};
        compare_golden(json_to_string(build_instance_document(vv_client, vv_vehicle, at(5, 8),
                                                              InstanceOptions())),
                       "instance_from_odd_rows.json");
    }

    void rows_inserted_removed_erased_and_pasted()
    {
        QStandardItemModel model(5, 2);
        fill(model, 4);
        model.setData(model.index(1, 1), QDateTime(QDate(2024, 3, 1), QTime(8, 0)));
        QVERIFY(insert_empty_row(model, 1));  // moved cells become texts
        QCOMPARE(cell_texts(model, {{0, 0}, {1, 0}, {2, 1}, {4, 0}}),
                 QStringList({"r0c0", "", "2024-03-01T08:00:00.000", "r3c0"}));
        QCOMPARE(model.index(2, 1).data().userType(), int(QMetaType::QString));
        QVERIFY(!insert_empty_row(model, 4));  // nothing falls off the grid: the full grid stays
        QVERIFY(!insert_empty_row(model, 0));
        QCOMPARE(cell_texts(model, {{0, 0}, {1, 0}, {4, 0}}), QStringList({"r0c0", "", "r3c0"}));

        QStandardItemModel grid(10, 3);
        fill(grid, 10);
        remove_selected_rows(grid, {grid.index(3, 0), grid.index(7, 1), grid.index(3, 1)});
        QCOMPARE(cell_texts(grid, {{3, 0}, {6, 1}, {7, 0}}), QStringList({"r4c0", "r8c1", "r9c0"}));
        QCOMPARE(first_empty_row(grid), 8);
        erase_selected_rows(grid, {grid.index(1, 2)});
        erase_selected_cells(grid, {grid.index(2, 0), grid.index(3, 1)});
        QCOMPARE(first_empty_row(grid), 1);
        QCOMPARE(cell_texts(grid, {{2, 0}, {2, 1}, {3, 1}}), QStringList({"", "r2c1", ""}));

        QStandardItemModel pasted(4, 14);  // what falls beyond the edges is dropped, lines counted
        QCOMPARE(paste_text(pasted, 3, 12, "a\tb\tc\nd\n\t\n\ne\n"), 2);
        QCOMPARE(paste_text(pasted, 0, 0, "X\n\nY\n"), 0);
        paste_text(pasted, 0, 1, "2024-03-01T08:00:00\r\n");
        QCOMPARE(cell_texts(pasted, {{3, 12}, {3, 13}, {0, 0}, {1, 0}, {2, 0}, {0, 1}}),
                 QStringList({"a", "b", "X", "", "Y", "2024-03-01T08:00:00\r"}));
        QVERIFY(selected_cells_table(pasted, {}).empty());
    }

    void client_csv_template_by_language()
    {
        compare_golden(table_to_tsv(grid_csv_template("ENG")), "client_template_ENG.tsv");
        QCOMPARE(grid_csv_template("POR")[0][12], std::string("Demanda"));
        QVERIFY(grid_csv_template("eng").empty());
    }

    // A file without the notes column and a short row give empty cells.
    void client_csv_short_rows_for_the_grid()
    {
        std::vector<std::string> v_header = grid_csv_header("ENG");
        v_header.resize(13);
        const std::vector<std::vector<QVariant>> vv_rows = grid_csv_rows({v_header, {"short"}});
        QCOMPARE(vv_rows[0][0], QVariant(QString("short")));
        QCOMPARE(vv_rows[0][13], QVariant(QString()));
        QCOMPARE(vv_rows[0][12], QVariant(QString()));
    }

    // Members missing or of another type, indexes out of range: no crash, empty cells; odd
    // members of a hand-edited file leave their grid cells empty instead of failing.
    void odd_documents_show_what_they_hold()
    {
        const rapidjson::Document document = string_to_json(
            R"({"input":{"data":{"operation_start_date":"bad","clients":[{"id":7}],)"
            R"("containers":[{"container_dim":0}]},)"
            R"("meta_info":{}},"output":{"data":{"routes":[{"container_index":5,"total_load":"x",)"
            R"("visits":[{"index":9,"arrival":1}]},{"visits":3}],"unrouted_clients":["x",0]}}})");
        const std::vector<RoutesGridRow> v_rows = routes_grid_rows(document);
        QCOMPARE(v_rows.size(), size_t(3));
        QCOMPARE(v_rows[0][2].toString() + v_rows[0][9].toString(),
                 QString());  // invalid start: empty time cells
        const std::vector<RouteLoad> v_loads = route_loads(document);
        QCOMPARE(v_loads.size(), size_t(2));
        QCOMPARE(v_loads[0].percent, 0.0);
        QCOMPARE(v_loads[1].s_category, QString("1 - "));
        QCOMPARE(solution_summary(document).s_total_load, QString("0"));

        rapidjson::Document solved = string_to_json(solved_instance_text());
        QCOMPARE(instance_client_rows(solved)[1][10].toDateTime(),
                 QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
        rapidjson::Value& client = solved["input"]["data"]["clients"][1];
        client["demand"] = "five";
        client["service_time"] = 1e300;
        client.RemoveMember("address");
        solved["input"]["data"]["operation_start_date"] = "2024-03-01";
        const std::vector<std::vector<QVariant>> vv_clients = instance_client_rows(solved);
        QCOMPARE(vv_clients.size(), size_t(5));
        QCOMPARE(vv_clients[1][12].toString() + vv_clients[1][11].toString() +
                     vv_clients[1][1].toString(),
                 QString());
        QVERIFY(!vv_clients[1][9].toDateTime().isValid());
        QVERIFY(instance_client_rows(string_to_json("{\"input\":{\"data\":{\"clients\":{}}}}"))
                    .empty());
    }

    // The texts of the solved instance are the golden files; links hold at most 22 stops, each
    // starting at the last stop of the one before; open routes leave out the return to the depot.
    void texts_of_the_solved_instance_are_the_golden_files()
    {
        rapidjson::Document document = string_to_json(solved_instance_text());
        compare_golden(table_to_tsv(route_direction_links(document)), "route_links.tsv");
        compare_golden(map_page_html(document, document["output"]["data"]["routes"][0], "KEY-1_a"),
                       "routes_page.html");
        for (const char* s_lang : {"POR", "GER", "XYZ"}) {
            compare_golden(table_to_tsv(routes_csv_table(document, s_lang)),
                           "routes_" + std::string(s_lang) + ".tsv");
        }
        // Open routes: header, 3 + 2 visits, unrouted, empty line, links header, two links.
        document["input"]["meta_info"]["prob_type"] = "OVRPTW";
        const TextTable vv_table = routes_csv_table(document, "ENG");
        QCOMPARE(vv_table.size(), size_t(1 + 5 + 1 + 1 + 1 + 2));
        QCOMPARE(vv_table[4][2] + ' ' + vv_table[5][2], std::string("Depot Carla"));

        document = string_to_json(read_bytes(test_data_path("route_30_stops.json")));
        compare_golden(table_to_tsv(route_direction_links(document)), "route_links_30_stops.tsv");
        rapidjson::Value& visits = document["output"]["data"]["routes"][0]["visits"];
        visits.Erase(visits.Begin() + 22, visits.End());
        const std::string s_base = "https://www.google.com/maps/dir/";
        QCOMPARE(route_direction_links(document).at(1).at(1), s_base + "Street+21+21+Town+Land/");
        visits.Erase(visits.Begin() + 3, visits.End());
        document["input"]["meta_info"]["prob_type"] = "OVRPTW";
        QCOMPARE(route_direction_links(document),
                 TextTable({{"R-0-0", s_base + "Street+0+0+Town+Land/Street+1+1+Town+Land/"}}));
        for (const char* s_json :
             {"null", "{}", R"({"output":{"data":{}}})", R"({"output":{"data":{"routes":{}}}})"}) {
            QVERIFY(route_direction_links(string_to_json(s_json)).empty());
        }
    }

    void map_page_keeps_document_texts_inside_the_script()
    {
        const rapidjson::Document document = string_to_json(
            "{\"input\":{\"data\":{\"clients\":[{\"id\":\"x\\\"</script><script>alert(1)//"
            "\\\\\\n\","
            "\"lat\":\"1,5\",\"long\":\"0}];alert(2);//\"}]}},"
            "\"output\":{\"data\":{\"routes\":[{\"visits\":[{\"index\":0}]}]}}}");
        const std::string s_page =
            map_page_html(document, document["output"]["data"]["routes"][0], "k\"><script>");
        QVERIFY(s_page.find("{lat: 1.5, lng: NaN, name: \"x\\\"\\u003c/script\\u003e\\u003cscript"
                            "\\u003ealert(1)//\\\\\\u000a\"},") != std::string::npos);
        QVERIFY(s_page.find("key=k%22%3E%3Cscript%3E&callback=initMap") != std::string::npos);
        QVERIFY(s_page.find("alert(2)") == std::string::npos);
    }
};

QTEST_GUILESS_MAIN(GridFeaturesTest)
#include "test_grid_features.moc"

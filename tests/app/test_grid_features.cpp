// Grid editing, the clipboard table, the automatic client data, the grid's client
// records, the client CSV rows and the grid rows of an instance document.
#include "automatic_client_data.h"
#include "app_test_support.h"
#include "file_names.h"
#include "grid_client_csv.h"
#include "grid_clients_table.h"
#include "grid_editing.h"
#include "grid_operations.h"
#include "instance_grids.h"

#include <QStandardItemModel>
#include <QtTest>

namespace {

QString text(const QStandardItemModel& model, int row, int column)
{
    return grid_cell_text(model, row, column);
}

QModelIndexList cells(const QStandardItemModel& model, const std::vector<std::pair<int, int>>& v_cells)
{
    QModelIndexList indexes;
    for (const auto& cell : v_cells) {
        indexes << model.index(cell.first, cell.second);
    }
    return indexes;
}

// Rows 0..rows-1 hold "r<row>c<column>" texts.
void fill(QStandardItemModel& model, int rows)
{
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            model.setData(model.index(row, column), QString("r%1c%2").arg(row).arg(column));
        }
    }
}

void set_address_row(QStandardItemModel& model, int row, const QString& s_lat, const QString& s_lon)
{
    const QStringList v_cells = {"Jos\u00e9", "Rua \u00c1", "1", "Centro", "Curitiba", "PR", "Brasil",
                                 s_lat, s_lon};
    for (int column = 0; column < v_cells.size(); ++column) {
        model.setData(model.index(row, column), v_cells[column]);
    }
}

}  // namespace

class GridFeaturesTest : public QObject {
    Q_OBJECT

private slots:
    void inserting_a_row_moves_the_rows_below_and_drops_the_last()
    {
        QStandardItemModel model(5, 2);
        fill(model, 5);
        model.setData(model.index(1, 1), QDateTime(QDate(2024, 3, 1), QTime(8, 0)));
        insert_empty_row(model, 1);
        QCOMPARE(text(model, 0, 0), QString("r0c0"));
        QCOMPARE(text(model, 1, 0), QString());
        QCOMPARE(model.index(2, 1).data().userType(), int(QMetaType::QString));
        QCOMPARE(text(model, 2, 1), QString("2024-03-01T08:00:00.000"));
        QCOMPARE(text(model, 4, 0), QString("r3c0"));
        insert_empty_row(model, 4);
        QCOMPARE(text(model, 4, 0), QString());
        QCOMPARE(text(model, 3, 0), QString("r2c0"));
    }

    void removing_rows_closes_the_gaps()
    {
        QStandardItemModel model(10, 2);
        fill(model, 10);
        remove_selected_rows(model, cells(model, {{3, 0}, {7, 1}, {3, 1}}));
        QCOMPARE(text(model, 3, 0), QString("r4c0"));
        QCOMPARE(text(model, 6, 1), QString("r8c1"));
        QCOMPARE(text(model, 7, 0), QString("r9c0"));
        QCOMPARE(first_empty_row(model), 8);
    }

    void erasing_rows_and_cells_keeps_the_rows_in_place()
    {
        QStandardItemModel model(4, 3);
        fill(model, 4);
        erase_selected_rows(model, cells(model, {{1, 2}}));
        erase_selected_cells(model, cells(model, {{2, 0}, {3, 1}}));
        QCOMPARE(first_empty_row(model), 1);
        QCOMPARE(text(model, 2, 0), QString());
        QCOMPARE(text(model, 2, 1), QString("r2c1"));
        QCOMPARE(text(model, 3, 1), QString());
    }

    void copied_cells_pack_each_row_in_column_order()
    {
        QStandardItemModel model(6, 4);
        model.setData(model.index(2, 1), "A");
        model.setData(model.index(2, 3), "B");
        model.setData(model.index(5, 0), "C");
        const TextTable vv_table = selected_cells_table(model, cells(model, {{5, 0}, {2, 3}, {2, 1}, {2, 3}}));
        QCOMPARE(table_to_tsv(vv_table), std::string("A\tB\nC\n"));
        QVERIFY(selected_cells_table(model, {}).empty());
    }

    void paste_is_clipped_at_the_grid_edges()
    {
        QStandardItemModel model(4, 14);
        paste_text(model, 3, 12, "a\tb\tc\nd\n");
        QCOMPARE(text(model, 3, 12), QString("a"));
        QCOMPARE(text(model, 3, 13), QString("b"));
        QCOMPARE(first_empty_row(model), 0);
        paste_text(model, 0, 0, "X\n\nY\n");
        QCOMPARE(text(model, 0, 0), QString("X"));
        QCOMPARE(text(model, 1, 0), QString());
        QCOMPARE(text(model, 2, 0), QString("Y"));
        paste_text(model, 0, 1, "2024-03-01T08:00:00\r\n");
        QCOMPARE(text(model, 0, 1), QString("2024-03-01T08:00:00\r"));
    }

    void automatic_data_fills_only_empty_cells_of_filled_rows()
    {
        QStandardItemModel model(4, 14);
        fill(model, 3);
        for (int row = 0; row < 3; ++row) {
            for (int column : {4, 9, 10, 11, 12}) {
                model.setData(model.index(row, column), QString());
            }
        }
        model.setData(model.index(1, 4), "Lapa");
        model.setData(model.index(1, 12), "7");
        const QDateTime depot_start(QDate(2026, 12, 5), QTime(7, 30));
        model.setData(model.index(0, 9), depot_start);
        const std::map<std::string, std::string> settings = {
            {"auto_city", "1"},   {"auto_city_value", "Curitiba"}, {"auto_state", "yes"},
            {"auto_state_value", "XX"}, {"auto_demand", "1"}, {"auto_demand_value", "2"},
            {"auto_tw", "1"},     {"auto_tw_value", "600"},        {"auto_service_time", "1"},
            {"auto_service_time_value", "15"}};
        model.setData(model.index(0, 12), "9");
        fill_automatic_client_data(model, 2, settings, QDateTime(QDate(2000, 1, 1), QTime(8, 0)));
        QCOMPARE(text(model, 0, 4), QString("Curitiba"));
        QCOMPARE(text(model, 1, 4), QString("Lapa"));
        QCOMPARE(text(model, 2, 4), QString());  // below the filled rows
        QCOMPARE(text(model, 0, 5), QString("r0c5"));
        QCOMPARE(model.index(0, 12).data(), QVariant(0));
        QCOMPARE(text(model, 1, 12), QString("7"));
        QCOMPARE(text(model, 1, 11), QString("15"));
        QCOMPARE(model.index(1, 9).data().toDateTime(), depot_start);
        QCOMPARE(model.index(0, 10).data().toDateTime(), depot_start.addSecs(600 * 60));
    }

    void automatic_time_windows_without_depot_start_or_minutes()
    {
        QStandardItemModel model(2, 14);
        model.setData(model.index(0, 0), "Depot");
        const QDateTime fallback(QDate(2026, 1, 2), QTime(8, 0));
        fill_automatic_client_data(model, 1, {{"auto_tw", "1"}, {"auto_tw_value", "abc"}}, fallback);
        QCOMPARE(text(model, 0, 9), QString());
        fill_automatic_client_data(model, 1, {{"auto_tw", "1"}, {"auto_tw_value", "60"}}, fallback);
        QCOMPARE(model.index(0, 9).data().toDateTime(), fallback);
        QCOMPARE(model.index(0, 10).data().toDateTime(), fallback.addSecs(3600));
    }

    void grid_clients_become_records_or_name_their_first_fault()
    {
        QStandardItemModel model(5, 14);
        TextTable vv_records;
        QCOMPARE(grid_clients_table(model, vv_records), QString("There are no client data"));
        set_address_row(model, 0, "10,5", "-49.2");
        set_address_row(model, 1, "-25.4", "-49.2");
        QCOMPARE(grid_clients_table(model, vv_records), QString());
        QCOMPARE(vv_records.size(), size_t(3));
        QVERIFY(vv_records[0].empty());
        QCOMPARE(vv_records[1], std::vector<std::string>({"Jose", "Rua A", "1", "Centro", "Curitiba",
                                                          "PR", "Brasil", "10.5", "-49.2"}));
        set_address_row(model, 2, "1", "2");
        model.setData(model.index(2, 3), "");
        QCOMPARE(grid_clients_table(model, vv_records),
                 QString("Missing client 'Neighborhood' value on row 2"));
        model.setData(model.index(2, 3), "Centro");
        model.setData(model.index(2, 8), "181");
        QVERIFY(grid_clients_table(model, vv_records).startsWith(
            "Missing or invalid client 'lat/lon' value on row2\n"));
    }

    void client_csv_header_needs_the_13_texts_of_the_language()
    {
        TextTable vv_file = {grid_csv_header("POR")};
        QVERIFY(grid_csv_header_matches(vv_file, "POR"));
        QVERIFY(!grid_csv_header_matches(vv_file, "ENG"));
        vv_file[0].resize(13);
        QVERIFY(grid_csv_header_matches(vv_file, "POR"));
        vv_file[0].resize(12);
        QVERIFY(!grid_csv_header_matches(vv_file, "POR"));
        vv_file[0] = grid_csv_header("GER");
        vv_file[0][0] = "name";
        QVERIFY(!grid_csv_header_matches(vv_file, "GER"));
        QVERIFY(!grid_csv_header_matches({}, "GER"));
    }

    void client_csv_template_by_language()
    {
        compare_golden(table_to_tsv(grid_csv_template("ENG")), "client_template_ENG.tsv");
        QCOMPARE(grid_csv_template("POR")[0][12], std::string("Demanda"));
        QCOMPARE(grid_csv_template("POR").size(), size_t(4));
        QVERIFY(grid_csv_template("eng").empty());
    }

    void client_csv_rows_for_the_grid()
    {
        std::vector<std::string> v_header = grid_csv_header("ENG");
        const std::vector<std::string> v_line = {"N", "A", "1", "B", "C", "S", "P", "-25,43", "-49.2",
                                                 "01/03/2024 08:00", "01/03/2024  08:00:00", "5", "2",
                                                 "note", "extra"};
        std::vector<std::vector<QVariant>> vv_rows = grid_csv_rows({v_header, v_line});
        QCOMPARE(vv_rows.size(), size_t(1));
        QCOMPARE(vv_rows[0][7], QVariant(QString("-25.43")));
        QCOMPARE(vv_rows[0][9].toDateTime(), QDateTime(QDate(2024, 3, 1), QTime(8, 0)));
        QVERIFY(!vv_rows[0][10].toDateTime().isValid());
        QCOMPARE(vv_rows[0][13], QVariant(QString("note")));
        v_header.resize(13);
        vv_rows = grid_csv_rows({v_header, {"short"}});
        QCOMPARE(vv_rows[0][0], QVariant(QString("short")));
        QCOMPARE(vv_rows[0][13], QVariant(QString()));
        QCOMPARE(vv_rows[0][12], QVariant(QString()));
    }

    void client_csv_row_of_the_grid()
    {
        QStandardItemModel model(1, 14);
        const std::vector<QVariant> v_cells = {"S\u00e3o", "R", "1", "B", "C", "S", "P", "-25.43", "-49",
                                               QDateTime(QDate(2024, 3, 1), QTime(8, 5, 59)), QString(),
                                               5, "2", "a;b"};
        for (int column = 0; column < 14; ++column) {
            model.setData(model.index(0, column), v_cells[static_cast<size_t>(column)]);
        }
        QCOMPARE(grid_csv_row(model, 0),
                 std::vector<std::string>({"Sao", "R", "1", "B", "C", "S", "P", "-25,43", "-49",
                                           "01/03/2024 08:05", "", "5", "2", "a;b"}));
    }

    void file_names_end_with_one_extension()
    {
        const std::vector<std::pair<std::string, std::string>> v_cases = {
            {"clients", "clients.csv"},         {"clients.csv", "clients.csv"},
            {"my.csvfile", "myfile.csv"}, {"/tmp/x.csv/plan", "/tmp/x.csv/plan.csv"}};
        for (const auto& test_case : v_cases) {
            QCOMPARE(normalised_file_name(test_case.first, ".csv"), test_case.second);
        }
        QCOMPARE(normalised_file_name("plan.tvl.old", ".tvl"), std::string("plan.old.tvl"));
    }

    void instance_rows_for_the_grids()
    {
        rapidjson::Document document = string_to_json(solved_instance_text());
        std::vector<std::vector<QVariant>> vv_clients = instance_client_rows(document);
        QCOMPARE(vv_clients.size(), size_t(5));
        QCOMPARE(vv_clients[1][0], QVariant(QString("Ana \"A\"")));
        QCOMPARE(vv_clients[1][9].toDateTime(), QDateTime(QDate(2024, 3, 1), QTime(9, 0)));
        QCOMPARE(vv_clients[1][10].toDateTime(), QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
        QCOMPARE(vv_clients[0][9].toDateTime(), QDateTime(QDate(2024, 3, 1), QTime(8, 0)));
        QCOMPARE(vv_clients[1][11], QVariant(10));
        QCOMPARE(vv_clients[2][5], QVariant(QString("PR")));
        QCOMPARE(instance_vehicle_rows(document)[0],
                 std::vector<QVariant>({QString("V1"), 100, 2, 50, 2}));

        // Odd members of a hand-edited file leave their cells empty instead of failing.
        rapidjson::Value& client = document["input"]["data"]["clients"][1];
        client["demand"] = "five";
        client["service_time"] = 1e300;
        client.RemoveMember("address");
        document["input"]["data"]["operation_start_date"] = "2024-03-01";
        vv_clients = instance_client_rows(document);
        QCOMPARE(vv_clients[1][12], QVariant(QString()));
        QCOMPARE(vv_clients[1][11], QVariant(QString()));
        QCOMPARE(vv_clients[1][1], QVariant(QString()));
        QVERIFY(!vv_clients[1][9].toDateTime().isValid());
        QVERIFY(instance_client_rows(string_to_json("{\"input\":{\"data\":{\"clients\":{}}}}")).empty());
    }
};

QTEST_GUILESS_MAIN(GridFeaturesTest)
#include "test_grid_features.moc"

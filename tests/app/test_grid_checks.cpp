// The checks of the client and vehicle grids: each fault's exact message, and what a
// passing grid hands on.
#include "app_test_support.h"

#include "grid_checks.h"
#include "service_config.h"

#include <QtTest>

#include <functional>

namespace {

using GridChange = std::function<void(QStandardItemModel&)>;

// Depot and three clients, all valid.
std::unique_ptr<QStandardItemModel> valid_clients()
{
    auto model = std::make_unique<QStandardItemModel>(250, 14);
    set_row(*model, 0, client_row("Depot", "-25.4", "-49.2", at(5, 8), at(5, 18), 0, 2));
    for (int row = 1; row <= 3; ++row) {
        set_row(*model, row, client_row(QString("C%1").arg(row), "-25.5", "-49.3", at(5, 9), at(5, 12), 10, row));
    }
    return model;
}

std::unique_ptr<QStandardItemModel> valid_vehicles()
{
    auto model = std::make_unique<QStandardItemModel>(20, 5);
    set_row(*model, 0, {"V1", 50, 2, 10, 1});
    set_row(*model, 1, {"V2", 30, 1, 10, 1});
    return model;
}

void set_cell(QStandardItemModel& model, int row, int column, const QVariant& value)
{
    model.setData(model.index(row, column), value, Qt::EditRole);
}

const QString k_lat_long_hint =
    "\nThe search for lat/long values is better performed when the addresses dont have "
    "diacritics.\nAlso, the search method can be changed on the settings window.";

}  // namespace

Q_DECLARE_METATYPE(GridChange)

class GridChecksTest : public QObject {
    Q_OBJECT

private slots:
    void client_fault_gives_its_message_data()
    {
        QTest::addColumn<GridChange>("change");
        QTest::addColumn<QString>("s_message");
        QTest::newRow("empty grid") << GridChange([](QStandardItemModel& m) {
            for (int row = 0; row < 4; ++row) {
                for (int column = 0; column < 14; ++column) set_cell(m, row, column, QString());
            }
        }) << "There are no client data";
        QTest::newRow("depot without start") << GridChange([](QStandardItemModel& m) { set_cell(m, 0, 9, "x"); })
            << "Invalid initial or end operation date (depot time window). \nYou can automatically fill "
               "this data by clicking button 'Automatic writing', the information is colelcted based on "
               "the settings window configuration";
        QTest::newRow("end before start") << GridChange([](QStandardItemModel& m) { set_cell(m, 0, 10, at(5, 7)); })
            << "Operation end date is earlier than start date";
        QTest::newRow("city missing") << GridChange([](QStandardItemModel& m) { set_cell(m, 3, 4, ""); })
            << "Missing client 'City' value on row 3";
        QTest::newRow("name only accents") << GridChange([](QStandardItemModel& m) { set_cell(m, 2, 0, QString::fromUtf8("\xcc\x81")); })
            << "Missing client 'Name(ID)' value on row 2";
        QTest::newRow("name before time window") << GridChange([](QStandardItemModel& m) {
            set_cell(m, 1, 0, "");
            set_cell(m, 1, 9, "x");
        }) << "Missing client 'Name(ID)' value on row 1";
        QTest::newRow("coordinate missing") << GridChange([](QStandardItemModel& m) { set_cell(m, 3, 8, ""); })
            << "Missing or invalid client 'lat/lon' value on row3" + k_lat_long_hint;
        QTest::newRow("latitude out of range") << GridChange([](QStandardItemModel& m) { set_cell(m, 1, 7, "91"); })
            << "Missing or invalid client 'lat/lon' value on row1" + k_lat_long_hint;
        QTest::newRow("time window missing") << GridChange([](QStandardItemModel& m) { set_cell(m, 2, 10, ""); })
            << "Invalid client time window on row 2";
        QTest::newRow("late before early") << GridChange([](QStandardItemModel& m) { set_cell(m, 1, 10, at(5, 8, 59)); })
            << "Late time window is earlier than earlier time window on row 1";
        QTest::newRow("opens after the operation end") << GridChange([](QStandardItemModel& m) {
            set_cell(m, 2, 9, at(5, 18, 1));
            set_cell(m, 2, 10, at(5, 19));
        }) << "Early time window is later than begin operation time on row 2";
        QTest::newRow("service time empty") << GridChange([](QStandardItemModel& m) { set_cell(m, 2, 11, ""); })
            << "Empty client service time on row 2";
        QTest::newRow("depot demand empty") << GridChange([](QStandardItemModel& m) { set_cell(m, 0, 12, ""); })
            << "Empty client demand value on row 0";
        QTest::newRow("demand not a number") << GridChange([](QStandardItemModel& m) { set_cell(m, 1, 12, "many"); })
            << "Invalid client demand value on row 1";
        QTest::newRow("service time not a number") << GridChange([](QStandardItemModel& m) { set_cell(m, 3, 11, "-"); })
            << "Invalid client service time on row 3";
    }

    void client_fault_gives_its_message()
    {
        QFETCH(GridChange, change);
        QFETCH(QString, s_message);
        auto model = valid_clients();
        change(*model);
        TextTable vv_client;
        int max_demand = 0;
        QCOMPARE(check_client_rows(*model, vv_client, max_demand), s_message);
    }

    void passing_client_grid_hands_on_clean_cells()
    {
        auto model = valid_clients();
        set_cell(*model, 1, 1, QString::fromUtf8("Rua São José"));
        set_cell(*model, 1, 7, "10,5");
        set_cell(*model, 1, 8, "-20,25");
        set_cell(*model, 1, 13, QString::fromUtf8("não"));
        set_cell(*model, 2, 9, at(5, 6));  // before the operation start: passes
        set_cell(*model, 2, 12, "7.9");    // leading whole number 7
        set_cell(*model, 3, 9, at(5, 18)); // opens at the operation end: passes
        set_cell(*model, 3, 10, at(5, 18));
        set_row(*model, 5, client_row("Below a gap", "", "", QDateTime(), QDateTime(), "", ""));

        TextTable vv_client;
        int max_demand = 0;
        QCOMPARE(check_client_rows(*model, vv_client, max_demand), QString());
        QCOMPARE(vv_client.size(), size_t(4));
        QCOMPARE(max_demand, 7);
        const std::vector<std::string> v_expected = {
            "C1", "Rua Sao Jose", "10", "Centro", "Curitiba", "PR", "Brasil", "10.5", "-20.25",
            "2024-05-03 09:00:00", "2024-05-03 12:00:00", "10", "1", "nao"};
        QCOMPARE(vv_client[1], v_expected);
        QCOMPARE(vv_client[2][12], std::string("7.9"));

        auto depot_only = std::make_unique<QStandardItemModel>(250, 14);
        set_row(*depot_only, 0, client_row("Depot", "1", "1", at(5, 8), at(5, 8), 0, 4));
        vv_client.clear();
        QCOMPARE(check_client_rows(*depot_only, vv_client, max_demand), QString());
        QCOMPARE(vv_client.size(), size_t(1));
        QCOMPARE(max_demand, 4);
    }

    void vehicle_fault_gives_its_message_data()
    {
        QTest::addColumn<GridChange>("change");
        QTest::addColumn<QString>("s_message");
        QTest::newRow("empty grid") << GridChange([](QStandardItemModel& m) {
            for (int column = 0; column < 5; ++column) set_cell(m, 0, column, "");
        }) << "There are no vehicle data";
        QTest::newRow("available before capacity") << GridChange([](QStandardItemModel& m) {
            set_cell(m, 1, 1, "");
            set_cell(m, 1, 2, "");
        }) << "Missing vehicle 'Available' value on row 1";
        QTest::newRow("name") << GridChange([](QStandardItemModel& m) { set_cell(m, 0, 0, ""); })
            << "Missing vehicle 'Name(ID)' value on row 0";
        QTest::newRow("capacity") << GridChange([](QStandardItemModel& m) { set_cell(m, 1, 1, ""); })
            << "Missing vehicle 'Capacity' value on row 1";
        QTest::newRow("fixed cost") << GridChange([](QStandardItemModel& m) { set_cell(m, 0, 3, ""); })
            << "Missing vehicle 'Fixed cost' value on row 0";
        QTest::newRow("variable cost") << GridChange([](QStandardItemModel& m) { set_cell(m, 1, 4, ""); })
            << "Missing vehicle 'Var. cost' value on row 1";
        QTest::newRow("capacity not a number") << GridChange([](QStandardItemModel& m) { set_cell(m, 0, 1, "big"); })
            << "Invalid vehicle 'Capacity' value on row 0";
    }

    void vehicle_fault_gives_its_message()
    {
        QFETCH(GridChange, change);
        QFETCH(QString, s_message);
        auto model = valid_vehicles();
        change(*model);
        TextTable vv_vehicle;
        int min_capacity = 0;
        QCOMPARE(check_vehicle_rows(*model, vv_vehicle, min_capacity), s_message);
    }

    void passing_vehicle_grid_gives_smallest_capacity()
    {
        auto model = valid_vehicles();
        set_cell(*model, 1, 3, "12.5");
        TextTable vv_vehicle;
        int min_capacity = 0;
        QCOMPARE(check_vehicle_rows(*model, vv_vehicle, min_capacity), QString());
        QCOMPARE(min_capacity, 30);
        QCOMPARE(vv_vehicle[1], (std::vector<std::string>{"V2", "30", "1", "12.5", "1"}));
    }

    void optimise_compares_biggest_demand_with_smallest_capacity()
    {
        // Nothing may leave the machine: a closed loopback port answers nothing.
        Geoservices::Endpoints endpoints;
        endpoints.osrm_host = endpoints.nominatim_host = endpoints.google_host = "127.0.0.1:1";
        Geoservices::set_endpoints(endpoints);
        WindowFixture f;
        MainWindowProbe& probe = f.probe;
        MessageRecorder& boxes = f.messages;

        probe.widget<QAction>("actionOptimize").trigger();  // no client data yet
        QCOMPARE(boxes.v_boxes.size(), size_t(1));
        QCOMPARE(boxes.v_boxes[0].s_title, QString("Input data error"));
        QCOMPARE(boxes.v_boxes[0].s_text, QString("There are no client data"));
        QCOMPARE(probe.status_label().text(), QString());

        set_row(probe.clients(), 0, client_row("Depot", "1", "1", at(5, 8), at(5, 18), 0, 0));
        set_row(probe.clients(), 1, client_row("C", "1", "1", at(5, 8), at(5, 18), 0, 31));
        set_row(probe.vehicles(), 0, {"V1", 30, 1, 0, 0});
        probe.widget<QAction>("actionOptimize").trigger();
        QCOMPARE(boxes.v_boxes.back().s_text,
                 QString("The biggest client demand is bigger than the smallest vehicle capacity, please "
                         "correct that before continue"));
        QCOMPARE(probe.status_label().text(), QString("Checking input data..."));

        // Equal figures go on to the check job, which finds no matrix service here.
        set_row(probe.clients(), 1, client_row("C", "1", "1", at(5, 8), at(5, 18), 0, 30));
        probe.widget<QAction>("actionOptimize").trigger();
        QCOMPARE(probe.status_label().text(), QString("Collecting distance matrices..."));
        QTRY_COMPARE_WITH_TIMEOUT(boxes.v_boxes.size(), size_t(3), 20000);
        QCOMPARE(boxes.v_boxes.back().s_text, QString("No internet connection"));
        QCOMPARE(boxes.v_boxes.back().s_status, QString("Problem generating input file..."));
        QCOMPARE(probe.status_label().text(), QString());
        QVERIFY(!probe.optimization_running());
        Geoservices::set_endpoints(Geoservices::default_endpoints());
    }
};

QTEST_MAIN(GridChecksTest)
#include "test_grid_checks.moc"

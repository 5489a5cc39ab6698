// The main window's roads to the background jobs, end to end against the loopback
// stand-in of the web services: an optimisation and a coordinate search.
#include "app_test_support.h"

#include "geostub_process.h"
#include "json_document.h"
#include "service_config.h"

#include <QtTest>

class JobsRoadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void optimisation_fills_the_results();
    void coordinate_search_writes_found_rows();

private:
    GeoStub stub;
    std::unique_ptr<Database> database;
    std::unique_ptr<MainWindow> window;
};

void JobsRoadTest::initTestCase()
{
    QVERIFY(stub.start());  // also makes the stub's folder the working directory
    point_services_at(stub);
    Geoservices::set_pause_function([](std::chrono::milliseconds) {});
}

void JobsRoadTest::cleanupTestCase()
{
    Geoservices::set_pause_function(nullptr);
    Geoservices::set_endpoints(Geoservices::default_endpoints());
    stub.stop();
}

void JobsRoadTest::init()
{
    QFile::remove("tovalo.db");
    database = std::make_unique<Database>("tovalo.db");
    database->open_database();
    database->update_setting("opt_time", "1");
    database->update_setting("open_routes", "0");
    database->update_setting("distance_matrix_api", "osrm");
    database->update_setting("lat_long_api", "osrm_relaxed");
    window = std::make_unique<MainWindow>(database.get());
}

void JobsRoadTest::cleanup()
{
    window.reset();
    database.reset();
}

void JobsRoadTest::optimisation_fills_the_results()
{
    stub.set_script(R"({"routes":{"/table/v1/driving/":[{"generate":"osrm_table"}]}})");
    MainWindowProbe probe(*window);
    MessageRecorder boxes(&probe.status_label());
    set_row(probe.clients(), 0, client_row("Depot", "-25.40", "-49.20", at(5, 8), at(5, 18), 0, 0));
    set_row(probe.clients(), 1, client_row("A", "-25.41", "-49.21", at(5, 8), at(5, 18), 5, 3));
    set_row(probe.clients(), 2, client_row("B", "-25.42", "-49.22", at(5, 8), at(5, 18), 5, 4));
    set_row(probe.clients(), 3, client_row("C", "-25.43", "-49.23", at(5, 8), at(5, 18), 5, 2));
    set_row(probe.vehicles(), 0, {"V1", 10, 2, 10, 1});

    probe.widget<QAction>("actionOptimize").trigger();
    QCOMPARE(probe.status_label().text(), QString("Collecting distance matrices..."));
    QTRY_COMPARE_WITH_TIMEOUT(probe.widget<QLabel>("lblUsedVehicles").text(), QString("1"), 30000);

    QCOMPARE(boxes.v_boxes.size(), size_t(1));
    QCOMPARE(boxes.v_boxes[0].s_text, QString("Optimization ended!"));
    QVERIFY(!probe.optimization_running());
    QVERIFY(stub.requests().size() >= 1);
    QVERIFY(QString::fromStdString(stub.requests()[0]).contains("/table/v1/driving/-49.20,-25.40;"));

    // A closed route: depot, the three clients, depot.
    QStringList v_names;
    for (int row = 0; row < 5; ++row) {
        v_names << probe.routes().index(row, 2).data().toString();
    }
    QCOMPARE(v_names.first(), QString("Depot"));
    QCOMPARE(v_names.last(), QString("Depot"));
    QCOMPARE(QSet<QString>(v_names.begin() + 1, v_names.end() - 1), (QSet<QString>{"A", "B", "C"}));
    QCOMPARE(probe.widget<QLabel>("lblTotalLoad").text(), QString("9"));
    QCOMPARE(probe.widget<QLabel>("lblUnroutedClients").text(), QString("0"));

    const rapidjson::Value& route = probe.instance_document()["output"]["data"]["routes"][0];
    QCOMPARE(probe.widget<QLabel>("lblTotalTime").text(),
             QString::number(route["travel_time"].GetDouble() / 60.0, 'f', 2) + " min");
    QCOMPARE(probe.widget<QLabel>("lblTotalDistance").text(),
             QString::number(route["distance"].GetDouble() / 1000.0, 'f', 2) + " km");
    QVERIFY(probe.instance_document()["input"]["data"].HasMember("Mdij"));
}

void JobsRoadTest::coordinate_search_writes_found_rows()
{
    stub.set_script(R"({"routes":{"/search":[{"json":[{"lat":"48.85","lon":"2.35"}]},{"json":[]}]}})");
    MainWindowProbe probe(*window);
    MessageRecorder boxes;
    set_row(probe.clients(), 0, client_row("Depot", "", "", at(5, 8), at(5, 18), 0, 0));
    set_row(probe.clients(), 1, client_row("Known", "-25.4", "-49.2", at(5, 8), at(5, 18), 0, 0));
    set_row(probe.clients(), 2, client_row("Lost", "", "", at(5, 8), at(5, 18), 0, 0));
    set_row(probe.clients(), 4, client_row("Below a gap", "", "", at(5, 8), at(5, 18), 0, 0));

    probe.widget<QPushButton>("btnSearchLatLong").click();
    QVERIFY(probe.lat_long_search_running());
    QVERIFY(!probe.widget<QPushButton>("btnSearchLatLong").isEnabled());
    QVERIFY(probe.stop_button().isEnabled());
    QCOMPARE(probe.progress_bar().maximum(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(!probe.lat_long_search_running(), 20000);

    QCOMPARE(probe.clients().index(0, 7).data().toString(), QString("48.85"));
    QCOMPARE(probe.clients().index(0, 8).data().toString(), QString("2.35"));
    QCOMPARE(probe.clients().index(1, 7).data().toString(), QString("-25.4"));
    QCOMPARE(probe.clients().index(2, 7).data().toString(), QString());
    QCOMPARE(probe.clients().index(4, 7).data().toString(), QString());
    QCOMPARE(stub.requests().size(), size_t(2));
    QVERIFY(probe.widget<QPushButton>("btnSearchLatLong").isEnabled());
    QVERIFY(!probe.stop_button().isEnabled());
    QCOMPARE(probe.status_label().text(), QString());
    QVERIFY(boxes.v_boxes.empty());

    // A missing address cell refuses the search with the row number.
    probe.clients().setData(probe.clients().index(2, 4), QString());
    probe.widget<QPushButton>("btnSearchLatLong").click();
    QCOMPARE(boxes.v_boxes.size(), size_t(1));
    QCOMPARE(boxes.v_boxes[0].s_text, QString("Missing 'City' value on row2"));
    QVERIFY(!probe.lat_long_search_running());
}

QTEST_MAIN(JobsRoadTest)
#include "test_jobs_road.moc"

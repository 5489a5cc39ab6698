// The instance document written from the filled grids, compared as text.
#include "app_test_support.h"

#include "instance_builder.h"
#include "json_document.h"

#include <QtTest>

class InstanceDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void document_from_the_grids_is_the_golden_text();
    void open_routes_and_time_limit_reach_meta_info();
    void builder_copies_texts_and_reads_numbers_as_leading_integers();
};

void InstanceDocumentTest::document_from_the_grids_is_the_golden_text()
{
    WindowFixture f;
    MainWindowProbe& probe = f.probe;
    probe.widget<QSpinBox>("spOptTime").setValue(10);
    probe.widget<QRadioButton>("btnClosedRoutes").setChecked(true);

    set_row(probe.clients(), 0,
            {"Depósito", "Rua A", "10", "Centro", "Curitiba", "PR", "Brasil", "-25,43", "-49.27",
             at(5, 8), at(5, 18), 0, 0, ""});
    set_row(probe.clients(), 1,
            {"Café \"Bom\" 100%", "Rua São José", "7", "Água Verde", "Curitiba", "PR", "Brasil",
             "-25.44", "-49.28", at(5, 9, 30), at(5, 12), 15, 3, "tocar duas vezes"});
    // Opens before the operation start: negative seconds.
    set_row(probe.clients(), 2,
            {"Early", "Rua B", "1", "Batel", "Curitiba", "PR", "Brasil", "-25.45", "-49.29",
             at(5, 7), at(6, 8), "5", "0", "ção"});
    set_row(probe.vehicles(), 0, {"V1", 100, 3, "12.5", 2});
    set_row(probe.vehicles(), 1, {"V2", "40", "1", "0", "1"});

    TextTable vv_client;
    TextTable vv_vehicle;
    int max_demand = 0;
    int min_capacity = 0;
    QVERIFY(probe.check_client_grid(vv_client, max_demand));
    QVERIFY(probe.check_vehicle_grid(vv_vehicle, min_capacity));
    QVERIFY(f.messages.v_boxes.empty());
    QCOMPARE(max_demand, 3);
    QCOMPARE(min_capacity, 40);

    const std::string s_golden =
        R"({"input":{"data":{"clients":[)"
        R"({"id":"Deposito","lat":"-25.43","long":"-49.27","early_tw":0,"late_tw":36000,"demand":0,)"
        R"("service_time":0,"obs":"","address":{"address":"Rua A","number":"10","neighborhood":"Centro",)"
        R"("city":"Curitiba","state":"PR","country":"Brasil"}},)"
        R"({"id":"Cafe \"Bom\" 100%","lat":"-25.44","long":"-49.28","early_tw":5400,"late_tw":14400,)"
        R"("demand":3,"service_time":900,"obs":"tocar duas vezes","address":{"address":"Rua Sao Jose",)"
        R"("number":"7","neighborhood":"Agua Verde","city":"Curitiba","state":"PR","country":"Brasil"}},)"
        R"({"id":"Early","lat":"-25.45","long":"-49.29","early_tw":-3600,"late_tw":86400,"demand":0,)"
        R"("service_time":300,"obs":"cao","address":{"address":"Rua B","number":"1","neighborhood":"Batel",)"
        R"("city":"Curitiba","state":"PR","country":"Brasil"}}],)"
        R"("containers":[{"container_id":"V1","container_qt":3,"container_dim":100,)"
        R"("container_fixed_cost":12,"container_var_cost":2},)"
        R"({"container_id":"V2","container_qt":1,"container_dim":40,"container_fixed_cost":0,)"
        R"("container_var_cost":1}],"operation_start_date":"05/03/2024 08:00"},)"
        R"("meta_info":{"max_time":10,"prob_type":"VRPTW","distance_matrix_api":"osrm",)"
        R"("lat_long_api":"osrm_relaxed","google_api_key":"","email":"your.email@example.com"}}})";
    QCOMPARE(json_to_string(probe.build_instance_json(vv_client, vv_vehicle)), s_golden);
}

void InstanceDocumentTest::open_routes_and_time_limit_reach_meta_info()
{
    WorkFolder work;
    work.database->update_setting("email", "me@x.org");
    MainWindow window(work.database.get());
    MainWindowProbe probe(window);
    probe.widget<QSpinBox>("spOptTime").setValue(37);
    probe.widget<QRadioButton>("rdbOpenRoutes").setChecked(true);
    set_row(probe.clients(), 0, client_row("D", "1", "1", at(5, 8), at(5, 8), 0, 0));

    const rapidjson::Document document = probe.build_instance_json({}, {});
    const rapidjson::Value& meta_info = document["input"]["meta_info"];
    QCOMPARE(meta_info["max_time"].GetInt(), 37);
    QCOMPARE(std::string(meta_info["prob_type"].GetString()), std::string("OVRPTW"));
    QCOMPARE(std::string(meta_info["email"].GetString()), std::string("me@x.org"));
    QVERIFY(!meta_info.HasMember("solution_method"));
    QVERIFY(!document["input"]["data"].HasMember("Mdij"));
}

void InstanceDocumentTest::builder_copies_texts_and_reads_numbers_as_leading_integers()
{
    const QDateTime start = at(5, 8);
    const TextTable vv_client = {
        {"A", "Rua", "", "N", "C", "S", "P", "1.5", "2,5", "2024-05-03 09:00:00", "garbage", " 7min",
         "x", ""}};
    const TextTable vv_vehicle = {{"V", "99999999999", "-2", "3.9", ""}};
    const rapidjson::Document document =
        build_instance_document(vv_client, vv_vehicle, start, InstanceOptions());
    const rapidjson::Value& client = document["input"]["data"]["clients"][0];
    QCOMPARE(std::string(client["address"]["number"].GetString()), std::string());
    QCOMPARE(std::string(client["long"].GetString()), std::string("2,5"));
    QCOMPARE(client["early_tw"].GetInt(), 3600);
    QCOMPARE(client["late_tw"].GetInt(), 0);  // no date-time: 0 seconds
    QCOMPARE(client["service_time"].GetInt(), 420);
    QCOMPARE(client["demand"].GetInt(), 0);  // no leading integer: 0, and nothing throws
    const rapidjson::Value& container = document["input"]["data"]["containers"][0];
    QCOMPARE(container["container_dim"].GetInt(), 2147483647);
    QCOMPARE(container["container_qt"].GetInt(), -2);
    QCOMPARE(container["container_fixed_cost"].GetInt(), 3);
    QCOMPARE(container["container_var_cost"].GetInt(), 0);
}

QTEST_MAIN(InstanceDocumentTest)
#include "test_instance_document.moc"

// The results area after an optimisation: routes grid, web-link list, load chart and
// summary, read from the solved document.
#include "app_test_support.h"

#include "json_document.h"
#include "solution_view.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QHorizontalStackedBarSeries>
#include <QtTest>

namespace {

std::string solved_document(const std::string& s_prob_type)
{
    return R"({"input":{"data":{"operation_start_date":"05/03/2024 08:00","clients":[)"
           R"({"id":"Depot","address":{"address":"Rua A","number":"1","neighborhood":"N","city":"C"},"early_tw":0,"late_tw":36000,"demand":0,"obs":""},)"
           R"({"id":"A","address":{"address":"Rua B","number":"2","neighborhood":"N","city":"C"},"early_tw":3600,"late_tw":7200,"demand":100,"obs":"gate"},)"
           R"({"id":"B","address":{"address":"Rua C","number":"3","neighborhood":"N","city":"C"},"early_tw":0,"late_tw":36000,"demand":50,"obs":""},)"
           R"({"id":"C","address":{"address":"Rua D","number":"4","neighborhood":"N","city":"C"},"early_tw":0,"late_tw":36000,"demand":30,"obs":""},)"
           R"({"id":"D","address":{"address":"Rua E","number":"5","neighborhood":"N","city":"C"},"early_tw":0,"late_tw":36000,"demand":7,"obs":"late"},)"
           R"({"id":"E","address":{"address":"Rua F","number":"6","neighborhood":"N","city":"C"},"early_tw":0,"late_tw":36000,"demand":8,"obs":""}],)"
           R"("containers":[{"container_id":"V1","container_dim":200},{"container_id":"V2","container_dim":100}]},)"
           R"("meta_info":{"prob_type":")" + s_prob_type + R"("}},)"
           R"("output":{"data":{"routes":[)"
           R"({"container_id":"V1","container_index":0,"total_load":150,"distance":5000,"travel_time":2430.0,"visits":[)"
           R"({"index":0,"arrival":0,"departure":0},{"index":1,"arrival":3599,"departure":86400},)"
           R"({"index":2,"arrival":90000,"departure":90060},{"index":0,"arrival":91000,"departure":91000}]},)"
           R"({"container_id":"V2","container_index":1,"total_load":30,"distance":7500.0,"travel_time":3000,"visits":[)"
           R"({"index":0,"arrival":0,"departure":0},{"index":3,"arrival":600,"departure":660},{"index":0,"arrival":1200,"departure":1200}]}],)"
           R"("unrouted_clients":[4,5]},"summary":{}}})";
}

QString cell(QStandardItemModel& model, int row, int column)
{
    return model.index(row, column).data().toString();
}

QStringList row_texts(QStandardItemModel& model, int row)
{
    QStringList v_texts;
    for (int column = 0; column < 13; ++column) {
        v_texts << cell(model, row, column);
    }
    return v_texts;
}

// Total time, distance, load, unrouted clients and used vehicles.
QStringList summary_texts(MainWindowProbe& probe)
{
    QStringList v_texts;
    for (const char* s_label : {"lblTotalTime", "lblTotalDistance", "lblTotalLoad",
                                "lblUnroutedClients", "lblUsedVehicles"}) {
        v_texts << probe.widget<QLabel>(s_label).text();
    }
    return v_texts;
}

}  // namespace

class ResultsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void closed_routes_fill_grid_chart_and_summary();
    void open_routes_hide_the_return_to_the_depot();
    void second_result_replaces_the_chart_and_a_refused_one_changes_nothing();
    void result_without_routes_shows_zeros();
    void odd_documents_show_what_they_hold();

private:
    std::unique_ptr<WindowFixture> opened;
};

void ResultsTest::init()
{
    opened = std::make_unique<WindowFixture>();
    opened->folder.database->update_setting("map_display", "google_payed");
}

void ResultsTest::cleanup()
{
    opened.reset();
}

void ResultsTest::closed_routes_fill_grid_chart_and_summary()
{
    MainWindowProbe& probe = opened->probe;
    MessageRecorder& boxes = opened->messages;
    probe.optimization_running() = true;
    probe.show_solution(solved_document("VRPTW"));

    QCOMPARE(boxes.v_boxes.size(), size_t(1));
    QCOMPARE(boxes.v_boxes[0].s_title, QString("Optimization"));
    QCOMPARE(boxes.v_boxes[0].s_text, QString("Optimization ended!"));
    QCOMPARE(boxes.v_boxes[0].s_status, QString("Optimization ended!"));
    QCOMPARE(probe.status_label().text(), QString());
    QVERIFY(!probe.optimization_running());

    QStandardItemModel& routes = probe.routes();
    const QStringList v_names = {"Depot", "A", "B", "Depot", "Depot", "C", "Depot", "D", "E"};
    for (int row = 0; row < v_names.size(); ++row) {
        QCOMPARE(cell(routes, row, 2), v_names[row]);
    }
    QCOMPARE(routes.index(0, 0).data().type(), QVariant::UInt);
    QCOMPARE(cell(routes, 3, 0), QString("0"));
    QCOMPARE(cell(routes, 4, 0), QString("1"));
    QCOMPARE(cell(routes, 6, 1), QString("V2"));
    QCOMPARE(row_texts(routes, 1),
             QStringList({"0", "V1", "A", "Rua B", "2", "N", "C", "05/03/2024 09:00", "05/03/2024 10:00",
                          "05/03/2024 08:59", "06/03/2024 08:00", "100", "gate"}));
    QCOMPARE(row_texts(routes, 7),
             QStringList({"-", "unrouted", "D", "Rua E", "5", "N", "C", "05/03/2024 08:00",
                          "05/03/2024 18:00", "-", "-", "7", "late"}));
    QVERIFY(row_texts(routes, 9).join("").isEmpty());

    auto& links = probe.widget<QComboBox>("cbWebLinks");
    QCOMPARE(links.count(), 2);
    QCOMPARE(links.itemText(1), QString("1"));

    QCOMPARE(summary_texts(probe), QStringList({"90.50 min", "12.50 km", "180", "2", "2"}));

    QCOMPARE(probe.load_chart().series().size(), 1);
    auto* series = qobject_cast<QtCharts::QHorizontalStackedBarSeries*>(probe.load_chart().series()[0]);
    QVERIFY(series);
    QCOMPARE(series->barSets()[0]->at(0), 75.0);
    QCOMPARE(series->barSets()[0]->at(1), 30.0);
}

void ResultsTest::open_routes_hide_the_return_to_the_depot()
{
    const rapidjson::Document document = string_to_json(solved_document("OVRPTW"));
    const std::vector<RoutesGridRow> v_rows = routes_grid_rows(document);
    QCOMPARE(v_rows.size(), size_t(7));
    QCOMPARE(v_rows[2][2].toString(), QString("B"));
    QCOMPARE(v_rows[3][2].toString(), QString("Depot"));
    QCOMPARE(v_rows[3][0].toUInt(), 1u);
    QCOMPARE(v_rows[4][2].toString(), QString("C"));
    QCOMPARE(v_rows[5][1].toString(), QString("unrouted"));
}

void ResultsTest::second_result_replaces_the_chart_and_a_refused_one_changes_nothing()
{
    MainWindowProbe& probe = opened->probe;
    MessageRecorder& boxes = opened->messages;
    probe.show_solution(solved_document("VRPTW"));
    probe.show_solution(solved_document("OVRPTW"));
    QCOMPARE(probe.load_chart().series().size(), 1);
    QCOMPARE(cell(probe.routes(), 7, 0), QString());  // the longer first result is gone
    QCOMPARE(cell(probe.routes(), 6, 2), QString("E"));

    probe.show_solution("not json");
    QVERIFY(probe.instance_document().IsNull());
    QCOMPARE(cell(probe.routes(), 6, 2), QString("E"));
    QCOMPARE(probe.widget<QLabel>("lblUsedVehicles").text(), QString("2"));

    opened->window.update_map_display_label("google_free");
    QCOMPARE(probe.widget<QLabel>("lblWeblink").text(), QString("Web link (google free)"));
    QCOMPARE(boxes.v_boxes.size(), size_t(3));  // only the three end-of-optimisation boxes
}

void ResultsTest::result_without_routes_shows_zeros()
{
    MainWindowProbe& probe = opened->probe;
    probe.show_solution(R"({"input":{"data":{"operation_start_date":"x"}},)"
                        R"("output":{"data":{"routes":[],"unrouted_clients":[]}}})");
    QCOMPARE(summary_texts(probe), QStringList({"0.00 min", "0.00 km", "0", "0", "0"}));
    QCOMPARE(probe.widget<QComboBox>("cbWebLinks").count(), 0);
    QCOMPARE(cell(probe.routes(), 0, 0), QString());
}

void ResultsTest::odd_documents_show_what_they_hold()
{
    // Members missing or of another type, indexes out of range: no crash, empty cells.
    const rapidjson::Document document = string_to_json(
        R"({"input":{"data":{"operation_start_date":"bad","clients":[{"id":7}],"containers":[{"container_dim":0}]},"meta_info":{}},)"
        R"("output":{"data":{"routes":[{"container_index":5,"total_load":"x","visits":[{"index":9,"arrival":1}]},{"visits":3}],)"
        R"("unrouted_clients":["x",0]}}})");
    const std::vector<RoutesGridRow> v_rows = routes_grid_rows(document);
    QCOMPARE(v_rows.size(), size_t(3));
    QCOMPARE(v_rows[0][2].toString(), QString());
    QCOMPARE(v_rows[0][9].toString(), QString());  // invalid start: empty time cells
    const std::vector<RouteLoad> v_loads = route_loads(document);
    QCOMPARE(v_loads.size(), size_t(2));
    QCOMPARE(v_loads[0].percent, 0.0);
    QCOMPARE(v_loads[1].s_category, QString("1 - "));
    QCOMPARE(solution_summary(document).s_total_load, QString("0"));
}

QTEST_MAIN(ResultsTest)
#include "test_results.moc"

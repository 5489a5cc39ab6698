// The analysis window over a real database file: what its four charts draw and each control does.

#include "analysiswindow.h"
#include "window_test_support.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>
#include <QtWidgets>

#include <memory>

QT_CHARTS_USE_NAMESPACE

namespace {

// A solved document whose routes begin with the given visit ids.
std::string solved_document(const QString& s_neighborhood, const QStringList& v_first_visits)
{
    QStringList v_routes;
    for (const QString& s_id : v_first_visits) {
        v_routes.append(QStringLiteral(R"({"visits":[{"id":"%1"},{"id":"c9"}]})").arg(s_id));
    }
    return QStringLiteral(R"({"input":{"data":{"clients":[{"id":"depot","address":)"
                          R"({"neighborhood":"%1"}}]}},"output":{"data":{"routes":[%2]}}})")
        .arg(s_neighborhood, v_routes.join(','))
        .toStdString();
}

template <typename Widget>
Widget* widget_of(AnalysisWindow& window, const char* s_name)
{
    return window.findChild<Widget*>(s_name);
}
QChart* chart_of(AnalysisWindow& window, const char* s_view)
{
    return widget_of<QChartView>(window, s_view)->chart();
}
QValueAxis* value_axis_of(QChart* chart)
{
    return qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).at(0));
}
QBarCategoryAxis* category_axis_of(QChart* chart)
{
    return qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
}
QCategoryAxis* cost_date_axis_of(AnalysisWindow& window)
{
    return qobject_cast<QCategoryAxis*>(
        chart_of(window, "graphicsView")->axes(Qt::Horizontal).at(0));
}

// "category=value" for every bar of the chart.
QStringList bars_of(QChart* chart)
{
    const QBarSet* set = qobject_cast<QBarSeries*>(chart->series().at(0))->barSets().at(0);
    QStringList v_bars;
    for (int bar = 0; bar < set->count(); ++bar) {
        v_bars.append(category_axis_of(chart)->categories().value(bar, "?") + '=' +
                      QString::number(set->at(bar)));
    }
    return v_bars;
}

// "label=value" for every point of the cost line, the label read from the date axis.
QStringList cost_points_of(AnalysisWindow& window)
{
    QCategoryAxis* axis = cost_date_axis_of(window);
    QStringList v_points;
    const auto* line = qobject_cast<QLineSeries*>(chart_of(window, "graphicsView")->series().at(0));
    for (const QPointF& point : line->points()) {
        QString s_label = "?";
        for (const QString& s_category : axis->categoriesLabels()) {
            if (axis->endValue(s_category) == point.x()) s_label = s_category;
        }
        v_points.append(s_label + '=' + QString::number(point.y()));
    }
    return v_points;
}

// Sets a date edit and finishes its edit, as the planner leaving the field.
void finish_date_edit(AnalysisWindow& window, const char* s_name, const QDate& date)
{
    widget_of<QDateEdit>(window, s_name)->setDate(date);
    QMetaObject::invokeMethod(widget_of<QDateEdit>(window, s_name), "editingFinished");
}

void choose_period(AnalysisWindow& window, const QString& s_period)
{
    auto* combo = widget_of<QComboBox>(window, "cbCostLinePlotPeriodAgregate");
    combo->setCurrentText(s_period);
    QMetaObject::invokeMethod(combo, "activated", Q_ARG(QString, s_period));
}

}  // namespace

class TestAnalysisWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        store = std::make_unique<TestDatabase>();
        database = store->database.get();
    }
    void cleanup() { store.reset(); }
    void opens_on_the_last_thirty_days();
    void date_edits_reload_all_four_charts();
    void period_choice_reloads_cost_and_distance_only();

private:
    void insert(const std::string& s_id, const QDate& date, double distance, double cost,
                const std::string& s_json)
    {
        QVERIFY(!database->insert_instance(s_id, date.toString("yyyy-MM-dd").toStdString(),
                                           date.toString("yyyyMMdd").toStdString(), distance,
                                           3600.0, s_json, cost));
    }

    // Four instances over March and April 2024 and one in May; the window shows March to April.
    std::unique_ptr<AnalysisWindow> march_and_april_window()
    {
        insert("mar-a", QDate(2024, 3, 5), 40.5, 100.0,
               solved_document("Centro", {"depot", "depot"}));
        insert("mar-b", QDate(2024, 3, 28), 10.0, 50.0, solved_document("Batel", {"north"}));
        insert("apr-a", QDate(2024, 4, 10), 20.0, 70.0, solved_document("Centro", {"depot"}));
        insert("apr-b", QDate(2024, 4, 30), 5.0, 5.0, solved_document("Centro", {}));
        insert("may-a", QDate(2024, 5, 1), 99.0, 99.0, solved_document("Far", {"far"}));
        auto window = std::make_unique<AnalysisWindow>(database);
        finish_date_edit(*window, "dtBeginPeriod", QDate(2024, 3, 1));
        finish_date_edit(*window, "dtEndPeriod", QDate(2024, 4, 30));
        return window;
    }

    std::unique_ptr<TestDatabase> store;
    Database* database = nullptr;
};

void TestAnalysisWindow::opens_on_the_last_thirty_days()
{
    const QDate today = QDate::currentDate();
    insert("today", today, 12.0, 300.0, solved_document("Centro", {"depot", "north"}));
    insert("too-old", today.addDays(-31), 1.0, 1.0, solved_document("Old", {"old"}));
    AnalysisWindow window(database);

    QCOMPARE(widget_of<QDateEdit>(window, "dtBeginPeriod")->date(), today.addDays(-30));
    QCOMPARE(widget_of<QDateEdit>(window, "dtEndPeriod")->date(), today);
    QChart* distance = chart_of(window, "ChartRouteDistance");
    QChart* clients = chart_of(window, "ChartClientFrequency");
    QChart* neighborhoods = chart_of(window, "ChartNeighFrequency");
    QCOMPARE(cost_date_axis_of(window)->titleText(), QString("month"));
    QCOMPARE(category_axis_of(distance)->titleText(), QString("month"));

    const QString s_month = QDate(today.year(), today.month(), 15).toString("M-yy");
    QCOMPARE(cost_points_of(window), QStringList{s_month + "=300"});
    QCOMPARE(bars_of(distance), QStringList{s_month + "=12"});
    QCOMPARE(bars_of(clients), (QStringList{"c9=2", "north=1"}));
    QCOMPARE(bars_of(neighborhoods), QStringList{"Centro=2"});
}

void TestAnalysisWindow::date_edits_reload_all_four_charts()
{
    const std::unique_ptr<AnalysisWindow> window = march_and_april_window();
    QCOMPARE(cost_points_of(*window), (QStringList{"3-24=150", "4-24=75"}));
    QCOMPARE(bars_of(chart_of(*window, "ChartRouteDistance")),
             (QStringList{"3-24=50.5", "4-24=25"}));
    QCOMPARE(bars_of(chart_of(*window, "ChartClientFrequency")),
             (QStringList{"c9=4", "north=1"}));
    QCOMPARE(bars_of(chart_of(*window, "ChartNeighFrequency")),
             (QStringList{"Batel=1", "Centro=3"}));
    // Cost 75 to 150: from 75 − 7.5, truncated, to 150 + 22.5, truncated.
    QValueAxis* cost_values = value_axis_of(chart_of(*window, "graphicsView"));
    QCOMPARE(cost_values->min(), 67.0);
    QCOMPARE(cost_values->max(), 172.0);
    QCOMPARE(value_axis_of(chart_of(*window, "ChartNeighFrequency"))->max(), 3.6);

    // An empty period clears every chart but keeps the last value ranges.
    const double date_min = cost_date_axis_of(*window)->min();
    finish_date_edit(*window, "dtBeginPeriod", QDate(2024, 5, 2));  // after the end
    QVERIFY(cost_date_axis_of(*window)->categoriesLabels().isEmpty());
    for (const char* s_chart :
         {"ChartRouteDistance", "ChartClientFrequency", "ChartNeighFrequency"}) {
        QVERIFY(bars_of(chart_of(*window, s_chart)).isEmpty());
    }
    QCOMPARE(cost_values->max(), 172.0);
    QCOMPARE(cost_date_axis_of(*window)->min(), date_min);

    // Start equal to end: that day only; a date edit reloads even without a change.
    finish_date_edit(*window, "dtBeginPeriod", QDate(2024, 4, 30));
    QCOMPARE(cost_points_of(*window), QStringList{"4-24=5"});
    QVERIFY(bars_of(chart_of(*window, "ChartClientFrequency")).isEmpty());
    database->delete_instance("apr-b");
    finish_date_edit(*window, "dtEndPeriod", QDate(2024, 4, 30));
    QVERIFY(cost_points_of(*window).isEmpty());
}

void TestAnalysisWindow::period_choice_reloads_cost_and_distance_only()
{
    const std::unique_ptr<AnalysisWindow> window = march_and_april_window();
    insert("mar-c", QDate(2024, 3, 28), 1.0, 25.0, solved_document("Batel", {"south"}));

    choose_period(*window, "week");
    QCOMPARE(cost_date_axis_of(*window)->titleText(), QString("week"));
    QCOMPARE(cost_points_of(*window),
             (QStringList{"7-3-24=100", "28-3-24=75", "11-4-24=70", "2-5-24=5"}));
    QCOMPARE(bars_of(chart_of(*window, "ChartRouteDistance")).at(1), QString("28-3-24=11"));
    // The frequency charts keep what the last date change drew.
    QCOMPARE(bars_of(chart_of(*window, "ChartClientFrequency")),
             (QStringList{"c9=4", "north=1"}));

    choose_period(*window, "day");
    QCOMPARE(cost_points_of(*window),
             (QStringList{"5-3-24=100", "28-3-24=75", "10-4-24=70", "30-4-24=5"}));
}

QTEST_MAIN(TestAnalysisWindow)
#include "test_analysis_window.moc"

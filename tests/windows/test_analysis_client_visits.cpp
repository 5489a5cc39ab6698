// The analysis window's client-frequency chart counts the clients the routes visit.

#include "analysiswindow.h"
#include "database.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtTest>

QT_CHARTS_USE_NAMESPACE

namespace {

// A solved document with depot "D"; each route is its visit ids, depot visits included.
std::string solved_document(const QList<QStringList>& v_routes)
{
    QStringList v_route_texts;
    for (const QStringList& v_visits : v_routes) {
        QStringList v_visit_texts;
        for (const QString& s_id : v_visits) {
            v_visit_texts.append(QStringLiteral(R"({"id":"%1"})").arg(s_id));
        }
        v_route_texts.append(QStringLiteral(R"({"visits":[%1]})").arg(v_visit_texts.join(',')));
    }
    return QStringLiteral(R"({"input":{"data":{"clients":[{"id":"D","address":)"
                          R"({"neighborhood":"Centro"}},{"id":"A"},{"id":"B"},{"id":"C"}]}},)"
                          R"("output":{"data":{"routes":[%1]}}})")
        .arg(v_route_texts.join(','))
        .toStdString();
}

// "category=value" for every bar of the chart in the view.
QStringList bars_of(QWidget& window, const char* s_view)
{
    QChart* chart = window.findChild<QChartView*>(s_view)->chart();
    const QStringList v_categories =
        qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).at(0))->categories();
    const QBarSet* set = qobject_cast<QBarSeries*>(chart->series().at(0))->barSets().at(0);
    QStringList v_bars;
    for (int bar = 0; bar < set->count(); ++bar) {
        v_bars.append(v_categories.value(bar, "?") + '=' + QString::number(set->at(bar)));
    }
    return v_bars;
}

}  // namespace

class TestAnalysisClientVisits : public QObject {
    Q_OBJECT

private slots:
    void every_client_visit_counts_and_the_depot_none()
    {
        QTemporaryDir folder;
        Database database(folder.filePath("tovalo.db").toStdString());
        QVERIFY(!database.open_database());
        const std::string s_today = QDate::currentDate().toString("yyyy-MM-dd").toStdString();
        const std::string s_two_routes = solved_document({{"D", "A", "B", "D"}, {"D", "C", "D"}});
        QVERIFY(!database.insert_instance("two routes", s_today, "0", 1, 1, s_two_routes, 1));
        QVERIFY(!database.insert_instance("one route", s_today, "0", 1, 1,
                                          solved_document({{"D", "A", "D"}}), 1));

        AnalysisWindow window(&database);
        QCOMPARE(bars_of(window, "ChartClientFrequency"), (QStringList{"A=2", "B=1", "C=1"}));
        QCOMPARE(bars_of(window, "ChartNeighFrequency"), QStringList{"Centro=3"});
    }
};

QTEST_MAIN(TestAnalysisClientVisits)
#include "test_analysis_client_visits.moc"

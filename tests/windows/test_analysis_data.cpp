// The analysis window's data side without widgets: reading the instances rows and the
// stored documents, and the sums per period.

#include "analysis_data.h"
#include "period_aggregation.h"

#include <QtTest>

#include <clocale>

namespace {

// "yyyy-MM-dd=value" texts (or "bad=value" for an invalid date) to records, and back.
std::vector<DatedValue> records_from(const QStringList& v_texts)
{
    std::vector<DatedValue> v_records;
    for (const QString& s_text : v_texts) {
        v_records.push_back({QDateTime::fromString(s_text.section('=', 0, 0), "yyyy-MM-dd"),
                             s_text.section('=', 1).toDouble()});
    }
    return v_records;
}

QStringList texts_from(const std::vector<DatedValue>& v_records)
{
    QStringList v_texts;
    for (const DatedValue& record : v_records) {
        v_texts.append((record.date.isValid() ? record.date.toString("yyyy-MM-dd") : "bad") + '=' +
                       QString::number(record.value));
    }
    return v_texts;
}

QStringList keys_of(const std::vector<KeyCount>& v_records)
{
    QStringList v_keys;
    for (const KeyCount& record : v_records) {
        v_keys.append(QString::fromStdString(record.key) + ':' + QString::number(record.count));
    }
    return v_keys;
}

// A solved document: depot neighbourhood and one route per first-visit id.
QString solved_document(const QString& s_routes)
{
    return QStringLiteral(R"({"input":{"data":{"clients":[{"id":"depot","address":{)"
                          R"("neighborhood":"Centro"}},{"id":"c1"}]}},)"
                          R"("output":{"data":{"routes":%1}}})")
        .arg(s_routes);
}

}  // namespace

class TestAnalysisData : public QObject {
    Q_OBJECT

private slots:
    // A Qt application takes the user's locale, whose decimal separator may be a comma: the
    // stored texts are read with a point all the same, their leading number only.
    void reads_decimal_texts()
    {
        const std::string s_previous = std::setlocale(LC_NUMERIC, nullptr);
        if (std::setlocale(LC_NUMERIC, "pt_BR.utf8") == nullptr) {
            qWarning("no pt_BR locale here: read under the C locale only");
        }
        double values[3] = {-99.0, -99.0, -99.0};
        const bool ok[3] = {read_decimal("1234.5", values[0]), read_decimal("-3.5km", values[1]),
                            read_decimal("+-1", values[2])};
        std::setlocale(LC_NUMERIC, s_previous.c_str());
        QCOMPARE(QString("%1 %2 %3 %4 %5").arg(ok[0]).arg(values[0]).arg(ok[1]).arg(values[1]).arg(ok[2]),
                 QString("1 1234.5 1 -3.5 0"));
        QCOMPARE(values[2], -99.0);
    }

    void reads_route_lists_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QStringList>("clients");
        QTest::addColumn<QStringList>("neighborhoods");
        const QStringList v_three = {"Centro:1", "Centro:1", "Centro:1"};
        QTest::newRow("three routes, first visits only")
            << solved_document(R"([{"visits":[{"id":"depot"},{"id":"c1"}]},)"
                               R"({"visits":[{"id":"depot"}]},{"visits":[{"id":"x"},{"id":"depot"}]}])")
            << QStringList{"depot:1", "depot:1", "x:1"} << v_three;
        QTest::newRow("empty visits") << solved_document(R"([{"visits":[]}])") << QStringList()
                                      << QStringList{"Centro:1"};
        QTest::newRow("visit id a number") << solved_document(R"([{"visits":[{"id":7}]}])")
                                           << QStringList() << QStringList{"Centro:1"};
        QTest::newRow("route not an object") << solved_document(R"([5,{"visits":[{"id":"a"}]}])")
                                             << QStringList{"a:1"}
                                             << QStringList{"Centro:1", "Centro:1"};
        QTest::newRow("routes an object") << solved_document(R"({"visits":[{"id":"a"}]})")
                                          << QStringList() << QStringList();
        QTest::newRow("no output") << R"({"input":{"data":{"clients":[]}}})" << QStringList()
                                   << QStringList();
        QTest::newRow("no clients")
            << R"({"output":{"data":{"routes":[{"visits":[{"id":"a"}]}]}}})"
            << QStringList{"a:1"} << QStringList();
        QTest::newRow("empty clients")
            << R"({"input":{"data":{"clients":[]}},"output":{"data":{"routes":[{"visits":[{"id":"a"}]}]}}})"
            << QStringList{"a:1"} << QStringList();
        QTest::newRow("neighbourhood a number")
            << R"({"input":{"data":{"clients":[{"address":{"neighborhood":3}}]}},)"
               R"("output":{"data":{"routes":[{"visits":[{"id":"a"}]}]}}})"
            << QStringList{"a:1"} << QStringList();
        QTest::newRow("text that does not parse") << "{\"output\":" << QStringList() << QStringList();
    }

    void reads_route_lists()
    {
        QFETCH(QString, json);
        QFETCH(QStringList, clients);
        QFETCH(QStringList, neighborhoods);
        RouteLists lists;
        append_route_lists(json.toStdString(), lists);
        QCOMPARE(keys_of(lists.v_clients), clients);
        QCOMPARE(keys_of(lists.v_neighborhoods), neighborhoods);
    }

    void turns_rows_into_records()
    {
        const std::string s_document =
            solved_document(R"([{"visits":[{"id":"depot"}]}])").toStdString();
        const std::vector<std::vector<std::string>> vv_rows = {
            {"a", "2024-03-05", "20240305", "12.5", "100", s_document, "300.25"},
            {"b", "2024-03-06", "20240306", "x", "100", s_document, "1"},       // distance unreadable
            {"c", "2024-03-07", "20240307", "1", "100", s_document, ""},        // cost unreadable
            {"d", "2024-03-08", "20240308", "1", "100", s_document},            // short row
            {"e", "8 March", "0", "2", "100", "{broken", "3"},                  // bad date and document
        };
        std::vector<DatedValue> v_cost;
        std::vector<DatedValue> v_distance;
        RouteLists lists;
        append_instance_rows(vv_rows, v_cost, v_distance, &lists);
        QCOMPARE(texts_from(v_cost), (QStringList{"2024-03-05=300.25", "bad=3"}));
        QCOMPARE(texts_from(v_distance), (QStringList{"2024-03-05=12.5", "bad=2"}));
        QCOMPARE(keys_of(lists.v_clients), QStringList{"depot:1"});
        QCOMPARE(keys_of(lists.v_neighborhoods), QStringList{"Centro:1"});

        // Without lists the documents are not read; the records are appended, not replaced.
        append_instance_rows(vv_rows, v_cost, v_distance, nullptr);
        QCOMPARE(v_cost.size(), size_t{4});
        QCOMPARE(v_distance.size(), size_t{4});
    }

    // Sums per day, ISO week (keyed by its Thursday) or month (keyed by its 15th), in date order;
    // records without a date share the first bucket; the input is left as it was.
    void aggregates_by_period_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("records");
        QTest::addColumn<QString>("sums");
        const auto row = [](const char* s_name, const char* s_period, const char* s_records, const char* s_sums) {
            QTest::newRow(s_name) << s_period << s_records << s_sums;
        };
        row("days", "day", "2024-03-07=5 2024-03-05=1 2024-03-07=2", "2024-03-05=1 2024-03-07=7");
        row("week 1 begins in December", "week", "2024-12-30=1 2025-01-01=2 2024-01-03=4", "2024-01-04=4 2025-01-02=3");
        row("week 53 ends in January", "week", "2021-01-01=1 2020-12-31=2", "2020-12-31=3");
        row("week 53 whose Thursday is 30 December", "week", "2004-12-31=1 2005-01-02=1", "2004-12-30=2");
        row("months in year order", "month", "2025-01-31=1 2024-12-01=2 2024-02-29=3", "2024-02-15=3 2024-12-15=2 2025-01-15=1");
        row("invalid dates", "month", "2024-01-01=1 bad=2 bad=3", "bad=5 2024-01-15=1");
        row("any other text is a day", "Month", "2024-03-05=1 2024-03-28=1", "2024-03-05=1 2024-03-28=1");
    }
    void aggregates_by_period()
    {
        QFETCH(QString, period);
        QFETCH(QString, records);
        QFETCH(QString, sums);
        const std::vector<DatedValue> v_records = records_from(records.split(' '));
        QCOMPARE(texts_from(aggregate_by_period(v_records, period_from_text(period))).join(' '), sums);
        QCOMPARE(texts_from(v_records).join(' '), records);
    }
};

QTEST_GUILESS_MAIN(TestAnalysisData)
#include "test_analysis_data.moc"

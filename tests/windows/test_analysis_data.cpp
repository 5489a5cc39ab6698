// The analysis window's data side without widgets: reading the instances rows and the
// stored documents, the sums per period, the counting of texts and the axis ranges.

#include "analysis_data.h"
#include "chart_ranges.h"
#include "period_aggregation.h"

#include <QtTest>

#include <clocale>

Q_DECLARE_METATYPE(std::vector<double>)

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
    // stored texts are read with a point all the same.
    void reads_decimal_texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("stored real") << "1234.5" << true << 1234.5;
        QTest::newRow("number prefix") << "-3.5km" << true << -3.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("two signs") << "+-1" << false << 0.0;
    }
    void reads_decimal_texts()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const std::string s_previous = std::setlocale(LC_NUMERIC, nullptr);
        if (std::setlocale(LC_NUMERIC, "pt_BR.utf8") == nullptr) {
            qWarning("no pt_BR locale here: read under the C locale only");
        }
        double read = -99.0;
        const bool read_ok = read_decimal(text.toStdString(), read);
        std::setlocale(LC_NUMERIC, s_previous.c_str());
        QCOMPARE(read_ok, ok);
        QCOMPARE(read, ok ? value : -99.0);
    }

    void reads_stored_dates()
    {
        QCOMPARE(stored_date("2024-03-05"), QDateTime(QDate(2024, 3, 5), QTime(0, 0), Qt::LocalTime));
        QVERIFY(!stored_date("05/03/2024").isValid() && !stored_date("").isValid());
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

    void aggregates_by_period_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("sums");
        QTest::newRow("day sums a date, sorts the dates")
            << "day" << QStringList{"2024-03-07=5", "2024-03-05=1", "2024-03-07=2"}
            << QStringList{"2024-03-05=1", "2024-03-07=7"};
        QTest::newRow("week 1 begins in December") << "week"
                                                   << QStringList{"2024-12-30=1", "2025-01-01=2", "2024-01-03=4"}
                                                   << QStringList{"2024-01-04=4", "2025-01-02=3"};
        QTest::newRow("week 53 ends in January")
            << "week" << QStringList{"2021-01-01=1", "2020-12-31=2"} << QStringList{"2020-12-31=3"};
        QTest::newRow("week 53 whose Thursday is 30 December")
            << "week" << QStringList{"2004-12-31=1", "2005-01-02=1"} << QStringList{"2004-12-30=2"};
        QTest::newRow("months in year order") << "month"
                                              << QStringList{"2025-01-31=1", "2024-12-01=2", "2024-02-29=3"}
                                              << QStringList{"2024-02-15=3", "2024-12-15=2", "2025-01-15=1"};
        QTest::newRow("invalid dates share the first bucket")
            << "month" << QStringList{"2024-01-01=1", "bad=2", "bad=3"} << QStringList{"bad=5", "2024-01-15=1"};
        QTest::newRow("any other text is a day")
            << "Month" << QStringList{"2024-03-05=1", "2024-03-28=1"} << QStringList{"2024-03-05=1", "2024-03-28=1"};
    }
    void aggregates_by_period()
    {
        QFETCH(QString, period);
        QFETCH(QStringList, records);
        QFETCH(QStringList, sums);
        const std::vector<DatedValue> v_records = records_from(records);
        QCOMPARE(texts_from(aggregate_by_period(v_records, period_from_text(period))), sums);
        QCOMPARE(texts_from(v_records), records);  // the input is left as it was
    }

    // Sorted by bytes (upper case first, UTF-8 after ASCII); the loaders' counts are not read.
    void counts_frequencies()
    {
        std::vector<KeyCount> v_records;
        for (const char* s_key : {"b", "a", "b", "B", "\u00e9", "z"}) v_records.push_back({s_key, 9});
        QCOMPARE(keys_of(count_frequencies(v_records)), (QStringList{"B:1", "a:1", "b:2", "z:1", "\u00e9:1"}));
    }

    void works_out_value_ranges_data()
    {
        QTest::addColumn<bool>("cost");
        QTest::addColumn<std::vector<double>>("values");
        QTest::addColumn<QString>("range");
        QTest::newRow("cost empty") << true << std::vector<double>{} << "none";
        QTest::newRow("cost well above zero") << true << std::vector<double>{100, 200} << "90 230";
        QTest::newRow("cost near zero") << true << std::vector<double>{10, 100} << "0 127";
        QTest::newRow("cost 0.3 rule wins") << true << std::vector<double>{10, 50} << "0 62";
        QTest::newRow("cost all equal") << true << std::vector<double>{150, 150} << "0 195";
        QTest::newRow("cost all zero") << true << std::vector<double>{0} << "0 1";
        QTest::newRow("bars 1 1 4") << false << std::vector<double>{1, 1, 4} << "0 4.9";
        QTest::newRow("bars equal") << false << std::vector<double>{3, 3} << "0 3";
    }
    void works_out_value_ranges()
    {
        QFETCH(bool, cost);
        QFETCH(std::vector<double>, values);
        QFETCH(QString, range);
        const std::optional<AxisRange> result = cost ? cost_value_range(values) : bar_value_range(values);
        QCOMPARE(result ? QString("%1 %2").arg(result->min).arg(result->max) : QString("none"), range);
    }

    // Five days around a single date, five days around the first and last of several.
    void works_out_date_axis_range()
    {
        QVERIFY(!date_axis_range({}));
        QVERIFY(!date_axis_range(records_from({"bad=1"})));
        const auto day = [](const std::optional<AxisRange>& range, bool max) {
            const qint64 msecs = static_cast<qint64>(max ? range->max : range->min);
            return QDateTime::fromMSecsSinceEpoch(msecs).toString("yyyy-MM-dd hh:mm");
        };
        const std::optional<AxisRange> single = date_axis_range(records_from({"2024-03-10=1", "bad=1"}));
        QCOMPARE(day(single, false) + ' ' + day(single, true), QString("2024-03-05 00:00 2024-03-15 00:00"));
        const std::optional<AxisRange> two = date_axis_range(records_from({"2024-03-30=1", "2024-02-02=1"}));
        QCOMPARE(day(two, false) + ' ' + day(two, true), QString("2024-01-28 00:00 2024-04-04 00:00"));
    }
};

QTEST_GUILESS_MAIN(TestAnalysisData)
#include "test_analysis_data.moc"

// The analysis window's data side without widgets: reading the instances rows and
// the stored documents, the sums per period, the counting of texts and the axis ranges.

#include "analysis_data.h"
#include "chart_ranges.h"
#include "period_aggregation.h"

#include <QtTest>

#include <clocale>

namespace {

const QString k_day_format = QStringLiteral("yyyy-MM-dd");

// "yyyy-MM-dd=value" texts (or "bad=value" for an invalid date) to records.
std::vector<DatedValue> records_from(const QStringList& v_texts)
{
    std::vector<DatedValue> v_records;
    for (const QString& s_text : v_texts) {
        const QStringList v_parts = s_text.split('=');
        v_records.push_back({QDateTime::fromString(v_parts[0], k_day_format), v_parts[1].toDouble()});
    }
    return v_records;
}

QStringList texts_from(const std::vector<DatedValue>& v_records)
{
    QStringList v_texts;
    for (const DatedValue& record : v_records) {
        const QString s_date =
            record.date.isValid() ? record.date.toString(k_day_format) : QStringLiteral("bad");
        v_texts.append(s_date + '=' + QString::number(record.value));
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

std::vector<KeyCount> counted(const QStringList& v_keys)
{
    std::vector<KeyCount> v_records;
    for (const QString& s_key : v_keys) {
        v_records.push_back({s_key.toStdString(), 1});
    }
    return v_records;
}

// A solved document: depot neighbourhood and one route per first-visit id.
QString solved_document(const QString& s_routes)
{
    return QStringLiteral(R"({"input":{"data":{"clients":[{"id":"depot","address":{)"
                          R"("neighborhood":"Centro"}},{"id":"c1"}]}},)"
                          R"("output":{"data":{"routes":%1}}})")
        .arg(s_routes);
}

std::vector<double> numbers_from(const QString& s_numbers)
{
    std::vector<double> v_numbers;
    for (const QString& s_number : s_numbers.split(' ', Qt::SkipEmptyParts)) {
        v_numbers.push_back(s_number.toDouble());
    }
    return v_numbers;
}

}  // namespace

class TestAnalysisData : public QObject {
    Q_OBJECT

private slots:
    void reads_decimal_texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("stored real") << "1234.5" << true << 1234.5;
        QTest::newRow("number prefix") << "3.5km" << true << 3.5;
        QTest::newRow("negative") << "-2.5" << true << -2.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("word") << "abc" << false << 0.0;
        QTest::newRow("two signs") << "+-1" << false << 0.0;
    }

    void reads_decimal_texts()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        double read = -99.0;
        QCOMPARE(read_decimal(text.toStdString(), read), ok);
        QCOMPARE(read, ok ? value : -99.0);
    }

    void reads_decimals_with_a_point_under_a_comma_locale()
    {
        // A Qt application takes the user's locale, whose decimal separator may be a comma.
        const std::string s_previous = std::setlocale(LC_NUMERIC, nullptr);
        if (std::setlocale(LC_NUMERIC, "pt_BR.utf8") == nullptr) {
            qWarning("no pt_BR locale here: the comma case is not tried");
            return;
        }
        double value = 0.0;
        const bool ok = read_decimal("1234.5", value);
        std::setlocale(LC_NUMERIC, s_previous.c_str());
        QVERIFY(ok);
        QCOMPARE(value, 1234.5);
    }

    void reads_stored_dates()
    {
        const QDateTime date = stored_date("2024-03-05");
        QCOMPARE(date.date(), QDate(2024, 3, 5));
        QCOMPARE(date.time(), QTime(0, 0));
        QCOMPARE(date.timeSpec(), Qt::LocalTime);
        QVERIFY(!stored_date("05/03/2024").isValid());
        QVERIFY(!stored_date("").isValid());
    }

    void reads_route_lists_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QStringList>("clients");
        QTest::addColumn<QStringList>("neighborhoods");
        const QStringList v_three = {"Centro:1", "Centro:1", "Centro:1"};
        QTest::newRow("three routes, depot visits left out")
            << solved_document(R"([{"visits":[{"id":"depot"},{"id":"c1"}]},)"
                               R"({"visits":[{"id":"depot"}]},{"visits":[{"id":"x"},{"id":"depot"}]}])")
            << QStringList{"c1:1", "x:1"} << v_three;
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
            << QStringList() << QStringList();
        QTest::newRow("empty clients")
            << R"({"input":{"data":{"clients":[]}},"output":{"data":{"routes":[{"visits":[{"id":"a"}]}]}}})"
            << QStringList() << QStringList();
        QTest::newRow("neighbourhood a number")
            << R"({"input":{"data":{"clients":[{"address":{"neighborhood":3}}]}},)"
               R"("output":{"data":{"routes":[{"visits":[{"id":"a"}]}]}}})"
            << QStringList() << QStringList();
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
            solved_document(R"([{"visits":[{"id":"depot"},{"id":"c1"}]}])").toStdString();
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
        QCOMPARE(keys_of(lists.v_clients), QStringList{"c1:1"});
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
        QTest::newRow("week 1 begins in December")
            << "week" << QStringList{"2024-12-30=1", "2025-01-01=2", "2024-01-03=4"}
            << QStringList{"2024-01-04=4", "2025-01-02=3"};
        QTest::newRow("week 53 ends in January")
            << "week" << QStringList{"2021-01-01=1", "2020-12-31=2"} << QStringList{"2020-12-31=3"};
        QTest::newRow("week 53 whose Thursday is 30 December")
            << "week" << QStringList{"2004-12-31=1", "2005-01-02=1"} << QStringList{"2004-12-30=2"};
        QTest::newRow("months in year order")
            << "month" << QStringList{"2025-01-31=1", "2024-12-01=2", "2024-02-29=3"}
            << QStringList{"2024-02-15=3", "2024-12-15=2", "2025-01-15=1"};
        QTest::newRow("invalid dates share the first bucket")
            << "month" << QStringList{"2024-01-01=1", "bad=2", "bad=3"}
            << QStringList{"bad=5", "2024-01-15=1"};
        QTest::newRow("any other text is a day")
            << "Month" << QStringList{"2024-03-05=1", "2024-03-28=1"}
            << QStringList{"2024-03-05=1", "2024-03-28=1"};
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

    void period_keys_keep_the_opening_time()
    {
        // The key date of a week keeps the time of the record that opened the bucket.
        const QDateTime opening(QDate(2024, 12, 30), QTime(8, 30));
        const std::vector<DatedValue> v_weeks = aggregate_by_week({{opening, 1.0}});
        QCOMPARE(v_weeks.at(0).date, QDateTime(QDate(2025, 1, 2), QTime(8, 30)));
        QCOMPARE(v_weeks.at(0).date.toString("d-M-yy"), QString("2-1-25"));
        QCOMPARE(aggregate_by_month({{opening, 1.0}}).at(0).date.toString("M-yy"), QString("12-24"));
    }

    void counts_frequencies_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("counts");
        QTest::newRow("sorted and counted") << QStringList{"b", "a", "b"}
                                            << QStringList{"a:1", "b:2"};
        QTest::newRow("upper case first") << QStringList{"a", "B"} << QStringList{"B:1", "a:1"};
        QTest::newRow("bytes of UTF-8") << QStringList{"\u00e9", "z"}
                                        << QStringList{"z:1", "\u00e9:1"};
    }

    void counts_frequencies()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, counts);
        std::vector<KeyCount> v_records = counted(keys);
        for (KeyCount& record : v_records) {
            record.count = 9;  // the loaders' counts are not read
        }
        QCOMPARE(keys_of(count_frequencies(v_records)), counts);
    }

    void works_out_value_ranges_data()
    {
        QTest::addColumn<bool>("cost");
        QTest::addColumn<QString>("values");
        QTest::addColumn<bool>("set");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::newRow("cost empty") << true << "" << false << 0.0 << 0.0;
        QTest::newRow("cost well above zero") << true << "100 200" << true << 90.0 << 230.0;
        QTest::newRow("cost near zero") << true << "10 100" << true << 0.0 << 127.0;
        QTest::newRow("cost 0.3 rule wins") << true << "10 50" << true << 0.0 << 62.0;
        QTest::newRow("cost all equal") << true << "150 150" << true << 0.0 << 195.0;
        QTest::newRow("cost all zero") << true << "0" << true << 0.0 << 1.0;
        QTest::newRow("bars 1 1 4") << false << "1 1 4" << true << 0.0 << 4.9;
        QTest::newRow("bars equal") << false << "3 3" << true << 0.0 << 3.0;
    }

    void works_out_value_ranges()
    {
        QFETCH(bool, cost);
        QFETCH(QString, values);
        QFETCH(bool, set);
        QFETCH(double, min);
        QFETCH(double, max);
        const std::vector<double> v_values = numbers_from(values);
        const std::optional<AxisRange> range =
            cost ? cost_value_range(v_values) : bar_value_range(v_values);
        QCOMPARE(range.has_value(), set);
        if (range) {
            QCOMPARE(range->min, min);
            QCOMPARE(range->max, max);
        }
    }

    void works_out_date_axis_range()
    {
        QVERIFY(!date_axis_range({}));
        QVERIFY(!date_axis_range(records_from({"bad=1"})));
        const auto msecs = [](int year, int month, int day) {
            return static_cast<double>(QDateTime(QDate(year, month, day), QTime(0, 0)).toMSecsSinceEpoch());
        };
        const std::optional<AxisRange> single = date_axis_range(records_from({"2024-03-10=1", "bad=1"}));
        QVERIFY(single);
        QCOMPARE(single->min, msecs(2024, 3, 5));
        QCOMPARE(single->max, msecs(2024, 3, 15));
        const std::optional<AxisRange> two = date_axis_range(records_from({"2024-03-30=1", "2024-02-02=1"}));
        QVERIFY(two);
        QCOMPARE(two->min, msecs(2024, 1, 28));
        QCOMPARE(two->max, msecs(2024, 4, 4));
    }
};

QTEST_GUILESS_MAIN(TestAnalysisData)
#include "test_analysis_data.moc"

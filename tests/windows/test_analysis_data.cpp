// The analysis window's data side without widgets (sums and axes: through the window's charts).

#include "analysis_data.h"

#include <QtTest>

#include <clocale>

namespace {

// "yyyy-MM-dd=value" (or "bad=value" for an invalid date) of each record.
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
        QCOMPARE(QString("%1 %2 %3 %4").arg(ok[0]).arg(values[0]).arg(ok[1]).arg(values[1]),
                 QString("1 1234.5 1 -3.5"));
        QVERIFY(!ok[2] && values[2] == -99.0);
    }

    void reads_route_lists_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QStringList>("clients");
        QTest::addColumn<QStringList>("neighborhoods");
        const QStringList v_three = {"Centro:1", "Centro:1", "Centro:1"};
        QTest::newRow("three routes, depot visits left out")
            << solved_document(
                   R"([{"visits":[{"id":"depot"},{"id":"c1"}]},)"
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
        QTest::newRow("neighbourhood a number")
            << R"({"input":{"data":{"clients":[{"address":{"neighborhood":3}}]}},)"
               R"("output":{"data":{"routes":[{"visits":[{"id":"a"}]}]}}})"
            << QStringList() << QStringList();
        QTest::newRow("text that does not parse")
            << "{\"output\":" << QStringList() << QStringList();
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
            {"b", "2024-03-06", "20240306", "x", "100", s_document, "1"},  // distance unreadable
            {"c", "2024-03-07", "20240307", "1", "100", s_document, ""},   // cost unreadable
            {"d", "2024-03-08", "20240308", "1", "100", s_document},       // short row
            {"e", "8 March", "0", "2", "100", "{broken", "3"},             // bad date and document
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
};

QTEST_GUILESS_MAIN(TestAnalysisData)
#include "test_analysis_data.moc"

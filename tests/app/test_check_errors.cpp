// The gate in front of every use of a document's output part, and the texts it shows.
#include "app_test_support.h"

#include "check_error_texts.h"
#include "json_document.h"

#include <QtTest>

class CheckErrorsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        opened = std::make_unique<WindowFixture>();
    }

    void cleanup()
    {
        opened.reset();
    }

    void error_code_shows_its_texts_data()
    {
        QTest::addColumn<QString>("s_error");
        QTest::addColumn<QString>("s_status");
        QTest::addColumn<QString>("s_box");
        const QString s_problem = "Problem generating input file...";
        const QString s_general = "Problem generating the input data file (json)";
        QTest::newRow("missing_json_field") << R"("missing_json_field")" << s_problem << "Missing json field (json)";
        QTest::newRow("missing_matrix") << R"("missing_matrix")" << s_problem << "Distance matrix problem (json)";
        QTest::newRow("invalid_distance_query") << R"("invalid_distance_query")" << s_problem
                                                << "Distance matrix API problem - invalid_query (json)";
        QTest::newRow("undefined_osrm_http_error") << R"("undefined_osrm_http_error")" << s_problem
                                                   << "Undefined OSRM API problem (json)";
        QTest::newRow("no_internet_connection") << R"("no_internet_connection")" << s_problem << "No internet connection";
        QTest::newRow("too_many_clients") << R"("too_many_clients")" << s_problem
                                          << "Too many clients on distance matrix (json)";
        QTest::newRow("osrm_api_error") << R"("osrm_api_error")" << s_problem << "OSRM API error (json)";
        QTest::newRow("over_query_limit_google")
            << R"("over_query_limit_google")" << "Exceding google request allowed..."
            << "Exceding google request allowed for time period, please check your google API configurations";
        QTest::newRow("wrong_google_api_key") << R"("wrong_google_api_key")" << s_problem << s_general;
        QTest::newRow("other letter case") << R"("Missing_Matrix")" << s_problem << s_general;
        QTest::newRow("error that is no text") << "42" << s_problem << s_general;
    }

    void error_code_shows_its_texts()
    {
        QFETCH(QString, s_error);
        QFETCH(QString, s_status);
        QFETCH(QString, s_box);
        MainWindowProbe& probe = opened->probe;
        MessageRecorder& boxes = opened->messages;
        probe.status_label().setText("busy");
        const rapidjson::Document document = string_to_json(
            R"({"output":{"meta_info":{"error":)" + s_error.toStdString() + R"(,"message":"ignored"}}})");

        QVERIFY(!probe.check_json_error(document));
        QCOMPARE(boxes.v_boxes.size(), size_t(1));
        QCOMPARE(boxes.v_boxes[0].s_title, QString("Input data error"));
        QCOMPARE(boxes.v_boxes[0].s_text, s_box);
        QCOMPARE(boxes.v_boxes[0].s_status, s_status);
        QCOMPARE(probe.status_label().text(), QString());
    }

    void documents_without_error_record_data()
    {
        QTest::addColumn<QString>("s_json");
        QTest::addColumn<bool>("solved");
        QTest::newRow("empty text") << "" << false;
        QTest::newRow("built from the grids") << R"({"input":{"data":{}}})" << false;
        QTest::newRow("output that is no object") << R"({"output":[1]})" << false;
        QTest::newRow("solved") << R"({"output":{"data":{"routes":[]},"summary":{}}})" << true;
        QTest::newRow("meta_info without error") << R"({"output":{"meta_info":{"message":"x"}}})" << true;
    }

    void documents_without_error_record()
    {
        QFETCH(QString, s_json);
        QFETCH(bool, solved);
        QCOMPARE(opened->probe.check_json_error(string_to_json(s_json.toStdString())), solved);
        QVERIFY(opened->messages.v_boxes.empty());
    }

private:
    std::unique_ptr<WindowFixture> opened;
};

QTEST_MAIN(CheckErrorsTest)
#include "test_check_errors.moc"

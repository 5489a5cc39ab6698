// The check and optimisation jobs on real pool threads, their texts received on the GUI
// thread, and the names under which the signals' types cross threads.

#include "document_jobs.h"
#include "geostub_process.h"
#include "jobs_recorder.h"
#include "jobs_test_support.h"
#include "json_access.h"
#include "json_document.h"
#include "service_config.h"
#include "thread_jobs.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QtTest>

namespace {

const std::string k_instance = R"({"input":{"data":{"clients":[)"
    R"({"id":"depot","early_tw":0,"late_tw":10000,"service_time":0,"demand":0},)"
    R"({"id":"a","early_tw":0,"late_tw":10000,"service_time":60,"demand":5},)"
    R"({"id":"b","early_tw":0,"late_tw":10000,"service_time":60,"demand":3}],)"
    R"("containers":[{"container_id":"Truck","container_qt":2,"container_dim":100,)"
    R"("container_fixed_cost":50,"container_var_cost":1}],)"
    R"("Mdij":[[0,10,20],[10,0,15],[20,15,0]],"Mtij":[[0,10,20],[10,0,15],[20,15,0]]},)"
    R"("meta_info":{"prob_type":"VRPTW","max_time":1}}})";

std::string instance_without_clients()
{
    rapidjson::Document document = string_to_json(k_instance);
    document["input"]["data"].EraseMember("clients");
    return json_to_string(document);
}

// output.meta_info.<name> of a document text, or "" when it is not there.
std::string record_member(const std::string& s_json, const char* name)
{
    const rapidjson::Document document = string_to_json(s_json);
    const rapidjson::Value* output = find_member(document, "output");
    const rapidjson::Value* meta_info = output ? find_member(*output, "meta_info") : nullptr;
    std::string s_text;
    return meta_info && read_string_member(*meta_info, name, s_text) ? s_text : "";
}

}  // namespace

class DocumentJobsTest : public JobsTestBase {
    Q_OBJECT

private:
    // Runs one document job and hands back what its end signal carried.
    template <typename Start>
    std::string end_text(Start start, std::vector<std::string>& v_events)
    {
        WatchedJobs watched;
        start(watched.jobs);
        const bool arrived = watched.ended.wait(20000);
        const JobsRecorder& recorder = watched.recorder;
        v_events = recorder.v_events;
        return arrived && !recorder.off_gui_thread ? recorder.s_json : "no end on the GUI thread";
    }

private slots:

    void signal_types_are_known_by_their_declared_names()
    {
        ThreadJobs jobs;  // registers them
        const QMetaObject& meta = ThreadJobs::staticMetaObject;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            for (const QByteArray& type : method.parameterTypes()) {
                QVERIFY2(QMetaType::type(type) != QMetaType::UnknownType,
                         (method.methodSignature() + " " + type).constData());
            }
        }
    }

    void check_json_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("json_ok");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("message");
        QTest::newRow("matrices present") << QString::fromStdString(k_instance) << true << ""
                                          << "";
        QTest::newRow("no clients") << QString::fromStdString(instance_without_clients())
                                    << false << "missing_json_field" << "missing 'clients' field";
        QTest::newRow("not json") << "plain text {" << false << "missing_json_field"
                                  << "missing 'input' field";
    }

    void check_json()
    {
        QFETCH(QString, text);
        QFETCH(bool, json_ok);
        QFETCH(QString, error);
        QFETCH(QString, message);
        std::vector<std::string> v_events;
        // "google" would need a request if the check fetched anything.
        const std::string s_json = end_text(
            [&](ThreadJobs& jobs) { jobs.check_json(text.toStdString(), "google", "KEY"); },
            v_events);
        QCOMPARE(v_events,
                 std::vector<std::string>{"end check json_ok " + std::to_string(json_ok)});
        QCOMPARE(record_member(s_json, "error"), error.toStdString());
        QCOMPARE(record_member(s_json, "message"), message.toStdString());
        QCOMPARE(stub.requests().size(), size_t(0));
    }

    void optimize_returns_the_solved_document()
    {
        std::vector<std::string> v_events;
        const std::string s_json =
            end_text([](ThreadJobs& jobs) { jobs.optimize(k_instance); }, v_events);
        QCOMPARE(v_events, std::vector<std::string>{"end optimize"});
        QCOMPARE(record_member(s_json, "error"), std::string());
        const rapidjson::Document document = string_to_json(s_json);
        QVERIFY(document.IsObject() && document.HasMember("input") && document.HasMember("output"));
        const rapidjson::Value& output = document["output"];
        QVERIFY(output.HasMember("summary"));
        QVERIFY(output["data"]["routes"].IsArray());
        QCOMPARE(output["data"]["unrouted_clients"].Size(), rapidjson::SizeType(0));
    }

    void optimize_refuses_documents_without_meta_info()
    {
        for (const auto& text_and_message :
             {std::pair{"][", "missing 'input' field"},
              std::pair{R"({"input":{"data":{}}})", "missing 'meta_info' field"}}) {
            const std::string s_text = text_and_message.first;
            std::vector<std::string> v_events;
            const std::string s_json =
                end_text([&](ThreadJobs& jobs) { jobs.optimize(s_text); }, v_events);
            QCOMPARE(record_member(s_json, "error"), std::string("missing_json_field"));
            QCOMPARE(record_member(s_json, "message"), std::string(text_and_message.second));
            settle_thread_pool();
        }
    }

    void solution_method_picks_the_search()
    {
        const std::vector<std::pair<std::string, bool>> v_cases{
            {R"({})", true},
            {R"({"solution_method":"normal"})", true},
            {R"({"solution_method":"Normal"})", false},
            {R"({"solution_method":1})", false},
            {R"({"solution_method":["normal"]})", false}};
        for (const auto& [s_meta_info, plain] : v_cases) {
            QVERIFY2(solves_with_plain_search(string_to_json(s_meta_info)) == plain,
                     s_meta_info.c_str());
        }
    }
};

QTEST_GUILESS_MAIN(DocumentJobsTest)
#include "test_document_jobs.moc"

// The jobs on real pool threads with the loopback stand-in and a real database file.

#include "database.h"
#include "document_jobs.h"
#include "geostub_process.h"
#include "json_document.h"
#include "pause_gate.h"
#include "service_config.h"
#include "test_environment.h"
#include "thread_jobs.h"

#include <QSemaphore>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include <functional>

using Strings = std::vector<std::string>;

namespace {

// A jobs object as a window holds it. Each signal, received on the GUI thread, becomes an event
// ("grid 0 2 48.85 2.35": status 0 for row 2); documents and tables are kept aside.
struct Watched {
    Watched()
    {
        watch(&ThreadJobs::on_client_scanned_grid, "grid");
        watch(&ThreadJobs::on_client_scanned_database, "database");
        watch(&ThreadJobs::on_end_processing_grid, "end grid");
        watch(&ThreadJobs::on_end_processing_database, "end database");
        watch(&ThreadJobs::on_end_optimize, "optimize");
        watch(&ThreadJobs::on_end_check_json, "check");
    }
    template <typename... Args>
    void watch(void (ThreadJobs::*signal)(Args...), const std::string& s_name)
    {
        QObject::connect(&jobs, signal, &receiver, [this, s_name](Args... args) {
            std::string s_event = s_name;
            (add(s_event, args), ...);
            QCOMPARE(QThread::currentThread(), qApp->thread());
            v_events.push_back(s_event);
            on_event(s_event);
        });
    }
    void add(std::string& s_event, int value) { s_event += " " + std::to_string(value); }
    void add(std::string& s_event, const std::string& s)
    {
        s[0] == '{' ? s_json = s : s_event += " " + s;
    }
    void add(std::string&, const TextTable& vv) { vv_table = vv; }
    ThreadJobs jobs;
    QObject receiver;
    Strings v_events;
    TextTable vv_table;
    std::string s_json;
    std::function<void(const std::string&)> on_event = [](const std::string&) {};
};

// Delivers what the ended job queued; the pool's threads end, so that TSan sees new ones start.
void finish(const QFuture<void>& future)
{
    QTRY_VERIFY_WITH_TIMEOUT(future.isFinished(), 20000);
    QCoreApplication::sendPostedEvents();
    QThreadPool::globalInstance()->waitForDone();
}

// name, address, number, neighborhood, city, state, country, lat, long
Strings row(const std::string& s_name, const std::string& s_lat = "", const std::string& s_lon = "",
            const std::string& s_address = "Oak Road", const std::string& s_number = "10")
{
    return {s_name, s_address, s_number, "Centre", "Town", "", "", s_lat, s_lon};
}

// The lookups answered in turn, the last answer repeating.
std::string script(const std::string& s_answers)
{
    return R"({"routes":{"/search":[)" + s_answers + "]}}";
}

const std::string k_found = R"({"json":[{"lat":"48.85","lon":"2.35"}]})", k_grid = "osrm_relaxed";
std::atomic<bool> queue_warning{false};
QtMessageHandler previous_handler = nullptr;

}  // namespace

class JobsTest : public QObject {
    Q_OBJECT

    GeoStub stub;

private slots:
    void initTestCase()
    {
        previous_handler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& at,
                                                     const QString& s) {
            queue_warning = queue_warning || s.contains("Cannot queue arguments");
            previous_handler(type, at, s);
        });
        QVERIFY2(stub.start(), "the loopback stand-in did not start");
        point_services_at(stub);
    }
    // Every signal is received here: a type not registered under its declared name fails.
    void cleanup() { QVERIFY2(!queue_warning, "Qt could not queue a signal's arguments"); }

    // The check with matrices present asks no service ("google" would) and hands back the
    // document as it was; a text without clients or no JSON at all ends in an error record;
    // optimize solves. Each reported document holds its part.
    void document_jobs_report_their_document()
    {
        rapidjson::Document document = load_json_file(test_data_dir() + "/malformed/base.json");
        const std::string s_instance = json_to_string(document);
        document["input"]["data"].EraseMember("clients");
        const std::string s_missing = "{\"error\":\"missing_json_field\",\"message\":\"missing '";
        // A number beyond the double range cannot be written back: a failed run naming it.
        const std::string s_overflowing =
            R"({"input":{"meta_info":{"prob_type":"VRPTW","max_time":17.7e308}}})";
        const std::string s_unwritable =
            R"({"output":{"meta_info":{"error":"missing_json_field",)"
            R"("message":"missing or invalid 'input.meta_info.max_time' field"}}})";
        const std::tuple<bool, std::string, std::string, std::string> cases[] = {
            {true, s_overflowing, "check 0", s_unwritable},
            {false, s_overflowing, "optimize", s_unwritable},
            {true, s_instance, "check 1", s_instance},
            {true, json_to_string(document), "check 0", s_missing + "clients'"},
            {true, "plain text {", "check 0", s_missing + "input'"},
            {false, R"({"input":{"data":{}}})", "optimize", s_missing + "meta_info'"},
            {false, s_instance, "optimize",
             R"("output":{"data":{"routes":[{"visits":[{"id":"depot")"}};
        for (const auto& [check, s_text, s_event, s_part] : cases) {
            Watched watched;
            finish(check ? watched.jobs.check_json(s_text, "google", "")
                         : watched.jobs.optimize(s_text));
            QCOMPARE(watched.v_events, Strings{s_event});
            QVERIFY2(watched.s_json.find(s_part) != std::string::npos, watched.s_json.c_str());
        }
        QCOMPARE(stub.requests().size(), size_t(0));
        QVERIFY(solves_with_plain_search(string_to_json("{}")) &&
                solves_with_plain_search(string_to_json(R"({"solution_method":"normal"})")) &&
                !solves_with_plain_search(string_to_json(R"({"solution_method":"Normal"})")));
    }

    // Rows [valid coordinates, found, not found, valid]: their statuses, then the end with the
    // table, a pause after each lookup. An unknown service is a failed lookup without a request;
    // empty tables end at once; a closed connection at row 3 of 10 ends the search there.
    void grid_reports_each_row_then_its_end()
    {
        PauseGate pauses;
        Watched watched;
        const TextTable vv_rows{row("depot", "-25,43", "-49,27"), row("a"), row("b", "95", "10"),
                                row("c", "1.5", "2.5")};
        stub.set_script(script(k_found + R"(,{"json":[]})"));
        finish(watched.jobs.collect_lat_long_grid(vv_rows, "me@x.org", "KEY", k_grid));
        QCOMPARE(watched.vv_table,
                 (TextTable{vv_rows[0], row("a", "48.85", "2.35"), vv_rows[2], vv_rows[3]}));
        finish(watched.jobs.collect_lat_long_grid({row("a")}, "", "KEY", "here"));
        finish(watched.jobs.collect_lat_long_grid({}, "", "", k_grid));
        finish(watched.jobs.collect_lat_long_database({row("id", "lat", "long")}, "", "", k_grid));
        const TextTable vv_database{row("id"), row("a", "1", "2"), row("b"), row("c")};
        finish(watched.jobs.collect_lat_long_database(vv_database, "", "", k_grid));
        QCOMPARE(watched.v_events,
                 (Strings{"grid 6 0 -25,43 -49,27", "grid 0 1 48.85 2.35", "grid 2 2 95 10",
                          "grid 6 3 1.5 2.5", "end grid 0", "grid 2 0  ", "end grid 0",
                          "end grid 1", "end database 1", "database 6 1", "database 2 2",
                          "database 2 3", "end database 0"}));
        QCOMPARE(stub.requests().size(), size_t(4));
        Watched closed;
        stub.set_script(script(k_found + "," + k_found + "," + k_found + R"(,{"close":true})"));
        finish(closed.jobs.collect_lat_long_grid(TextTable(10, row("c")), "", "", k_grid));
        QCOMPARE(closed.v_events, (Strings{"grid 0 0 48.85 2.35", "grid 0 1 48.85 2.35",
                                           "grid 0 2 48.85 2.35", "grid 1 3  "}));
        QCOMPARE(stub.requests().size(), size_t(4));
        QCOMPARE(pauses.list(), (std::vector<long>{800, 800, 1200, 1200, 800, 800, 800}));
    }

    // A stop before the job begins (queued behind another) is kept; a stop during a row (the
    // job held in the pause after it) ends the search after that row; a new start, stopped
    // first or not, ends the old job: it reports nothing more, the new one writes alone.
    void stops_and_new_starts_end_the_running_search()
    {
        stub.set_script(script(k_found));
        Watched queued;  // before the pool thread starts, for ThreadSanitizer
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        QSemaphore busy;
        const QFuture<void> blocker = QtConcurrent::run([&] { busy.acquire(); });
        const QFuture<void> job =
            queued.jobs.collect_lat_long_grid(TextTable(3, row("c")), "", "", k_grid);
        queued.jobs.stop_processing();
        busy.release();
        finish(job);
        QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
        QCOMPARE(queued.v_events.size() + stub.requests().size(), size_t(0));
        for (const int mode : {0, 1, 2}) {  // stop; stop and start anew; start anew
            PauseGate pauses(0);
            stub.set_script(script(k_found));
            Watched watched;
            QFuture<void> new_job;
            const TextTable vv_new{row("x", "1", "2"), row("y", "3", "4")};
            watched.on_event = [&](const std::string& s_event) {
                if (s_event != "grid 0 0 48.85 2.35") return;
                if (mode < 2) watched.jobs.stop_processing();
                if (mode > 0) new_job = watched.jobs.collect_lat_long_grid(vv_new, "", "", k_grid);
                pauses.release();
            };
            finish(watched.jobs.collect_lat_long_grid(TextTable(4, row("c")), "", "", k_grid));
            finish(new_job);
            Strings v_expected{"grid 0 0 48.85 2.35"};
            if (mode > 0)
                v_expected.insert(v_expected.end(), {"grid 6 0 1 2", "grid 6 1 3 4", "end grid 1"});
            QCOMPARE(watched.v_events, v_expected);
            QCOMPARE(watched.vv_table, mode == 0 ? TextTable{} : vv_new);
            QCOMPARE(stub.requests().size(), size_t(1));
        }
    }

    // Every job stopped at once, as a closing window stops them (a matrix request and a lookup
    // held by stalled answers, a search with a 60 s limit): each ends within a second, silent.
    void a_stop_ends_every_job_at_once()
    {
        const std::string s_search = R"({"input":{"data":{"clients":[)"
            R"({"id":"depot","early_tw":0,"late_tw":10000,"service_time":0,"demand":0},)"
            R"({"id":"a","early_tw":0,"late_tw":10000,"service_time":60,"demand":5},)"
            R"({"id":"b","early_tw":0,"late_tw":10000,"service_time":60,"demand":3}],)"
            R"("containers":[{"container_id":"Truck","container_qt":2,"container_dim":100,)"
            R"("container_fixed_cost":50,"container_var_cost":1}],)"
            R"("Mdij":[[0,10,20],[10,0,15],[20,15,0]],"Mtij":[[0,10,20],[10,0,15],[20,15,0]]},)"
            R"("meta_info":{"prob_type":"VRPTW","max_time":60}}})";
        const std::string s_unmeasured =
            R"({"input":{"data":{"clients":[{"id":"d","lat":"1","long":"2"}],"containers":[]},)"
            R"("meta_info":{}}})";
        for (const int job : {0, 1, 2}) {  // check, grid search, optimisation
            stub.set_script(R"({"routes":{"/table":[{"stall":30}],"/search":[{"stall":30}]}})");
            Watched watched;
            const size_t requests = job < 2 ? 1 : 0;
            if (job == 0) watched.jobs.check_json(s_unmeasured, "osrm", "");
            if (job == 1) watched.jobs.collect_lat_long_grid({row("a")}, "", "", k_grid);
            if (job == 2) watched.jobs.optimize(s_search);
            QTRY_COMPARE(stub.requests().size(), requests);
            QTest::qWait(100);  // well inside the request, or the search
            watched.jobs.stop_every_job();
            QVERIFY(watched.jobs.wait_for_jobs(std::chrono::seconds(1)));
            QCoreApplication::sendPostedEvents();
            QCOMPARE(watched.v_events, Strings{});
            QCOMPARE(stub.requests().size(), requests);
        }
    }

    // Stored clients are found by their code (any case, accents), used only when their
    // coordinates are valid, and only reported; short rows read as empty cells. A ThreadJobs
    // object and its database destroyed while the search waits (on a stalled answer or in its
    // pause after row 0): the job ends without touching them (AddressSanitizer in test.sh).
    void searches_use_stored_clients_and_outlive_their_objects()
    {
        stub.set_script(script(k_found));
        QTemporaryDir folder;
        auto database = std::make_unique<Database>(folder.filePath("tovalo.db").toStdString());
        QVERIFY(!database->open_database());
        QVERIFY(!database->insert_client("Flores", "Rua das Flores", "5B", "", "", "", "", "-25.4",
                                         "-49.2"));
        QVERIFY(!database->insert_client("Oak", "Oak Road", "10", "", "", "", "", "", ""));
        QVERIFY(!database->insert_client("Praca", "Praça da Estação", "7", "", "", "", "", "1,5",
                                         "2,5"));
        auto watched = std::make_unique<Watched>();
        watched->jobs.set_database(database.get());
        const TextTable vv_rows{row("depot", "", "", "rua das flores", "5b"),
                                row("a", "3", "4"),
                                row("b", "", "", "praça da estação", "7"),
                                {"c", "Elm Lane"},
                                {}};
        finish(watched->jobs.collect_lat_long_grid_database_search(vv_rows, "", "", k_grid));
        QCOMPARE(watched->v_events,
                 (Strings{"grid 0 0 -25.4 -49.2", "grid 6 1 3 4", "grid 0 2 1,5 2,5",
                          "grid 0 3 48.85 2.35", "grid 0 4 48.85 2.35", "end grid 1"}));
        QCOMPARE(watched->vv_table[0], vv_rows[0]);
        QCOMPARE(watched->vv_table[3],
                 (Strings{"c", "Elm Lane", "", "", "", "", "", "48.85", "2.35"}));
        QCOMPARE(stub.requests().size(), size_t(2));
        for (const bool in_pause : {false, true}) {
            stub.set_script(script(in_pause ? k_found : R"({"stall":1})"));
            PauseGate pauses(0);
            watched = std::make_unique<Watched>();
            database = std::make_unique<Database>(folder.filePath("tovalo.db").toStdString());
            QVERIFY(!database->open_database());
            watched->jobs.set_database(database.get());
            const auto job =
                watched->jobs.collect_lat_long_grid_database_search({3, row("c")}, "", "", k_grid);
            QTRY_COMPARE(
                stub.requests().size() * 10 + watched->v_events.size() + pauses.list().size(),
                size_t(in_pause ? 12 : 10));
            watched.reset();
            database.reset();  // the next row would look its client up here
            pauses.release();
            finish(job);
            QCOMPARE(stub.requests().size(), size_t(1));
        }
    }
};

QTEST_GUILESS_MAIN(JobsTest)
#include "test_jobs.moc"

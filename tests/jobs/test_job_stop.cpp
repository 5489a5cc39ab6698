// Every job of a ThreadJobs object stopped at once, as a closing window stops them: a
// matrix request and an address lookup held by stalled answers, and a search with a long
// time limit, end at once and report nothing.

#include "jobs_recorder.h"
#include "jobs_test_support.h"
#include "thread_jobs.h"

#include <QtTest>

namespace {

const std::string k_instance_without_matrices =
    R"({"input":{"data":{"clients":[{"id":"d","lat":"1","long":"2"}],"containers":[]},)"
    R"("meta_info":{}}})";

const std::string k_long_search = R"({"input":{"data":{"clients":[)"
    R"({"id":"depot","early_tw":0,"late_tw":10000,"service_time":0,"demand":0},)"
    R"({"id":"a","early_tw":0,"late_tw":10000,"service_time":60,"demand":5},)"
    R"({"id":"b","early_tw":0,"late_tw":10000,"service_time":60,"demand":3}],)"
    R"("containers":[{"container_id":"Truck","container_qt":2,"container_dim":100,)"
    R"("container_fixed_cost":50,"container_var_cost":1}],)"
    R"("Mdij":[[0,10,20],[10,0,15],[20,15,0]],"Mtij":[[0,10,20],[10,0,15],[20,15,0]]},)"
    R"("meta_info":{"prob_type":"VRPTW","max_time":60}}})";

}  // namespace

class JobStopTest : public JobsTestBase {
    Q_OBJECT

private slots:
    void every_job_ends_at_once_on_a_stop_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<size_t>("requests");
        QTest::newRow("check on a stalled matrix answer") << 0 << size_t(1);
        QTest::newRow("grid search on a stalled lookup") << 1 << size_t(1);
        QTest::newRow("optimisation with a 60 s limit") << 2 << size_t(0);
    }

    void every_job_ends_at_once_on_a_stop()
    {
        QFETCH(int, job);
        QFETCH(size_t, requests);
        stub.set_script(R"({"routes":{"/table":[{"stall":30}],"/search":[{"stall":30}]}})");
        WatchedJobs watched;
        if (job == 0) {
            watched.jobs.check_json(k_instance_without_matrices, "osrm", "");
        } else if (job == 1) {
            watched.jobs.collect_lat_long_grid({client_row("a", "", "")}, "", "", "osrm_relaxed");
        } else {
            watched.jobs.optimize(k_long_search);
        }
        QTRY_COMPARE(stub.requests().size(), requests);
        QTest::qWait(100);  // well inside the request, or the search
        watched.jobs.stop_every_job();
        QVERIFY(watched.jobs.wait_for_jobs(std::chrono::seconds(1)));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(watched.recorder.v_events, std::vector<std::string>{});
        QCOMPARE(stub.requests().size(), requests);
    }
};

QTEST_GUILESS_MAIN(JobStopTest)
#include "test_job_stop.moc"

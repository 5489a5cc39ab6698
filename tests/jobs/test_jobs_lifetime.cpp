// A ThreadJobs object destroyed while its jobs still run, as when a window closes during
// a search or an optimisation: the jobs must end without touching it or the database.
// Run under AddressSanitizer by test.sh.

#include "database.h"
#include "geostub_process.h"
#include "jobs_recorder.h"
#include "jobs_test_support.h"
#include "service_config.h"
#include "thread_jobs.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class JobsLifetimeTest : public JobsTestBase {
    Q_OBJECT

private:
    bool wait_for_requests(size_t count)
    {
        QElapsedTimer timer;
        timer.start();
        while (stub.requests().size() < count && timer.elapsed() < 10000) {
            QTest::qWait(10);
        }
        return stub.requests().size() >= count;
    }

private slots:

    void check_job_outlives_its_object()
    {
        stub.set_script(R"({"routes":{"/table":[{"stall":1}]}})");
        auto jobs = std::make_unique<ThreadJobs>();
        JobsRecorder recorder(*jobs);
        // No matrices: the check asks the routing service, which stalls.
        const std::string s_instance = R"({"input":{"data":{"clients":[{"id":"d","lat":"1",)"
                                       R"("long":"2"}],"containers":[]},"meta_info":{}}})";
        const QFuture<void> job = jobs->check_json(s_instance, "osrm", "");
        QVERIFY(wait_for_requests(1));
        jobs.reset();
        QVERIFY(finish(job));
        QCOMPARE(recorder.v_events, std::vector<std::string>{});
    }

    void grid_job_outlives_its_object_and_database_data()
    {
        QTest::addColumn<bool>("in_pause");
        QTest::newRow("waiting on a stalled answer") << false;
        QTest::newRow("waiting in its pause") << true;
    }

    void grid_job_outlives_its_object_and_database()
    {
        QFETCH(bool, in_pause);
        stub.set_script(in_pause ? route_script("/search", {nominatim_found("1", "2")})
                                 : route_script("/search", {R"({"stall":1})"}));
        PauseRecorder pauses(0);
        QTemporaryDir folder;
        auto database = std::make_unique<Database>(folder.filePath("tovalo.db").toStdString());
        QVERIFY(!database->open_database());
        auto jobs = std::make_unique<ThreadJobs>();
        jobs->set_database(database.get());
        JobsRecorder recorder(*jobs);
        const TextTable vv_rows{client_row("a", "", ""), client_row("b", "", ""),
                                client_row("c", "", "")};
        const QFuture<void> job = jobs->collect_lat_long_grid_database_search(vv_rows, "", "",
                                                                            "osrm_relaxed");
        QVERIFY(wait_for_requests(1));
        // In its pause the job has reported its first row; on a stalled answer nothing yet.
        const size_t events_before = in_pause ? 1 : 0;
        QTRY_COMPARE(recorder.v_events.size(), events_before);
        QTRY_COMPARE(pauses.pauses().size(), events_before);
        jobs.reset();
        database.reset();  // the next row would look its client up here
        pauses.release();
        QVERIFY(finish(job));
        QCOMPARE(recorder.v_events.size(), events_before);
        QCOMPARE(stub.requests().size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(JobsLifetimeTest)
#include "test_jobs_lifetime.moc"

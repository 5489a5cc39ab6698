// A document that cannot be written back as text (a number beyond the double range) comes
// back from either document job as a failed run, never as a text cut short.

#include "jobs_recorder.h"
#include "jobs_test_support.h"
#include "json_document.h"
#include "thread_jobs.h"

#include <QtTest>

namespace {

const std::string k_overflowing =
    R"({"input":{"meta_info":{"prob_type":"VRPTW","max_time":17.7e308}}})";
const std::string k_record = R"({"output":{"meta_info":{"error":"missing_json_field",)"
                             R"("message":"missing or invalid 'input.meta_info.max_time' field"}}})";

}  // namespace

class JobResultsTest : public JobsTestBase {
    Q_OBJECT

private slots:
    void both_jobs_report_the_member_that_cannot_be_written()
    {
        using Start = std::function<void(ThreadJobs&)>;
        const std::pair<Start, std::string> v_jobs[] = {
            {[](ThreadJobs& jobs) { jobs.optimize(k_overflowing); }, "end optimize"},
            {[](ThreadJobs& jobs) { jobs.check_json(k_overflowing, "osrm", ""); },
             "end check json_ok 0"}};
        for (const auto& [start, s_event] : v_jobs) {
            WatchedJobs watched;
            start(watched.jobs);
            QVERIFY(watched.ended.wait(20000));
            QCOMPARE(watched.recorder.v_events, std::vector<std::string>{s_event});
            QCOMPARE(watched.recorder.s_json, k_record);
            settle_thread_pool();
        }
    }
};

QTEST_GUILESS_MAIN(JobResultsTest)
#include "test_job_results.moc"

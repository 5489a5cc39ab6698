// The coordinate searches on real pool threads against the loopback stand-in, with
// their signals received on the GUI thread.

#include "database.h"
#include "geostub_process.h"
#include "jobs_recorder.h"
#include "jobs_test_support.h"
#include "service_config.h"
#include "thread_jobs.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtConcurrent>
#include <QtTest>

#include <memory>

using Strings = std::vector<std::string>;
using Longs = std::vector<long>;

namespace {
const std::string k_search = "/search";
const std::string k_found = nominatim_found("48.85", "2.35");
}  // namespace

class CoordinateJobsTest : public JobsTestBase {
    Q_OBJECT

private:
    // n rows that all need a lookup.
    static TextTable rows_to_look_up(size_t n)
    {
        TextTable vv_table;
        for (size_t i = 0; i < n; ++i) {
            vv_table.push_back(client_row("c" + std::to_string(i), "", ""));
        }
        return vv_table;
    }

    // A grid search through Nominatim, as the settings' default service.
    static QFuture<void> search(WatchedJobs& watched, const TextTable& vv_rows)
    {
        return watched.jobs.collect_lat_long_grid(vv_rows, "", "", "osrm_relaxed");
    }

private slots:

    void grid_reports_each_row_then_its_end()
    {
        stub.set_script(route_script(k_search, {k_found, k_nominatim_nothing}));
        PauseRecorder pauses;
        WatchedJobs watched;
        const TextTable vv_rows{client_row("depot", "-25,43", "-49,27"), client_row("a", "", ""),
                                client_row("b", "95", "10"), client_row("c", "1.5", "2.5")};
        watched.jobs.collect_lat_long_grid(vv_rows, "me@x.org", "KEY", "osrm_relaxed");
        QVERIFY(watched.ended.wait(10000));

        QCOMPARE(watched.recorder.v_events, (Strings{"row 0 status 6 -25,43 -49,27",
                                             "row 1 status 0 48.85 2.35", "row 2 status 2 95 10",
                                             "row 3 status 6 1.5 2.5", "end grid all_ok 0"}));
        QVERIFY(!watched.recorder.off_gui_thread);
        QCOMPARE(pauses.pauses(), (Longs{800, 800}));
        QCOMPARE(stub.requests().size(), size_t(2));
        TextTable vv_expected = vv_rows;
        vv_expected[1][7] = "48.85";
        vv_expected[1][8] = "2.35";
        QCOMPARE(watched.recorder.vv_table, vv_expected);
    }

    void grid_pause_and_lookup_follow_the_service()
    {
        struct Case {
            std::string s_api;
            std::string s_route;
            std::string s_answer;
            std::string s_event;
            size_t requests;
            Longs v_pauses;
        };
        const std::string s_google_ok =
            R"({"json":{"status":"OK","results":[{"geometry":{"location":{"lat":1,"lng":2}}}]}})";
        const Case cases[] = {
            {"osrm_exact", k_search, k_found, "row 0 status 0 48.85 2.35", 1, {800}},
            {"osrm_google", k_search, k_found, "row 0 status 0 48.85 2.35", 1, {600}},
            {"google", "/maps/api/geocode/json", s_google_ok, "row 0 status 0 1.000000 2.000000", 1, {200}},
            // A service name the settings never write: no request, reported as not found.
            {"here", k_search, k_found, "row 0 status 2  ", 0, {}},
        };
        for (const Case& c : cases) {
            stub.set_script(route_script(c.s_route, {c.s_answer}));
            PauseRecorder pauses;
            WatchedJobs watched;
            watched.jobs.collect_lat_long_grid({client_row("a", "", "")}, "me@x.org", "KEY", c.s_api);
            QVERIFY(watched.ended.wait(10000));
            QCOMPARE(watched.recorder.v_events.front(), c.s_event);
            QCOMPARE(stub.requests().size(), c.requests);
            QCOMPARE(pauses.pauses(), c.v_pauses);
            settle_thread_pool();
        }
    }

    void grid_ends_at_a_closed_connection()
    {
        Strings v_answers{k_found, k_found, k_found, R"({"close":true})"};
        v_answers.resize(10, k_found);
        stub.set_script(route_script(k_search, v_answers));
        PauseRecorder pauses;
        WatchedJobs watched;
        QVERIFY(finish(search(watched, rows_to_look_up(10))));

        QCOMPARE(watched.recorder.v_events,
                 (Strings{"row 0 status 0 48.85 2.35", "row 1 status 0 48.85 2.35",
                          "row 2 status 0 48.85 2.35", "row 3 status 1  "}));
        QCOMPARE(stub.requests().size(), size_t(4));
        QCOMPARE(pauses.pauses(), (Longs{800, 800, 800}));
    }

    void grid_stop_ends_after_the_current_row()
    {
        stub.set_script(route_script(k_search, {k_found}));
        const int k = 2;
        PauseRecorder pauses(k);  // the job waits in the pause after row k
        WatchedJobs watched;
        connect(&watched.recorder, &JobsRecorder::row_received, this, [&](int row) {
            if (row == k) {
                watched.jobs.stop_processing();
                pauses.release();
            }
        });
        QVERIFY(finish(search(watched, rows_to_look_up(6))));

        QCOMPARE(watched.recorder.v_events.size(), size_t(k + 1));
        QCOMPARE(watched.recorder.v_events.back(), std::string("row 2 status 0 48.85 2.35"));
        QCOMPARE(stub.requests().size(), size_t(k + 1));
    }

    void stop_before_the_job_begins_is_kept()
    {
        stub.set_script(route_script(k_search, {k_found}));
        PauseRecorder pauses;
        WatchedJobs watched;
        // Every pool thread busy, so the job is still queued when the stop comes.
        QThreadPool* pool = QThreadPool::globalInstance();
        QSemaphore busy;
        QSemaphore started;
        std::vector<QFuture<void>> v_blockers;
        for (int i = 0; i < pool->maxThreadCount(); ++i) {
            v_blockers.push_back(QtConcurrent::run([&] {
                started.release();
                busy.acquire();
            }));
        }
        started.acquire(pool->maxThreadCount());
        const QFuture<void> job = search(watched, rows_to_look_up(3));
        watched.jobs.stop_processing();
        busy.release(pool->maxThreadCount());
        QVERIFY(finish(job));
        for (const QFuture<void>& blocker : v_blockers) {
            QVERIFY(finish(blocker));  // the semaphores must outlive their waiters
        }

        QCOMPARE(watched.recorder.v_events, Strings{});
        QCOMPARE(stub.requests().size(), size_t(0));
    }

    void new_start_takes_over_from_the_old_job_data()
    {
        QTest::addColumn<bool>("stop_first");
        QTest::newRow("stopped, then started again") << true;
        QTest::newRow("started again without a stop") << false;
    }

    void new_start_takes_over_from_the_old_job()
    {
        QFETCH(bool, stop_first);
        stub.set_script(route_script(k_search, {k_found}));
        PauseRecorder pauses(0);  // the old job waits after its first row
        WatchedJobs watched;
        QFuture<void> new_job;
        bool taken_over = false;
        const TextTable vv_new{client_row("x", "1", "2"), client_row("y", "3", "4")};
        connect(&watched.recorder, &JobsRecorder::row_received, this, [&](int row) {
            if (row == 0 && !taken_over) {
                taken_over = true;
                if (stop_first) {
                    watched.jobs.stop_processing();
                }
                new_job = watched.jobs.collect_lat_long_grid(vv_new, "", "", "osrm_relaxed");
                pauses.release();
            }
        });
        QVERIFY(finish(search(watched, rows_to_look_up(4))));
        QVERIFY(finish(new_job));

        QCOMPARE(watched.recorder.v_events,
                 (Strings{"row 0 status 0 48.85 2.35", "row 0 status 6 1 2", "row 1 status 6 3 4",
                          "end grid all_ok 1"}));
        QCOMPARE(watched.recorder.vv_table, vv_new);
        QCOMPARE(stub.requests().size(), size_t(1));
    }

    void grid_search_uses_stored_clients_with_valid_coordinates()
    {
        stub.set_script(route_script(k_search, {k_found}));
        QTemporaryDir folder;
        Database database(folder.filePath("tovalo.db").toStdString());
        QVERIFY(!database.open_database());
        QVERIFY(!database.insert_client("Flores", "Rua das Flores", "5B", "", "", "", "", "-25.4",
                                        "-49.2"));
        QVERIFY(!database.insert_client("Oak", "Oak Road", "10", "", "", "", "", "", ""));
        QVERIFY(!database.insert_client("Praca", "Praça da Estação", "7", "", "", "", "", "1,5",
                                        "2,5"));
        PauseRecorder pauses;
        WatchedJobs watched;
        watched.jobs.set_database(&database);
        const TextTable vv_rows{client_row("depot", "", "", "rua das flores", "5b"),
                                client_row("a", "3", "4", "Oak Road", "10"),
                                client_row("b", "", "", "praça da estação", "7"),
                                {"c", "Elm Lane"}, {}};  // short rows read as empty cells
        watched.jobs.collect_lat_long_grid_database_search(vv_rows, "", "", "osrm_relaxed");
        QVERIFY(watched.ended.wait(10000));

        // The stored Oak Road client has no coordinates: the row's own ones stand.
        QCOMPARE(watched.recorder.v_events,
                 (Strings{"row 0 status 0 -25.4 -49.2", "row 1 status 6 3 4",
                          "row 2 status 0 1,5 2,5", "row 3 status 0 48.85 2.35",
                          "row 4 status 0 48.85 2.35", "end grid all_ok 1"}));
        QCOMPARE(watched.recorder.vv_table[0], vv_rows[0]);  // stored coordinates are only reported
        QCOMPARE(watched.recorder.vv_table[3],
                 (Strings{"c", "Elm Lane", "", "", "", "", "", "48.85", "2.35"}));
        QCOMPARE(stub.requests().size(), size_t(2));
        QCOMPARE(pauses.pauses(), (Longs{800, 800}));
    }

    void empty_tables_end_at_once()
    {
        WatchedJobs watched;
        QVERIFY(finish(search(watched, {})));
        const TextTable vv_header{client_row("id", "lat", "long")};
        QVERIFY(finish(watched.jobs.collect_lat_long_database(vv_header, "", "", "osrm_relaxed")));
        QCOMPARE(watched.recorder.v_events,
                 (Strings{"end grid all_ok 1", "end database all_ok 1"}));
    }

    void database_job_pauses_before_each_report()
    {
        stub.set_script(route_script(k_search, {k_found, k_nominatim_nothing}));
        PauseRecorder pauses;
        WatchedJobs watched;
        const TextTable vv_rows{client_row("id", "lat", "long"), client_row("a", "1", "2"),
                                client_row("b", "", ""), client_row("c", "", ""),
                                client_row("d", "", "")};
        watched.jobs.collect_lat_long_database(vv_rows, "", "", "osrm_relaxed");
        QVERIFY(watched.ended.wait(10000));

        QCOMPARE(watched.recorder.v_events,
                 (Strings{"row 1 status 6", "row 2 status 0", "row 3 status 2",
                                             "row 4 status 2", "end database all_ok 0"}));
        QCOMPARE(pauses.pauses(), (Longs{1200, 1200, 1200}));
        QCOMPARE(watched.recorder.vv_table[2][7], std::string("48.85"));
        QCOMPARE(watched.recorder.vv_table[3], vv_rows[3]);
    }
};

QTEST_GUILESS_MAIN(CoordinateJobsTest)
#include "test_coordinate_jobs.moc"

#pragma once
// Long work off the GUI thread: the instance check with matrix collection, the
// optimisation and the coordinate searches. Each job runs on Qt's global thread pool
// with copies of its arguments and reports only through the signals below, which the
// windows receive queued on the GUI thread. Only a closing window waits for its jobs,
// briefly, after asking them all to stop.

#include "lat_long_status.h"
#include "text_table.h"

#include <QFuture>
#include <QObject>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class Database;
struct CoordinateJob;
class JobContext;
class StopToken;

class ThreadJobs : public QObject {
    Q_OBJECT

public:
    // The signals name their types the way the windows register them as meta-types
    // ("vector<vector<string>>&", "string"); queued delivery looks them up by that text.
    using string = std::string;
    template <typename T>
    using vector = std::vector<T>;

    explicit ThreadJobs(QObject* parent = nullptr);
    // Running jobs are asked to stop, report nothing more and no longer reach the database.
    ~ThreadJobs() override;
    ThreadJobs(const ThreadJobs&) = delete;
    ThreadJobs& operator=(const ThreadJobs&) = delete;

    // The connection the grid search with database look-up reads clients through.
    void set_database(Database* database);

    // Each call starts its job on the global thread pool and returns at once; keeping the
    // future is optional (nothing needs to wait for it).
    QFuture<void> check_json(std::string input_json, std::string distance_matrix_api,
                             std::string google_api_key);
    QFuture<void> optimize(std::string input_json);
    // The table's rows: name, address, number, neighborhood, city, state, country, lat, long.
    // Row 0 is a header row in the database job and the depot in the grid jobs. A new
    // coordinate job takes over from the one before: that one ends and reports nothing more.
    QFuture<void> collect_lat_long_database(TextTable vv_table, std::string email,
                                            std::string google_api_key,
                                            std::string lat_long_api);
    QFuture<void> collect_lat_long_grid(TextTable vv_table, std::string email,
                                        std::string google_api_key, std::string lat_long_api);
    QFuture<void> collect_lat_long_grid_database_search(TextTable vv_table, std::string email,
                                                        std::string google_api_key,
                                                        std::string lat_long_api);

    // Asks the coordinate job started last to end after the row it is on (that row is
    // still reported, the end signal is not). Kept even when the job has not begun yet.
    void stop_processing();

    // Asks every job started here to end as soon as it can: the solver at its next check,
    // a web request in flight at once, a pause at once. A stopped job reports nothing, and
    // jobs started afterwards end before they begin.
    void stop_every_job();
    // Waits up to the limit for the jobs started here to end; true when none runs.
    bool wait_for_jobs(std::chrono::milliseconds limit);

    // Registers the signals' argument types under the names they are declared with.
    static void register_meta_types();

signals:
    void on_client_scanned_database(Geoservices::LAT_LONG_STATUS status, int progress_bar_number);
    void on_end_processing_database(vector<vector<string> >& vv_database, bool all_ok);
    void on_client_scanned_grid(Geoservices::LAT_LONG_STATUS status, int client_number,
                                string lat, string lon);
    void on_end_processing_grid(vector<vector<string> >& vv_database, bool all_ok);
    void on_end_optimize(string s_output_json);
    void on_end_check_json(string s_output_json, bool json_ok);

private:
    // A coordinate job with a fresh stop token; the previous job's token is withdrawn.
    CoordinateJob new_coordinate_job(TextTable vv_table, std::string email,
                                     std::string google_api_key, std::string lat_long_api);

    // Keeps the future so that wait_for_jobs can see when the job has ended.
    QFuture<void> track(QFuture<void> future);

    std::shared_ptr<JobContext> context;
    std::shared_ptr<StopToken> coordinate_token;
    std::vector<QFuture<void>> v_running;
};

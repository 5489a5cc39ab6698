#include "coordinate_jobs.h"

#include "client_code.h"
#include "job_context.h"
#include "request_abort.h"
#include "service_config.h"
#include "stop_token.h"
#include "thread_jobs.h"

#include <functional>

namespace {

using Row = std::vector<std::string>;

// How the grid and database passes differ.
struct PassShape {
    size_t first_row = 0;
    std::chrono::milliseconds pause{0};
    bool report_before_pause = true;
    std::function<RowOutcome(Row&)> resolve;
    std::function<void(ThreadJobs&, size_t, const RowOutcome&)> report_row;
    std::function<void(ThreadJobs&, TextTable&, bool)> report_end;
};

void pause_if(bool wanted, std::chrono::milliseconds duration)
{
    if (wanted && duration.count() > 0) {
        Geoservices::pause(duration);
    }
}

// Stop pressed for this job, a newer one took over, or every job was asked to stop.
bool must_end(const CoordinateJob& job)
{
    return job.token->stop_requested() || !job.context->wanted();
}

void run_pass(CoordinateJob& job, const PassShape& shape)
{
    // Unlike a shared flag cleared at the start, the token keeps a stop pressed early.
    if (must_end(job)) {
        return;
    }
    // A stop of every job (the window closing) ends the lookup in flight and the pause.
    const Geoservices::AbortScope abort_scope(job.context->stop_request());
    bool all_ok = true;
    for (size_t i = shape.first_row; i < job.vv_table.size(); ++i) {
        const RowOutcome outcome = shape.resolve(job.vv_table[i]);
        all_ok = all_ok && !is_not_found(outcome.status);
        const bool ends = ends_search(outcome.status);
        const bool pause = outcome.looked_up && !ends;
        pause_if(pause && !shape.report_before_pause, shape.pause);
        const bool reported = job.context->report(
            job.token.get(), [&](ThreadJobs& jobs) { shape.report_row(jobs, i, outcome); });
        if (!reported || ends) {
            return;
        }
        pause_if(pause && shape.report_before_pause, shape.pause);
        if (must_end(job)) {
            return;
        }
    }
    job.context->report(job.token.get(), [&](ThreadJobs& jobs) {
        shape.report_end(jobs, job.vv_table, all_ok);
    });
}

// A stored client under the row's code whose coordinates are usable; an empty or
// broken stored pair would otherwise overwrite good grid coordinates.
bool stored_lat_long(JobContext& context, const Row& v_row, RowOutcome& outcome)
{
    if (v_row.size() <= k_cell_number) {
        return false;
    }
    const TextTable vv_stored =
        context.select_client_by_code(client_code(v_row[k_cell_address], v_row[k_cell_number]));
    for (const Row& v_client : vv_stored) {
        if (v_client.size() > k_cell_lon && row_has_valid_lat_long(v_client)) {
            outcome = RowOutcome{Geoservices::LAT_LONG_OK, v_client[k_cell_lat],
                                 v_client[k_cell_lon], false};
            return true;
        }
    }
    return false;
}

}  // namespace

void run_grid_job(CoordinateJob job, bool search_database)
{
    PassShape shape;
    shape.pause = grid_pause(job.settings.s_lat_long_api);
    shape.resolve = [&job, search_database](Row& v_row) {
        RowOutcome outcome;
        if (search_database && stored_lat_long(*job.context, v_row, outcome)) {
            return outcome;
        }
        return resolve_row(v_row, job.settings);
    };
    shape.report_row = [](ThreadJobs& jobs, size_t row, const RowOutcome& outcome) {
        emit jobs.on_client_scanned_grid(outcome.status, static_cast<int>(row), outcome.s_lat,
                                         outcome.s_lon);
    };
    shape.report_end = [](ThreadJobs& jobs, TextTable& vv_table, bool all_ok) {
        emit jobs.on_end_processing_grid(vv_table, all_ok);
    };
    run_pass(job, shape);
}

void run_database_job(CoordinateJob job)
{
    PassShape shape;
    shape.first_row = 1;
    shape.pause = k_database_job_pause;
    shape.report_before_pause = false;
    shape.resolve = [&job](Row& v_row) { return resolve_row(v_row, job.settings); };
    shape.report_row = [](ThreadJobs& jobs, size_t row, const RowOutcome& outcome) {
        emit jobs.on_client_scanned_database(outcome.status, static_cast<int>(row));
    };
    shape.report_end = [](ThreadJobs& jobs, TextTable& vv_table, bool all_ok) {
        emit jobs.on_end_processing_database(vv_table, all_ok);
    };
    run_pass(job, shape);
}

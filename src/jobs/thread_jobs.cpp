#include "thread_jobs.h"

#include "coordinate_jobs.h"
#include "document_jobs.h"
#include "job_context.h"
#include "stop_token.h"

#include <QMetaType>
#include <QThread>
#include <QtConcurrent>

#include <algorithm>
#include <utility>

namespace {

void drop_finished(std::vector<QFuture<void>>& v_jobs)
{
    v_jobs.erase(std::remove_if(v_jobs.begin(), v_jobs.end(),
                                [](const QFuture<void>& job) { return job.isFinished(); }),
                 v_jobs.end());
}

}  // namespace

ThreadJobs::ThreadJobs(QObject* parent)
    : QObject(parent), context(std::make_shared<JobContext>(this)),
      coordinate_token(std::make_shared<StopToken>())
{
    register_meta_types();
}

ThreadJobs::~ThreadJobs()
{
    // Nobody is left to read a result: the work would only hold the process open.
    context->stop_every_job();
    context->withdraw(*coordinate_token);
    context->detach();
}

void ThreadJobs::register_meta_types()
{
    qRegisterMetaType<Geoservices::LAT_LONG_STATUS>("Geoservices::LAT_LONG_STATUS");
    qRegisterMetaType<TextTable>("vector<vector<string>>&");
    qRegisterMetaType<std::string>("string");
}

void ThreadJobs::set_database(Database* database)
{
    context->set_database(database);
}

QFuture<void> ThreadJobs::check_json(std::string input_json, std::string distance_matrix_api,
                                     std::string google_api_key)
{
    return track(QtConcurrent::run(&run_check_json_job, context, std::move(input_json),
                                   std::move(distance_matrix_api), std::move(google_api_key)));
}

QFuture<void> ThreadJobs::optimize(std::string input_json)
{
    return track(QtConcurrent::run(&run_optimize_job, context, std::move(input_json)));
}

QFuture<void> ThreadJobs::collect_lat_long_database(TextTable vv_table, std::string email,
                                                    std::string google_api_key,
                                                    std::string lat_long_api)
{
    CoordinateJob job = new_coordinate_job(std::move(vv_table), std::move(email),
                                           std::move(google_api_key), std::move(lat_long_api));
    return track(QtConcurrent::run(&run_database_job, std::move(job)));
}

QFuture<void> ThreadJobs::collect_lat_long_grid(TextTable vv_table, std::string email,
                                                std::string google_api_key,
                                                std::string lat_long_api)
{
    CoordinateJob job = new_coordinate_job(std::move(vv_table), std::move(email),
                                           std::move(google_api_key), std::move(lat_long_api));
    return track(QtConcurrent::run(&run_grid_job, std::move(job), false));
}

QFuture<void> ThreadJobs::collect_lat_long_grid_database_search(TextTable vv_table,
                                                                std::string email,
                                                                std::string google_api_key,
                                                                std::string lat_long_api)
{
    CoordinateJob job = new_coordinate_job(std::move(vv_table), std::move(email),
                                           std::move(google_api_key), std::move(lat_long_api));
    return track(QtConcurrent::run(&run_grid_job, std::move(job), true));
}

void ThreadJobs::stop_processing()
{
    coordinate_token->request_stop();
}

void ThreadJobs::stop_every_job()
{
    context->stop_every_job();
}

bool ThreadJobs::wait_for_jobs(std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        drop_finished(v_running);
        if (v_running.empty()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        QThread::msleep(5);
    }
}

QFuture<void> ThreadJobs::track(QFuture<void> future)
{
    drop_finished(v_running);
    v_running.push_back(future);
    return future;
}

CoordinateJob ThreadJobs::new_coordinate_job(TextTable vv_table, std::string email,
                                             std::string google_api_key, std::string lat_long_api)
{
    // The job before, stopped or not, must not go on writing into the same grid.
    context->withdraw(*coordinate_token);
    coordinate_token = std::make_shared<StopToken>();
    return CoordinateJob{context, coordinate_token, std::move(vv_table),
                         CoordinateSettings{std::move(email), std::move(google_api_key),
                                            std::move(lat_long_api)}};
}

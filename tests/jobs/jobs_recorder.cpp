#include "jobs_recorder.h"

#include <QCoreApplication>
#include <QThread>

JobsRecorder::JobsRecorder(ThreadJobs& jobs)
{
    connect(&jobs, &ThreadJobs::on_client_scanned_database, this,
            &JobsRecorder::get_add_client_from_database_status);
    connect(&jobs, &ThreadJobs::on_end_processing_database, this,
            &JobsRecorder::get_end_add_client_from_database);
    connect(&jobs, &ThreadJobs::on_client_scanned_grid, this,
            &JobsRecorder::get_add_client_from_grid_status);
    connect(&jobs, &ThreadJobs::on_end_processing_grid, this,
            &JobsRecorder::get_end_add_client_from_grid);
    connect(&jobs, &ThreadJobs::on_end_optimize, this, &JobsRecorder::get_end_optimize);
    connect(&jobs, &ThreadJobs::on_end_check_json, this, &JobsRecorder::get_end_check_json);
}

void JobsRecorder::note(const std::string& s_event)
{
    off_gui_thread = off_gui_thread || QThread::currentThread() != qApp->thread();
    v_events.push_back(s_event);
}

void JobsRecorder::note_end(const std::string& s_event)
{
    note(s_event);
    emit ended();
}

void JobsRecorder::get_add_client_from_database_status(Geoservices::LAT_LONG_STATUS status,
                                                       int progress_bar_number)
{
    note("row " + std::to_string(progress_bar_number) + " status " + std::to_string(status));
    emit row_received(progress_bar_number);
}

void JobsRecorder::get_end_add_client_from_database(
    std::vector<std::vector<std::string> >& vv_database, bool all_ok)
{
    vv_table = vv_database;
    note_end("end database all_ok " + std::to_string(all_ok));
}

void JobsRecorder::get_add_client_from_grid_status(Geoservices::LAT_LONG_STATUS status,
                                                   int client_number, std::string lat,
                                                   std::string lon)
{
    note("row " + std::to_string(client_number) + " status " + std::to_string(status) + " " +
         lat + " " + lon);
    emit row_received(client_number);
}

void JobsRecorder::get_end_add_client_from_grid(
    std::vector<std::vector<std::string> >& vv_database, bool all_ok)
{
    vv_table = vv_database;
    note_end("end grid all_ok " + std::to_string(all_ok));
}

void JobsRecorder::get_end_optimize(std::string s_output_json)
{
    s_json = s_output_json;
    note_end("end optimize");
}

void JobsRecorder::get_end_check_json(std::string s_output_json, bool json_ok)
{
    s_json = s_output_json;
    note_end("end check json_ok " + std::to_string(json_ok));
}

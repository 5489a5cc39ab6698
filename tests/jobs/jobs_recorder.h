#pragma once
// A receiver on the GUI thread, as a window is: every signal of a ThreadJobs object
// becomes one line of text, and the end signals also emit ended() so a test can wait.

#include "thread_jobs.h"

#include <QObject>
#include <QSignalSpy>

#include <string>
#include <vector>

class JobsRecorder : public QObject {
    Q_OBJECT

public:
    explicit JobsRecorder(ThreadJobs& jobs);

    std::vector<std::string> v_events;
    TextTable vv_table;  // the table of the last end signal
    std::string s_json;  // the text of the last document signal
    bool off_gui_thread = false;

signals:
    void ended();
    void row_received(int row);

private slots:
    void get_add_client_from_database_status(Geoservices::LAT_LONG_STATUS status,
                                             int progress_bar_number);
    void get_end_add_client_from_database(std::vector<std::vector<std::string> >& vv_database,
                                          bool all_ok);
    void get_add_client_from_grid_status(Geoservices::LAT_LONG_STATUS status, int client_number,
                                         std::string lat, std::string lon);
    void get_end_add_client_from_grid(std::vector<std::vector<std::string> >& vv_database,
                                      bool all_ok);
    void get_end_optimize(std::string s_output_json);
    void get_end_check_json(std::string s_output_json, bool json_ok);

private:
    void note(const std::string& s_event);
    void note_end(const std::string& s_event);
};

// A jobs object as a window holds it, with its recorder and a spy on the recorder's ends.
struct WatchedJobs {
    ThreadJobs jobs;
    JobsRecorder recorder{jobs};
    QSignalSpy ended{&recorder, &JobsRecorder::ended};
};

#pragma once
// What the job tests share: a pause recorder that can hold a job inside one pause, client
// rows, stub scripts, and a base that fails a test when Qt could not queue a signal.

#include "geostub_process.h"
#include "text_table.h"

#include <QFuture>
#include <QObject>

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

// Records every pause instead of sleeping while it lives. The pause numbered held_pause
// (from 0) blocks its job until release() (or the recorder's end).
class PauseRecorder {
public:
    explicit PauseRecorder(size_t held_pause = static_cast<size_t>(-1));
    PauseRecorder(const PauseRecorder&) = delete;
    PauseRecorder& operator=(const PauseRecorder&) = delete;
    ~PauseRecorder();

    std::vector<long> pauses() const;
    void release();

private:
    void pause(std::chrono::milliseconds duration);

    mutable std::mutex mutex;
    std::condition_variable released_signal;
    std::vector<long> v_pauses;
    size_t held_pause;
    bool released = false;
};

// A client row: name, address, number, neighborhood, city, state, country, lat, long.
std::vector<std::string> client_row(const std::string& s_name, const std::string& s_lat,
                                    const std::string& s_lon,
                                    const std::string& s_address = "Oak Road",
                                    const std::string& s_number = "10");

// Stub script with one route and its answers (JSON texts of answer objects).
std::string route_script(const std::string& s_route, const std::vector<std::string>& v_answers);
// A Nominatim answer with one place, or with none.
std::string nominatim_found(const std::string& s_lat, const std::string& s_lon);
extern const std::string k_nominatim_nothing;

// Spins the event loop until the job has ended, then delivers what it queued.
bool finish(const QFuture<void>& future);
// Waits until the global pool's threads have ended, so that the next job starts a thread of
// its own: ThreadSanitizer sees a thread start, but not a task handed to a running thread
// through the pool's queue (Qt is not instrumented).
void settle_thread_pool();

// Base of the job test classes: the loopback stand-in for the whole program, and a
// failed test whenever Qt could not queue a signal's arguments.
class JobsTestBase : public QObject {
    Q_OBJECT

protected:
    GeoStub stub;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
};

#pragma once
// Records the pauses between requests instead of sleeping, for as long as it lives; the pause
// numbered `held` (from 0) waits until release(), so that a test can act while a job is inside it.

#include "service_config.h"

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

class PauseGate {
public:
    explicit PauseGate(size_t held_pause = static_cast<size_t>(-1)) : held(held_pause)
    {
        Geoservices::set_pause_function([this](std::chrono::milliseconds duration) {
            std::unique_lock<std::mutex> lock(mutex);
            v_pauses.push_back(static_cast<long>(duration.count()));
            released_signal.wait(lock, [this] { return released || v_pauses.size() != held + 1; });
        });
    }
    PauseGate(const PauseGate&) = delete;
    PauseGate& operator=(const PauseGate&) = delete;
    // The pauses are skipped again after it, not slept.
    ~PauseGate()
    {
        release();
        Geoservices::set_pause_function([](std::chrono::milliseconds) {});
    }
    std::vector<long> list()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return v_pauses;
    }
    void release()
    {
        std::lock_guard<std::mutex> lock(mutex);
        released = true;
        released_signal.notify_all();
    }

private:
    std::mutex mutex;
    std::condition_variable released_signal;
    std::vector<long> v_pauses;
    size_t held;
    bool released = false;
};

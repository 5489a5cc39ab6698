#pragma once
// Replaces the pause between web requests with a recorder for its lifetime, so tests run
// at once and can assert the exact pauses asked for.

#include "service_config.h"

#include <chrono>
#include <mutex>
#include <vector>

class PauseLog {
public:
    PauseLog()
    {
        Geoservices::set_pause_function([this](std::chrono::milliseconds duration) {
            std::lock_guard<std::mutex> lock(mutex_);
            v_pauses_.push_back(duration);
        });
    }
    PauseLog(const PauseLog&) = delete;
    PauseLog& operator=(const PauseLog&) = delete;
    ~PauseLog() { Geoservices::set_pause_function(nullptr); }

    std::vector<std::chrono::milliseconds> pauses() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return v_pauses_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::chrono::milliseconds> v_pauses_;
};

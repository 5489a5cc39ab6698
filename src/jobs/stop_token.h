#pragma once
// The stop request of one coordinate job. The GUI thread writes it, the job's pool
// thread reads it between rows, so both flags are atomic. Every started job gets a
// token of its own: a later start never clears the request of an earlier job.

#include <atomic>

class StopToken {
public:
    // The job ends after the row it is on; that row is still reported.
    void request_stop() { stop_flag.store(true); }
    // A newer job took over (or the owner is gone): end and report nothing more.
    void withdraw()
    {
        withdrawn_flag.store(true);
        stop_flag.store(true);
    }

    bool stop_requested() const { return stop_flag.load(); }
    bool withdrawn() const { return withdrawn_flag.load(); }

private:
    std::atomic<bool> stop_flag{false};
    std::atomic<bool> withdrawn_flag{false};
};

#pragma once
// A stop request for the web requests and pauses of a job's thread. While a scope is
// installed, a request that starts after the flag turned true is not sent, a transfer in
// flight ends at once when its owner wakes the flag's sockets, and pauses are skipped.

#include <atomic>

namespace Geoservices {

// Installs the flag for the calling thread while it lives (the previous one after).
class AbortScope {
public:
    explicit AbortScope(const std::atomic<bool>* flag);
    ~AbortScope();
    AbortScope(const AbortScope&) = delete;
    AbortScope& operator=(const AbortScope&) = delete;

private:
    const std::atomic<bool>* previous;
};

// The flag installed on the calling thread reads true.
bool abort_requested();

// Ends the transfers in flight under this flag (call it after setting the flag): their
// sockets are shut down, so a stalled answer does not hold the thread.
void wake_requests(const std::atomic<bool>* flag);

// Lets the transfer on this libcurl easy handle be ended by the calling thread's flag.
void watch_abort_request(void* curl_handle);

}  // namespace Geoservices

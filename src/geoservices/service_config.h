#pragma once
// Where the web services live, how long a stalled transfer may last, and the one way
// this code pauses between requests. The defaults are the public services; tests point
// the table at a loopback stand-in and replace the pause with a recorder.

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace Geoservices {

// Each host is "name" or "name:port"; the scheme of each service is fixed by its caller.
struct Endpoints {
    std::string nominatim_host;  // HTTPS
    std::string google_host;     // HTTPS
    std::string osrm_host;       // HTTP
    std::string here_host;       // HTTPS
};

// What a request may take before it fails like a dropped connection.
struct TransferLimits {
    long connect_timeout_seconds = 30;
    long low_speed_seconds = 30;  // a transfer below one byte per second this long is dropped
    long deadline_seconds = 120;  // the whole request, however steadily the bytes come
    // Far above any real matrix answer; a bigger one is cut off rather than held in memory.
    size_t max_answer_bytes = size_t{64} << 20;
};

Endpoints default_endpoints();
Endpoints endpoints();
void set_endpoints(const Endpoints& table);

TransferLimits transfer_limits();
void set_transfer_limits(const TransferLimits& limits);

using PauseFunction = std::function<void(std::chrono::milliseconds)>;

// Sleeps the calling thread through the installed pause function.
void pause(std::chrono::milliseconds duration);
// An empty function restores the plain thread sleep.
void set_pause_function(PauseFunction function);

}  // namespace Geoservices

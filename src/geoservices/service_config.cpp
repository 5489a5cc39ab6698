#include "service_config.h"

#include "request_abort.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <thread>

namespace Geoservices {
namespace {

// Worker threads read the table while a test may set it; one lock keeps copies whole.
std::mutex& config_mutex()
{
    static std::mutex mutex;
    return mutex;
}

Endpoints& current_endpoints()
{
    static Endpoints table = default_endpoints();
    return table;
}

TransferLimits& current_limits()
{
    static TransferLimits limits;
    return limits;
}

PauseFunction& current_pause()
{
    static PauseFunction function;
    return function;
}

}  // namespace

Endpoints default_endpoints()
{
    return Endpoints{"nominatim.openstreetmap.org", "maps.googleapis.com",
                     "router.project-osrm.org", "geocode.search.hereapi.com"};
}

Endpoints endpoints()
{
    std::lock_guard<std::mutex> lock(config_mutex());
    return current_endpoints();
}

void set_endpoints(const Endpoints& table)
{
    std::lock_guard<std::mutex> lock(config_mutex());
    current_endpoints() = table;
}

TransferLimits transfer_limits()
{
    std::lock_guard<std::mutex> lock(config_mutex());
    return current_limits();
}

void set_transfer_limits(const TransferLimits& limits)
{
    std::lock_guard<std::mutex> lock(config_mutex());
    current_limits() = limits;
}

void pause(std::chrono::milliseconds duration)
{
    PauseFunction function;
    {
        std::lock_guard<std::mutex> lock(config_mutex());
        function = current_pause();
    }
    if (abort_requested()) {
        return;  // a stopped job does not wait for its next request
    }
    if (function) {
        function(duration);
        return;
    }
    // Short slices, so that a stop request ends the pause soon.
    const auto end = std::chrono::steady_clock::now() + duration;
    while (!abort_requested()) {
        const auto left = end - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) {
            return;
        }
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            left, std::chrono::milliseconds(20)));
    }
}

void set_pause_function(PauseFunction function)
{
    std::lock_guard<std::mutex> lock(config_mutex());
    current_pause() = std::move(function);
}

}  // namespace Geoservices

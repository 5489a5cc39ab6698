#include "request_abort.h"

#include <curl/curl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <map>
#include <mutex>

namespace Geoservices {
namespace {

thread_local const std::atomic<bool>* thread_flag = nullptr;

// Open sockets by the flag of the thread that opened them, so another thread can wake them.
struct SocketRegistry {
    std::mutex mutex;
    std::multimap<const std::atomic<bool>*, curl_socket_t> sockets;
};

SocketRegistry& registry()
{
    static SocketRegistry instance;
    return instance;
}

curl_socket_t open_socket(void* flag_pointer, curlsocktype, curl_sockaddr* address)
{
    const auto* flag = static_cast<const std::atomic<bool>*>(flag_pointer);
    SocketRegistry& sockets = registry();
    std::lock_guard<std::mutex> lock(sockets.mutex);
    if (flag->load()) {
        return CURL_SOCKET_BAD;  // woken before the socket existed: never connect
    }
    const curl_socket_t socket_fd = socket(address->family, address->socktype, address->protocol);
    if (socket_fd != CURL_SOCKET_BAD) {
        sockets.sockets.emplace(flag, socket_fd);
    }
    return socket_fd;
}

int close_socket(void* flag_pointer, curl_socket_t socket_fd)
{
    const auto* flag = static_cast<const std::atomic<bool>*>(flag_pointer);
    SocketRegistry& sockets = registry();
    std::lock_guard<std::mutex> lock(sockets.mutex);
    const auto range = sockets.sockets.equal_range(flag);
    for (auto entry = range.first; entry != range.second; ++entry) {
        if (entry->second == socket_fd) {
            sockets.sockets.erase(entry);
            break;
        }
    }
    return close(socket_fd);
}

// The slower path for whatever the shutdown misses: libcurl asks about once a second.
int progress(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return abort_requested() ? 1 : 0;
}

}  // namespace

AbortScope::AbortScope(const std::atomic<bool>* flag) : previous(thread_flag)
{
    thread_flag = flag;
}

AbortScope::~AbortScope()
{
    thread_flag = previous;
}

bool abort_requested()
{
    return thread_flag != nullptr && thread_flag->load();
}

void wake_requests(const std::atomic<bool>* flag)
{
    SocketRegistry& sockets = registry();
    std::lock_guard<std::mutex> lock(sockets.mutex);
    const auto range = sockets.sockets.equal_range(flag);
    for (auto entry = range.first; entry != range.second; ++entry) {
        shutdown(entry->second, SHUT_RDWR);
    }
}

void watch_abort_request(void* curl_handle)
{
    if (thread_flag == nullptr) {
        return;
    }
    CURL* handle = static_cast<CURL*>(curl_handle);
    void* flag = const_cast<std::atomic<bool>*>(thread_flag);
    curl_easy_setopt(handle, CURLOPT_OPENSOCKETFUNCTION, open_socket);
    curl_easy_setopt(handle, CURLOPT_OPENSOCKETDATA, flag);
    curl_easy_setopt(handle, CURLOPT_CLOSESOCKETFUNCTION, close_socket);
    curl_easy_setopt(handle, CURLOPT_CLOSESOCKETDATA, flag);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
}

}  // namespace Geoservices

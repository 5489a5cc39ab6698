#include "web_transfer.h"

#include "request_abort.h"
#include "service_config.h"
#include "web_requests.h"

#include <curl/curl.h>

#include <fstream>
#include <memory>
#include <mutex>

namespace {

constexpr const char* k_ca_file = "cacert.pem";

// curl_global_init is not thread-safe; concurrent jobs must not race on it.
void initialise_curl_once()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_ALL); });
}

bool ca_file_exists()
{
    return std::ifstream(k_ca_file).good();
}

struct HandleCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

void set_tls_verification(CURL* handle)
{
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    if (ca_file_exists()) {
        curl_easy_setopt(handle, CURLOPT_CAINFO, k_ca_file);
    }
}

// The body and the most it may grow to.
struct BoundedBody {
    std::string* s_text;
    size_t limit;
};

// Refusing a piece that would pass the limit ends the transfer with a write error.
size_t append_within_limit(char* data, size_t size, size_t count, void* sink)
{
    const auto* body = static_cast<BoundedBody*>(sink);
    if (size * count > body->limit - body->s_text->size()) {
        return 0;
    }
    return curl_write_to_string(data, size, count, body->s_text);
}

// A stalled, dripping or endless server must not hold a worker thread (and the process)
// for long, nor fill its memory.
void apply_transfer_limits(CURL* handle, const Geoservices::TransferLimits& limits)
{
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);  // time-outs without signals in threads
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, limits.connect_timeout_seconds);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, limits.low_speed_seconds);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, limits.deadline_seconds);
    // An announced length past the limit is refused before any of the body arrives.
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(limits.max_answer_bytes));
}

}  // namespace

WebTransfer perform_get(const std::string& s_url, TransportSecurity security,
                        const std::vector<std::string>& v_header_lines)
{
    initialise_curl_once();
    WebTransfer transfer;
    std::unique_ptr<CURL, HandleCleanup> handle(curl_easy_init());
    if (!handle) {
        return transfer;
    }
    transfer.has_handle = true;
    if (Geoservices::abort_requested()) {
        transfer.curl_code = CURLE_ABORTED_BY_CALLBACK;  // its job was stopped: send nothing
        return transfer;
    }
    Geoservices::watch_abort_request(handle.get());
    if (security == TransportSecurity::verified_tls) {
        set_tls_verification(handle.get());
    }
    const Geoservices::TransferLimits limits = Geoservices::transfer_limits();
    apply_transfer_limits(handle.get(), limits);
    BoundedBody body{&transfer.s_body, limits.max_answer_bytes};
    curl_easy_setopt(handle.get(), CURLOPT_URL, s_url.c_str());
    curl_easy_setopt(handle.get(), CURLOPT_WRITEFUNCTION, append_within_limit);
    curl_easy_setopt(handle.get(), CURLOPT_WRITEDATA, &body);

    std::unique_ptr<curl_slist, HeaderListCleanup> headers;
    for (const std::string& s_line : v_header_lines) {
        curl_slist* extended = curl_slist_append(headers.get(), s_line.c_str());
        if (extended == nullptr) {
            return transfer;  // no memory for the header: nothing is sent
        }
        headers.release();
        headers.reset(extended);
    }
    if (headers) {
        curl_easy_setopt(handle.get(), CURLOPT_HTTPHEADER, headers.get());
    }
    transfer.curl_code = curl_easy_perform(handle.get());
    if (transfer.curl_code != CURLE_OK) {
        // A broken-off answer may still parse (a complete first row, a cut number), so
        // nothing of it counts: the request failed like one that got no answer.
        std::string().swap(transfer.s_body);
    }
    return transfer;
}

std::string transfer_error_text(int curl_code)
{
    return curl_easy_strerror(static_cast<CURLcode>(curl_code));
}

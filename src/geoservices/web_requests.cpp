#include "web_requests.h"

#include "web_transfer.h"

#include <new>

size_t curl_write_to_string(char* data, size_t size, size_t count, void* text)
{
    const size_t n = size * count;
    try {
        static_cast<std::string*>(text)->append(data, n);
    } catch (const std::bad_alloc&) {
        return 0;  // the string keeps what it held before this piece
    }
    return n;
}

std::string http_get(const std::string& s_url)
{
    return perform_get(s_url, TransportSecurity::plain).s_body;
}

std::string https_get(const std::string& s_url)
{
    return perform_get(s_url, TransportSecurity::verified_tls).s_body;
}

std::string build_osrm_sources(uint32_t first, uint32_t last)
{
    std::string s_query = "?sources=";
    // 64-bit counter: last may be the largest 32-bit value.
    for (uint64_t i = first; i <= last; ++i) {
        s_query += std::to_string(i);
        if (i < last) {
            s_query += ';';
        }
    }
    return s_query;
}

#pragma once
// Blocking GET requests that hand back the whole answer body. An empty body is the one
// sign that no whole answer came back (no connection, refused, failed TLS check, time-out,
// deadline passed, broken-off or oversized answer); a part is never handed on.

#include <cstddef>
#include <cstdint>
#include <string>

// libcurl write callback: appends the bytes to the std::string behind text.
// Returns the bytes taken, or 0 when memory ran out (libcurl then ends the transfer).
size_t curl_write_to_string(char* data, size_t size, size_t count, void* text);

std::string http_get(const std::string& s_url);
// Verifies the server certificate and host name; a failed check gives "".
std::string https_get(const std::string& s_url);

// "?sources=first;...;last", or "?sources=" when first > last.
std::string build_osrm_sources(uint32_t first, uint32_t last);

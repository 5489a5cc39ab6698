#pragma once
// One blocking GET on its own libcurl handle, shared by every request of this module.

#include <string>
#include <vector>

struct WebTransfer {
    bool has_handle = false;  // false when libcurl gave no easy handle
    int curl_code = 0;        // CURLcode of the transfer, 0 on success
    std::string s_body;       // the whole answer; empty unless the transfer completed
};

enum class TransportSecurity { plain, verified_tls };

// HTTPS requests verify the peer and the host name against "cacert.pem" in the working
// directory when it exists, else against the system's CA store. Every request keeps to
// the transfer limits of the service configuration; one past them fails.
WebTransfer perform_get(const std::string& s_url, TransportSecurity security,
                        const std::vector<std::string>& v_header_lines = {});

// The text libcurl gives for a transfer's result code.
std::string transfer_error_text(int curl_code);

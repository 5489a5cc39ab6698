#pragma once
// One blocking GET on its own libcurl handle, shared by every request of this module.

#include <string>
#include <vector>

struct WebTransfer {
    bool has_handle = false;  // false when libcurl gave no easy handle
    int curl_code = 0;        // CURLcode of the transfer, 0 on success
    std::string s_body;       // whatever arrived, in order
};

enum class TransportSecurity { plain, verified_tls };

// HTTPS requests verify the peer and the host name against "cacert.pem" in the working
// directory when it exists, else against the system's CA store.
WebTransfer perform_get(const std::string& s_url, TransportSecurity security,
                        const std::vector<std::string>& v_header_lines = {});

// The text libcurl gives for a transfer's result code.
std::string transfer_error_text(int curl_code);

#pragma once
// Percent-encoding of one value placed into a URL, so that "&", "#", "?" or "/" inside an
// address, e-mail or key cannot cut or change the request.

#include <string>

enum class BlankEncoding {
    plus,    // query values of the geocoders: " " becomes "+"
    percent  // everywhere else: " " becomes "%20"
};

// Keeps letters, digits and "-._~"; every other byte becomes %XX (upper-case hex).
std::string url_encode(const std::string& s_value, BlankEncoding blank);

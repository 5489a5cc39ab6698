#pragma once
// The two requests of the console coordinate routines: their address texts carry no
// state, and Google's ends in a comma. Every value is percent-encoded.

#include <rapidjson/document.h>

#include <string>

struct ConsoleAddress {
    std::string s_address;
    std::string s_number;
    std::string s_neighborhood;
    std::string s_city;
    std::string s_country;
};

std::string console_nominatim_url(const ConsoleAddress& address, const std::string& s_email);
std::string console_google_url(const ConsoleAddress& address, const std::string& s_key);

enum class GoogleOutcome {
    unusable,   // not JSON, or no first location of numbers within the degree ranges
    not_found,  // "ZERO_RESULTS"
    found       // s_lat and s_lng hold the first location with six decimals
};

// Also what the Google lookup reads its answer with.
GoogleOutcome read_google_answer(const rapidjson::Value& answer, std::string& s_lat,
                                 std::string& s_lng);

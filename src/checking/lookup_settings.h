#pragma once
// Which geocoding lookup serves a full instance check, from the settings the document
// holds in input.meta_info: lat_long_api, and email or google_api_key as it needs.

#include "lat_long_status.h"

#include <rapidjson/document.h>

#include <string>

struct ClientAddress {
    std::string s_address;
    std::string s_number;
    std::string s_neighborhood;
    std::string s_city;
    std::string s_state;
    std::string s_country;
};

enum class LookupKind { nominatim_relaxed, nominatim_exact, nominatim_then_google, google };

struct LookupSettings {
    LookupKind kind = LookupKind::nominatim_relaxed;
    std::string s_email;
    std::string s_key;
};

struct SettingsFault {
    const char* s_code = "";
    const char* s_message = "";
};

// The lookup a lat_long_api name selects; false for a name that is not one of the four.
bool lookup_kind(const std::string& s_api, LookupKind& kind);

// False, with the fault to record, when lat_long_api is missing or unknown or a text
// it needs is missing.
bool read_lookup_settings(const rapidjson::Value& document, LookupSettings& settings,
                          SettingsFault& fault);

// Runs the chosen lookup; the texts are written as the lookup writes them.
Geoservices::LAT_LONG_STATUS look_up(const LookupSettings& settings,
                                     const ClientAddress& address, std::string& s_lat,
                                     std::string& s_long);

#pragma once
// Coordinates of one postal address from the public geocoders, and the test that a
// latitude/longitude pair of texts is usable. Outputs are written only on the outcomes
// that say so; otherwise they keep what the caller put in them.

#include "lat_long_status.h"

#include <string>

// Rewrites "," to "." in both texts first, then tells whether they are a usable pair.
bool check_lat_long(std::string& s_lat, std::string& s_long);

Geoservices::LAT_LONG_STATUS get_lat_long_nominatim(
    const std::string& s_address, const std::string& s_number, const std::string& s_neighborhood,
    const std::string& s_city, const std::string& s_state, const std::string& s_country,
    const std::string& s_email, std::string& s_lat, std::string& s_lon, bool exact);

Geoservices::LAT_LONG_STATUS get_lat_long_google(
    const std::string& s_address, const std::string& s_number, const std::string& s_neighborhood,
    const std::string& s_city, const std::string& s_state, const std::string& s_country,
    const std::string& s_key, std::string& s_lat, std::string& s_lng);

// Exact Nominatim search first; Google when it gives anything but LAT_LONG_OK.
Geoservices::LAT_LONG_STATUS get_lat_long(
    const std::string& s_address, const std::string& s_number, const std::string& s_neighborhood,
    const std::string& s_city, const std::string& s_state, const std::string& s_country,
    const std::string& s_key, const std::string& s_email, std::string& s_lat,
    std::string& s_lon);

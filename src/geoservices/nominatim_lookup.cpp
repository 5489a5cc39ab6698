#include "geocoding.h"

#include "geocoding_query.h"
#include "json_access.h"
#include "json_document.h"
#include "service_config.h"
#include "web_requests.h"

using Geoservices::LAT_LONG_STATUS;

namespace {

// Writes the first match's texts; a match without string "lat" and "lon" is no answer.
LAT_LONG_STATUS read_matches(const rapidjson::Value& v_matches, bool exact, std::string& s_lat,
                             std::string& s_lon)
{
    if (v_matches.Empty()) {
        return Geoservices::LAT_LONG_NOT_FOUND;
    }
    std::string s_found_lat;
    std::string s_found_lon;
    if (!read_string_member(v_matches[0], "lat", s_found_lat) ||
        !read_string_member(v_matches[0], "lon", s_found_lon)) {
        return Geoservices::LAT_LONG_NO_INTERNET;
    }
    s_lat = s_found_lat;
    s_lon = s_found_lon;
    if (exact && v_matches.Size() >= 2) {
        return Geoservices::LAT_LONG_EXACT_NOT_FOUND;
    }
    return Geoservices::LAT_LONG_OK;
}

}  // namespace

LAT_LONG_STATUS get_lat_long_nominatim(
    const std::string& s_address, const std::string& s_number, const std::string& s_neighborhood,
    const std::string& s_city, const std::string& s_state, const std::string& s_country,
    const std::string& s_email, std::string& s_lat, std::string& s_lon, bool exact)
{
    const AddressParts parts{s_address, s_number, s_neighborhood, s_city, s_state, s_country};
    const std::string s_url = "https://" + Geoservices::endpoints().nominatim_host +
                              "/search?q=" + build_address_query(parts, QueryEnd::bare) +
                              "&format=json&email=" + encode_query_value(s_email);
    const std::string s_body = https_get(s_url);
    const rapidjson::Document answer = string_to_json(s_body);
    if (answer.IsNull()) {
        // An HTML page instead of JSON is how the service turns away a missing e-mail.
        return s_body.empty() ? Geoservices::LAT_LONG_NO_INTERNET
                              : Geoservices::LAT_LONG_INVALID_EMAIL;
    }
    if (answer.IsArray()) {
        return read_matches(answer, exact, s_lat, s_lon);
    }
    if (find_member(answer, "error") != nullptr) {
        return Geoservices::LAT_LONG_NOT_FOUND;
    }
    return Geoservices::LAT_LONG_NO_INTERNET;
}

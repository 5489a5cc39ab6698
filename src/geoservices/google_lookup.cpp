#include "geocoding.h"

#include "console_lat_long_requests.h"
#include "geocoding_query.h"
#include "json_access.h"
#include "json_document.h"
#include "service_config.h"
#include "web_requests.h"

using Geoservices::LAT_LONG_STATUS;

LAT_LONG_STATUS get_lat_long_google(
    const std::string& s_address, const std::string& s_number, const std::string& s_neighborhood,
    const std::string& s_city, const std::string& s_state, const std::string& s_country,
    const std::string& s_key, std::string& s_lat, std::string& s_lng)
{
    const AddressParts parts{s_address, s_number, s_neighborhood, s_city, s_state, s_country};
    const std::string s_url = "https://" + Geoservices::endpoints().google_host +
                              "/maps/api/geocode/json?address=" +
                              build_address_query(parts, QueryEnd::trailing_comma) +
                              "&key=" + encode_query_value(s_key);
    const rapidjson::Document answer = string_to_json(https_get(s_url));
    std::string s_status;
    if (!read_string_member(answer, "status", s_status)) {
        return Geoservices::LAT_LONG_NO_INTERNET;
    }
    if (s_status == "ZERO_RESULTS" || s_status == "INVALID_REQUEST") {
        return Geoservices::LAT_LONG_NOT_FOUND;
    }
    if (s_status == "REQUEST_DENIED") {
        return Geoservices::LAT_LONG_INVALID_GOOGLE_KEY;
    }
    // An error status such as "OVER_QUERY_LIMIT", or a malformed "OK", comes without a
    // numeric location and is no usable answer.
    return read_google_answer(answer, s_lat, s_lng) == GoogleOutcome::found
               ? Geoservices::LAT_LONG_OK
               : Geoservices::LAT_LONG_NO_INTERNET;
}

#include "geocoding.h"

#include "geocoding_query.h"
#include "json_access.h"
#include "json_document.h"
#include "service_config.h"
#include "web_requests.h"

#include <iomanip>
#include <locale>
#include <sstream>

using Geoservices::LAT_LONG_STATUS;

namespace {

// Six decimals as "%f" prints them in the "C" locale, whatever locale the process uses.
std::string six_decimals(double value)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::fixed << std::setprecision(6) << value;
    return stream.str();
}

// results[0].geometry.location, when every step is there.
const rapidjson::Value* first_location(const rapidjson::Value& answer)
{
    const rapidjson::Value* results = find_member(answer, "results");
    const rapidjson::Value* first = results ? find_element(*results, 0) : nullptr;
    const rapidjson::Value* geometry = first ? find_member(*first, "geometry") : nullptr;
    return geometry ? find_member(*geometry, "location") : nullptr;
}

// An answer without a numeric location (an error status such as "OVER_QUERY_LIMIT",
// or a malformed "OK") is no usable answer.
LAT_LONG_STATUS read_location(const rapidjson::Value& answer, std::string& s_lat,
                              std::string& s_lng)
{
    const rapidjson::Value* location = first_location(answer);
    const rapidjson::Value* lat = location ? find_member(*location, "lat") : nullptr;
    const rapidjson::Value* lng = location ? find_member(*location, "lng") : nullptr;
    if (lat == nullptr || lng == nullptr || !lat->IsNumber() || !lng->IsNumber()) {
        return Geoservices::LAT_LONG_NO_INTERNET;
    }
    s_lat = six_decimals(lat->GetDouble());
    s_lng = six_decimals(lng->GetDouble());
    return Geoservices::LAT_LONG_OK;
}

}  // namespace

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
    return read_location(answer, s_lat, s_lng);
}

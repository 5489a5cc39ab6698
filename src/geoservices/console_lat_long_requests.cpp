#include "console_lat_long_requests.h"

#include "geocoding_query.h"
#include "json_access.h"
#include "service_config.h"
#include "url_encoding.h"

#include <charconv>
#include <cmath>

namespace {

// street, blank, number, then neighbourhood, city and country after commas.
std::string address_text(const ConsoleAddress& address, BlankEncoding blank)
{
    return url_encode(address.s_address + " " + address.s_number, blank) +
           "," + url_encode(address.s_neighborhood, blank) + "," +
           url_encode(address.s_city, blank) + "," + url_encode(address.s_country, blank);
}

// "%f" without the process locale's say in the decimal separator.
std::string six_decimal_text(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

// results[0].geometry.location, when every step is there and of its kind.
const rapidjson::Value* first_location(const rapidjson::Value& answer)
{
    const rapidjson::Value* results = find_member(answer, "results");
    const rapidjson::Value* first = results ? find_element(*results, 0) : nullptr;
    const rapidjson::Value* geometry = first ? find_member(*first, "geometry") : nullptr;
    return geometry ? find_member(*geometry, "location") : nullptr;
}

// A coordinate within bound degrees; anything else (an overflowed 1.8e308 included) is
// no place, and would not fit the six-decimal text either.
const rapidjson::Value* location_number(const rapidjson::Value* location, const char* s_name,
                                        double bound)
{
    const rapidjson::Value* value = location ? find_member(*location, s_name) : nullptr;
    return value != nullptr && is_finite_number(*value) && std::fabs(value->GetDouble()) <= bound
               ? value
               : nullptr;
}

}  // namespace

std::string console_nominatim_url(const ConsoleAddress& address, const std::string& s_email)
{
    return "https://" + Geoservices::endpoints().nominatim_host +
           "/search?q=" + address_text(address, BlankEncoding::plus) +
           "&format=json&email=" + encode_query_value(s_email);
}

std::string console_google_url(const ConsoleAddress& address, const std::string& s_key)
{
    return "https://" + Geoservices::endpoints().google_host +
           "/maps/api/geocode/json?address=" + address_text(address, BlankEncoding::percent) +
           ",&key=" + encode_query_value(s_key);
}

GoogleOutcome read_google_answer(const rapidjson::Value& answer, std::string& s_lat,
                                 std::string& s_lng)
{
    std::string s_status;
    if (read_string_member(answer, "status", s_status) && s_status == "ZERO_RESULTS") {
        return GoogleOutcome::not_found;
    }
    // Any other status is read for a location; error statuses come without one.
    const rapidjson::Value* location = first_location(answer);
    const rapidjson::Value* lat = location_number(location, "lat", 90.0);
    const rapidjson::Value* lng = location_number(location, "lng", 180.0);
    if (lat == nullptr || lng == nullptr) {
        return GoogleOutcome::unusable;
    }
    s_lat = six_decimal_text(lat->GetDouble());
    s_lng = six_decimal_text(lng->GetDouble());
    return GoogleOutcome::found;
}

#include "lookup_settings.h"

#include "check_failure.h"
#include "geocoding.h"
#include "json_access.h"

namespace {

struct LookupRoute {
    const char* s_api;
    bool needs_email;
    bool needs_key;
    const char* s_missing_message;  // when a text it needs is missing
    LookupKind kind;
};

const LookupRoute k_routes[] = {
    {"osrm_relaxed", true, false, "missing 'email' field", LookupKind::nominatim_relaxed},
    {"osrm_exact", true, false, "missing 'email' field", LookupKind::nominatim_exact},
    {"osrm_google", true, true, "missing 'email' or 'google_api_key' field",
     LookupKind::nominatim_then_google},
    {"google", false, true, "missing 'google_api_key' field'", LookupKind::google},
};

const LookupRoute* find_route(const std::string& s_api)
{
    for (const LookupRoute& route : k_routes) {
        if (s_api == route.s_api) {
            return &route;
        }
    }
    return nullptr;
}

bool fault(SettingsFault& out, const char* s_code, const char* s_message)
{
    out = SettingsFault{s_code, s_message};
    return false;
}

}  // namespace

bool lookup_kind(const std::string& s_api, LookupKind& kind)
{
    const LookupRoute* route = find_route(s_api);
    if (route != nullptr) {
        kind = route->kind;
    }
    return route != nullptr;
}

bool read_lookup_settings(const rapidjson::Value& document, LookupSettings& settings,
                          SettingsFault& out)
{
    static const rapidjson::Value k_no_settings(rapidjson::kObjectType);
    const rapidjson::Value* meta_info = input_part(document, "meta_info");
    const rapidjson::Value& values = meta_info != nullptr ? *meta_info : k_no_settings;
    if (find_member(values, "lat_long_api") == nullptr) {
        return fault(out, "missing_json_field", "there is no 'lat_long_api' field");
    }
    std::string s_api;
    read_string_member(values, "lat_long_api", s_api);
    const LookupRoute* route = find_route(s_api);
    if (route == nullptr) {
        return fault(out, "invalid_field", "invalid 'lat_long_api'");
    }
    const bool has_email = read_string_member(values, "email", settings.s_email);
    const bool has_key = read_string_member(values, "google_api_key", settings.s_key);
    if ((route->needs_email && !has_email) || (route->needs_key && !has_key)) {
        return fault(out, "missing_json_field", route->s_missing_message);
    }
    settings.kind = route->kind;
    return true;
}

Geoservices::LAT_LONG_STATUS look_up(const LookupSettings& settings,
                                     const ClientAddress& address, std::string& s_lat,
                                     std::string& s_long)
{
    const ClientAddress& a = address;
    switch (settings.kind) {
    case LookupKind::nominatim_then_google:
        return get_lat_long(a.s_address, a.s_number, a.s_neighborhood, a.s_city, a.s_state,
                            a.s_country, settings.s_key, settings.s_email, s_lat, s_long);
    case LookupKind::google:
        return get_lat_long_google(a.s_address, a.s_number, a.s_neighborhood, a.s_city,
                                   a.s_state, a.s_country, settings.s_key, s_lat, s_long);
    default:
        return get_lat_long_nominatim(a.s_address, a.s_number, a.s_neighborhood, a.s_city,
                                      a.s_state, a.s_country, settings.s_email, s_lat, s_long,
                                      settings.kind == LookupKind::nominatim_exact);
    }
}

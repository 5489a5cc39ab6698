#include "coordinate_lookup.h"

#include "geocoding.h"

#include <functional>
#include <map>

using Geoservices::LAT_LONG_STATUS;

namespace {

struct Address {
    std::string s_address, s_number, s_neighborhood, s_city, s_state, s_country;
};

using Lookup = std::function<LAT_LONG_STATUS(const Address&, const LookupSettings&,
                                             std::string&, std::string&)>;

LAT_LONG_STATUS nominatim(const Address& a, const LookupSettings& settings, std::string& s_lat,
                          std::string& s_lon, bool exact)
{
    return get_lat_long_nominatim(a.s_address, a.s_number, a.s_neighborhood, a.s_city,
                                  a.s_state, a.s_country, settings.s_email, s_lat, s_lon, exact);
}

// The lookup of each service name; the names are the settings window's four values.
const std::map<std::string, Lookup>& lookups()
{
    static const std::map<std::string, Lookup> table{
        {"osrm_relaxed",
         [](const Address& a, const LookupSettings& s, std::string& lat, std::string& lon) {
             return nominatim(a, s, lat, lon, false);
         }},
        {"osrm_exact",
         [](const Address& a, const LookupSettings& s, std::string& lat, std::string& lon) {
             return nominatim(a, s, lat, lon, true);
         }},
        {"osrm_google",
         [](const Address& a, const LookupSettings& s, std::string& lat, std::string& lon) {
             return get_lat_long(a.s_address, a.s_number, a.s_neighborhood, a.s_city,
                                 a.s_state, a.s_country, s.s_google_api_key, s.s_email, lat,
                                 lon);
         }},
        {"google",
         [](const Address& a, const LookupSettings& s, std::string& lat, std::string& lon) {
             return get_lat_long_google(a.s_address, a.s_number, a.s_neighborhood, a.s_city,
                                        a.s_state, a.s_country, s.s_google_api_key, lat, lon);
         }},
    };
    return table;
}

// The cell, or an empty text when a short row lacks it.
std::string cell(const std::vector<std::string>& v_row, size_t column)
{
    return column < v_row.size() ? v_row[column] : std::string();
}

Address address_of(const std::vector<std::string>& v_row)
{
    return Address{cell(v_row, k_cell_address), cell(v_row, k_cell_number), cell(v_row, 3),
                   cell(v_row, 4), cell(v_row, 5), cell(v_row, 6)};
}

}  // namespace

std::chrono::milliseconds grid_pause(const std::string& s_lat_long_api)
{
    static const std::map<std::string, std::chrono::milliseconds> pauses{
        {"osrm_relaxed", std::chrono::milliseconds(800)},
        {"osrm_exact", std::chrono::milliseconds(800)},
        {"osrm_google", std::chrono::milliseconds(600)},
        {"google", std::chrono::milliseconds(200)},
    };
    const auto found = pauses.find(s_lat_long_api);
    return found == pauses.end() ? std::chrono::milliseconds(0) : found->second;
}

bool row_has_valid_lat_long(const std::vector<std::string>& v_row)
{
    std::string s_lat = cell(v_row, k_cell_lat);
    std::string s_lon = cell(v_row, k_cell_lon);
    return check_lat_long(s_lat, s_lon);
}

RowOutcome resolve_row(std::vector<std::string>& v_row, const LookupSettings& settings)
{
    RowOutcome outcome;
    outcome.s_lat = cell(v_row, k_cell_lat);
    outcome.s_lon = cell(v_row, k_cell_lon);
    if (row_has_valid_lat_long(v_row)) {
        outcome.status = Geoservices::LAT_LONG_ALREADY_EXISTS;
        return outcome;
    }
    outcome.looked_up = true;
    const auto lookup = lookups().find(settings.s_lat_long_api);
    if (lookup == lookups().end()) {
        outcome.status = Geoservices::LAT_LONG_NOT_FOUND;
        return outcome;
    }
    outcome.status = lookup->second(address_of(v_row), settings, outcome.s_lat, outcome.s_lon);
    if (outcome.status == Geoservices::LAT_LONG_OK) {
        if (v_row.size() <= k_cell_lon) {
            v_row.resize(k_cell_lon + 1);
        }
        v_row[k_cell_lat] = outcome.s_lat;
        v_row[k_cell_lon] = outcome.s_lon;
    }
    return outcome;
}

bool ends_search(LAT_LONG_STATUS status)
{
    return status == Geoservices::LAT_LONG_NO_INTERNET ||
           status == Geoservices::LAT_LONG_INVALID_EMAIL ||
           status == Geoservices::LAT_LONG_INVALID_GOOGLE_KEY;
}

bool is_not_found(LAT_LONG_STATUS status)
{
    return status == Geoservices::LAT_LONG_NOT_FOUND ||
           status == Geoservices::LAT_LONG_EXACT_NOT_FOUND;
}

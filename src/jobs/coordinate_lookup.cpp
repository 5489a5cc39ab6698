#include "coordinate_lookup.h"

#include "geocoding.h"
#include "lookup_settings.h"

#include <map>

using Geoservices::LAT_LONG_STATUS;

namespace {

// The cell, or an empty text when a short row lacks it.
std::string cell(const std::vector<std::string>& v_row, size_t column)
{
    return column < v_row.size() ? v_row[column] : std::string();
}

ClientAddress address_of(const std::vector<std::string>& v_row)
{
    return ClientAddress{cell(v_row, k_cell_address), cell(v_row, k_cell_number),
                         cell(v_row, 3), cell(v_row, 4), cell(v_row, 5), cell(v_row, 6)};
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

RowOutcome resolve_row(std::vector<std::string>& v_row, const CoordinateSettings& settings)
{
    RowOutcome outcome;
    outcome.s_lat = cell(v_row, k_cell_lat);
    outcome.s_lon = cell(v_row, k_cell_lon);
    if (row_has_valid_lat_long(v_row)) {
        outcome.status = Geoservices::LAT_LONG_ALREADY_EXISTS;
        return outcome;
    }
    outcome.looked_up = true;
    LookupSettings lookup;
    if (!lookup_kind(settings.s_lat_long_api, lookup.kind)) {
        outcome.status = Geoservices::LAT_LONG_NOT_FOUND;
        return outcome;
    }
    lookup.s_email = settings.s_email;
    lookup.s_key = settings.s_google_api_key;
    outcome.status = look_up(lookup, address_of(v_row), outcome.s_lat, outcome.s_lon);
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

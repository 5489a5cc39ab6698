#pragma once
// One row of a coordinate job: whether it already holds usable coordinates, the
// lookup that the setting lat_long_api selects, and the pause that follows it.

#include "lat_long_status.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

// The three settings a coordinate job is started with.
struct CoordinateSettings {
    std::string s_email;
    std::string s_google_api_key;
    std::string s_lat_long_api;
};

// Cells of a job's table row: 0 name, 1 address, 2 number, 3 neighborhood, 4 city,
// 5 state, 6 country, 7 lat, 8 long.
constexpr size_t k_cell_address = 1;
constexpr size_t k_cell_number = 2;
constexpr size_t k_cell_lat = 7;
constexpr size_t k_cell_lon = 8;

// What a row came to: the status to report and the lat and lon texts that go with it.
struct RowOutcome {
    Geoservices::LAT_LONG_STATUS status = Geoservices::LAT_LONG_OK;
    std::string s_lat;
    std::string s_lon;
    bool looked_up = false;  // a lookup ran, so a pause follows
};

// Pause after a lookup in the grid jobs; none for a service they do not know.
std::chrono::milliseconds grid_pause(const std::string& s_lat_long_api);
// Pause after a lookup in the database job, whatever the service.
constexpr std::chrono::milliseconds k_database_job_pause{1200};

// The row's lat and lon pass check_lat_long (tested on copies: the row keeps its texts).
bool row_has_valid_lat_long(const std::vector<std::string>& v_row);

// Looks the row up unless it already holds valid coordinates; LAT_LONG_OK writes the
// found texts into the row's lat and lon cells. A service name that is not known makes
// no request and counts as not found.
RowOutcome resolve_row(std::vector<std::string>& v_row, const CoordinateSettings& settings);

// No connection, a refused e-mail or a refused Google key: further lookups are useless.
bool ends_search(Geoservices::LAT_LONG_STATUS status);
bool is_not_found(Geoservices::LAT_LONG_STATUS status);

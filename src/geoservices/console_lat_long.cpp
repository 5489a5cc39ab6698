#include "console_lat_long.h"

#include "console_lat_long_requests.h"
#include "json_access.h"
#include "json_document.h"
#include "service_config.h"
#include "web_requests.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <utility>
#include <vector>

namespace {

enum class Variant { osm, osm_exact, osm_google };

struct Routine {
    Variant variant;
    const char* s_first_line;
    std::chrono::milliseconds pause;
};

const Routine k_osm{Variant::osm,
                    " ######## Collect lat-long routine started (OSM) ########\n",
                    std::chrono::seconds(2)};
const Routine k_osm_exact{Variant::osm_exact,
                          " ######## Collect lat-long routine started (OSM-exact) ########\n",
                          std::chrono::seconds(2)};
const Routine k_osm_google{Variant::osm_google,
                           " ######## Collect lat-long routine started (OSM/GOOGLE) ########\n",
                           std::chrono::seconds(1)};

struct ClientColumns {
    int32_t lat = 0;
    int32_t lon = 0;
    int32_t address = 0;
    int32_t number = 0;
    int32_t neighborhood = 0;
    int32_t city = 0;
    int32_t country = 0;
};

// One client row being treated, with what its progress lines need.
struct RowTask {
    TextTable& vv_table;
    const ClientColumns& columns;
    size_t row;
    size_t total;

    std::string progress() const
    {
        return " " + std::to_string(row) + "/" + std::to_string(total);
    }
    std::string cell(int32_t column) const { return cell_at(vv_table, row, column); }
};

// A missing name must not fall back to column 0: that would overwrite the first column.
bool resolve_columns(const ColumnMap& columns, ClientColumns& out)
{
    const std::pair<const char*, int32_t*> v_wanted[] = {
        {"lat", &out.lat},
        {"long", &out.lon},
        {"address", &out.address},
        {"number", &out.number},
        {"neighborhood", &out.neighborhood},
        {"city", &out.city},
        {"country", &out.country},
    };
    for (const auto& wanted : v_wanted) {
        const auto found = columns.find(wanted.first);
        if (found == columns.end() || found->second < 0) {
            std::cout << " client table has no '" << wanted.first
                      << "' column, no lat/long collected\n";
            return false;
        }
        *wanted.second = found->second;
    }
    return true;
}

// Points become commas; a row too short to hold the cells is widened with empty cells.
void store_coordinates(const RowTask& task, std::string s_lat, std::string s_long)
{
    std::vector<std::string>& v_row = task.vv_table[task.row];
    const size_t width = static_cast<size_t>(std::max(task.columns.lat, task.columns.lon)) + 1;
    if (v_row.size() < width) {
        v_row.resize(width);
    }
    v_row[static_cast<size_t>(task.columns.lat)] = replace_all(s_lat, ".", ",");
    v_row[static_cast<size_t>(task.columns.lon)] = replace_all(s_long, ".", ",");
}

// Writes element 0 of the Nominatim array when it has string "lat" and "lon".
bool store_first_match(const RowTask& task, const rapidjson::Value& v_matches)
{
    std::string s_lat;
    std::string s_lon;
    const rapidjson::Value* first = find_element(v_matches, 0);
    if (first == nullptr || !read_string_member(*first, "lat", s_lat) ||
        !read_string_member(*first, "lon", s_lon)) {
        return false;
    }
    store_coordinates(task, s_lat, s_lon);
    return true;
}

void take_first_match(const RowTask& task, const rapidjson::Value& v_matches)
{
    if (store_first_match(task, v_matches)) {
        std::cout << task.progress() << " (lat/long) collected ... \n";
    } else {
        std::cout << " problem collecting database lat/long row " << task.row << "\n";
    }
}

ConsoleAddress row_address(const RowTask& task)
{
    const ClientColumns& c = task.columns;
    return ConsoleAddress{task.cell(c.address), task.cell(c.number), task.cell(c.neighborhood),
                          task.cell(c.city), task.cell(c.country)};
}

void ask_google(const RowTask& task, const std::string& s_key)
{
    const rapidjson::Document answer =
        string_to_json(https_get(console_google_url(row_address(task), s_key)));
    std::string s_lat;
    std::string s_lng;
    switch (read_google_answer(answer, s_lat, s_lng)) {
    case GoogleOutcome::unusable:
        std::cout << " problem collecting database (lat/long) google  " << task.row << "\n";
        break;
    case GoogleOutcome::not_found:
        std::cout << task.progress() << " data not found by google API ... \n";
        break;
    case GoogleOutcome::found:
        store_coordinates(task, s_lat, s_lng);
        std::cout << task.progress() << " google (lat/long) collected ... \n";
        break;
    }
}

// Only several matches settle a row; JSON other than an array ends the row's attempt,
// anything else (no JSON, no match, a single one) goes on to Google.
void treat_with_google(const RowTask& task, const rapidjson::Document& answer,
                       const std::string& s_key)
{
    if (!answer.IsNull() && !answer.IsArray()) {
        return;
    }
    if (answer.IsArray() && answer.Size() >= 2 && store_first_match(task, answer)) {
        std::cout << task.progress() << " nominatim (lat/long) collected ... \n";
        return;
    }
    ask_google(task, s_key);
}

void treat_answer(const RowTask& task, Variant variant, const rapidjson::Document& answer,
                  const std::string& s_key)
{
    if (variant == Variant::osm_google) {
        treat_with_google(task, answer, s_key);
        return;
    }
    if (!answer.IsArray() || answer.Empty()) {
        return;
    }
    if (variant == Variant::osm_exact && answer.Size() == 1) {
        std::cout << " can not collect accurate lat/long " << task.row << "\n";
        return;
    }
    take_first_match(task, answer);
}

bool collect(const Routine& routine, TextTable& vv_table, const ColumnMap& columns,
             const std::string& s_email, const std::string& s_key)
{
    std::cout << routine.s_first_line;
    if (vv_table.size() < 2) {
        return true;
    }
    ClientColumns client_columns;
    if (!resolve_columns(columns, client_columns)) {
        return false;
    }
    for (size_t row = 1; row < vv_table.size(); ++row) {
        const RowTask task{vv_table, client_columns, row, vv_table.size() - 1};
        if (!task.cell(client_columns.lat).empty()) {
            std::cout << task.progress() << " (lat/long) already exists ... \n";
            continue;
        }
        const rapidjson::Document answer =
            string_to_json(https_get(console_nominatim_url(row_address(task), s_email)));
        treat_answer(task, routine.variant, answer, s_key);
        Geoservices::pause(routine.pause);
    }
    return true;
}

}  // namespace

bool collect_lat_long_database_osm(TextTable& vv_table, const ColumnMap& columns,
                                   const std::string& s_email)
{
    return collect(k_osm, vv_table, columns, s_email, std::string());
}

bool collect_lat_long_database_osm_exact(TextTable& vv_table, const ColumnMap& columns,
                                         const std::string& s_email)
{
    return collect(k_osm_exact, vv_table, columns, s_email, std::string());
}

bool collect_lat_long_database_osm_google(TextTable& vv_table, const ColumnMap& columns,
                                          const std::string& s_email, const std::string& s_key)
{
    return collect(k_osm_google, vv_table, columns, s_email, s_key);
}

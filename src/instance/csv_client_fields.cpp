// The per-row steps of the client conversion.
#include "csv_cells.h"
#include "minutes_between.h"

#include <limits>

namespace {

constexpr int k_open_late_tw = std::numeric_limits<int32_t>::max();
// Cells hold day/month/year hour:minute; seconds are appended before parsing.
const char k_time_format[] = "%d/%m/%Y %H:%M:%S";

const NumberField k_service_time_field{"service_time", 0, nullptr,
                                       "service time is not a number",
                                       "service time is negative"};
const NumberField k_demand_field{"demand", 0, nullptr, "demand is not a number",
                                 "demand is negative"};

// Minutes from the depot's start to the cell's time; an empty cell gives empty_value.
bool minutes_from_start(const std::string& s_start, const std::string& s_cell, int empty_value,
                        int& minutes)
{
    if (s_cell.empty()) {
        minutes = empty_value;
        return true;
    }
    bool ok = false;
    minutes = minutes_between(s_start + ":00", s_cell + ":00", ok, k_time_format);
    return ok;
}

}  // namespace

bool csv_time_windows_to_json(const TextTable& vv_clients, ColumnMap& columns, size_t row,
                              rapidjson::Value& client, rapidjson::Value& error,
                              rapidjson::Document& document)
{
    const std::string s_start = mapped_cell(vv_clients, columns, 1, "early_tw");
    if (s_start.empty()) {
        return set_conversion_error(error, k_client_error_code, "missing depot initial date",
                                    document);
    }
    int early_tw = 0;
    int late_tw = 0;
    const bool depot = row == 1;
    if ((!depot && !minutes_from_start(s_start, mapped_cell(vv_clients, columns, row, "early_tw"),
                                       0, early_tw)) ||
        !minutes_from_start(s_start, mapped_cell(vv_clients, columns, row, "late_tw"),
                            k_open_late_tw, late_tw)) {
        return set_conversion_error(error, k_client_error_code, "wrong data formatting",
                                    document);
    }
    auto& allocator = document.GetAllocator();
    client.AddMember("early_tw", early_tw, allocator);
    client.AddMember("late_tw", late_tw, allocator);
    return true;
}

bool csv_lat_long_to_json(const TextTable& vv_clients, ColumnMap& columns, size_t row,
                          rapidjson::Value& client, rapidjson::Value& error,
                          rapidjson::Document& document)
{
    std::string s_lat = mapped_cell(vv_clients, columns, row, "lat");
    std::string s_long = mapped_cell(vv_clients, columns, row, "long");
    if (s_lat.empty() || s_long.empty()) {
        return set_conversion_error(error, k_client_error_code, "missing lat/long value",
                                    document);
    }
    add_string_member(client, "lat", replace_all(s_lat, ",", "."), document);
    add_string_member(client, "long", replace_all(s_long, ",", "."), document);
    return true;
}

bool csv_demand_service_to_json(const TextTable& vv_clients, ColumnMap& columns, size_t row,
                                rapidjson::Value& client, rapidjson::Value& error,
                                rapidjson::Document& document)
{
    if (row == 1) {
        auto& allocator = document.GetAllocator();
        client.AddMember("service_time", 0, allocator);
        client.AddMember("demand", 0, allocator);
        return true;
    }
    return add_number_field(vv_clients, columns, row, k_service_time_field, k_client_error_code,
                            client, error, document) &&
           add_number_field(vv_clients, columns, row, k_demand_field, k_client_error_code,
                            client, error, document);
}

bool csv_address_to_json(const TextTable& vv_clients, ColumnMap& columns, size_t row,
                         rapidjson::Value& client, rapidjson::Document& document)
{
    rapidjson::Value address(rapidjson::kObjectType);
    for (const char* key : {"address", "number", "neighborhood"}) {
        add_string_member(address, key, mapped_cell(vv_clients, columns, row, key), document);
    }
    // The client tables carry no state column; the member keeps the address shape
    // of every other instance document.
    add_string_member(address, "state", std::string(), document);
    for (const char* key : {"city", "country"}) {
        add_string_member(address, key, mapped_cell(vv_clients, columns, row, key), document);
    }
    client.AddMember("address", address, document.GetAllocator());
    return true;
}

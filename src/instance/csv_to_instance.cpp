#include "csv_to_instance.h"

#include "csv_cells.h"
#include "json_access.h"
#include "output_writer.h"

namespace {

const NumberField k_vehicle_fields[] = {
    {"container_qt", 0, nullptr, "vehicle qtt. is not a number", "negative vehicle qtt."},
    {"container_dim", 0, "vehicle has no capacity", "vehicle capacity is not a number",
     "negative vehicle capacity"},
    {"container_fixed_cost", 0, nullptr, "vehicle fixed cost is not a number",
     "negative fixed cost"},
    {"container_var_cost", 1, nullptr, "vehicle var. cost is not a number",
     "negative vehicle var cost"},
};

std::string client_id(const TextTable& vv_clients, ColumnMap& columns, size_t row)
{
    const std::string s_id = mapped_cell(vv_clients, columns, row, "id");
    if (!s_id.empty()) {
        return s_id;
    }
    return row == 1 ? "depot" : "C" + std::to_string(row - 1);
}

bool client_to_json(const TextTable& vv_clients, ColumnMap& columns, size_t row,
                    rapidjson::Value& client, rapidjson::Value& error,
                    rapidjson::Document& document)
{
    if (!csv_time_windows_to_json(vv_clients, columns, row, client, error, document) ||
        !csv_lat_long_to_json(vv_clients, columns, row, client, error, document) ||
        !csv_demand_service_to_json(vv_clients, columns, row, client, error, document)) {
        return false;
    }
    csv_address_to_json(vv_clients, columns, row, client, document);
    add_string_member(client, "id", client_id(vv_clients, columns, row), document);
    const auto obs = columns.find("obs");
    if (obs != columns.end()) {
        add_string_member(client, "obs", cell_at(vv_clients, row, obs->second), document);
    }
    return true;
}

bool vehicle_to_json(const TextTable& vv_vehicles, ColumnMap& columns, size_t row,
                     rapidjson::Value& vehicle, rapidjson::Value& error,
                     rapidjson::Document& document)
{
    std::string s_id = mapped_cell(vv_vehicles, columns, row, "container_id");
    if (s_id.empty()) {
        s_id = "V" + std::to_string(row);
    }
    add_string_member(vehicle, "container_id", s_id, document);
    for (const NumberField& field : k_vehicle_fields) {
        if (!add_number_field(vv_vehicles, columns, row, field, k_vehicle_error_code, vehicle,
                              error, document)) {
            return false;
        }
    }
    return true;
}

using RowToJson = bool (*)(const TextTable&, ColumnMap&, size_t, rapidjson::Value&,
                           rapidjson::Value&, rapidjson::Document&);

// Converts rows 1 to the last into an array member of data; the first failing row
// ends the conversion and nothing of the array is kept.
bool rows_to_json_array(const TextTable& vv_table, ColumnMap& columns, RowToJson row_to_json,
                        const char* member, rapidjson::Value& data, rapidjson::Value& error,
                        rapidjson::Document& document)
{
    auto& allocator = document.GetAllocator();
    rapidjson::Value array(rapidjson::kArrayType);
    for (size_t row = 1; row < vv_table.size(); ++row) {
        rapidjson::Value object(rapidjson::kObjectType);
        if (!row_to_json(vv_table, columns, row, object, error, document)) {
            return false;
        }
        array.PushBack(object, allocator);
    }
    data.AddMember(rapidjson::StringRef(member), array, allocator);
    return true;
}

// The error record from the error object that set_conversion_error filled.
void add_conversion_error(rapidjson::Document& document, const rapidjson::Value& error)
{
    std::string s_code;
    std::string s_message;
    read_string_member(error, "error", s_code);
    read_string_member(error, "message", s_message);
    add_error_record(document, s_code, s_message);
}

}  // namespace

bool csv_clients_to_json(const TextTable& vv_clients, ColumnMap& columns, rapidjson::Value& data,
                         rapidjson::Value& error, rapidjson::Document& document)
{
    if (vv_clients.size() < 2) {
        return set_conversion_error(error, k_client_error_code, "client database has no clients",
                                    document);
    }
    return rows_to_json_array(vv_clients, columns, client_to_json, "clients", data, error,
                              document);
}

bool csv_vehicles_to_json(const TextTable& vv_vehicles, ColumnMap& columns,
                          rapidjson::Value& data, rapidjson::Value& error,
                          rapidjson::Document& document)
{
    if (vv_vehicles.size() < 2) {
        return set_conversion_error(error, k_vehicle_error_code,
                                    "vehicle database has no vehicles", document);
    }
    return rows_to_json_array(vv_vehicles, columns, vehicle_to_json, "containers", data, error,
                              document);
}

rapidjson::Document csv_databases_to_instance_json(const TextTable& vv_clients,
                                                   ColumnMap& client_columns,
                                                   const TextTable& vv_vehicles,
                                                   ColumnMap& vehicle_columns, bool open_routes)
{
    rapidjson::Document document(rapidjson::kObjectType);
    auto& allocator = document.GetAllocator();
    rapidjson::Value data(rapidjson::kObjectType);
    rapidjson::Value error(rapidjson::kObjectType);
    if (!csv_clients_to_json(vv_clients, client_columns, data, error, document) ||
        !csv_vehicles_to_json(vv_vehicles, vehicle_columns, data, error, document)) {
        add_conversion_error(document, error);
        return document;
    }
    rapidjson::Value meta_info(rapidjson::kObjectType);
    meta_info.AddMember("prob_type", rapidjson::StringRef(open_routes ? "OVRPTW" : "VRPTW"),
                        allocator);
    rapidjson::Value input(rapidjson::kObjectType);
    input.AddMember("data", data, allocator);
    input.AddMember("meta_info", meta_info, allocator);
    document.AddMember("input", input, allocator);
    return document;
}

#include "instance_builder.h"

#include "grid_checks.h"
#include "json_document.h"
#include "whole_number.h"

#include <algorithm>
#include <climits>

namespace {

using Allocator = rapidjson::Document::AllocatorType;

const std::string& cell(const std::vector<std::string>& v_row, size_t column)
{
    static const std::string s_empty;
    return column < v_row.size() ? v_row[column] : s_empty;
}

// The grid checks refuse cells that do not begin with a whole number; 0 keeps a
// table that did not pass them from ending the process.
int whole_number_cell(const std::vector<std::string>& v_row, size_t column)
{
    return leading_whole_number_or(cell(v_row, column), 0);
}

void add_text(rapidjson::Value& object, const char* name, const std::string& s_text,
              Allocator& allocator)
{
    object.AddMember(rapidjson::StringRef(name), json_string_value(s_text, allocator), allocator);
}

void add_int(rapidjson::Value& object, const char* name, int value, Allocator& allocator)
{
    object.AddMember(rapidjson::StringRef(name), rapidjson::Value(value), allocator);
}

int minutes_to_seconds(int minutes)
{
    const long long seconds = 60LL * minutes;
    return static_cast<int>(std::clamp<long long>(seconds, INT_MIN, INT_MAX));
}

int seconds_from(const QDateTime& start, const std::string& s_time_window)
{
    const QDateTime moment =
        QDateTime::fromString(QString::fromStdString(s_time_window), k_time_window_format);
    if (!start.isValid() || !moment.isValid()) {
        return 0;
    }
    return static_cast<int>(start.secsTo(moment));
}

rapidjson::Value address_json(const std::vector<std::string>& v_row, Allocator& allocator)
{
    static const char* const keys[] = {"address", "number", "neighborhood",
                                       "city",    "state",  "country"};
    rapidjson::Value address(rapidjson::kObjectType);
    for (size_t i = 0; i < 6; ++i) {
        add_text(address, keys[i], cell(v_row, i + 1), allocator);
    }
    return address;
}

}  // namespace

void append_clients_json(const TextTable& vv_client, rapidjson::Value& clients,
                         rapidjson::Document& document, const QString& s_operation_start)
{
    Allocator& allocator = document.GetAllocator();
    const QDateTime start = QDateTime::fromString(s_operation_start, k_time_window_format);
    for (const auto& v_row : vv_client) {
        rapidjson::Value client(rapidjson::kObjectType);
        add_text(client, "id", cell(v_row, 0), allocator);
        add_text(client, "lat", cell(v_row, 7), allocator);
        add_text(client, "long", cell(v_row, 8), allocator);
        add_int(client, "early_tw", seconds_from(start, cell(v_row, 9)), allocator);
        add_int(client, "late_tw", seconds_from(start, cell(v_row, 10)), allocator);
        add_int(client, "demand", whole_number_cell(v_row, 12), allocator);
        add_int(client, "service_time", minutes_to_seconds(whole_number_cell(v_row, 11)),
                allocator);
        add_text(client, "obs", cell(v_row, 13), allocator);
        client.AddMember("address", address_json(v_row, allocator), allocator);
        clients.PushBack(client, allocator);
    }
}

void append_containers_json(const TextTable& vv_vehicle, rapidjson::Value& containers,
                            rapidjson::Document& document)
{
    Allocator& allocator = document.GetAllocator();
    for (const auto& v_row : vv_vehicle) {
        rapidjson::Value container(rapidjson::kObjectType);
        add_text(container, "container_id", cell(v_row, 0), allocator);
        add_int(container, "container_qt", whole_number_cell(v_row, 2), allocator);
        add_int(container, "container_dim", whole_number_cell(v_row, 1), allocator);
        add_int(container, "container_fixed_cost", whole_number_cell(v_row, 3), allocator);
        add_int(container, "container_var_cost", whole_number_cell(v_row, 4), allocator);
        containers.PushBack(container, allocator);
    }
}

void add_meta_info_json(rapidjson::Value& meta_info, rapidjson::Document& document,
                        const InstanceOptions& options)
{
    Allocator& allocator = document.GetAllocator();
    add_int(meta_info, "max_time", options.max_time, allocator);
    add_text(meta_info, "prob_type", options.open_routes ? "OVRPTW" : "VRPTW", allocator);
    add_text(meta_info, "distance_matrix_api", options.s_distance_matrix_api, allocator);
    add_text(meta_info, "lat_long_api", options.s_lat_long_api, allocator);
    add_text(meta_info, "google_api_key", options.s_google_api_key, allocator);
    add_text(meta_info, "email", options.s_email, allocator);
}

rapidjson::Document build_instance_document(const TextTable& vv_client, const TextTable& vv_vehicle,
                                            const QDateTime& operation_start,
                                            const InstanceOptions& options)
{
    rapidjson::Document document(rapidjson::kObjectType);
    Allocator& allocator = document.GetAllocator();
    // Through the text form, so that the start counts in whole seconds like the windows.
    const QString s_start = operation_start.toString(k_time_window_format);

    rapidjson::Value clients(rapidjson::kArrayType);
    append_clients_json(vv_client, clients, document, s_start);
    rapidjson::Value containers(rapidjson::kArrayType);
    append_containers_json(vv_vehicle, containers, document);

    rapidjson::Value data(rapidjson::kObjectType);
    data.AddMember("clients", clients, allocator);
    data.AddMember("containers", containers, allocator);
    add_text(data, "operation_start_date",
             operation_start.toString("dd/MM/yyyy HH:mm").toStdString(), allocator);

    rapidjson::Value meta_info(rapidjson::kObjectType);
    add_meta_info_json(meta_info, document, options);

    rapidjson::Value input(rapidjson::kObjectType);
    input.AddMember("data", data, allocator);
    input.AddMember("meta_info", meta_info, allocator);
    document.AddMember("input", input, allocator);
    return document;
}

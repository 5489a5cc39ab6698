#include "instance_grids.h"

#include "json_access.h"
#include "route_stops.h"

#include <QDateTime>
#include <QString>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

const rapidjson::Value& input_array(const rapidjson::Value& document, const char* name)
{
    static const rapidjson::Value empty(rapidjson::kArrayType);
    const rapidjson::Value* array =
        find_member(member_object(member_object(document, "input"), "data"), name);
    return array && array->IsArray() ? *array : empty;
}

QVariant text_cell(const rapidjson::Value& object, const char* name)
{
    return QString::fromStdString(member_text(object, name));
}

// The whole number of a number member; false for a missing member, a text, or a
// number beyond the int range. A fraction is cut to its whole part.
bool whole_member(const rapidjson::Value& object, const char* name, long long& value)
{
    const rapidjson::Value* member = find_member(object, name);
    if (!member || !member->IsNumber()) {
        return false;
    }
    const double number = member->GetDouble();
    if (!std::isfinite(number) || number < INT_MIN || number > INT_MAX) {
        return false;
    }
    value = member->IsInt64() ? member->GetInt64() : static_cast<long long>(number);
    return true;
}

QVariant whole_cell(const rapidjson::Value& object, const char* name)
{
    long long value = 0;
    return whole_member(object, name, value) ? QVariant(static_cast<int>(value)) : QVariant(QString());
}

QVariant time_cell(const rapidjson::Value& client, const char* name, const QDateTime& start)
{
    long long seconds = 0;
    if (!whole_member(client, name, seconds)) {
        return QString();
    }
    return start.isValid() ? start.addSecs(seconds) : QDateTime();
}

QVariant minutes_cell(const rapidjson::Value& client, const char* name)
{
    long long seconds = 0;
    if (!whole_member(client, name, seconds)) {
        return QString();
    }
    return static_cast<int>(std::llround(static_cast<double>(seconds) / 60.0));
}

}  // namespace

bool has_grid_input(const rapidjson::Value& document)
{
    const rapidjson::Value* data = find_member(member_object(document, "input"), "data");
    if (!data || !data->IsObject()) {
        return false;
    }
    const rapidjson::Value* start = find_member(*data, "operation_start_date");
    const auto objects_only = [data](const char* name) {
        const rapidjson::Value* array = find_member(*data, name);
        return array && array->IsArray() && !array->Empty() &&
               std::all_of(array->Begin(), array->End(),
                           [](const rapidjson::Value& element) { return element.IsObject(); });
    };
    return start && start->IsString() && objects_only("clients") && objects_only("containers");
}

std::vector<std::vector<QVariant>> instance_client_rows(const rapidjson::Value& document)
{
    const QDateTime start = QDateTime::fromString(
        QString::fromStdString(member_text(member_object(member_object(document, "input"), "data"),
                                           "operation_start_date")),
        "dd/MM/yyyy HH:mm");
    std::vector<std::vector<QVariant>> vv_rows;
    for (const rapidjson::Value& client : input_array(document, "clients").GetArray()) {
        const rapidjson::Value& address = member_object(client, "address");
        vv_rows.push_back({text_cell(client, "id"), text_cell(address, "address"),
                           text_cell(address, "number"), text_cell(address, "neighborhood"),
                           text_cell(address, "city"), text_cell(address, "state"),
                           text_cell(address, "country"), text_cell(client, "lat"),
                           text_cell(client, "long"), time_cell(client, "early_tw", start),
                           time_cell(client, "late_tw", start), minutes_cell(client, "service_time"),
                           whole_cell(client, "demand"), text_cell(client, "obs")});
    }
    return vv_rows;
}

std::vector<std::vector<QVariant>> instance_vehicle_rows(const rapidjson::Value& document)
{
    std::vector<std::vector<QVariant>> vv_rows;
    for (const rapidjson::Value& container : input_array(document, "containers").GetArray()) {
        vv_rows.push_back({text_cell(container, "container_id"),
                           whole_cell(container, "container_dim"),
                           whole_cell(container, "container_qt"),
                           whole_cell(container, "container_fixed_cost"),
                           whole_cell(container, "container_var_cost")});
    }
    return vv_rows;
}

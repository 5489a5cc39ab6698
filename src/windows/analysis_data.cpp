#include "analysis_data.h"

#include "json_access.h"
#include "json_document.h"

#include <rapidjson/pointer.h>

#include <cctype>
#include <charconv>

namespace {

// Columns of an instances row, in table order.
constexpr size_t k_date_column = 1;
constexpr size_t k_distance_column = 3;
constexpr size_t k_json_column = 5;
constexpr size_t k_cost_column = 6;

// The text at a path of the document, or null when any step is missing or not a text.
const rapidjson::Value* string_at(const rapidjson::Value& root, const char* s_path)
{
    const rapidjson::Value* value = rapidjson::Pointer(s_path).Get(root);
    return value != nullptr && value->IsString() ? value : nullptr;
}

KeyCount counted_text(const rapidjson::Value& text)
{
    return {std::string(text.GetString(), text.GetStringLength()), 1};
}

// Every visit of the route whose id is a text, the depot's visits left out. Without a
// readable depot record the route's first visit names the depot, as routes begin there.
void append_client_visits(const rapidjson::Value& route, const rapidjson::Value* depot_id,
                          std::vector<KeyCount>& v_clients)
{
    const rapidjson::Value* visits = find_member(route, "visits");
    if (visits == nullptr || !visits->IsArray() || visits->Empty()) {
        return;
    }
    if (depot_id == nullptr) {
        depot_id = string_at(route, "/visits/0/id");
    }
    for (const rapidjson::Value& visit : visits->GetArray()) {
        const rapidjson::Value* id = string_at(visit, "/id");
        if (id != nullptr && (depot_id == nullptr || *id != *depot_id)) {
            v_clients.push_back(counted_text(*id));
        }
    }
}

}  // namespace

bool read_decimal(const std::string& s_text, double& value)
{
    const char* begin = s_text.data();
    const char* end = begin + s_text.size();
    while (begin != end && std::isspace(static_cast<unsigned char>(*begin)) != 0) {
        ++begin;
    }
    // from_chars takes no plus sign, which the C conversion accepts.
    if (begin != end && *begin == '+' && begin + 1 != end && *(begin + 1) != '-') {
        ++begin;
    }
    double parsed = 0.0;
    const std::from_chars_result result = std::from_chars(begin, end, parsed);
    if (result.ec != std::errc()) {
        return false;
    }
    value = parsed;
    return true;
}

QDateTime stored_date(const std::string& s_date)
{
    return QDateTime::fromString(QString::fromStdString(s_date), QStringLiteral("yyyy-MM-dd"));
}

void append_route_lists(const std::string& s_json, RouteLists& lists)
{
    const rapidjson::Document document = string_to_json(s_json);
    if (!document.IsObject()) {
        return;
    }
    const rapidjson::Value* routes = rapidjson::Pointer("/output/data/routes").Get(document);
    if (routes == nullptr || !routes->IsArray()) {
        return;
    }
    const rapidjson::Value* neighborhood =
        string_at(document, "/input/data/clients/0/address/neighborhood");
    const rapidjson::Value* depot_id = string_at(document, "/input/data/clients/0/id");
    for (const rapidjson::Value& route : routes->GetArray()) {
        append_client_visits(route, depot_id, lists.v_clients);
        if (neighborhood != nullptr) {
            lists.v_neighborhoods.push_back(counted_text(*neighborhood));
        }
    }
}

void append_instance_rows(const std::vector<std::vector<std::string>>& vv_rows,
                          std::vector<DatedValue>& v_cost, std::vector<DatedValue>& v_distance,
                          RouteLists* lists)
{
    for (const std::vector<std::string>& v_row : vv_rows) {
        double cost = 0.0;
        double distance = 0.0;
        if (v_row.size() <= k_cost_column || !read_decimal(v_row[k_cost_column], cost) ||
            !read_decimal(v_row[k_distance_column], distance)) {
            continue;
        }
        const QDateTime date = stored_date(v_row[k_date_column]);
        v_cost.push_back({date, cost});
        v_distance.push_back({date, distance});
        if (lists != nullptr) {
            append_route_lists(v_row[k_json_column], *lists);
        }
    }
}

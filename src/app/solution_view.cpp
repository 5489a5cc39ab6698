#include "solution_view.h"

#include "json_access.h"
#include "route_stops.h"

#include <QDateTime>

namespace {

const rapidjson::Value& empty_array()
{
    static const rapidjson::Value array(rapidjson::kArrayType);
    return array;
}

const rapidjson::Value& path_array(const rapidjson::Value& document, const char* part,
                                   const char* name)
{
    const rapidjson::Value* owner = find_member(document, part);
    const rapidjson::Value* data = owner ? find_member(*owner, "data") : nullptr;
    const rapidjson::Value* array = data ? find_member(*data, name) : nullptr;
    return array && array->IsArray() ? *array : empty_array();
}

QString text_member(const rapidjson::Value& object, const char* name)
{
    return QString::fromStdString(member_text(object, name));
}

long long int_member(const rapidjson::Value& object, const char* name)
{
    const rapidjson::Value* value = find_member(object, name);
    return value && value->IsInt64() ? value->GetInt64() : 0;
}

double number_member(const rapidjson::Value& object, const char* name)
{
    const rapidjson::Value* value = find_member(object, name);
    return value && value->IsNumber() ? value->GetDouble() : 0.0;
}

const rapidjson::Value& element_or_empty(const rapidjson::Value& array, long long index)
{
    if (index < 0 || index >= static_cast<long long>(array.Size())) {
        return empty_object();
    }
    return array[static_cast<rapidjson::SizeType>(index)];
}

QDateTime operation_start(const rapidjson::Value& document)
{
    return QDateTime::fromString(
        text_member(member_object(member_object(document, "input"), "data"),
                    "operation_start_date"),
        "dd/MM/yyyy HH:mm");
}

// An invalid start shows every time cell empty.
QString time_text(const QDateTime& start, long long seconds)
{
    return start.isValid() ? start.addSecs(seconds).toString("dd/MM/yyyy HH:mm") : QString();
}

RoutesGridRow client_row(const rapidjson::Value& client, const QDateTime& start)
{
    const rapidjson::Value& place = member_object(client, "address");
    RoutesGridRow row(13);
    row[2] = text_member(client, "id");
    row[3] = text_member(place, "address");
    row[4] = text_member(place, "number");
    row[5] = text_member(place, "neighborhood");
    row[6] = text_member(place, "city");
    row[7] = time_text(start, int_member(client, "early_tw"));
    row[8] = time_text(start, int_member(client, "late_tw"));
    row[11] = QString::number(int_member(client, "demand"));
    row[12] = text_member(client, "obs");
    return row;
}

void add_route_rows(const rapidjson::Value& document, std::vector<RoutesGridRow>& rows)
{
    const rapidjson::Value& clients = path_array(document, "input", "clients");
    const rapidjson::Value& routes = solution_routes(document);
    const QDateTime start = operation_start(document);
    const bool hide_return = hides_return_to_depot(document);
    for (rapidjson::SizeType r = 0; r < routes.Size(); ++r) {
        const rapidjson::Value* visits = find_member(routes[r], "visits");
        if (!visits || !visits->IsArray()) {
            continue;
        }
        rapidjson::SizeType shown = visits->Size();
        if (hide_return && shown > 0) {
            --shown;
        }
        for (rapidjson::SizeType v = 0; v < shown; ++v) {
            const rapidjson::Value& visit = (*visits)[v];
            RoutesGridRow row =
                client_row(element_or_empty(clients, int_member(visit, "index")), start);
            row[0] = QVariant(static_cast<uint>(r));
            row[1] = text_member(routes[r], "container_id");
            row[9] = time_text(start, int_member(visit, "arrival"));
            row[10] = time_text(start, int_member(visit, "departure"));
            rows.push_back(row);
        }
    }
}

void add_unrouted_rows(const rapidjson::Value& document, std::vector<RoutesGridRow>& rows)
{
    const rapidjson::Value& clients = path_array(document, "input", "clients");
    const rapidjson::Value& unrouted = path_array(document, "output", "unrouted_clients");
    const QDateTime start = operation_start(document);
    for (const rapidjson::Value& index : unrouted.GetArray()) {
        const long long i = index.IsInt64() ? index.GetInt64() : -1;
        RoutesGridRow row = client_row(element_or_empty(clients, i), start);
        row[0] = QString("-");
        row[1] = QString("unrouted");
        row[9] = QString("-");
        row[10] = QString("-");
        rows.push_back(row);
    }
}

QString fixed_two(double value)
{
    // Fixed notation, full stop, no grouping, whatever the locale.
    return QString::number(value, 'f', 2);
}

}  // namespace

const rapidjson::Value& solution_routes(const rapidjson::Value& document)
{
    return path_array(document, "output", "routes");
}

std::vector<RoutesGridRow> routes_grid_rows(const rapidjson::Value& document)
{
    std::vector<RoutesGridRow> rows;
    add_route_rows(document, rows);
    add_unrouted_rows(document, rows);
    return rows;
}

std::vector<RouteLoad> route_loads(const rapidjson::Value& document)
{
    const rapidjson::Value& containers = path_array(document, "input", "containers");
    const rapidjson::Value& routes = solution_routes(document);
    std::vector<RouteLoad> v_loads;
    for (rapidjson::SizeType r = 0; r < routes.Size(); ++r) {
        const rapidjson::Value& route = routes[r];
        const rapidjson::Value& container =
            element_or_empty(containers, int_member(route, "container_index"));
        const double capacity = static_cast<double>(int_member(container, "container_dim"));
        RouteLoad load;
        load.s_category = QString::number(r) + " - " + text_member(route, "container_id");
        // A vehicle without capacity would give an infinite bar; it shows none.
        load.percent = capacity > 0
                           ? static_cast<double>(int_member(route, "total_load")) / capacity * 100.0
                           : 0.0;
        v_loads.push_back(load);
    }
    return v_loads;
}

SolutionSummary solution_summary(const rapidjson::Value& document)
{
    const rapidjson::Value& routes = solution_routes(document);
    double distance = 0;
    double travel_time = 0;
    long long total_load = 0;
    for (const rapidjson::Value& route : routes.GetArray()) {
        distance += number_member(route, "distance");
        travel_time += number_member(route, "travel_time");
        total_load += int_member(route, "total_load");
    }
    SolutionSummary summary;
    summary.s_total_time = fixed_two(travel_time / 60.0) + " min";
    summary.s_total_distance = fixed_two(distance / 1000.0) + " km";
    summary.s_total_load = QString::number(total_load);
    summary.s_unrouted_clients =
        QString::number(path_array(document, "output", "unrouted_clients").Size());
    summary.s_used_vehicles = QString::number(routes.Size());
    return summary;
}

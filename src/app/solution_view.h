#pragma once
// What the results area shows of a solved instance document: the rows of the routes
// grid, the load of every route and the summary figures. Members that a document
// lacks or holds with another type read as empty or 0, never past their end.

#include <QString>
#include <QVariant>
#include <rapidjson/document.h>

#include <vector>

// One routes-grid row: 13 cells; column 0 of a visit row is the route number (uint).
using RoutesGridRow = std::vector<QVariant>;

// A visit row for every visit shown (open routes hide the return to the depot), then
// a row per unrouted client; times are the operation start plus the given seconds.
std::vector<RoutesGridRow> routes_grid_rows(const rapidjson::Value& document);

struct RouteLoad {
    QString s_category;  // "<route number> - <vehicle id>"
    double percent = 0;  // the route's load as a percentage of its vehicle's capacity
};
std::vector<RouteLoad> route_loads(const rapidjson::Value& document);

struct SolutionSummary {
    QString s_total_time;      // travel time only, "90.50 min"
    QString s_total_distance;  // "12.50 km"
    QString s_total_load;
    QString s_unrouted_clients;
    QString s_used_vehicles;
};
SolutionSummary solution_summary(const rapidjson::Value& document);

// The routes of output.data.routes, or an empty array.
const rapidjson::Value& solution_routes(const rapidjson::Value& document);

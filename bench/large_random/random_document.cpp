#include "random_document.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {
using Allocator = rapidjson::Document::AllocatorType;

struct Point {
    double x = 500.0;
    double y = 500.0;
};

rapidjson::Value text(const std::string& s_text, Allocator& allocator)
{
    return rapidjson::Value(s_text.c_str(), allocator);
}

rapidjson::Value client_record(int index, const Point& at, int early, int late, int demand,
                               Allocator& allocator)
{
    rapidjson::Value address(rapidjson::kObjectType);
    address.AddMember("address", text("Street " + std::to_string(index), allocator), allocator);
    address.AddMember("number", text(std::to_string(index), allocator), allocator);
    address.AddMember("neighborhood", "", allocator);
    address.AddMember("city", "Bench", allocator);
    address.AddMember("state", "", allocator);
    address.AddMember("country", "Random", allocator);
    rapidjson::Value client(rapidjson::kObjectType);
    client.AddMember("id", text(index == 0 ? "depot" : "C" + std::to_string(index), allocator),
                     allocator);
    client.AddMember("lat", text(std::to_string(-25.0 - at.y / 1000.0), allocator), allocator);
    client.AddMember("long", text(std::to_string(-49.0 - at.x / 1000.0), allocator), allocator);
    client.AddMember("early_tw", early, allocator);
    client.AddMember("late_tw", late, allocator);
    client.AddMember("demand", demand, allocator);
    client.AddMember("service_time", index == 0 ? 0 : 10, allocator);
    client.AddMember("obs", "", allocator);
    client.AddMember("address", address, allocator);
    return client;
}

rapidjson::Value matrix(const std::vector<Point>& v_points, Allocator& allocator)
{
    rapidjson::Value rows(rapidjson::kArrayType);
    for (const Point& a : v_points) {
        rapidjson::Value row(rapidjson::kArrayType);
        for (const Point& b : v_points) {
            row.PushBack(std::hypot(a.x - b.x, a.y - b.y), allocator);
        }
        rows.PushBack(row, allocator);
    }
    return rows;
}

rapidjson::Value fleet(const RandomDocumentShape& shape, Allocator& allocator)
{
    rapidjson::Value container(rapidjson::kObjectType);
    container.AddMember("container_id", "V", allocator);
    container.AddMember("container_qt", shape.vehicles > 0 ? shape.vehicles : shape.clients,
                        allocator);
    container.AddMember("container_dim", shape.capacity, allocator);
    container.AddMember("container_fixed_cost", 0, allocator);
    container.AddMember("container_var_cost", 1, allocator);
    rapidjson::Value containers(rapidjson::kArrayType);
    containers.PushBack(container, allocator);
    return containers;
}

rapidjson::Value meta_info(Allocator& allocator)
{
    rapidjson::Value meta(rapidjson::kObjectType);
    meta.AddMember("max_time", 10, allocator);
    meta.AddMember("prob_type", "VRPTW", allocator);
    meta.AddMember("distance_matrix_api", "osrm", allocator);
    meta.AddMember("lat_long_api", "osrm_relaxed", allocator);
    meta.AddMember("google_api_key", "", allocator);
    meta.AddMember("email", "", allocator);
    return meta;
}
}  // namespace

rapidjson::Document make_random_document(const RandomDocumentShape& shape)
{
    constexpr int k_horizon = 20000;
    std::mt19937 rng(shape.seed);
    std::uniform_real_distribution<double> coordinate(0.0, 1000.0);
    std::uniform_int_distribution<int> early(0, 12000);
    std::uniform_int_distribution<int> width(300, 3000);
    std::uniform_int_distribution<int> demand(1, 30);

    rapidjson::Document document(rapidjson::kObjectType);
    Allocator& allocator = document.GetAllocator();
    std::vector<Point> v_points(1);
    rapidjson::Value clients(rapidjson::kArrayType);
    clients.PushBack(client_record(0, v_points[0], 0, k_horizon, 0, allocator), allocator);
    for (int c = 1; c <= shape.clients; ++c) {
        const Point at{coordinate(rng), coordinate(rng)};
        v_points.push_back(at);
        // Reachable straight from the depot, so every client alone is on time.
        const int reach = static_cast<int>(std::ceil(std::hypot(at.x - 500.0, at.y - 500.0)));
        const int open = early(rng);
        const int close = std::max(open + width(rng), reach + 1);
        clients.PushBack(client_record(c, at, open, close, demand(rng), allocator), allocator);
    }
    rapidjson::Value data(rapidjson::kObjectType);
    data.AddMember("clients", clients, allocator);
    data.AddMember("containers", fleet(shape, allocator), allocator);
    data.AddMember("operation_start_date", "01/01/2026 00:00", allocator);
    data.AddMember("Mtij", matrix(v_points, allocator), allocator);
    data.AddMember("Mdij", matrix(v_points, allocator), allocator);
    rapidjson::Value input(rapidjson::kObjectType);
    input.AddMember("data", data, allocator);
    input.AddMember("meta_info", meta_info(allocator), allocator);
    document.AddMember("input", input, allocator);
    return document;
}

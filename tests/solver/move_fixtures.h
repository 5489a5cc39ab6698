#pragma once
// Solutions for the move tests and benchmarks, built straight from visit lists.

#include "instance_builder.h"
#include "vrp.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace test_support {

// Clients with wide time windows and the given demands on uniform legs of 10.
inline Instance flat_instance(const std::vector<int>& v_demands)
{
    Instance instance;
    instance.clients.push_back(make_client(0, 0, 100000, 0));
    for (int demand : v_demands) {
        instance.clients.push_back(make_client(demand, 0, 100000, 0));
    }
    set_uniform_matrices(instance, 10.0);
    return instance;
}

struct PlannedRoute {
    int container;
    std::vector<int> v_clients;
};

// Tables, costs, loads and distances of every route, as a construction leaves them.
inline void refresh_solution(const VRP& vrp, VRP::Solution& solution)
{
    vrp.rebuild_route_data(solution);
    vrp.update_route_costs(solution);
    for (unsigned r = 0; r < solution.routes.size(); ++r) {
        Route& route = solution.routes[r];
        route.load = solution.route_load[r];
        route.distance =
            solution.seg_distance[r](0, static_cast<unsigned>(route.visits.size() - 1));
    }
}

using RoutePlan = std::vector<PlannedRoute>;

// The plan's routes added to the solution and costed.
inline VRP::Solution with_routes(const VRP& vrp, VRP::Solution solution, const RoutePlan& plan)
{
    for (const PlannedRoute& planned : plan) {
        Route route = vrp.init_route(planned.container);
        for (int c : planned.v_clients) {
            route.visits.insert(route.visits.end() - 1, Visit{c, 0, 0, 0});
        }
        solution.routes.push_back(route);
    }
    refresh_solution(vrp, solution);
    return solution;
}

// The plan's routes with ten vehicles of every type left.
inline VRP::Solution make_solution(const VRP& vrp, const RoutePlan& plan)
{
    VRP::Solution solution;
    solution.remaining_vehicles.assign(static_cast<std::size_t>(vrp.container_count()), 10);
    return with_routes(vrp, solution, plan);
}

// Every client once, in routes of 1 to max_length clients on containers drawn from
// 0 .. containers - 1, followed by one empty route.
inline VRP::Solution random_routes(const VRP& vrp, std::mt19937& rng, int max_length,
                                   int containers)
{
    std::vector<int> v_clients(vrp.client_count() - 1);
    std::iota(v_clients.begin(), v_clients.end(), 1);
    std::shuffle(v_clients.begin(), v_clients.end(), rng);
    std::uniform_int_distribution<int> length(1, max_length);
    std::uniform_int_distribution<int> container(0, containers - 1);
    std::vector<PlannedRoute> v_routes;
    for (std::size_t next = 0; next < v_clients.size();) {
        const auto take = std::min(static_cast<std::size_t>(length(rng)), v_clients.size() - next);
        v_routes.push_back({container(rng),
                            {v_clients.begin() + static_cast<long>(next),
                             v_clients.begin() + static_cast<long>(next + take)}});
        next += take;
    }
    v_routes.push_back({container(rng), {}});
    return make_solution(vrp, v_routes);
}

// The clients of each route in visit order (depots left out).
inline std::vector<std::vector<int>> route_clients(const VRP::Solution& solution)
{
    std::vector<std::vector<int>> v_all;
    for (const Route& route : solution.routes) {
        std::vector<int> v_clients;
        for (std::size_t p = 1; p + 1 < route.visits.size(); ++p) {
            v_clients.push_back(route.visits[p].client);
        }
        v_all.push_back(v_clients);
    }
    return v_all;
}

}  // namespace test_support

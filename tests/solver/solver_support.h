#pragma once
// Instances and solutions built in code: the solver tests' and the move benchmark's fixtures.

#include "instance.h"
#include "vrp.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace test_support {

// n x n matrices with the given off-diagonal value and the reader's diagonal.
inline void set_uniform_matrices(Instance& instance, double value)
{
    const std::size_t n = instance.clients.size();
    instance.Mdij.assign(n, std::deque<double>(n, value));
    instance.Mtij.assign(n, std::deque<double>(n, value));
    for (std::size_t i = 0; i < n; ++i) instance.Mdij[i][i] = instance.Mtij[i][i] = 2147483647.0;
}

// Clients with wide time windows and the given demands on legs of 10, and vehicle types.
inline Instance flat_instance(const std::vector<int>& v_demands, std::deque<Container> v_types = {})
{
    Instance instance;
    instance.clients.push_back(Client{0, "c", 0, 100000, 0});
    for (int demand : v_demands) instance.clients.push_back(Client{demand, "c", 0, 100000, 0});
    set_uniform_matrices(instance, 10.0);
    instance.containers = std::move(v_types);
    return instance;
}

// Asymmetric fractional legs, windows where some orders wait and others are late; a small
// (3 vehicles) and a large (1) type.
inline Instance random_instance(std::mt19937& rng, int n_clients)
{
    std::uniform_real_distribution<double> leg(0.0, 100.0);
    std::uniform_int_distribution<int> early(0, 400), width(0, 250), service(0, 30), demand(0, 20);
    Instance instance;
    instance.clients.push_back(Client{0, "c", 0, 5000, 0});
    for (int c = 1; c < n_clients; ++c) {
        const int e = early(rng);
        instance.clients.push_back(Client{demand(rng), "c", e, e + width(rng), service(rng)});
    }
    set_uniform_matrices(instance, 0.0);
    for (int k = 0; k < n_clients * n_clients; ++k) {
        if (k / n_clients != k % n_clients) {
            instance.Mtij[k / n_clients][k % n_clients] = leg(rng);
            instance.Mdij[k / n_clients][k % n_clients] = leg(rng);
        }
    }
    instance.containers = {Container{"small", 60, 3, 100.0, 2.0},
                           Container{"large", 200, 1, 250.0, 1.5}};
    return instance;
}

// Appends the DUMMY record as a limited fleet's construction does; returns its index.
inline int add_dummy_record(VRP& vrp)
{
    VRP::Solution scratch;
    vrp.add_dummy_route(scratch);
    return vrp.dummy_container;
}

// Routes to build: each one's vehicle type and clients.
using RoutePlan = std::vector<std::pair<int, std::vector<int>>>;

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

// The plan's routes, costed, ten vehicles of every type left or (from_fleet) the fleet's.
inline VRP::Solution make_solution(const VRP& vrp, const RoutePlan& plan, bool from_fleet = false)
{
    VRP::Solution solution;
    solution.remaining_vehicles.assign(static_cast<std::size_t>(vrp.container_count()), 10);
    if (from_fleet) {
        solution.fleet_unlimited = vrp.fleet_unlimited;
        vrp.init_solution(solution);
    }
    for (const auto& [container, v_clients] : plan) {
        if (from_fleet) vrp.take_vehicle(solution, container);
        solution.routes.push_back(vrp.init_route(container));
        for (int c : v_clients) {
            solution.routes.back().visits.insert(solution.routes.back().visits.end() - 1,
                                                 Visit{c, 0, 0, 0});
        }
    }
    refresh_solution(vrp, solution);
    return solution;
}

// Every client once in routes of 1 to max_length on drawn types 0 .. containers - 1, then
// one empty route.
inline VRP::Solution random_routes(const VRP& vrp, std::mt19937& rng, int max_length,
                                   int containers)
{
    std::vector<int> v_clients(vrp.client_count() - 1);
    std::iota(v_clients.begin(), v_clients.end(), 1);
    std::shuffle(v_clients.begin(), v_clients.end(), rng);
    std::uniform_int_distribution<int> length(1, max_length), container(0, containers - 1);
    RoutePlan plan;
    for (auto next = v_clients.begin(); next != v_clients.end();) {
        const auto take = std::min<long>(length(rng), v_clients.end() - next);
        plan.push_back({container(rng), {next, next + take}});
        next += take;
    }
    plan.push_back({container(rng), {}});
    return make_solution(vrp, plan);
}

// The clients of each route in visit order (depots left out).
inline std::vector<std::vector<int>> route_clients(const VRP::Solution& solution)
{
    std::vector<std::vector<int>> vv_clients;
    for (const Route& route : solution.routes) {
        vv_clients.emplace_back();
        for (std::size_t p = 1; p + 1 < route.visits.size(); ++p) {
            vv_clients.back().push_back(route.visits[p].client);
        }
    }
    return vv_clients;
}

// How many values the C generator gave since srand(seed).
inline int draws_since(unsigned seed)
{
    const int next = std::rand();
    std::srand(seed);
    int draws = 0;
    while (std::rand() != next && draws < 100000) ++draws;
    return draws;
}

}  // namespace test_support

#pragma once
// Hand-made solutions and a record of the random generator's values for the
// local search, disturbance and multi-start tests.

#include "instance_builder.h"
#include "vrp.h"

#include <cstdlib>
#include <utility>
#include <vector>

namespace test_support {

// Depot plus clients with the given demands, wide windows, all legs 10.
inline Instance instance_with_demands(const std::vector<int>& v_demands)
{
    Instance instance;
    instance.clients.push_back(make_client(0, 0, 100000, 0));
    for (int q : v_demands) {
        instance.clients.push_back(make_client(q, 0, 100000, 1));
    }
    set_uniform_matrices(instance, 10.0);
    return instance;
}

// One route per entry: its container record and its clients in driving order.
using RoutePlan = std::vector<std::pair<int, std::vector<int>>>;

// A costed solution with every route's tables, loads and figures in step.
inline VRP::Solution make_solution(VRP& vrp, const RoutePlan& plan)
{
    VRP::Solution solution;
    solution.fleet_unlimited = vrp.fleet_unlimited;
    vrp.init_solution(solution);
    for (const auto& [container, v_clients] : plan) {
        Route route = vrp.init_route(container);
        for (int c : v_clients) {
            route.visits.insert(route.visits.end() - 1, Visit{c, 0, 0, 0});
        }
        solution.routes.push_back(route);
        vrp.take_vehicle(solution, container);
    }
    vrp.rebuild_route_data(solution);
    vrp.update_route_costs(solution);
    for (unsigned r = 0; r < solution.routes.size(); ++r) {
        Route& route = solution.routes[r];
        route.load = solution.route_load[r];
        route.distance =
            solution.seg_distance[r](0, static_cast<unsigned>(route.visits.size()) - 1);
    }
    return solution;
}

// The clients of every route, depots left out.
inline std::vector<std::vector<int>> clients_of(const VRP::Solution& solution)
{
    std::vector<std::vector<int>> vv_clients;
    for (const Route& route : solution.routes) {
        std::vector<int> v_clients;
        for (std::size_t p = 1; p + 1 < route.visits.size(); ++p) {
            v_clients.push_back(route.visits[p].client);
        }
        vv_clients.push_back(v_clients);
    }
    return vv_clients;
}

// The values rand() gives after srand(seed), read one draw at a time the way
// rand_int reads them; at_cursor tells whether the generator sits where the tape does.
class DrawTape {
public:
    explicit DrawTape(unsigned seed, int length = 400)
    {
        std::srand(seed);
        for (int k = 0; k < length; ++k) {
            v_values.push_back(std::rand());
        }
        std::srand(seed);
    }
    int next(int lo, int hi)
    {
        const long long span = static_cast<long long>(hi) - lo + 1;
        return static_cast<int>(lo + v_values[cursor++] % span);
    }
    std::size_t used() const { return cursor; }
    // Consumes one value of the generator.
    bool generator_at_cursor() const { return std::rand() == v_values[cursor]; }

private:
    std::vector<int> v_values;
    std::size_t cursor = 0;
};

}  // namespace test_support

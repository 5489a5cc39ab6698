// Vehicle counts and seed routes of the randomized insertion, and the DUMMY
// record that takes the clients a limited fleet cannot.

#include "vrp.h"

#include "solver_utils.h"

#include <algorithm>
#include <cfloat>
#include <numeric>

void VRP::init_solution(Solution& solution) const
{
    solution.remaining_vehicles.clear();
    for (int k = 0; k < container_count(); ++k) {
        if (!is_dummy(k)) {
            solution.remaining_vehicles.push_back(container(k).quantity);
        }
    }
}

namespace {
// One route on the record, seeded with a randomly drawn unrouted client when any is
// left. A drawn client heavier than the vehicle stays unrouted (the draw is still
// made) rather than overloading the route from the start.
Route seed_route(const VRP& vrp, int container_index, std::vector<int>& v_unrouted)
{
    if (v_unrouted.empty()) {
        return vrp.init_route(container_index);
    }
    const int x = rand_int(0, static_cast<int>(v_unrouted.size()) - 1);
    const int c = v_unrouted[static_cast<std::size_t>(x)];
    if (vrp.demand(static_cast<unsigned>(c)) > vrp.container(container_index).capacity) {
        return vrp.init_route(container_index);
    }
    v_unrouted.erase(v_unrouted.begin() + x);
    return vrp.make_client_route(c, container_index);
}
}  // namespace

void VRP::initial_routes_unlimited(Solution& solution, std::vector<int>& v_unrouted) const
{
    solution.routes.clear();
    for (int c = 0; c < container_count(); ++c) {
        solution.routes.push_back(seed_route(*this, c, v_unrouted));
        take_vehicle(solution, c);
    }
}

void VRP::initial_routes_limited(Solution& solution, std::vector<int>& v_unrouted) const
{
    solution.routes.clear();
    const int n = static_cast<int>(client_count());
    for (int c = 0; c < container_count(); ++c) {
        const int cap = std::min(std::max(container(c).quantity, 0), n);
        for (int k = 0; k < cap; ++k) {
            solution.routes.push_back(seed_route(*this, c, v_unrouted));
            take_vehicle(solution, c);
        }
    }
}

VRP::Solution VRP::seeded_solution(bool unlimited, std::vector<int>& v_unrouted) const
{
    v_unrouted.resize(client_count() > 0 ? client_count() - 1 : 0);
    std::iota(v_unrouted.begin(), v_unrouted.end(), 1);
    Solution solution;
    solution.fleet_unlimited = unlimited;
    init_solution(solution);
    if (unlimited) {
        initial_routes_unlimited(solution, v_unrouted);
    } else {
        initial_routes_limited(solution, v_unrouted);
    }
    return solution;
}

void VRP::open_random_route(Solution& solution) const
{
    const int c = rand_int(0, container_count() - 1);
    if (c < 0) {
        return;  // no vehicle type to open
    }
    solution.routes.push_back(init_route(c));
    take_vehicle(solution, c);
}

void VRP::add_dummy_route(Solution& solution)
{
    if (dummy_container < 0) {
        long long fixed_sum = 0;
        long long var_sum = 0;
        sum_container_costs(fixed_sum, var_sum);
        Container dummy;
        dummy.container_id = "DUMMY";
        dummy.capacity = 2147483647;
        dummy.quantity = 1;
        dummy.fixed_cost = static_cast<double>(fixed_sum) * 10000.0;
        dummy.var_cost = static_cast<double>(var_sum) * 10000.0;
        dummy.penalty = DBL_MAX;
        instance->containers.push_back(dummy);
        dummy_container = container_count() - 1;
    }
    solution.routes.push_back(init_route(dummy_container));
}

int VRP::total_demand() const
{
    long long sum = 0;
    for (unsigned c = 0; c < client_count(); ++c) {
        sum += demand(c);
    }
    return saturate_to_int(sum);
}

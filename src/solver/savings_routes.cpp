// Start routes and route joins of the savings construction.

#include "vrp.h"

#include "solver_utils.h"

#include <algorithm>

namespace {
// Start of service at c for a vehicle that left prev at prev_start.
double service_start(const VRP& vrp, unsigned prev, double prev_start, unsigned c,
                     double& arrival)
{
    arrival = (prev_start + vrp.client(prev).service_time) + vrp.travel(prev, c);
    return std::max(arrival, static_cast<double>(vrp.client(c).early_tw));
}
}  // namespace

void VRP::one_route_per_client(Solution& solution, int chosen_container) const
{
    const int n = static_cast<int>(client_count());
    const int entries = static_cast<int>(solution.remaining_vehicles.size());
    solution.routes.clear();
    solution.routes.reserve(static_cast<std::size_t>(std::max(n - 1, 0)));
    // Vehicle types in record order while any is left, then the chosen type for good.
    int s = 0;
    bool scanning = true;
    for (int c = 1; c < n; ++c) {
        int k = chosen_container;
        if (scanning) {
            while (s < entries && solution.remaining_vehicles[static_cast<std::size_t>(s)] == 0) {
                ++s;
            }
            scanning = s < entries;
            k = scanning ? s : chosen_container;
        }
        solution.routes.push_back(make_client_route(c, k));
        take_vehicle(solution, k);
    }
}

std::pair<int, int> VRP::find_route_ends(int i, int j, const Solution& solution) const
{
    int route1 = -1;
    int route2 = -1;
    for (std::size_t r = 0; r < solution.routes.size() && (route1 == -1 || route2 == -1); ++r) {
        const std::vector<Visit>& v_visits = solution.routes[r].visits;
        if (v_visits.size() < 2) {
            continue;
        }
        if (route1 == -1 && v_visits[v_visits.size() - 2].client == i) {
            route1 = static_cast<int>(r);
        }
        if (route2 == -1 && v_visits[1].client == j) {
            route2 = static_cast<int>(r);
        }
    }
    return {route1, route2};
}

// Times follow the route in double precision from the depot's opening, the schedule
// that the route cost prices, so an accepted join never arrives late there.
bool VRP::can_merge_routes(const Route& first, const Route& second, Route& merged,
                           int container_index, const Solution& solution) const
{
    merged.visits.assign(first.visits.begin(), first.visits.end() - 1);
    merged.visits.reserve(merged.visits.size() + second.visits.size() - 1);
    // The first route's visits are taken over as they are and not tested again.
    double start = client(0).early_tw;
    double arrival = 0.0;
    for (std::size_t p = 1; p < merged.visits.size(); ++p) {
        start = service_start(*this, static_cast<unsigned>(merged.visits[p - 1].client), start,
                              static_cast<unsigned>(merged.visits[p].client), arrival);
    }
    for (std::size_t p = 1; p < second.visits.size(); ++p) {
        const unsigned prev = static_cast<unsigned>(merged.visits.back().client);
        const int c = second.visits[p].client;
        start = service_start(*this, prev, start, static_cast<unsigned>(c), arrival);
        if (start > client(static_cast<unsigned>(c)).late_tw) {
            return false;
        }
        const int waiting = start > arrival ? truncate_to_int(start - arrival) : 0;
        merged.visits.push_back(Visit{c, truncate_to_int(start), waiting, 0});
    }
    merged.container = container_index;
    return true;
}

void VRP::merge_routes(int route1, int route2, Route& merged, Solution& solution) const
{
    const Route& a = solution.routes[static_cast<std::size_t>(route1)];
    const Route& b = solution.routes[static_cast<std::size_t>(route2)];
    const unsigned i = static_cast<unsigned>(a.visits[a.visits.size() - 2].client);
    const unsigned j = static_cast<unsigned>(b.visits[1].client);
    merged.load = saturate_to_int(static_cast<long long>(b.load) + a.load);
    merged.distance =
        (a.distance + b.distance + distance(i, j)) - (distance(i, 0) + distance(0, j));
    merged.travel_time =
        (a.travel_time + b.travel_time + travel(i, j)) - (travel(i, 0) + travel(0, j));
    // The join freed one vehicle of this type.
    return_vehicle(solution, merged.container == a.container ? b.container : a.container);
    solution.routes[static_cast<std::size_t>(route1)] = std::move(merged);
    solution.routes.erase(solution.routes.begin() + route2);
}

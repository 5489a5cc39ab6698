#include "move_support.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace moves {

namespace {
// Route r's distance from its refreshed tables, and its cost back in the total.
void finish_route_change(VRP::Solution& solution, unsigned r)
{
    Route& route = solution.routes[r];
    route.distance = solution.seg_distance[r](0, static_cast<unsigned>(route.visits.size()) - 1);
    solution.total_cost += route.cost;
}

// The two routes' loads (moves between routes move load too) and their costs in the total.
void finish_two_route_change(VRP::Solution& solution, unsigned r1, unsigned r2)
{
    solution.routes[r1].load = solution.route_load[r1];
    solution.routes[r2].load = solution.route_load[r2];
    finish_route_change(solution, r2);
    finish_route_change(solution, r1);
}
}  // namespace

void begin_route_change(VRP::Solution& solution, unsigned r)
{
    solution.total_cost -= solution.routes[r].cost;
}

void end_route_change(const VRP& vrp, VRP::Solution& solution, unsigned r)
{
    vrp.refresh_route_segments(solution, r);  // which sets the route's cost
    finish_route_change(solution, r);
}

void end_route_change(const VRP& vrp, VRP::Solution& solution, unsigned r, unsigned lo,
                      unsigned hi)
{
    vrp.update_route_window(solution, r, lo, hi);  // which sets the route's cost
    finish_route_change(solution, r);
}

void begin_two_route_change(VRP::Solution& solution, unsigned r1, unsigned r2)
{
    solution.total_cost -= solution.routes[r2].cost;
    solution.total_cost -= solution.routes[r1].cost;
}

void end_two_route_change(const VRP& vrp, VRP::Solution& solution, unsigned r1, unsigned r2)
{
    vrp.refresh_route_segments(solution, r1);
    vrp.refresh_route_segments(solution, r2);
    finish_two_route_change(solution, r1, r2);
}

void end_two_route_change(const VRP& vrp, VRP::Solution& solution, unsigned r1, unsigned lo1,
                          unsigned hi1, unsigned r2, unsigned lo2, unsigned hi2)
{
    vrp.update_route_window(solution, r1, lo1, hi1);
    vrp.update_route_window(solution, r2, lo2, hi2);
    finish_two_route_change(solution, r1, r2);
}
void exchange_runs(Route& a, unsigned pos_a, unsigned len_a, Route& b, unsigned pos_b,
                   unsigned len_b)
{
    auto run_a = a.visits.begin() + pos_a;
    auto run_b = b.visits.begin() + pos_b;
    if (len_a == len_b) {
        std::swap_ranges(run_a, run_a + len_a, run_b);
        return;
    }
    const std::vector<Visit> v_moved(run_a, run_a + len_a);
    a.visits.erase(run_a, run_a + len_a);
    a.visits.insert(a.visits.begin() + pos_a, run_b, run_b + len_b);
    run_b = b.visits.begin() + pos_b;
    b.visits.erase(run_b, run_b + len_b);
    b.visits.insert(b.visits.begin() + pos_b, v_moved.begin(), v_moved.end());
}

void check_priced_change(double predicted, double cost_before, double cost_after)
{
#ifndef NDEBUG
    // Large DUMMY costs carry rounding in proportion to their size.
    const double scale = std::max({1.0, std::fabs(cost_before), std::fabs(cost_after)});
    assert(std::fabs((cost_after - cost_before) - predicted) <= 1e-6 * scale);
#endif
}

}  // namespace moves

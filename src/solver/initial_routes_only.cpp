// Seed routes of the insertion construction on their own, for inspection.

#include "vrp.h"

VRP::Solution VRP::initial_routes_only() const
{
    std::vector<int> v_unrouted;
    for (unsigned c = 1; c < client_count(); ++c) {
        v_unrouted.push_back(static_cast<int>(c));
    }
    // Computed afresh: the solver's own flag is set only when a solve starts.
    const bool unlimited = check_fleet_unlimited();
    Solution solution;
    init_solution(solution);
    solution.fleet_unlimited = unlimited;
    if (unlimited) {
        initial_routes_unlimited(solution, v_unrouted);
    } else {
        initial_routes_limited(solution, v_unrouted);
    }
    return solution;
}

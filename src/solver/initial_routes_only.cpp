// Seed routes of the insertion construction on their own, for inspection.

#include "vrp.h"

VRP::Solution VRP::initial_routes_only() const
{
    std::vector<int> v_unrouted;
    // Computed afresh: the solver's own flag is set only when a solve starts.
    return seeded_solution(check_fleet_unlimited(), v_unrouted);
}

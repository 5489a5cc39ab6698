// The schedule that result extraction reports: arrival, waiting and departure of
// every visit when each route starts at its earliest feasible time.

#include "vrp.h"

#include "solver_utils.h"

#include <algorithm>

namespace {
// Service begins at the arrival or, when earlier, at the window's opening.
void serve(const Client& visited, Visit& visit)
{
    const long long begin = std::max(visited.early_tw, visit.arrival);
    visit.waiting = saturate_to_int(begin - visit.arrival);
    visit.departure = saturate_to_int(begin + visited.service_time);
}
}  // namespace

void VRP::compute_visit_times(Solution& solution) const
{
    for (unsigned r = 0; r < solution.routes.size(); ++r) {
        Route& route = solution.routes[r];
        const unsigned n = static_cast<unsigned>(route.visits.size());
        const bool has_tables = r < solution.seg_earliest.size() &&
                                solution.seg_earliest[r].side() == n;
        const int start = has_tables ? truncate_to_int(solution.seg_earliest[r](0, n - 1)) : 0;
        Visit& first = route.visits[0];
        first.arrival = start;
        first.waiting = 0;
        first.departure =
            saturate_to_int(static_cast<long long>(start) + client(0).service_time);
        route.travel_time = 0.0;
        route.waiting_time = 0.0;
        for (unsigned p = 1; p < n; ++p) {
            const unsigned from = static_cast<unsigned>(route.visits[p - 1].client);
            const unsigned to = static_cast<unsigned>(route.visits[p].client);
            // The depot-to-depot leg of an empty route is no trip, and the matrix diagonal
            // (2147483647) must not enter the clock.
            const double t = from == to ? 0.0 : travel(from, to);
            Visit& visit = route.visits[p];
            visit.arrival = truncate_to_int(route.visits[p - 1].departure + t);
            route.travel_time += t;
            serve(client(to), visit);
            route.waiting_time += visit.waiting;
        }
    }
}

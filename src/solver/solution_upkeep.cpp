// Between local search steps: dropping routes left empty, and keeping the best solution.

#include "vrp.h"

#include <algorithm>
#include <cstddef>

void VRP::remove_empty_routes(Solution& solution) const
{
    for (std::size_t r = solution.routes.size(); r-- > 0;) {
        const Route& route = solution.routes[r];
        if (route.visits.size() != 2) {
            continue;
        }
        return_vehicle(solution, route.container);  // the vehicle goes back to the fleet
        solution.routes.erase(solution.routes.begin() + static_cast<std::ptrdiff_t>(r));
        solution.erase_route_data(r);
    }
}

int VRP::unrouted_count(const Solution& solution) const
{
    int unrouted = 0;
    for (const Route& route : solution.routes) {
        if (is_dummy(route.container) && route.visits.size() > 2) {
            unrouted += static_cast<int>(route.visits.size()) - 2;
        }
    }
    return unrouted;
}

int VRP::real_route_count(const Solution& solution) const
{
    return static_cast<int>(
        std::count_if(solution.routes.begin(), solution.routes.end(), [this](const Route& route) {
            return !is_dummy(route.container) && route.visits.size() > 2;
        }));
}

void VRP::keep_best(Solution& best, const Solution& candidate, int& best_routes) const
{
    // Serving every client comes first: a DUMMY route is no vehicle, and a solution
    // that parks clients on it must never displace one that serves them.
    const int routes = real_route_count(candidate);
    const int unrouted = unrouted_count(candidate);
    const int best_unrouted = best_routes == 2147483647 ? 2147483647 : unrouted_count(best);
    const bool better = unrouted != best_unrouted ? unrouted < best_unrouted
                        : routes != best_routes   ? routes < best_routes
                                                  : best.total_cost > candidate.total_cost;
    if (better) {
        best = candidate;
        best_routes = routes;
    }
}

// Keeps one empty route per vehicle type, so that any move can open a vehicle of any type.

#include "move_support.h"

void VRP::add_empty_routes(Solution& solution)
{
    std::vector<bool> v_has_empty(static_cast<std::size_t>(container_count()), false);
    for (const Route& route : solution.routes) {
        if (route.visits.size() == 2) {
            v_has_empty[static_cast<std::size_t>(route.container)] = true;
        }
    }
    for (int k = 0; k < container_count(); ++k) {
        // The DUMMY record keeps its single route: it is not a vehicle that can be opened.
        if (v_has_empty[static_cast<std::size_t>(k)] || is_dummy(k)) {
            continue;
        }
        solution.routes.push_back(init_route(k));
        solution.resize_route_data(solution.routes.size());
        const auto r = static_cast<unsigned>(solution.routes.size() - 1);
        init_route_segments(solution, r);
        update_route_segments(solution, r);
        solution.routes[r].cost = 0.0;
        take_vehicle(solution, k);
    }
}

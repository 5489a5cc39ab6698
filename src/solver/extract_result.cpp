// Turns the final solution into the result members of the Instance.

#include "vrp.h"

namespace {
OutputRoute output_route(const VRP& vrp, const Route& route, int load)
{
    OutputRoute output{route.distance, route.travel_time, route.waiting_time,
                       vrp.container(route.container).container_id, route.container, load, {}};
    for (const Visit& visit : route.visits) {
        output.visits.push_back(OutputVisit{visit.client,
                                            vrp.client(static_cast<unsigned>(visit.client)).id,
                                            visit.arrival, visit.waiting, visit.departure});
    }
    return output;
}
}  // namespace

void VRP::extract_result(Solution& solution)
{
    compute_visit_times(solution);
    instance->total_distance = 0.0;
    instance->total_travel = 0.0;
    instance->total_waiting = 0.0;
    instance->unrouted_clients.clear();
    int dummy_routes = 0;
    for (std::size_t r = 0; r < solution.routes.size(); ++r) {
        const Route& route = solution.routes[r];
        if (is_dummy(route.container)) {
            // Its clients are those no real vehicle serves; every DUMMY route adds
            // its own, so none is lost, and none of them is a vehicle in use.
            ++dummy_routes;
            for (std::size_t p = 1; p + 1 < route.visits.size(); ++p) {
                instance->unrouted_clients.push_back(route.visits[p].client);
            }
            continue;
        }
        instance->total_distance += route.distance;
        instance->total_travel += route.travel_time;
        instance->total_waiting += route.waiting_time;
        const int load = r < solution.route_load.size() ? solution.route_load[r] : route.load;
        instance->routes.push_back(output_route(*this, route, load));
    }
    instance->n_used_vehicles = static_cast<int>(solution.routes.size()) - dummy_routes;
    instance->remaining_vehicles.assign(solution.remaining_vehicles.begin(),
                                        solution.remaining_vehicles.end());
    instance->total_time = solution.total_time;
}

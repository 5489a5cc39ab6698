#include "cheapest_places.h"

#include <cfloat>

void CheapestPlaces::route_changed(int r)
{
    if (r >= 0 && static_cast<std::size_t>(r) < v_stale.size()) {
        v_stale[static_cast<std::size_t>(r)] = 1;
    }
}

// Scans the places in order keeping strictly smaller values only, so the place kept is the
// first with the least value; a client that does not fit keeps DBL_MAX, which find() never
// takes.
void CheapestPlaces::price_route(const std::vector<int>& v_unrouted,
                                 const VRP::Solution& solution, unsigned r)
{
    const Route& candidate = solution.routes[r];
    const long long capacity = vrp.container(candidate.container).capacity;
    const auto container_index = static_cast<unsigned>(candidate.container);
    std::vector<Place>& v_route = vv_places[r];
    v_route.resize(vrp.client_count(), Place{DBL_MAX, -1});
    for (const int client : v_unrouted) {
        const auto k = static_cast<unsigned>(client);
        Place place{DBL_MAX, -1};
        if (fits_vehicle(candidate.load, vrp.demand(k), capacity)) {
            for (std::size_t p = 0; p + 1 < candidate.visits.size(); ++p) {
                const auto before = static_cast<unsigned>(candidate.visits[p].client);
                const auto next = static_cast<unsigned>(candidate.visits[p + 1].client);
                const double value = criterion(before, next, k, container_index, mu);
                if (value < place.value) {
                    place = Place{value, static_cast<int>(p)};
                }
            }
        }
        v_route[k] = place;
    }
    v_stale[r] = 0;
}

void CheapestPlaces::find(const std::vector<int>& v_unrouted, const VRP::Solution& solution,
                          int& position, int& route, int& after)
{
    const std::size_t routes = solution.routes.size();
    if (vv_places.size() < routes) {
        vv_places.resize(routes);
        v_stale.resize(routes, 1);
    }
    for (unsigned r = 0; r < routes; ++r) {
        if (v_stale[r] != 0) {
            price_route(v_unrouted, solution, r);
        }
    }
    position = -1;
    route = -1;
    after = -1;
    double best = DBL_MAX;
    for (std::size_t x = 0; x < v_unrouted.size(); ++x) {
        const auto k = static_cast<std::size_t>(v_unrouted[x]);
        for (std::size_t r = 0; r < routes; ++r) {
            const Place& place = vv_places[r][k];
            if (place.value < best) {
                best = place.value;
                position = static_cast<int>(x);
                route = static_cast<int>(r);
                after = place.after;
            }
        }
    }
}

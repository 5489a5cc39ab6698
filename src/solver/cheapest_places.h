#pragma once
// The cheapest insertion place of every unrouted client in every route, kept from one
// insertion to the next: an insertion changes one route and an opening adds one, so only
// those are priced again. find() chooses exactly what a scan of every client, route and
// place in that order chooses, keeping strictly smaller values only.

#include "vrp.h"

#include <vector>

// Whether a client of the given demand fits a vehicle of the given capacity already
// carrying load (the construction's only test).
inline bool fits_vehicle(long long load, int demand, long long capacity)
{
    return capacity >= load + demand;
}

class CheapestPlaces {
public:
    CheapestPlaces(const VRP& vrp_, double mu_, const VRP::InsertionCriterion& criterion_)
        : vrp(vrp_), mu(mu_), criterion(criterion_)
    {
    }

    // The unrouted client (position in v_unrouted), route and place (the visit it follows)
    // of least criterion value, the first such in the order client, route, place; -1 each
    // when no client fits anywhere.
    void find(const std::vector<int>& v_unrouted, const VRP::Solution& solution, int& position,
              int& route, int& after);
    // Route r changed (a client went in): its places are priced again at the next find.
    void route_changed(int r);

private:
    // A client's least value in one route and the first place that has it.
    struct Place {
        double value;
        int after;
    };
    void price_route(const std::vector<int>& v_unrouted, const VRP::Solution& solution,
                     unsigned r);

    const VRP& vrp;
    double mu;
    const VRP::InsertionCriterion& criterion;
    std::vector<std::vector<Place>> vv_places;  // [route][client]
    std::vector<unsigned char> v_stale;         // per route
};

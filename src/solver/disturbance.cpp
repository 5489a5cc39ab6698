// Disturbances: up to three random trades of one client between two random routes,
// so that the next local search starts from a different solution.

#include "vrp.h"

#include "moves/move_support.h"
#include "solver_utils.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
// One attempt's choice: two routes, one client position in each.
struct Trade {
    unsigned r1 = 0;
    unsigned r2 = 0;
    unsigned p1 = 0;
    unsigned p2 = 0;
};

int visit_count(const VRP::Solution& solution, unsigned r)
{
    return static_cast<int>(solution.routes[r].visits.size());
}

// Draws one attempt (two different routes, a client of each, the load test); true when the
// trade may go ahead, with the two new loads stored.
bool draw_trade(const VRP& vrp, VRP::Solution& solution, Trade& trade)
{
    const int last_route = static_cast<int>(solution.routes.size()) - 1;
    int r1 = 0;
    int r2 = 0;
    do {
        r1 = rand_int(0, last_route);
        r2 = rand_int(0, last_route);
    } while (r1 == r2);
    trade.r1 = static_cast<unsigned>(r1);
    trade.r2 = static_cast<unsigned>(r2);
    if (visit_count(solution, trade.r1) <= 2 || visit_count(solution, trade.r2) <= 2) {
        return false;
    }
    trade.p1 = static_cast<unsigned>(rand_int(1, visit_count(solution, trade.r1) - 2));
    trade.p2 = static_cast<unsigned>(rand_int(1, visit_count(solution, trade.r2) - 2));
    const Route& route1 = solution.routes[trade.r1];
    const Route& route2 = solution.routes[trade.r2];
    const long long q1 = vrp.demand(static_cast<unsigned>(route1.visits[trade.p1].client));
    const long long q2 = vrp.demand(static_cast<unsigned>(route2.visits[trade.p2].client));
    // In 64 bits: a DUMMY route's load may sit near the int limit.
    const long long load1 = solution.route_load[trade.r1] - q1 + q2;
    const long long load2 = solution.route_load[trade.r2] - q2 + q1;
    if (load1 >= vrp.container(route1.container).capacity ||
        load2 >= vrp.container(route2.container).capacity) {
        return false;  // a vehicle filled exactly to capacity is refused too
    }
    solution.route_load[trade.r1] = static_cast<int>(load1);
    solution.route_load[trade.r2] = static_cast<int>(load2);
    return true;
}

// Each client leaves its route and enters the other at a random place.
void exchange_at_random_places(VRP::Solution& solution, const Trade& trade)
{
    std::vector<Visit>& v_first = solution.routes[trade.r1].visits;
    std::vector<Visit>& v_second = solution.routes[trade.r2].visits;
    const Visit from_first = v_first[trade.p1];
    const Visit from_second = v_second[trade.p2];
    v_first.erase(v_first.begin() + trade.p1);
    v_second.erase(v_second.begin() + trade.p2);
    const int q2 = rand_int(1, static_cast<int>(v_second.size()) - 1);
    const int q1 = rand_int(1, static_cast<int>(v_first.size()) - 1);
    v_first.insert(v_first.begin() + q1, from_second);
    v_second.insert(v_second.begin() + q2, from_first);
}

// Up to three trades, then every changed route's tables, figures and cost afresh.
template <class Apply>
void disturb(const VRP& vrp, VRP::Solution& solution, Apply apply)
{
    if (solution.routes.size() < 2) {
        return;
    }
    const int attempts = rand_int(1, 3);
    std::vector<unsigned> v_changed;
    for (int a = 0; a < attempts; ++a) {
        Trade trade;
        if (draw_trade(vrp, solution, trade)) {
            apply(solution, trade);
            v_changed.push_back(trade.r1);
            v_changed.push_back(trade.r2);
        }
    }
    // Each changed route once, in ascending order.
    std::sort(v_changed.begin(), v_changed.end());
    v_changed.erase(std::unique(v_changed.begin(), v_changed.end()), v_changed.end());
    for (unsigned r : v_changed) {
        moves::begin_route_change(solution, r);
        moves::end_route_change(vrp, solution, r);
        solution.routes[r].load = solution.route_load[r];
    }
}
}  // namespace

void VRP::disturb_swap(Solution& solution)
{
    // Each client takes the other's place.
    disturb(*this, solution, [](Solution& changed, const Trade& trade) {
        std::swap(changed.routes[trade.r1].visits[trade.p1],
                  changed.routes[trade.r2].visits[trade.p2]);
    });
}

void VRP::disturb_exchange(Solution& solution)
{
    disturb(*this, solution, exchange_at_random_places);
}

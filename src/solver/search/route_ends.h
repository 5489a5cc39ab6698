#pragma once
// The route ends: per visit of every route, what the cost bounds read of the route's tables,
// and per route its reach (see cost_bounds.h).

#include "moves/move_support.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace moves {

struct ProblemFacts;

// What a floor and a load test read at one visit, copied from the route's tables.
struct VisitEnds {
    unsigned client = 0;
    int demand = 0;              // the client's demand as the solver counts it
    double head_distance = 0.0;  // visits 0..here
    double head_warp = 0.0;
    double tail_distance = 0.0;  // visits here..end
    double tail_warp = 0.0;
    double run_distance[2] = {0.0, 0.0};  // runs of one and two visits from here
    double run_warp[2] = {0.0, 0.0};
    // What the join warps read: the head's earliest end, earliest start and duration less
    // warp, the tail's latest start, and per run its latest start and earliest end.
    double head_finish = 0.0;
    double tail_latest = 0.0;
    double head_earliest = 0.0;
    double head_net = 0.0;
    double run_latest[2] = {0.0, 0.0};
    double run_finish[2] = {0.0, 0.0};
};

// A route's reach (cost_bounds.h): the least distance between each client and any visit
// (both ways), the least head plus tail around a gap of 0, 1 or 2 clients and the least run
// of 1 or 2. Empty ranges give 0 (nothing reads them); a NaN gives minus infinity.
struct RouteReach {
    std::vector<double> v_to;    // entry x: least distance from client x to a visit
    std::vector<double> v_from;  // entry x: least distance from a visit to client x
    double gap_distance[3] = {0.0, 0.0, 0.0};
    double gap_warp[3] = {0.0, 0.0, 0.0};
    double run_distance[2] = {0.0, 0.0};
    double run_warp[2] = {0.0, 0.0};
};

// VisitEnds of every visit of every route and each route's reach, rebuilt only for the
// routes whose stamp changed.
class RouteEnds {
public:
    void refresh(const VRP& vrp, const VRP::Solution& solution, const ProblemFacts& facts);
    const VisitEnds* route(unsigned r) const { return v_routes[r].v_ends.data(); }
    const RouteReach& reach(unsigned r) const { return v_routes[r].reach; }
    // Smallest client demand, zeros included (0 without clients).
    long long smallest_demand(unsigned r) const { return v_routes[r].smallest; }
    // The route's clients in visit order, side by side for the place screens.
    const unsigned* clients(unsigned r) const { return v_routes[r].v_clients.data(); }
    // Whether every head, tail and run figure is finite and no warp negative.
    bool finite(unsigned r) const { return v_routes[r].finite; }
    // Entry p: the least head_finish from p on, the largest tail_latest up to p; neither
    // falls along the route, so a time cut holds beyond the place where it first holds.
    const double* finish_floor(unsigned r) const { return v_routes[r].v_finish_floor.data(); }
    const double* latest_ceiling(unsigned r) const
    {
        return v_routes[r].v_latest_ceiling.data();
    }

private:
    struct Figures {
        std::uint64_t stamp = 0;
        std::vector<VisitEnds> v_ends;
        std::vector<unsigned> v_clients;
        std::vector<double> v_finish_floor;
        std::vector<double> v_latest_ceiling;
        long long smallest = 0;
        bool finite = false;
        RouteReach reach;
    };
    std::vector<Figures> v_routes;  // never shrinks, so that storage is reused

    void rebuild(const VRP::Solution& solution, unsigned r, const VRP& vrp,
                 Figures& figures) const;
    static void rebuild_reach(const VRP& vrp, const ProblemFacts& facts,
                              const std::vector<VisitEnds>& v_ends, RouteReach& reach);
};

// Demand of `length` visits from `first` on.
inline long long run_demand(const VisitEnds* route, unsigned first, unsigned length)
{
    long long sum = 0;
    for (unsigned k = first; k < first + length; ++k) {
        sum += route[k].demand;
    }
    return sum;
}

}  // namespace moves

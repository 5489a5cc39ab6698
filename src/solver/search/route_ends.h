#pragma once
// Cost floors of candidate routes for the inter-route scans. A candidate route is a head
// (visits 0..a of one route), perhaps a run from another route, and a tail (visits b..end).
// Its floor keeps the joined distance exactly (summed in the very order the joins sum it,
// so it is the same double) and takes the sum of the pieces' time warps, which a join never
// lowers. Rounding to nearest is monotone, so the floor, priced and put through the same
// delta sum as the candidate, never exceeds the candidate's delta: a floor that is not
// is_less than the best proves the candidate cannot be chosen either.

#include "moves/move_support.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace moves {

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
    // Times the join warps read: the earliest end of the head (earliest start plus
    // duration less time warp), the latest start of the tail, and per run its latest
    // start and earliest end.
    double head_finish = 0.0;
    double tail_latest = 0.0;
    // The head's earliest start and its duration less its time warp, from which a join
    // takes the warp it adds.
    double head_earliest = 0.0;
    double head_net = 0.0;
    double run_latest[2] = {0.0, 0.0};
    double run_finish[2] = {0.0, 0.0};
};

// Time warp that joining head, run and tail adds at least, beyond the pieces' own: the first
// join's exactly, and for the second the warp it would add after the run alone (the head
// and run together never end earlier than the run alone).
inline double join_warp_floor(const VRP& vrp, const VisitEnds& head, const VisitEnds& run,
                              unsigned length, const VisitEnds& run_last, const VisitEnds& tail)
{
    const double into = (head.head_finish + vrp.travel(head.client, run.client)) -
                        run.run_latest[length - 1];
    const double out = (run.run_finish[length - 1] + vrp.travel(run_last.client, tail.client)) -
                       tail.tail_latest;
    return positive_part(into) + positive_part(out);
}

// A delta floor computed in another order than the candidates' prices, lowered by far more
// than any rounding of either, so that one it proves hopeless is hopeless indeed.
inline double lowered_for_rounding(double delta, double penalty, double low1, double low2,
                                   double cost1, double cost2)
{
    const double scale = std::fabs(penalty) + std::fabs(low1) + std::fabs(low2) +
                         std::fabs(cost1) + std::fabs(cost2);
    return delta - (1e-9 * scale + 1e-9);
}

// What any place of a route offers at best, so that one floor bounds the candidates at
// every place of the route at once: the least distance between each client and any visit
// of the route (both ways), the least head-plus-tail around a gap of 0, 1 or 2 clients and
// the least run of 1 or 2 clients. Empty ranges give 0 (no candidate reads them); a NaN
// gives minus infinity, which bounds nothing.
struct RouteReach {
    std::vector<double> v_to;    // entry x: least distance from client x to a visit
    std::vector<double> v_from;  // entry x: least distance from a visit to client x
    double gap_distance[3] = {0.0, 0.0, 0.0};
    double gap_warp[3] = {0.0, 0.0, 0.0};
    double run_distance[2] = {0.0, 0.0};
    double run_warp[2] = {0.0, 0.0};
};

// VisitEnds of every visit of every route: one small record per piece end instead of
// five table look-ups, and the route's reach. Kept from scan to scan and rebuilt only for
// the routes whose stamp changed, reusing their storage.
class RouteEnds {
public:
    void refresh(const VRP& vrp, const VRP::Solution& solution);
    const VisitEnds* route(unsigned r) const { return v_routes[r].v_ends.data(); }
    const RouteReach& reach(unsigned r) const { return v_routes[r].reach; }
    // Smallest client demand, zeros included (0 without clients), so that the quick pair
    // tests never refuse a pair holding a feasible candidate.
    long long smallest_demand(unsigned r) const { return v_routes[r].smallest; }
    // Whether every time window opens no later than it closes: then no stretch of visits
    // ends earlier for being driven after another, which join_warp_floor relies on.
    bool windows_ordered() const { return ordered_windows; }
    // The route's clients in visit order, side by side for the place screens.
    const unsigned* clients(unsigned r) const { return v_routes[r].v_clients.data(); }
    // Whether the place screens may judge candidates involving route r: every distance and
    // travel time of the matrix is finite and not negative, and every head, tail and run
    // figure of the route is finite (a NaN time warp would leave a floor without a value).
    bool screenable(unsigned r) const { return plain_matrix && v_routes[r].finite; }
    // Entry p: the least head_finish of visits p and later, and the largest tail_latest
    // of visits p and earlier; both never fall along the route, so a time cut that holds
    // at one place holds at every place beyond it.
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

    // Read once per problem: a NaN distance makes every reach bound nothing, and a
    // symmetric matrix gives both ways of the reach from one pass along its rows.
    unsigned matrix_side = 0;
    bool matrix_has_nan = false;
    bool matrix_symmetric = false;
    bool plain_matrix = false;  // distances and travel times finite and not negative
    bool ordered_windows = false;

    void check_problem(const VRP& vrp);
    void rebuild(const VRP::Solution& solution, unsigned r, const VRP& vrp,
                 Figures& figures) const;
    void rebuild_reach(const VRP& vrp, const std::vector<VisitEnds>& v_ends,
                       RouteReach& reach) const;
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

// The two figures a floor keeps. No initialisers: one is built for every candidate.
struct Floor {
    double distance;
    double time_warp;
};

// Cost of a route serving clients whose floor this is.
inline double floor_cost(const VRP& vrp, const Container& record, const Floor& floor)
{
    return vrp.cost_of(record, floor.distance, floor.time_warp, true);
}

// A run of visits of some route, as a floor needs it.
struct RunFloor {
    unsigned first_client;
    unsigned last_client;
    double distance;
    double warp;
};

inline RunFloor run_floor(const VisitEnds* route, unsigned first, unsigned length)
{
    return RunFloor{route[first].client, route[first + length - 1].client,
                    route[first].run_distance[length - 1], route[first].run_warp[length - 1]};
}

// Head ending at `head`, then the run, then the tail starting at `tail`. False (no floor)
// where the first join would meet the depot with itself.
inline bool floor_with_run(const VRP& vrp, const VisitEnds& head, const RunFloor& run,
                           const VisitEnds& tail, Floor& floor)
{
    if (head.client == run.first_client) {
        return false;
    }
    const double joined = (head.head_distance + run.distance) +
                          vrp.distance(head.client, run.first_client);
    floor.distance = (joined + tail.tail_distance) + vrp.distance(run.last_client, tail.client);
    floor.time_warp = (head.head_warp + run.warp) + tail.tail_warp;
    return true;
}

// Head ending at `head`, then the tail starting at `tail`.
inline bool floor_head_tail(const VRP& vrp, const VisitEnds& head, const VisitEnds& tail,
                            Floor& floor)
{
    if (head.client == tail.client) {
        return false;
    }
    floor.distance =
        (head.head_distance + tail.tail_distance) + vrp.distance(head.client, tail.client);
    floor.time_warp = head.head_warp + tail.tail_warp;
    return true;
}

// Floor of any pieces read straight from the segment tables, for the intra-route moves,
// whose pieces all come from one route: the first join as the candidate's price makes it
// (so its warp counts in full), then the later pieces as above. False where the first join
// would meet the depot with itself.
inline bool floor_of_pieces(const VRP& vrp, const VRP::Solution& solution, const PieceList& pieces,
                            Floor& floor)
{
    const Piece* piece = pieces.begin();
    const unsigned u = client_at(solution, piece->route, piece->last);
    const unsigned w = client_at(solution, piece[1].route, piece[1].first);
    if (u == w) {
        return false;
    }
    const VRP::Leg& between = vrp.leg(u, w);
    const Segment first =
        join_segments(solution.segment(piece->route, piece->first, piece->last),
                      solution.segment(piece[1].route, piece[1].first, piece[1].last),
                      between.travel, between.distance);
    floor.distance = first.distance;
    floor.time_warp = first.time_warp;
    for (piece += 2; piece != pieces.end(); ++piece) {
        const Piece& before = *(piece - 1);
        const double leg = vrp.distance(client_at(solution, before.route, before.last),
                                        client_at(solution, piece->route, piece->first));
        const SquareTable& distance = solution.seg_distance[piece->route];
        const SquareTable& warp = solution.seg_time_warp[piece->route];
        floor.distance = (floor.distance + distance(piece->first, piece->last)) + leg;
        floor.time_warp = floor.time_warp + warp(piece->first, piece->last);
    }
    return true;
}

// Offers an intra-route candidate, priced only when its floor could beat the choice so far.
template <class Candidate>
void offer_intra(const VRP& vrp, const VRP::Solution& solution, unsigned r,
                 const PieceList& pieces, const Candidate& candidate, Choice<Candidate>& choice)
{
    const Route& route = solution.routes[r];
    Floor floor;
    if (floor_of_pieces(vrp, solution, pieces, floor) &&
        !choice.may_take(floor_cost(vrp, vrp.container(route.container), floor) - route.cost)) {
        return;
    }
    choice.offer(intra_route_delta(vrp, solution, r, pieces), candidate);
}

}  // namespace moves

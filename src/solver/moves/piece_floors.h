#pragma once
// Cost floors of candidate routes for the inter-route scans. A candidate route is a head
// (visits 0..a of one route), perhaps a run from another route, and a tail (visits b..end).
// Its floor keeps the joined distance exactly (summed in the very order the joins sum it,
// so it is the same double) and takes the sum of the pieces' time warps, which a join never
// lowers. Rounding to nearest is monotone, so the floor, priced and put through the same
// delta sum as the candidate, never exceeds the candidate's delta: a floor that is not
// is_less than the best proves the candidate cannot be chosen either.

#include "move_support.h"

#include <cstddef>
#include <vector>

namespace moves {

// What a floor reads at one visit, copied from the route's segment tables.
struct VisitEnds {
    unsigned client = 0;
    double head_distance = 0.0;  // visits 0..here
    double head_warp = 0.0;
    double tail_distance = 0.0;  // visits here..end
    double tail_warp = 0.0;
    double run_distance[2] = {0.0, 0.0};  // runs of one and two visits from here
    double run_warp[2] = {0.0, 0.0};
};

// VisitEnds of every visit of every route, built once per scan: one small record per
// piece end instead of five table look-ups.
class RouteEnds {
public:
    explicit RouteEnds(const VRP::Solution& solution)
    {
        v_first.reserve(solution.routes.size());
        for (unsigned r = 0; r < solution.routes.size(); ++r) {
            v_first.push_back(v_ends.size());
            add_route(solution, r);
        }
    }
    const VisitEnds* route(unsigned r) const { return &v_ends[v_first[r]]; }

private:
    std::vector<VisitEnds> v_ends;
    std::vector<std::size_t> v_first;

    void add_route(const VRP::Solution& solution, unsigned r)
    {
        const auto n = static_cast<unsigned>(solution.routes[r].visits.size());
        const SquareTable& distance = solution.seg_distance[r];
        const SquareTable& warp = solution.seg_time_warp[r];
        for (unsigned p = 0; p < n; ++p) {
            VisitEnds ends;
            ends.client = client_at(solution, r, p);
            ends.head_distance = distance(0, p);
            ends.head_warp = warp(0, p);
            ends.tail_distance = distance(p, n - 1);
            ends.tail_warp = warp(p, n - 1);
            for (unsigned length = 1; length <= 2 && p + length <= n; ++length) {
                ends.run_distance[length - 1] = distance(p, p + length - 1);
                ends.run_warp[length - 1] = warp(p, p + length - 1);
            }
            v_ends.push_back(ends);
        }
    }
};

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
                           const VisitEnds& tail, Segment& floor)
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
                            Segment& floor)
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
// whose pieces all come from one route. False where the first join would meet the depot
// with itself.
inline bool floor_of_pieces(const VRP& vrp, const VRP::Solution& solution, const PieceList& pieces,
                            Segment& floor)
{
    const Piece* piece = pieces.begin();
    if (client_at(solution, piece->route, piece->last) ==
        client_at(solution, piece[1].route, piece[1].first)) {
        return false;
    }
    floor.distance = solution.seg_distance[piece->route](piece->first, piece->last);
    floor.time_warp = solution.seg_time_warp[piece->route](piece->first, piece->last);
    for (++piece; piece != pieces.end(); ++piece) {
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
    Segment floor;
    if (floor_of_pieces(vrp, solution, pieces, floor) &&
        !choice.may_take(vrp.segment_cost(route.container, floor, true) - route.cost)) {
        return;
    }
    choice.offer(intra_route_delta(vrp, solution, r, pieces), candidate);
}

}  // namespace moves

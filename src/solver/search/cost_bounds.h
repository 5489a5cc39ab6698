#pragma once
// Cost bounds: what lets a scan pass over a candidate unpriced, never one it would choose.
//
// floor   A lower bound of one candidate route's cost from its stored pieces: their distances
//         joined in the very order the joins join them (the same double), their time warps
//         summed (a join never lowers warp). Put through the very delta sum that prices the
//         candidate, it never exceeds the candidate's delta (rounding is monotone).
// screen  A cheaper lower bound of one candidate, from the legs it adds and the piece ends
//         (route_ends.h) alone, tested before any floor is taken.
// reach   What any place of a route offers at best: its least legs to and from each client,
//         its least head plus tail around a gap, its least run. One bound then covers a whole
//         row of candidates (one run against every place of another route).
// cut     What the place-dependent part of a candidate's cost must stay below for its delta
//         to be taken: the choice's limit less what the row fixes. Divided by the warp
//         penalty it is a time budget, which ends a row at the first place too late.
//
// Floors rely on costs that rise with distance and time warp (weights not negative); screens,
// reach and time budgets also on the problem facts below. A bound whose facts do not hold is
// not used. Bounds summed in another order than the prices are moved by rounding_margin.

#include "moves/move_support.h"
#include "route_ends.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace moves {

// What the bounds rely on, read once per problem.
struct ProblemFacts {
    unsigned clients = 0;          // for which problem size they were read
    bool plain_legs = false;       // every distance and travel time finite and not negative
    bool ordered_windows = false;  // every time window opens no later than it closes
    bool plain_services = false;   // no service time is negative
    bool nan_distance = false;     // a NaN distance: every reach bounds nothing
    bool symmetric = false;        // distances alike both ways: the reach's two ways are one

    void read(const VRP& vrp);
};

// Whether a route's cost rises with its distance and time warp.
inline bool weights_rise(const VRP& vrp, const Container& record)
{
    return record.var_cost >= 0.0 && vrp.time_warp_penalty >= 0.0;
}

// How far a bound summed in another order than a price, from figures of magnitude `size`,
// is moved: by far more than the rounding of either.
inline double rounding_margin(double size)
{
    return 1e-9 * size + 1e-9;
}

// How late a join arrives: the time warp it adds at least when what ends at `finish` drives
// `travel` to what must start by `latest`.
inline double late_by(double finish, double travel, double latest)
{
    return positive_part((finish + travel) - latest);
}

// Time warp joining head, run and tail adds at least: the first join's exactly, the second's
// as after the run alone (head and run never end earlier than the run alone).
inline double join_warp_floor(const VRP& vrp, const VisitEnds& head, const VisitEnds& run,
                              unsigned length, const VisitEnds& run_last, const VisitEnds& tail)
{
    return late_by(head.head_finish, vrp.travel(head.client, run.client),
                   run.run_latest[length - 1]) +
           late_by(run.run_finish[length - 1], vrp.travel(run_last.client, tail.client),
                   tail.tail_latest);
}

// A delta floor lowered by the rounding margin of the figures it was summed from.
inline double lowered_for_rounding(double delta, double penalty, double low1, double low2,
                                   double cost1, double cost2)
{
    return delta - rounding_margin(std::fabs(penalty) + std::fabs(low1) + std::fabs(low2) +
                                   std::fabs(cost1) + std::fabs(cost2));
}

// The row bound: a stretch from client `first` to `last` into the reach's least gap of `gap`
// visits, and for `run` > 0 its least run between clients `before` and `after`.
struct RowReach {
    double distance_cost;
    double warp;
};

inline RowReach row_reach(const RouteReach& reach, unsigned gap, unsigned first, unsigned last,
                          double weight2, unsigned run = 0, unsigned before = 0,
                          unsigned after = 0, double weight1 = 0.0)
{
    RowReach row{weight2 * (reach.gap_distance[gap] + (reach.v_from[first] + reach.v_to[last])),
                 reach.gap_warp[gap]};
    if (run > 0) {
        row.distance_cost += weight1 * (reach.run_distance[run - 1] +
                                        (reach.v_to[before] + reach.v_from[after]));
        row.warp += reach.run_warp[run - 1];
    }
    return row;
}

// The time cut of one row: what `cut` leaves over `low` buys a budget of warp; a head ending
// after `latest` plus it, or a tail starting before `finish` less it, warps more.
struct TimeCut {
    double late_head = std::numeric_limits<double>::infinity();
    double early_tail = -std::numeric_limits<double>::infinity();
};

inline TimeCut time_cut(double cut, double low, double size, double penalty, double latest,
                        double finish)
{
    const double budget =
        ((cut + rounding_margin(size + std::fabs(cut) + std::fabs(low))) - low) / penalty;
    const double head = (latest + budget) + rounding_margin(std::fabs(budget) + std::fabs(latest));
    const double tail = (finish - budget) - rounding_margin(std::fabs(budget) + std::fabs(finish));
    if (!std::isfinite(head) || !std::isfinite(tail)) {
        return TimeCut{};
    }
    return TimeCut{head, tail};
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

// Head ending at `head`, then the run of `length` visits from `run`, then the tail starting
// at `tail`. False (no floor) where the first join would meet the depot with itself.
inline bool floor_with_run(const VRP& vrp, const VisitEnds& head, const VisitEnds* run,
                           unsigned length, const VisitEnds& tail, Floor& floor)
{
    if (head.client == run->client) {
        return false;
    }
    const double joined = (head.head_distance + run->run_distance[length - 1]) +
                          vrp.distance(head.client, run->client);
    floor.distance =
        (joined + tail.tail_distance) + vrp.distance(run[length - 1].client, tail.client);
    floor.time_warp = (head.head_warp + run->run_warp[length - 1]) + tail.tail_warp;
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

// Floor of within-route pieces: the first join as the price makes it, then the later
// pieces as above. False where the first join would meet the depot with itself.
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

#pragma once
// Relocations and exchanges between two routes (RunExchange): the pieces, price, floor gate
// and applier; run_exchange.h scans them.

#include "moves/inter_candidates.h"
#include "moves/move_support.h"
#include "search/cost_bounds.h"

namespace moves {

// New cost of the first route: its run out, r2's run in; an emptied route costs nothing.
template <unsigned RUN1, unsigned RUN2>
double first_route_cost(const VRP& vrp, const VRP::Solution& solution, const RunExchange& m)
{
    const Route& route1 = solution.routes[m.r1];
    const auto n1 = static_cast<unsigned>(route1.visits.size());
    if (RUN2 > 0) {  // its visits before its run, r2's run, the rest
        return serving_cost(vrp, route1.container,
                            join_pieces(vrp, solution,
                                        {Piece{m.r1, 0, m.i - 1}, Piece{m.r2, m.p, m.p + RUN2 - 1},
                                         Piece{m.r1, m.i + RUN1, n1 - 1}}));
    }
    if (n1 - RUN1 > 2) {
        return serving_cost(
            vrp, route1.container,
            join_pieces(vrp, solution, {Piece{m.r1, 0, m.i - 1}, Piece{m.r1, m.i + RUN1, n1 - 1}}));
    }
    return 0.0;
}

// The route that gains clients pays its DUMMY penalty, the one that loses them is relieved.
template <unsigned RUN1, unsigned RUN2>
double run_exchange_penalty(const Container& record1, const Container& record2)
{
    return RUN1 == RUN2 ? 0.0 : record2.penalty - record1.penalty;
}

// The two new routes priced from stored pieces, the first one's cost given.
template <unsigned RUN1, unsigned RUN2>
Priced price_run_exchange(const VRP& vrp, const VRP::Solution& solution, const RunExchange& m,
                          double new1)
{
    static_assert(RUN1 >= RUN2 && RUN1 > 0, "the first route gives at least as many clients");
    const Route& route1 = solution.routes[m.r1];
    const Route& route2 = solution.routes[m.r2];
    const auto n2 = static_cast<unsigned>(route2.visits.size());
    // Its visits before place p, r1's run, then its visits after its own run.
    const double new2 = serving_cost(
        vrp, route2.container,
        join_pieces(vrp, solution,
                    {Piece{m.r2, 0, m.p - 1}, Piece{m.r1, m.i, m.i + RUN1 - 1},
                     Piece{m.r2, m.p + RUN2, n2 - 1}}));
    const double penalty = run_exchange_penalty<RUN1, RUN2>(vrp.container(route1.container),
                                                            vrp.container(route2.container));
    return price_two_routes(penalty, new1, new2, route1.cost, route2.cost);
}

// What the floors of one route pair read, looked up once per pair.
struct PairFloorData {
    const Container& record1;
    const Container& record2;
    double penalty;  // the DUMMY penalty term
    double cost1;
    double cost2;
    const VisitEnds* ends1;
    const VisitEnds* ends2;
    bool joins_bounded;  // weights rise and windows are ordered: join warp floors hold
};

// Whether the new routes' floors, put through the very sum that prices the candidate, could
// beat the choice; new1 is the exact first cost when RUN2 = 0.
template <unsigned RUN1, unsigned RUN2, class Chooser>
bool run_exchange_may_improve(const VRP& vrp, const PairFloorData& pair, const RunExchange& m,
                              double new1, const Chooser& choice)
{
    Floor floor;
    double floor1 = new1;
    double floor1_distance = 0.0;
    double floor1_warp = 0.0;
    if (RUN2 > 0) {
        if (!floor_with_run(vrp, pair.ends1[m.i - 1], pair.ends2 + m.p, RUN2,
                            pair.ends1[m.i + RUN1], floor)) {
            return true;
        }
        floor1 = floor_cost(vrp, pair.record1, floor);
        floor1_distance = floor.distance;
        floor1_warp = floor.time_warp;
    }
    if (!floor_with_run(vrp, pair.ends2[m.p - 1], pair.ends1 + m.i, RUN1,
                        pair.ends2[m.p + RUN2], floor)) {
        return true;
    }
    const double floor2 = floor_cost(vrp, pair.record2, floor);
    if (!choice.may_take(
            price_two_routes(pair.penalty, floor1, floor2, pair.cost1, pair.cost2).delta)) {
        return false;
    }
    if (!pair.joins_bounded) {
        return true;
    }
    // The same floors with the time warp their joins must add.
    const VisitEnds* ends1 = pair.ends1;
    const VisitEnds* ends2 = pair.ends2;
    double low1 = floor1;
    if (RUN2 > 0) {
        const double warp1 = join_warp_floor(vrp, ends1[m.i - 1], ends2[m.p], RUN2,
                                             ends2[m.p + RUN2 - 1], ends1[m.i + RUN1]);
        low1 = vrp.cost_of(pair.record1, floor1_distance, floor1_warp + warp1, true);
    }
    const double warp2 = join_warp_floor(vrp, ends2[m.p - 1], ends1[m.i], RUN1,
                                         ends1[m.i + RUN1 - 1], ends2[m.p + RUN2]);
    const double low2 = vrp.cost_of(pair.record2, floor.distance, floor.time_warp + warp2, true);
    const double delta = price_two_routes(pair.penalty, low1, low2, pair.cost1, pair.cost2).delta;
    return choice.may_take(
        lowered_for_rounding(delta, pair.penalty, low1, low2, pair.cost1, pair.cost2));
}

template <unsigned RUN1, unsigned RUN2>
Priced price_run_exchange(const VRP& vrp, const VRP::Solution& solution, const RunExchange& m)
{
    return price_run_exchange<RUN1, RUN2>(vrp, solution, m,
                                          first_route_cost<RUN1, RUN2>(vrp, solution, m));
}

template <unsigned RUN1, unsigned RUN2>
void apply_run_exchange(const VRP& vrp, VRP::Solution& solution, const RunExchange& m)
{
    begin_two_route_change(solution, m.r1, m.r2);
    exchange_runs(solution.routes[m.r1], m.i, RUN1, solution.routes[m.r2], m.p, RUN2);
    if constexpr (RUN1 == RUN2 && RUN1 > 0) {
        end_two_route_change(vrp, solution, m.r1, m.i, m.i + RUN1 - 1, m.r2, m.p, m.p + RUN2 - 1);
    } else {
        end_two_route_change(vrp, solution, m.r1, m.r2);
    }
}

}  // namespace moves

#pragma once
// A quick screen of the places of one row of a relocation or exchange scan (one run of the
// first route against every place of the second), before any floor is taken. With costs
// that rise with distance and time warp, a candidate costs at least the fixed costs plus
// the variable costs of its new routes' distances plus the warp of the two joins that put
// the run into the second route (join_warp_floor's, read from the same figures in the
// same order). Each new distance is stored heads, runs and tails plus the legs that join
// them in. What depends on the pair alone is summed once, what depends on the run once per
// row; a place then costs a few look-ups and one comparison, where its floors would cost
// two priced routes. By time alone a row also ends at the first place whose head ends too
// late for the run, and passes over places whose tail starts too early after it. The sums
// run in another order than the floors, so every cut is moved by far more than the rounding
// of either: a place the screen refuses, its floors would refuse too.

#include "route_ends.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace moves {

// The figures of one route pair that do not depend on the candidate.
struct ScreenCosts {
    double penalty;  // the DUMMY penalty term
    double fixed1;   // fixed costs of the two new routes (fixed1 unused by relocations)
    double fixed2;
    double weight1;  // variable costs per distance of the two new routes
    double weight2;
    double cost1;  // current costs of the two routes
    double cost2;
};

template <unsigned RUN1, unsigned RUN2>
class PlaceScreen {
public:
    // Off (refusing nothing) unless the costs rise with distance and warp (bounded) and
    // every figure the floors read of both routes is finite and not negative
    // (RouteEnds::screenable); the warp needs ordered windows too (timed).
    PlaceScreen(const VRP& problem, const RouteEnds& ends, unsigned r1, unsigned r2, bool bounded,
                bool timed, const ScreenCosts& pair_costs)
        : vrp(problem), costs(pair_costs), ends1(ends.route(r1)), ends2(ends.route(r2)),
          clients2(ends.clients(r2)), reach2(ends.reach(r2)),
          finish_floor2(ends.finish_floor(r2)), latest_ceiling2(ends.latest_ceiling(r2)),
          warp_penalty(timed && vrp.time_warp_penalty > 0.0 ? vrp.time_warp_penalty : 0.0)
    {
        per_warp = warp_penalty > 0.0 ? 1.0 / warp_penalty : 0.0;
        on = bounded && ends.screenable(r1) && ends.screenable(r2) &&
             std::isfinite(costs.weight1) && std::isfinite(costs.weight2) &&
             std::isfinite(vrp.time_warp_penalty);
        constants = costs.penalty + costs.fixed2 - (costs.cost1 + costs.cost2);
        size = std::fabs(costs.penalty) + std::fabs(costs.fixed2) + std::fabs(costs.cost1) +
               std::fabs(costs.cost2);
        if (RUN2 > 0) {
            constants += costs.fixed1;
            size += std::fabs(costs.fixed1);
        }
    }

    bool active() const { return on; }

    // Before the places of the run at i: `limit` is what a candidate's floor delta must
    // stay below to be taken (the chooser's), new1 the relocation's exact first cost.
    // False when no place can hold a candidate: the second route's reach (see
    // row_floor_delta) already costs too much.
    bool start_row(unsigned i, double new1, double limit)
    {
        const VisitEnds& run = ends1[i];
        const VisitEnds& run_last = ends1[i + RUN1 - 1];
        double row = costs.weight2 * run.run_distance[RUN1 - 1];
        double given = 0.0;
        if (RUN2 > 0) {
            row += costs.weight1 * (ends1[i - 1].head_distance + ends1[i + RUN1].tail_distance);
        } else {
            given = new1;
        }
        // A candidate whose place-dependent cost reaches the cut is refused.
        const double cut = ((limit - constants) - given) - row;
        raised_cut =
            cut + (1e-8 * (size + std::fabs(limit) + std::fabs(given) + std::fabs(row)) + 1e-8);
        late_head = std::numeric_limits<double>::infinity();
        early_tail = -std::numeric_limits<double>::infinity();
        row_on = std::isfinite(raised_cut);
        double reach_cost = 0.0;
        if (row_on) {
            const unsigned before_run = ends1[i - 1].client;
            const unsigned after_run = ends1[i + RUN1].client;
            reach_cost = costs.weight2 * (reach2.gap_distance[RUN2] +
                                          (reach2.v_from[run.client] + reach2.v_to[run_last.client]));
            double warp = reach2.gap_warp[RUN2] + run.run_warp[RUN1 - 1];
            if (RUN2 > 0) {
                reach_cost += costs.weight1 * (reach2.run_distance[RUN2 - 1] +
                                               (reach2.v_to[before_run] + reach2.v_from[after_run]));
                warp += (ends1[i - 1].head_warp + ends1[i + RUN1].tail_warp) +
                        reach2.run_warp[RUN2 - 1];
            }
            if (reach_cost + vrp.time_warp_penalty * warp >= raised_cut) {
                return false;
            }
            before = before_run;
            after = after_run;
        }
        // (Without a finite cut the floors decide.)
        run_first = run.client;
        run_latest = run.run_latest[RUN1 - 1];
        run_finish = run.run_finish[RUN1 - 1];
        legs_from_last = &vrp.leg(run_last.client, 0);
        if (!row_on) {
            return true;
        }
        if (warp_penalty > 0.0) {
            // What the joins' warp may cost at most, in time.
            // (A product with the inverse rounds otherwise than the quotient, by far less
            // than the margin.)
            const double budget =
                ((raised_cut + (1e-8 * (size + std::fabs(raised_cut) + std::fabs(reach_cost)) +
                                1e-8)) -
                 reach_cost) *
                per_warp;
            const double head = (budget + run_latest) +
                                (1e-9 * (std::fabs(budget) + std::fabs(run_latest)) + 1e-9);
            const double tail = (run_finish - budget) -
                                (1e-9 * (std::fabs(budget) + std::fabs(run_finish)) + 1e-9);
            if (std::isfinite(head) && std::isfinite(tail)) {
                late_head = head;
                early_tail = tail;
            }
        }
        return true;
    }

    // Places from p on, whose heads end too late for the run (the join into it alone
    // would warp beyond the budget): the scan of the row may stop.
    bool heads_too_late(unsigned p) const { return finish_floor2[p - 1] >= late_head; }
    // A place whose tail, and every tail before it, starts too early after the run.
    bool tail_too_early(unsigned p) const { return latest_ceiling2[p + RUN2] <= early_tail; }

    // Whether the candidate at place p of the row cannot be taken.
    bool refuses(unsigned p) const
    {
        if (!row_on) {
            return false;
        }
        // The second route takes the run between its visits p - 1 and p + RUN2.
        const VisitEnds& head = ends2[p - 1];
        const VisitEnds& tail = ends2[p + RUN2];
        const VRP::Leg& in = vrp.leg(head.client, run_first);
        const VRP::Leg& out = legs_from_last[tail.client];
        double distance2 = (head.head_distance + tail.tail_distance) + (in.distance + out.distance);
        double low = costs.weight2 * distance2;
        if (RUN2 > 0) {
            // The first route takes the second's run between its visits i - 1 and i + RUN1.
            const VisitEnds& taken = ends2[p];
            const double distance1 =
                taken.run_distance[RUN2 - 1] +
                (vrp.distance(before, taken.client) + vrp.distance(clients2[p + RUN2 - 1], after));
            low += costs.weight1 * distance1;
        }
        if (warp_penalty > 0.0) {
            const double into = (head.head_finish + in.travel) - run_latest;
            const double late = (run_finish + out.travel) - tail.tail_latest;
            low += warp_penalty * (positive_part(into) + positive_part(late));
        }
        return low >= raised_cut;
    }

private:
    const VRP& vrp;
    ScreenCosts costs;
    const VisitEnds* ends1;
    const VisitEnds* ends2;
    const unsigned* clients2;
    const RouteReach& reach2;
    const double* finish_floor2;
    const double* latest_ceiling2;
    double warp_penalty;  // 0 where join warps bound nothing
    double per_warp = 0.0;  // its inverse
    bool on = false;
    bool row_on = false;
    double constants = 0.0;  // penalty and fixed costs less the current costs
    double size = 0.0;       // their magnitude, for the rounding margin
    double raised_cut = 0.0;
    // Time cuts of the row (see heads_too_late, tail_too_early); infinite when off.
    double late_head = std::numeric_limits<double>::infinity();
    double early_tail = -std::numeric_limits<double>::infinity();
    unsigned run_first = 0;
    double run_latest = 0.0;
    double run_finish = 0.0;
    const VRP::Leg* legs_from_last = nullptr;  // legs from the run's last client
    unsigned before = 0;  // the visits around the run in the first route
    unsigned after = 0;
};

}  // namespace moves

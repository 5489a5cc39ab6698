#pragma once
// The screen of one row of a relocation or exchange scan (one run of the first route against
// every place of the second): the fixed costs, the weighted distances of the new routes and
// the warp of the two joins that put the run in. The pair's part is summed once, the run's
// once per row; a place then costs a few look-ups and one comparison against the cut.

#include "cost_bounds.h"

#include <cmath>

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
    // Off unless weights rise, legs are plain and both routes' ends finite; join warps
    // count only with ordered windows.
    PlaceScreen(const VRP& problem, const RouteEnds& ends, const ProblemFacts& facts,
                unsigned r1, unsigned r2, bool weights_rise, const ScreenCosts& pair_costs)
        : vrp(problem), costs(pair_costs), ends1(ends.route(r1)), ends2(ends.route(r2)),
          clients2(ends.clients(r2)), reach2(ends.reach(r2)),
          finish_floor2(ends.finish_floor(r2)), latest_ceiling2(ends.latest_ceiling(r2)),
          warp_penalty(facts.ordered_windows && vrp.time_warp_penalty > 0.0
                           ? vrp.time_warp_penalty
                           : 0.0)
    {
        on = weights_rise && facts.plain_legs && ends.finite(r1) && ends.finite(r2) &&
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

    // Before the places of the run at i, against the chooser's limit; new1: a relocation's
    // exact first cost. False when the row bound already reaches the cut.
    bool start_row(unsigned i, double new1, double limit)
    {
        if (!on) {
            return true;
        }
        const VisitEnds& run = ends1[i];
        const VisitEnds& run_last = ends1[i + RUN1 - 1];
        before = ends1[i - 1].client;
        after = ends1[i + RUN1].client;
        double row = costs.weight2 * run.run_distance[RUN1 - 1];
        double given = new1;
        double warp = run.run_warp[RUN1 - 1];
        if (RUN2 > 0) {
            row += costs.weight1 * (ends1[i - 1].head_distance + ends1[i + RUN1].tail_distance);
            given = 0.0;
            warp += ends1[i - 1].head_warp + ends1[i + RUN1].tail_warp;
        }
        const double cut = ((limit - constants) - given) - row;
        raised_cut = cut + rounding_margin(size + std::fabs(limit) + std::fabs(given) +
                                           std::fabs(row));
        row_on = std::isfinite(raised_cut);
        times = TimeCut{};
        if (!row_on) {
            return true;  // the floors decide
        }
        const RowReach reach = row_reach(reach2, RUN2, run.client, run_last.client,
                                         costs.weight2, RUN2, before, after, costs.weight1);
        if (reach.distance_cost + vrp.time_warp_penalty * (reach.warp + warp) >= raised_cut) {
            return false;
        }
        run_first = run.client;
        run_latest = run.run_latest[RUN1 - 1];
        run_finish = run.run_finish[RUN1 - 1];
        legs_from_last = &vrp.leg(run_last.client, 0);
        if (warp_penalty > 0.0) {
            times = time_cut(raised_cut, reach.distance_cost, size, warp_penalty, run_latest,
                             run_finish);
        }
        return true;
    }

    // Places from p on, whose heads end too late for the run: the row may stop.
    bool heads_too_late(unsigned p) const { return finish_floor2[p - 1] >= times.late_head; }
    // A place whose tail, and every tail before it, starts too early after the run.
    bool tail_too_early(unsigned p) const
    {
        return latest_ceiling2[p + RUN2] <= times.early_tail;
    }

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
            low += warp_penalty * (late_by(head.head_finish, in.travel, run_latest) +
                                   late_by(run_finish, out.travel, tail.tail_latest));
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
    bool on = false;
    bool row_on = false;
    double constants = 0.0;  // penalty and fixed costs less the current costs
    double size = 0.0;       // their magnitude, for the rounding margin
    double raised_cut = 0.0;
    TimeCut times;  // see heads_too_late, tail_too_early
    unsigned run_first = 0;
    double run_latest = 0.0;
    double run_finish = 0.0;
    const VRP::Leg* legs_from_last = nullptr;  // legs from the run's last client
    unsigned before = 0;  // the visits around the run in the first route
    unsigned after = 0;
};

}  // namespace moves

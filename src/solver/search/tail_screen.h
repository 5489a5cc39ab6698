#pragma once
// The screen of the tail exchanges of one route pair: with real vehicle types of one
// variable cost, either assignment costs at least both fixed costs, the weighted new
// distances and the warp the two joins add. The reach refuses whole rows and columns.

#include "cost_bounds.h"
#include "moves/inter_candidates.h"

#include <cmath>

namespace moves {

class TailScreen {
public:
    TailScreen(const VRP& problem, const TailPair& tail_pair, const RouteEnds& ends,
               const ProblemFacts& facts)
        : vrp(problem), pair(tail_pair), ends1(ends.route(pair.r1)), ends2(ends.route(pair.r2)),
          reach2(ends.reach(pair.r2)), finish_floor2(ends.finish_floor(pair.r2)),
          latest_ceiling2(ends.latest_ceiling(pair.r2)), weight(pair.record1.var_cost),
          warp_penalty(problem.time_warp_penalty)
    {
        // One weight for both new routes: r2's head and tail cost the same on either.
        on = !vrp.is_dummy(pair.c1) && !vrp.is_dummy(pair.c2) &&
             pair.record1.var_cost == pair.record2.var_cost && weights_rise(vrp, pair.record1) &&
             facts.plain_legs && ends.finite(pair.r1) && ends.finite(pair.r2) &&
             std::isfinite(weight) && std::isfinite(warp_penalty);
        const double penalties = std::fabs(pair.record1.penalty - pair.record2.penalty);
        constants = ((pair.record1.fixed_cost + pair.record2.fixed_cost) - penalties) -
                    (pair.cost1 + pair.cost2);
        size = std::fabs(pair.record1.fixed_cost) + std::fabs(pair.record2.fixed_cost) +
               penalties + std::fabs(pair.cost1) + std::fabs(pair.cost2);
    }
    // What the new routes' distance and warp costs must stay below, raised for rounding.
    double cut_for(double limit) const
    {
        return (limit - constants) + rounding_margin(size + std::fabs(limit));
    }
    // Whether no split of a line (one route split between head and tail) whose new routes
    // both keep clients can be taken.
    bool line_hopeless(const VisitEnds& head, const VisitEnds& tail, const RouteReach& other,
                       double cut) const
    {
        const double warp = (head.head_warp + tail.tail_warp) + other.gap_warp[0];
        return on && line_low(head, tail, other) + warp_penalty * warp >= cut;
    }
    // Before the splits of row i, against cut_for's cut; sets the row's time cut.
    void start_row(unsigned i, double cut)
    {
        head1 = &ends1[i];
        tail1 = &ends1[i + 1];
        legs_from_head = &vrp.leg(head1->client, 0);
        raised_cut = cut;
        row_on = on && std::isfinite(raised_cut);
        times = TimeCut{};
        if (row_on && warp_penalty > 0.0 && i > 0 && i + 3 <= pair.n1) {
            times = time_cut(raised_cut, line_low(*head1, *tail1, reach2), size, warp_penalty,
                             tail1->tail_latest, head1->head_finish);
        }
    }
    // Splits from j on, whose second head ends too late for the first tail: the row may stop.
    bool heads_too_late(unsigned j) const { return finish_floor2[j] >= times.late_head; }
    // A split whose second tail starts too early after the first head.
    bool tail_too_early(unsigned j) const { return latest_ceiling2[j + 1] <= times.early_tail; }
    // Whether split (i, j) of the row cannot be taken; splits that leave a route without
    // clients (which then costs nothing) pass.
    bool refuses(const TailExchange& m) const
    {
        if (!row_on || !pair.a_serves(m) || !pair.b_serves(m)) {
            return false;
        }
        const VisitEnds& head2 = ends2[m.j];
        const VisitEnds& tail2 = ends2[m.j + 1];
        const VRP::Leg& a = legs_from_head[tail2.client];
        const VRP::Leg& b = vrp.leg(head2.client, tail1->client);
        const double distance = ((head1->head_distance + tail2.tail_distance) + a.distance) +
                                ((head2.head_distance + tail1->tail_distance) + b.distance);
        const double warp = join_late(*head1, a.travel, tail2) + join_late(head2, b.travel, *tail1);
        return weight * distance + warp_penalty * warp >= raised_cut;
    }

private:
    // The weighted distance of a line: the head and tail, the other route's reach.
    double line_low(const VisitEnds& head, const VisitEnds& tail, const RouteReach& other) const
    {
        return weight * (head.head_distance + tail.tail_distance) +
               row_reach(other, 0, tail.client, head.client, weight).distance_cost;
    }
    // The time warp the join of a head and a tail adds, as join_segments takes it.
    static double join_late(const VisitEnds& head, double travel, const VisitEnds& tail)
    {
        return late_by(head.head_earliest, head.head_net + travel, tail.tail_latest);
    }

    const VRP& vrp;
    const TailPair& pair;
    const VisitEnds* ends1;
    const VisitEnds* ends2;
    const RouteReach& reach2;
    const double* finish_floor2;
    const double* latest_ceiling2;
    double weight;
    double warp_penalty;
    bool on = false;
    bool row_on = false;
    double constants = 0.0;  // both fixed costs less both current costs
    double size = 0.0;       // the magnitudes the rounding margin is measured against
    double raised_cut = 0.0;
    TimeCut times;  // see heads_too_late, tail_too_early
    const VisitEnds* head1 = nullptr;
    const VisitEnds* tail1 = nullptr;
    const VRP::Leg* legs_from_head = nullptr;
};

}  // namespace moves

#pragma once
// A quick test of intra-route candidates from the legs they add and remove, before any
// segment table is read. A candidate's new distance is the route's distance plus the legs
// it adds less the legs it removes. Each added leg is a join of the candidate's pieces, and
// when every window opens no later than it closes a stretch never ends before its last
// visit's earliest end, so that join warps at least by how late the leg reaches its
// target after that end. With costs that grow with distance and warp, the candidate costs
// at least the new distance and the sum of those warps. The sums are taken in another
// order than the candidate's price, so the bound is lowered by far more than the rounding
// of either: a candidate it proves hopeless is hopeless indeed.

#include "move_support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace moves {

// A leg between the visits at two positions of the route.
struct LegEnds {
    unsigned from;
    unsigned to;
};

template <std::size_t Added, std::size_t Removed>
struct LegChange {
    std::array<LegEnds, Added> added;
    std::array<double, Removed> removed;  // their distances
};

class DistanceScreen {
public:
    DistanceScreen(const VRP& problem, const VRP::Solution& routes, unsigned route_index)
        : vrp(problem), solution(routes), r(route_index)
    {
        const Route& route = solution.routes[r];
        const Container& record = vrp.container(route.container);
        const auto n = static_cast<unsigned>(route.visits.size());
        fixed_cost = record.fixed_cost;
        var_cost = record.var_cost;
        current_cost = route.cost;
        distance = solution.seg_distance[r](0, n - 1);
        ordered_windows = true;
        for (unsigned p = 0; p < n; ++p) {
            if (p + 1 < n) {
                legs += std::fabs(leg(p, p + 1));
            }
            const Client& visited = vrp.client(client_at(solution, r, p));
            ordered_windows = ordered_windows && visited.early_tw <= visited.late_tw;
        }
        // Anything negative or not finite and the screen lets every candidate through.
        penalty = vrp.time_warp_penalty;
        active = var_cost >= 0.0 && penalty >= 0.0 &&
                 std::isfinite(fixed_cost + var_cost + current_cost + distance + legs);
    }

    // Distance from the visit at position p to the one at position q.
    double leg(unsigned p, unsigned q) const
    {
        return vrp.distance(client_at(solution, r, p), client_at(solution, r, q));
    }

    template <std::size_t Added, std::size_t Removed, class Candidate>
    bool hopeless(const LegChange<Added, Removed>& change, const Choice<Candidate>& choice) const
    {
        if (!active) {
            return false;
        }
        double added = 0.0;
        double removed = 0.0;
        double size = legs;
        double warp = 0.0;
        double times = 0.0;  // magnitude of the times the warps come from
        for (const LegEnds& ends : change.added) {
            const unsigned from = client_at(solution, r, ends.from);
            const unsigned to = client_at(solution, r, ends.to);
            const VRP::Leg& between = vrp.leg(from, to);
            added += between.distance;
            size += std::fabs(between.distance);
            if (ordered_windows) {
                const Client& before = vrp.client(from);
                const Client& after = vrp.client(to);
                const double end = static_cast<double>(before.early_tw) + before.service_time;
                warp += std::max((end + between.travel) - after.late_tw, 0.0);
                times += (std::fabs(end) + std::fabs(between.travel)) + std::abs(after.late_tw);
            }
        }
        for (double d : change.removed) {
            removed += d;
            size += std::fabs(d);
        }
        const double low =
            ((fixed_cost + var_cost * (distance + (added - removed))) + penalty * warp) -
            current_cost;
        const double margin = 1e-9 * (std::fabs(fixed_cost) + var_cost * size + penalty * times +
                                      std::fabs(current_cost)) +
                              1e-9;
        return !choice.may_take(low - margin);  // a NaN bound may take anything
    }

private:
    const VRP& vrp;
    const VRP::Solution& solution;
    unsigned r;
    double fixed_cost = 0.0;
    double var_cost = 0.0;
    double current_cost = 0.0;
    double distance = 0.0;
    double penalty = 0.0;
    double legs = 0.0;  // the route's legs, summed as magnitudes
    bool ordered_windows = false;
    bool active = false;
};

}  // namespace moves

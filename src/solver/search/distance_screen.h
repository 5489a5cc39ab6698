#pragma once
// The screen of the within-route moves: a candidate's new distance is the route's plus the
// legs it adds less those it removes, and with ordered windows each added leg warps at least
// by how late it reaches its target after the earliest end of the visit it leaves.

#include "search_memory.h"

#include <algorithm>
#include <cmath>
#include <vector>

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
    // Stretches driven the other way: their distance then, and as they are now.
    double reversed = 0.0;
    double forward = 0.0;
};

// Sums over some legs added and removed, as a bound reads them.
struct LegSums {
    double added = 0.0;
    double removed = 0.0;
    double size = 0.0;   // magnitude of the distances
    double warp = 0.0;   // warp the added legs' joins bring at least
    double times = 0.0;  // magnitude of the times the warps come from
};

// The first of first..last - 1 where hopeless_at is false, or last; it must be true on a
// leading part of the range only.
template <class Test>
unsigned first_hopeful(unsigned first, unsigned last, Test hopeless_at)
{
    while (first < last) {
        const unsigned middle = first + (last - first) / 2;
        if (hopeless_at(middle)) {
            first = middle + 1;
        } else {
            last = middle;
        }
    }
    return first;
}

class DistanceScreen {
public:
    DistanceScreen(const VRP& problem, const VRP::Solution& solution, unsigned r)
        : vrp(problem), v_visits(problem.search_memory().v_screen_visits)
    {
        const ProblemFacts& facts = problem.search_memory().problem_facts(problem);
        const Route& route = solution.routes[r];
        const Container& record = vrp.container(route.container);
        const auto n = static_cast<unsigned>(route.visits.size());
        fixed_cost = record.fixed_cost;
        var_cost = record.var_cost;
        current_cost = route.cost;
        distance = solution.seg_distance[r](0, n - 1);
        v_visits.resize(n);
        for (unsigned p = 0; p < n; ++p) {
            const unsigned c = client_at(solution, r, p);
            const Client& visited = vrp.client(c);
            v_visits[p] =
                ScreenVisit{c, static_cast<double>(visited.early_tw) + visited.service_time,
                            static_cast<double>(visited.late_tw)};
            route_times += (std::fabs(visited.early_tw) + std::fabs(visited.late_tw)) +
                     std::fabs(visited.service_time);
        }
        for (unsigned p = 0; p + 1 < n; ++p) {
            legs += std::fabs(leg(p, p + 1));
            route_times += std::fabs(vrp.travel(v_visits[p].client, v_visits[p + 1].client));
        }
        // Anything negative or not finite and the screen lets every candidate through.
        penalty = vrp.time_warp_penalty;
        active = var_cost >= 0.0 && penalty >= 0.0 &&
                 std::isfinite(fixed_cost + var_cost + current_cost + distance + legs +
                               route_times);
        stretch_floors = active && facts.plain_legs;
        ordered_windows = facts.ordered_windows;
        finish_floors = ordered_windows && facts.plain_services;
    }

    // Window closing of the visit at position p.
    double late(unsigned p) const { return v_visits[p].late; }

    // Warp a stretch brings at least when followed by what must start by `latest`: its own
    // and how late it finishes. Extending the stretch at its end only raises this floor.
    double warp_before(const Segment& run, double latest) const
    {
        const double finish = (run.earliest + run.duration) - run.time_warp;
        return run.time_warp + (finish_floors ? positive_part(finish - latest) : 0.0);
    }

    // Earliest end of the visit at position p alone.
    double finish(unsigned p) const { return v_visits[p].end; }

    // Warp a stretch brings at least after what finishes no earlier than `finish`: its own
    // and how late it starts. Losing visits at its front only lowers this floor.
    double warp_after(double finish, const Segment& run) const
    {
        return run.time_warp + (finish_floors ? positive_part(finish - run.latest) : 0.0);
    }

    // Distance from the visit at position p to the one at position q.
    double leg(unsigned p, unsigned q) const
    {
        return vrp.distance(v_visits[p].client, v_visits[q].client);
    }

    // The sums of a candidate's legs, added to those it shares with others (`sums`).
    template <std::size_t Added, std::size_t Removed>
    LegSums sum_legs(const LegChange<Added, Removed>& change, LegSums sums = {}) const
    {
        sums.added += change.reversed;
        sums.removed += change.forward;
        sums.size += std::fabs(change.reversed) + std::fabs(change.forward);
        for (const LegEnds& ends : change.added) {
            const ScreenVisit& before = v_visits[ends.from];
            const ScreenVisit& after = v_visits[ends.to];
            const VRP::Leg& between = vrp.leg(before.client, after.client);
            sums.added += between.distance;
            sums.size += std::fabs(between.distance);
            if (ordered_windows) {
                sums.warp += late_by(before.end, between.travel, after.late);
                sums.times +=
                    (std::fabs(before.end) + std::fabs(between.travel)) + std::fabs(after.late);
            }
        }
        for (double d : change.removed) {
            sums.removed += d;
            sums.size += std::fabs(d);
        }
        return sums;
    }

    // Whether the candidate that makes this change, on top of the shared legs, is hopeless.
    template <std::size_t Added, std::size_t Removed, class Candidate>
    bool hopeless(const LegChange<Added, Removed>& change, const Choice<Candidate>& choice,
                  const LegSums& shared = {}) const
    {
        if (!active) {
            return false;
        }
        const LegSums sums = sum_legs(change, shared);
        return refused(distance + (sums.added - sums.removed), sums.warp, legs + sums.size,
                       sums.times, choice);
    }

    // Whether every candidate is hopeless whose stretches (without the legs joining them)
    // sum to at least distance_floor and warp_floor: joins only add to both.
    template <class Candidate>
    bool stretches_hopeless(double distance_floor, double warp_floor,
                            const Choice<Candidate>& choice) const
    {
        return stretch_floors && refused(distance_floor, warp_floor,
                                         std::fabs(distance_floor) + legs,
                                         std::fabs(warp_floor) + route_times, choice);
    }

private:
    // Whether a route of this distance and warp cannot be taken; the sizes are the magnitudes
    // they were summed from. A NaN bound may take anything.
    template <class Candidate>
    bool refused(double new_distance, double warp, double distance_size, double time_size,
                 const Choice<Candidate>& choice) const
    {
        const double low =
            ((fixed_cost + var_cost * new_distance) + penalty * warp) - current_cost;
        const double margin = rounding_margin(std::fabs(fixed_cost) + var_cost * distance_size +
                                              penalty * time_size + std::fabs(current_cost));
        return !choice.may_take(low - margin);
    }

    const VRP& vrp;
    std::vector<ScreenVisit>& v_visits;
    double fixed_cost = 0.0;
    double var_cost = 0.0;
    double current_cost = 0.0;
    double distance = 0.0;
    double penalty = 0.0;
    double legs = 0.0;  // the route's legs, summed as magnitudes
    // Magnitude of the times the route's stretches come from: windows, services, travel.
    double route_times = 0.0;
    bool ordered_windows = false;
    bool active = false;
    bool stretch_floors = false;
    bool finish_floors = false;
};

// The scan of a within-route move on route r: unless the route has fewer than `least` visits
// or the move found nothing on this very visit order before, scan(vrp, solution, r, screen,
// choice) offers the candidates; apply takes the chosen one, and a fruitless scan is remembered.
template <class Candidate, class Scan, class Apply>
bool scan_route(VRP& vrp, VRP::Solution& solution, unsigned r, std::size_t least,
                IntraMove move, Scan scan, Apply apply)
{
    IntraMemory& memory = vrp.search_memory().intra;
    const Route& route = solution.routes[r];
    if (route.visits.size() < least || memory.known_fruitless(vrp, route, move)) {
        return false;
    }
    Choice<Candidate> choice;
    scan(vrp, solution, r, DistanceScreen(vrp, solution, r), choice);
    if (!choice.found()) {
        memory.remember_fruitless(move);
        return false;
    }
    const double before = route.cost;
    apply(choice.candidate());
    check_priced_change(choice.cost_change(), before, solution.routes[r].cost);
    return true;
}

}  // namespace moves

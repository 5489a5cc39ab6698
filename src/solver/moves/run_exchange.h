#pragma once
// The scan of the relocations and exchanges between two routes (run_exchange_price.h): one
// scan serves all five such moves.

#include "moves/run_exchange_price.h"
#include "search/place_screen.h"
#include "search/search_memory.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace moves {

// Last start of a run of `length` clients: the last two clients never form a pair.
inline int last_run_start(std::size_t visits, unsigned length)
{
    return static_cast<int>(visits) - 2 * static_cast<int>(length);
}

// What the load tests read of one route, in 64 bits so that no sum wraps around.
struct LoadFigures {
    long long load;
    long long capacity;
    long long largest;   // largest demand on the route
    long long smallest;  // smallest client demand, zeros included
};

// Even the most favourable runs of the pair must fit strictly.
template <unsigned RUN1, unsigned RUN2>
bool pair_may_fit(const LoadFigures& first, const LoadFigures& second)
{
    const bool second_fits =
        second.load - RUN2 * second.largest + RUN1 * first.smallest < second.capacity;
    const bool first_fits =
        RUN2 == 0 || first.load - RUN1 * first.largest + RUN2 * second.smallest < first.capacity;
    return second_fits && first_fits;
}

// The candidates of one route pair that pass the gates (search/README.md), in scan order:
// every run of r1, then every place of r2. v_given_cost: relocations' new r1 costs.
template <unsigned RUN1, unsigned RUN2, class Chooser>
void scan_run_pair(const VRP& vrp, const VRP::Solution& solution, const SearchMemory& memory,
                   unsigned r1, unsigned r2, const std::vector<double>& v_given_cost,
                   Chooser& choice)
{
    const RouteEnds& ends = memory.ends;
    const Route& route1 = solution.routes[r1];
    const Route& route2 = solution.routes[r2];
    const int last_i = last_run_start(route1.visits.size(), RUN1);
    const auto n2 = static_cast<int>(route2.visits.size());
    const int last_p = RUN2 > 0 ? last_run_start(route2.visits.size(), RUN2) : n2 - 1;
    // (The vehicle types are looked up once: the table is a deque.)
    const Container& record1 = vrp.container(route1.container);
    const Container& record2 = vrp.container(route2.container);
    const LoadFigures first{solution.route_load[r1], record1.capacity,
                            solution.route_max_demand[r1], ends.smallest_demand(r1)};
    const LoadFigures second{solution.route_load[r2], record2.capacity,
                             solution.route_max_demand[r2], ends.smallest_demand(r2)};
    if (!pair_may_fit<RUN1, RUN2>(first, second)) {
        return;
    }
    const bool rise = weights_rise(vrp, record1) && weights_rise(vrp, record2);
    const PairFloorData pair{record1,        record2,
                             run_exchange_penalty<RUN1, RUN2>(record1, record2),
                             route1.cost,    route2.cost,
                             ends.route(r1), ends.route(r2),
                             rise && memory.facts.ordered_windows};
    PlaceScreen<RUN1, RUN2> screen(
        vrp, ends, memory.facts, r1, r2, rise,
        ScreenCosts{pair.penalty, record1.fixed_cost, record2.fixed_cost, record1.var_cost,
                    record2.var_cost, pair.cost1, pair.cost2});
    for (int i = 1; i <= last_i; ++i) {
        const auto run = static_cast<unsigned>(i);
        const long long given = run_demand(pair.ends1, run, RUN1);
        if (RUN2 == 0 && second.load + given >= second.capacity) {
            continue;
        }
        double new1 = RUN2 == 0 ? v_given_cost[run] : 0.0;
        if (!screen.start_row(run, new1, choice.limit())) {
            continue;
        }
        for (int p = 1; p <= last_p; ++p) {
            const auto place = static_cast<unsigned>(p);
            if (screen.heads_too_late(place)) {
                break;
            }
            if (screen.tail_too_early(place) || screen.refuses(place)) {
                continue;
            }
            if (RUN2 > 0) {
                const long long taken = run_demand(pair.ends2, place, RUN2);
                if (first.load - given + taken >= first.capacity ||
                    second.load + given - taken >= second.capacity) {
                    continue;
                }
            }
            const RunExchange candidate{r1, r2, run, place};
            if (!run_exchange_may_improve<RUN1, RUN2>(vrp, pair, candidate, new1, choice)) {
                continue;
            }
            if (RUN2 > 0) {
                new1 = first_route_cost<RUN1, RUN2>(vrp, solution, candidate);
            }
            choice.offer(price_run_exchange<RUN1, RUN2>(vrp, solution, candidate, new1),
                         candidate);
        }
    }
}

// Route r1's new cost after giving up its run at each start (relocations), kept while its
// stamp stays.
template <unsigned RUN1>
const std::vector<double>& given_costs(const VRP& vrp, const VRP::Solution& solution,
                                       SearchMemory& memory, unsigned r1, std::uint64_t stamp,
                                       int last_i)
{
    std::vector<GivenCosts>& v_routes = memory.v_given[RUN1 - 1];
    if (v_routes.size() <= r1) {
        v_routes.resize(r1 + 1);
    }
    GivenCosts& given = v_routes[r1];
    if (stamp == 0 || given.stamp != stamp) {
        given.v_costs.assign(static_cast<std::size_t>(last_i) + 1, 0.0);
        for (int i = 1; i <= last_i; ++i) {
            given.v_costs[static_cast<std::size_t>(i)] = first_route_cost<RUN1, 0>(
                vrp, solution, RunExchange{r1, r1, static_cast<unsigned>(i), 0});
        }
        given.stamp = stamp;
    }
    return given.v_costs;
}

// Rescans pair (r1, r2) of an exchange of equal runs and keeps the findings of (r2, r1) too,
// in that pair's scan order; the stamps of (r1, r2) are the caller's to set.
template <unsigned RUN1, unsigned RUN2>
void scan_both_orders(const VRP& vrp, const VRP::Solution& solution, SearchMemory& memory,
                      PairFindings<RunExchange>& findings, unsigned r1, unsigned r2)
{
    static_assert(RUN1 == RUN2, "only runs of one length trade places both ways alike");
    ImprovingRecorder<RunExchange> found(memory.v_found);
    scan_run_pair<RUN1, RUN2>(vrp, solution, memory, r1, r2, memory.v_no_costs, found);
    keep_as_recorded(memory.v_found, findings.at(r1, r2));
    memory.v_mirrored.clear();
    for (const KeptCandidate<RunExchange>& kept : memory.v_found) {
        const RunExchange& m = kept.candidate;
        memory.v_mirrored.push_back(KeptCandidate<RunExchange>{kept.price, {r2, r1, m.p, m.i}});
    }
    std::sort(memory.v_mirrored.begin(), memory.v_mirrored.end(),
              [](const KeptCandidate<RunExchange>& a, const KeptCandidate<RunExchange>& b) {
                  return a.candidate.i != b.candidate.i ? a.candidate.i < b.candidate.i
                                                        : a.candidate.p < b.candidate.p;
              });
    PairFinding<RunExchange>& mirror = findings.at(r2, r1);
    keep_as_recorded(memory.v_mirrored, mirror);
    mirror.stamp1 = route_stamp(solution, r2);
    mirror.stamp2 = route_stamp(solution, r1);
}

// Every route pair (r1 outer, r2 inner, both ascending, r1 != r2), through the pair-scan
// driver (search/pair_scan.h).
template <unsigned RUN1, unsigned RUN2>
bool run_exchange_move(VRP& vrp, VRP::Solution& solution, std::vector<int>& v_changed)
{
    v_changed.assign(2, -1);
    const auto routes = static_cast<unsigned>(solution.routes.size());
    SearchMemory& memory = prepared_scan_memory(vrp, solution);
    // Per route, read once: its last run start (rows) and last place.
    std::vector<int>& v_rows = memory.v_rows;
    std::vector<int>& v_places = memory.v_places;
    v_rows.resize(routes);
    v_places.resize(routes);
    for (unsigned r = 0; r < routes; ++r) {
        const std::size_t visits = solution.routes[r].visits.size();
        v_rows[r] = last_run_start(visits, RUN1);
        v_places[r] = RUN2 > 0 ? last_run_start(visits, RUN2) : static_cast<int>(visits) - 1;
    }
    memory.read_stamps(solution);
    PairFindings<RunExchange>& findings = memory.v_run_findings[RUN1 * 3 + RUN2];
    // A relocation leaves r1 the same whichever route takes the run: priced once per row.
    const std::vector<double>* p_given = nullptr;
    Choice<RunExchange> choice;
    scan_pairs(
        findings, memory.v_stamps,
        [&](unsigned r1) {
            p_given = RUN2 > 0 ? &memory.v_no_costs : nullptr;
            return v_rows[r1] < 1 ? routes : 0u;
        },
        [&](unsigned r1, unsigned r2) { return r2 != r1 && v_places[r2] >= 1; },
        [&](unsigned r1, unsigned r2, PairFinding<RunExchange>& finding) {
            if (p_given == nullptr) {
                p_given = &given_costs<RUN1>(vrp, solution, memory, r1, memory.v_stamps[r1],
                                             v_rows[r1]);
            }
            if constexpr (RUN1 == RUN2) {
                if (r1 < r2) {
                    scan_both_orders<RUN1, RUN2>(vrp, solution, memory, findings, r1, r2);
                    findings.note_kept(r2, r1);
                    return;
                }
            }
            PairRecorder<RunExchange> recorder(finding);
            scan_run_pair<RUN1, RUN2>(vrp, solution, memory, r1, r2, *p_given, recorder);
        },
        choice);
    return take_inter_choice(vrp, solution, v_changed, choice, [&](const RunExchange& chosen) {
        apply_run_exchange<RUN1, RUN2>(vrp, solution, chosen);
    });
}

}  // namespace moves

#pragma once
// Relocations and exchanges between two routes: a run of RUN1 consecutive clients of the
// first route trades places with a run of RUN2 clients of the second (RUN2 = 0: the run
// is inserted at that place). One scan, pricing and applier serves all five such moves.

#include "move_support.h"
#include "search/route_ends.h"
#include "search/place_screen.h"
#include "search/search_memory.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace moves {

// The first route after an exchange (RUN2 > 0): its visits before its run, r2's run, the rest.
template <unsigned RUN1, unsigned RUN2>
std::array<Piece, 3> first_route_pieces(const VRP::Solution& solution, const RunExchange& m)
{
    const auto n1 = static_cast<unsigned>(solution.routes[m.r1].visits.size());
    return {Piece{m.r1, 0, m.i - 1}, Piece{m.r2, m.p, m.p + RUN2 - 1},
            Piece{m.r1, m.i + RUN1, n1 - 1}};
}

// The second route: its visits before place p, r1's run, then its visits after its own run.
template <unsigned RUN1, unsigned RUN2>
std::array<Piece, 3> second_route_pieces(const VRP::Solution& solution, const RunExchange& m)
{
    const auto n2 = static_cast<unsigned>(solution.routes[m.r2].visits.size());
    return {Piece{m.r2, 0, m.p - 1}, Piece{m.r1, m.i, m.i + RUN1 - 1},
            Piece{m.r2, m.p + RUN2, n2 - 1}};
}

// New cost of the first route: it gives its run and takes r2's run in its place. Without
// a run to take (relocations) it does not depend on the place in r2, so the scan prices it
// once per run. A route left without clients costs nothing.
template <unsigned RUN1, unsigned RUN2>
double first_route_cost(const VRP& vrp, const VRP::Solution& solution, const RunExchange& m)
{
    const Route& route1 = solution.routes[m.r1];
    const auto n1 = static_cast<unsigned>(route1.visits.size());
    if (RUN2 > 0) {
        const std::array<Piece, 3> pieces = first_route_pieces<RUN1, RUN2>(solution, m);
        return serving_cost(vrp, route1.container,
                            join_pieces(vrp, solution, pieces.data(), pieces.data() + 3));
    }
    if (n1 - RUN1 > 2) {
        return serving_cost(
            vrp, route1.container,
            join_pieces(vrp, solution, {Piece{m.r1, 0, m.i - 1}, Piece{m.r1, m.i + RUN1, n1 - 1}}));
    }
    return 0.0;
}

// The route that gains clients pays the DUMMY penalty of its record and the one that loses
// them is relieved of its own.
template <unsigned RUN1, unsigned RUN2>
double run_exchange_penalty(const Container& record1, const Container& record2)
{
    if (RUN1 == RUN2) {
        return 0.0;
    }
    return record2.penalty - record1.penalty;
}

template <unsigned RUN1, unsigned RUN2>
double run_exchange_penalty(const VRP& vrp, const Route& route1, const Route& route2)
{
    if (RUN1 == RUN2) {
        return 0.0;
    }
    return run_exchange_penalty<RUN1, RUN2>(vrp.container(route1.container),
                                            vrp.container(route2.container));
}

// The two new routes priced from stored pieces, the first one's cost given.
template <unsigned RUN1, unsigned RUN2>
Priced price_run_exchange(const VRP& vrp, const VRP::Solution& solution, const RunExchange& m,
                          double new1)
{
    static_assert(RUN1 >= RUN2 && RUN1 > 0, "the first route gives at least as many clients");
    const Route& route1 = solution.routes[m.r1];
    const Route& route2 = solution.routes[m.r2];
    const std::array<Piece, 3> pieces = second_route_pieces<RUN1, RUN2>(solution, m);
    const double new2 = serving_cost(vrp, route2.container,
                                     join_pieces(vrp, solution, pieces.data(), pieces.data() + 3));
    return price_two_routes(run_exchange_penalty<RUN1, RUN2>(vrp, route1, route2), new1, new2,
                            route1.cost, route2.cost);
}

// Whether the candidate could beat the choice so far, judged from the floors of the new
// routes (see piece_floors.h) put through the very sum that prices it. One that could not
// is skipped unpriced, which changes no choice. new1 is the exact first cost when RUN2 = 0.
// What the floors of one route pair read, looked up once per pair.
struct PairFloorData {
    const Container& record1;
    const Container& record2;
    double penalty;  // the DUMMY penalty term
    double cost1;
    double cost2;
    const VisitEnds* ends1;
    const VisitEnds* ends2;
    const RouteReach& reach2;
    bool rows_bounded;  // costs rise with distance and time warp, so row floors hold
    bool joins_bounded;  // and the time windows are ordered, so join warp floors hold
};

// A floor of every candidate that moves the run at i, whatever r2's place: r2's pieces and
// the legs to and from them at their least over all places (RouteReach). It is summed in
// another order than the candidates' floors, so it is lowered by far more than any rounding.
template <unsigned RUN1, unsigned RUN2>
double row_floor_delta(const VRP& vrp, const PairFloorData& pair, unsigned i, double new1)
{
    const VisitEnds& first = pair.ends1[i];
    const VisitEnds& last = pair.ends1[i + RUN1 - 1];
    const RouteReach& reach = pair.reach2;
    const double distance2 = (reach.gap_distance[RUN2] + first.run_distance[RUN1 - 1]) +
                             (reach.v_from[first.client] + reach.v_to[last.client]);
    const double warp2 = reach.gap_warp[RUN2] + first.run_warp[RUN1 - 1];
    const double low2 = vrp.cost_of(pair.record2, distance2, warp2, true);
    double low1 = new1;
    if (RUN2 > 0) {
        const VisitEnds& head = pair.ends1[i - 1];
        const VisitEnds& tail = pair.ends1[i + RUN1];
        const double distance1 =
            (head.head_distance + tail.tail_distance) +
            ((reach.v_to[head.client] + reach.run_distance[RUN2 - 1]) + reach.v_from[tail.client]);
        const double warp1 = (head.head_warp + tail.tail_warp) + reach.run_warp[RUN2 - 1];
        low1 = vrp.cost_of(pair.record1, distance1, warp1, true);
    }
    const double delta = price_two_routes(pair.penalty, low1, low2, pair.cost1, pair.cost2).delta;
    return lowered_for_rounding(delta, pair.penalty, low1, low2, pair.cost1, pair.cost2);
}

template <unsigned RUN1, unsigned RUN2, class Chooser>
bool run_exchange_may_improve(const VRP& vrp, const PairFloorData& pair, const RunExchange& m,
                              double new1, const Chooser& choice)
{
    Floor floor;
    double floor1 = new1;
    double floor1_distance = 0.0;
    double floor1_warp = 0.0;
    if (RUN2 > 0) {
        if (!floor_with_run(vrp, pair.ends1[m.i - 1], run_floor(pair.ends2, m.p, RUN2),
                            pair.ends1[m.i + RUN1], floor)) {
            return true;
        }
        floor1 = floor_cost(vrp, pair.record1, floor);
        floor1_distance = floor.distance;
        floor1_warp = floor.time_warp;
    }
    if (!floor_with_run(vrp, pair.ends2[m.p - 1], run_floor(pair.ends1, m.i, RUN1),
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

inline LoadFigures load_figures(const VRP::Solution& solution, unsigned r,
                                const Container& record, long long smallest)
{
    return LoadFigures{solution.route_load[r], record.capacity, solution.route_max_demand[r],
                       smallest};
}

// Quick test on a route pair: even the most favourable runs (the smallest demands given,
// the largest taken back) must fit strictly, or no candidate of the pair can.
template <unsigned RUN1, unsigned RUN2>
bool pair_may_fit(const LoadFigures& first, const LoadFigures& second)
{
    const bool second_fits =
        second.load - RUN2 * second.largest + RUN1 * first.smallest < second.capacity;
    const bool first_fits =
        RUN2 == 0 || first.load - RUN1 * first.largest + RUN2 * second.smallest < first.capacity;
    return second_fits && first_fits;
}

// The candidates of one route pair (r1 != r2, both able to give and take runs) that pass
// the load tests, in scan order: every run of r1, then every run or insertion place of r2,
// all load tests strict and in 64 bits. v_given_cost: relocations' new r1 cost per run.
template <unsigned RUN1, unsigned RUN2, class Chooser>
void scan_run_pair(const VRP& vrp, const VRP::Solution& solution, const RouteEnds& ends,
                   unsigned r1, unsigned r2, const std::vector<double>& v_given_cost,
                   Chooser& choice)
{
    const Route& route1 = solution.routes[r1];
    const Route& route2 = solution.routes[r2];
    const int last_i = last_run_start(route1.visits.size(), RUN1);
    const auto n2 = static_cast<int>(route2.visits.size());
    const int last_p = RUN2 > 0 ? last_run_start(route2.visits.size(), RUN2) : n2 - 1;
    // (The vehicle types are looked up once: the table is a deque.)
    const Container& record1 = vrp.container(route1.container);
    const Container& record2 = vrp.container(route2.container);
    const LoadFigures first = load_figures(solution, r1, record1, ends.smallest_demand(r1));
    const LoadFigures second = load_figures(solution, r2, record2, ends.smallest_demand(r2));
    if (!pair_may_fit<RUN1, RUN2>(first, second)) {
        return;
    }
    const bool rows_bounded =
        record1.var_cost >= 0.0 && record2.var_cost >= 0.0 && vrp.time_warp_penalty >= 0.0;
    const PairFloorData pair{record1,
                             record2,
                             run_exchange_penalty<RUN1, RUN2>(record1, record2),
                             route1.cost,
                             route2.cost,
                             ends.route(r1),
                             ends.route(r2),
                             ends.reach(r2),
                             rows_bounded,
                             rows_bounded && ends.windows_ordered()};
    PlaceScreen<RUN1, RUN2> screen(
        vrp, ends, r1, r2, pair.rows_bounded, pair.joins_bounded,
        ScreenCosts{pair.penalty, pair.record1.fixed_cost, pair.record2.fixed_cost,
                    pair.record1.var_cost, pair.record2.var_cost, pair.cost1, pair.cost2});
    for (int i = 1; i <= last_i; ++i) {
        const long long given = run_demand(pair.ends1, static_cast<unsigned>(i), RUN1);
        if (RUN2 == 0 && second.load + given >= second.capacity) {
            continue;
        }
        double new1 = RUN2 == 0 ? v_given_cost[static_cast<std::size_t>(i)] : 0.0;
        if (screen.active()) {
            if (!screen.start_row(static_cast<unsigned>(i), new1, choice.limit())) {
                continue;
            }
        } else if (pair.rows_bounded &&
                   !choice.may_take(
                       row_floor_delta<RUN1, RUN2>(vrp, pair, static_cast<unsigned>(i), new1))) {
            continue;
        }
        for (int p = 1; p <= last_p; ++p) {
            if (screen.heads_too_late(static_cast<unsigned>(p))) {
                break;
            }
            if (screen.tail_too_early(static_cast<unsigned>(p)) ||
                screen.refuses(static_cast<unsigned>(p))) {
                continue;
            }
            if (RUN2 > 0) {
                const long long taken = run_demand(pair.ends2, static_cast<unsigned>(p), RUN2);
                if (first.load - given + taken >= first.capacity ||
                    second.load + given - taken >= second.capacity) {
                    continue;
                }
            }
            const RunExchange candidate{r1, r2, static_cast<unsigned>(i),
                                        static_cast<unsigned>(p)};
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

// Route r1's new cost after giving up its run at each start (relocations), from the memory
// when r1's stamp has not changed since they were priced.
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

// Rescans pair (r1, r2) of an exchange of equal runs and keeps, besides its own findings,
// those of (r2, r1): the same candidates with the routes' roles traded, in that pair's scan
// order (its rows are r2's runs). The routes' stamps are the caller's to set on (r1, r2).
template <unsigned RUN1, unsigned RUN2>
void scan_both_orders(const VRP& vrp, const VRP::Solution& solution, SearchMemory& memory,
                      PairFindings<RunExchange>& findings, unsigned r1, unsigned r2)
{
    static_assert(RUN1 == RUN2, "only runs of one length trade places both ways alike");
    ImprovingRecorder<RunExchange> found(memory.v_found);
    scan_run_pair<RUN1, RUN2>(vrp, solution, memory.ends, r1, r2, memory.v_no_costs, found);
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

// Every route pair (r1 outer, r2 inner, both ascending, r1 != r2). Pairs whose routes
// did not change since the last scan offer what that scan kept (search/pair_scan.h).
template <unsigned RUN1, unsigned RUN2>
bool run_exchange_move(VRP& vrp, VRP::Solution& solution, std::vector<int>& v_changed)
{
    v_changed.assign(2, -1);
    const auto routes = static_cast<unsigned>(solution.routes.size());
    if (routes == 0) {
        return false;
    }
    SearchMemory& memory = prepared_scan_memory(vrp, solution);
    PairFindings<RunExchange>& findings = memory.v_run_findings[RUN1 * 3 + RUN2];
    // Per route, read once: its last run start (rows), last place, and stamp.
    std::vector<int>& v_rows = memory.v_rows;
    std::vector<int>& v_places = memory.v_places;
    const std::vector<std::uint64_t>& v_stamps = memory.v_stamps;
    v_rows.resize(routes);
    v_places.resize(routes);
    for (unsigned r = 0; r < routes; ++r) {
        const std::size_t visits = solution.routes[r].visits.size();
        v_rows[r] = last_run_start(visits, RUN1);
        v_places[r] = RUN2 > 0 ? last_run_start(visits, RUN2) : static_cast<int>(visits) - 1;
    }
    memory.read_stamps(solution);
    findings.prepare(v_stamps);
    Choice<RunExchange> choice;
    for (unsigned r1 = 0; r1 < routes; ++r1) {
        const int last_i = v_rows[r1];
        if (last_i < 1) {
            continue;
        }
        const std::uint64_t stamp1 = v_stamps[r1];
        bool given_priced = false;
        const std::vector<double>* p_given = &memory.v_no_costs;
        for (const unsigned r2 : findings.columns(r1, 0)) {
            if (r2 == r1 || v_places[r2] < 1) {
                continue;
            }
            PairFinding<RunExchange>& finding = findings.at(r1, r2);
            const std::uint64_t stamp2 = v_stamps[r2];
            if (!finding.current(stamp1, stamp2)) {
                // A relocation leaves r1 the same whichever route takes the run: priced
                // once per run and kept while r1 stays as it is, and only for an r1 that
                // has a pair to rescan.
                if (RUN2 == 0 && !given_priced) {
                    p_given = &given_costs<RUN1>(vrp, solution, memory, r1, stamp1, last_i);
                    given_priced = true;
                }
                bool scanned = false;
                if constexpr (RUN1 == RUN2) {
                    if (r1 < r2) {
                        scan_both_orders<RUN1, RUN2>(vrp, solution, memory, findings, r1, r2);
                        findings.note_kept(r2, r1);
                        scanned = true;
                    }
                }
                if (!scanned) {
                    PairRecorder<RunExchange> recorder(finding);
                    scan_run_pair<RUN1, RUN2>(vrp, solution, memory.ends, r1, r2, *p_given,
                                              recorder);
                }
                finding.stamp1 = stamp1;
                finding.stamp2 = stamp2;
                findings.note_kept(r1, r2);
            }
            finding.offer_to(r1, r2, choice);
        }
    }
    findings.finish(v_stamps);
    return take_inter_choice(vrp, solution, v_changed, choice, [&](const RunExchange& chosen) {
        apply_run_exchange<RUN1, RUN2>(vrp, solution, chosen);
    });
}

}  // namespace moves

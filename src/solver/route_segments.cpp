// Segment tables of a route: every forward and backward stretch of its visits,
// so that moves price a rearranged route with a few constant-time joins.

#include "search/search_memory.h"
#include "solver_utils.h"
#include "vrp_joins.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

void VRP::Solution::set_segment(unsigned r, unsigned i, unsigned j, const Segment& value)
{
    seg_duration[r](i, j) = value.duration;
    seg_earliest[r](i, j) = value.earliest;
    seg_latest[r](i, j) = value.latest;
    seg_time_warp[r](i, j) = value.time_warp;
    seg_distance[r](i, j) = value.distance;
}

namespace {
// Each per-route vector of the solution, so that resizing and erasing miss none.
template <class Action>
void for_each_route_vector(VRP::Solution& solution, Action visit)
{
    visit(solution.route_load);
    visit(solution.route_min_demand);
    visit(solution.route_max_demand);
    visit(solution.cumulative_load);
    visit(solution.seg_duration);
    visit(solution.seg_earliest);
    visit(solution.seg_latest);
    visit(solution.seg_time_warp);
    visit(solution.seg_distance);
    visit(solution.table_clients);
    visit(solution.route_stamp);
}

void unpack(const Segment& s, double& D, double& E, double& L, double& TW, double& C)
{
    D = s.duration;
    E = s.earliest;
    L = s.latest;
    TW = s.time_warp;
    C = s.distance;
}

// What the tables describe besides the stretches: the route's cumulative loads, load,
// smallest non-zero and largest demand (sums run in 64 bits and saturate, so a huge DUMMY
// load stays defined), its clients, and a stamp no route content had before in the process.
void describe_route(const VRP& vrp, VRP::Solution& solution, unsigned r)
{
    static std::atomic<std::uint64_t> next_stamp{1};
    const std::vector<Visit>& v_visits = solution.routes[r].visits;
    std::vector<int>& v_cumulative = solution.cumulative_load[r];
    std::vector<int>& v_clients = solution.table_clients[r];
    v_cumulative.resize(v_visits.size());
    v_clients.resize(v_visits.size());
    int min_demand = 2147483647;
    int max_demand = -2147483647;
    long long load = 0;
    for (std::size_t p = 0; p < v_visits.size(); ++p) {
        const int q = vrp.demand(static_cast<unsigned>(v_visits[p].client));
        max_demand = std::max(max_demand, q);
        min_demand = q != 0 ? std::min(min_demand, q) : min_demand;
        load += q;
        v_cumulative[p] = saturate_to_int(load);
        v_clients[p] = v_visits[p].client;
    }
    solution.route_load[r] = saturate_to_int(load);
    solution.route_max_demand[r] = max_demand;
    solution.route_min_demand[r] = min_demand;
    if (r < solution.route_stamp.size()) {
        solution.route_stamp[r] = next_stamp.fetch_add(1, std::memory_order_relaxed);
    }
}

// The stretch of the visit at position p alone: its service in its window, no travel.
Segment visit_alone(const VRP& vrp, const Route& route, unsigned p)
{
    const Client& visited = vrp.client(static_cast<unsigned>(route.visits[p].client));
    Segment alone;
    alone.duration = visited.service_time;
    alone.earliest = visited.early_tw;
    alone.latest = visited.late_tw;
    return alone;
}

// Calls change on each of route r's five tables.
template <class Change>
void for_each_table(VRP::Solution& solution, unsigned r, Change change)
{
    change(solution.seg_duration[r]);
    change(solution.seg_earliest[r]);
    change(solution.seg_latest[r]);
    change(solution.seg_time_warp[r]);
    change(solution.seg_distance[r]);
}

// The five tables' entries of one row, written side by side.
struct RowWriter {
    double* duration;
    double* earliest;
    double* latest;
    double* time_warp;
    double* distance;

    RowWriter(VRP::Solution& solution, unsigned r, unsigned row)
        : duration(solution.seg_duration[r].row(row)),
          earliest(solution.seg_earliest[r].row(row)),
          latest(solution.seg_latest[r].row(row)),
          time_warp(solution.seg_time_warp[r].row(row)),
          distance(solution.seg_distance[r].row(row))
    {
    }
    void store(unsigned j, const Segment& s) const
    {
        duration[j] = s.duration;
        earliest[j] = s.earliest;
        latest[j] = s.latest;
        time_warp[j] = s.time_warp;
        distance[j] = s.distance;
    }
};

// An entry folded from the entry one visit shorter and the visit it gains, as
// join_stored_segments joins them.
Segment fold_one(const VRP& vrp, const Segment& carried, const FoldVisit& last,
                 const FoldVisit& next)
{
    if (last.client == next.client) {
        return empty_route_start(carried);  // only the depot meets itself
    }
    const VRP::Leg& between = vrp.leg(last.client, next.client);
    return join_segments(carried, next.alone, between.travel, between.distance);
}

// The visits lo..end - 1 are new (end == lo: lo - 1 and lo are new neighbours). Entries
// whose stretch misses them keep their value; the others are folded from the entry one visit
// shorter, the same double whatever was kept. Also sets cost, loads, clients and stamp.
void refold(const VRP& vrp, VRP::Solution& solution, unsigned r, unsigned lo, unsigned end)
{
    const Route& route = solution.routes[r];
    const unsigned n = static_cast<unsigned>(route.visits.size());
    std::vector<FoldVisit>& v_visits = vrp.search_memory().v_fold_visits;
    v_visits.resize(n);
    for (unsigned p = 0; p < n; ++p) {
        v_visits[p] = FoldVisit{static_cast<unsigned>(route.visits[p].client),
                                visit_alone(vrp, route, p)};
    }
    for (unsigned p = lo; p < end; ++p) {
        solution.set_segment(r, p, p, v_visits[p].alone);
    }
    for (unsigned a = 0; a < end; ++a) {
        const unsigned first = std::max(a + 1, lo);
        if (first >= n) {
            continue;
        }
        const RowWriter row(solution, r, a);
        Segment carried = solution.segment(r, a, first - 1);
        for (unsigned b = first; b < n; ++b) {
            carried = fold_one(vrp, carried, v_visits[b - 1], v_visits[b]);
            row.store(b, carried);
        }
    }
    for (unsigned p = lo; p < n; ++p) {
        const unsigned first = std::min(p, end);
        if (first == 0) {
            continue;
        }
        const RowWriter row(solution, r, p);
        Segment carried = solution.segment(r, p, first);
        for (unsigned q = first; q-- > 0;) {
            carried = fold_one(vrp, carried, v_visits[q + 1], v_visits[q]);
            row.store(q, carried);
        }
    }
    solution.routes[r].cost = vrp.route_cost(solution, r);
    describe_route(vrp, solution, r);
}
}  // namespace

void VRP::init_route_segments(Solution& solution, unsigned r) const
{
    const Route& route = solution.routes[r];
    const unsigned n = static_cast<unsigned>(route.visits.size());
    for_each_table(solution, r, [n](SquareTable& table) { table.reset(n); });
    for (unsigned p = 0; p < n; ++p) {
        solution.set_segment(r, p, p, visit_alone(*this, route, p));
    }
    describe_route(*this, solution, r);
}

void VRP::Solution::resize_route_data(std::size_t count)
{
    for_each_route_vector(*this, [count](auto& v_entries) { v_entries.resize(count); });
}

void VRP::Solution::erase_route_data(std::size_t r)
{
    for_each_route_vector(*this, [r](auto& v_entries) {
        if (r < v_entries.size()) {
            v_entries.erase(v_entries.begin() + static_cast<std::ptrdiff_t>(r));
        }
    });
}

void VRP::concatenate_segments(unsigned i1, unsigned j1, unsigned i2, unsigned j2,
                               const Solution& solution, unsigned r1, unsigned r2, double& D,
                               double& E, double& L, double& TW, double& C) const
{
    unpack(join_stored_segments(solution, r1, i1, j1, r2, i2, j2), D, E, L, TW, C);
}

void VRP::concatenate_with_segment(double D1, double E1, double L1, double TW1, double C1,
                                   unsigned u, const Solution& solution, unsigned r, unsigned i,
                                   unsigned j, double& D, double& E, double& L, double& TW,
                                   double& C) const
{
    const Segment first{D1, E1, L1, TW1, C1};
    unpack(join_with_stored_segment(first, u, solution, r, i, j), D, E, L, TW, C);
}

void VRP::update_route_segments(Solution& solution, unsigned r) const
{
    refold(*this, solution, r, 0, static_cast<unsigned>(solution.routes[r].visits.size()));
}

void VRP::update_route_window(Solution& solution, unsigned r, unsigned lo, unsigned hi) const
{
    refold(*this, solution, r, lo, hi + 1);
}

void VRP::refresh_route_segments(Solution& solution, unsigned r) const
{
    const std::vector<Visit>& v_visits = solution.routes[r].visits;
    const std::vector<int>& v_old = solution.table_clients[r];
    const auto n = static_cast<unsigned>(v_visits.size());
    const auto n_old = static_cast<unsigned>(v_old.size());
    // The visits the change left at the start and at the end.
    const unsigned common = std::min(n, n_old);
    unsigned head = 0;
    while (head < common && v_old[head] == v_visits[head].client) {
        ++head;
    }
    unsigned tail = 0;
    while (head + tail < common && v_old[n_old - 1 - tail] == v_visits[n - 1 - tail].client) {
        ++tail;
    }
    if (head == 0 || solution.seg_duration[r].side() != n_old) {
        init_route_segments(solution, r);
        update_route_segments(solution, r);
        return;
    }
    for_each_table(solution, r, [n, tail](SquareTable& table) { table.resize_keeping(n, tail); });
    refold(*this, solution, r, head, n - tail);
}

void VRP::rebuild_route_data(Solution& solution) const
{
    const std::size_t m = solution.routes.size();
    // Every entry is rewritten by init_route_segments; resizing keeps the storage.
    solution.resize_route_data(m);
    for (unsigned r = 0; r < m; ++r) {
        init_route_segments(solution, r);
    }
}

void VRP::update_route_costs(Solution& solution) const
{
    double sum = 0.0;
    for (unsigned r = 0; r < solution.routes.size(); ++r) {
        update_route_segments(solution, r);  // which sets the route's cost
        sum += solution.routes[r].cost;
    }
    solution.total_cost = sum;
}

double VRP::route_cost(const Solution& solution, unsigned r) const
{
    const Route& route = solution.routes[r];
    const unsigned n = static_cast<unsigned>(route.visits.size());
    return segment_cost(route.container, solution.segment(r, 0, n - 1), n >= 3);
}

void VRP::print_route_check(const Solution& solution) const
{
    for (const Route& route : solution.routes) {
        if (route.visits.front().client != 0 || route.visits.back().client != 0) {
            std::printf(" >> Begin or end client not depot \n");
        }
    }
    for (std::size_t r = 0; r < solution.routes.size(); ++r) {
        if (solution.route_load[r] > container(solution.routes[r].container).capacity) {
            std::printf(" >> Unfeasible load \n");
        }
    }
}

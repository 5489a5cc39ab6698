#include "cost_bounds.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace moves {

void ProblemFacts::read(const VRP& vrp)
{
    clients = vrp.client_count();
    plain_legs = true;
    ordered_windows = true;
    plain_services = true;
    nan_distance = false;
    symmetric = true;
    for (unsigned c = 0; c < clients; ++c) {
        const Client& client = vrp.client(c);
        ordered_windows = ordered_windows && client.early_tw <= client.late_tw;
        plain_services = plain_services && client.service_time >= 0;
    }
    for (unsigned a = 0; a < clients; ++a) {
        for (unsigned b = 0; b < clients; ++b) {
            const double distance = vrp.distance(a, b);
            const double travel = vrp.travel(a, b);
            nan_distance = nan_distance || std::isnan(distance);
            symmetric = symmetric && distance == vrp.distance(b, a);
            plain_legs = plain_legs && distance >= 0.0 && travel >= 0.0 &&
                         std::isfinite(distance) && std::isfinite(travel);
        }
    }
}

void RouteEnds::refresh(const VRP& vrp, const VRP::Solution& solution, const ProblemFacts& facts)
{
    const std::size_t routes = solution.routes.size();
    if (v_routes.size() < routes) {
        v_routes.resize(routes);
    }
    for (unsigned r = 0; r < routes; ++r) {
        const std::uint64_t stamp = route_stamp(solution, r);
        Figures& figures = v_routes[r];
        if (stamp == 0 || figures.stamp != stamp) {
            rebuild(solution, r, vrp, figures);
            rebuild_reach(vrp, facts, figures.v_ends, figures.reach);
            figures.stamp = stamp;
        }
    }
}

void RouteEnds::rebuild(const VRP::Solution& solution, unsigned r, const VRP& vrp,
                        Figures& figures) const
{
    const auto n = static_cast<unsigned>(solution.routes[r].visits.size());
    const SquareTable& distance = solution.seg_distance[r];
    const SquareTable& warp = solution.seg_time_warp[r];
    const SquareTable& earliest = solution.seg_earliest[r];
    const SquareTable& latest = solution.seg_latest[r];
    const SquareTable& duration = solution.seg_duration[r];
    const auto finish = [&](unsigned i, unsigned j) {
        return earliest(i, j) + (duration(i, j) - warp(i, j));
    };
    figures.v_ends.resize(n);
    figures.v_clients.resize(n);
    figures.finite = true;
    for (unsigned p = 0; p < n; ++p) {
        VisitEnds& ends = figures.v_ends[p];
        ends.client = client_at(solution, r, p);
        ends.demand = vrp.demand(ends.client);
        ends.head_distance = distance(0, p);
        ends.head_warp = warp(0, p);
        ends.tail_distance = distance(p, n - 1);
        ends.tail_warp = warp(p, n - 1);
        ends.head_finish = finish(0, p);
        ends.head_earliest = earliest(0, p);
        ends.head_net = duration(0, p) - warp(0, p);
        ends.tail_latest = latest(p, n - 1);
        for (unsigned length = 1; length <= 2; ++length) {
            const bool inside = p + length <= n;
            ends.run_distance[length - 1] = inside ? distance(p, p + length - 1) : 0.0;
            ends.run_warp[length - 1] = inside ? warp(p, p + length - 1) : 0.0;
            ends.run_latest[length - 1] = inside ? latest(p, p + length - 1) : 0.0;
            ends.run_finish[length - 1] = inside ? finish(p, p + length - 1) : 0.0;
        }
        figures.v_clients[p] = ends.client;
        const double figures_sum = ends.head_distance + ends.head_warp + ends.tail_distance +
                                   ends.tail_warp + ends.run_distance[0] + ends.run_distance[1] +
                                   ends.run_warp[0] + ends.run_warp[1] + ends.head_finish +
                                   ends.tail_latest + ends.run_latest[0] + ends.run_latest[1] +
                                   ends.run_finish[0] + ends.run_finish[1];
        figures.finite = figures.finite && std::isfinite(figures_sum) && ends.head_warp >= 0.0 &&
                         ends.tail_warp >= 0.0 && ends.run_warp[0] >= 0.0 &&
                         ends.run_warp[1] >= 0.0;
    }
    figures.v_finish_floor.resize(n);
    figures.v_latest_ceiling.resize(n);
    for (unsigned p = n; p-- > 0;) {
        const double head_end = figures.v_ends[p].head_finish;
        figures.v_finish_floor[p] =
            p + 1 < n ? std::min(head_end, figures.v_finish_floor[p + 1]) : head_end;
    }
    for (unsigned p = 0; p < n; ++p) {
        const double tail_start = figures.v_ends[p].tail_latest;
        figures.v_latest_ceiling[p] =
            p > 0 ? std::max(tail_start, figures.v_latest_ceiling[p - 1]) : tail_start;
    }
    figures.smallest = 0;
    if (n >= 3) {
        figures.smallest = figures.v_ends[1].demand;
        for (unsigned p = 2; p + 1 < n; ++p) {
            figures.smallest = std::min<long long>(figures.smallest, figures.v_ends[p].demand);
        }
    }
}

namespace {
// The least of value(p) over p in [first, last]; 0 for an empty range. A NaN makes it minus
// infinity for good.
template <class Value>
double least_over(unsigned first, unsigned last, Value value)
{
    if (first > last) {
        return 0.0;
    }
    double least = std::numeric_limits<double>::infinity();
    for (unsigned p = first; p <= last; ++p) {
        const double v = value(p);
        least = std::isnan(v) ? -std::numeric_limits<double>::infinity() : std::min(least, v);
    }
    return least;
}
}  // namespace

void RouteEnds::rebuild_reach(const VRP& vrp, const ProblemFacts& facts,
                              const std::vector<VisitEnds>& v_ends, RouteReach& reach)
{
    const unsigned clients = vrp.client_count();
    const auto n = static_cast<unsigned>(v_ends.size());
    if (facts.nan_distance) {
        reach.v_to.assign(clients, -std::numeric_limits<double>::infinity());
        reach.v_from.assign(clients, -std::numeric_limits<double>::infinity());
    } else {
        // The route's last visit is skipped where it is its first (the depot) again.
        reach.v_from.assign(clients, std::numeric_limits<double>::infinity());
        double* from = reach.v_from.data();
        const std::size_t rows = n > 1 && v_ends.back().client == v_ends.front().client ? n - 1 : n;
        for (std::size_t k = 0; k < rows; ++k) {
            const double* row = vrp.distance_row(v_ends[k].client);
            for (unsigned x = 0; x < clients; ++x) {
                from[x] = row[x] < from[x] ? row[x] : from[x];
            }
        }
        if (facts.symmetric) {
            reach.v_to = reach.v_from;
        } else {
            reach.v_to.assign(clients, std::numeric_limits<double>::infinity());
            for (unsigned x = 0; x < clients; ++x) {
                const double* row = vrp.distance_row(x);
                double least = std::numeric_limits<double>::infinity();
                for (std::size_t k = 0; k < rows; ++k) {
                    least = std::min(least, row[v_ends[k].client]);
                }
                reach.v_to[x] = least;
            }
        }
    }
    // A gap of g clients at place p: head up to p - 1, tail from p + g.
    for (unsigned g = 0; g <= 2; ++g) {
        const unsigned last = n >= g + 1 ? n - 1 - g : 0;
        reach.gap_distance[g] = least_over(1, last, [&](unsigned p) {
            return v_ends[p - 1].head_distance + v_ends[p + g].tail_distance;
        });
        reach.gap_warp[g] = least_over(
            1, last, [&](unsigned p) { return v_ends[p - 1].head_warp + v_ends[p + g].tail_warp; });
    }
    for (unsigned length = 1; length <= 2; ++length) {
        const unsigned last = n >= length + 1 ? n - 1 - length : 0;
        reach.run_distance[length - 1] =
            least_over(1, last, [&](unsigned p) { return v_ends[p].run_distance[length - 1]; });
        reach.run_warp[length - 1] =
            least_over(1, last, [&](unsigned p) { return v_ends[p].run_warp[length - 1]; });
    }
}

}  // namespace moves

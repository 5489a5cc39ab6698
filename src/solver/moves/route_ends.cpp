#include "piece_floors.h"

#include <algorithm>

namespace moves {

void RouteEnds::refresh(const VRP& vrp, const VRP::Solution& solution)
{
    const std::size_t routes = solution.routes.size();
    if (v_routes.size() < routes) {
        v_routes.resize(routes);
    }
    for (unsigned r = 0; r < routes; ++r) {
        const std::uint64_t stamp = r < solution.route_stamp.size() ? solution.route_stamp[r] : 0;
        Figures& figures = v_routes[r];
        if (stamp == 0 || figures.stamp != stamp) {
            rebuild(solution, r, vrp, figures);
            figures.stamp = stamp;
        }
    }
}

void RouteEnds::rebuild(const VRP::Solution& solution, unsigned r, const VRP& vrp,
                        Figures& figures)
{
    const auto n = static_cast<unsigned>(solution.routes[r].visits.size());
    const SquareTable& distance = solution.seg_distance[r];
    const SquareTable& warp = solution.seg_time_warp[r];
    figures.v_ends.resize(n);
    for (unsigned p = 0; p < n; ++p) {
        VisitEnds& ends = figures.v_ends[p];
        ends.client = client_at(solution, r, p);
        ends.demand = vrp.demand(ends.client);
        ends.head_distance = distance(0, p);
        ends.head_warp = warp(0, p);
        ends.tail_distance = distance(p, n - 1);
        ends.tail_warp = warp(p, n - 1);
        for (unsigned length = 1; length <= 2; ++length) {
            const bool inside = p + length <= n;
            ends.run_distance[length - 1] = inside ? distance(p, p + length - 1) : 0.0;
            ends.run_warp[length - 1] = inside ? warp(p, p + length - 1) : 0.0;
        }
    }
    figures.smallest = 0;
    if (n >= 3) {
        figures.smallest = figures.v_ends[1].demand;
        for (unsigned p = 2; p + 1 < n; ++p) {
            figures.smallest = std::min<long long>(figures.smallest, figures.v_ends[p].demand);
        }
    }
}

}  // namespace moves

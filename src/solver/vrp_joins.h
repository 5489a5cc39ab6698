#pragma once
// The segment joins and the cost of a priced route, inline because the moves call them for
// every candidate they scan.

#include "vrp.h"

inline Segment VRP::join_stored_segments(const Solution& solution, unsigned r1, unsigned i1,
                                         unsigned j1, unsigned r2, unsigned i2, unsigned j2) const
{
    const Segment first = solution.segment(r1, i1, j1);
    const unsigned u = static_cast<unsigned>(solution.routes[r1].visits[j1].client);
    const unsigned w = static_cast<unsigned>(solution.routes[r2].visits[i2].client);
    if (u == w) {
        return empty_route_start(first);  // only the depot meets itself
    }
    const Leg& between = leg(u, w);
    return join_segments(first, solution.segment(r2, i2, j2), between.travel, between.distance);
}

inline Segment VRP::join_with_stored_segment(const Segment& first, unsigned u,
                                             const Solution& solution, unsigned r, unsigned i,
                                             unsigned j) const
{
    const unsigned w = static_cast<unsigned>(solution.routes[r].visits[i].client);
    const Leg& between = leg(u, w);
    return join_segments(first, solution.segment(r, i, j), between.travel, between.distance);
}

inline double VRP::segment_cost(int container_index, const Segment& s, bool serves_clients) const
{
    return segment_cost(container(container_index), s, serves_clients);
}

inline double VRP::segment_cost(const Container& record, const Segment& s,
                                bool serves_clients) const
{
    return cost_of(record, s.distance, s.time_warp, serves_clients);
}

inline double VRP::cost_of(const Container& record, double distance, double time_warp,
                           bool serves_clients) const
{
    const double f = serves_clients ? 1.0 : 0.0;
    return (f * record.fixed_cost + record.var_cost * distance) + time_warp_penalty * time_warp;
}

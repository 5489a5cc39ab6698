#pragma once
// Checks that an applied move left the solution as a fresh rebuild would.

#include "move_candidates.h"

#include <gtest/gtest.h>

namespace test_support {

// Every table, load figure, cost, distance and the total equal those of a fresh rebuild.
inline void expect_matches_rebuild(const VRP& vrp, const VRP::Solution& s)
{
    VRP::Solution fresh = s;
    refresh_solution(vrp, fresh);
    ASSERT_EQ(s.route_load.size(), s.routes.size());
    for (std::size_t r = 0; r < s.routes.size(); ++r) {
        EXPECT_EQ(s.route_load[r], fresh.route_load[r]);
        EXPECT_EQ(s.route_min_demand[r], fresh.route_min_demand[r]);
        EXPECT_EQ(s.route_max_demand[r], fresh.route_max_demand[r]);
        EXPECT_EQ(s.cumulative_load[r], fresh.cumulative_load[r]);
        EXPECT_TRUE(s.seg_duration[r] == fresh.seg_duration[r]);
        EXPECT_TRUE(s.seg_earliest[r] == fresh.seg_earliest[r]);
        EXPECT_TRUE(s.seg_latest[r] == fresh.seg_latest[r]);
        EXPECT_TRUE(s.seg_time_warp[r] == fresh.seg_time_warp[r]);
        EXPECT_TRUE(s.seg_distance[r] == fresh.seg_distance[r]);
        EXPECT_EQ(s.routes[r].cost, fresh.routes[r].cost);
        EXPECT_EQ(s.routes[r].distance, fresh.routes[r].distance);
        EXPECT_EQ(s.routes[r].load, fresh.routes[r].load);
    }
    EXPECT_NEAR(s.total_cost, fresh.total_cost, 1e-6);
}

// Applies every candidate to its own copy: the priced delta is the change of the
// recomputed total cost, and the tables equal a fresh rebuild.
inline void expect_candidates_priced_exactly(const VRP& vrp, const VRP::Solution& s,
                                             const Candidates& v_all)
{
    for (const Candidate& candidate : v_all) {
        VRP::Solution moved = s;
        candidate.apply(moved);
        expect_matches_rebuild(vrp, moved);
        VRP::Solution fresh = moved;
        refresh_solution(vrp, fresh);
        EXPECT_NEAR(fresh.total_cost - s.total_cost, candidate.delta, 1e-6);
    }
}

}  // namespace test_support

#pragma once
// Checks that an applied move left the solution as a fresh rebuild would.

#include "move_candidates.h"

#include <gtest/gtest.h>

namespace test_support {

// Calls body(vrp, solution) on random instances of 3 to 12 clients, each adjusted by
// prepare(rng, instance), in routes of up to max_length clients on both vehicle types.
template <class Prepare, class Body>
void for_random_solutions(unsigned seed, int rounds, int max_length, Prepare prepare, Body body)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> size(4, 13);
    for (int round = 0; round < rounds; ++round) {
        Instance instance = random_instance(rng, size(rng));
        prepare(rng, instance);
        VRP vrp(&instance);
        VRP::Solution solution = random_routes(vrp, rng, max_length, 2);
        body(vrp, solution);
        ASSERT_FALSE(::testing::Test::HasFailure()) << "round " << round;
    }
}

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

struct RouteShape {
    int container;
    std::vector<int> v_clients;
    bool operator==(const RouteShape& other) const
    {
        return container == other.container && v_clients == other.v_clients;
    }
};

inline std::vector<RouteShape> shapes(const VRP::Solution& solution)
{
    std::vector<RouteShape> v_shapes;
    const auto v_clients = route_clients(solution);
    for (std::size_t r = 0; r < solution.routes.size(); ++r) {
        v_shapes.push_back({solution.routes[r].container, v_clients[r]});
    }
    return v_shapes;
}

// One step of a move against the reference choice: the move applies exactly when some
// candidate improves, and then ends as that candidate's applier does. Returns whether
// it applied.
template <class RunMove>
bool expect_reference_step(const VRP& vrp, VRP::Solution& solution, const Candidates& v_all,
                           RunMove run_move)
{
    const int chosen = reference_choice(v_all);
    VRP::Solution expected = solution;
    if (chosen >= 0) {
        v_all[static_cast<std::size_t>(chosen)].apply(expected);
    }
    const bool applied = run_move();
    EXPECT_EQ(chosen >= 0, applied);
    EXPECT_TRUE(shapes(expected) == shapes(solution));
    EXPECT_EQ(expected.total_cost, solution.total_cost);
    expect_matches_rebuild(vrp, solution);
    return applied;
}

}  // namespace test_support

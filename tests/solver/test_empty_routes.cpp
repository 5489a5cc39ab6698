// With an unlimited fleet every vehicle type keeps one empty route for the moves to fill.

#include "move_checks.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

Instance three_types()
{
    Instance instance = flat_instance({1, 1, 1, 1});
    instance.containers = {make_container("a", 10, 4, 100.0, 1.0),
                           make_container("b", 10, 4, 120.0, 1.0),
                           make_container("c", 10, 4, 140.0, 1.0)};
    return instance;
}

std::vector<int> empty_routes_per_type(const VRP& vrp, const VRP::Solution& solution)
{
    std::vector<int> v_count(static_cast<std::size_t>(vrp.container_count()), 0);
    for (const Route& route : solution.routes) {
        if (route.visits.size() == 2) {
            ++v_count[static_cast<std::size_t>(route.container)];
        }
    }
    return v_count;
}

}  // namespace

TEST(EmptyRoutes, EachTypeWithoutAnEmptyRouteGetsOneAndUsesAVehicle)
{
    Instance instance = three_types();
    VRP vrp(&instance);
    VRP::Solution solution = make_solution(vrp, {{0, {1, 2}}, {1, {}}, {2, {3, 4}}});
    const double total = solution.total_cost;
    vrp.add_empty_routes(solution);
    ASSERT_EQ(5u, solution.routes.size());
    EXPECT_EQ(0, solution.routes[3].container);  // in type order, after the routes there were
    EXPECT_EQ(2, solution.routes[4].container);
    EXPECT_EQ((std::vector<int>{1, 1, 1}), empty_routes_per_type(vrp, solution));
    EXPECT_EQ((std::vector<int>{9, 10, 9}), solution.remaining_vehicles);
    EXPECT_EQ(0.0, solution.routes[4].cost);
    EXPECT_EQ(total, solution.total_cost);
    expect_matches_rebuild(vrp, solution);
    vrp.add_empty_routes(solution);
    EXPECT_EQ(5u, solution.routes.size());
    // The DUMMY record gets no empty route.
    instance.containers.push_back(make_container("DUMMY", 2147483647, 1, 1e6, 1e4));
    vrp.dummy_container = 3;
    VRP::Solution with_dummy = make_solution(vrp, {{0, {1, 2}}, {3, {3, 4}}});
    vrp.add_empty_routes(with_dummy);
    EXPECT_EQ((std::vector<int>{1, 1, 1, 0}), empty_routes_per_type(vrp, with_dummy));
}

// A relocation that empties a route leaves that route in place as its type's empty
// route, and the other types get theirs.
TEST(EmptyRoutes, AfterAnAppliedMoveEveryTypeHasExactlyOneEmptyRoute)
{
    Instance instance = three_types();
    VRP vrp(&instance);
    VRP::Solution solution = make_solution(vrp, {{0, {1}}, {0, {2}}, {0, {3, 4}}});
    solution.fleet_unlimited = true;
    std::vector<int> v_changed;
    ASSERT_TRUE(vrp.relocate_inter(solution, v_changed));
    EXPECT_EQ((std::vector<int>{0, 1}), v_changed);
    EXPECT_EQ(2u, solution.routes[0].visits.size());
    EXPECT_EQ(0.0, solution.routes[0].cost);
    EXPECT_EQ((std::vector<int>{1, 1, 1}), empty_routes_per_type(vrp, solution));
    EXPECT_EQ((std::vector<int>{10, 9, 9}), solution.remaining_vehicles);
    expect_matches_rebuild(vrp, solution);
}

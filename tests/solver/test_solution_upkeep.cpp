// Keeping the best solution and dropping empty routes.

#include "move_checks.h"
#include "search_support.h"

#include <gtest/gtest.h>

using test_support::make_container;
using test_support::fleet_solution;
using test_support::RoutePlan;

namespace {

// Eight clients of demand 1; a van of capacity 10 (four of them) and a car, plus the
// DUMMY record appended as a limited fleet's construction would.
struct Fleet {
    Instance instance = test_support::flat_instance({1, 1, 1, 1, 1, 1, 1, 1});
    VRP vrp;
    int dummy = -1;

    Fleet()
    {
        instance.containers.push_back(make_container("van", 10, 4, 100.0, 1.0));
        instance.containers.push_back(make_container("car", 10, 1, 50.0, 1.0));
        vrp = test_support::checked_vrp(instance);
        VRP::Solution scratch;
        vrp.add_dummy_route(scratch);
        dummy = vrp.dummy_container;
    }
    VRP::Solution solution(const RoutePlan& plan, double total_cost)
    {
        VRP::Solution built = fleet_solution(vrp, plan);
        built.total_cost = total_cost;  // the ranking reads only the stored total
        return built;
    }
};

}  // namespace

TEST(KeepBest, RanksUnroutedClientsThenRealRoutesThenCost)
{
    Fleet fleet;
    const int d = fleet.dummy;
    const RoutePlan all_on_four = {{0, {1, 2}}, {0, {3, 4}}, {0, {5, 6}}, {0, {7, 8}}};
    const RoutePlan other_four = {{0, {2, 1}}, {0, {4, 3}}, {0, {6, 5}}, {0, {8, 7}}};
    const RoutePlan all_on_three = {{0, {1, 2, 3}}, {0, {4, 5, 6}}, {1, {7, 8}}};
    // Two real routes and the DUMMY: three routes, but two clients left unserved.
    const RoutePlan two_and_dummy = {{0, {1, 2, 3}}, {0, {4, 5, 6}}, {d, {7, 8}}};
    const RoutePlan one_and_dummy = {{0, {1, 2, 3, 4, 5, 6, 7}}, {d, {8}}};

    struct Case {
        const char* s_name;
        RoutePlan best;
        double best_cost;
        RoutePlan candidate;
        double candidate_cost;
        bool replaced;
    };
    const std::vector<Case> v_cases = {
        {"fewer routes but unserved clients never win", all_on_four, 900.0, two_and_dummy, 10.0,
         false},
        {"serving everyone wins at any cost", two_and_dummy, 10.0, all_on_four, 900.0, true},
        {"fewer unserved clients win", two_and_dummy, 10.0, one_and_dummy, 900.0, true},
        {"fewer real routes win at a higher cost", all_on_four, 400.0, all_on_three, 500.0,
         true},
        {"more real routes lose at a lower cost", all_on_three, 500.0, all_on_four, 400.0, false},
        {"as many routes: the cheaper wins", all_on_four, 400.0, other_four, 399.0, true},
        {"as many routes and equal cost: the earlier stays", all_on_four, 400.0, other_four,
         400.0, false},
    };
    for (const Case& c : v_cases) {
        VRP::Solution best = fleet.solution(c.best, c.best_cost);
        int best_routes = fleet.vrp.real_route_count(best);
        const VRP::Solution candidate = fleet.solution(c.candidate, c.candidate_cost);
        fleet.vrp.keep_best(best, candidate, best_routes);
        const RoutePlan& expected_plan = c.replaced ? c.candidate : c.best;
        const VRP::Solution expected = fleet.solution(expected_plan, 0.0);
        EXPECT_EQ(c.replaced ? c.candidate_cost : c.best_cost, best.total_cost) << c.s_name;
        EXPECT_EQ(test_support::route_clients(expected), test_support::route_clients(best)) << c.s_name;
        EXPECT_EQ(fleet.vrp.real_route_count(expected), best_routes) << c.s_name;
    }
}

TEST(KeepBest, TheFirstCandidateAlwaysBecomesTheBest)
{
    Fleet fleet;
    VRP::Solution best;
    fleet.vrp.init_solution(best);
    best.total_cost = 1.7976931348623157e308;
    int best_routes = 2147483647;
    const VRP::Solution candidate = fleet.solution({{fleet.dummy, {1, 2, 3, 4, 5, 6, 7, 8}}}, 5e9);
    fleet.vrp.keep_best(best, candidate, best_routes);
    EXPECT_EQ(0, best_routes);
    EXPECT_EQ(8, fleet.vrp.unrouted_count(best));
    EXPECT_EQ(5e9, best.total_cost);
}

TEST(RemoveEmptyRoutes, DropsEmptyRoutesWithTheirDataAndReturnsTheirVehicles)
{
    Fleet fleet;
    VRP::Solution solution = fleet_solution(
        fleet.vrp,
        {{1, {}}, {0, {1, 2}}, {0, {}}, {fleet.dummy, {}}, {0, {3, 4, 5}}, {fleet.dummy, {6}}});
    const double cost = solution.total_cost;
    EXPECT_EQ((std::vector<int>{1, 0}), solution.remaining_vehicles);
    fleet.vrp.remove_empty_routes(solution);

    EXPECT_EQ((std::vector<std::vector<int>>{{1, 2}, {3, 4, 5}, {6}}),
              test_support::route_clients(solution));
    // The van and the car come back; the DUMMY record has no count to return to.
    EXPECT_EQ((std::vector<int>{2, 1}), solution.remaining_vehicles);
    EXPECT_EQ(cost, solution.total_cost);
    test_support::expect_matches_rebuild(fleet.vrp, solution);
}

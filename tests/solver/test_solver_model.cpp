// Route evaluation, visit times and the small solver helpers.

#include "instance_builder.h"
#include "solver_utils.h"
#include "vrp.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using test_support::make_client;
using test_support::make_container;

namespace {

// Depot (demand 7, window 100..900, service 5) and two clients, all legs 10.
Instance two_client_instance()
{
    Instance instance;
    instance.clients.push_back(make_client(7, 100, 900, 5));
    instance.clients.push_back(make_client(4, 0, 1000, 3));
    instance.clients.push_back(make_client(6, 200, 210, 2));
    test_support::set_uniform_matrices(instance, 10.0);
    instance.containers.push_back(make_container("van", 50, 2, 80.0, 2.0));
    return instance;
}

VRP::Solution solution_of(const VRP& vrp, std::vector<std::vector<int>> vv_clients)
{
    VRP::Solution solution;
    for (const std::vector<int>& v_route : vv_clients) {
        Route route = vrp.init_route(0);
        for (int c : v_route) {
            route.visits.insert(route.visits.end() - 1, Visit{c, 0, 0, 0});
        }
        solution.routes.push_back(route);
    }
    vrp.rebuild_route_data(solution);
    vrp.update_route_costs(solution);
    return solution;
}

// {arrival, waiting, departure} of every visit, in order.
void expect_schedule(const Route& route, const std::vector<std::array<int, 3>>& v_expected)
{
    ASSERT_EQ(v_expected.size(), route.visits.size());
    for (std::size_t p = 0; p < v_expected.size(); ++p) {
        const Visit& visit = route.visits[p];
        EXPECT_EQ(v_expected[p], (std::array<int, 3>{visit.arrival, visit.waiting, visit.departure}))
            << "visit " << p;
    }
}

}  // namespace

TEST(RouteEvaluation, EmptyRouteIsAFreeStartAtTheDepotWindow)
{
    Instance instance = two_client_instance();
    VRP vrp(&instance);
    VRP::Solution solution = solution_of(vrp, {{}});
    const Segment whole = solution.segment(0, 0, 1);
    EXPECT_EQ(0.0, whole.duration);
    EXPECT_EQ(100.0, whole.earliest);
    EXPECT_EQ(100.0, whole.latest);
    EXPECT_EQ(0.0, whole.time_warp);
    EXPECT_EQ(0.0, whole.distance);
    EXPECT_EQ(0.0, vrp.route_cost(solution, 0));
    EXPECT_EQ(0.0, solution.total_cost);
}

TEST(RouteEvaluation, CostIsFixedPlusDistancePlusTimeWarp)
{
    Instance instance = two_client_instance();
    VRP vrp(&instance);
    // Client 1 alone: 80 fixed + 2 x 20 distance, on time.
    EXPECT_DOUBLE_EQ(120.0, solution_of(vrp, {{1}}).routes[0].cost);
    // Client 1 served at 100+5+10 = 115 and done at 118, then client 2 at 128: on time.
    EXPECT_DOUBLE_EQ(140.0, solution_of(vrp, {{1, 2}}).routes[0].cost);
    // A depot opening at 215 (service 5) reaches client 2 at 230, 20 after it closes.
    instance.clients[0].early_tw = 215;
    VRP late(&instance);
    const VRP::Solution solution = solution_of(late, {{2}});
    EXPECT_DOUBLE_EQ(20.0, solution.segment(0, 0, 2).time_warp);
    EXPECT_DOUBLE_EQ(80.0 + 40.0 + 20000.0, solution.routes[0].cost);
}

TEST(RouteEvaluation, DepotDemandNeverCountsAsLoad)
{
    Instance instance = two_client_instance();
    VRP vrp(&instance);
    const VRP::Solution solution = solution_of(vrp, {{1, 2}, {}});
    EXPECT_EQ(10, solution.route_load[0]);
    EXPECT_EQ((std::vector<int>{0, 4, 10, 10}), solution.cumulative_load[0]);
    EXPECT_EQ(4, solution.route_min_demand[0]);
    EXPECT_EQ(6, solution.route_max_demand[0]);
    EXPECT_EQ(0, solution.route_load[1]);
    EXPECT_EQ(2147483647, solution.route_min_demand[1]);
    EXPECT_EQ(0, solution.route_max_demand[1]);
}

TEST(VisitTimes, EmptyRouteStaysAtTheDepotInsteadOfOverflowing)
{
    Instance instance = two_client_instance();
    VRP vrp(&instance);
    VRP::Solution solution = solution_of(vrp, {{}});
    vrp.compute_visit_times(solution);
    expect_schedule(solution.routes[0], {{100, 0, 105}, {105, 0, 110}});
    EXPECT_EQ(0.0, solution.routes[0].travel_time);
    EXPECT_EQ(0.0, solution.routes[0].waiting_time);
}

TEST(VisitTimes, WaitsOnlyWhereLeavingLaterCannotHelp)
{
    Instance instance = two_client_instance();
    instance.clients[1].early_tw = 117;  // served at 117 sharp
    instance.clients[1].late_tw = 117;
    instance.clients[2].early_tw = 140;
    VRP vrp(&instance);
    VRP::Solution solution = solution_of(vrp, {{1, 2}, {2}});
    vrp.compute_visit_times(solution);
    // The depot departs at the earliest start (102), so client 1 needs no wait; client 2
    // (reached at 130) does.
    expect_schedule(solution.routes[0], {{102, 0, 107}, {117, 0, 120}, {130, 10, 142},
                                         {152, 0, 157}});
    EXPECT_EQ(30.0, solution.routes[0].travel_time);
    EXPECT_EQ(10.0, solution.routes[0].waiting_time);
    // Arriving exactly at early_tw waits 0.
    expect_schedule(solution.routes[1], {{125, 0, 130}, {140, 0, 142}, {152, 0, 157}});
}

TEST(SolverModel, ClientRouteLeavesTheDepotAtZero)
{
    Instance instance = two_client_instance();
    VRP vrp(&instance);
    const Route route = vrp.make_client_route(2, 0);
    ASSERT_EQ(3u, route.visits.size());
    EXPECT_EQ(200, route.visits[1].arrival);
    EXPECT_EQ(190, route.visits[1].waiting);
    EXPECT_EQ(212, route.visits[2].arrival);
    EXPECT_EQ(6, route.load);
    EXPECT_EQ(20.0, route.distance);
}

TEST(SolverModel, InstanceChecks)
{
    Instance instance = two_client_instance();
    VRP vrp(&instance);
    EXPECT_TRUE(vrp.check_triangular_inequality());
    instance.Mdij[1][2] = 20.0;  // 10 + 10 - 20 = 0: fine
    EXPECT_TRUE(VRP(&instance).check_triangular_inequality());
    instance.Mdij[1][2] = 20.02;
    EXPECT_FALSE(VRP(&instance).check_triangular_inequality());
    test_support::set_uniform_matrices(instance, 0.0);
    instance.Mdij[1][2] = 0.01;  // a violation of exactly 0.01 does not count
    EXPECT_TRUE(VRP(&instance).check_triangular_inequality());

    EXPECT_TRUE(VRP(&instance).check_fleet_unlimited());  // quantity 2 >= 2 clients
    instance.containers.push_back(make_container("bike", 5, 1, 0.0, 0.0));
    EXPECT_FALSE(VRP(&instance).check_fleet_unlimited());
    instance.containers.clear();
    EXPECT_TRUE(VRP(&instance).check_fleet_unlimited());

    Instance two_rows;
    two_rows.clients = {make_client(0, 0, 9, 0), make_client(0, 0, 9, 0)};
    test_support::set_uniform_matrices(two_rows, 5.0);
    EXPECT_TRUE(VRP(&two_rows).check_triangular_inequality());
}

TEST(SolverModel, SmallestContainerKeepsTheFirstOfEqualCapacities)
{
    Instance instance = two_client_instance();
    instance.containers = {make_container("a", 30, 1, 0, 0), make_container("b", 10, 1, 0, 0),
                           make_container("c", 10, 1, 0, 0)};
    EXPECT_EQ(1, VRP(&instance).smallest_container());
    instance.containers.clear();
    EXPECT_EQ(0, VRP(&instance).smallest_container());
}

TEST(SolverUtils, RandIntAndIsLess)
{
    std::srand(3);
    EXPECT_EQ(5, rand_int(5, 5));
    const int after_one_draw = std::rand();
    std::srand(3);
    EXPECT_EQ(-1, rand_int(6, 5));  // draws nothing
    std::rand();
    EXPECT_EQ(after_one_draw, std::rand());
    const int wide = rand_int(-2147483647 - 1, 2147483647);
    EXPECT_GE(wide, -2147483647 - 1);

    EXPECT_FALSE(is_less(10.0 - 0.01, 10.0));
    EXPECT_TRUE(is_less(10.0 - 0.02, 10.0));
    EXPECT_TRUE(is_equal(3.0, 3.01));
    EXPECT_EQ(0, truncate_to_int(std::nan("")));
    EXPECT_EQ(2147483647, truncate_to_int(4e12));
    EXPECT_EQ(-3, truncate_to_int(-3.9));
}

TEST(SolverUtils, DirectoryListingKeepsNamesThatSortBeforeTheDots)
{
    const std::string s_dir = ::testing::TempDir() + "/tovalo_listing";
    std::filesystem::remove_all(s_dir);
    std::filesystem::create_directories(s_dir);
    for (const char* s_name : {"b.json", "-a.json", "c"}) {
        std::ofstream(s_dir + "/" + s_name) << "x";
    }
    EXPECT_EQ((std::vector<std::string>{"-a.json", "b.json", "c"}), list_directory_sorted(s_dir));
    std::filesystem::remove_all(s_dir);
    EXPECT_TRUE(list_directory_sorted(s_dir).empty());
}

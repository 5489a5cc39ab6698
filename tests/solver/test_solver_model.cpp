// Route evaluation, visit times, the instance checks and the small solver helpers.

#include "move_fixtures.h"
#include "solver_utils.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace test_support;

namespace {

// Depot (demand 7, window 100..900, service 5) and two clients, all legs 10.
Instance two_client_instance()
{
    Instance instance;
    instance.clients = {make_client(7, 100, 900, 5), make_client(4, 0, 1000, 3),
                        make_client(6, 200, 210, 2)};
    set_uniform_matrices(instance, 10.0);
    instance.containers.push_back(make_container("van", 50, 2, 80.0, 2.0));
    return instance;
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

// n clients, every leg `leg`.
Instance uniform_instance(unsigned n, double leg)
{
    Instance instance;
    instance.clients.assign(n, make_client(0, 0, 1000, 0));
    set_uniform_matrices(instance, leg);
    return instance;
}

}  // namespace

TEST(RouteEvaluation, EmptyRouteIsAFreeStartAtTheDepotWindow)
{
    Instance instance = two_client_instance();
    VRP vrp(&instance);
    VRP::Solution solution = make_solution(vrp, {{0, {}}});
    const Segment whole = solution.segment(0, 0, 1);
    EXPECT_EQ((std::array<double, 5>{0.0, 100.0, 100.0, 0.0, 0.0}),
              (std::array<double, 5>{whole.duration, whole.earliest, whole.latest,
                                     whole.time_warp, whole.distance}));
    EXPECT_EQ(0.0, solution.total_cost);
    // Nor does the depot-to-depot leg overflow the visit times.
    vrp.compute_visit_times(solution);
    expect_schedule(solution.routes[0], {{100, 0, 105}, {105, 0, 110}});
    EXPECT_EQ(0.0, solution.routes[0].travel_time);
}

TEST(RouteEvaluation, CostIsFixedPlusDistancePlusTimeWarp)
{
    Instance instance = two_client_instance();
    VRP vrp(&instance);
    // Client 1 alone: 80 fixed + 2 x 20 distance, on time; then client 2 at 128: on time.
    EXPECT_DOUBLE_EQ(120.0, make_solution(vrp, {{0, {1}}}).routes[0].cost);
    EXPECT_DOUBLE_EQ(140.0, make_solution(vrp, {{0, {1, 2}}}).routes[0].cost);
    // A depot opening at 215 (service 5) reaches client 2 at 230, 20 after it closes.
    instance.clients[0].early_tw = 215;
    VRP late(&instance);
    const VRP::Solution solution = make_solution(late, {{0, {2}}});
    EXPECT_DOUBLE_EQ(20.0, solution.segment(0, 0, 2).time_warp);
    EXPECT_DOUBLE_EQ(80.0 + 40.0 + 20000.0, solution.routes[0].cost);
}

TEST(RouteEvaluation, DepotDemandNeverCountsAsLoad)
{
    Instance instance = two_client_instance();
    VRP vrp(&instance);
    const VRP::Solution solution = make_solution(vrp, {{0, {1, 2}}, {0, {}}});
    EXPECT_EQ((std::vector<int>{10, 0}), solution.route_load);
    EXPECT_EQ((std::vector<int>{0, 4, 10, 10}), solution.cumulative_load[0]);
    EXPECT_EQ((std::vector<int>{4, 2147483647}), solution.route_min_demand);
    EXPECT_EQ((std::vector<int>{6, 0}), solution.route_max_demand);
    // A single-client route built for a seed leaves the depot at 0.
    const Route route = vrp.make_client_route(2, 0);
    EXPECT_EQ(6, route.load);
    EXPECT_EQ(200, route.visits[1].arrival);
    EXPECT_EQ(190, route.visits[1].waiting);
}

TEST(VisitTimes, WaitsOnlyWhereLeavingLaterCannotHelp)
{
    Instance instance = two_client_instance();
    instance.clients[1].early_tw = 117;  // served at 117 sharp
    instance.clients[1].late_tw = 117;
    instance.clients[2].early_tw = 140;
    VRP vrp(&instance);
    VRP::Solution solution = make_solution(vrp, {{0, {1, 2}}, {0, {2}}});
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

// The check compares its detours several at a time: a single violation must be found
// wherever it sits (every ordered triple, every lane and the odd remainder).
TEST(TriangleCheck, FindsOneViolationWhereverItSits)
{
    Instance two = uniform_instance(2, 5.0);  // no triple at all
    EXPECT_TRUE(VRP(&two).check_triangular_inequality());
    for (unsigned n : {3u, 4u, 5u, 6u, 7u}) {
        for (unsigned a = 0; a < n; ++a) {
            for (unsigned b = 0; b < n; ++b) {
                for (unsigned c = 0; c < n; ++c) {
                    if (a == b || b == c || a == c) {
                        continue;
                    }
                    // d(b,a) = d(a,c) = 0 makes the detour of (a, b, c) -1 and leaves
                    // every other detour at 0 or more.
                    Instance instance = uniform_instance(n, 1.0);
                    ASSERT_TRUE(VRP(&instance).check_triangular_inequality());
                    instance.Mdij[b][a] = 0.0;
                    instance.Mdij[a][c] = 0.0;
                    EXPECT_FALSE(VRP(&instance).check_triangular_inequality())
                        << n << ": " << a << " " << b << " " << c;
                }
            }
        }
    }
}

TEST(TriangleCheck, AViolationOfExactlyTheToleranceIsNoViolation)
{
    // Every leg 0.5 but one: its detour through any third client is 1.0 less that leg.
    for (unsigned n : {3u, 4u, 5u, 8u}) {
        Instance instance = uniform_instance(n, 0.5);
        instance.Mdij[n - 1][1] = 1.0 + 0.0078125;  // binary-exact, within the tolerance
        EXPECT_TRUE(VRP(&instance).check_triangular_inequality()) << n;
        instance.Mdij[n - 1][1] = 1.0 + 0.015625;
        EXPECT_FALSE(VRP(&instance).check_triangular_inequality()) << n;
    }
}

TEST(SolverModel, FleetChecksAndSmallestContainer)
{
    Instance instance = two_client_instance();
    EXPECT_TRUE(VRP(&instance).check_fleet_unlimited());  // quantity 2 >= 2 clients
    instance.containers.push_back(make_container("bike", 5, 1, 0.0, 0.0));
    EXPECT_FALSE(VRP(&instance).check_fleet_unlimited());
    instance.containers = {make_container("a", 30, 1, 0, 0), make_container("b", 10, 1, 0, 0),
                           make_container("c", 10, 1, 0, 0)};
    EXPECT_EQ(1, VRP(&instance).smallest_container());  // the first of equal capacities
    instance.containers.clear();
    EXPECT_TRUE(VRP(&instance).check_fleet_unlimited());
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
    EXPECT_GE(rand_int(-2147483647 - 1, 2147483647), -2147483647 - 1);

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

// Route evaluation, segment tables against a plain walk, instance checks and small helpers.

#include "cheapest_places.h"
#include "document_checks.h"

#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

using namespace test_support;

namespace {

// {duration, time warp, distance} driving the visits from time s, lateness as time warp.
std::vector<double> walk(const Instance& instance, const std::vector<int>& v_order, double s)
{
    std::vector<double> v_result(3, 0.0);
    for (std::size_t k = 0; k < v_order.size(); ++k) {
        const Client& visited = instance.clients[static_cast<std::size_t>(v_order[k])];
        const double leg = k == 0 ? 0.0 : instance.Mtij[v_order[k - 1]][v_order[k]];
        v_result[2] += k == 0 ? 0.0 : instance.Mdij[v_order[k - 1]][v_order[k]];
        s += leg;
        v_result[0] += leg + visited.service_time + std::max(0.0, visited.early_tw - s);
        s = std::max<double>(s, visited.early_tw);
        v_result[1] += std::max(0.0, s - visited.late_tw);
        s = std::min<double>(s, visited.late_tw) + visited.service_time;
    }
    return v_result;
}

// n clients (the depot among them), every leg `leg`.
Instance uniform_instance(unsigned n, double leg)
{
    Instance instance = flat_instance(std::vector<int>(n - 1, 0));
    set_uniform_matrices(instance, leg);
    return instance;
}

}  // namespace

// The cost is fixed plus distance; the depot's demand (7) is no load; an empty route starts
// free at the depot's window (100, service 5) and its depot-to-depot leg is no trip.
TEST(RouteEvaluation, CostLoadsAndTheScheduleOfAnEmptyRoute)
{
    Instance instance;
    instance.clients = {Client{7, "d", 100, 900, 5}, Client{4, "a", 0, 1000, 3},
                        Client{6, "b", 200, 210, 2}};
    set_uniform_matrices(instance, 10.0);
    instance.containers = {{"van", 50, 2, 80.0, 2.0}};
    VRP vrp(&instance);
    VRP::Solution solution = make_solution(vrp, {{0, {1, 2}}, {0, {}}});
    EXPECT_TRUE(solution.routes[0].cost == 80.0 + 2 * 30.0 && solution.routes[1].cost == 0.0);
    EXPECT_EQ((std::vector<int>{0, 4, 10, 10}), solution.cumulative_load[0]);
    EXPECT_EQ((std::vector<int>{10, 0, 4, 2147483647, 6, 0}),
              (std::vector<int>{solution.route_load[0], solution.route_load[1],
                                solution.route_min_demand[0], solution.route_min_demand[1],
                                solution.route_max_demand[0], solution.route_max_demand[1]}));
    vrp.compute_visit_times(solution);
    const std::vector<Visit>& v = solution.routes[1].visits;
    EXPECT_EQ(
        (std::vector<int>{100, 0, 105, 105, 0, 110, 0}),
        (std::vector<int>{v[0].arrival, v[0].waiting, v[0].departure, v[1].arrival, v[1].waiting,
                          v[1].departure, static_cast<int>(solution.routes[1].travel_time)}));
}

// The branch-free positive part is std::max(x, 0.0) bit for bit: a NaN stays the NaN, -0.0
// stays -0.0, so every join and screen that uses it keeps its value.
TEST(SegmentJoin, PositivePartIsStdMaxWithZeroToTheBit)
{
    const double v_values[] = {-0.0, 0.0, 1.5, -2.5, std::nan(""), -std::nan(""),
                               HUGE_VAL, -HUGE_VAL, 4.9e-324, -4.9e-324, 1e308};
    for (const double x : v_values) {
        const double branch_free = positive_part(x);
        const double reference = std::max(x, 0.0);
        EXPECT_EQ(0, std::memcmp(&branch_free, &reference, sizeof(double))) << x;
    }
}

// Every (i, j) of every route, both ways, against walks from where the slopes change and
// either side (the move tests compare tables updated after each move with a fresh build).
TEST(SegmentTables, EveryEntryMatchesAWalk)
{
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> size(2, 12);
    for (int round = 0; round < 220; ++round) {
        Instance instance = random_instance(rng, size(rng));
        const VRP vrp(&instance);
        const VRP::Solution solution = random_routes(vrp, rng, 4, 2);
        // The last route is the empty one: its depot-to-depot join is no trip.
        for (unsigned r = 0; r + 1 < solution.routes.size(); ++r) {
            const auto n = static_cast<int>(solution.routes[r].visits.size());
            for (int i = 0; i < n * n; ++i) {
                std::vector<int> v_order;
                for (int p = i / n; p != i % n + (i / n <= i % n ? 1 : -1);
                     p += i / n <= i % n ? 1 : -1) {
                    v_order.push_back(
                        solution.routes[r].visits[static_cast<std::size_t>(p)].client);
                }
                const Segment s =
                    solution.segment(r, static_cast<unsigned>(i / n), static_cast<unsigned>(i % n));
                for (double start : {s.earliest, s.latest, s.earliest - 77.5, s.latest + 91.25,
                                     0.5 * (s.earliest + s.latest)}) {
                    const std::vector<double> v_expected = walk(instance, v_order, start);
                    const double v_actual[] = {s.duration + std::max(0.0, s.earliest - start),
                                               s.time_warp + std::max(0.0, start - s.latest),
                                               s.distance};
                    for (int k = 0; k < 3; ++k) {
                        EXPECT_NEAR(v_expected[k], v_actual[k],
                                    1e-9 * std::max(1.0, std::fabs(v_expected[k])))
                            << k;
                    }
                }
            }
        }
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
}

// Detours are compared several at a time: one violation is found wherever it sits (every lane
// and the odd remainder); one of exactly the tolerance is none.
TEST(TriangleCheck, FindsOneViolationWhereverItSitsBeyondTheTolerance)
{
    Instance two = uniform_instance(2, 5.0);  // no triple at all
    EXPECT_TRUE(VRP(&two).check_triangular_inequality());
    for (unsigned n : {3u, 4u, 5u, 6u, 7u}) {
        for (unsigned k = 0; k < n * n * n; ++k) {
            // d(b,a) = d(a,c) = 0: the detour (a, b, c) alone is -1 when the three differ.
            const unsigned a = k % n, b = k / n % n, c = k / n / n;
            Instance instance = uniform_instance(n, 1.0);
            ASSERT_TRUE(VRP(&instance).check_triangular_inequality());
            instance.Mdij[b][a] = instance.Mdij[a][c] = 0.0;
            EXPECT_EQ(a == b || b == c || a == c, VRP(&instance).check_triangular_inequality())
                << n << ": " << a << " " << b << " " << c;
        }
    }
    // Every leg 0.5 but one: its detour through any third client is 1.0 less that leg.
    for (unsigned n : {3u, 4u, 5u, 8u}) {
        Instance instance = uniform_instance(n, 0.5);
        instance.Mdij[n - 1][1] = 1.0 + 0.0078125;  // binary-exact, within the tolerance
        EXPECT_TRUE(VRP(&instance).check_triangular_inequality()) << n;
        instance.Mdij[n - 1][1] = 1.0 + 0.015625;
        EXPECT_FALSE(VRP(&instance).check_triangular_inequality()) << n;
    }
}

TEST(SolverUtils, FleetChecksDrawsSaturationAndListings)
{
    Instance instance = flat_instance({1, 2}, {{"van", 50, 2}});
    EXPECT_TRUE(VRP(&instance).check_fleet_unlimited());  // quantity 2 >= 2 clients
    instance.containers = {{"a", 30, 2}, {"b", 10, 1}, {"c", 10, 1}};
    EXPECT_FALSE(VRP(&instance).check_fleet_unlimited());
    EXPECT_EQ(1, VRP(&instance).smallest_container());  // the first of equal capacities
    std::srand(3);
    const int first = std::rand();
    std::srand(3);
    EXPECT_EQ(-1, rand_int(6, 5));  // draws nothing
    EXPECT_EQ(5 + first % 3, rand_int(5, 7));
    // Huge times saturate instead of overflowing.
    EXPECT_EQ((std::vector<int>{0, 2147483647, -3}),
              (std::vector<int>{truncate_to_int(std::nan("")), truncate_to_int(4e12),
                                truncate_to_int(-3.9)}));
    // "." and ".." are dropped by name, so a name sorting before them is kept.
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

namespace {
// {client position, route, place} of the first least criterion value, scanning everything.
std::array<int, 3> first_cheapest_place(const VRP& vrp, const std::vector<int>& v_unrouted,
                                        const VRP::Solution& solution, double mu,
                                        const VRP::InsertionCriterion& criterion)
{
    std::array<int, 3> chosen{-1, -1, -1};
    double best = std::numeric_limits<double>::max();  // as the construction starts
    for (std::size_t x = 0; x < v_unrouted.size(); ++x) {
        const auto k = static_cast<unsigned>(v_unrouted[x]);
        for (std::size_t r = 0; r < solution.routes.size(); ++r) {
            const Route& route = solution.routes[r];
            if (vrp.container(route.container).capacity < route.load + vrp.demand(k)) continue;
            for (std::size_t p = 0; p + 1 < route.visits.size(); ++p) {
                const double value = criterion(static_cast<unsigned>(route.visits[p].client),
                                               static_cast<unsigned>(route.visits[p + 1].client),
                                               k, static_cast<unsigned>(route.container), mu);
                if (value < best) {
                    best = value;
                    chosen = {static_cast<int>(x), static_cast<int>(r), static_cast<int>(p)};
                }
            }
        }
    }
    return chosen;
}
}  // namespace

// The kept table of cheapest places chooses as a full scan does, insertion after insertion:
// random and equal legs (all ties), both criteria, routes filling up and opened on the way.
TEST(Construction, KeptCheapestPlacesChooseAsAFullScanDoes)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 24; ++round) {
        Instance instance = round % 3 == 0 ? flat_instance(std::vector<int>(20, 7),
                                                           {Container{"t", 40, 9, 10.0, 1.0}})
                                           : random_instance(rng, 22);
        VRP vrp(&instance);
        const std::vector<VRP::InsertionCriterion> v_criteria =
            vrp.initialize_insertion_criteria_routines();
        const VRP::InsertionCriterion& criterion = v_criteria[static_cast<std::size_t>(round % 2)];
        const double mu = 0.05 * (round % 7);
        VRP::Solution solution = make_solution(vrp, {{0, {}}, {0, {}}});
        std::vector<int> v_unrouted(vrp.client_count() - 1);
        std::iota(v_unrouted.begin(), v_unrouted.end(), 1);
        CheapestPlaces places(vrp, mu, criterion);
        int steps = 0;
        while (!v_unrouted.empty()) {
            int position = -1, route = -1, after = -1;
            places.find(v_unrouted, solution, position, route, after);
            ASSERT_EQ(first_cheapest_place(vrp, v_unrouted, solution, mu, criterion),
                      (std::array<int, 3>{position, route, after}))
                << round << " step " << steps;
            if (position < 0 || steps % 5 == 4) {
                const int type = solution.routes.size() % 2 == 0 ? 0 : vrp.container_count() - 1;
                solution.routes.push_back(vrp.init_route(type));
            } else {
                vrp.insert_client(position, route, after, v_unrouted, solution);
                places.route_changed(route);
            }
            ++steps;
        }
        EXPECT_GT(solution.routes.size(), 3u);
    }
}

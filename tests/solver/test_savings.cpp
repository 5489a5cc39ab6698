// Savings construction: heap order, start routes, joins and the lambda sweep.

#include "instance_builder.h"
#include "json_document.h"
#include "savings_heap.h"
#include "solver_entry.h"
#include "vrp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

using test_support::make_client;
using test_support::make_container;

namespace {

std::vector<HeapElement> square_list(const std::vector<double>& v_keys)
{
    const int side = static_cast<int>(std::sqrt(static_cast<double>(v_keys.size())));
    std::vector<HeapElement> v_list;
    for (std::size_t k = 0; k < v_keys.size(); ++k) {
        v_list.push_back(HeapElement{v_keys[k], static_cast<int>(k) / side,
                                     static_cast<int>(k) % side});
    }
    return v_list;
}

void expect_positions_match(const Heap& heap)
{
    for (int k = 1; k < heap.slot_count(); ++k) {
        const HeapElement& e = heap.element(k);
        EXPECT_EQ(k, heap.position(e.i, e.j)) << "slot " << k;
    }
}

// Clients with wide windows, no service, on one vehicle type.
Instance open_instance(const std::vector<int>& v_demands, int capacity, int quantity)
{
    Instance instance;
    instance.clients.push_back(make_client(0, 0, 100000, 0));
    for (int q : v_demands) {
        instance.clients.push_back(make_client(q, 0, 100000, 0));
    }
    test_support::set_uniform_matrices(instance, 10.0);
    instance.containers.push_back(make_container("van", capacity, quantity, 50.0, 1.0));
    return instance;
}

void set_leg(Instance& instance, int a, int b, double value)
{
    instance.Mdij[a][b] = value;
    instance.Mtij[a][b] = value;
}

std::vector<std::vector<int>> client_orders(const VRP::Solution& solution)
{
    std::vector<std::vector<int>> vv_orders;
    for (const Route& route : solution.routes) {
        std::vector<int> v_order;
        for (const Visit& visit : route.visits) {
            v_order.push_back(visit.client);
        }
        vv_orders.push_back(v_order);
    }
    return vv_orders;
}

// A random instance in which every client alone can be served on time.
Instance feasible_random_instance(unsigned seed, int n_clients)
{
    std::mt19937 rng(seed);
    Instance instance = test_support::random_instance(rng, n_clients);
    for (int c = 1; c < n_clients; ++c) {
        Client& client = instance.clients[c];
        const int reach = static_cast<int>(std::ceil(instance.Mtij[0][c]));
        client.late_tw = std::max(client.late_tw, std::max(client.early_tw, reach) + 5);
    }
    return instance;
}

}  // namespace

TEST(SavingsHeap, PopsKeysInDescendingOrderAndTracksEveryPair)
{
    Heap heap(square_list({5, 1, 7, 3, 9, 2, 8, 4, 6}));
    heap.build_heap();
    expect_positions_match(heap);
    std::vector<double> v_popped;
    while (heap.top().key > 0.0) {
        const HeapElement e = heap.top();
        v_popped.push_back(e.key);
        heap.set_element(HeapElement{0.0, e.i, e.j}, 1);
        heap.sift_down(1);
        expect_positions_match(heap);
    }
    EXPECT_EQ((std::vector<double>{9, 8, 7, 6, 5, 4, 3, 2, 1}), v_popped);
}

TEST(SavingsHeap, EqualChildrenLetTheLeftOneUp)
{
    Heap heap(square_list({0, 5, 5, 1}));
    heap.build_heap();
    EXPECT_EQ(0, heap.top().i);
    EXPECT_EQ(1, heap.top().j);
    // The zero key sank below the left child to the leaf, and the heap still knows it.
    EXPECT_EQ(4, heap.position(0, 0));
    EXPECT_EQ(2, heap.position(1, 1));
    EXPECT_EQ(3, heap.position(1, 0));
}

TEST(SavingsHeap, CancellingAPairInsideTheHeapKeepsTheOrder)
{
    Heap heap(square_list({5, 1, 7, 3, 9, 2, 8, 4, 6}));
    heap.build_heap();
    const int slot = heap.position(2, 0);  // key 8
    heap.set_element(HeapElement{0.0, 2, 0}, slot);
    heap.sift_down(slot);
    expect_positions_match(heap);
    for (int k = 2; k < heap.slot_count(); ++k) {
        EXPECT_LE(heap.element(k).key, heap.element(Heap::parent(k)).key);
    }
}

TEST(SavingsHeap, SlotBeyondTheHeapIsReportedAndChangesNothing)
{
    Heap heap(square_list({0, 5, 5, 1}));
    heap.build_heap();
    testing::internal::CaptureStdout();
    heap.set_element(HeapElement{99.0, 1, 1}, 5);
    heap.set_element(HeapElement{99.0, 1, 1}, -1);
    heap.print_keys();
    EXPECT_EQ("non existent heap valuenon existent heap value0-5-1-5-0-\n", testing::internal::GetCapturedStdout());
}

TEST(SavingsStart, TypesInRecordOrderThenTheSmallestForTheRest)
{
    Instance instance = open_instance({1, 1, 1, 1, 1}, 30, 1);
    instance.containers.push_back(make_container("small", 10, 2, 20.0, 1.0));
    VRP vrp(&instance);
    VRP::Solution solution;
    vrp.init_solution(solution);
    vrp.one_route_per_client(solution, vrp.smallest_container());
    ASSERT_EQ(5u, solution.routes.size());
    std::vector<int> v_types;
    for (const Route& route : solution.routes) {
        v_types.push_back(route.container);
    }
    EXPECT_EQ((std::vector<int>{0, 1, 1, 1, 1}), v_types);
    EXPECT_EQ((std::vector<int>{0, -2}), solution.remaining_vehicles);
    EXPECT_EQ((std::vector<int>{0, 3, 0}), client_orders(solution)[2]);
    EXPECT_EQ(20.0, solution.routes[2].distance);
}

TEST(SavingsStart, RouteEndsAreFoundByFirstAndLastClient)
{
    Instance instance = open_instance({1, 1, 1}, 30, 3);
    VRP vrp(&instance);
    VRP::Solution solution;
    solution.routes = {vrp.init_route(0), vrp.make_client_route(3, 0)};
    solution.routes[0].visits.insert(solution.routes[0].visits.begin() + 1,
                                     {Visit{1, 0, 0, 0}, Visit{2, 0, 0, 0}});
    EXPECT_EQ(std::make_pair(0, 1), vrp.find_route_ends(2, 3, solution));
    EXPECT_EQ(std::make_pair(-1, 1), vrp.find_route_ends(1, 3, solution));
    EXPECT_EQ(std::make_pair(0, -1), vrp.find_route_ends(2, 2, solution));
    EXPECT_EQ(std::make_pair(1, 0), vrp.find_route_ends(3, 1, solution));
}

TEST(SavingsConstruction, DepotOnlyGivesNoRoute)
{
    Instance instance = open_instance({}, 30, 1);
    VRP vrp(&instance);
    const VRP::Solution solution = vrp.savings_heuristic(1.0);
    EXPECT_TRUE(solution.routes.empty());
    EXPECT_EQ(0.0, solution.total_cost);
}

TEST(SavingsConstruction, NoVehicleTypeGivesNoRouteInsteadOfReadingPastTheRecords)
{
    Instance instance = open_instance({1, 1}, 30, 1);
    instance.containers.clear();
    VRP vrp(&instance);
    EXPECT_TRUE(vrp.savings_heuristic(1.0).routes.empty());
    EXPECT_TRUE(vrp.savings_lambda_sweep().routes.empty());
}

TEST(SavingsConstruction, NegativeKeysJoinNothing)
{
    Instance instance = open_instance({1, 1, 1}, 30, 3);
    VRP vrp(&instance);
    // key = 20 + lambda x 10 is negative for every client pair.
    const VRP::Solution solution = vrp.savings_heuristic(-3.0);
    EXPECT_EQ(3u, solution.routes.size());
    EXPECT_EQ(3.0 * 50.0 + 60.0, solution.total_cost);
}

TEST(SavingsConstruction, JoinsUpToTheCapacityOfTheJoinedRoutesTypes)
{
    struct Case {
        int first_capacity, second_capacity, demand;
        std::vector<std::vector<int>> vv_expected;
        int expected_type;
        std::vector<int> v_left;
    };
    // Client 1 lies farther out, so (1, 2) is the first pair: route 1 comes first.
    const std::vector<Case> v_cases = {
        // Both types fit: the first route's type, and the second's vehicle goes back.
        {20, 5, 2, {{0, 1, 2, 0}}, 0, {0, 5}},
        // Only the second route's type fits.
        {3, 20, 2, {{0, 1, 2, 0}}, 1, {1, 4}},
        // Neither fits, although a third type would.
        {3, 3, 2, {{0, 1, 0}, {0, 2, 0}}, 0, {0, 4, 1}},
    };
    for (const Case& c : v_cases) {
        Instance instance = open_instance({c.demand, c.demand}, c.first_capacity, 1);
        instance.containers.push_back(make_container("b", c.second_capacity, 5, 20.0, 1.0));
        if (c.v_left.size() == 3) {
            instance.containers.push_back(make_container("c", 100, 1, 20.0, 1.0));
        }
        set_leg(instance, 0, 1, 20.0);
        set_leg(instance, 1, 0, 20.0);
        set_leg(instance, 1, 2, 5.0);
        set_leg(instance, 2, 1, 5.0);
        VRP vrp(&instance);
        const VRP::Solution solution = vrp.savings_heuristic(1.0);
        EXPECT_EQ(c.vv_expected, client_orders(solution)) << c.first_capacity;
        EXPECT_EQ(c.expected_type, solution.routes[0].container) << c.first_capacity;
        EXPECT_EQ(c.v_left, solution.remaining_vehicles) << c.first_capacity;
    }
}

TEST(SavingsConstruction, RefusesJoinsThatArriveLate)
{
    struct Case {
        const char* s_name;
        void (*change)(Instance&);
    };
    // Client 1 lies farther out, so (1, 2) is the first pair; each change makes
    // 1 then 2 late while either alone and 2 then 1 stay on time.
    const std::vector<Case> v_cases = {
        {"client of the second route", [](Instance& i) { i.clients[2].late_tw = 19; }},
        {"return to the depot",
         [](Instance& i) {
             set_leg(i, 2, 0, 25.0);  // back at 55 after 1 then 2, at 40 after 2 then 1
             i.clients[0].late_tw = 45;
         }},
        // 0.6 + 0.6 = 1.2 is late for a window closing at 1, though each leg truncates to 0.
        {"fractional legs",
         [](Instance& i) {
             set_leg(i, 0, 1, 0.6);
             set_leg(i, 0, 2, 0.6);
             set_leg(i, 1, 2, 0.6);
             i.clients[2].late_tw = 1;
         }},
        // From a depot opening at 100, client 2 is reached at 130 after client 1.
        {"depot opening after zero",
         [](Instance& i) {
             i.clients[0].early_tw = 100;
             i.clients[2].late_tw = 115;
         }},
    };
    for (const Case& c : v_cases) {
        Instance instance = open_instance({1, 1}, 30, 2);
        set_leg(instance, 0, 1, 20.0);
        set_leg(instance, 1, 0, 20.0);
        c.change(instance);
        VRP vrp(&instance);
        const VRP::Solution solution = vrp.savings_heuristic(1.0);
        EXPECT_EQ((std::vector<std::vector<int>>{{0, 2, 1, 0}}), client_orders(solution))
            << c.s_name;
        EXPECT_EQ(0.0, solution.seg_time_warp[0](0, 3)) << c.s_name;
    }
}

TEST(SavingsConstruction, RandomInstancesKeepWindowsAndCapacities)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        Instance instance = feasible_random_instance(seed, 30);
        VRP vrp(&instance);
        for (double lambda : {-2.0, 0.0, 1.0, 3.0}) {
            const VRP::Solution solution = vrp.savings_heuristic(lambda);
            std::vector<int> v_seen(instance.clients.size(), 0);
            double cost = 0.0;
            for (unsigned r = 0; r < solution.routes.size(); ++r) {
                const Route& route = solution.routes[r];
                const unsigned n = static_cast<unsigned>(route.visits.size());
                EXPECT_LT(solution.seg_time_warp[r](0, n - 1), 1e-9) << seed << " " << lambda;
                EXPECT_LE(solution.route_load[r], instance.containers[route.container].capacity);
                for (unsigned p = 1; p + 1 < n; ++p) {
                    ++v_seen[route.visits[p].client];
                }
                cost += route.cost;
            }
            EXPECT_EQ(std::vector<int>(v_seen.size() - 1, 1),
                      std::vector<int>(v_seen.begin() + 1, v_seen.end()));
            EXPECT_DOUBLE_EQ(cost, solution.total_cost);
            EXPECT_LT(solution.routes.size(), instance.clients.size() - 1);
        }
    }
}

TEST(SavingsSweep, RepeatsItselfExactly)
{
    const Instance original = feasible_random_instance(7, 40);
    Instance first = original;
    Instance second = original;
    const VRP::Solution a = VRP(&first).savings_lambda_sweep();
    std::srand(12345);  // the sweep draws no random number, whatever the generator holds
    const VRP::Solution b = VRP(&second).savings_lambda_sweep();
    EXPECT_EQ(client_orders(a), client_orders(b));
    EXPECT_EQ(a.total_cost, b.total_cost);
    EXPECT_EQ(a.total_distance, b.total_distance);
    EXPECT_EQ(a.total_time, b.total_time);
    EXPECT_EQ(a.remaining_vehicles, b.remaining_vehicles);
    for (std::size_t r = 0; r < a.routes.size(); ++r) {
        EXPECT_EQ(a.routes[r].container, b.routes[r].container);
        EXPECT_EQ(a.routes[r].cost, b.routes[r].cost);
    }
}

TEST(SavingsSweep, FewestRoutesThenShortestThenEarliestLambda)
{
    // Both orders of clients 1 and 2 drive 30; (2, 1) ranks first for lambda
    // in (-5.5, -1/3), (1, 2) above that, and below -5.5 neither key is positive.
    Instance instance = open_instance({1, 1}, 30, 2);
    set_leg(instance, 0, 1, 10.0);
    set_leg(instance, 1, 0, 14.0);
    set_leg(instance, 0, 2, 12.0);
    set_leg(instance, 2, 0, 10.0);
    set_leg(instance, 1, 2, 10.0);
    set_leg(instance, 2, 1, 4.0);
    VRP vrp(&instance);
    EXPECT_EQ((std::vector<std::vector<int>>{{0, 1, 2, 0}}),
              client_orders(vrp.savings_heuristic(1.0)));
    const VRP::Solution best = vrp.savings_lambda_sweep();
    EXPECT_EQ((std::vector<std::vector<int>>{{0, 2, 1, 0}}), client_orders(best));
    EXPECT_EQ(1, best.n_routes);
    EXPECT_EQ(30.0, best.total_distance);
    EXPECT_EQ(30.0, best.total_time);
    EXPECT_TRUE(best.fleet_respected);
    EXPECT_EQ((std::vector<int>{1}), best.remaining_vehicles);
}

TEST(SavingsSweep, RecordsAFleetThatRanOut)
{
    Instance instance = open_instance({20, 20, 20}, 30, 1);
    VRP vrp(&instance);
    const VRP::Solution best = vrp.savings_lambda_sweep();
    EXPECT_EQ(3, best.n_routes);
    EXPECT_FALSE(best.fleet_respected);
    EXPECT_EQ((std::vector<int>{-2}), best.remaining_vehicles);
}

TEST(SavingsSweep, EntryFunctionsGiveTheSameDocumentEveryTime)
{
    const char* s_dir = std::getenv("TOVALO_TEST_DATA");
    const rapidjson::Document input = load_json_file(
        std::string(s_dir != nullptr ? s_dir : "tests/data") + "/solomon_c101_25.json");
    ASSERT_TRUE(input.IsObject());
    int ran = 0;
    for (int method : {0, 1}) {
        if (!VRP::solve_method_available(method)) {
            continue;
        }
        ++ran;
        const std::string s_first = json_to_string(run_vrp_method(input, method, nullptr));
        std::srand(99);
        const std::string s_second = json_to_string(run_vrp_method(input, method, nullptr));
        EXPECT_EQ(s_first, s_second) << "method " << method;
        const rapidjson::Document result = string_to_json(s_first);
        ASSERT_TRUE(result.HasMember("output") && result["output"].HasMember("data"))
            << "method " << method;
        EXPECT_EQ(0u, result["output"]["data"]["unrouted_clients"].Size());
    }
    if (ran == 0) {
        GTEST_SKIP() << "the savings methods are not reachable through the entry functions yet";
    }
}

TEST(SavingsStart, SeedRoutesOnlyAreLeftUnbuilt)
{
    Instance instance = open_instance({1, 1, 1, 1, 1}, 30, 2);
    VRP vrp(&instance);
    const VRP::Solution limited = vrp.initial_routes_only();
    EXPECT_FALSE(limited.fleet_unlimited);
    EXPECT_EQ(2u, limited.routes.size());
    EXPECT_EQ((std::vector<int>{0}), limited.remaining_vehicles);
    EXPECT_TRUE(limited.route_load.empty());
    instance.containers[0].quantity = 5;
    const VRP::Solution unlimited = VRP(&instance).initial_routes_only();
    EXPECT_TRUE(unlimited.fleet_unlimited);
    EXPECT_EQ(1u, unlimited.routes.size());
    EXPECT_EQ(3u, unlimited.routes[0].visits.size());
}

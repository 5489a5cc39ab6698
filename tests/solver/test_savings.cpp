// Savings construction: heap order, start routes, joins and the lambda sweep.

#include "move_fixtures.h"
#include "savings_heap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using namespace test_support;

namespace {

// The side x side pairs with the given keys, row-major.
Heap square_heap(const std::vector<double>& v_keys)
{
    const int side = static_cast<int>(std::sqrt(static_cast<double>(v_keys.size())));
    std::vector<HeapElement> v_list;
    for (std::size_t k = 0; k < v_keys.size(); ++k) {
        v_list.push_back(HeapElement{v_keys[k], static_cast<int>(k) / side,
                                     static_cast<int>(k) % side});
    }
    Heap heap(v_list);
    heap.build_heap();
    return heap;
}

// Every slot is where the position table says and no key is above its parent's.
void expect_heap_sound(const Heap& heap)
{
    for (int k = 1; k < heap.slot_count(); ++k) {
        const HeapElement& e = heap.element(k);
        EXPECT_EQ(k, heap.position(e.i, e.j)) << "slot " << k;
        EXPECT_TRUE(k == 1 || e.key <= heap.element(Heap::parent(k)).key) << "slot " << k;
    }
}

// Clients with wide windows and no service on one vehicle type (fixed 50, var 1).
Instance van_instance(const std::vector<int>& v_demands, int capacity, int quantity)
{
    Instance instance = flat_instance(v_demands);
    instance.containers.push_back(make_container("van", capacity, quantity, 50.0, 1.0));
    return instance;
}

void set_leg(Instance& instance, int a, int b, double value)
{
    instance.Mdij[a][b] = value;
    instance.Mtij[a][b] = value;
}

// Client 1 lies farther out than client 2 (legs 0-1 of 20, 1-2 of 5): (1, 2) pairs first.
void put_client_one_out(Instance& instance)
{
    for (const auto& [a, b, leg] : {std::make_tuple(0, 1, 20.0), std::make_tuple(1, 0, 20.0),
                                    std::make_tuple(1, 2, 5.0), std::make_tuple(2, 1, 5.0)}) {
        set_leg(instance, a, b, leg);
    }
}

}  // namespace

TEST(SavingsHeap, PopsInDescendingOrderAndTracksEveryPairThroughCancellations)
{
    Heap heap = square_heap({5, 1, 7, 3, 9, 2, 8, 4, 6});
    expect_heap_sound(heap);
    // A pair cancelled inside the heap sinks to its place.
    const int slot = heap.position(2, 0);  // key 8
    heap.set_element(HeapElement{0.0, 2, 0}, slot);
    heap.sift_down(slot);
    expect_heap_sound(heap);
    std::vector<double> v_popped;
    while (heap.top().key > 0.0) {
        const HeapElement e = heap.top();
        v_popped.push_back(e.key);
        heap.set_element(HeapElement{0.0, e.i, e.j}, 1);
        heap.sift_down(1);
        expect_heap_sound(heap);
    }
    EXPECT_EQ((std::vector<double>{9, 7, 6, 5, 4, 3, 2, 1}), v_popped);
}

TEST(SavingsHeap, EqualChildrenLetTheLeftOneUpAndSlotsBeyondAreRefused)
{
    Heap heap = square_heap({0, 5, 5, 1});
    EXPECT_EQ(0, heap.top().i);
    EXPECT_EQ(1, heap.top().j);
    // The zero key sank below the left child to the leaf, and the heap still knows it.
    EXPECT_EQ((std::vector<int>{4, 2, 3}),
              (std::vector<int>{heap.position(0, 0), heap.position(1, 1), heap.position(1, 0)}));
    testing::internal::CaptureStdout();
    heap.set_element(HeapElement{99.0, 1, 1}, 5);
    heap.set_element(HeapElement{99.0, 1, 1}, -1);
    heap.print_keys();
    EXPECT_EQ("non existent heap valuenon existent heap value0-5-1-5-0-\n",
              testing::internal::GetCapturedStdout());
}

TEST(SavingsStart, TypesInRecordOrderThenTheSmallestForTheRest)
{
    Instance instance = van_instance({1, 1, 1, 1, 1}, 30, 1);
    instance.containers.push_back(make_container("small", 10, 2, 20.0, 1.0));
    VRP vrp(&instance);
    VRP::Solution solution;
    vrp.init_solution(solution);
    vrp.one_route_per_client(solution, vrp.smallest_container());
    std::vector<int> v_types;
    for (const Route& route : solution.routes) {
        v_types.push_back(route.container);
    }
    EXPECT_EQ((std::vector<int>{0, 1, 1, 1, 1}), v_types);
    EXPECT_EQ((std::vector<int>{0, -2}), solution.remaining_vehicles);
    EXPECT_EQ((std::vector<int>{3}), route_clients(solution)[2]);
    EXPECT_EQ(20.0, solution.routes[2].distance);
}

TEST(SavingsStart, SeedRoutesOnlyAreLeftUnbuilt)
{
    Instance instance = van_instance({1, 1, 1, 1, 1}, 30, 2);
    const VRP::Solution limited = VRP(&instance).initial_routes_only();
    EXPECT_FALSE(limited.fleet_unlimited);
    EXPECT_EQ(2u, limited.routes.size());
    EXPECT_EQ((std::vector<int>{0}), limited.remaining_vehicles);
    EXPECT_TRUE(limited.route_load.empty());
    instance.containers[0].quantity = 5;
    const VRP::Solution unlimited = VRP(&instance).initial_routes_only();
    EXPECT_TRUE(unlimited.fleet_unlimited);
    ASSERT_EQ(1u, unlimited.routes.size());
    EXPECT_EQ(3u, unlimited.routes[0].visits.size());
}

TEST(SavingsConstruction, NothingToJoinGivesOneRouteEachOrNone)
{
    Instance depot_only = van_instance({}, 30, 1);
    EXPECT_TRUE(VRP(&depot_only).savings_heuristic(1.0).routes.empty());
    // No vehicle type: no route instead of reading past the records.
    Instance no_type = van_instance({1, 1}, 30, 1);
    no_type.containers.clear();
    EXPECT_TRUE(VRP(&no_type).savings_heuristic(1.0).routes.empty());
    EXPECT_TRUE(VRP(&no_type).savings_lambda_sweep().routes.empty());
    // key = 20 + lambda x 10 is negative for every client pair.
    Instance three = van_instance({1, 1, 1}, 30, 3);
    const VRP::Solution solution = VRP(&three).savings_heuristic(-3.0);
    EXPECT_EQ(3u, solution.routes.size());
    EXPECT_EQ(3.0 * 50.0 + 60.0, solution.total_cost);
}

TEST(SavingsConstruction, JoinsUpToTheCapacityOfTheJoinedRoutesTypes)
{
    struct Case {
        int first_capacity, second_capacity;
        std::vector<std::vector<int>> vv_expected;
        int expected_type;
        std::vector<int> v_left;
    };
    const std::vector<Case> v_cases = {
        // Both types fit: the first route's type, and the second's vehicle goes back.
        {20, 5, {{1, 2}}, 0, {0, 5}},
        // Only the second route's type fits.
        {3, 20, {{1, 2}}, 1, {1, 4}},
        // Neither fits, although a third type would.
        {3, 3, {{1}, {2}}, 0, {0, 4, 1}},
    };
    for (const Case& c : v_cases) {
        Instance instance = van_instance({2, 2}, c.first_capacity, 1);
        instance.containers.push_back(make_container("b", c.second_capacity, 5, 20.0, 1.0));
        if (c.v_left.size() == 3) {
            instance.containers.push_back(make_container("c", 100, 1, 20.0, 1.0));
        }
        put_client_one_out(instance);
        const VRP::Solution solution = VRP(&instance).savings_heuristic(1.0);
        EXPECT_EQ(c.vv_expected, route_clients(solution)) << c.first_capacity;
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
    // Each change makes 1 then 2 late while either alone and 2 then 1 stay on time.
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
        Instance instance = van_instance({1, 1}, 30, 2);
        put_client_one_out(instance);
        c.change(instance);
        const VRP::Solution solution = VRP(&instance).savings_heuristic(1.0);
        EXPECT_EQ((std::vector<std::vector<int>>{{2, 1}}), route_clients(solution)) << c.s_name;
        EXPECT_EQ(0.0, solution.seg_time_warp[0](0, 3)) << c.s_name;
    }
}

TEST(SavingsConstruction, RandomInstancesKeepWindowsAndCapacities)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        // Every client alone can be served on time.
        std::mt19937 rng(seed);
        Instance instance = random_instance(rng, 30);
        for (int c = 1; c < 30; ++c) {
            Client& client = instance.clients[c];
            const int reach = static_cast<int>(std::ceil(instance.Mtij[0][c]));
            client.late_tw = std::max(client.late_tw, std::max(client.early_tw, reach) + 5);
        }
        VRP vrp(&instance);
        for (double lambda : {-2.0, 0.0, 1.0, 3.0}) {
            const VRP::Solution solution = vrp.savings_heuristic(lambda);
            std::vector<int> v_seen(instance.clients.size(), 0);
            double cost = 0.0;
            for (unsigned r = 0; r < solution.routes.size(); ++r) {
                const Route& route = solution.routes[r];
                const auto n = static_cast<unsigned>(route.visits.size());
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

TEST(SavingsSweep, FewestRoutesThenShortestThenEarliestLambdaAndAFleetThatRanOut)
{
    // Both orders of clients 1 and 2 drive 30; (2, 1) ranks first for lambda
    // in (-5.5, -1/3), (1, 2) above that, and below -5.5 neither key is positive.
    Instance instance = van_instance({1, 1}, 30, 2);
    for (const auto& [a, b, leg] :
         {std::make_tuple(0, 1, 10.0), std::make_tuple(1, 0, 14.0), std::make_tuple(0, 2, 12.0),
          std::make_tuple(2, 0, 10.0), std::make_tuple(1, 2, 10.0), std::make_tuple(2, 1, 4.0)}) {
        set_leg(instance, a, b, leg);
    }
    VRP vrp(&instance);
    EXPECT_EQ((std::vector<std::vector<int>>{{1, 2}}), route_clients(vrp.savings_heuristic(1.0)));
    const VRP::Solution best = vrp.savings_lambda_sweep();
    EXPECT_EQ((std::vector<std::vector<int>>{{2, 1}}), route_clients(best));
    EXPECT_EQ(1, best.n_routes);
    EXPECT_EQ(30.0, best.total_distance);
    EXPECT_EQ(30.0, best.total_time);
    EXPECT_TRUE(best.fleet_respected);
    EXPECT_EQ((std::vector<int>{1}), best.remaining_vehicles);
    // A fleet that ran out is recorded.
    Instance heavy = van_instance({20, 20, 20}, 30, 1);
    const VRP::Solution over = VRP(&heavy).savings_lambda_sweep();
    EXPECT_EQ(3, over.n_routes);
    EXPECT_FALSE(over.fleet_respected);
    EXPECT_EQ((std::vector<int>{-2}), over.remaining_vehicles);
}

// Randomized insertion and result extraction on small instances built in code.

#include "move_fixtures.h"
#include "solver_utils.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace test_support;

namespace {

// The value rand() gives after `draws` draws from a generator seeded with 10.
int rand_after_draws(int draws)
{
    std::srand(10);
    for (int k = 0; k < draws; ++k) {
        std::rand();
    }
    return std::rand();
}

int served_clients(const Instance& instance)
{
    int served = 0;
    for (const OutputRoute& route : instance.routes) {
        served += static_cast<int>(route.visits.size()) - 2;
    }
    return served;
}

}  // namespace

TEST(RandomizedInsertion, WhatNoVehicleTakesIsUnroutedAndNoDummyIsAVehicle)
{
    struct Case {
        const char* s_name;
        std::vector<int> v_demands;
        std::deque<Container> v_containers;
        int routes;  // -1: as many as the unlimited fleet's seeds and empties
        int served;
        std::deque<int> v_unrouted;  // the count only where the order is the draws'
        int used;
        std::deque<int> v_remaining;
    };
    const std::vector<Case> v_cases = {
        {"limited fleet: one DUMMY for what does not fit", {6, 6, 6, 6, 6},
         {make_container("van", 12, 1, 300000.0, 250000.0)}, 1, 2, {0, 0, 0}, 1, {0}},
        {"a user type named DUMMY is an ordinary vehicle", {3, 3, 3},
         {make_container("DUMMY", 100, 1, 10.0, 1.0)}, 1, 3, {}, 1, {0}},
        {"unlimited fleet: a client too heavy for every type stays out", {5, 500, 5},
         {make_container("van", 50, 10, 10.0, 1.0), make_container("car", 20, 10, 5.0, 1.0)}, -1,
         2, {2}, 0, {}},
        {"a seed never overloads its vehicle; the empty real route counts", {50},
         {make_container("van", 10, 0, 10.0, 1.0), make_container("car", 10, 1, 10.0, 1.0)}, 1,
         0, {1}, 1, {0, 0}},
        // Every position prices 0.0 on a DUMMY of no cost: each client goes first.
        {"no vehicle type: every client unrouted", {1, 2, 3}, {}, 0, 0, {3, 2, 1}, 0, {}},
    };
    for (const Case& c : v_cases) {
        Instance instance = flat_instance(c.v_demands);
        instance.containers = c.v_containers;
        VRP vrp(&instance);
        vrp.solve(2);
        EXPECT_EQ(c.served, served_clients(instance)) << c.s_name;
        EXPECT_EQ(c.v_unrouted.size(), instance.unrouted_clients.size()) << c.s_name;
        if (c.v_unrouted.empty() || c.v_unrouted[0] != 0) {
            EXPECT_EQ(c.v_unrouted, instance.unrouted_clients) << c.s_name;
        }
        if (c.routes >= 0) {
            EXPECT_EQ(static_cast<std::size_t>(c.routes), instance.routes.size()) << c.s_name;
            EXPECT_EQ(c.used, instance.n_used_vehicles) << c.s_name;
            EXPECT_EQ(c.v_remaining, instance.remaining_vehicles) << c.s_name;
        }
    }
}

TEST(RandomizedInsertion, TheDummyRecordCostsTenThousandTimesInDoubleAndIsReused)
{
    Instance instance = flat_instance({6, 6, 6, 6, 6});
    instance.containers.push_back(make_container("van", 12, 1, 300000.0, 250000.0));
    VRP vrp(&instance);
    vrp.solve(2);
    ASSERT_EQ(2u, instance.containers.size());
    const Container& dummy = instance.containers[1];
    EXPECT_EQ("DUMMY", dummy.container_id);
    EXPECT_EQ(2147483647, dummy.capacity);
    // 300000 x 10000 leaves the 32-bit range; the record keeps the exact product.
    EXPECT_EQ(3000000000.0, dummy.fixed_cost);
    EXPECT_EQ(2500000000.0, dummy.var_cost);
    EXPECT_EQ(1, vrp.dummy_container);
    // A second construction reuses the record: no second DUMMY, one seed route on it.
    const VRP::Solution again = vrp.randomized_insertion();
    EXPECT_EQ(2u, instance.containers.size());
    EXPECT_EQ(1u, again.remaining_vehicles.size());
    ASSERT_EQ(2u, again.routes.size());
    EXPECT_EQ(1, again.routes[1].container);
}

TEST(RandomizedInsertion, AnEmptyDummyRouteIsNoVehicleInUse)
{
    Instance instance = flat_instance({4});
    instance.containers.push_back(make_container("van", 10, 1, 10.0, 1.0));
    VRP vrp(&instance);
    VRP::Solution solution;
    vrp.init_solution(solution);
    solution.routes.push_back(vrp.make_client_route(1, 0));
    vrp.add_dummy_route(solution);
    refresh_solution(vrp, solution);
    vrp.extract_result(solution);
    EXPECT_EQ(1, instance.n_used_vehicles);
    EXPECT_TRUE(instance.unrouted_clients.empty());
    EXPECT_EQ(1u, instance.routes.size());
}

TEST(RandomizedInsertion, DrawsOnlyForSeedsCriterionAndWeight)
{
    // Only the depot: no seed draw, but the criterion and the weight are drawn.
    Instance depot_only = flat_instance({});
    depot_only.containers = {make_container("van", 10, 1, 10.0, 1.0),
                             make_container("car", 5, 1, 10.0, 1.0)};
    VRP vrp(&depot_only);
    vrp.check_instance();
    const VRP::Solution empty = vrp.randomized_insertion();
    const int next_after_empty = std::rand();  // read before rand_after_draws reseeds
    EXPECT_EQ(rand_after_draws(2), next_after_empty);
    EXPECT_EQ(2u, empty.routes.size());
    EXPECT_EQ(0.0, empty.total_cost);

    // Two clients, three unlimited types: two seed draws, the third seed stays empty.
    Instance two = flat_instance({1, 1});
    for (const char* s_id : {"a", "b", "c"}) {
        two.containers.push_back(make_container(s_id, 10, 5, 10.0, 1.0));
    }
    VRP second(&two);
    second.check_instance();
    const VRP::Solution seeded = second.randomized_insertion();
    const int next_after_seeded = std::rand();
    EXPECT_EQ(rand_after_draws(4), next_after_seeded);
    ASSERT_EQ(3u, seeded.routes.size());
    EXPECT_EQ(2u, seeded.routes[2].visits.size());
    EXPECT_EQ((std::vector<int>{4, 4, 4}), seeded.remaining_vehicles);
}

TEST(RandomizedInsertion, BestInsertionTakesExactCapacityAndKeepsTheFirstTie)
{
    Instance instance = flat_instance({4, 6});
    instance.containers.push_back(make_container("van", 10, 2, 10.0, 1.0));
    VRP vrp(&instance);
    VRP::Solution solution;
    solution.routes = {vrp.make_client_route(1, 0), vrp.init_route(0)};
    const VRP::InsertionCriterion flat = [](unsigned, unsigned, unsigned, unsigned, double) {
        return 1.0;
    };
    int position = 0;
    int route = 0;
    int after = 0;
    auto found = [&]() { return std::vector<int>{position, route, after}; };
    // Client 2 (demand 6) fills route 0 (load 4) exactly: the first candidate wins the tie.
    vrp.best_insertion({2}, solution, position, route, after, 0.0, flat);
    EXPECT_EQ((std::vector<int>{0, 0, 0}), found());
    solution.routes[0].load = 5;  // one unit more: only the empty route takes it
    vrp.best_insertion({2}, solution, position, route, after, 0.0, flat);
    EXPECT_EQ((std::vector<int>{0, 1, 0}), found());
    vrp.best_insertion({}, solution, position, route, after, 0.0, flat);
    EXPECT_EQ((std::vector<int>{-1, -1, -1}), found());
}

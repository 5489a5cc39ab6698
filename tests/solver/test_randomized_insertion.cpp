// Randomized insertion and result extraction on small instances built in code.

#include "instance_builder.h"
#include "solver_utils.h"
#include "vrp.h"

#include <gtest/gtest.h>

#include <cstdlib>

using test_support::make_client;
using test_support::make_container;

namespace {

// Depot plus clients with the given demands, wide windows, all legs 10.
Instance instance_with_demands(const std::vector<int>& v_demands)
{
    Instance instance;
    instance.clients.push_back(make_client(0, 0, 100000, 0));
    for (int q : v_demands) {
        instance.clients.push_back(make_client(q, 0, 100000, 1));
    }
    test_support::set_uniform_matrices(instance, 10.0);
    return instance;
}

// The value rand() gives after `draws` draws from a generator seeded with 10.
int rand_after_draws(int draws)
{
    std::srand(10);
    for (int k = 0; k < draws; ++k) {
        std::rand();
    }
    return std::rand();
}


}  // namespace

TEST(RandomizedInsertion, LimitedFleetAppendsOneDummyForWhatDoesNotFit)
{
    Instance instance = instance_with_demands({6, 6, 6, 6, 6});
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

    ASSERT_EQ(1u, instance.routes.size());
    EXPECT_EQ(4u, instance.routes[0].visits.size());
    EXPECT_EQ(12, instance.routes[0].total_load);
    EXPECT_EQ(3u, instance.unrouted_clients.size());
    EXPECT_EQ(1, instance.n_used_vehicles);
    EXPECT_EQ(std::deque<int>{0}, instance.remaining_vehicles);

    // A second construction reuses the record: no second DUMMY, one seed route on it.
    const VRP::Solution again = vrp.randomized_insertion();
    EXPECT_EQ(2u, instance.containers.size());
    EXPECT_EQ(1u, again.remaining_vehicles.size());
    ASSERT_EQ(2u, again.routes.size());
    EXPECT_EQ(1, again.routes[1].container);
}

TEST(RandomizedInsertion, AUserTypeNamedDummyIsAnOrdinaryVehicle)
{
    Instance instance = instance_with_demands({3, 3, 3});
    instance.containers.push_back(make_container("DUMMY", 100, 1, 10.0, 1.0));
    VRP vrp(&instance);
    vrp.solve(2);
    EXPECT_EQ(1u, instance.containers.size());
    ASSERT_EQ(1u, instance.routes.size());
    EXPECT_EQ(5u, instance.routes[0].visits.size());
    EXPECT_TRUE(instance.unrouted_clients.empty());
    EXPECT_EQ(1, instance.n_used_vehicles);
    EXPECT_EQ(std::deque<int>{0}, instance.remaining_vehicles);
}

TEST(RandomizedInsertion, UnlimitedFleetLeavesAClientThatFitsNoVehicleUnrouted)
{
    // Client 2 is too heavy for every type: no seed takes it, no opened vehicle can.
    Instance instance = instance_with_demands({5, 500, 5});
    instance.containers.push_back(make_container("van", 50, 10, 10.0, 1.0));
    instance.containers.push_back(make_container("car", 20, 10, 5.0, 1.0));
    VRP vrp(&instance);
    vrp.solve(2);
    EXPECT_TRUE(vrp.fleet_unlimited);
    EXPECT_EQ(std::deque<int>{2}, instance.unrouted_clients);
    int served = 0;
    for (const OutputRoute& route : instance.routes) {
        served += static_cast<int>(route.visits.size()) - 2;
    }
    EXPECT_EQ(2, served);
    EXPECT_EQ(2u, instance.remaining_vehicles.size());
}

TEST(RandomizedInsertion, ASeedNeverOverloadsItsVehicle)
{
    Instance instance = instance_with_demands({50});
    instance.containers.push_back(make_container("van", 10, 0, 10.0, 1.0));
    instance.containers.push_back(make_container("car", 10, 1, 10.0, 1.0));
    VRP vrp(&instance);
    vrp.solve(2);
    ASSERT_EQ(1u, instance.routes.size());
    EXPECT_EQ(2u, instance.routes[0].visits.size());
    EXPECT_EQ(std::deque<int>{1}, instance.unrouted_clients);
    EXPECT_EQ(1, instance.n_used_vehicles);  // the empty real route still counts
    EXPECT_EQ((std::deque<int>{0, 0}), instance.remaining_vehicles);
}

TEST(RandomizedInsertion, WithoutVehicleTypesEveryClientIsUnrouted)
{
    Instance instance = instance_with_demands({1, 2, 3});
    VRP vrp(&instance);
    vrp.solve(2);
    // Every position prices 0.0 on a DUMMY of no cost: each client goes first.
    EXPECT_EQ((std::deque<int>{3, 2, 1}), instance.unrouted_clients);
    EXPECT_TRUE(instance.routes.empty());
    EXPECT_EQ(0, instance.n_used_vehicles);
    EXPECT_TRUE(instance.remaining_vehicles.empty());
}

TEST(RandomizedInsertion, AnEmptyDummyRouteIsNoVehicleInUse)
{
    Instance instance = instance_with_demands({4});
    instance.containers.push_back(make_container("van", 10, 1, 10.0, 1.0));
    VRP vrp(&instance);
    VRP::Solution solution;
    vrp.init_solution(solution);
    solution.routes.push_back(vrp.make_client_route(1, 0));
    vrp.add_dummy_route(solution);
    vrp.rebuild_route_data(solution);
    vrp.update_route_costs(solution);
    vrp.extract_result(solution);
    EXPECT_EQ(1, instance.n_used_vehicles);
    EXPECT_TRUE(instance.unrouted_clients.empty());
    EXPECT_EQ(1u, instance.routes.size());
}

TEST(RandomizedInsertion, DrawsOnlyForSeedsCriterionAndWeight)
{
    // Only the depot: no seed draw, but the criterion and the weight are drawn.
    Instance depot_only = instance_with_demands({});
    depot_only.containers.push_back(make_container("van", 10, 1, 10.0, 1.0));
    depot_only.containers.push_back(make_container("car", 5, 1, 10.0, 1.0));
    VRP vrp(&depot_only);
    vrp.check_instance();
    const VRP::Solution empty = vrp.randomized_insertion();
    const int next_after_empty = std::rand();
    EXPECT_EQ(rand_after_draws(2), next_after_empty);
    EXPECT_EQ(2u, empty.routes.size());
    EXPECT_EQ(0.0, empty.total_cost);

    // Two clients, three unlimited types: two seed draws, the third seed stays empty.
    Instance two = instance_with_demands({1, 1});
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
    Instance instance = instance_with_demands({4, 6});
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
    // Client 2 (demand 6) fills route 0 (load 4) exactly: the first candidate wins the tie.
    vrp.best_insertion({2}, solution, position, route, after, 0.0, flat);
    EXPECT_EQ((std::vector<int>{0, 0, 0}), (std::vector<int>{position, route, after}));
    solution.routes[0].load = 5;  // one unit more: only the empty route takes it
    vrp.best_insertion({2}, solution, position, route, after, 0.0, flat);
    EXPECT_EQ((std::vector<int>{0, 1, 0}), (std::vector<int>{position, route, after}));
    vrp.best_insertion({}, solution, position, route, after, 0.0, flat);
    EXPECT_EQ((std::vector<int>{-1, -1, -1}), (std::vector<int>{position, route, after}));
}

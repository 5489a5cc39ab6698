// The constructions and the solve dispatcher on small instances built in code: what a
// solve leaves, the DUMMY record, result extraction and the savings lambda sweep.

#include "solver_support.h"
#include "solver_utils.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

// What a solve left in the instance: each route's vehicle type and clients, then the
// unrouted clients, the vehicles used and those left ("0:1 2, 1:3 | 4 | 2 | 0 1").
std::string outcome(const Instance& instance)
{
    std::string s_text;
    for (const OutputRoute& route : instance.routes) {
        s_text += (s_text.empty() ? "" : ", ") + std::to_string(route.container_index) + ":";
        for (std::size_t p = 1; p + 1 < route.visits.size(); ++p) {
            s_text += (p == 1 ? "" : " ") + std::to_string(route.visits[p].index);
        }
    }
    const auto add_list = [&](const std::deque<int>& v_values) {
        for (int value : v_values) {
            s_text += " " + std::to_string(value);
        }
    };
    s_text += " |";
    add_list(instance.unrouted_clients);
    s_text += " | " + std::to_string(instance.n_used_vehicles) + " |";
    add_list(instance.remaining_vehicles);
    return s_text;
}

// Legs 0-1 of 20 and 1-2 of 5 put client 1 farther out, so that the savings pair (1, 2)
// comes first.
void one_out(Instance& i)
{
    i.Mdij[0][1] = i.Mtij[0][1] = i.Mdij[1][0] = i.Mtij[1][0] = 20.0;
    i.Mdij[1][2] = i.Mtij[1][2] = i.Mdij[2][1] = i.Mtij[2][1] = 5.0;
}

}  // namespace

TEST(SolveOutcome, WhatEachSmallCaseLeaves)
{
    const Container k_van{"van", 30, 2, 50.0, 1.0};
    struct Case {
        const char* s_name;
        int method;
        std::vector<int> v_demands;
        std::deque<Container> v_types;
        void (*change)(Instance&);
        const char* s_outcome;
    };
    for (const Case& c : std::vector<Case>{
             // Randomized insertion: what no vehicle takes is unrouted, and no DUMMY is a vehicle.
             {"limited fleet: one DUMMY for what does not fit", 2, {6, 6, 6, 6, 6},
              {Container{"van", 12, 1, 300000.0, 250000.0}}, nullptr, "0:2 1 | 5 4 3 | 1 | 0"},
             {"a user type named DUMMY is an ordinary vehicle", 2, {3, 3, 3}, {Container{"DUMMY", 100, 1, 10.0, 1.0}},
              nullptr, "0:3 1 2 | | 1 | 0"},
             {"unlimited fleet: a client too heavy for every type stays out", 2, {5, 500, 5},
              {Container{"van", 50, 10, 10.0, 1.0}, Container{"car", 20, 10, 5.0, 1.0}}, nullptr, "0:3 1, 1: | 2 | 2 | 9 9"},
             {"a seed never overloads its vehicle; the empty real route counts", 2, {50},
              {Container{"van", 10, 0, 10.0, 1.0}, Container{"car", 10, 1, 10.0, 1.0}}, nullptr, "1: | 1 | 1 | 0 0"},
             // Every position prices 0.0 on a DUMMY of no cost: each client goes first.
             {"no vehicle type: every client unrouted", 2, {1, 2, 3}, {}, nullptr, " | 3 2 1 | 0 |"},
             // Savings: a join takes the first route's type when it fits, else the second's,
             // never a third.
             {"both types fit: the first's, the second vehicle back", 0, {2, 2},
              {Container{"a", 20, 1, 50.0, 1.0}, Container{"b", 5, 5, 20.0, 1.0}}, one_out, "0:1 2 | | 1 | 0 5"},
             {"only the second route's type fits", 0, {2, 2},
              {Container{"a", 3, 1, 50.0, 1.0}, Container{"b", 20, 5, 20.0, 1.0}}, one_out, "1:1 2 | | 1 | 1 4"},
             {"neither fits, although a third would", 0, {2, 2},
              {Container{"a", 3, 1, 50.0, 1.0}, Container{"b", 3, 5, 20.0, 1.0}, Container{"c", 100, 1, 20.0, 1.0}},
              one_out, "0:1, 1:2 | | 2 | 0 4 1"},
             // Each change makes 1 then 2 late while either alone and 2 then 1 stay on time.
             {"late at the second route's client", 0, {1, 1}, {k_van},
              [](Instance& i) { one_out(i); i.clients[2].late_tw = 19; }, "0:2 1 | | 1 | 1"},
             {"late back at the depot (at 55 after 1, 2; at 40 after 2, 1)", 0, {1, 1}, {k_van},
              [](Instance& i) { one_out(i); i.Mdij[2][0] = i.Mtij[2][0] = 25.0; i.clients[0].late_tw = 45; }, "0:2 1 | | 1 | 1"},
             {"1.2 is late for a window closing at 1, though each leg of 0.6 truncates to 0", 0, {1, 1}, {k_van},
              [](Instance& i) {
                  i.Mdij[0][1] = i.Mtij[0][1] = i.Mdij[0][2] = i.Mtij[0][2] = i.Mdij[1][2] = i.Mtij[1][2] = 0.6;
                  i.clients[2].late_tw = 1;
              }, "0:2 1 | | 1 | 1"},
             {"from a depot opening at 100, client 2 is reached at 130 after client 1", 0, {1, 1}, {k_van},
              [](Instance& i) { one_out(i); i.clients[0].early_tw = 100; i.clients[2].late_tw = 115; }, "0:2 1 | | 1 | 1"},
             // Nothing to join, or nothing to solve with: no route instead of reading past
             // the records.
             {"only the depot", 0, {}, {k_van}, nullptr, " | | 0 | 2"},
             {"no vehicle type for the savings", 0, {1, 1}, {}, nullptr, " | | 0 |"},
             {"no vehicle type for the sweep", 1, {1, 1}, {}, nullptr, " | | 0 |"},
             {"no such method", 5, {1, 2}, {k_van}, nullptr, " | | 0 |"},
             {"no method below 0", -1, {1, 2}, {k_van}, nullptr, " | | 0 |"},
             // The local search would start on a route 0 that does not exist.
             {"no vehicle type and no client for the search", 3, {}, {}, nullptr, " | | 0 |"},
             {"no vehicle type and no client for the variant", 4, {}, {}, nullptr, " | | 0 |"}}) {
        Instance instance = flat_instance(c.v_demands, c.v_types);
        if (c.change != nullptr) {
            c.change(instance);
        }
        VRP vrp(&instance);
        vrp.solve(c.method);
        EXPECT_EQ(c.s_outcome, outcome(instance)) << c.s_name;
        EXPECT_EQ(c.method == 3 || c.method == 4 || c.method == 2 ? 1 : 0, vrp.stats.restarts) << c.s_name;
    }
}

// The DUMMY record costs 10000 times the real records' sums, in double (300000 x 10000
// leaves the 32-bit range); a second construction reuses it. An empty DUMMY route is no
// vehicle in use.
TEST(RandomizedInsertion, TheDummyRecordIsAppendedOnceAndAnEmptyDummyRouteIsNoVehicle)
{
    Instance instance = flat_instance({6, 6, 6, 6, 6}, {Container{"van", 12, 1, 300000.0, 250000.0}});
    VRP vrp(&instance);
    vrp.solve(2);
    ASSERT_EQ(2u, instance.containers.size());
    const Container& dummy = instance.containers[1];
    EXPECT_TRUE(dummy.container_id == "DUMMY" && dummy.capacity == 2147483647 && vrp.dummy_container == 1);
    EXPECT_EQ((std::vector<double>{3000000000.0, 2500000000.0}), (std::vector<double>{dummy.fixed_cost, dummy.var_cost}));
    const VRP::Solution again = vrp.randomized_insertion();
    EXPECT_EQ(2u, instance.containers.size());
    EXPECT_EQ(1u, again.remaining_vehicles.size());
    ASSERT_EQ(2u, again.routes.size());
    EXPECT_EQ(1, again.routes[1].container);

    Instance one = flat_instance({4}, {Container{"van", 10, 1, 10.0, 1.0}});
    VRP single(&one);
    VRP::Solution solution;
    single.init_solution(solution);
    solution.routes.push_back(single.make_client_route(1, 0));
    single.add_dummy_route(solution);
    refresh_solution(single, solution);
    single.extract_result(solution);
    EXPECT_EQ("0:1 | | 1 | 1", outcome(one));
}

// Client 2 (demand 6) fills route 0 (load 4) exactly: the first candidate wins the tie; one
// unit more and only the empty route takes it. Slots beyond the savings heap are refused.
TEST(RandomizedInsertion, BestInsertionTakesExactCapacityAndKeepsTheFirstTie)
{
    Instance instance = flat_instance({4, 6}, {Container{"van", 10, 2, 10.0, 1.0}});
    VRP vrp(&instance);
    VRP::Solution solution;
    solution.routes = {vrp.make_client_route(1, 0), vrp.init_route(0)};
    const VRP::InsertionCriterion flat = [](unsigned, unsigned, unsigned, unsigned, double) { return 1.0; };
    std::vector<int> v_found(3);
    vrp.best_insertion({2}, solution, v_found[0], v_found[1], v_found[2], 0.0, flat);
    EXPECT_EQ((std::vector<int>{0, 0, 0}), v_found);
    solution.routes[0].load = 5;
    vrp.best_insertion({2}, solution, v_found[0], v_found[1], v_found[2], 0.0, flat);
    EXPECT_EQ((std::vector<int>{0, 1, 0}), v_found);
    vrp.best_insertion({}, solution, v_found[0], v_found[1], v_found[2], 0.0, flat);
    EXPECT_EQ((std::vector<int>{-1, -1, -1}), v_found);

    Heap heap({HeapElement{0.0, 0, 0}, HeapElement{5.0, 0, 1}, HeapElement{3.0, 1, 0}, HeapElement{0.0, 1, 1}});
    heap.build_heap();
    testing::internal::CaptureStdout();
    heap.set_element(HeapElement{99.0, 1, 1}, heap.slot_count());
    heap.set_element(HeapElement{99.0, 1, 1}, -1);
    EXPECT_EQ("non existent heap valuenon existent heap value", testing::internal::GetCapturedStdout());
    EXPECT_EQ(5.0, heap.top().key);
}

// Both orders of clients 1 and 2 drive 30; (2, 1) ranks first for lambda in (-5.5, -1/3),
// (1, 2) above that, and below -5.5 neither key is positive: the sweep takes the fewest
// routes, then the shortest, then the earliest lambda, and records a fleet that ran out.
// A negative key for every pair leaves one route per client.
TEST(SavingsSweep, FewestRoutesThenShortestThenEarliestLambdaAndAFleetThatRanOut)
{
    Instance instance = flat_instance({1, 1}, {Container{"van", 30, 2, 50.0, 1.0}});
    const double v_legs[3][3] = {{0, 10, 12}, {14, 0, 10}, {10, 4, 0}};
    for (int a = 0; a < 9; ++a) {
        instance.Mdij[a / 3][a % 3] = instance.Mtij[a / 3][a % 3] = a % 4 == 0 ? 2147483647.0 : v_legs[a / 3][a % 3];
    }
    VRP vrp(&instance);
    EXPECT_EQ((std::vector<std::vector<int>>{{1, 2}}), route_clients(vrp.savings_heuristic(1.0)));
    const VRP::Solution best = vrp.savings_lambda_sweep();
    EXPECT_EQ((std::vector<std::vector<int>>{{2, 1}}), route_clients(best));
    EXPECT_TRUE(best.n_routes == 1 && best.total_distance == 30.0 && best.total_time == 30.0 && best.fleet_respected);
    EXPECT_EQ((std::vector<int>{1}), best.remaining_vehicles);
    Instance heavy = flat_instance({20, 20, 20}, {Container{"van", 30, 1, 50.0, 1.0}});
    const VRP::Solution over = VRP(&heavy).savings_lambda_sweep();
    EXPECT_TRUE(over.n_routes == 3 && !over.fleet_respected);
    EXPECT_EQ((std::vector<int>{-2}), over.remaining_vehicles);
    const VRP::Solution apart = VRP(&heavy).savings_heuristic(-3.0);  // key = 20 - 3 x 10
    EXPECT_TRUE(apart.routes.size() == 3 && apart.total_cost == 3.0 * 50.0 + 60.0);
}

// Constructions and search on small instances: what a solve leaves, the DUMMY record, savings,
// the draws of searches and disturbances, the best kept, the time limit, refusals and dumps.

#include "document_checks.h"
#include "instance_reader.h"
#include "solver_entry.h"
#include "solver_support.h"
#include "vrp.h"

#include <atomic>
#include <filesystem>
#include <random>
#include <unistd.h>

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
        for (int value : v_values) s_text += " " + std::to_string(value);
    };
    s_text += " |";
    add_list(instance.unrouted_clients);
    s_text += " | " + std::to_string(instance.n_used_vehicles) + " |";
    add_list(instance.remaining_vehicles);
    return s_text;
}

// Legs 0-1 of 20 and 1-2 of 5: the savings pair (1, 2) comes first.
void one_out(Instance& i)
{
    i.Mdij[0][1] = i.Mtij[0][1] = i.Mdij[1][0] = i.Mtij[1][0] = 20.0;
    i.Mdij[1][2] = i.Mtij[1][2] = i.Mdij[2][1] = i.Mtij[2][1] = 5.0;
}

// Clients 100 apart, each closing at 15: no two can share a route.
void kept_apart(Instance& i)
{
    for (std::size_t a = 1; a < i.clients.size(); ++a) {
        i.clients[a].late_tw = 15;
        for (std::size_t b = 1; b < i.clients.size(); ++b) {
            i.Mdij[a][b] = i.Mtij[a][b] = a == b ? i.Mdij[a][b] : 100.0;
        }
    }
}

// Four vans of the given capacity and a car, fixed cost 100 each, and the DUMMY record.
struct Fleet {
    Instance instance;
    VRP vrp{&instance};
    int dummy = -1;

    Fleet(const std::vector<int>& v_demands, int capacity)
        : instance(flat_instance(v_demands,
                                 {{"van", capacity, 4, 100.0, 1.0}, {"car", 10, 1, 100.0, 1.0}}))
    {
        vrp.check_instance();
        dummy = add_dummy_record(vrp);
    }
    VRP::Solution solution(const RoutePlan& plan, double total_cost = -1.0)
    {
        VRP::Solution built = make_solution(vrp, plan, true);
        built.total_cost = total_cost < 0.0 ? built.total_cost : total_cost;
        return built;
    }
};

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
              {{"van", 12, 1, 300000.0, 250000.0}}, nullptr, "0:2 1 | 5 4 3 | 1 | 0"},
             {"a user type named DUMMY is an ordinary vehicle", 2, {3, 3, 3},
              {{"DUMMY", 100, 1, 10.0, 1.0}}, nullptr, "0:3 1 2 | | 1 | 0"},
             {"unlimited fleet: a client too heavy for every type stays out", 2, {5, 500, 5},
              {{"van", 50, 10, 10.0, 1.0}, {"car", 20, 10, 5.0, 1.0}}, nullptr,
              "0:3 1, 1: | 2 | 2 | 9 9"},
             {"a seed never overloads its vehicle; the empty real route counts", 2, {50},
              {{"van", 10, 0, 10.0, 1.0}, {"car", 10, 1, 10.0, 1.0}}, nullptr, "1: | 1 | 1 | 0 0"},
             // Every position prices 0.0 on a DUMMY of no cost: each client goes first.
             {"no vehicle type: every client unrouted", 2, {1, 2, 3}, {}, nullptr,
              " | 3 2 1 | 0 |"},
             // Savings: a join takes the first route's type if it fits, else the second's.
             {"both types fit: the first's, the second vehicle back", 0, {2, 2},
              {{"a", 20, 1, 50.0, 1.0}, {"b", 5, 5, 20.0, 1.0}}, one_out, "0:1 2 | | 1 | 0 5"},
             {"only the second route's type fits", 0, {2, 2},
              {{"a", 3, 1, 50.0, 1.0}, {"b", 20, 5, 20.0, 1.0}}, one_out, "1:1 2 | | 1 | 1 4"},
             {"neither fits, although a third would", 0, {2, 2},
              {{"a", 3, 1, 50.0, 1.0}, {"b", 3, 5, 20.0, 1.0}, {"c", 100, 1, 20.0, 1.0}},
              one_out, "0:1, 1:2 | | 2 | 0 4 1"},
             // Legs of 100 between clients close every join; once the fleet is used up the
             // start routes take the (first) smallest type, also when it is the first type.
             {"the fleet used up: the smallest type, the first", 0, {1, 1, 1},
              {{"small", 10, 1, 50.0, 1.0}, {"big", 50, 1, 20.0, 1.0}}, kept_apart,
              "0:1, 1:2, 0:3 | | 3 | -1 0"},
             {"the fleet used up: the first of two smallest types", 0, {1, 1, 1, 1},
              {{"big", 50, 1, 50.0, 1.0}, {"small", 10, 1, 20.0, 1.0}, {"also", 10, 1, 20.0, 1.0}},
              kept_apart, "0:1, 1:2, 2:3, 1:4 | | 4 | 0 -1 0"},
             // Each change makes 1 then 2 late while either alone and 2 then 1 stay on time.
             {"late at the second route's client", 0, {1, 1}, {k_van},
              [](Instance& i) { one_out(i); i.clients[2].late_tw = 19; }, "0:2 1 | | 1 | 1"},
             {"late back at the depot (at 55 after 1, 2; at 40 after 2, 1)", 0, {1, 1}, {k_van},
              [](Instance& i) {
                  one_out(i);
                  i.Mdij[2][0] = i.Mtij[2][0] = 25.0;
                  i.clients[0].late_tw = 45;
              },
              "0:2 1 | | 1 | 1"},
             {"1.2 is late for a window closing at 1, though each leg of 0.6 truncates to 0", 0,
              {1, 1}, {k_van},
              [](Instance& i) { set_uniform_matrices(i, 0.6); i.clients[2].late_tw = 1; },
              "0:2 1 | | 1 | 1"},
             {"from a depot opening at 100, client 2 is reached at 130 after client 1", 0, {1, 1},
              {k_van},
              [](Instance& i) {
                  one_out(i);
                  i.clients[0].early_tw = 100;
                  i.clients[2].late_tw = 115;
              },
              "0:2 1 | | 1 | 1"},
             // Nothing to join, or nothing to solve with: no route, nothing read past the records.
             {"only the depot", 0, {}, {k_van}, nullptr, " | | 0 | 2"},
             {"no vehicle type for the savings", 0, {1, 1}, {}, nullptr, " | | 0 |"},
             {"no vehicle type for the sweep", 1, {1, 1}, {}, nullptr, " | | 0 |"},
             {"no such method", 5, {1, 2}, {k_van}, nullptr, " | | 0 |"},
             // The local search would start on a route 0 that does not exist.
             {"no vehicle type and no client for the search", 3, {}, {}, nullptr, " | | 0 |"}}) {
        Instance instance = flat_instance(c.v_demands, c.v_types);
        if (c.change != nullptr) c.change(instance);
        VRP vrp(&instance);
        vrp.solve(c.method);
        EXPECT_EQ(c.s_outcome, outcome(instance)) << c.s_name;
        EXPECT_EQ(c.method == 3 || c.method == 2 ? 1 : 0, vrp.stats.restarts) << c.s_name;
    }
}

// The DUMMY record costs 10000 times the real records' sums, in double (300000 x 10000 leaves
// the 32-bit range); a second construction reuses it. An empty DUMMY route is no vehicle.
TEST(RandomizedInsertion, TheDummyRecordIsAppendedOnceAndAnEmptyDummyRouteIsNoVehicle)
{
    Instance instance = flat_instance({6, 6, 6, 6, 6}, {{"van", 12, 1, 300000.0, 250000.0}});
    VRP vrp(&instance);
    vrp.solve(2);
    ASSERT_EQ(2u, instance.containers.size());
    const Container& dummy = instance.containers[1];
    EXPECT_TRUE(dummy.container_id == "DUMMY" && dummy.capacity == 2147483647 &&
                vrp.dummy_container == 1);
    EXPECT_TRUE(dummy.fixed_cost == 3000000000.0 && dummy.var_cost == 2500000000.0);
    const VRP::Solution again = vrp.randomized_insertion();
    EXPECT_TRUE(instance.containers.size() == 2 && again.remaining_vehicles.size() == 1 &&
                again.routes.size() == 2 && again.routes[1].container == 1);

    Instance one = flat_instance({4}, {{"van", 10, 1, 10.0, 1.0}});
    VRP single(&one);
    VRP::Solution solution;
    single.init_solution(solution);
    solution.routes.push_back(single.make_client_route(1, 0));
    single.add_dummy_route(solution);
    refresh_solution(single, solution);
    single.extract_result(solution);
    EXPECT_EQ("0:1 | | 1 | 1", outcome(one));
}

// Both orders of clients 1 and 2 drive 30; (2, 1) ranks first for lambda in (-5.5, -1/3):
// the sweep takes the fewest routes, then the shortest, then the earliest lambda.
TEST(Savings, TheSweepTakesFewestRoutesThenShortestThenEarliestLambda)
{
    Instance instance = flat_instance({1, 1}, {{"van", 30, 2, 50.0, 1.0}});
    const double v_legs[3][3] = {{0, 10, 12}, {14, 0, 10}, {10, 4, 0}};
    for (int a = 0; a < 9; ++a) {
        instance.Mdij[a / 3][a % 3] = instance.Mtij[a / 3][a % 3] =
            a % 4 == 0 ? 2147483647.0 : v_legs[a / 3][a % 3];
    }
    VRP vrp(&instance);
    EXPECT_EQ((std::vector<std::vector<int>>{{1, 2}}), route_clients(vrp.savings_heuristic(1.0)));
    const VRP::Solution best = vrp.savings_lambda_sweep();
    EXPECT_EQ((std::vector<std::vector<int>>{{2, 1}}), route_clients(best));
    EXPECT_TRUE(best.n_routes == 1 && best.total_distance == 30.0 && best.total_time == 30.0 &&
                best.fleet_respected);
    EXPECT_EQ((std::vector<int>{1}), best.remaining_vehicles);
    // Apart: the time sums each route's legs truncated (10.6 + 10.6 gives 21), not the distance.
    Instance lone = flat_instance({1, 1}, {{"van", 30, 2, 50.0, 1.0}});
    kept_apart(lone);
    for (const int c : {1, 2}) {
        lone.Mdij[0][c] = lone.Mtij[0][c] = lone.Mdij[c][0] = lone.Mtij[c][0] = 10.6;
    }
    const VRP::Solution both = VRP(&lone).savings_lambda_sweep();
    EXPECT_TRUE(both.n_routes == 2 && both.total_time == 42.0) << both.total_time;
    EXPECT_DOUBLE_EQ(42.4, both.total_distance);
    Instance heavy = flat_instance({20, 20, 20}, {{"van", 30, 1, 50.0, 1.0}});
    const VRP::Solution apart = VRP(&heavy).savings_heuristic(-3.0);  // key = 20 - 3 x 10
    EXPECT_TRUE(apart.routes.size() == 3 && apart.total_cost == 3.0 * 50.0 + 60.0);
    const VRP::Solution three = make_solution(vrp, {{0, {1}}, {0, {}}, {0, {2}}});
    EXPECT_EQ(std::make_pair(0, 2), vrp.find_route_ends(1, 2, three));
    EXPECT_EQ(std::make_pair(2, 0), vrp.find_route_ends(2, 1, three));
    Heap heap({HeapElement{0.0, 0, 0}, HeapElement{5.0, 0, 1}, HeapElement{3.0, 1, 0},
               HeapElement{0.0, 1, 1}});
    heap.build_heap();
    testing::internal::CaptureStdout();
    heap.set_element(HeapElement{99.0, 1, 1}, heap.slot_count());
    heap.set_element(HeapElement{99.0, 1, 1}, -1);
    EXPECT_EQ("non existent heap valuenon existent heap value",
              testing::internal::GetCapturedStdout());
    EXPECT_EQ(5.0, heap.top().key);
}

// With nothing to improve both local searches draw each of the 4 + 6 moves once.
TEST(LocalSearch, NothingToImproveDrawsEachMoveOnce)
{
    Fleet fleet({1, 1}, 10);
    for (unsigned seed = 1; seed <= 12; ++seed) {
        for (const bool rvnd : {true, false}) {
            VRP::Solution solution = fleet.solution({{0, {1, 2}}});
            std::srand(seed);
            rvnd ? fleet.vrp.local_search_rvnd(solution) : fleet.vrp.local_search_pass(solution);
            EXPECT_EQ(4 + 6, draws_since(seed)) << "seed " << seed << " rvnd " << rvnd;
            EXPECT_EQ((std::vector<std::vector<int>>{{1, 2}}), route_clients(solution));
        }
    }
}

// The disturbances' draws and trades per seed, as golden/disturbances.txt records them; a
// trade that would fill a vehicle exactly (loads 5 and 6 on capacity 6) is refused.
TEST(Disturbance, DrawsAndTradesRepeatTheRecord)
{
    Fleet five({3, 4, 5, 6, 2, 7, 9}, 15);
    Fleet exact({5, 6}, 6);
    std::string s_record;
    for (unsigned seed = 1; seed <= 16; ++seed) {
        for (const bool exchange : {false, true}) {
            for (Fleet* fleet : {&five, &exact}) {
                VRP::Solution solution =
                    fleet == &five
                        ? five.solution(
                              {{0, {1, 2, 3}}, {0, {4, 5}}, {0, {6}}, {0, {}}, {five.dummy, {7}}})
                        : exact.solution(seed % 2 == 0 ? RoutePlan{{0, {1}}, {0, {2}}}
                                                       : RoutePlan{{0, {1, 2}}});
                std::srand(seed);
                exchange ? fleet->vrp.disturb_exchange(solution)
                         : fleet->vrp.disturb_swap(solution);
                s_record += std::to_string(seed) + (exchange ? " exchange " : " swap ") +
                            std::to_string(draws_since(seed)) + " draws |";
                for (const auto& v_shape : shapes(solution, true)) {
                    for (int value : v_shape) s_record += " " + std::to_string(value);
                    s_record += " |";
                }
                s_record += "\n";
                expect_matches_rebuild(fleet->vrp, solution);
            }
        }
    }
    EXPECT_EQ(read_text("disturbances.txt", true) + "\n", s_record);
}

TEST(KeepBest, RanksUnroutedClientsThenRealRoutesThenCost)
{
    Fleet fleet({1, 1, 1, 1, 1, 1, 1, 1}, 10);
    const int d = fleet.dummy;
    const RoutePlan all_on_four = {{0, {1, 2}}, {0, {3, 4}}, {0, {5, 6}}, {0, {7, 8}}};
    const RoutePlan other_four = {{0, {2, 1}}, {0, {4, 3}}, {0, {6, 5}}, {0, {8, 7}}};
    const RoutePlan all_on_three = {{0, {1, 2, 3}}, {0, {4, 5, 6}}, {1, {7, 8}}};
    // Two real routes and the DUMMY: three routes, but two clients left unserved.
    const RoutePlan two_and_dummy = {{0, {1, 2, 3}}, {0, {4, 5, 6}}, {d, {7, 8}}};
    struct Case {
        const char* s_name;
        RoutePlan best, candidate;
        double best_cost, candidate_cost;
        bool replaced;
    };
    for (const Case& c : std::vector<Case>{
             {"fewer routes but unserved clients never win", all_on_four, two_and_dummy, 900, 10,
              false},
             {"serving everyone wins at any cost", two_and_dummy, all_on_four, 10, 900, true},
             {"fewer unserved clients win", two_and_dummy, {{0, {1, 2, 3, 4, 5, 6, 7}}, {d, {8}}},
              10, 900, true},
             {"one unserved client loses to more routes", all_on_four,
              {{0, {1, 2, 3, 4, 5, 6, 7}}, {d, {8}}}, 400, 10, false},
             {"fewer real routes win at a higher cost", all_on_four, all_on_three, 400, 500, true},
             {"more real routes lose at a lower cost", all_on_three, all_on_four, 500, 400, false},
             {"as many routes: the cheaper wins", all_on_four, other_four, 400, 399, true},
             {"as many routes and equal cost: the earlier stays", all_on_four, other_four, 400,
              400, false},
             {"the first candidate always wins", {}, {{d, {1, 2, 3, 4, 5, 6, 7, 8}}},
              1.7976931348623157e308, 5e9, true}}) {
        VRP::Solution best = fleet.solution(c.best, c.best_cost);
        int best_routes = c.best.empty() ? 2147483647 : fleet.vrp.real_route_count(best);
        fleet.vrp.keep_best(best, fleet.solution(c.candidate, c.candidate_cost), best_routes);
        const VRP::Solution expected = fleet.solution(c.replaced ? c.candidate : c.best);
        EXPECT_EQ(c.replaced ? c.candidate_cost : c.best_cost, best.total_cost) << c.s_name;
        EXPECT_EQ(shapes(expected), shapes(best)) << c.s_name;
        EXPECT_EQ(fleet.vrp.real_route_count(expected), best_routes) << c.s_name;
    }
}

// A limit of zero or less still completes one restart (both variants alike, and the restarts
// without disturbance); what cannot be read or solved is refused with a code.
TEST(SolveMethods, EveryMethodCompletesARestartOrRefusesWithACode)
{
    rapidjson::Document input = load_test_document("solomon_c101_25.json");
    for (const double max_time : {0.0, -1.0}) {
        input["input"]["meta_info"]["max_time"].SetDouble(max_time);
        SolveStats stats;
        const rapidjson::Document result = run_vrp_method(input, 3, &stats);
        EXPECT_EQ(1, stats.restarts) << max_time;
        EXPECT_GT(result["output"]["summary"]["total_time"].GetDouble(), 0.0);
        EXPECT_EQ(0u, result["output"]["data"]["unrouted_clients"].Size());
        expect_complete_and_within_capacity(result);
        EXPECT_EQ(json_to_string(result["output"]["data"]["routes"]),
                  json_to_string(run_vrp_method(input, 4, nullptr)["output"]["data"]["routes"]));
        EXPECT_EQ(json_to_string(result["output"]["data"]["routes"]),
                  json_to_string(run_vrp_ils_variant(input, nullptr)["output"]["data"]["routes"]));
    }
    Fleet fleet({1, 2, 3, 4}, 10);
    const VRP::Solution best = fleet.vrp.grasp_search(0.0);
    EXPECT_EQ(1, fleet.vrp.stats.restarts);
    EXPECT_TRUE(best.routes.size() == 1 && best.routes[0].visits.size() == 6 &&
                best.total_cost == 100.0 + 50.0);
    const rapidjson::Document unbuilt = run_vrp_method(input, 5, nullptr);
    EXPECT_STREQ("solve_method_unavailable", unbuilt["output"]["meta_info"]["error"].GetString());
    EXPECT_TRUE(unbuilt.HasMember("input") && !unbuilt["output"].HasMember("data"));
    input["input"]["data"]["clients"].SetArray();  // not even a depot
    EXPECT_EQ(R"({"error":"missing_json_field","message":"missing or invalid 'clients' field"})",
              json_to_string(run_vrp_insertion(input)["output"]["meta_info"]));
    input["input"]["data"].RemoveMember("clients");
    EXPECT_EQ(
        R"({"error":"missing_json_field",)"
        R"("message":"missing or invalid 'input.data.clients' field"})",
        json_to_string(run_vrp_insertion(input)["output"]["meta_info"]));
}

// A solution from a route pool (of two clients of one rank the later stays) and its dump.
TEST(SearchDiagnostics, PoolSolutionAndItsDump)
{
    Fleet fleet({2, 3, 4, 5}, 10);
    fleet.instance.containers[1].fixed_cost = 50.0;
    fleet.instance.containers[1].var_cost = 2.0;
    // Route 0: client 3 then 1; route 1: clients 2 and 4 share rank 1; route 2: client 4.
    const RoutePool pool{
        {{2, 0, 1, 0}, {0, 1, 0, 1}, {0, 0, 0, 1}}, {120.5, 80.0, 60.25}, {0, 1, 1}};
    const VRP::Solution solution = fleet.vrp.build_solution_from_pool(pool, {1, 1, 0});
    EXPECT_EQ((std::vector<std::vector<int>>{{0, 3, 1}, {1, 4}}), shapes(solution));
    EXPECT_EQ((std::vector<std::vector<int>>{{6, 3, 1}, {5, 4}}), shapes(solution, true));
    EXPECT_EQ((std::vector<int>{3, 0}), solution.remaining_vehicles);
    EXPECT_TRUE(solution.total_distance == 30.0 + 20.0 &&
                solution.total_cost == 100.0 + 30.0 + 50.0 + 2.0 * 20.0);

    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tovalo_search_dump_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    fleet.vrp.dump_solution_csv(fleet.solution({{0, {2}}}));
    std::filesystem::current_path(before);
    EXPECT_EQ("clients;0;2;0;\nload;0;3;0;\nearly_tw;0;0;0;\nlate_tw;100000;100000;100000;\n"
              "service_time;0;0;0;\ndist;10;10;\ntime;10;10;\nw;0;0;0;\nb;0;0;0;\n",
              read_text((dir / VRP::solution_dump_path).string()));
    std::filesystem::remove_all(dir);
}

// A stop requested before the search, or a limit already passed, ends the first local search
// at its first inter-route move: the construction with route 0 polished, then the final pass.
TEST(SearchLimits, AStopOrAPassedLimitEndsTheFirstLocalSearchAtItsFirstMove)
{
    auto instance = [] {
        std::mt19937 rng(5);
        Instance made = random_instance(rng, 300);
        made.containers = {Container{"van", 200, 300, 100.0, 1.0}};
        return made;
    };
    for (const auto& [stop_first, max_time] : {std::pair{true, 1e9}, std::pair{false, 0.0}}) {
        Instance searched = instance();
        VRP search(&searched);
        const std::atomic<bool> stop{stop_first};
        search.stop_request = &stop;
        search.check_instance();
        const VRP::Solution result = search.multi_start_ils(max_time);
        EXPECT_EQ(1, search.stats.restarts) << stop_first;

        Instance replayed = instance();  // made after the search: the draws run in order
        VRP replay(&replayed);
        replay.check_instance();
        VRP::Solution best, solution = replay.randomized_insertion();
        int best_routes = 2147483647;
        replay.add_empty_routes(solution);
        replay.intra_route_search(solution, 0);
        replay.remove_empty_routes(solution);
        replay.keep_best(best, solution, best_routes);
        for (unsigned r = 0; r < best.routes.size(); ++r) replay.intra_route_search(best, r);
        EXPECT_EQ(route_clients(best), route_clients(result)) << stop_first;
        EXPECT_EQ(best.total_cost, result.total_cost) << stop_first;
    }
}

// Open routes get return legs of 0, which break the triangle inequality of any matrix; the
// flag (read with a limited fleet) follows the matrix as given.
TEST(SearchLimits, TriangularIsDecidedOnTheMatrixAsGivenForOpenRoutes)
{
    for (const char* s_prob_type : {"VRPTW", "OVRPTW"}) {
        rapidjson::Document document = load_test_document("solomon_r101_25_one_vehicle.json");
        document["input"]["meta_info"]["prob_type"].SetString(rapidjson::StringRef(s_prob_type));
        Instance instance;
        ASSERT_FALSE(InstanceReader(&instance, 0, document).failed());
        VRP vrp(&instance);
        vrp.check_instance();
        ASSERT_FALSE(vrp.fleet_unlimited);
        EXPECT_TRUE(vrp.triangular) << s_prob_type;
        instance.Mdij[1][2] = instance.Mdij[1][3] + instance.Mdij[3][2] + 1.0;  // a shorter detour
        EXPECT_FALSE(VRP(&instance).check_triangular_inequality()) << s_prob_type;
    }
}

// The randomized insertion's draws and routes per seed as golden/insertions.txt records them
// (seed 3 draws the detour criterion with the weight 0), on asymmetric legs, a limited fleet.
TEST(RandomizedInsertion, DrawsAndRoutesRepeatTheRecord)
{
    std::mt19937 rng(7);
    Instance instance = random_instance(rng, 9);
    VRP vrp(&instance);
    vrp.check_instance();
    std::string s_record;
    for (unsigned seed = 1; seed <= 24; ++seed) {
        std::srand(seed);
        const VRP::Solution solution = vrp.randomized_insertion();
        s_record += std::to_string(seed) + " " + std::to_string(draws_since(seed)) + " draws |";
        for (const std::vector<int>& v_clients : route_clients(solution)) {
            for (int c : v_clients) s_record += " " + std::to_string(c);
            s_record += " |";
        }
        s_record += "\n";
    }
    EXPECT_EQ(read_text("insertions.txt", true) + "\n", s_record);
}

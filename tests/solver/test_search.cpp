// The search around the moves: the random draws of the local searches and disturbances,
// keeping the best solution, the multi-start search under its time limit, the entry
// functions' refusals and the developer dumps.

#include "document_checks.h"
#include "solver_entry.h"

#include <filesystem>
#include <unistd.h>

using namespace test_support;

namespace {

// A van of the given capacity (four of them) and a car, both fixed cost 100, and the DUMMY
// record appended as a limited fleet's construction would.
struct Fleet {
    Instance instance;
    VRP vrp{&instance};
    int dummy = -1;

    Fleet(const std::vector<int>& v_demands, int capacity)
        : instance(flat_instance(v_demands, {Container{"van", capacity, 4, 100.0, 1.0}, Container{"car", 10, 1, 100.0, 1.0}}))
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

// With nothing to improve both local searches draw each move once: one of the 4 intra-route
// moves, then of the 3, 2 and 1 left, on the one route; then 6 down to 1 of the inter-route
// ones. The DUMMY route is never reordered and draws nothing.
TEST(LocalSearch, NothingToImproveDrawsEachMoveOnceAndTheDummyRouteNothing)
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
    VRP::Solution solution = fleet.solution({{fleet.dummy, {2, 1}}});
    std::srand(5);
    fleet.vrp.intra_route_search(solution, 0);
    EXPECT_EQ(0, draws_since(5));
    EXPECT_EQ((std::vector<std::vector<int>>{{2, 1}}), route_clients(solution));
}

// The disturbances' draws and trades, seed by seed, as golden/disturbances.txt records them
// (draws, then each route's load and clients): five routes (three on the van of capacity
// 15, one empty, one on the DUMMY record); two routes whose trade would fill a vehicle
// exactly (loads 5 and 6 on capacity 6), refused though it draws; one route, no draw.
TEST(Disturbance, DrawsAndTradesRepeatTheRecord)
{
    Fleet five({3, 4, 5, 6, 2, 7, 9}, 15);
    Fleet exact({5, 6}, 6);
    std::string s_record;
    for (unsigned seed = 1; seed <= 16; ++seed) {
        for (const bool exchange : {false, true}) {
            for (Fleet* fleet : {&five, &exact}) {
                VRP::Solution solution =
                    fleet == &five ? five.solution({{0, {1, 2, 3}}, {0, {4, 5}}, {0, {6}}, {0, {}}, {five.dummy, {7}}})
                                   : exact.solution(seed % 2 == 0 ? RoutePlan{{0, {1}}, {0, {2}}} : RoutePlan{{0, {1, 2}}});
                std::srand(seed);
                exchange ? fleet->vrp.disturb_exchange(solution) : fleet->vrp.disturb_swap(solution);
                s_record += std::to_string(seed) + (exchange ? " exchange " : " swap ") +
                            std::to_string(draws_since(seed)) + " draws |";
                for (const auto& v_shape : shapes(solution, true)) {
                    for (int value : v_shape) {
                        s_record += " " + std::to_string(value);
                    }
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
        RoutePlan best;
        double best_cost;
        RoutePlan candidate;
        double candidate_cost;
        bool replaced;
    };
    for (const Case& c : std::vector<Case>{
             {"fewer routes but unserved clients never win", all_on_four, 900, two_and_dummy, 10, false},
             {"serving everyone wins at any cost", two_and_dummy, 10, all_on_four, 900, true},
             {"fewer unserved clients win", two_and_dummy, 10, {{0, {1, 2, 3, 4, 5, 6, 7}}, {d, {8}}}, 900, true},
             {"fewer real routes win at a higher cost", all_on_four, 400, all_on_three, 500, true},
             {"more real routes lose at a lower cost", all_on_three, 500, all_on_four, 400, false},
             {"as many routes: the cheaper wins", all_on_four, 400, other_four, 399, true},
             {"as many routes and equal cost: the earlier stays", all_on_four, 400, other_four, 400, false},
             {"the first candidate always wins", {}, 1.7976931348623157e308, {{d, {1, 2, 3, 4, 5, 6, 7, 8}}}, 5e9,
              true}}) {
        VRP::Solution best = fleet.solution(c.best, c.best_cost);
        int best_routes = c.best.empty() ? 2147483647 : fleet.vrp.real_route_count(best);
        fleet.vrp.keep_best(best, fleet.solution(c.candidate, c.candidate_cost), best_routes);
        const VRP::Solution expected = fleet.solution(c.replaced ? c.candidate : c.best);
        EXPECT_EQ(c.replaced ? c.candidate_cost : c.best_cost, best.total_cost) << c.s_name;
        EXPECT_EQ(route_clients(expected), route_clients(best)) << c.s_name;
        EXPECT_EQ(fleet.vrp.real_route_count(expected), best_routes) << c.s_name;
        EXPECT_EQ(fleet.vrp.unrouted_count(expected), fleet.vrp.unrouted_count(best)) << c.s_name;
    }
}

// A limit of zero or less still completes one restart, so that every client is routed or
// listed, and both variants draw alike; the restarts without disturbance likewise. What
// cannot be read or solved is refused with a code.
TEST(SolveMethods, EveryMethodCompletesARestartOrRefusesWithACode)
{
    rapidjson::Document input = load_test_document("solomon_c101_25.json");
    for (const double max_time : {0.0, -1.0}) {
        input["input"]["meta_info"]["max_time"].SetDouble(max_time);
        SolveStats stats;
        const rapidjson::Document result = run_vrp_method(input, 3, &stats);
        EXPECT_EQ(1, stats.restarts) << max_time;
        EXPECT_GT(result["output"]["summary"]["total_time"].GetDouble(), 0.0);  // the clock, no budget
        EXPECT_EQ(0u, result["output"]["data"]["unrouted_clients"].Size());
        expect_complete_and_within_capacity(result);
        EXPECT_EQ(json_to_string(result["output"]["data"]["routes"]),
                  json_to_string(run_vrp_method(input, 4, nullptr)["output"]["data"]["routes"]));
    }
    Instance instance = flat_instance({1, 2, 3, 4}, {Container{"van", 10, 4, 10.0, 1.0}});
    VRP vrp(&instance);
    vrp.check_instance();
    const VRP::Solution best = vrp.grasp_search(0.0);
    EXPECT_EQ(1, vrp.stats.restarts);
    ASSERT_EQ(1u, best.routes.size());
    EXPECT_EQ(6u, best.routes[0].visits.size());
    EXPECT_EQ(10.0 + 50.0, best.total_cost);

    const rapidjson::Document unbuilt = run_vrp_method(input, 5, nullptr);
    EXPECT_STREQ("solve_method_unavailable", unbuilt["output"]["meta_info"]["error"].GetString());
    EXPECT_TRUE(unbuilt.HasMember("input") && !unbuilt["output"].HasMember("data"));
    input["input"]["data"]["clients"].SetArray();  // not even a depot
    EXPECT_STREQ("missing_json_field", run_vrp_insertion(input)["output"]["meta_info"]["error"].GetString());
    input["input"]["data"].RemoveMember("clients");
    const rapidjson::Document unread = run_vrp_insertion(input);
    EXPECT_STREQ("missing_json_field", unread["output"]["meta_info"]["error"].GetString());
    EXPECT_TRUE(unread["output"]["meta_info"].HasMember("message"));
}

// Developer aids: a solution from a route pool (of two clients with the same rank the
// later one stays), the dumps of pools and solutions (nothing written where the file
// cannot be opened), and the console checks of loads and vehicle types.
TEST(SearchDiagnostics, PoolSolutionDumpsAndConsoleChecks)
{
    Fleet fleet({2, 3, 4, 5}, 10);
    fleet.instance.containers[1].fixed_cost = 50.0;
    fleet.instance.containers[1].var_cost = 2.0;
    // Route 0: client 3 then 1; route 1: clients 2 and 4 share rank 1; route 2: client 4.
    const RoutePool pool{{{2, 0, 1, 0}, {0, 1, 0, 1}, {0, 0, 0, 1}}, {120.5, 80.0, 60.25}, {0, 1, 1}};
    const VRP::Solution solution = fleet.vrp.build_solution_from_pool(pool, {1, 1, 0});
    EXPECT_EQ((std::vector<std::vector<int>>{{3, 1}, {4}}), route_clients(solution));
    EXPECT_EQ((std::vector<int>{3, 0, 6, 5}), (std::vector<int>{solution.remaining_vehicles[0],
              solution.remaining_vehicles[1], solution.route_load[0], solution.route_load[1]}));
    EXPECT_EQ(1, solution.routes[1].container);
    EXPECT_EQ(30.0 + 20.0, solution.total_distance);
    EXPECT_DOUBLE_EQ(100.0 + 30.0 + 50.0 + 2.0 * 20.0, solution.total_cost);

    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tovalo_search_dump_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    write_route_pool_csv(pool, {0, 1, 1}, (dir / "pool.csv").string());
    EXPECT_EQ("0;1;0;1;80\n0;0;0;1;60.25\n", read_text((dir / "pool.csv").string()));
    write_route_pool_csv(pool, {1, 0, 0}, (dir / "missing" / "pool.csv").string());
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    fleet.vrp.dump_solution_csv(fleet.solution({{0, {2}}}));
    std::filesystem::current_path(before);
    EXPECT_EQ("clients;0;2;0;\nload;0;3;0;\nearly_tw;0;0;0;\nlate_tw;100000;100000;100000;\n"
              "service_time;0;0;0;\ndist;10;10;\ntime;10;10;\nw;0;0;0;\nb;0;0;0;\n",
              read_text((dir / VRP::solution_dump_path).string()));
    std::filesystem::remove_all(dir);

    VRP::Solution overloaded = fleet.solution({{0, {1, 2}}, {1, {3, 4}}});
    overloaded.route_load[1] = 11;  // above the car's capacity
    testing::internal::CaptureStdout();
    fleet.vrp.check_route_loads(overloaded);
    print_route_containers(overloaded);
    EXPECT_EQ("\nunfeasible load -\n0-1-", testing::internal::GetCapturedStdout());
}

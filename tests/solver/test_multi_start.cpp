// The multi-start search on whole Solomon documents: the time limit, the restarts and
// what the solution must hold whatever the limit.

#include "document_checks.h"
#include "instance_reader.h"
#include "move_fixtures.h"
#include "solver_entry.h"
#include "solver_utils.h"

#include <gtest/gtest.h>

#include <cstdlib>

using test_support::expect_complete_and_within_capacity;
using test_support::load_test_document;

namespace {

rapidjson::Document document_with_limit(const char* s_name, double max_time)
{
    rapidjson::Document document = load_test_document(s_name);
    document["input"]["meta_info"]["max_time"].SetDouble(max_time);
    return document;
}

Instance read_test_instance(const char* s_name)
{
    Instance instance;
    const rapidjson::Document input = load_test_document(s_name);
    InstanceReader reader(&instance, 0, input);
    EXPECT_FALSE(reader.failed());
    return instance;
}

}  // namespace

TEST(MultiStart, ALimitOfZeroOrLessStillCompletesOneRestartAndBothVariantsDrawAlike)
{
    for (const double max_time : {0.0, -1.0}) {
        const rapidjson::Document input = document_with_limit("solomon_c101_25.json", max_time);
        SolveStats stats;
        const rapidjson::Document result = run_vrp_method(input, 3, &stats);
        ASSERT_FALSE(result["output"].HasMember("meta_info"));
        EXPECT_EQ(1, stats.restarts) << max_time;
        EXPECT_GT(result["output"]["data"]["routes"].Size(), 0u);
        EXPECT_EQ(0u, result["output"]["data"]["unrouted_clients"].Size());
        expect_complete_and_within_capacity(result);
        // One restart each (no disturbance iteration): only the clock could tell them apart.
        const rapidjson::Document variant = run_vrp_method(input, 4, nullptr);
        EXPECT_EQ(json_to_string(result["output"]["data"]["routes"]),
                  json_to_string(variant["output"]["data"]["routes"]));
    }
}

TEST(MultiStart, RestartsUntilTheLimitAndBeatsItsConstruction)
{
    SolveStats stats;
    const rapidjson::Document result =
        run_vrp_method(document_with_limit("solomon_c101_25.json", 0.5), 3, &stats);
    EXPECT_GE(stats.restarts, 1);
    expect_complete_and_within_capacity(result);
    EXPECT_EQ(0u, result["output"]["data"]["unrouted_clients"].Size());
    SolveStats insertion;
    run_vrp_method(document_with_limit("solomon_c101_25.json", 0.5), 2, &insertion);
    EXPECT_LE(stats.total_cost, insertion.total_cost);
}

TEST(MultiStart, RestartsWithoutDisturbanceServeEveryClient)
{
    Instance instance = read_test_instance("solomon_c101_25.json");
    VRP vrp(&instance);
    vrp.check_instance();
    const VRP::Solution best = vrp.grasp_search(0.0);
    EXPECT_EQ(1, vrp.stats.restarts);
    EXPECT_EQ(0, vrp.unrouted_count(best));
    std::size_t served = 0;
    for (const auto& v_clients : test_support::route_clients(best)) {
        served += v_clients.size();
    }
    EXPECT_EQ(25u, served);
}

TEST(MultiStart, ALimitOfZeroEndsTheFirstLocalSearchBeforeItsFirstMove)
{
    // The restart runs its construction; its local search polishes route 0, then finds the
    // limit passed before its first inter-route move; nothing is disturbed, and the best
    // gets its final intra-route pass.
    Instance searched = read_test_instance("solomon_c101_25.json");
    VRP search(&searched);
    search.check_instance();
    const VRP::Solution result = search.multi_start_ils(0.0);
    EXPECT_EQ(1, search.stats.restarts);
    const int after_search = std::rand();

    Instance replayed = read_test_instance("solomon_c101_25.json");
    VRP replay(&replayed);
    replay.check_instance();
    ASSERT_TRUE(replay.fleet_unlimited);
    VRP::Solution best;
    int best_routes = 2147483647;
    VRP::Solution solution = replay.randomized_insertion();
    replay.add_empty_routes(solution);
    replay.intra_route_search(solution, 0);
    replay.remove_empty_routes(solution);
    replay.keep_best(best, solution, best_routes);
    for (unsigned r = 0; r < best.routes.size(); ++r) {
        replay.intra_route_search(best, r);
    }
    EXPECT_EQ(after_search, std::rand());
    EXPECT_EQ(test_support::route_clients(best), test_support::route_clients(result));
    EXPECT_EQ(best.total_cost, result.total_cost);
}

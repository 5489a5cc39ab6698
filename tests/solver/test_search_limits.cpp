// What ends a search inside a restart (a stop request, or a time limit already passed),
// and on which matrix the triangle flag is decided for open routes.

#include "document_checks.h"
#include "instance_reader.h"
#include "solver_support.h"
#include "vrp.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>

using namespace test_support;

namespace {

// A random instance whose fleet takes every client, so that the full descent runs and
// its first local search alone would take many moves.
Instance unlimited_random_instance(int clients)
{
    std::mt19937 rng(5);
    Instance instance = random_instance(rng, clients);
    instance.containers = {Container{"van", 200, clients, 100.0, 1.0}};
    return instance;
}

}  // namespace

// A stop requested before the search, or a limit that has passed, ends the first local
// search before its first inter-route move: the result is the construction with route 0
// polished, then the final intra-route pass, and nothing is disturbed.
TEST(SearchLimits, AStopOrAPassedLimitEndsTheFirstLocalSearchAtItsFirstMove)
{
    struct Case {
        bool stop;
        double max_time;
    };
    for (const Case& c : {Case{true, 1e9}, Case{false, 0.0}}) {
        Instance searched = unlimited_random_instance(300);
        VRP search(&searched);
        const std::atomic<bool> stop{c.stop};
        search.stop_request = &stop;
        search.check_instance();
        const VRP::Solution result = search.multi_start_ils(c.max_time);
        EXPECT_EQ(1, search.stats.restarts) << c.stop;

        Instance replayed = unlimited_random_instance(300);
        VRP replay(&replayed);
        replay.check_instance();
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
        EXPECT_EQ(route_clients(best), route_clients(result)) << c.stop;
        EXPECT_EQ(best.total_cost, result.total_cost) << c.stop;
    }
}

// Open routes: the reader sets the return legs to 0, which breaks the triangle inequality
// of any matrix; the flag (read with a limited fleet) follows the matrix as given.
TEST(SearchLimits, TriangularIsDecidedOnTheMatrixAsGivenForOpenRoutes)
{
    for (const char* s_prob_type : {"VRPTW", "OVRPTW"}) {
        rapidjson::Document document = load_test_document("solomon_r101_25_one_vehicle.json");
        document["input"]["meta_info"]["prob_type"].SetString(rapidjson::StringRef(s_prob_type));
        Instance instance;
        const InstanceReader reader(&instance, 0, document);
        ASSERT_FALSE(reader.failed());
        VRP vrp(&instance);
        vrp.check_instance();
        ASSERT_FALSE(vrp.fleet_unlimited);
        EXPECT_TRUE(vrp.triangular) << s_prob_type;
        // A detour shorter than its direct leg is still found in the given matrix.
        instance.Mdij[1][2] = instance.Mdij[1][3] + instance.Mdij[3][2] + 1.0;
        EXPECT_FALSE(VRP(&instance).check_triangular_inequality()) << s_prob_type;
    }
}

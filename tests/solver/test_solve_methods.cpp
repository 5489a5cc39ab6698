// The solve dispatcher: every method runs, the deterministic ones repeat themselves
// byte for byte, and an unknown method extracts an empty solution.

#include "document_checks.h"
#include "search_support.h"
#include "solver_entry.h"

#include <gtest/gtest.h>

using test_support::expect_complete_and_within_capacity;
using test_support::load_test_document;

TEST(SolveMethods, ConstructionsRepeatThemselvesByteForByte)
{
    const rapidjson::Document input = load_test_document("solomon_c101_25.json");
    using Entry = rapidjson::Document (*)(const rapidjson::Value&);
    for (const Entry entry : {Entry{run_vrp_savings}, Entry{run_vrp_savings_sweep},
                              Entry{run_vrp_insertion}}) {
        const rapidjson::Document first = entry(input);
        ASSERT_FALSE(first["output"].HasMember("meta_info"));
        expect_complete_and_within_capacity(first);
        EXPECT_EQ(json_to_string(first), json_to_string(entry(input)));
    }
}

TEST(SolveMethods, EveryMethodServesEveryClient)
{
    rapidjson::Document input = load_test_document("solomon_r101_25_one_vehicle.json");
    input["input"]["meta_info"]["max_time"].SetDouble(0.05);
    for (int method = 0; method <= 4; ++method) {
        const rapidjson::Document result = run_vrp_method(input, method, nullptr);
        ASSERT_FALSE(result["output"].HasMember("meta_info")) << method;
        expect_complete_and_within_capacity(result);
    }
}

TEST(SolveMethods, AnUnknownMethodExtractsAnEmptySolution)
{
    for (const int method : {5, -1}) {
        Instance instance = test_support::flat_instance({1, 2});
        instance.containers.push_back(test_support::make_container("van", 10, 1, 1.0, 1.0));
        VRP vrp(&instance);
        vrp.solve(method);
        EXPECT_TRUE(instance.routes.empty());
        EXPECT_TRUE(instance.unrouted_clients.empty());
        EXPECT_EQ(0, instance.n_used_vehicles);
        EXPECT_EQ(0, vrp.stats.restarts);
    }
}

TEST(SolveMethods, NoVehicleTypeAndNoClientStillSolves)
{
    // The local search then starts on a route 0 that does not exist.
    for (const int method : {3, 4}) {
        Instance instance = test_support::flat_instance({});
        VRP vrp(&instance);
        vrp.solve(method);
        EXPECT_EQ(1, vrp.stats.restarts);
        EXPECT_TRUE(instance.routes.empty());
        EXPECT_TRUE(instance.unrouted_clients.empty());
    }
}

// The entry functions and the solve dispatcher on whole documents: every method serves
// every client, the constructions repeat themselves byte for byte, and what cannot be
// solved is refused with a code.

#include "document_checks.h"
#include "search_support.h"
#include "solver_entry.h"

#include <gtest/gtest.h>

#include <cstdlib>

using test_support::expect_complete_and_within_capacity;
using test_support::load_test_document;

namespace {

std::string error_code(const rapidjson::Document& document)
{
    return document["output"]["meta_info"]["error"].GetString();
}

}  // namespace

TEST(SolveMethods, ConstructionsRepeatThemselvesByteForByte)
{
    const rapidjson::Document input = load_test_document("solomon_c101_25.json");
    ASSERT_TRUE(input.IsObject());
    using Entry = rapidjson::Document (*)(const rapidjson::Value&);
    for (const Entry entry : {Entry{run_vrp_savings}, Entry{run_vrp_savings_sweep},
                              Entry{run_vrp_insertion}}) {
        const rapidjson::Document first = entry(input);
        ASSERT_FALSE(first["output"].HasMember("meta_info"));
        expect_complete_and_within_capacity(first);
        EXPECT_EQ(0u, first["output"]["data"]["unrouted_clients"].Size());
        std::srand(99);  // no construction depends on what the generator holds
        EXPECT_EQ(json_to_string(first), json_to_string(entry(input)));
    }
}

TEST(SolveMethods, EveryMethodServesEveryClientOfALimitedFleet)
{
    rapidjson::Document input = load_test_document("solomon_r101_25_one_vehicle.json");
    input["input"]["meta_info"]["max_time"].SetDouble(0.05);
    for (int method = 0; method <= 4; ++method) {
        const rapidjson::Document result = run_vrp_method(input, method, nullptr);
        ASSERT_FALSE(result["output"].HasMember("meta_info")) << method;
        expect_complete_and_within_capacity(result);
    }
    // The DUMMY clients are listed as unrouted; the DUMMY is neither a used vehicle nor named.
    const rapidjson::Document result = run_vrp_insertion(input);
    const rapidjson::Value& summary = result["output"]["summary"];
    EXPECT_EQ(1u, result["output"]["data"]["routes"].Size());
    EXPECT_GT(result["output"]["data"]["unrouted_clients"].Size(), 0u);
    EXPECT_EQ(1, summary["n_used_vehicles"].GetInt());
    EXPECT_EQ(1u, summary["remaining_vehicles"].Size());
    EXPECT_STREQ("V", result["output"]["data"]["routes"][0]["container_id"].GetString());
}

TEST(SolveMethods, AnUnknownMethodIsRefusedAndSolvesNothing)
{
    rapidjson::Document input = load_test_document("solomon_c101_25.json");
    const rapidjson::Document unbuilt = run_vrp_method(input, 5, nullptr);
    EXPECT_EQ("solve_method_unavailable", error_code(unbuilt));
    EXPECT_FALSE(unbuilt["output"].HasMember("data"));
    EXPECT_TRUE(unbuilt.HasMember("input"));
    for (const int method : {5, -1}) {
        Instance instance = test_support::flat_instance({1, 2});
        instance.containers.push_back(test_support::make_container("van", 10, 1, 1.0, 1.0));
        VRP vrp(&instance);
        vrp.solve(method);
        EXPECT_TRUE(instance.routes.empty());
        EXPECT_TRUE(instance.unrouted_clients.empty());
        EXPECT_EQ(0, vrp.stats.restarts);
    }
}

TEST(SolveMethods, DocumentsWithoutClientsAreRefused)
{
    rapidjson::Document input = load_test_document("solomon_c101_25.json");
    input["input"]["data"]["clients"].SetArray();  // not even a depot
    EXPECT_EQ("missing_json_field", error_code(run_vrp_insertion(input)));
    input["input"]["data"].RemoveMember("clients");
    const rapidjson::Document unread = run_vrp_insertion(input);
    EXPECT_EQ("missing_json_field", error_code(unread));
    EXPECT_TRUE(unread["output"]["meta_info"].HasMember("message"));
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

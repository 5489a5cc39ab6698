// The entry functions on whole documents, with Solomon instances from tests/data.

#include "document_checks.h"
#include "json_document.h"
#include "solver_entry.h"

#include <gtest/gtest.h>

#include <string>

using test_support::expect_complete_and_within_capacity;
using test_support::load_test_document;

namespace {

std::string error_code(const rapidjson::Document& document)
{
    return document["output"]["meta_info"]["error"].GetString();
}

}  // namespace

TEST(SolverEntry, InsertionServesEverySolomonClientOnceWithinCapacity)
{
    for (const char* s_name : {"solomon_c101_25.json", "solomon_r101_25_one_vehicle.json"}) {
        const rapidjson::Document input = load_test_document(s_name);
        ASSERT_TRUE(input.IsObject()) << s_name;
        const rapidjson::Document result = run_vrp_insertion(input);
        ASSERT_FALSE(result["output"].HasMember("meta_info")) << s_name;
        expect_complete_and_within_capacity(result);
    }
}

TEST(SolverEntry, LimitedFleetReportsTheDummyClientsAsUnrouted)
{
    const rapidjson::Document input = load_test_document("solomon_r101_25_one_vehicle.json");
    const rapidjson::Document result = run_vrp_insertion(input);
    const rapidjson::Value& summary = result["output"]["summary"];
    EXPECT_EQ(1u, result["output"]["data"]["routes"].Size());
    EXPECT_GT(result["output"]["data"]["unrouted_clients"].Size(), 0u);
    EXPECT_EQ(1, summary["n_used_vehicles"].GetInt());
    EXPECT_EQ(1u, summary["remaining_vehicles"].Size());
    // The DUMMY record is the solver's own: the output names no such vehicle.
    EXPECT_STREQ("V", result["output"]["data"]["routes"][0]["container_id"].GetString());
}

TEST(SolverEntry, InsertionRepeatsItselfByteForByte)
{
    const rapidjson::Document input = load_test_document("solomon_c101_25.json");
    const std::string s_first = json_to_string(run_vrp_insertion(input));
    const std::string s_second = json_to_string(run_vrp_insertion(input));
    EXPECT_EQ(s_first, s_second);
}

TEST(SolverEntry, RefusesWhatItCannotSolve)
{
    rapidjson::Document input = load_test_document("solomon_c101_25.json");
    const rapidjson::Document unbuilt = run_vrp_method(input, 5, nullptr);
    EXPECT_EQ("solve_method_unavailable", error_code(unbuilt));
    EXPECT_FALSE(unbuilt["output"].HasMember("data"));
    EXPECT_TRUE(unbuilt.HasMember("input"));

    input["input"]["data"]["clients"].SetArray();  // not even a depot
    EXPECT_EQ("missing_json_field", error_code(run_vrp_insertion(input)));

    input["input"]["data"].RemoveMember("clients");
    const rapidjson::Document unread = run_vrp_insertion(input);
    EXPECT_EQ("missing_json_field", error_code(unread));
    EXPECT_TRUE(unread["output"]["meta_info"].HasMember("message"));
}

// The entry functions on whole documents, with Solomon instances from tests/data.

#include "json_document.h"
#include "solver_entry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

rapidjson::Document load_test_document(const std::string& s_name)
{
    const char* s_dir = std::getenv("TOVALO_TEST_DATA");
    return load_json_file(std::string(s_dir != nullptr ? s_dir : "tests/data") + "/" + s_name);
}

// Every client served exactly once by a real route or listed as unrouted, and no
// route above its vehicle's capacity.
void expect_complete_and_within_capacity(const rapidjson::Document& document)
{
    const rapidjson::Value& data = document["input"]["data"];
    const rapidjson::Value& output = document["output"]["data"];
    std::vector<int> v_seen(data["clients"].Size(), 0);
    for (const rapidjson::Value& route : output["routes"].GetArray()) {
        const rapidjson::Value& container =
            data["containers"][route["container_index"].GetUint()];
        int load = 0;
        for (const rapidjson::Value& visit : route["visits"].GetArray()) {
            const int index = visit["index"].GetInt();
            load += data["clients"][static_cast<unsigned>(index)]["demand"].GetInt();
            ++v_seen[static_cast<std::size_t>(index)];
        }
        load -= 2 * data["clients"][0]["demand"].GetInt();
        EXPECT_EQ(route["total_load"].GetInt(), load);
        EXPECT_LE(load, container["container_dim"].GetInt());
    }
    for (const rapidjson::Value& client : output["unrouted_clients"].GetArray()) {
        ++v_seen[client.GetUint()];
    }
    for (std::size_t c = 1; c < v_seen.size(); ++c) {
        EXPECT_EQ(1, v_seen[c]) << "client " << c;
    }
}

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

#include "output_writer.h"

#include "json_document.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One served route and one route with only the depot twice; client 3 unrouted.
Instance solved_instance()
{
    const OutputVisit depot{0, "Depot", 0, 0, 0};
    Instance instance;
    instance.routes = {
        {1000, 1532.5, 0, "Van \"1\"", 0, 12,
         {depot, {2, "B", 100, 20, 720}, {0, "Depot", 900, 0, 900}}},
        {0, 0, 0, "Truck", 1, 0, {depot, depot}}};
    instance.unrouted_clients = {3};
    instance.remaining_vehicles = {1, -1};
    instance.n_used_vehicles = 2;
    instance.total_distance = 1000;
    instance.total_travel = 1532.5;
    instance.total_waiting = 20;  // never written
    instance.total_time = 2.25;
    return instance;
}

}  // namespace

TEST(OutputWriter, WritesTheResultAfterTheInputMembers)
{
    Instance instance = solved_instance();
    const auto input = string_to_json(R"({"z":1,"input":{"a":[2.0,3]},"meta":"x"})");
    const InstanceReader reader(&instance, 1, input);

    const std::string s_expected =
        R"({"z":1,"input":{"a":[2.0,3]},"meta":"x","output":{"data":{"routes":[)"
        R"({"visits":[{"id":"Depot","index":0,"arrival":0,"waiting":0,"departure":0},)"
        R"({"id":"B","index":2,"arrival":100,"waiting":20,"departure":720},)"
        R"({"id":"Depot","index":0,"arrival":900,"waiting":0,"departure":900}],)"
        R"("container_id":"Van \"1\"","container_index":0,"total_load":12,)"
        R"("distance":1000.0,"travel_time":1532.5,"waiting_time":0.0},)"
        R"({"visits":[{"id":"Depot","index":0,"arrival":0,"waiting":0,"departure":0},)"
        R"({"id":"Depot","index":0,"arrival":0,"waiting":0,"departure":0}],)"
        R"("container_id":"Truck","container_index":1,"total_load":0,)"
        R"("distance":0.0,"travel_time":0.0,"waiting_time":0.0}],"unrouted_clients":[3]},)"
        R"("summary":{"total_distance":1000.0,"total_travel":1532.5,"n_used_vehicles":2,)"
        R"("total_time":2.25,"remaining_vehicles":[1,-1]}}})";
    EXPECT_EQ(json_to_string(write_output_json(reader, input)), s_expected);
    EXPECT_EQ(json_to_string(make_output_document(reader, 7, input)), s_expected);
    EXPECT_EQ(json_to_string(input), R"({"z":1,"input":{"a":[2.0,3]},"meta":"x"})");
}

// An empty result, a stale output of a document solved again, a root that is no
// object and a missing instance: always one output, last.
TEST(OutputWriter, EmptyResultReplacesStaleOutputsWithOneOutputLast)
{
    const std::string s_empty =
        R"("output":{"data":{"routes":[],"unrouted_clients":[]},"summary":{"total_distance":0.0,)"
        R"("total_travel":0.0,"n_used_vehicles":0,"total_time":0.0,"remaining_vehicles":[]}})";
    Instance instance;
    const struct {
        const char* s_input;
        std::string s_expected;
        Instance* instance;
    } cases[] = {
        {R"({"input":{}})", R"({"input":{},)" + s_empty + "}", &instance},
        {R"({"output":{"old":1},"input":{},"output":2,"meta":[]})",
         R"({"input":{},"meta":[],)" + s_empty + "}", &instance},
        {"[1]", "{" + s_empty + "}", nullptr},
    };
    for (const auto& c : cases) {
        const auto input = string_to_json(c.s_input);
        const InstanceReader reader(c.instance, 1, input);
        EXPECT_EQ(json_to_string(write_output_json(reader, input)), c.s_expected) << c.s_input;
    }
}

TEST(OutputWriter, ErrorRecordIsTheOnlyOutputAndLast)
{
    const struct {
        const char* s_input;
        const char* s_message;
        const char* s_expected;
    } cases[] = {
        {R"({"input":{}})", "missing 'data' field",
         R"({"input":{},"output":{"meta_info":{"error":"code","message":"missing 'data' field"}}})"},
        {R"({"input":{}})", "", R"({"input":{},"output":{"meta_info":{"error":"code"}}})"},
        {R"({"output":{"data":{}},"input":1})", "",
         R"({"input":1,"output":{"meta_info":{"error":"code"}}})"},
        {"null", "m", R"({"output":{"meta_info":{"error":"code","message":"m"}}})"},
        {"[1]", "", R"({"output":{"meta_info":{"error":"code"}}})"},
    };
    for (const auto& c : cases) {
        auto document = string_to_json(c.s_input);
        add_error_record(document, "code", c.s_message);
        EXPECT_EQ(json_to_string(document), c.s_expected) << c.s_input;
    }
}

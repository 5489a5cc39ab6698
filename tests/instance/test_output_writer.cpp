#include "instance_test_support.h"
#include "output_writer.h"

namespace {

// One served route and one route with only the depot twice; client 3 unrouted.
Instance solved_instance()
{
    const OutputVisit depot{0, "Depot", 0, 0, 0};
    Instance instance;
    const OutputVisit b{2, "B", 100, 20, 720};
    instance.routes = {{1000, 1532.5, 0, "Van \"1\"", 0, 12, {depot, b, {0, "Depot", 900, 0, 900}}},
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
    const std::string s_golden = read_bytes(data_path("solved_output.json"));
    EXPECT_EQ(json_to_string(write_output_json(reader, input)), s_golden);
    EXPECT_EQ(json_to_string(make_output_document(reader, 7, input)), s_golden);
    EXPECT_EQ(json_to_string(input), R"({"z":1,"input":{"a":[2.0,3]},"meta":"x"})");
}

// An empty result or an error record, over a stale output of a document solved again, a
// root that is no object or a missing instance: always one output, last.
TEST(OutputWriter, EmptyResultsAndErrorRecordsReplaceStaleOutputsWithOneOutputLast)
{
    const std::string s_empty =
        R"("output":{"data":{"routes":[],"unrouted_clients":[]},"summary":{"total_distance":0.0,)"
        R"("total_travel":0.0,"n_used_vehicles":0,"total_time":0.0,"remaining_vehicles":[]}})";
    Instance instance;
    const std::pair<const char*, const char*> results[] = {
        {R"({"input":{}})", R"({"input":{},)"},
        {R"({"output":{"old":1},"input":{},"output":2,"meta":[]})", R"({"input":{},"meta":[],)"},
        {"[1]", "{"}};
    for (const auto& [s_input, s_kept] : results) {
        const auto input = string_to_json(s_input);
        const InstanceReader reader(input.IsObject() ? &instance : nullptr, 1, input);
        EXPECT_EQ(json_to_string(write_output_json(reader, input)), s_kept + s_empty + "}")
            << s_input;
    }
    const std::tuple<const char*, std::string, const char*> records[] = {
        {R"({"input":{}})", "m '", R"({"input":{},)"}, {R"({"input":{}})", "", R"({"input":{},)"},
        {R"({"output":{"data":{}},"input":1})", "", R"({"input":1,)"}, {"null", "m", "{"},
        {"[1]", "", "{"}};
    for (const auto& [s_input, s_message, s_kept] : records) {
        auto document = string_to_json(s_input);
        add_error_record(document, "code", s_message);
        EXPECT_EQ(json_to_string(document),
                  s_kept + std::string(R"("output":{"meta_info":{"error":"code")") +
                      (s_message.empty() ? "" : R"(,"message":")" + s_message + "\"") + "}}}")
            << s_input;
    }
}

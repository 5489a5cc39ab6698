#include "instance_reader.h"
#include "instance_test_support.h"

#include <string>

namespace {

constexpr double k_diagonal = 2147483647.0;
using Matrix = std::deque<std::deque<double>>;

// Three clients (depot first), one vehicle type, closed routes.
rapidjson::Document base_document()
{
    return string_to_json(R"({"input":{"data":{
  "clients":[
    {"id":"Depot","lat":"-23.5","early_tw":0,"late_tw":3600,"demand":0,"service_time":0},
    {"id":"A","early_tw":60,"late_tw":1800,"demand":4,"service_time":300,"obs":""},
    {"id":"B","early_tw":-120,"late_tw":2400,"demand":5,"service_time":600}],
  "containers":[{"container_id":"Van","container_qt":2,"container_dim":10,
                 "container_fixed_cost":150,"container_var_cost":2}],
  "operation_start_date":"01/02/2026 08:00",
  "Mdij":[[0,10,20],[11,0,21.5],[12,22,0]],
  "Mtij":[[0,100,200],[110,0,210],[120,220,0]]},
  "meta_info":{"max_time":45,"prob_type":"VRPTW"}}})");
}

// The base document with one value set (or erased when s_json is null), read.
struct Edited {
    Edited(const char* s_pointer = nullptr, const char* s_json = nullptr)
        : document(base_document())
    {
        if (s_pointer != nullptr) {
            set_value(document, s_pointer, s_json);
        }
        reader.read(0, document);
    }
    rapidjson::Document document;
    Instance instance;
    InstanceReader reader{&instance, 1, document};
};

}  // namespace

TEST(InstanceReader, ReadsClientsContainersMatricesAndTimeLimit)
{
    const Edited read;
    ASSERT_FALSE(read.reader.failed()) << read.reader.error_message();
    const Instance& instance = read.instance;
    ASSERT_EQ(instance.clients.size(), 3u);
    const Client& b = instance.clients[2];
    EXPECT_EQ(instance.clients[0].id, "Depot");
    EXPECT_EQ(b.id, "B");
    EXPECT_EQ(std::vector<int>({b.early_tw, b.late_tw, b.service_time, b.demand}),
              std::vector<int>({-120, 2400, 600, 5}));
    ASSERT_EQ(instance.containers.size(), 1u);
    const Container& van = instance.containers[0];
    EXPECT_EQ(van.container_id, "Van");
    EXPECT_EQ(std::vector<double>({1.0 * van.capacity, 1.0 * van.quantity, van.fixed_cost,
                                   van.var_cost, van.penalty}),
              std::vector<double>({10, 2, 150, 2, 0}));
    EXPECT_EQ(instance.Mdij, (Matrix{{k_diagonal, 10, 20}, {11, k_diagonal, 21.5},
                                     {12, 22, k_diagonal}}));
    EXPECT_EQ(instance.Mtij, (Matrix{{k_diagonal, 100, 200}, {110, k_diagonal, 210},
                                     {120, 220, k_diagonal}}));
    EXPECT_EQ(instance.max_time, 45.0);
}

TEST(InstanceReader, DiagonalIsForcedAndEntriesPastTheLastColumnIgnored)
{
    const Edited read("/input/data/Mdij", R"([["x",10,20,"extra"],[11,null,21.5,9],[12,22,{},null]])");
    ASSERT_FALSE(read.reader.failed()) << read.reader.error_message();
    EXPECT_EQ(read.instance.Mdij, (Matrix{{k_diagonal, 10, 20}, {11, k_diagonal, 21.5},
                                          {12, 22, k_diagonal}}));
}

TEST(InstanceReader, OnlyExactOvrptwFreesTheReturnLegs)
{
    for (const auto& [s_prob_type, open] :
         {std::pair{"\"OVRPTW\"", true}, {"\"VRPTW\"", false}, {"\"ovrptw\"", false},
          {"\"OVRPTW \"", false}}) {
        const Edited read("/input/meta_info/prob_type", s_prob_type);
        ASSERT_FALSE(read.reader.failed()) << read.reader.error_message();
        const Instance& instance = read.instance;
        EXPECT_EQ(instance.Mdij[1][0], open ? 0.0 : 11.0) << s_prob_type;
        EXPECT_EQ(instance.Mdij[2][0], open ? 0.0 : 12.0) << s_prob_type;
        EXPECT_EQ(instance.Mtij[2][0], open ? 0.0 : 120.0) << s_prob_type;
        EXPECT_EQ(instance.Mdij[0][2], 20.0);
        EXPECT_EQ(instance.Mtij[0][0], k_diagonal);
    }
}

TEST(InstanceReader, MaxTimeIsAnyNumberAndDefaultsToTenSeconds)
{
    for (const auto& [s_json, expected] :
         {std::pair<const char*, double>{nullptr, 10.0}, {"0", 0.0}, {"2.5", 2.5}, {"3e1", 30.0},
          {"4294967296", 4294967296.0}}) {
        const Edited read("/input/meta_info/max_time", s_json);
        ASSERT_FALSE(read.reader.failed()) << read.reader.error_message();
        EXPECT_EQ(read.instance.max_time, expected) << (s_json ? s_json : "absent");
    }
}

// Integers are int32 written without a fraction; the solver counts with no negative,
// fractional or huge leg, demand, capacity or fleet size; a wrong type, a short row or
// a missing member fails naming the member.
TEST(InstanceReader, ValuesAreAcceptedOrRefusedNamingTheMember)
{
    const char* const k_early = "/input/data/clients/2/early_tw";
    const char* const k_leg = "/input/data/Mtij/1/2";
    const struct {
        const char* s_pointer;
        const char* s_json;    // nullptr: member erased
        const char* s_member;  // the member the refusal names; nullptr: accepted
    } cases[] = {
        {k_early, "7", nullptr}, {k_early, "-2147483648", nullptr},
        {k_early, "2147483647", nullptr}, {k_leg, "0", nullptr}, {k_leg, "0.5", nullptr},
        {k_leg, "2147483647", nullptr}, {"/input/data/clients/2/demand", "0", nullptr},
        {"/input/data/containers/0/container_dim", "0", nullptr},
        {"/input/data/containers/0/container_qt", "0", nullptr},
        {"/input/data/clients", "[]", nullptr}, {"/input/data/containers", "[]", nullptr},
        {k_early, "7.0", "input.data.clients[2].early_tw"},
        {k_early, "7e0", "input.data.clients[2].early_tw"},
        {k_early, "2147483648", "input.data.clients[2].early_tw"},
        {k_early, "-2147483649", "input.data.clients[2].early_tw"},
        {k_early, "\"7\"", "input.data.clients[2].early_tw"},
        {k_early, "true", "input.data.clients[2].early_tw"},
        {k_leg, "2147483647.5", "input.data.Mtij[1][2]"}, {k_leg, "-5", "input.data.Mtij[1][2]"},
        {k_leg, "-1e-9", "input.data.Mtij[1][2]"}, {k_leg, "1e300", "input.data.Mtij[1][2]"},
        {"/input/data/clients/2/demand", "-1", "input.data.clients[2].demand"},
        {"/input/data/containers/0/container_dim", "-1", "input.data.containers[0].container_dim"},
        {"/input/data/containers/0/container_qt", "-2147483648",
         "input.data.containers[0].container_qt"},
        {"/input/data/Mdij/0/1", "null", "input.data.Mdij[0][1]"},
        {"/input/data/Mtij/2/0", "\"12\"", "input.data.Mtij[2][0]"},
        {"/input/data/Mdij/1", "[11,0]", "input.data.Mdij[1]"},
        {"/input/data/Mdij/1", "5", "input.data.Mdij[1]"},
        {"/input/data/Mdij", "{}", "input.data.Mdij"},
        {"/input/data/Mtij", nullptr, "input.data.Mtij"},
        {"/input/data/Mdij", "[[0,1],[1,0]]", "input.data.Mdij[2]"},
        {"/input/data/Mtij", "[]", "input.data.Mtij[0]"},
        {"/input/data/clients/1/id", nullptr, "input.data.clients[1].id"},
        {"/input/data/clients/1/id", "5", "input.data.clients[1].id"},
        {"/input/data/clients/1/late_tw", "null", "input.data.clients[1].late_tw"},
        {"/input/data/clients/0/service_time", "1.5", "input.data.clients[0].service_time"},
        {"/input/data/clients/1", "3", "input.data.clients[1].id"},
        {"/input/data/clients", "{}", "input.data.clients"},
        {"/input/data/containers/0/container_qt", "2147483648",
         "input.data.containers[0].container_qt"},
        {"/input/data/containers/0/container_fixed_cost", "12.5",
         "input.data.containers[0].container_fixed_cost"},
        {"/input/data/containers/0/container_id", nullptr,
         "input.data.containers[0].container_id"},
        {"/input/data/containers", nullptr, "input.data.containers"},
        {"/input/meta_info/prob_type", nullptr, "input.meta_info.prob_type"},
        {"/input/meta_info/prob_type", "1", "input.meta_info.prob_type"},
        {"/input/meta_info/max_time", "\"10\"", "input.meta_info.max_time"},
        {"/input/meta_info", "[]", "input.meta_info"},
        {"/input/data", "null", "input.data"},
        {"/input", "\"x\"", "input"},
        {"/input", nullptr, "input"},
    };
    for (const auto& c : cases) {
        const Edited read(c.s_pointer, c.s_json);
        const std::string s_case = std::string(c.s_pointer) + " = " + (c.s_json ? c.s_json : "-");
        EXPECT_EQ(read.reader.failed(), c.s_member != nullptr) << s_case;
        EXPECT_EQ(read.reader.error_message(),
                  c.s_member ? "missing or invalid '" + std::string(c.s_member) + "' field" : "")
            << s_case;
    }
}

TEST(InstanceReader, NoObjectRootOrNoInstanceFailsWithoutACrash)
{
    for (const char* s_text : {"null", "[1,2]", "\"input\"", "7"}) {
        Instance instance;
        InstanceReader reader(&instance, 0, string_to_json(s_text));
        EXPECT_EQ(reader.error_message(), "missing or invalid 'input' field") << s_text;
    }
    EXPECT_TRUE(InstanceReader(nullptr, 0, base_document()).failed());
}

TEST(InstanceReader, ReadingAgainReplacesEverythingAndClearsAFailure)
{
    Edited broken("/input/data/clients/1/demand", "null");
    EXPECT_TRUE(broken.reader.failed());
    const auto document = base_document();
    ASSERT_TRUE(broken.reader.read_input(document));
    EXPECT_EQ(broken.reader.error_message(), "");
    ASSERT_TRUE(broken.reader.read_input(document));
    EXPECT_EQ(broken.instance.clients.size(), 3u);
    EXPECT_EQ(broken.instance.containers.size(), 1u);
    EXPECT_EQ(broken.instance.Mdij.size(), 3u);
}

TEST(InstanceReader, TriangularScanReportsEachStrictViolation)
{
    // Only 0 -> 1 -> 2 (10 + 20) beats 0 -> 2 (100); 2 -> 0 -> 1 ties with 2 -> 1.
    const Edited read("/input/data/Mdij", "[[0,10,100],[11,0,20],[12,22,0]]");
    testing::internal::CaptureStdout();
    read.reader.is_triangular_json(read.document);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "triangular \n");
}

#include "instance_reader.h"

#include "json_document.h"

#include <gtest/gtest.h>
#include <rapidjson/pointer.h>

#include <string>
#include <vector>

namespace {

constexpr double k_diagonal = 2147483647.0;

// Three clients (depot first), one vehicle type, closed routes.
const char* const k_document = R"({"input":{"data":{
  "clients":[
    {"id":"Depot","lat":"-23.5","early_tw":0,"late_tw":3600,"demand":0,"service_time":0},
    {"id":"A","early_tw":60,"late_tw":1800,"demand":4,"service_time":300,"obs":""},
    {"id":"B","early_tw":-120,"late_tw":2400,"demand":5,"service_time":600}],
  "containers":[{"container_id":"Van","container_qt":2,"container_dim":10,
                 "container_fixed_cost":150,"container_var_cost":2}],
  "operation_start_date":"01/02/2026 08:00",
  "Mdij":[[0,10,20],[11,0,21.5],[12,22,0]],
  "Mtij":[[0,100,200],[110,0,210],[120,220,0]]},
  "meta_info":{"max_time":45,"prob_type":"VRPTW"}}})";

rapidjson::Document base_document()
{
    return string_to_json(k_document);
}

// Replaces the value at a JSON pointer by the value the text spells, kept exactly
// as parsed (7.0 stays a double, 2147483648 an unsigned); no text erases the member.
void set_value(rapidjson::Document& document, const char* s_pointer, const char* s_json)
{
    if (s_json == nullptr) {
        ASSERT_TRUE(rapidjson::EraseValueByPointer(document, rapidjson::Pointer(s_pointer)))
            << s_pointer;
        return;
    }
    const rapidjson::Document fragment = string_to_json(s_json);
    ASSERT_FALSE(fragment.HasParseError()) << s_json;
    rapidjson::Value copy(fragment, document.GetAllocator());
    rapidjson::SetValueByPointer(document, rapidjson::Pointer(s_pointer), copy);
}

using Matrix = std::deque<std::deque<double>>;

}  // namespace

TEST(InstanceReader, ReadsClientsContainersMatricesAndTimeLimit)
{
    const auto document = base_document();
    Instance instance;
    InstanceReader reader(&instance, 0, document);
    ASSERT_FALSE(reader.failed()) << reader.error_message();

    ASSERT_EQ(instance.clients.size(), 3u);
    const Client& b = instance.clients[2];
    EXPECT_EQ(instance.clients[0].id, "Depot");
    EXPECT_EQ(b.id, "B");
    EXPECT_EQ(b.early_tw, -120);
    EXPECT_EQ(b.late_tw, 2400);
    EXPECT_EQ(b.service_time, 600);
    EXPECT_EQ(b.demand, 5);

    ASSERT_EQ(instance.containers.size(), 1u);
    const Container& van = instance.containers[0];
    EXPECT_EQ(van.container_id, "Van");
    EXPECT_EQ(van.capacity, 10);
    EXPECT_EQ(van.quantity, 2);
    EXPECT_EQ(van.fixed_cost, 150.0);
    EXPECT_EQ(van.var_cost, 2.0);
    EXPECT_EQ(van.penalty, 0.0);

    EXPECT_EQ(instance.Mdij, (Matrix{{k_diagonal, 10, 20}, {11, k_diagonal, 21.5},
                                     {12, 22, k_diagonal}}));
    EXPECT_EQ(instance.Mtij, (Matrix{{k_diagonal, 100, 200}, {110, k_diagonal, 210},
                                     {120, 220, k_diagonal}}));
    EXPECT_EQ(instance.max_time, 45.0);
}

TEST(InstanceReader, DiagonalIsForcedAndEntriesPastTheLastColumnIgnored)
{
    auto document = base_document();
    set_value(document, "/input/data/Mdij",
              R"([["x",10,20,"extra"],[11,null,21.5,9],[12,22,{},null]])");
    Instance instance;
    InstanceReader reader(&instance, 0, document);
    ASSERT_FALSE(reader.failed()) << reader.error_message();
    EXPECT_EQ(instance.Mdij, (Matrix{{k_diagonal, 10, 20}, {11, k_diagonal, 21.5},
                                     {12, 22, k_diagonal}}));
}

TEST(InstanceReader, OnlyExactOvrptwFreesTheReturnLegs)
{
    const struct {
        const char* s_prob_type;
        bool open;
    } cases[] = {{"\"OVRPTW\"", true}, {"\"VRPTW\"", false}, {"\"ovrptw\"", false},
                 {"\"OVRPTW \"", false}};
    for (const auto& c : cases) {
        auto document = base_document();
        set_value(document, "/input/meta_info/prob_type", c.s_prob_type);
        Instance instance;
        InstanceReader reader(&instance, 0, document);
        ASSERT_FALSE(reader.failed()) << reader.error_message();
        EXPECT_EQ(instance.Mdij[1][0], c.open ? 0.0 : 11.0) << c.s_prob_type;
        EXPECT_EQ(instance.Mdij[2][0], c.open ? 0.0 : 12.0) << c.s_prob_type;
        EXPECT_EQ(instance.Mtij[2][0], c.open ? 0.0 : 120.0) << c.s_prob_type;
        EXPECT_EQ(instance.Mdij[0][2], 20.0);
        EXPECT_EQ(instance.Mtij[0][1], 100.0);
        EXPECT_EQ(instance.Mtij[0][0], k_diagonal);
    }
}

TEST(InstanceReader, MaxTimeIsAnyNumberAndDefaultsToTenSeconds)
{
    const struct {
        const char* s_json;  // nullptr: member absent
        double expected;
    } cases[] = {{nullptr, 10.0},  {"0", 0.0},        {"45", 45.0},
                 {"2.5", 2.5},     {"3e1", 30.0},      {"4294967296", 4294967296.0}};
    for (const auto& c : cases) {
        auto document = base_document();
        set_value(document, "/input/meta_info/max_time", c.s_json);
        Instance instance;
        InstanceReader reader(&instance, 0, document);
        ASSERT_FALSE(reader.failed()) << reader.error_message();
        EXPECT_EQ(instance.max_time, c.expected) << (c.s_json ? c.s_json : "absent");
    }
}

TEST(InstanceReader, IntegerMeansInt32WrittenWithoutFraction)
{
    const struct {
        const char* s_json;
        bool accepted;
    } cases[] = {{"7", true},           {"-2147483648", true}, {"2147483647", true},
                 {"7.0", false},        {"7e0", false},        {"2147483648", false},
                 {"-2147483649", false}, {"\"7\"", false},      {"true", false}};
    for (const auto& c : cases) {
        auto document = base_document();
        set_value(document, "/input/data/clients/2/early_tw", c.s_json);
        Instance instance;
        InstanceReader reader(&instance, 0, document);
        EXPECT_EQ(reader.failed(), !c.accepted) << c.s_json;
        if (!c.accepted) {
            EXPECT_EQ(reader.error_message(),
                      "missing or invalid 'input.data.clients[2].early_tw' field");
        }
    }
}

TEST(InstanceReader, MalformedDocumentsFailNamingTheMember)
{
    const struct {
        const char* s_pointer;
        const char* s_json;  // nullptr: member erased
        const char* s_member;
    } cases[] = {
        {"/input/data/Mdij/0/1", "null", "input.data.Mdij[0][1]"},
        {"/input/data/Mtij/2/0", "\"12\"", "input.data.Mtij[2][0]"},
        {"/input/data/Mdij/1", "[11,0]", "input.data.Mdij[1]"},
        {"/input/data/Mtij/2", "[120,220]", "input.data.Mtij[2]"},
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
        auto document = base_document();
        set_value(document, c.s_pointer, c.s_json);
        Instance instance;
        InstanceReader reader(&instance, 0, document);
        EXPECT_TRUE(reader.failed()) << c.s_pointer;
        EXPECT_EQ(reader.error_message(),
                  std::string("missing or invalid '") + c.s_member + "' field");
    }
}

TEST(InstanceReader, RootThatIsNotAnObjectFails)
{
    for (const char* s_text : {"null", "[1,2]", "\"input\"", "7"}) {
        Instance instance;
        InstanceReader reader(&instance, 0, string_to_json(s_text));
        EXPECT_TRUE(reader.failed()) << s_text;
        EXPECT_EQ(reader.error_message(), "missing or invalid 'input' field") << s_text;
    }
}

TEST(InstanceReader, ReadingAgainReplacesEverythingAndClearsAFailure)
{
    auto broken = base_document();
    set_value(broken, "/input/data/clients/1/demand", "null");
    Instance instance;
    InstanceReader reader(&instance, 1, broken);  // no_read 1: nothing read yet
    EXPECT_FALSE(reader.failed());
    EXPECT_TRUE(instance.clients.empty());

    reader.read(0, broken);
    EXPECT_TRUE(reader.failed());

    const auto document = base_document();
    ASSERT_TRUE(reader.read_input(document));
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(reader.error_message(), "");
    ASSERT_TRUE(reader.read_input(document));
    EXPECT_EQ(instance.clients.size(), 3u);
    EXPECT_EQ(instance.containers.size(), 1u);
    EXPECT_EQ(instance.Mdij.size(), 3u);
}

TEST(InstanceReader, EmptyClientAndContainerListsReadAsEmpty)
{
    auto document = base_document();
    set_value(document, "/input/data/clients", "[]");
    set_value(document, "/input/data/containers", "[]");
    Instance instance;
    InstanceReader reader(&instance, 0, document);
    EXPECT_FALSE(reader.failed()) << reader.error_message();
    EXPECT_TRUE(instance.clients.empty());
    EXPECT_TRUE(instance.containers.empty());
}

TEST(InstanceReader, MissingInstanceIsAFailureNotACrash)
{
    InstanceReader reader(nullptr, 0, base_document());
    EXPECT_TRUE(reader.failed());
}

TEST(InstanceReader, TriangularScanReportsEachStrictViolation)
{
    auto document = base_document();
    // Only 0 -> 1 -> 2 (10 + 20) beats 0 -> 2 (100); 2 -> 0 -> 1 ties with 2 -> 1.
    set_value(document, "/input/data/Mdij", "[[0,10,100],[11,0,20],[12,22,0]]");
    Instance instance;
    InstanceReader reader(&instance, 0, document);
    testing::internal::CaptureStdout();
    reader.is_triangular_json(document);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "triangular \n");
}

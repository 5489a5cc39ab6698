#include "instance_reader.h"
#include "instance_test_support.h"

#include <rapidjson/pointer.h>

namespace {

constexpr double k = 2147483647.0;  // a closed leg
using Matrix = std::deque<std::deque<double>>;

// Three clients (depot first), one vehicle type, closed routes.
rapidjson::Document base_document() { return load_json_file(data_path("reader_instance.json")); }

// The base document with one value set to the parsed text, kept exactly as parsed (7.0
// stays a double), or erased when s_json is null; then read.
struct Edited {
    Edited(const char* s_pointer = nullptr, const char* s_json = nullptr)
        : document(base_document())
    {
        rapidjson::Document fragment(&document.GetAllocator());
        if (s_pointer != nullptr && s_json == nullptr) {
            rapidjson::Pointer(s_pointer).Erase(document);
        } else if (s_pointer != nullptr && !fragment.Parse(s_json).HasParseError()) {
            rapidjson::Pointer(s_pointer).Set(document,
                                              rapidjson::Value(fragment, fragment.GetAllocator()));
        }
        reader.read(0, document);
    }
    rapidjson::Document document;
    Instance instance;
    InstanceReader reader{&instance, 1, document};
};

}  // namespace

TEST(InstanceReader, ReadsClientsAndContainers)
{
    const Edited read;
    std::string s_read;
    for (const Client& c : read.instance.clients) {
        s_read += c.id + " " + std::to_string(c.early_tw) + " " + std::to_string(c.late_tw) + " " +
                  std::to_string(c.service_time) + " " + std::to_string(c.demand) + " ";
    }
    ASSERT_EQ(read.instance.containers.size(), 1u);
    const Container& van = read.instance.containers[0];
    s_read +=
        van.container_id + " " + std::to_string(van.capacity) + " " + std::to_string(van.quantity);
    EXPECT_EQ(s_read, "Depot 0 3600 0 0 A 60 1800 300 4 B -120 2400 600 5 Van 10 2");
    EXPECT_EQ(std::vector<double>({van.fixed_cost, van.var_cost, van.penalty}),
              std::vector<double>({150, 2, 0}));
}

// The diagonal is closed whatever it holds and entries past the last column are ignored;
// only exact "OVRPTW" frees the return legs; the time limit is any number, 10 s if absent.
TEST(InstanceReader, MatricesProblemTypeAndTimeLimit)
{
    const char* const k_type = "/input/meta_info/prob_type";
    const char* const k_time = "/input/meta_info/max_time";
    const std::tuple<const char*, const char*, bool, double> cases[] = {
        {nullptr, nullptr, false, 45}, {k_type, "\"OVRPTW\"", true, 45},
        {k_type, "\"ovrptw\"", false, 45}, {k_type, "\"OVRPTW \"", false, 45},
        {k_time, nullptr, false, 10}, {k_time, "0", false, 0}, {k_time, "2.5", false, 2.5},
        {k_time, "3e1", false, 30}, {k_time, "4294967296", false, 4294967296.0},
        {"/input/data/Mdij", R"([["x",10,20,"extra"],[11,null,21.5,9],[12,22,{},null]])", false,
         45},
    };
    for (const auto& [s_pointer, s_json, open, max_time] : cases) {
        const Edited read(s_pointer, s_json);
        const std::string s_case = s_json ? s_json : "absent";
        ASSERT_FALSE(read.reader.failed()) << read.reader.error_message();
        EXPECT_EQ(read.instance.Mdij, (Matrix{{k, 10, 20}, {open ? 0 : 11., k, 21.5},
                                              {open ? 0 : 12., 22, k}})) << s_case;
        EXPECT_EQ(read.instance.Mtij, (Matrix{{k, 100, 200}, {open ? 0 : 110., k, 210},
                                              {open ? 0 : 120., 220, k}})) << s_case;
        EXPECT_EQ(read.instance.max_time, max_time) << s_case;
    }
}

// A root that is no object or a missing instance fails without a crash; reading again
// replaces everything and clears the failure.
TEST(InstanceReader, BadRootsFailAndReadingAgainStartsAfresh)
{
    for (const char* s_text : {"null", "[1,2]", "\"input\"", "7"}) {
        Instance instance;
        const InstanceReader reader(&instance, 0, string_to_json(s_text));
        EXPECT_EQ(reader.error_message(), "missing or invalid 'input' field") << s_text;
    }
    EXPECT_TRUE(InstanceReader(nullptr, 0, base_document()).failed());
    Edited broken("/input/data/clients/1/demand", "null");
    EXPECT_TRUE(broken.reader.failed());
    const auto document = base_document();
    ASSERT_TRUE(broken.reader.read_input(document));
    EXPECT_EQ(broken.reader.error_message(), "");
    ASSERT_TRUE(broken.reader.read_input(document));
    EXPECT_EQ(broken.instance.clients.size() + broken.instance.containers.size() +
                  broken.instance.Mdij.size(), 7u);
    // A time limit beyond the double range parses as infinity: refused by name.
    auto endless = base_document();
    rapidjson::Pointer("/input/meta_info/max_time")
        .Set(endless, string_to_json("17.7e308").GetDouble());
    EXPECT_FALSE(broken.reader.read_input(endless));
    EXPECT_EQ(broken.reader.error_message(), "missing or invalid 'input.meta_info.max_time' field");
}

// Demands, capacities and vehicle counts are counts: a negative one is refused by name, 0 is read.
TEST(InstanceReader, NegativeCountsAreRefusedByName)
{
    for (const auto& [s_pointer, s_path] : std::vector<std::pair<const char*, std::string>>{
             {"/input/data/clients/2/demand", "input.data.clients[2].demand"},
             {"/input/data/containers/0/container_dim", "input.data.containers[0].container_dim"},
             {"/input/data/containers/0/container_qt", "input.data.containers[0].container_qt"}}) {
        EXPECT_EQ(Edited(s_pointer, "-1").reader.error_message(),
                  "missing or invalid '" + s_path + "' field");
        EXPECT_EQ(Edited(s_pointer, "0").reader.error_message(), "") << s_path;
    }
}

TEST(InstanceReader, TriangularScanReportsEachStrictViolation)
{
    // Only 0 -> 1 -> 2 (10 + 20) beats 0 -> 2 (100); 2 -> 0 -> 1 ties with 2 -> 1.
    const Edited read("/input/data/Mdij", "[[0,10,100],[11,0,20],[12,22,0]]");
    testing::internal::CaptureStdout();
    read.reader.is_triangular_json(read.document);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "triangular \n");
}

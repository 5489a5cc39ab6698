// Numbers written beyond the double range ("17.7e308") parse as infinity, which no JSON
// text can carry: writing such a document fails whole, and the reader refuses it.

#include "instance_reader.h"
#include "instance_test_support.h"

#include <string>

namespace {

const std::string k_overflowing =
    R"({"input":{"meta_info":{"prob_type":"VRPTW","max_time":17.7e308}}})";

}  // namespace

TEST(NumberLimits, ADocumentHoldingInfinityIsNeverWrittenCutShort)
{
    const rapidjson::Document document = string_to_json(k_overflowing);
    ASSERT_TRUE(document.IsObject());
    EXPECT_EQ(json_to_string(document), "");
    EXPECT_EQ(json_to_string(string_to_json("[1,-1.8e308]")), "");
    EXPECT_EQ(non_finite_number_path(string_to_json(R"({"a":[0,{"b":2,"c":1.8e308}]})")),
              "a[1].c");

    const std::string s_path = temp_path("kept.tvl");
    write_bytes(s_path, "{\"saved\":1}");
    EXPECT_FALSE(try_save_json_file(document, s_path));
    EXPECT_EQ(read_bytes(s_path), "{\"saved\":1}") << "the file in place is not replaced";
}

TEST(NumberLimits, TheReaderNamesATimeLimitBeyondTheDoubleRange)
{
    rapidjson::Document document = string_to_json(R"({"input":{"data":{
        "clients":[{"id":"d","early_tw":0,"late_tw":9,"service_time":0,"demand":0}],
        "containers":[], "Mdij":[[0]], "Mtij":[[0]]},
        "meta_info":{"prob_type":"VRPTW","max_time":17.7e308}}})");
    Instance instance;
    const InstanceReader reader(&instance, 0, document);
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.error_message(), "missing or invalid 'input.meta_info.max_time' field");
}

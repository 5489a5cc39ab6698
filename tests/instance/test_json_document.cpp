#include "instance_test_support.h"
#include "json_access.h"

TEST(JsonDocument, TextRoundTripKeepsNumberKindsOrderAndDuplicates)
{
    const std::string s_text = R"({"b":5.0,"a":5,"b":[1.5,-2,1e300],"s":"x\"%y"})";
    EXPECT_EQ(json_to_string(string_to_json(s_text)), s_text);
    const auto empty = string_to_json(" \t\n");
    EXPECT_TRUE(empty.IsNull());
    EXPECT_EQ(empty.GetParseError(), rapidjson::kParseErrorDocumentEmpty);
    EXPECT_EQ(empty.GetErrorOffset(), 3u);
    EXPECT_EQ(string_to_json("{}x").GetParseError(), rapidjson::kParseErrorDocumentRootNotSingular);
    rapidjson::Document document;
    const auto value = json_string_value(std::string("50%\0x", 5), document.GetAllocator());
    EXPECT_EQ(std::string(value.GetString(), value.GetStringLength()), std::string("50%\0x", 5));
    // A member that is missing or not a text is not read as an empty text.
    std::string s_read = "kept";
    const auto object = string_to_json(R"({"n":1,"s":"x"})");
    EXPECT_FALSE(read_string_member(object, "n", s_read) ||
                 read_string_member(object, "m", s_read));
    EXPECT_TRUE(read_string_member(object, "s", s_read) && s_read == "x");
}

// Texts larger than a read buffer come back whole; a file that does not parse or cannot be
// read gives a null document (load) or the invalid_file record (read), never a crash.
TEST(JsonDocument, FilesRoundTripWholeAndFailQuietly)
{
    const std::string s_path = temp_path("round.tvl");
    std::string s_text = "[";
    for (int i = 0; i < 30000; ++i) s_text += std::to_string(i) + ".5,";
    s_text += "\"end\"]";
    ASSERT_TRUE(try_save_json_file(string_to_json(s_text), s_path));
    EXPECT_EQ(json_to_string(load_json_file(s_path)), s_text);
    EXPECT_EQ(json_to_string(read_json_file(s_path)), s_text);
    EXPECT_FALSE(try_save_json_file(string_to_json("{}"), temp_path("no/such/dir/x.tvl")));
    save_json_file(string_to_json("{}"), temp_path("no/such/dir/x.tvl"));  // returns normally
    const std::string s_record =
        R"({"output":{"meta_info":{"error":"invalid_file",)"
        R"("message":"file is not in json format"}}})";
    testing::internal::CaptureStdout();
    EXPECT_TRUE(load_json_file(temp_path("missing.tvl")).IsNull());
    EXPECT_EQ(json_to_string(read_json_file(temp_path("missing.tvl"))), s_record);
    write_bytes(s_path, "hello");
    EXPECT_EQ(json_to_string(read_json_file(s_path)), s_record);
    write_bytes(s_path, "null");
    EXPECT_TRUE(load_json_file(s_path).IsNull());
    write_bytes(s_path, "{}");
    EXPECT_TRUE(load_json_file(s_path).IsObject());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Invalid JSON...\nInvalid JSON...\n");
}

// The parser, writer and copies recurse once per level: text nested beyond 512 levels is a
// parse error at the first bracket too deep, not a stack overflow. Brackets in texts do
// not count.
TEST(JsonDocument, NestingBeyond512LevelsIsRefused)
{
    const std::string s_text = std::string(512, '[') + "\"\\\"" + std::string(600, '{') + "\"" +
                               std::string(512, ']');
    EXPECT_EQ(json_to_string(string_to_json(s_text)), s_text);
    for (const size_t depth : {size_t{513}, size_t{1000000}}) {
        const auto document = string_to_json(std::string(depth, '[') + std::string(depth, ']'));
        EXPECT_TRUE(document.HasParseError());
        EXPECT_EQ(document.GetErrorOffset(), 512u);
    }
    // Levels are counted as they close (a long client list is not deep), and an escape in an
    // earlier text does not hide the brackets after it.
    std::string s_wide = "[";
    for (int i = 0; i < 600; ++i) s_wide += "{\"a\":[1]},";
    EXPECT_FALSE(string_to_json(s_wide + "{}]").HasParseError());
    const std::string s_escaped = R"(["a\\b",)";
    const auto deep = string_to_json(s_escaped + std::string(600, '[') + std::string(601, ']'));
    EXPECT_EQ(deep.GetErrorOffset(), s_escaped.size() + 511);
}

// A number beyond the double range parses as infinity, which no JSON text carries: writing
// such a document fails whole and leaves the file in place as it was.
TEST(JsonDocument, InfinityIsNeverWrittenCutShort)
{
    const auto document = string_to_json(R"({"input":{"meta_info":{"max_time":17.7e308}}})");
    ASSERT_TRUE(document.IsObject());
    EXPECT_EQ(json_to_string(document), "");
    EXPECT_EQ(json_to_string(string_to_json("[1,-1.8e308]")), "");
    EXPECT_EQ(non_finite_number_path(string_to_json(R"({"a":[0,{"b":2,"c":1.8e308}]})")), "a[1].c");
    // A member without a name still shows as a step.
    EXPECT_EQ(non_finite_number_path(string_to_json(R"({"a":{"":[1,2e308]}})")), "a.\"\"[1]");
    EXPECT_EQ(non_finite_number_path(string_to_json(R"({"b":1,"":-1.8e308})")), "\"\"");
    EXPECT_EQ(non_finite_number_path(string_to_json(R"({"a":[-1.8e308,0]})")), "a[0]");
    const std::string s_path = temp_path("kept.tvl");
    write_bytes(s_path, "{\"saved\":1}");
    EXPECT_FALSE(try_save_json_file(document, s_path));
    EXPECT_EQ(read_bytes(s_path), "{\"saved\":1}");
}

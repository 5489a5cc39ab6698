#include "json_document.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string temp_path(const std::string& s_name)
{
    return testing::TempDir() + s_name;
}

void write_text(const std::string& s_path, const std::string& s_text)
{
    std::ofstream(s_path, std::ios::binary) << s_text;
}

}  // namespace

TEST(JsonDocument, TextRoundTripKeepsNumberKindsOrderAndDuplicates)
{
    const std::string s_text = R"({"b":5.0,"a":5,"b":[1.5,-2,1e300],"s":"x\"%y"})";
    EXPECT_EQ(json_to_string(string_to_json(s_text)), s_text);
}

TEST(JsonDocument, ParseFailuresLeaveANullRootWithTheError)
{
    auto empty = string_to_json(" \t\n");
    EXPECT_TRUE(empty.IsNull());
    EXPECT_EQ(empty.GetParseError(), rapidjson::kParseErrorDocumentEmpty);
    EXPECT_EQ(empty.GetErrorOffset(), 3u);

    auto trailing = string_to_json("{}x");
    EXPECT_TRUE(trailing.IsNull());
    EXPECT_EQ(trailing.GetParseError(), rapidjson::kParseErrorDocumentRootNotSingular);
}

TEST(JsonDocument, FilesRoundTripAndFailQuietly)
{
    const std::string s_path = temp_path("round.tvl");
    auto document = string_to_json(R"({"x":1.0})");
    EXPECT_TRUE(try_save_json_file(document, s_path));
    EXPECT_EQ(json_to_string(load_json_file(s_path)), R"({"x":1.0})");

    EXPECT_FALSE(try_save_json_file(document, temp_path("no/such/dir/x.tvl")));
    save_json_file(document, temp_path("no/such/dir/x.tvl"));  // returns normally

    testing::internal::CaptureStdout();
    EXPECT_TRUE(load_json_file(temp_path("missing.tvl")).IsNull());
    write_text(s_path, "null");
    EXPECT_TRUE(load_json_file(s_path).IsNull());
    write_text(s_path, "{}");
    EXPECT_TRUE(load_json_file(s_path).IsObject());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Invalid JSON...\nInvalid JSON...\n");
}

TEST(JsonDocument, FileLargerThanTheReadBufferLoadsWhole)
{
    std::string s_text = "[";
    for (int i = 0; i < 30000; ++i) {
        s_text += std::to_string(i) + ".5,";
    }
    s_text += "\"end\"]";
    const std::string s_path = temp_path("large.tvl");
    write_text(s_path, s_text);
    EXPECT_EQ(json_to_string(load_json_file(s_path)), s_text);
    EXPECT_EQ(json_to_string(read_json_file(s_path)), s_text);
}

TEST(JsonDocument, ReadJsonFileGivesTheInvalidFileRecord)
{
    const std::string s_path = temp_path("word.tvl");
    write_text(s_path, "hello");
    EXPECT_EQ(json_to_string(read_json_file(s_path)),
              R"({"output":{"meta_info":{"error":"invalid_file","message":"file is not in json format"}}})");
    EXPECT_EQ(json_to_string(read_json_file(temp_path("absent.tvl"))),
              R"({"output":{"meta_info":{"error":"invalid_file","message":"file is not in json format"}}})");
}

TEST(JsonDocument, StringValueCopiesEveryByte)
{
    rapidjson::Document document;
    const std::string s_text("50%\0x", 5);
    auto value = json_string_value(s_text, document.GetAllocator());
    EXPECT_EQ(std::string(value.GetString(), value.GetStringLength()), s_text);
    EXPECT_EQ(json_string_value("", document.GetAllocator()).GetStringLength(), 0u);
}

// Damaged instance texts and documents through the parsers, the file readers, the
// instance reader and the output writer: every one ends in a document or a clear
// refusal, never in a crash. Seeded, so a failure names the seed that replays it.

#include "document_mutations.h"
#include "instance_reader.h"
#include "json_document.h"
#include "output_writer.h"

#include <rapidjson/pointer.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

class MalformedDocuments : public testing::Test {
protected:
    void SetUp() override
    {
        s_path = (std::filesystem::temp_directory_path() /
                  ("tovalo_malformed_" + std::to_string(getpid()) + ".tvl"))
                     .string();
    }
    void TearDown() override { std::filesystem::remove(s_path); }

    void write_file(const std::string& s_text) const
    {
        std::ofstream(s_path, std::ios::binary | std::ios::trunc) << s_text;
    }

    // Valid starting texts: a benchmark instance, small built ones and bare values.
    static std::vector<std::string> seed_texts(std::mt19937& rng)
    {
        std::vector<std::string> v_texts = {"", " \n", "{}", "[]", "null", R"({"input":{}})"};
        v_texts.push_back(json_to_string(mutation::load_test_document("solomon_c101_25.json")));
        for (int n : {0, 1, 4}) {
            v_texts.push_back(json_to_string(mutation::small_instance(rng, n)));
        }
        return v_texts;
    }

    std::string s_path;
};

// A parsed text writes back to a text that parses again to a value of the same shape.
// (Not byte for byte: the default parse may move a double by its last bit.)
void expect_round_trip(const rapidjson::Document& document, const std::string& s_case)
{
    const rapidjson::Document again = string_to_json(json_to_string(document));
    EXPECT_FALSE(again.HasParseError()) << s_case;
    EXPECT_EQ(document.GetType(), again.GetType()) << s_case;
}

// A read Instance holds what the solver indexes; a refusal names the member.
void expect_read_or_refused(const rapidjson::Value& document, const std::string& s_case)
{
    Instance instance;
    const InstanceReader reader(&instance, 0, document);
    if (reader.failed()) {
        EXPECT_FALSE(reader.error_message().empty()) << s_case;
        return;
    }
    for (const auto* matrix : {&instance.Mdij, &instance.Mtij}) {
        ASSERT_GE(matrix->size(), instance.clients.size()) << s_case;
        for (size_t i = 0; i < matrix->size(); ++i) {
            ASSERT_EQ(matrix->size(), (*matrix)[i].size()) << s_case;
            for (size_t j = 0; j < matrix->size(); ++j) {
                EXPECT_TRUE((*matrix)[i][j] >= 0.0 && (*matrix)[i][j] <= 2147483647.0) << s_case;
            }
            EXPECT_EQ(2147483647.0, (*matrix)[i][i]) << s_case;
        }
    }
    const rapidjson::Document written = write_output_json(reader, document);
    EXPECT_EQ(1, mutation::output_members(written)) << s_case;
    EXPECT_TRUE(mutation::output_is_last(written)) << s_case;
}

}  // namespace

TEST_F(MalformedDocuments, DamagedTextsParseAlikeFromTextAndFile)
{
    std::mt19937 rng(20261206);
    const std::vector<std::string> v_texts = seed_texts(rng);
    for (int round = 0; round < 240; ++round) {
        std::string s_text = v_texts[static_cast<size_t>(mutation::draw(rng, 10)) % v_texts.size()];
        for (int k = mutation::draw(rng, 3); k >= 0; --k) {
            s_text = mutation::mutate_text(s_text, rng);
        }
        const std::string s_case = "round " + std::to_string(round);
        const rapidjson::Document parsed = string_to_json(s_text);
        if (parsed.IsNull()) {
            EXPECT_TRUE(parsed.HasParseError() || s_text.find("null") != std::string::npos)
                << s_case;
        } else {
            expect_round_trip(parsed, s_case);
            expect_read_or_refused(parsed, s_case);
        }

        write_file(s_text);
        testing::internal::CaptureStdout();
        const rapidjson::Document loaded = load_json_file(s_path);
        const std::string s_printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(parsed.IsNull(), loaded.IsNull()) << s_case;
        EXPECT_EQ(parsed.IsNull() ? "Invalid JSON...\n" : "", s_printed) << s_case;
        const rapidjson::Document read = read_json_file(s_path);
        if (parsed.IsNull()) {
            EXPECT_EQ("invalid_file", mutation::error_code(read)) << s_case;
        } else {
            EXPECT_EQ(json_to_string(parsed), json_to_string(loaded)) << s_case;
            EXPECT_EQ(json_to_string(parsed), json_to_string(read)) << s_case;
        }
    }
}

TEST_F(MalformedDocuments, NestingTooDeepIsRefusedNotOverflowed)
{
    for (const size_t depth : {size_t{100000}, size_t{1000000}}) {
        const std::string s_text = std::string(depth, '[') + std::string(depth, ']');
        const rapidjson::Document parsed = string_to_json(s_text);
        EXPECT_TRUE(parsed.IsNull());
        EXPECT_TRUE(parsed.HasParseError());
        write_file(std::string(depth, '{'));
        EXPECT_EQ("invalid_file", mutation::error_code(read_json_file(s_path)));
    }
    // What an instance document needs stays well within reach.
    const std::string s_nested = std::string(64, '[') + "1" + std::string(64, ']');
    EXPECT_EQ(s_nested, json_to_string(string_to_json(s_nested)));
}

TEST_F(MalformedDocuments, MutatedDocumentsAreReadOrRefusedByName)
{
    std::mt19937 rng(7);
    std::vector<rapidjson::Document> v_sources;
    v_sources.push_back(mutation::load_test_document("solomon_c101_25.json"));
    v_sources.push_back(mutation::small_instance(rng, 3));
    v_sources.push_back(mutation::small_instance(rng, 1));
    ASSERT_TRUE(v_sources[0].IsObject());
    for (int round = 0; round < 400; ++round) {
        const rapidjson::Value& source = v_sources[static_cast<size_t>(round) % v_sources.size()];
        const rapidjson::Document document = mutation::mutant(source, rng, 3);
        expect_read_or_refused(document, "round " + std::to_string(round) + ": " +
                                             json_to_string(document).substr(0, 300));
    }
}

TEST_F(MalformedDocuments, ErrorRecordReplacesAnyRootAndStaleOutput)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 60; ++round) {
        rapidjson::Document document = mutation::mutant(mutation::small_instance(rng, 2), rng, 4);
        if (round % 3 == 0) {
            add_error_record(document, "stale", "");
        }
        add_error_record(document, "code", round % 2 == 0 ? "" : "message");
        EXPECT_EQ(1, mutation::output_members(document));
        EXPECT_TRUE(mutation::output_is_last(document));
        EXPECT_EQ("code", mutation::error_code(document));
    }
}

TEST_F(MalformedDocuments, ValuesTheSolverCannotCountWithAreRefusedByName)
{
    std::mt19937 rng(3);
    const rapidjson::Document source = mutation::small_instance(rng, 3);
    const char* const k_leg = "/input/data/Mtij/1/2";
    const char* const k_demand = "/input/data/clients/2/demand";
    const struct {
        const char* s_pointer;
        const char* s_value;
        const char* s_refused;  // the member the refusal names, or nullptr
    } k_cases[] = {
        {k_leg, "0", nullptr},
        {k_leg, "0.5", nullptr},
        {k_leg, "2147483647", nullptr},
        {k_leg, "2147483647.5", "input.data.Mtij[1][2]"},
        {k_leg, "-5", "input.data.Mtij[1][2]"},
        {k_leg, "-1e-9", "input.data.Mtij[1][2]"},
        {k_leg, "1e300", "input.data.Mtij[1][2]"},
        {k_demand, "0", nullptr},
        {k_demand, "-1", "input.data.clients[2].demand"},
        {"/input/data/containers/0/container_dim", "0", nullptr},
        {"/input/data/containers/0/container_dim", "-1", "input.data.containers[0].container_dim"},
        {"/input/data/containers/0/container_qt", "0", nullptr},
        {"/input/data/containers/0/container_qt", "-2147483648",
         "input.data.containers[0].container_qt"},
    };
    for (const auto& edit : k_cases) {
        rapidjson::Document document;
        document.CopyFrom(source, document.GetAllocator());
        rapidjson::Document value(&document.GetAllocator());
        value.Parse(edit.s_value);
        rapidjson::Pointer(edit.s_pointer).Set(document, value);
        Instance instance;
        const InstanceReader reader(&instance, 0, document);
        const std::string s_case = std::string(edit.s_pointer) + " = " + edit.s_value;
        EXPECT_EQ(edit.s_refused != nullptr, reader.failed()) << s_case;
        if (edit.s_refused != nullptr) {
            EXPECT_EQ("missing or invalid '" + std::string(edit.s_refused) + "' field",
                      reader.error_message())
                << s_case;
        }
    }
}

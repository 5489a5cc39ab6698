// Damaged instance texts and documents through the parsers, the file readers, the
// instance reader and the output writer: every one ends in a document or a clear
// refusal, never in a crash. Seeded, so a failure names the seed that replays it.

#include "document_mutations.h"
#include "instance_reader.h"
#include "instance_test_support.h"
#include "output_writer.h"

#include <cstdio>
#include <vector>

namespace {

class MalformedDocuments : public testing::Test {
protected:
    void TearDown() override { std::remove(s_path.c_str()); }
    const std::string s_path = temp_path("malformed.tvl");
};

// Valid starting texts: a benchmark instance, small built ones and bare values.
std::vector<std::string> seed_texts(std::mt19937& rng)
{
    std::vector<std::string> v_texts = {"", " \n", "{}", "[]", "null", R"({"input":{}})"};
    v_texts.push_back(json_to_string(mutation::load_test_document("solomon_c101_25.json")));
    for (int n : {0, 1, 4}) {
        v_texts.push_back(json_to_string(mutation::small_instance(rng, n)));
    }
    return v_texts;
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
            // Written back, it parses again to a value of the same kind (not byte for
            // byte: the default parse may move a double by its last bit).
            EXPECT_EQ(parsed.GetType(), string_to_json(json_to_string(parsed)).GetType())
                << s_case;
            expect_read_or_refused(parsed, s_case);
        }

        write_bytes(s_path, s_text);
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
        write_bytes(s_path, std::string(depth, '{'));
        EXPECT_EQ("invalid_file", mutation::error_code(read_json_file(s_path)));
    }
    // What an instance document needs stays well within reach.
    const std::string s_nested = std::string(64, '[') + "1" + std::string(64, ']');
    EXPECT_EQ(s_nested, json_to_string(string_to_json(s_nested)));
}

TEST_F(MalformedDocuments, MutatedDocumentsAreReadOrRefusedByNameAndTakeAnErrorRecord)
{
    std::mt19937 rng(7);
    std::vector<rapidjson::Document> v_sources;
    v_sources.push_back(mutation::load_test_document("solomon_c101_25.json"));
    v_sources.push_back(mutation::small_instance(rng, 3));
    v_sources.push_back(mutation::small_instance(rng, 1));
    ASSERT_TRUE(v_sources[0].IsObject());
    for (int round = 0; round < 400; ++round) {
        const rapidjson::Value& source = v_sources[static_cast<size_t>(round) % v_sources.size()];
        rapidjson::Document document = mutation::mutant(source, rng, 3);
        const std::string s_case =
            "round " + std::to_string(round) + ": " + json_to_string(document).substr(0, 300);
        expect_read_or_refused(document, s_case);
        // An error record replaces any root and any stale output.
        if (round % 3 == 0) {
            add_error_record(document, "stale", "");
        }
        add_error_record(document, "code", round % 2 == 0 ? "" : "message");
        EXPECT_EQ(1, mutation::output_members(document)) << s_case;
        EXPECT_TRUE(mutation::output_is_last(document)) << s_case;
        EXPECT_EQ("code", mutation::error_code(document)) << s_case;
    }
}

// Mutated instance documents through the check before optimisation and the full file
// check: each check ends with true and a complete document, or false and one error
// record with a code. The web services point at a closed loopback port, so a document
// that needs coordinates or matrices fails fast as without a connection.

#include "document_mutations.h"
#include "full_instance_check.h"
#include "instance_check.h"
#include "json_document.h"
#include "service_config.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class MalformedChecks : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Port 1 on loopback: nothing listens, so every request is refused at once.
        Geoservices::set_endpoints({"127.0.0.1:1", "127.0.0.1:1", "127.0.0.1:1", "127.0.0.1:1"});
        Geoservices::set_pause_function([](std::chrono::milliseconds) {});
    }
    static void TearDownTestSuite()
    {
        Geoservices::set_endpoints(Geoservices::default_endpoints());
        Geoservices::set_pause_function(nullptr);
    }

    static std::vector<rapidjson::Document> sources(std::mt19937& rng)
    {
        std::vector<rapidjson::Document> v_sources;
        v_sources.push_back(mutation::load_test_document("solomon_c101_25.json"));
        v_sources.push_back(mutation::small_instance(rng, 3));
        v_sources.push_back(mutation::small_instance(rng, 1));
        v_sources.push_back(mutation::small_instance(rng, 0));
        return v_sources;
    }
};

bool is_square_number_matrix(const rapidjson::Value& data, const char* s_name,
                             rapidjson::SizeType n)
{
    const auto found = data.FindMember(s_name);
    if (found == data.MemberEnd() || !found->value.IsArray() || found->value.Size() != n) {
        return false;
    }
    for (const rapidjson::Value& row : found->value.GetArray()) {
        if (!row.IsArray() || row.Size() != n) {
            return false;
        }
        for (const rapidjson::Value& entry : row.GetArray()) {
            if (!entry.IsNumber()) {
                return false;
            }
        }
    }
    return true;
}

// Passed: no record and both matrices sized by the clients. Failed: one record, last,
// with a code.
void expect_verdict(bool passed, const rapidjson::Document& document, const std::string& s_case)
{
    if (!passed) {
        EXPECT_EQ(1, mutation::output_members(document)) << s_case;
        EXPECT_TRUE(mutation::output_is_last(document)) << s_case;
        EXPECT_FALSE(mutation::error_code(document).empty()) << s_case;
        return;
    }
    ASSERT_EQ(0, mutation::output_members(document)) << s_case;
    const rapidjson::Value& data = document["input"]["data"];
    const rapidjson::SizeType n = data["clients"].Size();
    EXPECT_TRUE(is_square_number_matrix(data, "Mdij", n)) << s_case;
    EXPECT_TRUE(is_square_number_matrix(data, "Mtij", n)) << s_case;
    const std::string s_type = document["input"]["meta_info"]["prob_type"].GetString();
    EXPECT_TRUE(s_type == "VRPTW" || s_type == "OVRPTW") << s_case;
}

// What only the full check promises: every record of both arrays fully typed.
void expect_typed_records(const rapidjson::Document& document, const std::string& s_case)
{
    const rapidjson::Value& data = document["input"]["data"];
    const auto non_negative = [](const rapidjson::Value& record, const char* s_name) {
        return record.HasMember(s_name) && record[s_name].IsInt() && record[s_name].GetInt() >= 0;
    };
    for (const rapidjson::Value& client : data["clients"].GetArray()) {
        EXPECT_TRUE(client["id"].IsString() && non_negative(client, "early_tw") &&
                    non_negative(client, "late_tw") && non_negative(client, "demand") &&
                    non_negative(client, "service_time"))
            << s_case;
    }
    for (const rapidjson::Value& container : data["containers"].GetArray()) {
        EXPECT_TRUE(container["container_id"].IsString() &&
                    non_negative(container, "container_qt") &&
                    non_negative(container, "container_dim"))
            << s_case;
    }
}

std::string case_name(int round, const rapidjson::Document& document)
{
    return "round " + std::to_string(round) + ": " + json_to_string(document).substr(0, 400);
}

}  // namespace

TEST_F(MalformedChecks, CheckBeforeOptimisationPassesCompleteDocumentsOrRecordsOneFault)
{
    std::mt19937 rng(404);
    const std::vector<rapidjson::Document> v_sources = sources(rng);
    ASSERT_TRUE(v_sources[0].IsObject());
    const char* const k_apis[] = {"osrm", "google", "osrm_google", "no_service"};
    int passed = 0;
    for (int round = 0; round < 500; ++round) {
        rapidjson::Document document =
            mutation::mutant(v_sources[static_cast<size_t>(round) % v_sources.size()], rng, 3);
        const std::string s_case = case_name(round, document);
        testing::internal::CaptureStdout();  // the Google fallback announces itself
        const bool ok = check_instance_json(document, k_apis[mutation::draw(rng, 4)], "key");
        testing::internal::GetCapturedStdout();
        expect_verdict(ok, document, s_case);
        passed += ok ? 1 : 0;
    }
    EXPECT_GT(passed, 0);
}

TEST_F(MalformedChecks, FullCheckPassesTypedDocumentsOrRecordsOneFault)
{
    std::mt19937 rng(505);
    const std::vector<rapidjson::Document> v_sources = sources(rng);
    int passed = 0;
    for (int round = 0; round < 500; ++round) {
        rapidjson::Document document =
            mutation::mutant(v_sources[static_cast<size_t>(round) % v_sources.size()], rng, 3);
        const std::string s_case = case_name(round, document);
        const bool ok = check_json_file(document);
        expect_verdict(ok, document, s_case);
        if (ok) {
            expect_typed_records(document, s_case);
            ++passed;
        }
        is_triangular_check(document);  // reads any shape without failing
    }
    EXPECT_GT(passed, 0);
}

TEST_F(MalformedChecks, DamagedTextsAreRefusedByBothChecks)
{
    std::mt19937 rng(606);
    const std::string s_source = json_to_string(mutation::small_instance(rng, 2));
    for (int round = 0; round < 200; ++round) {
        const std::string s_text = mutation::mutate_text(s_source, rng);
        rapidjson::Document before_optimisation = string_to_json(s_text);
        rapidjson::Document full = string_to_json(s_text);
        const std::string s_case = "round " + std::to_string(round);
        expect_verdict(check_instance_json(before_optimisation, "no_service", ""),
                       before_optimisation, s_case);
        const bool full_ok = check_json_file(full);
        expect_verdict(full_ok, full, s_case);
        if (full.IsNull() || !full_ok) {
            continue;
        }
        expect_typed_records(full, s_case);
    }
}

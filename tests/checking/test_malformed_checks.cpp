// Mutated instance documents through the check before optimisation and the full file
// check: each ends with true and a complete document, or false and one error record with
// a code. The services point at a closed loopback port, so what needs coordinates or
// matrices fails fast as without a connection.

#include "document_mutations.h"
#include "full_instance_check.h"
#include "instance_check.h"
#include "json_document.h"
#include "service_config.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool is_square_number_matrix(const rapidjson::Value& data, const char* s_name, rapidjson::SizeType n)
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

bool typed(const rapidjson::Value& record, const char* s_id, std::vector<const char*> v_counts)
{
    bool ok = record.HasMember(s_id) && record[s_id].IsString();
    for (const char* s_name : v_counts) {
        ok = ok && record.HasMember(s_name) && record[s_name].IsInt() && record[s_name].GetInt() >= 0;
    }
    return ok;
}

// Failed: one record, last, with a code. Passed: both matrices sized by the clients and,
// after the full check, every record of both arrays fully typed. 1 when passed.
int expect_verdict(bool passed, const rapidjson::Document& document, bool full, int round)
{
    if (!passed) {
        EXPECT_EQ(1, mutation::output_members(document)) << round;
        EXPECT_TRUE(mutation::output_is_last(document)) << round;
        EXPECT_FALSE(mutation::error_code(document).empty()) << round;
        return 0;
    }
    EXPECT_EQ(0, mutation::output_members(document)) << round;
    const rapidjson::Value& data = document["input"]["data"];
    const rapidjson::SizeType n = data["clients"].Size();
    EXPECT_TRUE(is_square_number_matrix(data, "Mdij", n) && is_square_number_matrix(data, "Mtij", n))
        << round;
    const std::string s_type = document["input"]["meta_info"]["prob_type"].GetString();
    EXPECT_TRUE(s_type == "VRPTW" || s_type == "OVRPTW") << round;
    if (!full) {
        return 1;
    }
    for (const rapidjson::Value& client : data["clients"].GetArray()) {
        EXPECT_TRUE(typed(client, "id", {"early_tw", "late_tw", "demand", "service_time"})) << round;
    }
    for (const rapidjson::Value& container : data["containers"].GetArray()) {
        EXPECT_TRUE(typed(container, "container_id", {"container_qt", "container_dim"})) << round;
    }
    return 1;
}

}  // namespace

TEST(MalformedChecks, BothChecksPassCompleteDocumentsOrRecordOneFault)
{
    // Port 1 on loopback: nothing listens, so every request is refused at once.
    Geoservices::set_endpoints({"127.0.0.1:1", "127.0.0.1:1", "127.0.0.1:1", "127.0.0.1:1"});
    Geoservices::set_pause_function([](std::chrono::milliseconds) {});
    std::mt19937 rng(404);
    std::vector<rapidjson::Document> v_sources;
    v_sources.push_back(mutation::load_test_document("solomon_c101_25.json"));
    ASSERT_TRUE(v_sources[0].IsObject());
    for (const int n : {3, 1, 0}) {
        v_sources.push_back(mutation::small_instance(rng, n));
    }
    const std::string s_small = json_to_string(v_sources[1]);
    const char* const k_apis[] = {"osrm", "google", "osrm_google", "no_service"};
    int passed_before = 0;
    int passed_full = 0;
    for (int round = 0; round < 600; ++round) {
        // Mostly structural changes; every third round damages the text itself.
        const rapidjson::Document& source = v_sources[static_cast<size_t>(round) % v_sources.size()];
        const std::string s_text = round % 3 == 2 ? mutation::mutate_text(s_small, rng)
                                                  : json_to_string(mutation::mutant(source, rng, 3));
        rapidjson::Document before = string_to_json(s_text);
        rapidjson::Document full = string_to_json(s_text);
        testing::internal::CaptureStdout();  // the Google fallback announces itself
        const bool before_ok = check_instance_json(before, k_apis[mutation::draw(rng, 4)], "key");
        testing::internal::GetCapturedStdout();
        passed_before += expect_verdict(before_ok, before, false, round);
        passed_full += expect_verdict(check_json_file(full), full, true, round);
        is_triangular_check(full);  // reads any shape without failing
    }
    EXPECT_GT(passed_before, 0);
    EXPECT_GT(passed_full, 0);
    Geoservices::set_endpoints(Geoservices::default_endpoints());
    Geoservices::set_pause_function(nullptr);
}

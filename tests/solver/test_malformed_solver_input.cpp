// Mutated instance documents through the solver entry: every call returns either a
// sound result or an error record with a code. Seeded, so a failure names the round
// that replays it.

#include "document_checks.h"
#include "document_mutations.h"
#include "full_instance_check.h"
#include "instance_check.h"
#include "json_document.h"
#include "solver_entry.h"

#include <rapidjson/pointer.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using rapidjson::Value;

// One output part, last: an error record with a code, or a sound result.
void expect_result_or_refusal(const rapidjson::Document& result, int method,
                              const std::string& s_case)
{
    ASSERT_EQ(1, mutation::output_members(result)) << s_case;
    EXPECT_TRUE(mutation::output_is_last(result)) << s_case;
    if (result["output"].HasMember("meta_info")) {
        EXPECT_FALSE(mutation::error_code(result).empty()) << s_case;
        return;
    }
    test_support::expect_complete_and_within_capacity(result, method == 0 || method == 1, s_case);
}

std::vector<rapidjson::Document> sources(std::mt19937& rng)
{
    std::vector<rapidjson::Document> v_sources;
    v_sources.push_back(mutation::load_test_document("solomon_c101_25.json"));
    for (int n : {0, 1, 2, 5, 8}) {
        v_sources.push_back(mutation::small_instance(rng, n));
    }
    return v_sources;
}

// A mutant whose time limit is tiny, whatever the mutation did to it. Half of them keep
// every type, so that they reach the search rather than the reader's refusal.
rapidjson::Document quick_mutant(const Value& source, std::mt19937& rng)
{
    rapidjson::Document document;
    if (mutation::draw(rng, 2) == 0) {
        document = mutation::mutant(source, rng, 3);
    } else {
        document.CopyFrom(source, document.GetAllocator());
        for (int k = mutation::draw(rng, 3); k >= 0; --k) {
            mutation::mutate_content(document, rng);
        }
    }
    mutation::set_max_time(document, 0.01);
    return document;
}

std::string case_name(int round, int method, const rapidjson::Document& document)
{
    return "round " + std::to_string(round) + " method " + std::to_string(method) + ": " +
           json_to_string(document).substr(0, 600);
}

}  // namespace

TEST(MalformedSolverInput, EveryMethodSolvesOrRefusesMutatedDocumentsAndTexts)
{
    std::mt19937 rng(2130);
    const std::vector<rapidjson::Document> v_sources = sources(rng);
    ASSERT_TRUE(v_sources[0].IsObject());
    int solved = 0;
    for (int round = 0; round < 200; ++round) {
        // Each method in turn on each source in turn; the lambda sweep (400 savings
        // runs) takes a small instance in place of the benchmark one.
        const int method = round % 5;
        size_t source = static_cast<size_t>(round / 5) % v_sources.size();
        source = method == 1 && source == 0 ? v_sources.size() - 1 : source;
        const rapidjson::Document document = quick_mutant(v_sources[source], rng);
        const std::string s_case = case_name(round, method, document);
        const rapidjson::Document result = run_vrp_method(document, method, nullptr);
        expect_result_or_refusal(result, method, s_case);
        solved += result["output"].HasMember("data") ? 1 : 0;
    }
    EXPECT_GT(solved, 0);
    // Damaged texts read as whatever document they still make.
    const std::string s_source = json_to_string(mutation::small_instance(rng, 4));
    for (int round = 0; round < 400; ++round) {
        rapidjson::Document document = string_to_json(mutation::mutate_text(s_source, rng));
        mutation::set_max_time(document, 0.01);
        expect_result_or_refusal(run_vrp_insertion(document), 2, case_name(round, 2, document));
    }
}

// What the full check lets through, the solver solves; the only refusal left is a
// matrix entry beyond the legs the solver can add up (negative or above 2^31 - 1).
TEST(MalformedSolverInput, DocumentsThatPassTheChecksAreSolved)
{
    std::mt19937 rng(2131);
    const std::vector<rapidjson::Document> v_sources = sources(rng);
    for (int round = 0; round < 600; ++round) {
        const Value& source = v_sources[1 + static_cast<size_t>(round) % (v_sources.size() - 1)];
        rapidjson::Document document = quick_mutant(source, rng);
        rapidjson::Document checked;
        checked.CopyFrom(document, checked.GetAllocator());
        const bool quick_ok = check_instance_json(checked, "no_service", "");
        if (!quick_ok) {
            continue;
        }
        const std::string s_case = case_name(round, 2, document);
        const rapidjson::Document result = run_vrp_insertion(document);
        expect_result_or_refusal(result, 2, s_case);
        const rapidjson::Value* message =
            rapidjson::Pointer("/output/meta_info/message").Get(result);
        if (check_json_file(checked) && message != nullptr) {
            const std::string s_message = message->GetString();
            EXPECT_EQ(0u, s_message.find("missing or invalid 'input.data.M"))
                << s_case << " refused: " << s_message;
        }
    }
}

// The planner's odd but well-typed instances, each through every method.
TEST(MalformedSolverInput, EdgeInstancesSolveOrRefuseUnderEveryMethod)
{
    struct Edit {
        const char* s_pointer;
        const char* s_json;
    };
    const std::vector<std::vector<Edit>> v_cases = {
        {{"/input/data/clients",
          R"([{"id":"d","early_tw":0,"late_tw":9,"service_time":0,"demand":0}])"},
         {"/input/data/Mdij", "[[0]]"},
         {"/input/data/Mtij", "[[0]]"}},
        {{"/input/data/containers/0/container_qt", "0"}},
        {{"/input/data/containers/0/container_dim", "0"}},
        {{"/input/data/clients/1/demand", "1000000"}},
        {{"/input/data/clients/1/demand", "1000000"},
         {"/input/data/containers/0/container_qt", "99"}},
        {{"/input/data/clients/1/demand", "-50"}, {"/input/data/clients/2/demand", "2147483647"}},
        {{"/input/data/clients/1/early_tw", "-100"}, {"/input/data/clients/1/late_tw", "-10"}},
        {{"/input/data/clients/2/early_tw", "900"}, {"/input/data/clients/2/late_tw", "100"}},
        {{"/input/data/clients/0/late_tw", "0"},
         {"/input/data/clients/0/service_time", "2147483647"}},
        {{"/input/data/Mdij/1/2", "1e300"}, {"/input/data/Mtij/2/1", "1e300"}},
        {{"/input/data/Mdij/1/2", "-1e300"}, {"/input/data/Mtij/0/1", "-5"}},
        {{"/input/data/containers/0/container_fixed_cost", "2147483647"},
         {"/input/data/containers/0/container_var_cost", "2147483647"}},
        {{"/input/data/containers/0/container_id", R"("DUMMY")"}},
        {{"/input/meta_info/prob_type", R"("OVRPTW")"}},
    };
    std::mt19937 rng(2133);
    const rapidjson::Document source = mutation::small_instance(rng, 4);
    for (size_t k = 0; k < v_cases.size(); ++k) {
        rapidjson::Document document;
        document.CopyFrom(source, document.GetAllocator());
        for (const Edit& edit : v_cases[k]) {
            rapidjson::Document value(&document.GetAllocator());
            value.Parse(edit.s_json);
            rapidjson::Pointer(edit.s_pointer).Set(document, value);
        }
        for (int method = 0; method <= 4; ++method) {
            const std::string s_case = case_name(static_cast<int>(k), method, document);
            expect_result_or_refusal(run_vrp_method(document, method, nullptr), method, s_case);
        }
    }
}

// Without a vehicle type the insertion methods report every client unrouted; the
// savings methods, which would build nothing and drop them, refuse the document.
TEST(MalformedSolverInput, NoVehicleTypeLosesNoClient)
{
    std::mt19937 rng(2134);
    rapidjson::Document document = mutation::small_instance(rng, 5);
    mutation::set_max_time(document, 0.01);
    document["input"]["data"]["containers"].SetArray();
    for (int method = 0; method <= 4; ++method) {
        const rapidjson::Document result = run_vrp_method(document, method, nullptr);
        const std::string s_case = "method " + std::to_string(method);
        if (method <= 1) {
            EXPECT_EQ("missing or invalid 'input.data.containers' field",
                      std::string(result["output"]["meta_info"]["message"].GetString()))
                << s_case;
            continue;
        }
        ASSERT_TRUE(result["output"].HasMember("data")) << s_case;
        EXPECT_EQ(5u, result["output"]["data"]["unrouted_clients"].Size()) << s_case;
        EXPECT_EQ(0u, result["output"]["data"]["routes"].Size()) << s_case;
    }
}

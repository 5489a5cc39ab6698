// Every solve method, draw for draw, gives the recorded output (the search under a budget of
// restarts); record meant changes with bench/equivalence (golden/README.md).

#include "document_checks.h"
#include "instance_reader.h"
#include "output_writer.h"
#include "solver_entry.h"
#include "vrp.h"

#include <gtest/gtest.h>

#include <tuple>

using test_support::load_test_document;

namespace {

// Solved through its entry function; methods 3 and 4 on a budget of restarts, not the clock.
rapidjson::Document solved(const std::string& s_document, int method, int restarts)
{
    const rapidjson::Document input = load_test_document(s_document);
    using Entry = rapidjson::Document (*)(const rapidjson::Value&);
    const Entry v_entries[] = {run_vrp_savings, run_vrp_savings_sweep, run_vrp_insertion};
    if (method < 3) return v_entries[method](input);
    Instance instance;
    InstanceReader reader(&instance, 0, input);
    VRP vrp(&instance);
    vrp.restart_budget = restarts;
    vrp.solve(method);
    // A budgeted search counts its restarts and reports no time, so its text repeats.
    EXPECT_EQ(restarts, vrp.stats.restarts) << s_document;
    EXPECT_EQ(0.0, instance.total_time) << s_document;
    return make_output_document(reader, 0, input);
}

}  // namespace

// On r101_25_one_vehicle, a fleet of one, the DUMMY route holds what the vehicle cannot
// take and the search uses the one-pass local search. Method 4 is method 3 by another name.
TEST(SearchGolden, EveryMethodRepeatsTheRecordedOutput)
{
    for (const auto& [s_name, method, restarts] :
         std::vector<std::tuple<std::string, int, int>>{
             {"c101_25", 0, 0}, {"c101_25", 1, 0}, {"c101_25", 2, 0}, {"c101_25", 3, 3},
             {"c101_25", 4, 3}, {"r101_25_one_vehicle", 0, 0}, {"r101_25_one_vehicle", 1, 0},
             {"r101_25_one_vehicle", 2, 0}, {"r101_25_one_vehicle", 3, 2}}) {
        const std::string s_golden =
            s_name + "_method" + std::to_string(std::min(method, 3)) + ".json";
        const std::string s_expected = test_support::read_text(s_golden, true);
        ASSERT_FALSE(s_expected.empty()) << s_golden;
        for (const unsigned seed : {1u, 99u}) {
            std::srand(seed);  // no method depends on what the generator held before
            const rapidjson::Document result =
                solved("solomon_" + s_name + ".json", method, restarts);
            test_support::expect_complete_and_within_capacity(result, method <= 1, s_golden);
            EXPECT_EQ(s_expected, json_to_string(result["output"])) << s_golden << " " << seed;
        }
    }
}

// Pins every solve method draw for draw: the three constructions, and the multi-start
// search under a fixed budget of restarts, must give exactly the recorded output on two
// small documents, run after run. A change of scan order, tie rule or random draw
// anywhere shows here. When a change of results is meant, record the new texts with
// bench/equivalence (see golden/README.md).

#include "document_checks.h"
#include "instance_reader.h"
#include "output_writer.h"
#include "solver_entry.h"
#include "vrp.h"

#include <gtest/gtest.h>


using test_support::load_test_document;

namespace {

// The document solved through its entry function, or for methods 3 and 4 with a budget
// of whole restarts in place of the clock.
rapidjson::Document solved(const char* s_document, int method, int restarts)
{
    const rapidjson::Document input = load_test_document(s_document);
    using Entry = rapidjson::Document (*)(const rapidjson::Value&);
    const Entry v_entries[] = {run_vrp_savings, run_vrp_savings_sweep, run_vrp_insertion};
    if (method < 3) {
        return v_entries[method](input);
    }
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

TEST(SearchGolden, EveryMethodRepeatsTheRecordedOutput)
{
    struct Case {
        const char* s_document;
        int method;
        int restarts;
        const char* s_golden;
    };
    const char* k_c101 = "solomon_c101_25.json";
    // A fleet of one: the DUMMY route holds what it cannot take, and the search uses the
    // one-pass local search.
    const char* k_r101 = "solomon_r101_25_one_vehicle.json";
    const Case v_cases[] = {
        {k_c101, 0, 0, "c101_25_method0.json"},
        {k_c101, 1, 0, "c101_25_method1.json"},
        {k_c101, 2, 0, "c101_25_method2.json"},
        {k_c101, 3, 3, "c101_25_method3.json"},
        {k_c101, 4, 3, "c101_25_method3.json"},
        {k_r101, 0, 0, "r101_25_one_vehicle_method0.json"},
        {k_r101, 1, 0, "r101_25_one_vehicle_method1.json"},
        {k_r101, 2, 0, "r101_25_one_vehicle_method2.json"},
        {k_r101, 3, 2, "r101_25_one_vehicle_method3.json"},
    };
    for (const Case& c : v_cases) {
        const std::string s_expected = test_support::read_text(c.s_golden, true);
        ASSERT_FALSE(s_expected.empty()) << c.s_golden;
        for (const unsigned seed : {1u, 99u}) {
            std::srand(seed);  // no method depends on what the generator held before
            const rapidjson::Document result = solved(c.s_document, c.method, c.restarts);
            test_support::expect_complete_and_within_capacity(result, c.method <= 1, c.s_golden);
            EXPECT_EQ(s_expected, json_to_string(result["output"])) << c.s_golden << " " << seed;
        }
    }
}

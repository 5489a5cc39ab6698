// Pins the whole multi-start search, draw for draw: a fixed budget of restarts on two
// small documents must give exactly the recorded output. A change of scan order, tie rule
// or random draw anywhere in the search shows here. When a change of results is meant,
// record the new texts with bench/equivalence (see its check script).

#include "test_environment.h"
#include "document_checks.h"
#include "instance_reader.h"
#include "output_writer.h"
#include "vrp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

using test_support::load_test_document;

namespace {

// A recorded text from tests/solver/golden, beside the test data folder.
std::string read_golden(const std::string& s_name)
{
    std::ifstream file(test_data_dir() + "/../solver/golden/" + s_name);
    std::stringstream text;
    text << file.rdbuf();
    std::string s_text = text.str();
    while (!s_text.empty() && s_text.back() == '\n') {
        s_text.pop_back();
    }
    return s_text;
}

// The output part of the document solved with method 3 and `restarts` whole restarts.
std::string budgeted_output(const char* s_document, int restarts)
{
    const rapidjson::Document input = load_test_document(s_document);
    Instance instance;
    InstanceReader reader(&instance, 0, input);
    VRP vrp(&instance);
    vrp.restart_budget = restarts;
    vrp.solve(3);
    // A budgeted search counts its restarts and reports no time, so its text repeats.
    EXPECT_EQ(restarts, vrp.stats.restarts) << s_document;
    EXPECT_EQ(0.0, instance.total_time) << s_document;
    const rapidjson::Document result = make_output_document(reader, 0, input);
    return json_to_string(result["output"]);
}

}  // namespace

TEST(SearchGolden, ABudgetedSearchRepeatsTheRecordedOutput)
{
    struct Case {
        const char* s_document;
        int restarts;
        const char* s_golden;
    };
    const Case v_cases[] = {
        {"solomon_c101_25.json", 3, "c101_25_method3.json"},
        // A fleet of one: the one-pass local search and the DUMMY route take part.
        {"solomon_r101_25_one_vehicle.json", 2, "r101_25_one_vehicle_method3.json"},
    };
    for (const Case& c : v_cases) {
        const std::string s_expected = read_golden(c.s_golden);
        ASSERT_FALSE(s_expected.empty()) << c.s_golden;
        EXPECT_EQ(s_expected, budgeted_output(c.s_document, c.restarts)) << c.s_document;
    }
}

#include "geostub_suite.h"
#include "google_matrix.h"
#include "matrix_documents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string k_route = "/maps/api/distancematrix/json";
const std::string k_no_status =
    record("google_api_error", "Problem with google distance matrix api (no returned status)");
const std::string k_too_many =
    record("too_many_clients", "Too many clients in google Distance Matrix call");

std::string generated(const std::string& s_options = "")
{
    return R"({"generate":"google_matrix")" + s_options + "}";
}

std::string status(const std::string& s_status)
{
    return R"({"json":{"status":")" + s_status + R"(","rows":[]}})";
}

class GoogleMatrix : public GeoStubSuite {
protected:
    void script(const std::string& s_answers)
    {
        stub_->set_script(R"({"routes":{")" + k_route + R"(":[)" + s_answers + "]}}");
    }
    PauseRecorder pauses_;
};

// "origins=<first..last>&destinations=<all>" the way the stub's log shows them.
std::string origin_range(int first, int last, int n)
{
    auto points = [](int a, int b) {
        std::string s_list;
        for (int i = a; i <= b; ++i) {
            s_list += (i == a ? "" : "|") + std::to_string(i) + ",-46.6";
        }
        return s_list;
    };
    return "units=metric&origins=" + points(first, last) + "&destinations=" + points(0, n - 1) +
           "&key=K%26Y";
}

}  // namespace

TEST_F(GoogleMatrix, RequestCountsFollowTheClientCount)
{
    struct Case {
        int n;
        size_t requests;
        std::vector<long> v_pauses;
    };
    const Case cases[] = {
        {9, 1, {}},
        {10, 2, std::vector<long>(2, 200)},   // probe 0..5 taken, block 6..9
        {24, 8, std::vector<long>(8, 200)},   // probes at 12 and 6 refused, 3 taken, 5 blocks
        {25, 25, std::vector<long>(25, 100)}, // one origin per request
        {26, 52, std::vector<long>(26, 100)}, // destination windows 0..24 and 25..25
    };
    for (const Case& c : cases) {
        script(generated(R"(,"max_elements":100)"));
        pauses_.v_pauses.clear();
        auto document = instance_document(c.n);
        EXPECT_TRUE(collect_matrices_google(document, "K&Y")) << c.n;
        EXPECT_EQ(stub_->requests().size(), c.requests) << c.n;
        EXPECT_EQ(pauses_.v_pauses, c.v_pauses) << c.n;
        EXPECT_EQ(member_json(document, "Mtij"), table_json(c.n, 100, false)) << c.n;
        EXPECT_EQ(member_json(document, "Mdij"), table_json(c.n, 1000, false)) << c.n;
    }
    // The last probe's size sets the blocks: consecutive origins, all destinations each time.
    script(generated(R"(,"max_elements":100)"));
    auto document = instance_document(24);
    EXPECT_TRUE(collect_matrices_google(document, "K&Y"));
    EXPECT_EQ(logged_queries(*stub_),
              (std::vector<std::string>{origin_range(0, 12, 24), origin_range(0, 6, 24),
                                        origin_range(0, 3, 24), origin_range(4, 7, 24),
                                        origin_range(8, 11, 24), origin_range(12, 15, 24),
                                        origin_range(16, 19, 24), origin_range(20, 23, 24)}));
}

TEST_F(GoogleMatrix, EachStatusGivesItsRecord)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"body":""})", record("no_internet_connection")},
        {R"({"body":"<html></html>"})",
         record("google_api_error", "GOOGLE server not working")},
        {R"({"json":{"rows":[]}})", k_no_status},
        {R"({"json":[1]})", k_no_status},
        {status("MAX_ELEMENTS_EXCEEDED"), k_too_many},
        {status("REQUEST_DENIED"), record("wrong_google_api_key", "Probably wrong api key")},
        {status("OVER_QUERY_LIMIT"), record("over_query_limit_google", "the service has received too many requests from the application within the allowed time period")},
        {status("UNKNOWN_ERROR"), record("undefined_google_error", "Undefined error")},
    };
    for (const auto& [s_answer, s_record] : cases) {
        script(s_answer);
        for (const int n : {3, 30}) {  // one request, and one origin per request
            auto document = instance_document(n);
            EXPECT_FALSE(collect_matrices_google(document, "K")) << s_answer;
            EXPECT_EQ(error_record(document), s_record) << s_answer;
            EXPECT_EQ(member_json(document, "Mtij"), "absent") << s_answer;
        }
    }
}

TEST_F(GoogleMatrix, PairsWithoutValuesBecomeNullInBothMatrices)
{
    script(generated(R"(,"null_pairs":[[0,1]])") + "," +
           R"({"json":{"status":"OK","rows":[{"elements":[{"duration":{"value":5}},7]},{}]}})");
    auto document = instance_document(2);
    EXPECT_TRUE(collect_matrices_google(document, "K"));
    EXPECT_EQ(member_json(document, "Mtij"), "[[0,null],[100,101]]");
    EXPECT_EQ(member_json(document, "Mdij"), "[[0,null],[1000,1001]]");

    auto odd = instance_document(2);  // odd elements and a row without elements
    EXPECT_TRUE(collect_matrices_google(odd, "K"));
    EXPECT_EQ(member_json(odd, "Mtij"), "[[null,null],[]]");
    EXPECT_EQ(member_json(odd, "Mdij"), "[[null,null],[]]");
}

TEST_F(GoogleMatrix, ProbingShrinksOnRefusalsAndGivesUpAtTwoOrigins)
{
    script(status("MAX_ELEMENTS_EXCEEDED") + "," + status("OVER_QUERY_LIMIT") + "," +
           status("MAX_DIMENSIONS_EXCEEDED"));
    auto document = instance_document(10);
    EXPECT_FALSE(collect_matrices_google(document, "K&Y"));
    EXPECT_EQ(error_record(document), k_too_many);
    EXPECT_EQ(logged_queries(*stub_), (std::vector<std::string>{origin_range(0, 5, 10),
                                                                origin_range(0, 2, 10),
                                                                origin_range(0, 1, 10)}));
    EXPECT_EQ(pauses_.v_pauses, std::vector<long>(3, 200));
}

TEST_F(GoogleMatrix, AFailedBlockLeavesTheDataAsItWas)
{
    const std::string s_ok = generated(R"(,"max_elements":100)");
    script(s_ok + "," + s_ok + "," + s_ok + "," + s_ok + "," + s_ok + "," + status("OVER_QUERY_LIMIT"));
    auto document = instance_document(24);
    const std::string s_data_before = json_to_string(document["input"]["data"]);
    EXPECT_FALSE(collect_matrices_google(document, "K"));
    EXPECT_EQ(json_to_string(document["input"]["data"]), s_data_before);
    EXPECT_EQ(document.MemberCount(), 2u);
    EXPECT_EQ(stub_->requests().size(), 6u);  // three probes, the third block fails
}

TEST_F(GoogleMatrix, RealPausesStillEndTheCollection)
{
    Geoservices::set_pause_function(nullptr);  // this one case sleeps for real
    script(generated(R"(,"max_elements":100)"));
    auto document = instance_document(10);
    EXPECT_TRUE(collect_matrices_google(document, "K"));
    EXPECT_EQ(member_json(document, "Mtij"), table_json(10, 100, false));
}

#include "geostub_suite.h"
#include "matrix_documents.h"
#include "osrm_matrix.h"
#include "web_requests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string k_annotations = "annotations=distance,duration";

std::string sources(int first, int last)
{
    return "sources=" + build_osrm_sources(first, last).substr(9) + "&" + k_annotations;
}

std::string generated(const std::string& s_options = "")
{
    return R"({"generate":"osrm_table")" + s_options + "}";
}

class OsrmMatrix : public GeoStubSuite {
protected:
    void script(const std::string& s_answers)
    {
        stub_->set_script(R"({"routes":{"/table/v1/driving/":[)" + s_answers + "]}}");
    }
    PauseRecorder pauses_;
};

}  // namespace

TEST_F(OsrmMatrix, FullTableInOneRequestKeepsIntegersDoublesAndNulls)
{
    script(generated(R"(,"null_pairs":[[1,2]])"));
    auto document = instance_document(3);
    EXPECT_TRUE(collect_matrices_osrm(document));
    EXPECT_EQ(stub_->requests(),
              std::vector<std::string>{"http GET /table/v1/driving/-46.6,0;-46.6,1;-46.6,2?" +
                                       k_annotations + " HTTP/1.1"});
    EXPECT_EQ(member_json(document, "Mtij"), "[[0,1,2],[100,101,null],[200,201,202]]");
    EXPECT_EQ(member_json(document, "Mdij"),
              "[[0.5,1.5,2.5],[1000.5,1001.5,null],[2000.5,2001.5,2002.5]]");
    EXPECT_EQ(error_record(document), "none");
    EXPECT_TRUE(pauses_.v_pauses.empty());
}

TEST_F(OsrmMatrix, RefusedFullTableIsFetchedInHalvedBlocks)
{
    script(generated(R"(,"max_sources":26)"));
    auto document = instance_document(100);
    EXPECT_TRUE(collect_matrices_osrm(document));
    EXPECT_EQ(logged_queries(*stub_),
              (std::vector<std::string>{k_annotations, sources(0, 50), sources(0, 25),
                                        sources(26, 51), sources(52, 77), sources(78, 99)}));
    EXPECT_EQ(pauses_.v_pauses, (std::vector<long>{2000, 2000, 2000, 2000}));
    EXPECT_EQ(member_json(document, "Mtij"), table_json(100, 100, false));
    EXPECT_EQ(member_json(document, "Mdij"), table_json(100, 1000, true));
}

TEST_F(OsrmMatrix, AFailedBlockLeavesTheDataAsItWas)
{
    const std::string s_ok = generated(R"(,"max_sources":26)");
    script(s_ok + "," + s_ok + "," + s_ok + "," + s_ok + R"(,{"json":{"code":"InvalidQuery"}})");
    auto document = instance_document(100);
    const std::string s_data_before = json_to_string(document["input"]["data"]);
    EXPECT_FALSE(collect_matrices_osrm(document));
    EXPECT_EQ(json_to_string(document["input"]["data"]), s_data_before);
    EXPECT_EQ(error_record(document), record("invalid_distance_query"));
    EXPECT_EQ(document.MemberCount(), 2u);  // input and one output
}

TEST_F(OsrmMatrix, UnusableAnswersToTheFullRequest)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"body":""})", record("no_internet_connection")},
        {R"({"body":"<html>502</html>","status":502})",
         record("osrm_api_error", "OSRM server not working")},
        {R"({"json":{"code":"InvalidQuery"}})", record("invalid_distance_query")},
        {R"({"json":{"message":"Too Many Requests"}})", record("undefined_osrm_http_error")},
        {R"({"json":["Ok"]})", record("undefined_osrm_http_error")},
        {R"({"json":{"code":"Ok"}})",
         record("osrm_api_error", "OSRM server not working")},
        {R"({"json":{"code":"Ok","durations":[[0]],"distances":7}})",
         record("osrm_api_error", "OSRM server not working")},
        {generated(R"(,"short":true)"),
         record("osrm_api_error", "OSRM server not working")},
    };
    for (const auto& [s_answer, s_record] : cases) {
        script(s_answer);
        auto document = instance_document(3);
        EXPECT_FALSE(collect_matrices_osrm(document)) << s_answer;
        EXPECT_EQ(error_record(document), s_record) << s_answer;
        EXPECT_EQ(member_json(document, "Mtij"), "absent") << s_answer;
    }
}

TEST_F(OsrmMatrix, BlockSizesAtOrBelowTheMinimumEndTheCollection)
{
    const std::string s_too_many =
        record("too_many_clients", "Too many clients in OSRM Distance Matrix call");
    const std::string s_too_big = R"({"json":{"code":"TooBig"}})";
    struct Case {
        int n;
        std::string s_answers;
        std::string s_record;
        std::vector<std::string> v_queries;
        size_t pauses;
    };
    const Case cases[] = {
        {4, s_too_big, s_too_many, {k_annotations}, 0},
        {10, s_too_big + "," + generated(), s_too_many, {k_annotations, sources(0, 5)}, 0},
        {10, s_too_big, s_too_many, {k_annotations, sources(0, 5), sources(0, 2)}, 2},
        {12, s_too_big + R"(,{"body":"<html></html>"})", record("no_internet_connection"),
         {k_annotations, sources(0, 6)}, 0},
        {12, s_too_big + "," + generated() + "," + s_too_big, record("too_many_clients"),
         {k_annotations, sources(0, 6), sources(7, 11)}, 0},
        {12, s_too_big + "," + generated() + "," + generated(R"(,"short":true)"),
         record("osrm_api_error", "OSRM server not working"),
         {k_annotations, sources(0, 6), sources(7, 11)}, 0},
    };
    for (const Case& c : cases) {
        script(c.s_answers);
        pauses_.v_pauses.clear();
        auto document = instance_document(c.n);
        EXPECT_FALSE(collect_matrices_osrm(document)) << c.s_answers;
        EXPECT_EQ(error_record(document), c.s_record) << c.s_answers;
        EXPECT_EQ(logged_queries(*stub_), c.v_queries) << c.s_answers;
        EXPECT_EQ(pauses_.v_pauses.size(), c.pauses) << c.s_answers;
        EXPECT_EQ(member_json(document, "Mtij"), "absent");
    }
}

TEST_F(OsrmMatrix, CoordinatesAreLongitudeFirstWithEachValueEncoded)
{
    auto document = string_to_json(
        R"({"input":{"data":{"clients":[{"lat":"-23,5","long":"-46.6"},{"lat":"1 #2","long":"x&y"},{"lat":3}]}}})");
    EXPECT_EQ(build_osrm_coordinates(document), "-46.6,-23.5;x%26y,1%20%232;,");
    EXPECT_EQ(build_osrm_coordinates(instance_document(0)), "");
}

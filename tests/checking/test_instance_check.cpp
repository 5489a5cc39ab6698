#include "geostub_suite.h"
#include "instance_check.h"
#include "matrix_documents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string k_osrm_route = "/table/v1/driving/";
const std::string k_google_route = "/maps/api/distancematrix/json";
const std::string k_osrm_ok = R"({"generate":"osrm_table"})";
const std::string k_google_ok = R"({"generate":"google_matrix"})";
const std::string k_prob_type_record =
    record("missing_json_field", "missing or prob_type field or unknown problem_type");

// Both matrices of an n-client document in the extra-data form of instance_document.
std::string matrices(const std::string& s_mtij, const std::string& s_mdij)
{
    return R"(,"Mtij":)" + s_mtij + R"(,"Mdij":)" + s_mdij;
}

class InstanceCheck : public GeoStubSuite {
protected:
    void script(const std::string& s_osrm, const std::string& s_google)
    {
        stub_->set_script(R"({"routes":{")" + k_osrm_route + R"(":[)" + s_osrm + R"(],")" +
                          k_google_route + R"(":[)" + s_google + "]}}");
    }
    PauseRecorder pauses_;
};

}  // namespace

TEST_F(InstanceCheck, RequiredMembersAreNamedInOrder)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({})", "input"},
        {R"({"input":[]})", "input"},
        {R"({"input":{"meta_info":{}}})", "data"},
        {R"({"input":{"data":{}}})", "meta_info"},
        {R"({"input":{"data":{},"meta_info":{}}})", "containers"},
        {R"({"input":{"data":{"containers":1,"clients":{}},"meta_info":{}}})", "clients"},
    };
    for (const auto& [s_text, s_name] : cases) {
        auto document = string_to_json(s_text);
        EXPECT_FALSE(check_instance_json(document, "osrm", "K")) << s_text;
        EXPECT_EQ(error_record(document), record("missing_json_field", "missing '" + s_name + "' field"))
            << s_text;
    }
}

TEST_F(InstanceCheck, GivenMatricesAreCheckedWithoutAnyRequest)
{
    const std::string s_rows = "matrix row number differs from clients number";
    struct Case {
        std::string s_extra;
        std::string s_record;
    };
    const Case cases[] = {
        {matrices(table_json(3, 100, false), table_json(3, 1000, true)), "none"},
        {R"(,"Mtij":[])", record("missing_matrix", "if passed, both matrices are required, you may pass none instead")},
        {matrices(table_json(3, 1, false), table_json(2, 1, false)), record("missing_matrix_values", s_rows)},
        {matrices("[[0,1,2],[0,1,2],[0,1]]", "[[0,1,2],[0,1],[0,1,2]]"),
         record("missing_matrix_values", "matrix Mtij column number differs from clients number")},
        {matrices(table_json(3, 1, false), "[[0,1,2],[0,1,2],7]"),
         record("missing_matrix_values", "matrix Mdij column number differs from clients number")},
        {matrices("[[0,1,2],[0,1,2],[null,1,2]]", table_json(3, 1, false)),
         record("csv_client_database", "distance/time between clients c2 and c0 is empty, check addresses and lat/long")},
        // The solver reads both matrices, so an empty distance fails too.
        {matrices(table_json(3, 1, false), R"([[0,1,2],[0,1,"2"],[0,1,2]])"),
         record("csv_client_database", "distance/time between clients c1 and c2 is empty, check addresses and lat/long")},
    };
    script(k_osrm_ok, k_google_ok);
    for (const Case& c : cases) {
        auto document = instance_document(3, c.s_extra);
        EXPECT_EQ(check_instance_json(document, "google", "K"), c.s_record == "none") << c.s_extra;
        EXPECT_EQ(error_record(document), c.s_record) << c.s_extra;
    }
    EXPECT_TRUE(stub_->requests().empty());
}

TEST_F(InstanceCheck, MissingMatricesComeFromTheNamedServiceAndAreCheckedLikeGivenOnes)
{
    const std::string s_empty = R"({"body":""})";
    const std::string s_fallback = " Colecting distance and time matrices GOOGLE...\n";
    const std::string s_vrptw = R"({"prob_type":"VRPTW"})";
    struct Case {
        std::string s_api;
        std::string s_osrm;
        std::string s_google;
        std::string s_meta_info;
        std::string s_record;
        std::string s_schemes;  // of the requests, in order
        std::string s_console;
    };
    const Case cases[] = {
        {"osrm", k_osrm_ok, "", s_vrptw, "none", "http", ""},
        {"google", "", k_google_ok, s_vrptw, "none", "https", ""},
        {"osrm_google", k_osrm_ok, "", s_vrptw, "none", "http", ""},
        {"osrm_google", s_empty, k_google_ok, s_vrptw, "none", "http https", s_fallback},
        // OSRM's record is dropped when Google fails too.
        {"osrm_google", s_empty, R"({"json":{"status":"REQUEST_DENIED"}})", s_vrptw,
         record("wrong_google_api_key", "Probably wrong api key"), "http https", s_fallback},
        {"osrm", R"({"generate":"osrm_table","null_pairs":[[2,0]]})", "", s_vrptw,
         record("csv_client_database", "distance/time between clients c2 and c0 is empty, check addresses and lat/long"),
         "http", ""},
        {"osrm", R"({"json":{"code":"InvalidQuery"}})", "", s_vrptw,
         record("invalid_distance_query"), "http", ""},
        {"here", k_osrm_ok, k_google_ok, s_vrptw,
         record("missing_matrix", "no matrices given and no known distance_matrix_api to collect them"), "", ""},
        // The problem type is tested last: the collected matrices stay.
        {"osrm", k_osrm_ok, "", R"({"prob_type":"vrptw"})", k_prob_type_record, "http", ""},
        {"osrm", k_osrm_ok, "", R"({"prob_type":1})", k_prob_type_record, "http", ""},
        {"osrm", k_osrm_ok, "", R"({"prob_type":"OVRPTW"})", "none", "http", ""},
    };
    for (const Case& c : cases) {
        script(c.s_osrm, c.s_google);
        auto document = instance_document(3, "", c.s_meta_info);
        testing::internal::CaptureStdout();
        EXPECT_EQ(check_instance_json(document, c.s_api, "K"), c.s_record == "none") << c.s_api;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.s_console) << c.s_api;
        EXPECT_EQ(error_record(document), c.s_record) << c.s_api << " " << c.s_osrm;
        EXPECT_EQ(document.MemberCount(), c.s_record == "none" ? 1u : 2u) << c.s_api;
        std::string s_schemes;
        for (const std::string& s_line : stub_->requests()) {
            s_schemes += (s_schemes.empty() ? "" : " ") + s_line.substr(0, s_line.find(' '));
        }
        EXPECT_EQ(s_schemes, c.s_schemes) << c.s_api << " " << c.s_osrm;
        const bool collected = c.s_record == "none" || c.s_record == k_prob_type_record;
        EXPECT_EQ(member_json(document, "Mtij") == table_json(3, 100, false), collected) << c.s_api;
    }
}

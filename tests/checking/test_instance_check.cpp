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

TEST_F(InstanceCheck, MissingMatricesComeFromTheNamedService)
{
    for (const std::string s_api : {"osrm", "google", "osrm_google"}) {
        script(k_osrm_ok, k_google_ok);
        auto document = instance_document(3);
        EXPECT_TRUE(check_instance_json(document, s_api, "K")) << s_api;
        EXPECT_EQ(error_record(document), "none") << s_api;
        EXPECT_EQ(stub_->requests().size(), 1u) << s_api;
        EXPECT_EQ(stub_->requests()[0].substr(0, 5), s_api == "google" ? "https" : "http ") << s_api;
        EXPECT_EQ(member_json(document, "Mtij"), table_json(3, 100, false)) << s_api;
    }
}

TEST_F(InstanceCheck, GoogleStandsInWhenOsrmFails)
{
    script(R"({"body":""})", k_google_ok);
    auto document = instance_document(3);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(check_instance_json(document, "osrm_google", "K"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              " Colecting distance and time matrices GOOGLE...\n");
    EXPECT_EQ(error_record(document), "none");
    EXPECT_EQ(member_json(document, "Mdij"), table_json(3, 1000, false));

    script(R"({"body":""})", R"({"json":{"status":"REQUEST_DENIED"}})");
    auto both_failed = instance_document(3);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(check_instance_json(both_failed, "osrm_google", "K"));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(error_record(both_failed), record("wrong_google_api_key", "Probably wrong api key"));
    EXPECT_EQ(both_failed.MemberCount(), 2u);  // OSRM's record was dropped
}

TEST_F(InstanceCheck, CollectedMatricesAreCheckedLikeGivenOnes)
{
    script(R"({"generate":"osrm_table","null_pairs":[[2,0]]})", k_google_ok);
    auto document = instance_document(3);
    EXPECT_FALSE(check_instance_json(document, "osrm", "K"));
    EXPECT_EQ(error_record(document), record("csv_client_database", "distance/time between clients c2 and c0 is empty, check addresses and lat/long"));

    script(R"({"json":{"code":"InvalidQuery"}})", k_google_ok);
    auto refused = instance_document(3);
    EXPECT_FALSE(check_instance_json(refused, "osrm", "K"));
    EXPECT_EQ(error_record(refused), record("invalid_distance_query"));
}

TEST_F(InstanceCheck, ProblemTypeIsTestedLastAndKeepsTheCollectedMatrices)
{
    script(k_osrm_ok, k_google_ok);
    for (const std::string s_meta_info : {R"({"prob_type":"vrptw"})", R"({"prob_type":1})"}) {
        auto document = instance_document(3, "", s_meta_info);
        EXPECT_FALSE(check_instance_json(document, "osrm", "K")) << s_meta_info;
        EXPECT_EQ(error_record(document), k_prob_type_record) << s_meta_info;
        EXPECT_EQ(member_json(document, "Mtij"), table_json(3, 100, false)) << s_meta_info;
    }
    auto open_routes = instance_document(3, "", R"({"prob_type":"OVRPTW"})");
    EXPECT_TRUE(check_instance_json(open_routes, "osrm", "K"));
}

TEST_F(InstanceCheck, AnUnknownServiceIsRecordedWithoutRequests)
{
    script(k_osrm_ok, k_google_ok);
    auto document = instance_document(3);
    EXPECT_FALSE(check_instance_json(document, "here", "K"));
    EXPECT_EQ(error_record(document), record("missing_matrix", "no matrices given and no known distance_matrix_api to collect them"));
    EXPECT_TRUE(stub_->requests().empty());
}

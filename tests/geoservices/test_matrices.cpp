#include "geostub_suite.h"
#include "google_matrix.h"
#include "matrix_documents.h"
#include "osrm_matrix.h"
#include "web_requests.h"

using Matrices = GeoStubSuite;

namespace {

std::string expected_matrix(const rapidjson::Value& c, const char* s_name)
{
    const rapidjson::Value& matrix = c[s_name];
    const int n = c["n"].GetInt();
    return matrix.IsObject()
               ? table_json(n, matrix["table"][0].GetInt(), matrix["table"][1].GetBool())
               : json_to_string(matrix);
}

}  // namespace

// Each case of the file: n clients, the stand-in's answers, then success, the record (the
// data kept on failure), the matrices (literal, or row * factor + column, .5 when half), the
// requests (exact, queries or a count) and the pauses. What a case leaves out is not checked,
// but a failure pins its requests and pauses: a collection that fails goes no further.
TEST_F(Matrices, EachCaseGivesItsRequestsPausesMatricesAndRecord)
{
    const rapidjson::Document cases =
        load_json_file(test_data_dir() + "/geoservices/matrices.json");
    ASSERT_TRUE(cases.IsArray());
    for (const rapidjson::Value& c : cases.GetArray()) {
        const std::string s_case = json_to_string(c).substr(0, 200);
        const bool osrm = c["api"] == "osrm";
        const std::string s_route = osrm ? "/table/v1/driving/" : "/maps/api/distancematrix/json";
        stub_->set_script(R"({"routes":{")" + s_route + R"(":)" + json_to_string(c["answers"]) +
                          "}}");
        PauseGate pauses;
        auto document = instance_document(c["n"].GetInt());
        const std::string s_data = json_to_string(document["input"]["data"]);
        const bool ok =
            osrm ? collect_matrices_osrm(document) : collect_matrices_google(document, "K&Y");
        EXPECT_EQ(ok, c["ok"].GetBool()) << s_case;
        EXPECT_EQ(error_record(document),
                  c.HasMember("record") ? json_to_string(c["record"]) : "none")
            << s_case;
        EXPECT_TRUE(ok || (json_to_string(document["input"]["data"]) == s_data &&
                           document.MemberCount() == 2))
            << s_case;
        for (const char* s_name : {"Mtij", "Mdij"}) {
            if (c.HasMember(s_name) || !ok) {
                EXPECT_EQ(member_json(document, s_name),
                          c.HasMember(s_name) ? expected_matrix(c, s_name) : "absent")
                    << s_case;
            }
        }
        const std::vector<std::string> v_requests = stub_->requests();
        if (c.HasMember("requests")) {
            EXPECT_EQ(v_requests, pinned_list<std::string>(c["requests"])) << s_case;
        }
        if (c.HasMember("queries")) {
            EXPECT_EQ(logged_queries(*stub_), pinned_list<std::string>(c["queries"])) << s_case;
        }
        if (c.HasMember("request_count")) {
            EXPECT_EQ(v_requests.size(), c["request_count"].GetUint()) << s_case;
        }
        if (c.HasMember("pauses")) {
            EXPECT_EQ(pauses.list(), pinned_list<long>(c["pauses"])) << s_case;
        }
        const bool requests_pinned = c.HasMember("requests") || c.HasMember("queries") ||
                                     c.HasMember("request_count");
        EXPECT_TRUE(ok || (requests_pinned && c.HasMember("pauses")))
            << "a failure case pins its requests and pauses: " << s_case;
    }
}

// One case keeps real pauses; coordinates go longitude first, each value encoded.
TEST_F(Matrices, RealPausesStillEndTheCollectionAndCoordinatesAreEncoded)
{
    stub_->set_script(
        R"({"routes":{"/maps/api/distancematrix/json":)"
        R"([{"generate":"google_matrix","max_elements":100}]}})");
    auto document = instance_document(10);
    EXPECT_TRUE(collect_matrices_google(document, "K"));
    EXPECT_EQ(member_json(document, "Mtij"), table_json(10, 100, false));
    auto odd = string_to_json(R"({"input":{"data":{"clients":[{"lat":"-23,5","long":"-46.6"},)"
                              R"({"lat":"1 #2","long":"x&y"},{"lat":3}]}}})");
    EXPECT_EQ(build_osrm_coordinates(odd), "-46.6,-23.5;x%26y,1%20%232;,");
    EXPECT_EQ(build_osrm_coordinates(instance_document(0)), "");
}

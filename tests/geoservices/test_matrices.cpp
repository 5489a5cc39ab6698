#include "geostub_suite.h"
#include "google_matrix.h"
#include "matrix_documents.h"
#include "osrm_matrix.h"
#include "web_requests.h"

using Matrices = GeoStubSuite;

namespace {

std::string expected_matrix(const rapidjson::Value& c, const char* s_name, bool ok)
{
    if (!c.HasMember(s_name)) return ok ? "not checked" : "absent";
    const rapidjson::Value& matrix = c[s_name];
    const int n = c["n"].GetInt();
    return matrix.IsObject() ? table_json(n, matrix["table"][0].GetInt(), matrix["table"][1].GetBool())
                             : json_to_string(matrix);
}

}  // namespace

// Each case of the file: the clients (n), the stand-in's answers for the OSRM table or the
// Google distance matrix, then what the collection gives: success, the record (one output, the
// data kept as it was on failure), both matrices (literal, or the generator's n x n table of
// row * factor + column, .5 when half), the requests (exact, their query parts, or a count)
// and the recorded pauses.
TEST_F(Matrices, EachCaseGivesItsRequestsPausesMatricesAndRecord)
{
    const rapidjson::Document cases = load_json_file(test_data_dir() + "/geoservices/matrices.json");
    ASSERT_TRUE(cases.IsArray());
    for (const rapidjson::Value& c : cases.GetArray()) {
        const std::string s_case = json_to_string(c).substr(0, 200);
        const bool osrm = c["api"] == "osrm";
        const std::string s_route = osrm ? "/table/v1/driving/" : "/maps/api/distancematrix/json";
        stub_->set_script(R"({"routes":{")" + s_route + R"(":)" + json_to_string(c["answers"]) + "}}");
        PauseRecorder pauses;
        auto document = instance_document(c["n"].GetInt());
        const std::string s_data = json_to_string(document["input"]["data"]);
        const bool ok = osrm ? collect_matrices_osrm(document) : collect_matrices_google(document, "K&Y");
        EXPECT_EQ(ok, c["ok"].GetBool()) << s_case;
        EXPECT_EQ(error_record(document), c.HasMember("record") ? json_to_string(c["record"]) : "none")
            << s_case;
        EXPECT_TRUE(ok || (json_to_string(document["input"]["data"]) == s_data && document.MemberCount() == 2))
            << s_case;
        for (const char* s_name : {"Mtij", "Mdij"}) {
            const std::string s_expected = expected_matrix(c, s_name, ok);
            EXPECT_EQ(s_expected == "not checked" ? s_expected : member_json(document, s_name), s_expected)
                << s_case;
        }
        const std::vector<std::string> v_requests = stub_->requests();
        const std::vector<std::string> v_seen = c.HasMember("queries") ? logged_queries(*stub_) : v_requests;
        const char* s_pinned = c.HasMember("queries") ? "queries" : "requests";
        std::vector<std::string> v_pinned;
        for (rapidjson::SizeType i = 0; c.HasMember(s_pinned) && i < c[s_pinned].Size(); ++i) {
            v_pinned.push_back(c[s_pinned][i].GetString());
        }
        EXPECT_EQ(c.HasMember(s_pinned) ? v_seen : v_pinned, v_pinned) << s_case;
        const auto count = c.FindMember("request_count");
        EXPECT_EQ(v_requests.size(), count != c.MemberEnd() ? count->value.GetUint() : v_requests.size()) << s_case;
        std::vector<long> v_pauses;
        for (rapidjson::SizeType i = 0; c.HasMember("pauses") && i < c["pauses"].Size(); ++i) {
            v_pauses.push_back(c["pauses"][i].GetInt());
        }
        EXPECT_EQ(pauses.v_pauses, c.HasMember("pauses") ? v_pauses : pauses.v_pauses) << s_case;
    }
}

// One case keeps real pauses; coordinates go longitude first, each value encoded.
TEST_F(Matrices, RealPausesStillEndTheCollectionAndCoordinatesAreEncoded)
{
    stub_->set_script(
        R"({"routes":{"/maps/api/distancematrix/json":[{"generate":"google_matrix","max_elements":100}]}})");
    auto document = instance_document(10);
    EXPECT_TRUE(collect_matrices_google(document, "K"));
    EXPECT_EQ(member_json(document, "Mtij"), table_json(10, 100, false));
    auto odd = string_to_json(R"({"input":{"data":{"clients":[{"lat":"-23,5","long":"-46.6"},)"
                              R"({"lat":"1 #2","long":"x&y"},{"lat":3}]}}})");
    EXPECT_EQ(build_osrm_coordinates(odd), "-46.6,-23.5;x%26y,1%20%232;,");
    EXPECT_EQ(build_osrm_coordinates(instance_document(0)), "");
}

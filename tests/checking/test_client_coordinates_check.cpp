#include "full_check_documents.h"
#include "geostub_suite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FullCheckLookups : public GeoStubSuite {
protected:
    struct Outcome {
        bool passed;
        std::string s_record;
        std::vector<long> v_pauses;  // milliseconds
        std::vector<std::string> v_requests;
    };

    static Outcome check(rapidjson::Document& document)
    {
        PauseRecorder pauses;
        const bool passed = check_json_file(document);
        return Outcome{passed, record_of(document), pauses.v_pauses, stub_->requests()};
    }
};

// Client 1 loses its coordinates and must be looked up; the matrix settings go, so that a
// completed scan ends at a record known in advance.
std::vector<Change> looked_up(std::vector<Change> v_changes)
{
    const std::vector<Change> v_common = {{"/input/data/clients/1/lat"},
                                          {"/input/data/clients/1/long"},
                                          {"/input/meta_info/distance_matrix_api"},
                                          {"/input/meta_info/google_api_key", R"("KEY")"}};
    v_changes.insert(v_changes.begin(), v_common.begin(), v_common.end());
    return without_matrices(v_changes);
}

const char* const k_matrix_settings_missing = "missing 'distance_matrix_api' field'";

}  // namespace

TEST_F(FullCheckLookups, EachLookupOutcomeGivesItsRecord)
{
    struct Case {
        const char* s_api;
        std::string s_nominatim;
        std::string s_google;
        std::string s_error;
        std::string s_message;
        std::string s_lat;  // client 1's "lat" afterwards
    };
    const std::string k_match = R"({"json":[{"lat":"-23.5505","lon":"-46.6333"}]})";
    const std::string k_two = R"({"json":[{"lat":"1","lon":"2"},{"lat":"3","lon":"4"}]})";
    const std::string k_none = R"({"json":[]})";
    const std::string k_found = R"({"json":{"status":"OK","results":[{"geometry":)"
                                R"({"location":{"lat":48.8566,"lng":2.3522}}}]}})";
    const std::string k_zero = R"({"json":{"status":"ZERO_RESULTS","results":[]}})";
    const char* k_not_found = "lat_long_value_not_found";
    const char* k_could_not = "could not find lat/long value";
    const Case cases[] = {
        {"osrm_relaxed", k_match, k_zero, "missing_json_field", k_matrix_settings_missing, "-23.5505"},
        {"osrm_exact", k_two, k_zero, k_not_found, k_could_not, "<none>"},
        {"osrm_relaxed", k_none, k_zero, k_not_found, k_could_not, "<none>"},
        {"osrm_relaxed", R"({"body":"<html>blocked</html>","status":403})", k_zero,
         "invalid_field", "invalid 'email' for lat/long search", "<none>"},
        // No connection: a code of its own, never a record without one.
        {"osrm_relaxed", R"({"close":true})", k_zero, "no_internet_connection", "<none>", "<none>"},
        {"google", k_none, R"({"json":{"status":"REQUEST_DENIED"}})", "invalid_field",
         "invalid 'google_api_key'", "<none>"},
        {"google", k_none, k_found, "missing_json_field", k_matrix_settings_missing, "48.856600"},
        {"osrm_google", k_none, k_found, "missing_json_field", k_matrix_settings_missing, "48.856600"},
    };
    for (const Case& c : cases) {
        stub_->set_script(R"({"routes":{"/search":[)" + c.s_nominatim +
                          R"(],"/maps/api/geocode/json":[)" + c.s_google + "]}}");
        const std::string s_api = std::string("\"") + c.s_api + "\"";
        rapidjson::Document document =
            instance_with(looked_up({{"/input/meta_info/lat_long_api", s_api.c_str()}}));
        const Outcome outcome = check(document);
        const std::string s_case = std::string(c.s_api) + " " + c.s_nominatim + " " + c.s_google;
        EXPECT_FALSE(outcome.passed) << s_case;
        EXPECT_EQ(outcome.s_record, one_record(c.s_error, c.s_message)) << s_case;
        EXPECT_EQ(text_at(document, "/input/data/clients/1/lat"), c.s_lat) << s_case;
        EXPECT_EQ(outcome.v_pauses, std::vector<long>{1200}) << s_case;
    }
}

TEST_F(FullCheckLookups, AfterAFaultTheScanStillLooksUpTheRemainingClients)
{
    stub_->set_script(R"({"routes":{"/search":[{"json":[{"lat":"1.5","lon":"2.5"}]}]}})");
    rapidjson::Document document = instance_with(looked_up({
        {"/input/data/clients/1/address"},
        {"/input/data/clients/2",
         R"({"id":"c2","early_tw":0,"late_tw":9,"service_time":0,"demand":1,
             "address":{"address":"Pine Ave","number":"3","neighborhood":"","city":"Y",
                        "state":"SP","country":"BR"}})"},
    }));
    const Outcome outcome = check(document);
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.s_record, one_record("missing_json_field", "client has no 'address' field"));
    EXPECT_EQ(text_at(document, "/input/data/clients/2/lat"), "1.5");
    EXPECT_EQ(text_at(document, "/input/data/clients/2/long"), "2.5");
    EXPECT_EQ(outcome.v_pauses, std::vector<long>{1200});
    EXPECT_EQ(outcome.v_requests,
              std::vector<std::string>{
                  "https GET /search?q=Pine+Ave+3,,Y,SP,BR&format=json&email=me%40x.org HTTP/1.1"});
}

TEST_F(FullCheckLookups, LookupSettingsAreReadOnceAndAFaultEndsTheScan)
{
    stub_->set_script(R"({"routes":{"/search":[{"json":[{"lat":"1.5","lon":"2.5"}]}]}})");
    const char* k_missing = "missing_json_field";
    const std::vector<FaultCase> cases = {
        {{{"/input/meta_info/lat_long_api"}}, k_missing, "there is no 'lat_long_api' field"},
        {{{"/input/meta_info/lat_long_api", R"("bing")"}}, "invalid_field", "invalid 'lat_long_api'"},
        {{{"/input/meta_info/email"}}, k_missing, "missing 'email' field"},
        {{{"/input/meta_info/lat_long_api", R"("osrm_exact")"}, {"/input/meta_info/email", "1"}},
         k_missing, "missing 'email' field"},
        {{{"/input/meta_info/lat_long_api", R"("osrm_google")"}, {"/input/meta_info/google_api_key"}},
         k_missing, "missing 'email' or 'google_api_key' field"},
        {{{"/input/meta_info/lat_long_api", R"("google")"}, {"/input/meta_info/google_api_key"}},
         k_missing, "missing 'google_api_key' field'"},
        // An earlier fault keeps its record; the refused settings still end the scan.
        {{{"/input/meta_info/email"}, {"/input/data/clients/0/long"}}, k_missing,
         "for each client, both lat and long should be setted, or none"},
        {{{"/input/data/clients/1/address/state"}}, k_missing,
         "client has no inner 'address' field (number, city,...)"},
    };
    for (const FaultCase& c : cases) {
        rapidjson::Document document = instance_with(looked_up(c.v_changes));
        const Outcome outcome = check(document);
        const std::string s_case = c.v_changes[0].s_pointer;
        EXPECT_FALSE(outcome.passed) << s_case;
        EXPECT_EQ(outcome.s_record, one_record(c.s_error, c.s_message)) << s_case;
        EXPECT_TRUE(outcome.v_requests.empty()) << s_case;
        EXPECT_TRUE(outcome.v_pauses.empty()) << s_case;
    }
}

TEST_F(FullCheckLookups, LookedUpCoordinatesFeedTheMatrixService)
{
    stub_->set_script(R"({"routes":{"/search":[{"json":[{"lat":"1.5","lon":"2.5"}]}],
        "/table/v1/driving/":[{"generate":"osrm_table"}]}})");
    // OSRM needs no Google key.
    rapidjson::Document document = instance_with(without_matrices(
        {{"/input/data/clients/1/lat"}, {"/input/data/clients/1/long"}}));
    const Outcome outcome = check(document);
    EXPECT_TRUE(outcome.passed);
    EXPECT_EQ(outcome.s_record, "<none> | <none> | 0 output");
    EXPECT_EQ(json_to_string(*rapidjson::Pointer("/input/data/Mtij").Get(document)),
              "[[0,1],[100,101]]");
    EXPECT_EQ(json_to_string(*rapidjson::Pointer("/input/data/Mdij").Get(document)),
              "[[0.5,1.5],[1000.5,1001.5]]");
    ASSERT_EQ(outcome.v_requests.size(), 2u);
    EXPECT_EQ(outcome.v_requests[1].rfind("http GET /table/v1/driving/-46.6,-23.5;2.5,1.5?", 0),
              0u)
        << outcome.v_requests[1];
}

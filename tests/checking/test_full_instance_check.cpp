#include "full_instance_check.h"
#include "geostub_suite.h"
#include "json_document.h"

#include <rapidjson/pointer.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A pointer into the document and the JSON text to put there; no text erases the member.
struct Change {
    const char* s_pointer;
    const char* s_json = nullptr;
};

// Two containers-worth of fleet, a depot and one client, both located, and both matrices.
const char* const k_valid_instance = R"({"input":{
    "data":{
        "containers":[{"container_id":"truck","container_qt":2,"container_dim":100,
                       "container_fixed_cost":50,"container_var_cost":1}],
        "clients":[
            {"id":"depot","early_tw":0,"late_tw":1000,"service_time":0,"demand":0,
             "lat":"-23.5","long":"-46.6",
             "address":{"address":"Oak Road","number":"1","neighborhood":"","city":"X",
                        "state":"","country":"BR"}},
            {"id":"c1","early_tw":5,"late_tw":1,"service_time":60,"demand":3,
             "lat":"-23,55","long":"-46,63",
             "address":{"address":"Elm Street","number":"2","neighborhood":"","city":"X",
                        "state":"","country":"BR"}}],
        "Mdij":[[0,10],[10,0]],
        "Mtij":[[0,20],[20,0]]},
    "meta_info":{"prob_type":"VRPTW","max_time":1,"solution_method":0,
                 "lat_long_api":"osrm_relaxed","email":"me@x.org",
                 "distance_matrix_api":"osrm"}}})";

rapidjson::Document instance_with(const std::vector<Change>& v_changes)
{
    rapidjson::Document document = string_to_json(k_valid_instance);
    for (const Change& change : v_changes) {
        if (change.s_json == nullptr) {
            rapidjson::Pointer(change.s_pointer).Erase(document);
            continue;
        }
        rapidjson::Document value(&document.GetAllocator());
        value.Parse(change.s_json);
        rapidjson::Pointer(change.s_pointer).Set(document, value);
    }
    return document;
}

std::string text_at(const rapidjson::Value& document, const char* s_pointer)
{
    const rapidjson::Value* value = rapidjson::Pointer(s_pointer).Get(document);
    return value != nullptr && value->IsString() ? value->GetString() : "<none>";
}

struct Record {
    std::string s_error;
    std::string s_message;
    int outputs;  // "output" members at the root
};

Record record_of(const rapidjson::Document& document)
{
    int outputs = 0;
    for (const auto& member : document.GetObject()) {
        outputs += std::string(member.name.GetString()) == "output" ? 1 : 0;
    }
    return Record{text_at(document, "/output/meta_info/error"),
                  text_at(document, "/output/meta_info/message"), outputs};
}

struct FaultCase {
    std::vector<Change> v_changes;
    std::string s_error;
    std::string s_message;
};

void expect_faults(const std::vector<FaultCase>& v_cases)
{
    for (const FaultCase& c : v_cases) {
        rapidjson::Document document = instance_with(c.v_changes);
        const std::string s_case = c.v_changes.empty() ? "" : c.v_changes[0].s_pointer;
        EXPECT_FALSE(check_json_file(document)) << s_case;
        const Record record = record_of(document);
        EXPECT_EQ(record.s_error, c.s_error) << s_case;
        EXPECT_EQ(record.s_message, c.s_message) << s_case;
        EXPECT_EQ(record.outputs, 1) << s_case;
    }
}

// Matrices gone, so coordinates are checked and the settings of both services read.
const std::vector<Change> k_no_matrices = {{"/input/data/Mdij"}, {"/input/data/Mtij"}};

std::vector<Change> without_matrices(std::vector<Change> v_changes)
{
    v_changes.insert(v_changes.end(), k_no_matrices.begin(), k_no_matrices.end());
    return v_changes;
}

}  // namespace

TEST(FullInstanceCheck, AValidInstanceWithMatricesPassesUnchanged)
{
    rapidjson::Document document = instance_with({});
    const std::string s_before = json_to_string(document);
    EXPECT_TRUE(check_json_file(document));
    EXPECT_EQ(json_to_string(document), s_before);  // commas kept, nothing added
}

TEST(FullInstanceCheck, EachFaultOfTheDocumentShapeIsNamed)
{
    rapidjson::Document unparsed = string_to_json("not json");
    EXPECT_FALSE(check_json_file(unparsed));
    EXPECT_EQ(record_of(unparsed).s_error, "invalid_file");
    EXPECT_EQ(record_of(unparsed).s_message, "file is not in json format");

    const char* k_missing = "missing_json_field";
    const char* k_invalid = "invalid_field";
    const char* k_not_array = "'containers' is not in array format";
    expect_faults({
        {{{"/input"}}, k_missing, "missing 'input' field"},
        {{{"/input", "[]"}}, k_missing, "missing 'input' field"},
        {{{"/input/meta_info"}}, k_missing, "missing 'meta_info' field"},
        {{{"/input/meta_info/prob_type"}}, k_missing, "missing 'prob_type' field"},
        {{{"/input/meta_info/prob_type", R"("vrptw")"}}, k_invalid, "invalid 'prob_type'"},
        {{{"/input/meta_info/prob_type", "7"}}, k_invalid, "invalid 'prob_type'"},
        {{{"/input/data"}}, k_missing, "missing 'data' field"},
        {{{"/input/data/containers"}, {"/input/data/clients"}}, k_missing,
         "missing 'containers' field"},
        {{{"/input/data/containers", "{}"}}, k_invalid, k_not_array},
    });
}

TEST(FullInstanceCheck, EachContainerAndClientFieldIsTested)
{
    const char* k_bad_container = "invalid container field";
    const char* k_bad_client = "invalid clients field";
    expect_faults({
        {{{"/input/data/containers/0/container_qt", "2.5"}}, "invalid_field", k_bad_container},
        {{{"/input/data/containers/0/container_dim", "-1"}}, "invalid_field", k_bad_container},
        {{{"/input/data/containers/0/container_fixed_cost", "1e2"}}, "invalid_field",
         k_bad_container},
        {{{"/input/data/containers/0/container_var_cost", "3000000000"}}, "invalid_field",
         k_bad_container},
        {{{"/input/data/containers/0/container_id", "5"}}, "invalid_field", k_bad_container},
        // Presence is tested before values.
        {{{"/input/data/containers/0/container_var_cost"},
          {"/input/data/containers/0/container_qt", "2.5"}},
         "missing_field", "missing some 'container' field"},
        {{{"/input/data/containers/0", "7"}}, "missing_field", "missing some 'container' field"},
        {{{"/input/data/clients"}}, "missing_field", "missing 'clients' field"},
        {{{"/input/data/clients", R"("x")"}}, "invalid_field", "'clients' is not in array format"},
        {{{"/input/data/clients/1/id"}}, "missing_field", "missing some 'client' field"},
        {{{"/input/data/clients/1/early_tw"}}, "missing_field", "missing some 'client' field"},
        {{{"/input/data/clients/1/demand", "-1"}}, "invalid_field", k_bad_client},
        {{{"/input/data/clients/1/service_time", "60.0"}}, "invalid_field", k_bad_client},
        {{{"/input/data/clients/0/id", "3"}}, "invalid_field", k_bad_client},
    });
    rapidjson::Document no_containers = instance_with({{"/input/data/containers", "[]"}});
    EXPECT_TRUE(check_json_file(no_containers));  // an empty fleet is no field fault
}

TEST(FullInstanceCheck, MatricesAreTestedWhenTheDocumentCarriesThem)
{
    const char* k_values = "missing_matrix_values";
    expect_faults({
        {{{"/input/data/Mdij"}}, "missing_matrix",
         "if passed, both matrices are required, you may pass none instead"},
        {{{"/input/data/Mdij", "[[0,10]]"}}, k_values,
         "matrix row number differs from clients number"},
        {{{"/input/data/Mtij/1", "[20]"}}, k_values,
         "matrix Mtij column number differs from clients number"},
        {{{"/input/data/Mdij/0", "[0]"}}, k_values,
         "matrix Mdij column number differs from clients number"},
        {{{"/input/data/Mtij/1/0", "null"}}, "csv_client_database",
         "distance/time between clients c1 and depot is empty, check addresses and lat/long"},
        // With both matrices the coordinates are not looked at.
    });
    rapidjson::Document unlocated = instance_with({{"/input/data/clients/1/lat", "95"}});
    EXPECT_TRUE(check_json_file(unlocated));
}

TEST(FullInstanceCheck, CoordinatesAndMatrixSettingsAreTestedWithoutMatrices)
{
    expect_faults({
        {without_matrices({{"/input/data/clients/1/long"}}), "missing_json_field",
         "for each client, both lat and long should be setted, or none"},
        {without_matrices({{"/input/data/clients/0/lat", R"("90.000001")"}}), "invalid_field",
         "invalid lat/long values"},
        {without_matrices({{"/input/data/clients/1/lat", "12"}}), "invalid_field",
         "invalid lat/long values"},
        {without_matrices({{"/input/data/clients/1/long", R"("")"}}), "invalid_field",
         "invalid lat/long values"},
        // Every client located: the lookup settings are never needed.
        {without_matrices({{"/input/meta_info/lat_long_api"}, {"/input/meta_info/distance_matrix_api"}}),
         "missing_json_field", "missing 'distance_matrix_api' field'"},
        {without_matrices({{"/input/meta_info/distance_matrix_api", R"("here")"}}),
         "missing_field", "invalid 'distance_matrix_api' field'"},
        {without_matrices({{"/input/meta_info/distance_matrix_api", "1"}}), "missing_field",
         "invalid 'distance_matrix_api' field'"},
        {without_matrices({{"/input/meta_info/distance_matrix_api", R"("google")"}}),
         "missing_json_field", "missing 'google_api_key' field'"},
        {without_matrices({{"/input/meta_info/distance_matrix_api", R"("osrm_google")"}}),
         "missing_json_field", "missing 'google_api_key' field'"},
    });
}

TEST(FullInstanceCheck, TriangleInequalityOverTheDistances)
{
    struct Case {
        const char* s_distances;
        bool triangular;
    };
    const Case cases[] = {
        {"[[0,1,5],[1,0,1],[5,1,0]]", false},
        {"[[0,1,2],[1,0,1],[2,1,0]]", true},  // equality passes
        {"[[0,1.5,2],[1.5,0,0.5],[2,0.5,0]]", true},  // integers and doubles mixed
        {"[]", true},
        {"[[0,1,2],[1,0],[2,1,0]]", false},  // ragged
        {R"([[0,"1"],[1,0]])", false},
        {"{}", false},
    };
    for (const Case& c : cases) {
        rapidjson::Document document = instance_with({{"/input/data/Mdij", c.s_distances}});
        EXPECT_EQ(is_triangular_check(document), c.triangular) << c.s_distances;
        EXPECT_FALSE(document.HasMember("output")) << c.s_distances;
    }
    rapidjson::Document without = instance_with({{"/input/data/Mdij"}});
    EXPECT_FALSE(is_triangular_check(without));
}

namespace {


class FullCheckLookups : public GeoStubSuite {
protected:
    struct Outcome {
        bool passed;
        Record record;
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
        {"osrm_relaxed", k_two, k_zero, "missing_json_field", k_matrix_settings_missing, "1"},
        {"osrm_exact", k_two, k_zero, k_not_found, k_could_not, "<none>"},
        {"osrm_relaxed", k_none, k_zero, k_not_found, k_could_not, "<none>"},
        {"osrm_relaxed", R"({"body":"<html>blocked</html>","status":403})", k_zero,
         "invalid_field", "invalid 'email' for lat/long search", "<none>"},
        // No connection: a code of its own, never a record without one.
        {"osrm_relaxed", R"({"close":true})", k_zero, "no_internet_connection", "<none>", "<none>"},
        {"google", k_none, R"({"json":{"status":"REQUEST_DENIED"}})", "invalid_field",
         "invalid 'google_api_key'", "<none>"},
        {"google", k_none, R"({"json":{"status":"OVER_QUERY_LIMIT"}})", "no_internet_connection",
         "<none>", "<none>"},
        {"google", k_none, k_found, "missing_json_field", k_matrix_settings_missing, "48.856600"},
        {"osrm_google", k_none, k_found, "missing_json_field", k_matrix_settings_missing, "48.856600"},
        {"osrm_google", k_two, k_zero, k_not_found, k_could_not, "<none>"},
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
        EXPECT_EQ(outcome.record.s_error, c.s_error) << s_case;
        EXPECT_EQ(outcome.record.s_message, c.s_message) << s_case;
        EXPECT_EQ(outcome.record.outputs, 1) << s_case;
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
    EXPECT_EQ(outcome.record.s_error, "missing_json_field");
    EXPECT_EQ(outcome.record.s_message, "client has no 'address' field");
    EXPECT_EQ(outcome.record.outputs, 1);
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
        {{{"/input/meta_info/lat_long_api", "3"}}, "invalid_field", "invalid 'lat_long_api'"},
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
        {{{"/input/data/clients/1/address/city", "5"}}, k_missing,
         "client has no inner 'address' field (number, city,...)"},
    };
    for (const FaultCase& c : cases) {
        rapidjson::Document document = instance_with(looked_up(c.v_changes));
        const Outcome outcome = check(document);
        const std::string s_case = c.v_changes[0].s_pointer;
        EXPECT_FALSE(outcome.passed) << s_case;
        EXPECT_EQ(outcome.record.s_error, c.s_error) << s_case;
        EXPECT_EQ(outcome.record.s_message, c.s_message) << s_case;
        EXPECT_EQ(outcome.record.outputs, 1) << s_case;
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
    EXPECT_EQ(outcome.record.outputs, 0);
    EXPECT_EQ(json_to_string(*rapidjson::Pointer("/input/data/Mtij").Get(document)),
              "[[0,1],[100,101]]");
    EXPECT_EQ(json_to_string(*rapidjson::Pointer("/input/data/Mdij").Get(document)),
              "[[0.5,1.5],[1000.5,1001.5]]");
    ASSERT_EQ(outcome.v_requests.size(), 2u);
    EXPECT_EQ(outcome.v_requests[1].rfind("http GET /table/v1/driving/-46.6,-23.5;2.5,1.5?", 0),
              0u)
        << outcome.v_requests[1];
}

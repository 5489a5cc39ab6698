// The two checks of an instance document: each fault names itself with its code and
// message; matrices and coordinates that are missing come from the loopback stand-in.

#include "full_instance_check.h"
#include "geostub_suite.h"
#include "instance_check.h"
#include "instance_reader.h"
#include "matrix_documents.h"

#include <rapidjson/pointer.h>

namespace {

// A pointer below "/input" and the JSON text to put there; no text erases the member.
struct Change {
    const char* s_pointer;
    const char* s_json = nullptr;
};

// One vehicle type, a depot and one client, both located, and both matrices.
const char* const k_valid_instance = R"({"input":{"data":{
    "containers":[{"container_id":"truck","container_qt":2,"container_dim":100,
                   "container_fixed_cost":50,"container_var_cost":1}],
    "clients":[{"id":"depot","early_tw":0,"late_tw":1000,"service_time":0,"demand":0,
                "lat":"-23.5","long":"-46.6","address":{"address":"Oak Road","number":"1",
                "neighborhood":"","city":"X","state":"","country":"BR"}},
               {"id":"c1","early_tw":5,"late_tw":1,"service_time":60,"demand":3,
                "lat":"-23,55","long":"-46,63","address":{"address":"Elm Street","number":"2",
                "neighborhood":"","city":"X","state":"","country":"BR"}}],
    "Mdij":[[0,10],[10,0]], "Mtij":[[0,20],[20,0]]},
    "meta_info":{"prob_type":"VRPTW","max_time":1,"solution_method":0,"lat_long_api":"osrm_relaxed",
                 "email":"me@x.org","distance_matrix_api":"osrm"}}})";

// Matrices gone, so coordinates are checked and the settings of both services read; then
// client 1 loses its coordinates and must be looked up before the matrices are collected.
const std::vector<Change> k_no_matrices = {{"/data/Mdij"}, {"/data/Mtij"}};
const std::vector<Change> k_looked_up = {{"/data/Mdij"}, {"/data/Mtij"}, {"/data/clients/1/lat"},
                                         {"/data/clients/1/long"}};
const char* const k_missing = "missing_json_field";
const char* const k_invalid = "invalid_field";
const char* const k_not_located = "for each client, both lat and long should be setted, or none";

// The valid instance with the base changes, then the case's.
rapidjson::Document instance_with(std::vector<Change> v_changes,
                                  const std::vector<Change>& v_case = {})
{
    v_changes.insert(v_changes.end(), v_case.begin(), v_case.end());
    rapidjson::Document document = string_to_json(k_valid_instance);
    for (const Change& change : v_changes) {
        const rapidjson::Pointer pointer((std::string("/input") + change.s_pointer).c_str());
        rapidjson::Document value(&document.GetAllocator());
        if (change.s_json == nullptr) {
            pointer.Erase(document);
        } else {
            pointer.Set(document, value.Parse(change.s_json));
        }
    }
    return document;
}

std::string text_at(const rapidjson::Value& document, const char* s_pointer)
{
    const rapidjson::Value* value = rapidjson::Pointer(s_pointer).Get(document);
    return value != nullptr && value->IsString() ? value->GetString() : "<none>";
}

struct FaultCase {
    std::vector<Change> v_changes;
    const char* s_code;  // null: the check passes
    const char* s_message;
};

std::string empty_pair(const std::string& s_pair)
{
    return record("csv_client_database", "distance/time between clients " + s_pair +
                                             " is empty, check addresses and lat/long");
}

// A routing-service script answering every table request with the answers in turn.
std::string osrm_script(const std::string& s_answers)
{
    return R"({"routes":{"/table/v1/driving/":[)" + s_answers + "]}}";
}

class Checks : public GeoStubSuite {
protected:
    // Each case's document (base changes first) through the check: a pass leaves it as it
    // was, commas kept; a failure adds exactly one record. Neither pauses nor requests.
    void expect_records(const std::vector<FaultCase>& v_cases, const std::vector<Change>& v_base)
    {
        for (const FaultCase& c : v_cases) {
            rapidjson::Document document = instance_with(v_base, c.v_changes);
            const std::string s_case = c.v_changes.empty() ? "" : c.v_changes[0].s_pointer;
            const std::string s_before = json_to_string(document);
            const auto members = document.MemberCount();
            PauseGate pauses;
            EXPECT_EQ(c.s_code == nullptr, check_json_file(document)) << s_case;
            EXPECT_EQ(c.s_code ? record(c.s_code, c.s_message) : "none", error_record(document))
                << s_case;
            EXPECT_EQ(c.s_code ? members + 1 : members, document.MemberCount()) << s_case;
            EXPECT_TRUE(c.s_code || s_before == json_to_string(document)) << s_case;
            EXPECT_TRUE(pauses.list().empty() && stub_->requests().empty()) << s_case;
        }
    }
};

}  // namespace

TEST_F(Checks, BeforeOptimisationMembersMatricesAndTheProblemTypeAreChecked)
{
    for (const auto& [s_text, s_name] : std::vector<std::pair<std::string, std::string>>{
             {R"({})", "input"}, {R"({"input":[]})", "input"},
             {R"({"input":{"meta_info":{}}})", "data"}, {R"({"input":{"data":{}}})", "meta_info"},
             {R"({"input":{"data":{},"meta_info":{}}})", "containers"},
             {R"({"input":{"data":{"containers":1,"clients":{}},"meta_info":{}}})", "clients"}}) {
        auto document = string_to_json(s_text);
        EXPECT_FALSE(check_instance_json(document, "osrm", "K")) << s_text;
        EXPECT_EQ(record("missing_json_field", "missing '" + s_name + "' field"),
                  error_record(document));
    }
    const auto given = [](const std::string& s_mtij, const std::string& s_mdij) {
        return R"(,"Mtij":)" + s_mtij + R"(,"Mdij":)" + s_mdij;
    };
    const std::string k_unit = table_json(3, 1, false);
    const std::string k_osrm = R"({"generate":"osrm_table"})",
                      k_google = R"({"generate":"google_matrix"})";
    const std::string k_empty = R"({"body":""})";
    const std::string k_sizes = "missing_matrix_values",
                      k_columns = " column number differs from clients number";
    const std::string k_prob_type =
        record("missing_json_field", "missing or prob_type field or unknown problem_type");
    struct Case {
        std::string s_api, s_osrm, s_google, s_record;
        std::string s_schemes;  // of the requests, in order; with both, Google is announced
        std::string s_given = "";
        std::string s_prob_type = "VRPTW";
    };
    const Case v_cases[] = {
        // Given matrices are tested without any request.
        {"google", k_osrm, k_google, "none", "",
         given(table_json(3, 100, false), table_json(3, 1000, true))},
        {"google", "", "",
         record("missing_matrix",
                "if passed, both matrices are required, you may pass none instead"),
         "", R"(,"Mtij":[])"},
        {"google", "", "", record(k_sizes, "matrix row number differs from clients number"), "",
         given(k_unit, table_json(2, 1, false))},
        {"google", "", "", record(k_sizes, "matrix Mtij" + k_columns), "",
         given("[[0,1,2],[0,1,2],[0,1]]", "[[0,1,2],[0,1],[0,1,2]]")},
        {"google", "", "", record(k_sizes, "matrix Mdij" + k_columns), "",
         given(k_unit, "[[0,1,2],[0,1,2],7]")},
        {"google", "", "", empty_pair("c2 and c0"), "",
         given("[[0,1,2],[0,1,2],[null,1,2]]", k_unit)},
        // The solver reads both matrices, so an empty distance fails too.
        {"google", "", "", empty_pair("c1 and c2"), "",
         given(k_unit, R"([[0,1,2],[0,1,"2"],[0,1,2]])")},
        // Missing ones come from the named service.
        {"osrm", k_osrm, "", "none", "http"},
        {"google", "", k_google, "none", "https"},
        {"osrm_google", k_osrm, "", "none", "http"},
        {"osrm_google", k_empty, k_google, "none", "http https"},
        // OSRM's record is dropped when Google fails too.
        {"osrm_google", k_empty, R"({"json":{"status":"REQUEST_DENIED"}})",
         record("wrong_google_api_key", "Probably wrong api key"), "http https"},
        {"osrm", R"({"generate":"osrm_table","null_pairs":[[2,0]]})", "", empty_pair("c2 and c0"),
         "http"},
        {"here", k_osrm, k_google,
         record("missing_matrix",
                "no matrices given and no known distance_matrix_api to collect them"),
         ""},
        // The problem type is tested last: the collected matrices stay.
        {"osrm", k_osrm, "", k_prob_type, "http", "", "vrptw"},
        {"osrm", k_osrm, "", "none", "http", "", "OVRPTW"},
    };
    for (const Case& c : v_cases) {
        stub_->set_script(R"({"routes":{"/table/v1/driving/":[)" + c.s_osrm +
                          R"(],"/maps/api/distancematrix/json":[)" + c.s_google + "]}}");
        PauseGate pauses;
        auto document =
            instance_document(3, c.s_given, R"({"prob_type":")" + c.s_prob_type + "\"}");
        const std::string s_case = c.s_api + " " + c.s_osrm + c.s_given;
        testing::internal::CaptureStdout();
        EXPECT_EQ(c.s_record == "none", check_instance_json(document, c.s_api, "K")) << s_case;
        EXPECT_EQ(
            c.s_schemes == "http https" ? " Colecting distance and time matrices GOOGLE...\n" : "",
            testing::internal::GetCapturedStdout())
            << s_case;
        EXPECT_EQ(c.s_record, error_record(document)) << s_case;
        EXPECT_EQ(c.s_record == "none" ? 1u : 2u, document.MemberCount()) << s_case;
        std::string s_schemes;
        for (const std::string& s_line : stub_->requests()) {
            s_schemes += (s_schemes.empty() ? "" : " ") + s_line.substr(0, s_line.find(' '));
        }
        EXPECT_EQ(c.s_schemes, s_schemes) << s_case;
        const bool collected = c.s_record == "none" || c.s_record == k_prob_type;
        EXPECT_EQ(collected, member_json(document, "Mtij") == table_json(3, 100, false)) << s_case;
    }
}

TEST_F(Checks, EachFaultOfTheDocumentAndItsFieldsIsNamed)
{
    stub_->set_script(R"({"routes":{}})");
    rapidjson::Document unparsed = string_to_json("not json");
    EXPECT_FALSE(check_json_file(unparsed));
    EXPECT_EQ(record("invalid_file", "file is not in json format"), error_record(unparsed));
    expect_records({
        {{}, nullptr, nullptr},
        {{{""}}, k_missing, "missing 'input' field"},
        {{{"/meta_info"}}, k_missing, "missing 'meta_info' field"},
        {{{"/meta_info/prob_type"}}, k_missing, "missing 'prob_type' field"},
        {{{"/meta_info/prob_type", R"("vrptw")"}}, k_invalid, "invalid 'prob_type'"},
        {{{"/data"}}, k_missing, "missing 'data' field"},
        {{{"/data/containers"}, {"/data/clients"}}, k_missing, "missing 'containers' field"},
        {{{"/data/containers", "{}"}}, k_invalid, "'containers' is not in array format"},
        {{{"/data/containers", "[]"}}, nullptr, nullptr},  // an empty fleet is no field fault
        {{{"/data/containers/0/container_qt", "2.5"}}, k_invalid, "invalid container field"},
        {{{"/data/containers/0/container_dim", "-1"}}, k_invalid, "invalid container field"},
        {{{"/data/containers/0/container_id", "5"}}, k_invalid, "invalid container field"},
        // Presence is tested before values.
        {{{"/data/containers/0/container_var_cost"}, {"/data/containers/0/container_qt", "2.5"}},
         "missing_field", "missing some 'container' field"},
        {{{"/data/clients"}}, "missing_field", "missing 'clients' field"},
        {{{"/data/clients", R"("x")"}}, k_invalid, "'clients' is not in array format"},
        {{{"/data/clients/1/id"}}, "missing_field", "missing some 'client' field"},
        {{{"/data/clients/1/demand", "-1"}}, k_invalid, "invalid clients field"},
        {{{"/data/clients/0/id", "3"}}, k_invalid, "invalid clients field"},
        // With both matrices the coordinates are not looked at.
        {{{"/data/clients/1/lat", "95"}}, nullptr, nullptr},
        {{{"/data/Mdij"}}, "missing_matrix",
         "if passed, both matrices are required, you may pass none instead"},
    }, {});
    // Without matrices: the coordinates, then the matrix settings (every client located, so
    // the lookup settings are never needed).
    expect_records({
        {{{"/data/clients/1/long"}}, k_missing, k_not_located},
        {{{"/data/clients/0/lat", R"("90.000001")"}}, k_invalid, "invalid lat/long values"},
        {{{"/data/clients/0/long", "-46.6"}}, k_invalid, "invalid lat/long values"},
        {{{"/data/clients/1/lat", "-23.5"}}, k_invalid, "invalid lat/long values"},
        {{{"/meta_info/lat_long_api"}, {"/meta_info/distance_matrix_api"}}, k_missing,
         "missing 'distance_matrix_api' field'"},
        {{{"/meta_info/distance_matrix_api", R"("here")"}}, "missing_field",
         "invalid 'distance_matrix_api' field'"},
        {{{"/meta_info/distance_matrix_api", R"("google")"}}, k_missing,
         "missing 'google_api_key' field'"},
    }, k_no_matrices);
    // Called on its own, the coordinate check names a missing client array too.
    rapidjson::Document no_clients = instance_with(k_no_matrices, {{"/data/clients"}});
    EXPECT_FALSE(check_clients_lat_long(no_clients));
    EXPECT_EQ(record("missing_field", "missing 'clients' field"), error_record(no_clients));
    // Triangle inequality of the distances: mixed integers and doubles pass; a ragged, wrong or no
    // matrix fails.
    for (const auto& [s_distances, triangular] : std::vector<std::pair<const char*, bool>>{
             {"[[0,1,5],[1,0,1],[5,1,0]]", false}, {"[[0,1.5,2],[1.5,0,0.5],[2,0.5,0]]", true},
             {"[[0,1,2],[1,0],[2,1,0]]", false}, {"{}", false}, {nullptr, false}}) {
        rapidjson::Document document = instance_with({{"/data/Mdij", s_distances}});
        EXPECT_EQ(triangular, is_triangular_check(document)) << s_distances;
        EXPECT_FALSE(document.HasMember("output")) << s_distances;
    }
}

// Each lookup outcome gives its record, or client 1's coordinates and the matrices collected
// with them; lookup settings are read once, before any request, and a fault ends the scan.
TEST_F(Checks, LookupsGiveTheirRecordsSettingsAreReadOnceAndTheScanGoesOnAfterAFault)
{
    const std::string k_found = R"({"json":{"status":"OK","results":[{"geometry":)"
                                R"({"location":{"lat":48.8566,"lng":2.3522}}}]}})";
    const std::string k_none = R"({"json":[]})",
                      k_zero = R"({"json":{"status":"ZERO_RESULTS","results":[]}})";
    const std::string k_not_found =
        record("lat_long_value_not_found", "could not find lat/long value");
    const std::vector<std::vector<std::string>> v_outcomes = {
        {"osrm_relaxed", R"({"json":[{"lat":"-23.5505","lon":"-46.6333"}]})", k_zero, "none",
         "-23.5505"},
        {"osrm_exact", R"({"json":[{"lat":"1","lon":"2"},{"lat":"3","lon":"4"}]})", k_zero,
         k_not_found, "<none>"},
        {"osrm_relaxed", R"({"body":"<html>blocked</html>","status":403})", k_zero,
         record(k_invalid, "invalid 'email' for lat/long search"), "<none>"},
        // No connection: a code of its own, never a record without one.
        {"osrm_relaxed", R"({"close":true})", k_zero, record("no_internet_connection"), "<none>"},
        {"google", k_none, R"({"json":{"status":"REQUEST_DENIED"}})",
         record(k_invalid, "invalid 'google_api_key'"), "<none>"},
        {"google", k_none, k_found, "none", "48.856600"},
        {"osrm_google", k_none, k_found, "none", "48.856600"},
    };
    for (const std::vector<std::string>& c : v_outcomes) {
        stub_->set_script(R"({"routes":{"/search":[)" + c[1] + R"(],"/maps/api/geocode/json":[)" +
                          c[2] + R"(],"/table/v1/driving/":[{"generate":"osrm_table"}]}})");
        const std::string s_api = "\"" + c[0] + "\"";
        rapidjson::Document document = instance_with(
            k_looked_up, {{"/meta_info/lat_long_api", s_api.c_str()},
                          {"/meta_info/google_api_key",
                           c[0].find("google") == std::string::npos ? "null" : R"("KEY")"}});
        PauseGate pauses;
        const std::string s_case = c[0] + " " + c[1] + " " + c[2];
        EXPECT_EQ(c[3] == "none", check_json_file(document)) << s_case;
        EXPECT_EQ(c[3], error_record(document)) << s_case;
        EXPECT_EQ(c[4], text_at(document, "/input/data/clients/1/lat")) << s_case;
        EXPECT_EQ(c[3] == "none" ? "[[0,1],[100,101]]" : "absent", member_json(document, "Mtij"))
            << s_case;
        EXPECT_EQ(std::vector<long>{1200}, pauses.list()) << s_case;
    }
    stub_->set_script(R"({"routes":{}})");
    expect_records({
        {{{"/meta_info/lat_long_api"}}, k_missing, "there is no 'lat_long_api' field"},
        {{{"/meta_info/lat_long_api", R"("bing")"}}, k_invalid, "invalid 'lat_long_api'"},
        {{{"/meta_info/email"}}, k_missing, "missing 'email' field"},
        {{{"/meta_info/lat_long_api", R"("osrm_google")"}, {"/meta_info/google_api_key"}},
         k_missing, "missing 'email' or 'google_api_key' field"},
        {{{"/meta_info/lat_long_api", R"("google")"}, {"/meta_info/google_api_key"}}, k_missing,
         "missing 'google_api_key' field'"},
        // An earlier fault keeps its record; the refused settings still end the scan.
        {{{"/meta_info/email"}, {"/data/clients/0/long"}}, k_missing, k_not_located},
        {{{"/data/clients/1/address/state"}}, k_missing,
         "client has no inner 'address' field (number, city,...)"},
    }, k_looked_up);

    // After a fault the scan still looks up the remaining clients, their queries encoded.
    stub_->set_script(R"({"routes":{"/search":[{"json":[{"lat":"1.5","lon":"2.5"}]}]}})");
    rapidjson::Document document = instance_with(k_looked_up, {{"/data/clients/1/address"},
        {"/data/clients/2", R"({"id":"c2","early_tw":0,"late_tw":9,"service_time":0,"demand":1,
             "address":{"address":"Pine Ave","number":"3","neighborhood":"","city":"Y",
                        "state":"SP","country":"BR"}})"}});
    PauseGate pauses;
    EXPECT_FALSE(check_json_file(document));
    EXPECT_EQ(record(k_missing, "client has no 'address' field"), error_record(document));
    EXPECT_EQ("1.5 2.5", text_at(document, "/input/data/clients/2/lat") + " " +
                             text_at(document, "/input/data/clients/2/long"));
    EXPECT_EQ(std::vector<long>{1200}, pauses.list());
    EXPECT_EQ(std::vector<std::string>{"https GET /search?q=Pine+Ave+3,,Y,SP,BR&format=json&"
                                       "email=me%40x.org HTTP/1.1"},
              stub_->requests());
}

// Values from a document or a routing service that no number can carry, and coordinates
// written with a decimal comma, on their way through both checks.
TEST_F(Checks, AnOsrmAnswerBeyondTheDoubleRangeIsAFailedAnswer)
{
    PauseGate pauses;
    // The whole table at once, and the second block of a table fetched in blocks.
    for (const std::string& s_answer :
         {std::string(R"({"generate":"osrm_table","huge_pairs":[[1,2]]})"),
          std::string(R"({"generate":"osrm_table","max_sources":7,"huge_pairs":[[9,0]]})")}) {
        stub_->set_script(osrm_script(s_answer));
        auto document = instance_document(12);
        EXPECT_FALSE(check_instance_json(document, "osrm", "")) << s_answer;
        EXPECT_EQ(error_record(document), record("osrm_api_error", "OSRM server not working"))
            << s_answer;
        EXPECT_EQ(member_json(document, "Mtij"), "absent");
    }
}

// Both checks hold a given leg to the reader's rule, so what they pass the reader takes: below 0
// or beyond 2147483647 it is refused as an empty pair; an unread diagonal passes.
TEST_F(Checks, GivenMatricesAreHeldToTheReadersRuleForALeg)
{
    const std::string s_unit = table_json(3, 1, false);
    for (const std::string s_entry : {"-1", "-0.5", "2147483648", "17.7e308", "2147483647"}) {
        const bool is_leg = s_entry == "2147483647";
        const std::string s_bad = "[[-5,1,2],[0,1,2],[" + s_entry + ",1,2]]";
        const std::string s_small_bad = "[[-5,10],[" + s_entry + ",0]]";
        for (const bool bad_times : {true, false}) {
            auto document = instance_document(3, R"(,"Mtij":)" + (bad_times ? s_bad : s_unit) +
                                                     R"(,"Mdij":)" + (bad_times ? s_unit : s_bad));
            EXPECT_EQ(check_instance_json(document, "osrm", ""), is_leg) << s_entry;
            EXPECT_EQ(error_record(document), is_leg ? "none" : empty_pair("c2 and c0")) << s_entry;
            const char* s_pointer = bad_times ? "/data/Mtij" : "/data/Mdij";
            auto file = instance_with({{s_pointer, s_small_bad.c_str()}});
            Instance instance;
            const InstanceReader reader(&instance, 0, file);
            EXPECT_EQ(reader.failed(), !is_leg) << s_entry;
            EXPECT_EQ(check_json_file(file), is_leg) << s_entry;
            EXPECT_EQ(error_record(file), is_leg ? "none" : empty_pair("c1 and depot")) << s_entry;
        }
    }
}

TEST_F(Checks, FullCheckSendsADecimalCommaCoordinateWithAPoint)
{
    stub_->set_script(osrm_script(R"({"generate":"osrm_table"})"));
    rapidjson::Document document = instance_with(k_no_matrices);
    EXPECT_TRUE(check_json_file(document)) << error_record(document);
    ASSERT_EQ(stub_->requests().size(), 1u);
    EXPECT_EQ(stub_->requests()[0],
              "http GET /table/v1/driving/-46.6,-23.5;-46.63,-23.55"
              "?annotations=distance,duration HTTP/1.1");
    EXPECT_EQ(text_at(document, "/input/data/clients/1/lat"), "-23,55") << "kept as written";
}

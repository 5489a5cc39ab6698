#include "console_lat_long.h"
#include "geostub_suite.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

// The id comes first, so a cell written "at position 0" would show.
const ColumnMap k_columns = {{"id", 0},   {"address", 1}, {"number", 2}, {"neighborhood", 3},
                             {"city", 4}, {"country", 5}, {"lat", 6},    {"long", 7}};
const Row k_header = {"id", "address", "number", "neighborhood", "city", "country", "lat", "long"};

Row client(const std::string& s_id, const std::string& s_lat = "", const std::string& s_long = "")
{
    return Row{s_id, "Oak Road", "10", "", "X", "BR", s_lat, s_long};
}

using Routine = std::function<bool(TextTable&, const ColumnMap&)>;

const Routine k_osm = [](TextTable& vv_table, const ColumnMap& columns) {
    return collect_lat_long_database_osm(vv_table, columns, "me@x.org");
};
const Routine k_osm_exact = [](TextTable& vv_table, const ColumnMap& columns) {
    return collect_lat_long_database_osm_exact(vv_table, columns, "me@x.org");
};
const Routine k_osm_google = [](TextTable& vv_table, const ColumnMap& columns) {
    return collect_lat_long_database_osm_google(vv_table, columns, "me@x.org", "KEY");
};

const std::string k_osm_line = " ######## Collect lat-long routine started (OSM) ########\n";
const std::string k_exact_line =
    " ######## Collect lat-long routine started (OSM-exact) ########\n";
const std::string k_google_line =
    " ######## Collect lat-long routine started (OSM/GOOGLE) ########\n";

struct Outcome {
    bool result;
    std::string s_console;
    std::vector<long> v_pauses;  // milliseconds
};

class ConsoleLatLong : public GeoStubSuite {
protected:
    static Outcome run(const Routine& routine, TextTable& vv_table, const ColumnMap& columns)
    {
        PauseRecorder pauses;
        testing::internal::CaptureStdout();
        const bool result = routine(vv_table, columns);
        return Outcome{result, testing::internal::GetCapturedStdout(), pauses.v_pauses};
    }
};

// One Nominatim answer per looked-up row, in row order.
const std::string k_nominatim_answers = R"({"routes":{"/search":[
    {"json":[{"lat":"-23.5505","lon":"-46.6333"}]},
    {"json":[]},
    {"json":{"error":"Unable to geocode"}},
    {"body":"<html>blocked</html>","status":403},
    {"json":[{"lat":"1"},{"lat":"2","lon":"3"}]},
    {"json":[{"lat":"1.25","lon":"2.5"},{"lat":"9","lon":"9"}]}]}})";

TextTable nominatim_table()
{
    return {k_header, client("c1", "1,5"), client("c2"), client("c3"), client("c4"),
            client("c5"), client("c6"), client("c7")};
}

}  // namespace

TEST_F(ConsoleLatLong, NominatimRoutinesPrintTheirLinesAndStoreCommaDecimals)
{
    struct Case {
        const char* s_name;
        Routine routine;
        std::string s_console;
        TextTable vv_expected;
    };
    const Case cases[] = {
        {"osm", k_osm,
         k_osm_line + " 1/7 (lat/long) already exists ... \n"
                      " 2/7 (lat/long) collected ... \n"
                      " problem collecting database lat/long row 6\n"
                      " 7/7 (lat/long) collected ... \n",
         {k_header, client("c1", "1,5"), client("c2", "-23,5505", "-46,6333"), client("c3"),
          client("c4"), client("c5"), client("c6"), client("c7", "1,25", "2,5")}},
        {"osm_exact", k_osm_exact,
         k_exact_line + " 1/7 (lat/long) already exists ... \n"
                        " can not collect accurate lat/long 2\n"
                        " problem collecting database lat/long row 6\n"
                        " 7/7 (lat/long) collected ... \n",
         {k_header, client("c1", "1,5"), client("c2"), client("c3"), client("c4"), client("c5"),
          client("c6"), client("c7", "1,25", "2,5")}},
    };
    for (const Case& c : cases) {
        stub_->set_script(k_nominatim_answers);
        TextTable vv_table = nominatim_table();
        const Outcome result = run(c.routine, vv_table, k_columns);
        EXPECT_TRUE(result.result) << c.s_name;
        EXPECT_EQ(result.s_console, c.s_console) << c.s_name;
        EXPECT_EQ(vv_table, c.vv_expected) << c.s_name;
        // Every looked-up row is followed by its pause; the filled row has none.
        EXPECT_EQ(result.v_pauses, std::vector<long>(6, 2000)) << c.s_name;
        EXPECT_EQ(stub_->requests().size(), 6u) << c.s_name;
    }
}

TEST_F(ConsoleLatLong, GoogleSettlesWhatNominatimDoesNot)
{
    stub_->set_script(R"({"routes":{
        "/search":[
            {"json":[{"lat":"5","lon":"6"}]},
            {"json":{"error":"Unable to geocode"}},
            {"json":[]},
            {"body":"<html>blocked</html>"},
            {"json":[{"lat":"-23.5505","lon":"-46.6333"},{"lat":"9","lon":"9"}]},
            {"json":[{"lat":"1"},{"lat":"9","lon":"9"}]}],
        "/maps/api/geocode/json":[
            {"json":{"status":"OK","results":[{"geometry":{"location":{"lat":-23.55052,"lng":-46.633308}}}]}},
            {"json":{"status":"ZERO_RESULTS","results":[]}},
            {"body":"<html>error</html>","status":500},
            {"json":{"status":"OVER_QUERY_LIMIT","results":[]}}]}})");
    TextTable vv_table = {k_header,    client("c1"), client("c2"), client("c3"),
                          client("c4"), client("c5"), client("c6")};
    const Outcome result = run(k_osm_google, vv_table, k_columns);

    EXPECT_TRUE(result.result);
    EXPECT_EQ(result.s_console, k_google_line +
                                    " 1/6 google (lat/long) collected ... \n"
                                    " 3/6 data not found by google API ... \n"
                                    " problem collecting database (lat/long) google  4\n"
                                    " 5/6 nominatim (lat/long) collected ... \n"
                                    " problem collecting database (lat/long) google  6\n");
    EXPECT_EQ(vv_table, (TextTable{k_header, client("c1", "-23,550520", "-46,633308"),
                                   client("c2"), client("c3"), client("c4"),
                                   client("c5", "-23,5505", "-46,6333"), client("c6")}));
    EXPECT_EQ(result.v_pauses, std::vector<long>(6, 1000));

    std::string s_services;  // N: Nominatim, G: Google, in the order asked
    for (const std::string& s_line : stub_->requests()) {
        s_services += s_line.find("GET /search?") != std::string::npos ? "N" : "G";
    }
    EXPECT_EQ(s_services, "NGNNGNGNNG");  // the JSON object of row 2 ends its attempt
}

TEST_F(ConsoleLatLong, RequestsCarryEveryValueEncoded)
{
    stub_->set_script(R"({"routes":{"/search":[{"json":[]}],
        "/maps/api/geocode/json":[{"json":{"status":"ZERO_RESULTS"}}]}})");
    TextTable vv_table = {k_header, Row{"c1", "Oak Road", "10", "", "", "", "", ""},
                          Row{"c2", "Smith & Sons #2", "5", "Vila/Nova", "São Paulo", "BR", "", ""}};
    run(k_osm_google, vv_table, k_columns);
    EXPECT_EQ(stub_->requests(),
              (std::vector<std::string>{
                  "https GET /search?q=Oak+Road+10,,,&format=json&email=me%40x.org HTTP/1.1",
                  "https GET /maps/api/geocode/json?address=Oak%20Road%2010,,,,&key=KEY HTTP/1.1",
                  "https GET /search?q=Smith+%26+Sons+%232+5,Vila%2FNova,S%C3%A3o+Paulo,BR"
                  "&format=json&email=me%40x.org HTTP/1.1",
                  "https GET /maps/api/geocode/json?address=Smith%20%26%20Sons%20%232%205,"
                  "Vila%2FNova,S%C3%A3o%20Paulo,BR,&key=KEY HTTP/1.1",
              }));
}

TEST_F(ConsoleLatLong, TablesWithoutClientsOrWithoutAColumnAreLeftAlone)
{
    stub_->set_script(R"({"routes":{"/search":[{"json":[{"lat":"5","lon":"6"}]}]}})");
    for (const auto& [routine, s_first_line] :
         {std::pair{k_osm, k_osm_line}, std::pair{k_osm_exact, k_exact_line},
          std::pair{k_osm_google, k_google_line}}) {
        TextTable vv_header_only = {k_header};
        const Outcome header_only = run(routine, vv_header_only, ColumnMap{});
        EXPECT_TRUE(header_only.result);
        EXPECT_EQ(header_only.s_console, s_first_line);

        for (const auto& [s_name, position] : {std::pair{"city", -1}, std::pair{"long", 9}}) {
            ColumnMap columns = k_columns;
            if (position < 0) {
                columns.erase(s_name);  // absent: must not read or write column 0
            }
            columns["lat"] = position < 0 ? 6 : -2;
            TextTable vv_table = {k_header, client("c1")};
            const Outcome refused = run(routine, vv_table, columns);
            const std::string s_missing = position < 0 ? "city" : "lat";
            EXPECT_FALSE(refused.result);
            EXPECT_EQ(refused.s_console, s_first_line + " client table has no '" + s_missing +
                                             "' column, no lat/long collected\n");
            EXPECT_EQ(vv_table, (TextTable{k_header, client("c1")}));
            EXPECT_TRUE(refused.v_pauses.empty());
        }
    }
    EXPECT_TRUE(stub_->requests().empty());
}

TEST_F(ConsoleLatLong, AShortRowReadsAsEmptyCellsAndIsWidenedForItsCoordinates)
{
    stub_->set_script(R"({"routes":{"/search":[{"json":[{"lat":"5.5","lon":"6"}]}]}})");
    TextTable vv_table = {k_header, Row{"c1", "Oak Road"}};
    const Outcome result = run(k_osm, vv_table, k_columns);
    EXPECT_EQ(result.s_console, k_osm_line + " 1/1 (lat/long) collected ... \n");
    EXPECT_EQ(vv_table, (TextTable{k_header, Row{"c1", "Oak Road", "", "", "", "", "5,5", "6"}}));
    EXPECT_EQ(stub_->requests(),
              std::vector<std::string>{
                  "https GET /search?q=Oak+Road+,,,&format=json&email=me%40x.org HTTP/1.1"});
}

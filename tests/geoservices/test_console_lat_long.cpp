#include "console_lat_long.h"
#include "geostub_suite.h"
#include "json_document.h"

using ConsoleLatLong = GeoStubSuite;

// Each case of the file: the stand-in's answers, the rows (the id first, so a cell written at
// position 0 shows), a column map, then the result, the console lines, the table (untouched
// when not given), the pauses and the requests (N: Nominatim, G: Google, or exact lines).
TEST_F(ConsoleLatLong, RoutinesPrintTheirLinesAndFillTheTable)
{
    const std::vector<std::string> v_header = {"id",      "address", "number", "neighborhood",
                                               "city",    "country", "lat",    "long"};
    const rapidjson::Document cases = load_json_file(test_data_dir() + "/geoservices/console.json");
    ASSERT_TRUE(cases.IsArray());
    for (const rapidjson::Value& c : cases.GetArray()) {
        const std::string s_case = json_to_string(c).substr(0, 300);
        stub_->set_script(json_to_string(c["script"]));
        ColumnMap columns;
        for (size_t i = 0; i < v_header.size(); ++i) columns[v_header[i]] = static_cast<int32_t>(i);
        if (c.HasMember("columns")) {
            columns.clear();
            for (const auto& column : c["columns"].GetObject()) {
                columns[column.name.GetString()] = column.value.GetInt();
            }
        }
        TextTable vv_table = {v_header};
        for (const rapidjson::Value& v_row : c["rows"].GetArray()) {
            vv_table.push_back(pinned_list<std::string>(v_row));
        }
        TextTable vv_expected = {v_header};
        for (const rapidjson::Value& v_row :
             (c.HasMember("table") ? c["table"] : c["rows"]).GetArray()) {
            vv_expected.push_back(pinned_list<std::string>(v_row));
        }
        const std::string s_routine = c["routine"].GetString();
        PauseGate pauses;
        testing::internal::CaptureStdout();
        const bool result =
            s_routine == "osm" ? collect_lat_long_database_osm(vv_table, columns, "me@x.org")
            : s_routine == "osm exact"
                ? collect_lat_long_database_osm_exact(vv_table, columns, "me@x.org")
                : collect_lat_long_database_osm_google(vv_table, columns, "me@x.org", "KEY");
        const std::string s_console = testing::internal::GetCapturedStdout();
        EXPECT_EQ(result, c["result"].GetBool()) << s_case;
        EXPECT_EQ(vv_table, vv_expected) << s_case;
        // What a case leaves out is not checked.
        if (c.HasMember("console")) {
            EXPECT_EQ(s_console, c["console"].GetString()) << s_case;
        }
        if (c.HasMember("pauses")) {
            EXPECT_EQ(pauses.list(), pinned_list<long>(c["pauses"])) << s_case;
        }
        std::string s_services;
        for (const std::string& s_line : stub_->requests()) {
            s_services += s_line.find(" /search?") != std::string::npos ? "N" : "G";
        }
        if (c.HasMember("services")) {
            EXPECT_EQ(s_services, c["services"].GetString()) << s_case;
        }
        if (c.HasMember("requests")) {
            EXPECT_EQ(stub_->requests(), pinned_list<std::string>(c["requests"])) << s_case;
        }
        EXPECT_TRUE(result || (c.HasMember("requests") && c.HasMember("pauses")))
            << "a failure case pins its requests and pauses: " << s_case;
    }
}

#include "database_test_support.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

const std::string s_expected_schema =
    "CREATE TABLE clients(id      STRING (50) PRIMARY KEY,address STRING (150),number STRING "
    "(10),neighborhood STRING (50),city STRING (50),state STRING (50),country STRING (50),lat "
    "STRING (50),long STRING (50),code STRING (100));\n"
    "CREATE TABLE vehicles(id      STRING (50) PRIMARY KEY,capacity INTEGER,available "
    "INTEGER,fix_cost DOUBLE,var_cost DOUBLE);\n"
    "CREATE TABLE settings(setting                STRING (100) PRIMARY KEY,value        "
    "          STRING (150));\n"
    "CREATE TABLE instances(id      STRING (50) PRIMARY KEY,date    STRING (15),coded_date    "
    "STRING (15),total_distance  DOUBLE,total_time DOUBLE,json STRING,cost DOUBLE);\n";

// Every settings row of a new file, in insertion order, as "key=value;".
const std::string s_default_settings =
    "language=POR;email=your.email@example.com;distance_matrix_api=osrm;"
    "lat_long_api=osrm_relaxed;google_api_key=;map_display=google_free;auto_city=1;"
    "auto_city_value=Curitiba;auto_state=1;auto_state_value=Parana;auto_country=1;"
    "auto_country_value=Brasil;auto_service_time=1;auto_service_time_value=0;auto_demand=1;"
    "auto_demand_value=1;auto_tw=1;auto_tw_value=600;open_routes=1;opt_time=10;"
    "automatic_client_save=0;lat_long_database_search=0;solution_method=normal;";

std::string settings_text(const TextRows& vv_rows)
{
    std::string s_text;
    for (const auto& v_row : vv_rows) {
        s_text += v_row.at(0) + "=" + v_row.at(1) + (v_row.size() == 2 ? ";" : "+;");
    }
    return s_text;
}

// What `sqlite3 FILE .schema` prints: the file as other tools see it.
std::string cli_schema(const std::string& s_path)
{
    std::string s_output;
    FILE* pipe = popen(("sqlite3 '" + s_path + "' .schema").c_str(), "r");
    char buffer[4096];
    for (size_t n; pipe != nullptr && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        s_output.append(buffer, n);
    }
    if (pipe != nullptr) {
        pclose(pipe);
    }
    return s_output;
}

}  // namespace

TEST_F(DatabaseTest, FirstStartCreatesTheTablesAndSettingsAndASecondStartKeepsThem)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    {
        Database database;  // "tovalo.db" in the working directory
        EXPECT_FALSE(database.open_database());
        EXPECT_EQ(settings_text(database.select_all_settings()), s_default_settings);
        EXPECT_FALSE(database.update_setting("language", "ENG"));
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(cli_schema(s_path), s_expected_schema);
    auto database = open_database();
    EXPECT_EQ(settings_text(database->select_all_settings()),
              "language=ENG" + s_default_settings.substr(12));
    EXPECT_EQ(cli_schema(s_path), s_expected_schema);
}

TEST_F(DatabaseTest, AFileLackingTablesGetsThemKeepsWhatItHasAndFallsBackToDefaults)
{
    // An interrupted first start: the clients table and a settings table with one row.
    run_sql("CREATE TABLE clients(id STRING PRIMARY KEY, address STRING);"
            "INSERT INTO clients VALUES('kept', 'Rua A');"
            "CREATE TABLE settings(setting STRING PRIMARY KEY, value STRING);"
            "INSERT INTO settings VALUES('language', 'GER');");
    auto database = open_database();
    EXPECT_EQ(database->select_client_by_id("kept"), (TextRows{{"kept", "Rua A"}}));
    EXPECT_EQ(database->select_all_settings(), (TextRows{{"language", "GER"}}));
    EXPECT_FALSE(database->insert_vehicle("Truck", 10, 2, 1.5, 0.5));
    EXPECT_FALSE(database->insert_instance("i", "2024-01-15", "20240115", 1, 2, "{}", 3));
    EXPECT_EQ(database->setting_value("language"), "GER");
    EXPECT_EQ(database->setting_value("opt_time"), "10");
    EXPECT_EQ(database->setting_value("no_such_key"), "");
}

TEST_F(DatabaseTest, AFileThatCannotBeOpenedOrIsNoDatabaseIsReportedAndLeftAsItIs)
{
    Database missing((folder / "missing_folder" / "tovalo.db").string());
    testing::internal::CaptureStderr();
    EXPECT_TRUE(missing.open_database());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot open"), std::string::npos);
    EXPECT_TRUE(missing.insert_client("a", "b", "c", "d", "e", "f", "g", "1", "2"));
    EXPECT_TRUE(missing.update_setting("language", "ENG"));
    EXPECT_TRUE(missing.search_clients("").empty());
    EXPECT_EQ(missing.setting_value("map_display"), "google_free");

    const std::string s_content(2048, 'x');
    std::ofstream(s_path, std::ios::binary) << s_content;
    Database garbage(s_path);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(garbage.open_database());
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
    std::ostringstream stored;
    stored << std::ifstream(s_path, std::ios::binary).rdbuf();
    EXPECT_EQ(stored.str(), s_content);
}

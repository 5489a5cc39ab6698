#include "csv_files.h"
#include "csv_to_instance.h"
#include "instance_test_support.h"
#include "minutes_between.h"

#include <ctime>

namespace {

std::string error_document(const std::string& s_code, const std::string& s_message)
{
    return R"({"output":{"meta_info":{"error":")" + s_code + R"(","message":")" + s_message +
           R"("}}})";
}

// The converter's tables as read from the test files, with each header cell as a key.
class CsvToInstance : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
        for (const bool vehicles : {false, true}) {
            table(vehicles) =
                read_csv(data_path(vehicles ? "csv_vehicles.csv" : "csv_clients.csv"));
            columns(vehicles).clear();
            const auto& v_header = table(vehicles)[0];
            for (size_t i = 0; i < v_header.size(); ++i)
                columns(vehicles)[v_header[i]] = int32_t(i);
        }
    }

    std::string convert(bool open_routes = true)
    {
        return json_to_string(csv_databases_to_instance_json(
            vv_clients, client_columns, vv_vehicles, vehicle_columns, open_routes));
    }

    TextTable& table(bool vehicles) { return vehicles ? vv_vehicles : vv_clients; }
    ColumnMap& columns(bool vehicles) { return vehicles ? vehicle_columns : client_columns; }
    void set_cell(bool vehicles, size_t row, const char* s_key, const char* s_cell)
    {
        table(vehicles)[row][size_t(columns(vehicles).at(s_key))] = s_cell;
    }

    TextTable vv_clients;
    TextTable vv_vehicles;
    ColumnMap client_columns;
    ColumnMap vehicle_columns;
};

}  // namespace

TEST_F(CsvToInstance, CorrectTablesGiveTheGoldenDocument)
{
    EXPECT_EQ(convert(), json_to_string(read_json_file(data_path("csv_instance.json"))));
    const auto closed = string_to_json(convert(false));
    EXPECT_STREQ(closed["input"]["meta_info"]["prob_type"].GetString(), "VRPTW");
}

// A faulty cell gives the record naming the first fault; so do empty tables, clients first.
TEST_F(CsvToInstance, FaultyCellsAndEmptyTablesGiveTheRecordOfTheirFault)
{
    const rapidjson::Document edits = read_json_file(data_path("malformed/csv_cells.json"));
    for (const rapidjson::Value& edit : edits.GetArray()) {
        SetUp();
        set_cell(edit["table"] == "vehicles", edit["row"].GetUint(), edit["key"].GetString(),
                 edit["cell"].GetString());
        EXPECT_EQ(convert(), R"({"output":{"meta_info":)" + json_to_string(edit["record"]) + "}}")
            << json_to_string(edit);
    }
    SetUp();
    vv_clients.resize(1);
    vv_vehicles.resize(1);
    EXPECT_EQ(convert(), error_document("csv_client_database", "client database has no clients"));
    SetUp();
    vv_vehicles.resize(1);
    EXPECT_EQ(convert(),
              error_document("csv_vehicle_database", "vehicle database has no vehicles"));
}

// Numbers are read from their leading digits; short rows read as empty cells and a key the
// caller's map lacks reads column 0 and is added to the map with it.
TEST_F(CsvToInstance, LeadingDigitsShortRowsAndUnmappedKeys)
{
    set_cell(true, 1, "container_var_cost", "-0.5");
    set_cell(true, 1, "container_fixed_cost", "  +7 eu");
    client_columns.erase("obs");
    client_columns.erase("country");
    vv_clients[2].resize(10);  // ends before service_time, demand and obs
    const auto document = string_to_json(convert());
    ASSERT_TRUE(document.HasMember("input"));
    const auto& truck = document["input"]["data"]["containers"][0];
    EXPECT_EQ(truck["container_var_cost"].GetInt(), 0) << "minus zero is not negative";
    EXPECT_EQ(truck["container_fixed_cost"].GetInt(), 7);
    const auto& client = document["input"]["data"]["clients"][1];
    EXPECT_FALSE(client.HasMember("obs"));
    EXPECT_EQ(client["service_time"].GetInt(), 0);
    EXPECT_STREQ(client["address"]["country"].GetString(), "") << "column 0 holds the empty id";
    EXPECT_EQ(client_columns.at("country"), 0);
    vv_clients[3].resize(3);  // ends before the coordinates
    EXPECT_EQ(convert(), error_document("csv_client_database", "missing lat/long value"));
}

// 119 s is one minute (minus one in reverse); a text short of the format's last field, or a
// date no calendar has, is unreadable.
TEST_F(CsvToInstance, MinutesBetweenTruncatesTowardZeroAndRefusesUnreadableTexts)
{
    const char k_format[] = "%d/%m/%Y %H:%M:%S";
    const char* const s_good = "12/02/2021 08:00:00";
    const std::tuple<const char*, const char*, int, bool> cases[] = {
        {"12/02/2021 08:00:59", "12/02/2021 08:02:58", 1, true},
        {"12/02/2021 08:02:58", "12/02/2021 08:00:59", -1, true},
        {s_good, "13/02/2021 08:00:00", 1440, true}, {s_good, "12/02/2021 08:00:59", 0, true},
        {"12/02/2021 08:00:00:00", "12/02/2021 08:01:00x", 1, true},
        {"28/02/2024 00:00:00", "01/03/2024 00:00:00", 2880, true},
        {"12/02/2021 8h00:00", s_good, -1, false}, {s_good, "", -1, false},
        {"tomorrow", s_good, -1, false}, {s_good, "12/02/2021 08:00", -1, false},
        // Dates that no calendar has are unreadable, not carried into the next month.
        {s_good, "29/02/2024 00:00:00", 1600800, true},
        {s_good, "31/12/2021 00:00:00", 463200, true},
        {s_good, "31/02/2021 08:00:00", -1, false},
        {s_good, "29/02/2023 08:00:00", -1, false},
        // January's first and last days; 30/06; 29/02 only in leap years (2000, not 2100).
        {"01/01/2021 00:00:00", "31/01/2021 23:59:00", 44639, true},
        {"30/06/2021 00:00:00", "01/07/2021 00:00:00", 1440, true},
        {"28/02/2020 00:00:00", "29/02/2020 00:00:00", 1440, true},
        {"28/02/2021 00:00:00", "29/02/2021 00:00:00", -1, false},
        {"28/02/2000 00:00:00", "29/02/2000 00:00:00", 1440, true},
        {"28/02/2100 00:00:00", "29/02/2100 00:00:00", -1, false}};
    for (const auto& [s_first, s_second, minutes, readable] : cases) {
        bool ok = !readable;
        EXPECT_EQ(minutes_between(s_first, s_second, ok, k_format), minutes) << s_first << s_second;
        EXPECT_EQ(ok, readable) << s_first << s_second;
    }
    // Every month's last day is read, and the day after it is not.
    const int k_last_day[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        for (const int day : {k_last_day[month - 1], k_last_day[month - 1] + 1}) {
            const std::string s_date = std::to_string(day) + "/" + std::to_string(month) + "/2021";
            bool ok = false;
            minutes_between(s_good, s_date + " 08:00:00", ok, k_format);
            EXPECT_EQ(ok, day == k_last_day[month - 1]) << s_date;
        }
    }
}

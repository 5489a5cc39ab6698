#include "csv_files.h"
#include "instance_test_support.h"
#include "minutes_between.h"

#include <ctime>
#include <string>

namespace {

std::string error_document(const std::string& s_code, const std::string& s_message)
{
    return R"({"output":{"meta_info":{"error":")" + s_code + R"(","message":")" + s_message +
           R"("}}})";
}

class CsvToInstance : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
        vv_clients = read_csv(data_path("csv_clients.csv"));
        vv_vehicles = read_csv(data_path("csv_vehicles.csv"));
        ASSERT_EQ(vv_clients.size(), 4u);
        ASSERT_EQ(vv_vehicles.size(), 3u);
        client_columns = header_columns(vv_clients);
        vehicle_columns = header_columns(vv_vehicles);
    }

    std::string convert(bool open_routes = true)
    {
        return json_to_string(csv_databases_to_instance_json(
            vv_clients, client_columns, vv_vehicles, vehicle_columns, open_routes));
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

TEST_F(CsvToInstance, TheFirstFaultyCellGivesOnlyTheErrorRecordNamingIt)
{
    const struct {
        size_t row;  // 0: vehicle row 1
        const char* key;
        const char* cell;
        const char* message;
    } cases[] = {
        {1, "early_tw", "", "missing depot initial date"},
        {3, "early_tw", "12/02/2021 8h00", "wrong data formatting"},
        {1, "late_tw", "tomorrow", "wrong data formatting"},
        {2, "late_tw", "12/02/2021", "wrong data formatting"},
        {2, "lat", "", "missing lat/long value"},
        {3, "long", "", "missing lat/long value"},
        {2, "service_time", "abc", "service time is not a number"},
        {2, "service_time", "99999999999", "service time is not a number"},
        {3, "service_time", "-3", "service time is negative"},
        {2, "demand", " x1", "demand is not a number"},
        {3, "demand", "-1", "demand is negative"},
        {0, "container_qt", "two", "vehicle qtt. is not a number"},
        {0, "container_qt", "-2", "negative vehicle qtt."},
        {0, "container_dim", "", "vehicle has no capacity"},
        {0, "container_dim", "big", "vehicle capacity is not a number"},
        {0, "container_dim", "-100", "negative vehicle capacity"},
        {0, "container_fixed_cost", "?", "vehicle fixed cost is not a number"},
        {0, "container_fixed_cost", "-5", "negative fixed cost"},
        {0, "container_var_cost", "z", "vehicle var. cost is not a number"},
        {0, "container_var_cost", "-1.5", "negative vehicle var cost"},
    };
    for (const auto& c : cases) {
        SetUp();
        const bool vehicle = c.row == 0;
        TextTable& vv_table = vehicle ? vv_vehicles : vv_clients;
        const ColumnMap& columns = vehicle ? vehicle_columns : client_columns;
        vv_table[vehicle ? 1 : c.row][static_cast<size_t>(columns.at(c.key))] = c.cell;
        EXPECT_EQ(convert(), error_document(vehicle ? "csv_vehicle_database"
                                                    : "csv_client_database", c.message))
            << c.key << " in row " << c.row;
    }
}

TEST_F(CsvToInstance, NumbersAreReadFromTheirLeadingDigits)
{
    vv_vehicles[1][static_cast<size_t>(vehicle_columns.at("container_var_cost"))] = "-0.5";
    vv_vehicles[1][static_cast<size_t>(vehicle_columns.at("container_fixed_cost"))] = "  +7 eu";
    const auto document = string_to_json(convert());
    ASSERT_TRUE(document.HasMember("input"));
    const auto& truck = document["input"]["data"]["containers"][0];
    EXPECT_EQ(truck["container_var_cost"].GetInt(), 0) << "minus zero is not negative";
    EXPECT_EQ(truck["container_fixed_cost"].GetInt(), 7);
}

TEST_F(CsvToInstance, EmptyTablesAreReportedClientsFirst)
{
    vv_clients.resize(1);
    vv_vehicles.resize(1);
    EXPECT_EQ(convert(), error_document("csv_client_database", "client database has no clients"));
    SetUp();
    vv_vehicles.resize(1);
    EXPECT_EQ(convert(),
              error_document("csv_vehicle_database", "vehicle database has no vehicles"));
}

TEST_F(CsvToInstance, ShortRowsAndUnmappedKeysReadAsEmptyOrColumnZero)
{
    client_columns.erase("obs");
    client_columns.erase("country");
    vv_clients[2].resize(10);  // ends before service_time, demand and obs
    const auto document = string_to_json(convert());
    ASSERT_TRUE(document.HasMember("input"));
    const auto& client = document["input"]["data"]["clients"][1];
    EXPECT_FALSE(client.HasMember("obs"));
    EXPECT_EQ(client["service_time"].GetInt(), 0);
    EXPECT_STREQ(client["address"]["country"].GetString(), "") << "column 0 holds the empty id";
    EXPECT_EQ(client_columns.at("country"), 0) << "the key is added with column 0";

    vv_clients[3].resize(3);  // ends before the coordinates
    EXPECT_EQ(convert(), error_document("csv_client_database", "missing lat/long value"));
}

TEST_F(CsvToInstance, MinutesBetweenTruncatesTowardZeroAndRefusesUnreadableTexts)
{
    const char k_format[] = "%d/%m/%Y %H:%M:%S";
    const struct {
        const char* first;
        const char* second;
        int expected;
    } cases[] = {
        {"12/02/2021 08:00:59", "12/02/2021 08:02:58", 1},  // 119 s
        {"12/02/2021 08:02:58", "12/02/2021 08:00:59", -1},
        {"12/02/2021 08:00:00", "13/02/2021 08:00:00", 1440},
        {"12/02/2021 08:00:00", "12/02/2021 08:00:59", 0},
        {"12/02/2021 08:00:00:00", "12/02/2021 08:01:00 trailing", 1},
        {"28/02/2024 00:00:00", "01/03/2024 00:00:00", 2880},
    };
    for (const auto& c : cases) {
        bool ok = false;
        EXPECT_EQ(minutes_between(c.first, c.second, ok, k_format), c.expected) << c.first;
        EXPECT_TRUE(ok) << c.first;
    }
    // A text that stops short of the format's last field is unreadable too.
    for (const char* s_text : {"12/02/2021 8h00:00", "", "tomorrow", "12/02/2021 08:00"}) {
        for (const bool text_first : {true, false}) {
            bool ok = true;
            const char* s_good = "12/02/2021 08:00:00";
            EXPECT_EQ(minutes_between(text_first ? s_text : s_good, text_first ? s_good : s_text,
                                      ok, k_format), -1) << s_text;
            EXPECT_FALSE(ok) << s_text;
        }
    }
}

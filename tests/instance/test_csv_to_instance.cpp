#include "csv_files.h"
#include "csv_to_instance.h"
#include "json_document.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

std::string data_path(const std::string& s_name)
{
    const char* directory = std::getenv("TOVALO_TEST_DATA");
    return std::string(directory != nullptr ? directory : "tests/data") + "/" + s_name;
}

// Maps every header cell of row 0 to its column.
ColumnMap header_columns(const TextTable& vv_table)
{
    ColumnMap columns;
    for (size_t i = 0; i < vv_table.at(0).size(); ++i) {
        columns[vv_table[0][i]] = static_cast<int32_t>(i);
    }
    return columns;
}

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
        return json_to_string(csv_databases_to_instance_json(vv_clients, client_columns,
                                                             vv_vehicles, vehicle_columns,
                                                             open_routes));
    }

    std::string& client_cell(size_t row, const std::string& s_key)
    {
        return vv_clients[row][static_cast<size_t>(client_columns.at(s_key))];
    }

    std::string& vehicle_cell(size_t row, const std::string& s_key)
    {
        return vv_vehicles[row][static_cast<size_t>(vehicle_columns.at(s_key))];
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

TEST_F(CsvToInstance, TheFirstFaultyCellGivesOnlyTheErrorRecord)
{
    struct Case {
        size_t row;
        const char* key;
        const char* cell;
        const char* message;
    };
    const Case cases[] = {
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
    };
    for (const Case& c : cases) {
        SetUp();
        client_cell(c.row, c.key) = c.cell;
        EXPECT_EQ(convert(), error_document("csv_client_database", c.message))
            << c.key << " in row " << c.row;
    }
}

TEST_F(CsvToInstance, TheFirstFaultyVehicleFieldGivesItsMessage)
{
    struct Case {
        const char* key;
        const char* cell;
        const char* message;
    };
    const Case cases[] = {
        {"container_qt", "two", "vehicle qtt. is not a number"},
        {"container_qt", "-2", "negative vehicle qtt."},
        {"container_dim", "", "vehicle has no capacity"},
        {"container_dim", "big", "vehicle capacity is not a number"},
        {"container_dim", "-100", "negative vehicle capacity"},
        {"container_fixed_cost", "?", "vehicle fixed cost is not a number"},
        {"container_fixed_cost", "-5", "negative fixed cost"},
        {"container_var_cost", "z", "vehicle var. cost is not a number"},
        {"container_var_cost", "-1.5", "negative vehicle var cost"},
    };
    for (const Case& c : cases) {
        SetUp();
        vehicle_cell(1, c.key) = c.cell;
        EXPECT_EQ(convert(), error_document("csv_vehicle_database", c.message)) << c.key;
    }
}

TEST_F(CsvToInstance, NumbersAreReadFromTheirLeadingDigits)
{
    vehicle_cell(1, "container_var_cost") = "-0.5";
    vehicle_cell(1, "container_fixed_cost") = "  +7 euros";
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

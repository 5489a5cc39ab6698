// Damaged CSV files through the table readers and the CSV-to-instance
// converter: the readers always return a table, the converter a document or an error
// record. Seeded, so a failure names the round that replays it.

#include "csv_files.h"
#include "document_mutations.h"
#include "instance_test_support.h"
#include "text_table.h"

#include <cstdio>
#include <initializer_list>
#include <iterator>

namespace {

// Damage that CSV files meet: separators, quotes, line ends and broken UTF-8 in odd
// places, CR LF line ends, blank rows, an empty file, and any damaged text.
std::string damage_csv(std::string s_text, std::mt19937& rng)
{
    const char* const k_inserts[] = {";", "\"", "\";", ";\"", "\r\n", "\n", "\r", "\n\n",
                                     "\xC3", "\xFF\xFE", "\t", "\"\"", "\xC3\xA7"};
    const size_t at_byte =
        static_cast<size_t>(mutation::draw(rng, static_cast<int>(s_text.size())));
    switch (mutation::draw(rng, 5)) {
    case 0:
        return s_text.insert(at_byte, k_inserts[mutation::draw(rng, 13)]);
    case 1:
        return replace_all(s_text, "\n", "\r\n");
    case 2:
        return mutation::draw(rng, 4) == 0 ? std::string() : s_text + "\n;;;\n";
    default:
        return mutation::mutate_text(s_text, rng);
    }
}

// Now and then a column map that points outside the rows or lacks keys.
void damage_columns(ColumnMap& columns, std::mt19937& rng)
{
    const int choice = mutation::draw(rng, 5);
    if (choice > 1 || columns.empty()) {
        return;
    }
    const auto chosen =
        std::next(columns.begin(), mutation::draw(rng, static_cast<int>(columns.size())));
    const int32_t k_columns[] = {-1, 99, 2147483647, -2147483647 - 1};
    if (choice == 0) {
        columns.erase(chosen);
    } else {
        chosen->second = k_columns[mutation::draw(rng, 4)];
    }
}

// Every named member is an int of at least minimum, or (minimum 1) a string.
bool members_are(const rapidjson::Value& object, std::initializer_list<const char*> names,
                 int minimum)
{
    for (const char* s_name : names) {
        const auto found = object.FindMember(s_name);
        const bool ok = found != object.MemberEnd() &&
                        (minimum == 1 ? found->value.IsString()
                                      : found->value.IsInt() && found->value.GetInt() >= minimum);
        if (!ok) {
            return false;
        }
    }
    return true;
}

// Either the input part with one client per client row and one vehicle per vehicle row,
// every number an integer, or the error record alone.
void expect_instance_or_error(const rapidjson::Document& document, size_t client_rows,
                              size_t vehicle_rows, const std::string& s_case)
{
    ASSERT_TRUE(document.IsObject()) << s_case;
    if (document.HasMember("output")) {
        EXPECT_FALSE(document.HasMember("input")) << s_case;
        const std::string s_code = mutation::error_code(document);
        EXPECT_TRUE(s_code == "csv_client_database" || s_code == "csv_vehicle_database")
            << s_case << ": " << s_code;
        const rapidjson::Value* message =
            rapidjson::Pointer("/output/meta_info/message").Get(document);
        EXPECT_TRUE(message != nullptr && message->IsString() && message->GetStringLength() > 0)
            << s_case;
        return;
    }
    const rapidjson::Value& data = document["input"]["data"];
    ASSERT_EQ(client_rows - 1, data["clients"].Size()) << s_case;
    ASSERT_EQ(vehicle_rows - 1, data["containers"].Size()) << s_case;
    for (const rapidjson::Value& client : data["clients"].GetArray()) {
        EXPECT_TRUE(members_are(client, {"early_tw", "late_tw"}, -2147483647 - 1) &&
                    members_are(client, {"service_time", "demand"}, 0) &&
                    members_are(client, {"id", "lat", "long"}, 1))
            << s_case;
    }
    for (const rapidjson::Value& vehicle : data["containers"].GetArray()) {
        EXPECT_TRUE(members_are(vehicle, {"container_id"}, 1) &&
                    members_are(vehicle, {"container_qt", "container_dim", "container_fixed_cost",
                                          "container_var_cost"}, 0))
            << s_case;
    }
}

class MalformedCsv : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override
    {
        std::remove(s_clients_path.c_str());
        std::remove(s_vehicles_path.c_str());
    }
    const std::string s_clients_path = temp_path("malformed_clients.csv");
    const std::string s_vehicles_path = temp_path("malformed_vehicles.csv");
};

// Rows after the header are at least as wide as the header.
void expect_padded(const TextTable& vv_table, const std::string& s_case)
{
    for (size_t row = 1; row < vv_table.size(); ++row) {
        EXPECT_GE(vv_table[row].size(), vv_table[0].size()) << s_case << " row " << row;
    }
}

}  // namespace

TEST_F(MalformedCsv, DamagedFilesReadAsTablesAndConvertOrFailByName)
{
    std::mt19937 rng(1959);
    const std::string s_clients = read_bytes(data_path("csv_clients.csv"));
    const std::string s_vehicles = read_bytes(data_path("csv_vehicles.csv"));
    ASSERT_FALSE(s_clients.empty());
    int converted = 0;
    for (int round = 0; round < 300; ++round) {
        const std::string s_case = "round " + std::to_string(round);
        std::string s_client_text = s_clients;
        std::string s_vehicle_text = s_vehicles;
        for (int k = mutation::draw(rng, 3); k >= 0; --k) {
            std::string& s_target = mutation::draw(rng, 3) == 0 ? s_vehicle_text : s_client_text;
            s_target = damage_csv(s_target, rng);
        }
        write_bytes(s_clients_path, s_client_text);
        write_bytes(s_vehicles_path, s_vehicle_text);
        expect_padded(read_csv(s_clients_path), s_case);
        const TextTable vv_clients = read_csv_file(QString::fromStdString(s_clients_path));
        const TextTable vv_vehicles = read_csv_file(QString::fromStdString(s_vehicles_path));
        expect_padded(vv_clients, s_case);
        ColumnMap client_columns = header_columns(vv_clients);
        ColumnMap vehicle_columns = header_columns(vv_vehicles);
        damage_columns(mutation::draw(rng, 2) == 0 ? client_columns : vehicle_columns, rng);
        const rapidjson::Document document = csv_databases_to_instance_json(
            vv_clients, client_columns, vv_vehicles, vehicle_columns, round % 2 == 0);
        expect_instance_or_error(document, vv_clients.size(), vv_vehicles.size(), s_case);
        converted += document.HasMember("input") ? 1 : 0;
        // What the converter writes is a text the parser takes back unchanged.
        const std::string s_written = json_to_string(document);
        EXPECT_EQ(s_written, json_to_string(string_to_json(s_written))) << s_case;
    }
    EXPECT_GT(converted, 0);  // the damage leaves some files whole enough to convert
}

TEST_F(MalformedCsv, WrittenTablesWithOddCellsReadBackCellForCell)
{
    std::mt19937 rng(31);
    const char k_alphabet[] = "ab1 ;\"\r\n\t.,";
    for (int round = 0; round < 200; ++round) {
        TextTable vv_table(static_cast<size_t>(1 + mutation::draw(rng, 4)));
        const size_t width = static_cast<size_t>(1 + mutation::draw(rng, 4));
        for (auto& v_row : vv_table) {
            // No row narrower than the header, which the reader would pad.
            const bool header = &v_row == &vv_table[0];
            v_row.resize(width + (header ? 0 : static_cast<size_t>(mutation::draw(rng, 2))));
            for (std::string& s_cell : v_row) {
                for (int k = mutation::draw(rng, 5); k > 0; --k) {
                    s_cell += k_alphabet[mutation::draw(rng, sizeof(k_alphabet) - 1)];
                }
            }
        }
        write_csv(vv_table, s_clients_path);
        TextTable vv_read = read_csv_file(QString::fromStdString(s_clients_path));
        EXPECT_EQ(vv_table, vv_read) << "round " << round;
    }
}

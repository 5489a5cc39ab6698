#include "client_code.h"
#include "database_test_support.h"
#include "sql_numbers.h"

#include <clocale>
#include <cstdio>

namespace {

std::vector<std::string> client_row(const std::string& s_id, const std::string& s_address,
                                    const std::string& s_number, const std::string& s_lat = "1",
                                    const std::string& s_long = "2")
{
    return {s_id, s_address, s_number, "Centro", "Curitiba", "Parana", "Brasil", s_lat, s_long,
            client_code(s_address, s_number)};
}

// Sets the first installed locale whose decimal separator is a comma, as Qt does
// under pt_BR; restores the previous one when done.
class CommaLocale {
public:
    CommaLocale() : s_previous(std::setlocale(LC_ALL, nullptr))
    {
        for (const char* s_name : {"pt_BR.UTF-8", "pt_BR.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
            char s_text[32];
            if (std::setlocale(LC_ALL, s_name) != nullptr &&
                std::snprintf(s_text, sizeof s_text, "%f", 0.5) > 0 &&
                std::string(s_text) == "0,500000") {
                return;
            }
        }
        std::setlocale(LC_ALL, s_previous.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, s_previous.c_str()); }

private:
    std::string s_previous;
};

}  // namespace

TEST(ClientCode, UpperCasesAsciiLettersOnlyAndJoinsAddressAndNumber)
{
    EXPECT_EQ(client_code("Main street", "5b"), "MAIN STREET5B");
    EXPECT_EQ(client_code("Praça da Estação", "7"), "PRAçA DA ESTAçãO7");
}

TEST_F(DatabaseTest, ValuesWithQuotesAndSqlAreStoredExactlyAndHarmNothing)
{
    auto database = open_database();
    const std::vector<std::string> v_texts = {"D'Avila", "x'); DROP TABLE clients; --",
                                              "a''b\"c", "' OR '1'='1"};
    for (const std::string& s_text : v_texts) {
        const auto v_client = client_row(s_text, s_text, "1" + s_text);
        ASSERT_FALSE(insert(*database, v_client)) << s_text;
        EXPECT_EQ(database->select_client_by_id(s_text), TextRows{v_client});
        EXPECT_EQ(database->select_client_by_code(v_client[9]), TextRows{v_client});
        EXPECT_FALSE(database->update_setting("email", s_text));
        EXPECT_EQ(database->setting_value("email"), s_text);
    }
    EXPECT_TRUE(database->select_client_by_id("' OR '1'='1' --").empty());

    const std::string s_json = R"({"input":{"data":{"clients":[{"id":"D'Avila"}]}}})";
    ASSERT_FALSE(database->insert_instance("Rota d'Oeste", "2024-01-15", "20240115", 1, 2,
                                           s_json, 3));
    EXPECT_EQ(database->select_instance_by_id("Rota d'Oeste").at(0).at(5), s_json);
    EXPECT_EQ(database->select_all_settings().size(), 23u);
}

TEST_F(DatabaseTest, SearchesMatchContainedTextIgnoringAsciiCaseAndKeepWildcards)
{
    auto database = open_database();
    for (const auto& v_client : {client_row("Ana", "Rua das Flores", "1"),
                                 client_row("A_B", "Rua X", "2"), client_row("AxB", "Rua Y", "3"),
                                 client_row("100%", "Rua Z", "4")}) {
        ASSERT_FALSE(insert(*database, v_client));
    }
    using Ids = std::vector<std::string>;
    EXPECT_EQ(first_cells(database->search_clients("flor")), Ids{"Ana"});
    EXPECT_EQ(first_cells(database->search_clients("A_B")), (Ids{"A_B", "AxB"}));
    EXPECT_EQ(first_cells(database->search_clients("0%")), Ids{"100%"});
    EXPECT_EQ(database->search_clients("curitiba").size(), 4u);  // city is searched
    EXPECT_TRUE(database->search_clients("brasil").empty());    // country is not

    for (const char* s_id : {"Van_1", "Vanx1"}) {
        ASSERT_FALSE(database->insert_vehicle(s_id, 10, 1, 1, 1));
    }
    EXPECT_EQ(first_cells(database->search_vehicles("n_1")), (Ids{"Van_1", "Vanx1"}));

    for (const char* s_date : {"2024-01-14", "2024-01-15", "2024-01-16"}) {
        ASSERT_FALSE(database->insert_instance(std::string("Day ") + s_date, s_date, "0", 1, 1,
                                               "{}", 1));
    }
    EXPECT_EQ(first_cells(database->search_instances("2024-01-15", "2024-01-15", "")),
              Ids{"Day 2024-01-15"});
    EXPECT_EQ(database->search_instances("2024-01-14", "2024-01-16", "day").size(), 3u);
    EXPECT_TRUE(database->search_instances("2024-01-14", "2024-01-16", "Night").empty());
}

// Written in the C locale whatever the process locale is (a comma under pt_BR when
// one is installed), read back in SQLite's number forms.
TEST_F(DatabaseTest, NumbersComeBackInSqliteNumberFormUnderACommaLocale)
{
    CommaLocale comma_locale;
    EXPECT_EQ(sql_double_text(1234567.1234567), "1234567.123457");
    EXPECT_EQ(sql_int_text(1234567), "1234567");  // no digit grouping
    auto database = open_database();
    ASSERT_FALSE(insert(*database, client_row("007", "Rua", "007", "-25.50", "10")));
    EXPECT_EQ(database->select_client_by_id("7"),
              (TextRows{{"7", "Rua", "7", "Centro", "Curitiba", "Parana", "Brasil", "-25.5", "10",
                         "RUA007"}}));
    ASSERT_FALSE(database->insert_vehicle("Truck", 1000, 3, 12.5, 0.1234567));
    EXPECT_EQ(database->select_vehicle_by_id("Truck"),
              (TextRows{{"Truck", "1000", "3", "12.5", "0.123457"}}));
    ASSERT_FALSE(database->insert_instance("I", "2024-01-15", "20240115", 1234.5, 60, "{}", 7.25));
    EXPECT_EQ(database->select_all_instances(),
              (TextRows{{"I", "2024-01-15", "20240115", "1234.5", "60.0", "{}", "7.25"}}));
}

TEST_F(DatabaseTest, ANullColumnEndsTheQueryWithTheRowsBeforeIt)
{
    open_database();
    run_sql("INSERT INTO clients VALUES('a','r','1','n','c','s','p','1','2','R1');"
            "INSERT INTO clients VALUES('b','r','1','n','c','s','p',NULL,'2','R1');"
            "INSERT INTO clients VALUES('c','r','1','n','c','s','p','1','2','R1');");
    EXPECT_EQ(first_cells(open_database()->search_clients("")), std::vector<std::string>{"a"});
}

TEST_F(DatabaseTest, MutatorsReportFailuresAndChangeOnlyStoredRecords)
{
    auto database = open_database();
    const auto v_first = client_row("Ana", "Main street", "5b");
    ASSERT_FALSE(insert(*database, v_first));
    ASSERT_FALSE(insert(*database, client_row("Bia", "Main street", "5b")));
    EXPECT_EQ(database->select_client_by_code("MAIN STREET5B").size(), 2u);
    EXPECT_TRUE(insert(*database, client_row("Ana", "Other", "9")));
    EXPECT_EQ(database->select_client_by_id("Ana"), TextRows{v_first});
    EXPECT_TRUE(database->update_client("Ana", "a", "1", "n", "c", "s", "p", "1", "2", "Bia"));
    ASSERT_FALSE(database->update_client("Ana", "Rua Nova", "12a", "Centro", "Curitiba",
                                         "Parana", "Brasil", "1", "2", "Carla"));
    EXPECT_EQ(first_cells(database->search_clients("")), (std::vector<std::string>{"Carla", "Bia"}));
    EXPECT_EQ(database->select_client_by_id("Carla"),
              TextRows{client_row("Carla", "Rua Nova", "12a")});
    EXPECT_FALSE(database->update_client("Nobody", "a", "1", "n", "c", "s", "p", "1", "2", "X"));
    EXPECT_FALSE(database->delete_client("Carla"));
    EXPECT_EQ(database->search_clients("").size(), 1u);

    ASSERT_FALSE(database->insert_vehicle("Truck", 10, 2, 100, 1.5));
    EXPECT_TRUE(database->insert_vehicle("Truck", 1, 1, 1, 1));
    ASSERT_FALSE(database->update_vehicle("Truck", 20, 3, 150.25, 2));
    EXPECT_EQ(database->search_vehicles(""), (TextRows{{"Truck", "20", "3", "150.25", "2.0"}}));
    EXPECT_FALSE(database->delete_vehicle("Truck"));
    EXPECT_TRUE(database->search_vehicles("").empty());

    EXPECT_FALSE(database->update_setting("no_such_key", "x"));
    EXPECT_EQ(database->select_all_settings().size(), 23u);

    ASSERT_FALSE(database->insert_instance("I", "2024-01-15", "20240115", 1, 2, "{\"a\":1}", 3));
    EXPECT_TRUE(database->insert_instance("I", "2024-02-01", "20240201", 9, 9, "{}", 9));
    ASSERT_FALSE(database->update_instance("I", "2024-03-01", "20240301", 4.5, 5, 6));
    EXPECT_EQ(database->select_instance_by_id("I"),
              (TextRows{{"I", "2024-03-01", "20240301", "4.5", "5.0", "{\"a\":1}", "6.0"}}));
    EXPECT_FALSE(database->delete_instance("I"));
    EXPECT_TRUE(database->select_all_instances().empty());
}

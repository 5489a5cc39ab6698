#include "client_code.h"
#include "database.h"
#include "sql_numbers.h"
#include "test_environment.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

using Row = std::vector<std::string>;
using TextRows = std::vector<Row>;

// Every row's first cell (and with all, its other cells after "=" and "|"), joined by blanks.
std::string cells(const TextRows& vv_rows, bool all = false)
{
    std::string s_text;
    for (const Row& v_row : vv_rows) {
        s_text += (s_text.empty() ? "" : " ") + v_row.at(0);
        for (size_t i = 1; all && i < v_row.size(); ++i) s_text += (i == 1 ? "=" : "|") + v_row[i];
    }
    return s_text;
}

Row client(const std::string& s_id, const std::string& s_address, const std::string& s_number)
{
    return {s_id, s_address, s_number, "C", "Curitiba", "PR", "BR", "1", "2",
            client_code(s_address, s_number)};  // as stored
}

// A real database file in a fresh folder per test. The parameter: the refusal a trigger raises
// for a row failing for a reason beside its key.
class DatabaseTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        database = open_database();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::unique_ptr<Database> open_database()
    {
        auto opened = std::make_unique<Database>(s_path);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(opened->open_database());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // a thread-safe SQLite: no warning
        return opened;
    }
    void run_sql(const std::string& s_sql)  // through a connection of its own, as other software
    {
        sqlite3* connection = nullptr;
        ASSERT_EQ(sqlite3_open(s_path.c_str(), &connection), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(connection, s_sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
            << s_sql;
        sqlite3_close(connection);
    }
    void refuse(const std::string& s_event, const std::string& s_table, const std::string& s_when)
    {
        run_sql("DROP TRIGGER IF EXISTS refuse; CREATE TRIGGER refuse BEFORE " + s_event + " ON " +
                s_table + " WHEN " + s_when + " BEGIN SELECT RAISE(" + GetParam() +
                ", 'refused'); END;");
    }
    bool insert(const Row& v)
    {
        return database->insert_client(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
    }

    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / ("tovalo_db_" + std::to_string(getpid()));
    const std::string s_path = (folder / "tovalo.db").string();
    std::unique_ptr<Database> database;
};

}  // namespace

// The first start (SetUp) gives what `sqlite3 .schema` shows and the 23 default settings; a
// second start keeps a changed value. A file lacking tables gets them and keeps its rows;
// one that cannot be opened or is no database is reported and left as it is.
TEST_F(DatabaseTest, StartsCreateWhatIsMissingAndKeepWhatIsStored)
{
    const auto settings = [this] { return cells(database->select_all_settings(), true); };
    ASSERT_EQ(std::system(("sqlite3 '" + s_path + "' .schema > '" + s_path + ".sql'").c_str()), 0);
    EXPECT_EQ(read_bytes(s_path + ".sql"), read_bytes(test_data_dir() + "/database_schema.sql"));
    const std::string s_defaults = read_bytes(test_data_dir() + "/default_settings.txt");
    EXPECT_EQ(settings(), s_defaults);
    EXPECT_FALSE(database->update_setting("language", "ENG"));
    database = open_database();
    EXPECT_EQ(settings(), "language=ENG" + s_defaults.substr(12));
    std::filesystem::remove(s_path);
    run_sql("CREATE TABLE settings(setting STRING PRIMARY KEY, value STRING);"
            "INSERT INTO settings VALUES('language', 'GER');");
    database = open_database();
    EXPECT_EQ(settings() + database->setting_value("opt_time"), "language=GER10");
    EXPECT_FALSE(insert(client("kept", "Rua A", "1")) ||
                 database->insert_vehicle("T", 10, 2, 1.5, 0.5) ||
                 database->insert_instance("i", "2024-01-15", "20240115", 1, 2, "{}", 3));
    database.reset();
    const std::string s_cut = read_bytes(s_path).substr(0, 8192);
    std::ofstream(s_path, std::ios::binary) << std::string(2048, 'x');
    std::ofstream(s_path + ".cut", std::ios::binary) << s_cut;
    std::filesystem::create_directory(folder / "folder.db");
    const std::pair<std::string, std::string> v_bad[] = {
        {s_path, "file is not a database"},
        {s_path + ".cut", "database disk image is malformed"},
        {(folder / "missing_folder" / "tovalo.db").string(), "unable to open database file"},
        {(folder / "folder.db").string(), "unable to open database file"}};
    for (const auto& [s_file, s_reason] : v_bad) {
        Database bad(s_file);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(bad.open_database());
        EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot "), std::string::npos)
            << s_file;
        EXPECT_EQ(bad.open_failure(), s_reason);
        EXPECT_TRUE(bad.update_setting("language", "ENG") && bad.search_clients("").empty());
    }
    EXPECT_EQ(read_bytes(s_path), std::string(2048, 'x'));
    EXPECT_EQ(read_bytes(s_path + ".cut"), s_cut);
}

// A folder refusing writes is reported at the open; root is refused too from a user namespace
// of its own, where the folder's owner is no one it may act for.
TEST_F(DatabaseTest, AFileInAFolderThatRefusesWritesIsReportedAtTheOpen)
{
    database.reset();
    const std::string s_before = read_bytes(s_path);
    using std::filesystem::perms;
    std::filesystem::permissions(folder, perms::owner_read | perms::owner_exec);
    const pid_t child = fork();
    if (child == 0) {
        if (unshare(CLONE_NEWUSER) != 0) _exit(2);
        Database refused(s_path);
        const bool reported = refused.open_database() &&
                              refused.open_failure() == "attempt to write a readonly database";
        _exit(reported && refused.update_setting("language", "ENG") ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    std::filesystem::permissions(folder, perms::owner_all);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) GTEST_SKIP() << "no user namespace";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(read_bytes(s_path), s_before);
    database = open_database();
    EXPECT_EQ(database->open_failure(), "");
}

// Every value is bound, never put into the SQL text; LIKE searches keep their wildcards and
// match contained text in the city but not the country; codes upper-case ASCII only. Numbers
// are written in the C locale whatever the process locale (a comma one when installed) and
// come back in SQLite's forms; a NULL column ends a query with the rows before it.
TEST_F(DatabaseTest, ValuesComeBackExactlyAndSearchesKeepWildcards)
{
    for (const std::string s_text :
         {"D'Avila", "x'); DROP TABLE clients; --", "a''b\"c", "' OR '1'='1"}) {
        const Row v_client = client(s_text, s_text, "1" + s_text);
        ASSERT_FALSE(insert(v_client) || database->update_setting("email", s_text)) << s_text;
        EXPECT_EQ(database->select_client_by_id(s_text), TextRows{v_client});
        EXPECT_EQ(database->select_client_by_code(v_client[9]), TextRows{v_client});
        EXPECT_EQ(database->setting_value("email"), s_text);
    }
    const std::string s_json = R"({"input":{"data":{"clients":[{"id":"D'Avila"}]}}})";
    ASSERT_FALSE(
        database->insert_instance("Day d'Oeste", "2024-01-15", "20240115", 1, 2, s_json, 3));
    EXPECT_EQ(database->select_instance_by_id("Day d'Oeste").at(0).at(5), s_json);
    EXPECT_EQ(client_code("Praça da Estação", "7b"), "PRAçA DA ESTAçãO7B");
    ASSERT_FALSE(insert(client("Ana", "Rua das Flores", "1")) ||
                 insert(client("A_B", "Rua X", "2")) || insert(client("AxB", "Rua Y", "3")) ||
                 insert(client("100%", "Rua Z", "4")));
    EXPECT_EQ(cells(database->search_clients("flor")) + "," +
                  cells(database->search_clients("A_B")) + "," +
                  cells(database->search_clients("0%")) + "," +
                  cells(database->search_clients("br")) + "," +
                  std::to_string(database->search_clients("curitiba").size()),
              "Ana,A_B AxB,100%,,8");
    ASSERT_FALSE(database->insert_vehicle("Van_1", 10, 1, 1, 1) ||
                 database->insert_vehicle("Vanx1", 1, 1, 1, 1));
    EXPECT_EQ(cells(database->search_vehicles("n_1")), "Van_1 Vanx1");
    EXPECT_EQ(cells(database->search_instances("2024-01-14", "2024-01-16", "day")), "Day d'Oeste");
    const std::string s_previous = std::setlocale(LC_ALL, nullptr);
    for (const char* s_name : {"pt_BR.UTF-8", "pt_BR.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
        if (std::setlocale(LC_ALL, s_name) != nullptr) break;
    }
    EXPECT_EQ(sql_double_text(1234567.1234567) + " " + sql_int_text(1234567),
              "1234567.123457 1234567");
    ASSERT_FALSE(database->insert_client("007", "Rua", "007", "n", "c", "s", "p", "-25.50", "10") ||
                 database->insert_vehicle("Truck", 1000, 3, 12.5, 0.1234567) ||
                 database->insert_instance("I", "2024-01-16", "20240116", 1234.5, 60, "{}", 7.25));
    std::setlocale(LC_ALL, s_previous.c_str());
    EXPECT_EQ(cells(database->select_client_by_id("7"), true), "7=Rua|7|n|c|s|p|-25.5|10|RUA007");
    EXPECT_EQ(cells(database->select_vehicle_by_id("Truck"), true), "Truck=1000|3|12.5|0.123457");
    EXPECT_EQ(cells(database->select_instance_by_id("I"), true),
              "I=2024-01-16|20240116|1234.5|60.0|{}|7.25");
    run_sql("INSERT INTO clients VALUES('b','r','1','n','c','s','p',NULL,'2','R1');"
            "INSERT INTO clients VALUES('c','r','1','n','c','s','p','1','2','R1');");
    EXPECT_EQ(database->search_clients("").size(), 9u);
}

// A bulk insert skips stored ids, gives short rows empty cells and turns commas into points
// in the caller's rows (without growing them); a failing row undoes the whole insert or
// deletion and is reported, leaving no transaction open. A replaced instance whose new
// insert fails is kept; a replacement is stored last.
TEST_P(DatabaseTest, AFailingRowUndoesTheWholeBulkOperationOrReplacement)
{
    ASSERT_FALSE(insert(client("Ana", "Rua A", "1")));
    TextRows vv_nothing[] = {{}, {{}}, {{"name", "address"}}};
    for (TextRows& vv_rows : vv_nothing) EXPECT_FALSE(database->insert_clients(vv_rows));
    TextRows vv_imported = {
        {"name", "address", "number"},
        {"Bia", "Rua b", "2", "C", "Curitiba", "PR", "BR", "-25,4284", "-49,27"},
        {"Ana", "Other", "9", "x", "x", "x", "x", "0", "0"},
        {"Caio", "Rua c", "3b"}};
    refuse("INSERT", "clients", "NEW.id = 'Caio'");
    EXPECT_TRUE(database->insert_clients(vv_imported));
    ASSERT_FALSE(database->insert_client("Duda", "r", "1", "n", "c", "s", "p", "1", "2"));
    database = open_database();
    EXPECT_EQ(cells(database->search_clients("")), "Ana Duda");
    refuse("DELETE", "clients", "OLD.id = 'Caio'");
    EXPECT_FALSE(database->insert_clients(vv_imported));
    EXPECT_EQ(vv_imported[1][7] + " " + std::to_string(vv_imported[3].size()), "-25.4284 3");
    EXPECT_EQ(cells(database->search_clients(""), true),
              "Ana=Rua A|1|C|Curitiba|PR|BR|1|2|RUA A1 Duda=r|1|n|c|s|p|1|2|R1 Bia=Rua "
              "b|2|C|Curitiba|PR|BR|"
              "-25.4284|-49.27|RUA B2 Caio=Rua c|3b|||||||RUA C3B");
    EXPECT_TRUE(database->delete_clients({"Ana", "Caio", "Bia"}));
    EXPECT_EQ(cells(database->search_clients("")), "Ana Duda Bia Caio");
    EXPECT_FALSE(database->delete_clients({"Ana", "Nobody", "Bia"}) ||
                 database->delete_client("Duda"));
    EXPECT_EQ(cells(database->search_clients("")), "Caio");
    ASSERT_FALSE(database->insert_instance("I", "2024-01-15", "20240115", 1, 2, "{\"v\":1}", 3) ||
                 database->insert_instance("J", "2024-01-16", "20240116", 1, 2, "{}", 3));
    refuse("INSERT", "instances", "NEW.json = 'refused'");
    EXPECT_TRUE(database->replace_instance("I", "2024-02-01", "20240201", 5, 6, "refused", 7));
    EXPECT_EQ(cells(database->select_all_instances()), "I J");
    EXPECT_FALSE(database->replace_instance("I", "2024-02-01", "20240201", 5, 6, "{\"v\":2}", 7) ||
                 database->replace_instance("K", "2024-02-01", "20240201", 5, 6, "{}", 7) ||
                 database->update_instance("K", "2024-03-01", "20240301", 4.5, 5, 6));
    EXPECT_EQ(cells(database->select_all_instances(), true), "J=2024-01-16|20240116|1.0|2.0|{}|3.0 "
              "I=2024-02-01|20240201|5.0|6.0|{\"v\":2}|7.0 K=2024-03-01|20240301|4.5|5.0|{}|6.0");
}

// Settings are stored in one transaction: a missing row is inserted and a refused one named
// while the rest are kept, unless the refusal ends the transaction, which loses them all.
TEST_P(DatabaseTest, SettingsAreStoredTogether)
{
    run_sql("DELETE FROM settings WHERE setting = 'opt_time'");
    refuse("UPDATE", "settings", "OLD.setting = 'email'");
    const SettingRows v_rows = {{"language", "ENG"}, {"email", "a@b.c"}, {"opt_time", "20"}};
    const bool all_lost = std::string(GetParam()) == "ROLLBACK";
    const std::vector<std::string> v_lost = {"language", "email", "opt_time"};
    EXPECT_EQ(database->store_settings(v_rows),
              all_lost ? v_lost : std::vector<std::string>{"email"});
    EXPECT_EQ(database->setting_value("language") + " " +
                  std::to_string(database->select_setting("opt_time").size()),
              all_lost ? "POR 0" : "ENG 1");
}

INSTANTIATE_TEST_SUITE_P(Raise, DatabaseTest, testing::Values("ROLLBACK", "ABORT", "FAIL"));

// The coordinate search reads clients by code on its worker thread while the GUI thread
// writes through the same connection.
TEST_F(DatabaseTest, AThreadReadsByCodeWhileAnotherInserts)
{
    ASSERT_FALSE(insert(client("Depot", "Rua A", "1")));
    std::atomic<int> n_failures{0};
    std::thread reader([&] {
        for (int i = 0; i < 1000; ++i)
            n_failures += database->select_client_by_code("RUA A1").size() != 1;
    });
    for (int i = 0; i < 200; ++i) {
        TextRows vv_clients = {{}, client(std::to_string(i) + " bis", "Rua A", "2")};
        n_failures +=
            insert(client(std::to_string(i), "Rua A", "2")) + database->insert_clients(vv_clients);
    }
    reader.join();
    EXPECT_EQ(n_failures, 0);
    EXPECT_EQ(database->select_client_by_code("RUA A2").size(), 400u);
}

// Two connections to one file (a second process, a window and a job) writing at once wait
// their turn instead of refusing rows as "database is locked".
TEST_F(DatabaseTest, TwoConnectionsWritingAtOnceStoreEveryRow)
{
    auto second = open_database();
    std::atomic<int> n_failures{0};
    const auto write = [&](Database& connection, const std::string& s_prefix) {
        for (int i = 0; i < 60; ++i) {
            const std::string s_id = s_prefix + std::to_string(i);
            TextRows vv_clients = {{}, client(s_id + " bulk", "Rua B", "1")};
            n_failures += connection.insert_clients(vv_clients);
            n_failures +=
                connection.insert_client(s_id, "Rua B", "1", "C", "Curitiba", "PR", "BR", "1", "2");
        }
    };
    std::thread other([&] { write(*second, "B"); });
    write(*database, "A");
    other.join();
    EXPECT_EQ(n_failures, 0);
    EXPECT_EQ(database->select_client_by_code("RUA B1").size(), 240u);
}

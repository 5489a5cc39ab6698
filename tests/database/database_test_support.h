#pragma once
// A real database file in a fresh folder per test, and a second connection to
// change the file behind the Database's back (as other software could).

#include "database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using TextRows = std::vector<std::vector<std::string>>;

class DatabaseTest : public testing::Test {
protected:
    void SetUp() override
    {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::path(testing::TempDir()) /
                 ("tovalo_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        s_path = (folder / "tovalo.db").string();
    }

    void TearDown() override { std::filesystem::remove_all(folder); }

    std::unique_ptr<Database> open_database()
    {
        auto database = std::make_unique<Database>(s_path);
        EXPECT_FALSE(database->open_database());
        return database;
    }

    void run_sql(const std::string& s_sql)
    {
        sqlite3* connection = nullptr;
        ASSERT_EQ(sqlite3_open(s_path.c_str(), &connection), SQLITE_OK);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(connection, s_sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
            << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(connection);
    }

    std::filesystem::path folder;
    std::string s_path;
};

// A client row as stored: the nine given cells and the code.
inline bool insert(Database& database, const std::vector<std::string>& v)
{
    return database.insert_client(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
}

inline std::vector<std::string> first_cells(const TextRows& vv_rows)
{
    std::vector<std::string> v_ids;
    for (const auto& v_row : vv_rows) {
        v_ids.push_back(v_row.at(0));
    }
    return v_ids;
}

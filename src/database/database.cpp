#include "database.h"

#include "default_settings.h"
#include "schema.h"
#include "statement.h"

#include <sqlite3.h>

#include <iostream>
#include <utility>

namespace {
constexpr int k_busy_timeout_ms = 5000;
}  // namespace

Database::Database(std::string s_file_name) : s_file(std::move(s_file_name)) {}

Database::~Database()
{
    sqlite3_close(db);
}

bool Database::open_database()
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    if (db != nullptr) {
        return false;
    }
    // The job threads share this connection, so SQLite must serialise it.
    if (sqlite3_threadsafe() == 0) {
        std::cerr << "open_database(): SQLite is built without thread safety\n";
    }
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(s_file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        std::cerr << "open_database(): cannot open " << s_file << ": "
                  << (db ? sqlite3_errmsg(db) : "out of memory") << "\n";
        sqlite3_close(db);
        db = nullptr;
        return true;
    }
    // Another connection to the file (a second process of the application) may be
    // writing: wait for it rather than refuse the statement at once.
    sqlite3_busy_timeout(db, k_busy_timeout_ms);
    // Tells a duplicate key (skipped by the bulk insert) from other constraint failures.
    sqlite3_extended_result_codes(db, 1);
    return create_tables();
}

bool Database::create_tables()
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    bool any_failed = false;
    for (const TableSchema& table : schema_tables()) {
        // An existing table is never touched; a missing one is left from an interrupted first start.
        if (table_exists(table.s_name)) {
            continue;
        }
        if (failed(table.s_create, {})) {
            std::cerr << "create_tables(): cannot create " << table.s_name << " in " << s_file
                      << ": " << sqlite3_errmsg(db) << "\n";
            any_failed = true;
            continue;
        }
        if (table.s_name == "settings") {
            for (const auto& setting : default_settings()) {
                any_failed = insert_setting(setting.first, setting.second) || any_failed;
            }
        }
    }
    return any_failed;
}

bool Database::table_exists(const std::string& s_table)
{
    return !query("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?", {s_table})
                .empty();
}

int Database::execute(const std::string& s_sql, const std::vector<std::string>& v_values)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return run_statement(db, s_sql, v_values);
}

bool Database::failed(const std::string& s_sql, const std::vector<std::string>& v_values)
{
    return execute(s_sql, v_values) != SQLITE_OK;
}

std::vector<std::vector<std::string>> Database::query(const std::string& s_sql,
                                                      const std::vector<std::string>& v_values)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return run_query(db, s_sql, v_values);
}

bool Database::run_transaction(const std::function<bool()>& body)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    if (failed("BEGIN TRANSACTION", {})) {
        return true;
    }
    // A failing statement may have ended the transaction itself (ROLLBACK from a
    // trigger, a full disk): what follows would then commit row by row.
    const bool body_failed = body() || sqlite3_get_autocommit(db) != 0;
    if (!body_failed && !failed("COMMIT TRANSACTION", {})) {
        return false;
    }
    if (sqlite3_get_autocommit(db) == 0) {
        execute("ROLLBACK TRANSACTION", {});
    }
    return true;
}

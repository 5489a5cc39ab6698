#include "database.h"

#include "default_settings.h"
#include "schema.h"
#include "statement.h"

#include <sqlite3.h>

#include <chrono>
#include <iostream>
#include <thread>
#include <utility>

namespace {
// How often a statement looks again at a lock another connection holds.
constexpr int k_lock_poll_ms = 10;
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
        return !s_open_failure.empty();
    }
    // The job threads share this connection, so SQLite must serialise it.
    if (sqlite3_threadsafe() == 0) {
        std::cerr << "open_database(): SQLite is built without thread safety\n";
    }
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(s_file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        s_open_failure = db ? sqlite3_errmsg(db) : "out of memory";
        std::cerr << "open_database(): cannot open " << s_file << ": " << s_open_failure << "\n";
        sqlite3_close(db);
        db = nullptr;
        return true;
    }
    // Another connection to the file (a second process of the application) may be
    // writing: wait for it rather than refuse the statement at once.
    sqlite3_busy_handler(db, &Database::wait_for_lock, this);
    // Tells a duplicate key (skipped by the bulk insert) from other constraint failures.
    sqlite3_extended_result_codes(db, 1);
    // A file that is damaged or cannot be written is left as it is, tables and all.
    s_open_failure = usability_fault();
    if (s_open_failure.empty()) {
        create_tables();
    }
    if (!s_open_failure.empty()) {
        std::cerr << "open_database(): cannot use " << s_file << ": " << s_open_failure << "\n";
    }
    return !s_open_failure.empty();
}

std::string Database::usability_fault()
{
    // Reads every page of the tables' structure, so a damaged or truncated file shows now
    // rather than at the statement that meets the damage.
    const auto vv_check = query("PRAGMA quick_check(1)");
    if (vv_check.empty() && !is_lock_failure(sqlite3_errcode(db))) {
        return sqlite3_errmsg(db);
    }
    if (!vv_check.empty() && vv_check.front().front() != "ok") {
        return vv_check.front().front();
    }
    // A write taken back: a read-only file, or a folder where no journal can be made.
    // Another program writing at this moment says nothing about the file, so no wait.
    sqlite3_busy_handler(db, nullptr, nullptr);
    std::string s_fault;
    const int code = execute("BEGIN IMMEDIATE TRANSACTION", {});
    if (code == SQLITE_OK) {
        const auto vv_version = query("PRAGMA user_version");
        const std::string s_version = vv_version.empty() ? "0" : vv_version.front().front();
        if (execute("PRAGMA user_version = " + s_version, {}) != SQLITE_OK) {
            s_fault = sqlite3_errmsg(db);
        }
        execute("ROLLBACK TRANSACTION", {});
    } else if (!is_lock_failure(code)) {
        s_fault = sqlite3_errmsg(db);
    }
    sqlite3_busy_handler(db, &Database::wait_for_lock, this);
    return s_fault;
}

int Database::wait_for_lock(void* data, int n_prior_calls)
{
    auto* database = static_cast<Database*>(data);
    if (n_prior_calls == 0) {
        ++database->n_lock_waits;
    }
    if (n_prior_calls * k_lock_poll_ms >= database->busy_timeout_ms) {
        return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(k_lock_poll_ms));
    return 1;
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
            if (s_open_failure.empty()) {
                s_open_failure = sqlite3_errmsg(db);
            }
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

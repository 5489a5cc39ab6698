#include "database.h"

#include "default_settings.h"
#include "statement.h"

#include <sqlite3.h>

bool Database::insert_setting(const std::string& s_key, const std::string& s_value)
{
    return failed("INSERT INTO settings(setting,value) VALUES(?1, ?2)", {s_key, s_value});
}

bool Database::update_setting(const std::string& s_key, const std::string& s_value)
{
    return failed("UPDATE settings SET value = ?1 WHERE setting = ?2;", {s_value, s_key});
}

std::vector<std::string> Database::store_settings(const SettingRows& v_settings)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    std::vector<std::string> v_all_keys;
    for (const auto& setting : v_settings) {
        v_all_keys.push_back(setting.first);
    }
    // The write lock is taken once for every row: rows written one by one would each wait
    // for another program that holds it.
    if (failed("BEGIN IMMEDIATE TRANSACTION", {})) {
        return v_all_keys;
    }
    std::vector<std::string> v_failed_keys;
    bool lost_all = false;
    for (const auto& [s_key, s_value] : v_settings) {
        const int code = store_setting_row(s_key, s_value);
        // A row refused by the file (a trigger, a constraint) is named and the rest go on; a
        // lock that could not be had, or a transaction the failure ended, loses them all.
        if (is_lock_failure(code) || sqlite3_get_autocommit(db)) {
            lost_all = true;
            break;
        }
        if (code != SQLITE_OK) {
            v_failed_keys.push_back(s_key);
        }
    }
    if (!lost_all && !failed("COMMIT TRANSACTION", {})) {
        return v_failed_keys;
    }
    if (sqlite3_get_autocommit(db) == 0) {
        execute("ROLLBACK TRANSACTION", {});
    }
    return v_all_keys;
}

int Database::store_setting_row(const std::string& s_key, const std::string& s_value)
{
    const int code =
        execute("UPDATE settings SET value = ?1 WHERE setting = ?2;", {s_value, s_key});
    if (code != SQLITE_OK || sqlite3_changes(db) > 0) {
        return code;
    }
    return execute("INSERT INTO settings(setting,value) VALUES(?1, ?2)", {s_key, s_value});
}

std::vector<std::vector<std::string>> Database::select_setting(const std::string& s_key)
{
    return query("SELECT * FROM settings WHERE setting = ?1", {s_key});
}

std::vector<std::vector<std::string>> Database::select_all_settings()
{
    return query("SELECT * from settings");
}

std::string Database::setting_value(const std::string& s_key)
{
    const auto vv_rows = select_setting(s_key);
    if (vv_rows.empty() || vv_rows.front().size() < 2) {
        return default_setting_value(s_key);
    }
    return vv_rows.front()[1];
}

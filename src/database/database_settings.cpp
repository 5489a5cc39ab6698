#include "database.h"

#include "default_settings.h"

bool Database::insert_setting(const std::string& s_key, const std::string& s_value)
{
    return failed("INSERT INTO settings(setting,value) VALUES(?1, ?2)", {s_key, s_value});
}

bool Database::update_setting(const std::string& s_key, const std::string& s_value)
{
    return failed("UPDATE settings SET value = ?1 WHERE setting = ?2;", {s_value, s_key});
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

#include "setting_store.h"

#include "database.h"

bool store_setting(Database& database, const std::string& s_key, const std::string& s_value)
{
    if (database.select_setting(s_key).empty()) {
        return database.insert_setting(s_key, s_value);
    }
    return database.update_setting(s_key, s_value);
}

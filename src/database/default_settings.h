#pragma once

#include <string>
#include <utility>
#include <vector>

// Every settings key with the value a new database file starts with, in the
// order the rows are inserted.
const std::vector<std::pair<std::string, std::string>>& default_settings();

// The default value of a key; empty for a key that is not a setting.
std::string default_setting_value(const std::string& s_key);

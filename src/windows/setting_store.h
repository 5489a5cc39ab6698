#pragma once
// Writes one setting so that a change is never dropped silently.

#include <string>

class Database;

// Updates the row of the key, or inserts it when the file lacks that row (an update would
// change nothing and the planner's choice would be lost). True = the write failed.
bool store_setting(Database& database, const std::string& s_key, const std::string& s_value);

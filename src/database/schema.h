#pragma once

#include <string>
#include <vector>

struct TableSchema {
    std::string s_name;
    std::string s_create;  // sent exactly as written: existing files hold these texts
};

// The four tables in the order they are created: clients, vehicles, settings, instances.
const std::vector<TableSchema>& schema_tables();

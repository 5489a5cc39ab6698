#pragma once
// What the instance tests share: test data, scratch files, column maps, document edits.

#include "test_environment.h"
#include "csv_to_instance.h"
#include "json_document.h"

#include <gtest/gtest.h>
#include <rapidjson/pointer.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

inline std::string data_path(const std::string& s_name) { return test_data_dir() + "/" + s_name; }

// The process id keeps parallel runs of the test programs out of each other's files.
inline std::string temp_path(const std::string& s_name)
{
    return testing::TempDir() + "tovalo_" + std::to_string(getpid()) + "_" + s_name;
}

inline void write_bytes(const std::string& s_path, const std::string& s_bytes)
{
    std::ofstream(s_path, std::ios::binary | std::ios::trunc) << s_bytes;
}

inline std::string read_bytes(const std::string& s_path)
{
    std::ifstream file(s_path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every header cell of row 0 mapped to its column.
inline ColumnMap header_columns(const TextTable& vv_table)
{
    ColumnMap columns;
    for (size_t i = 0; !vv_table.empty() && i < vv_table[0].size(); ++i) {
        columns[vv_table[0][i]] = static_cast<int32_t>(i);
    }
    return columns;
}

// Sets the value at a JSON pointer to the parsed text, kept exactly as parsed (7.0 stays a
// double); a null text erases the member.
inline void set_value(rapidjson::Document& document, const char* s_pointer, const char* s_json)
{
    if (s_json == nullptr) {
        rapidjson::EraseValueByPointer(document, rapidjson::Pointer(s_pointer));
        return;
    }
    rapidjson::Document fragment(&document.GetAllocator());
    fragment.Parse(s_json);
    rapidjson::Pointer(s_pointer).Set(document, rapidjson::Value(fragment, document.GetAllocator()));
}

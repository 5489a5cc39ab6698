#pragma once
// The instance document's three forms: in-memory document, compact text, file.

#include <rapidjson/document.h>

#include <string>

rapidjson::Document string_to_json(const std::string& s_text);
// The compact text; "" (never a text cut short) when the value holds a number no JSON
// text can carry: an infinity or NaN, as a number beyond the double range parses.
std::string json_to_string(const rapidjson::Value& value);
// Where the first such number sits ("input.meta_info.max_time", "Mdij[1][0]", a member
// without a name as "", the value itself as "."); "" when every number can be written.
std::string non_finite_number_path(const rapidjson::Value& value);

// Writes the compact text of the value; a path that cannot be opened stays unwritten.
void save_json_file(const rapidjson::Value& value, const std::string& s_path);
// The same, telling whether the whole text reached the file. A value that cannot be
// written as text leaves the file as it was.
bool try_save_json_file(const rapidjson::Value& value, const std::string& s_path);

// Null document (and "Invalid JSON..." on standard output) when the file does not parse.
rapidjson::Document load_json_file(const std::string& s_path);
// The error document "invalid_file" when the file does not parse.
rapidjson::Document read_json_file(const std::string& s_path);

rapidjson::Value json_string_value(const std::string& s_text,
                                   rapidjson::Document::AllocatorType& allocator);

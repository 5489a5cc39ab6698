#pragma once
// Type-tested reads of documents and service answers: a member that is missing or of
// another kind reads as absent, so an odd text can never be read past its end.

#include <rapidjson/document.h>

#include <string>

// The member of an object, or nullptr when value is no object or lacks it.
const rapidjson::Value* find_member(const rapidjson::Value& value, const char* name);
rapidjson::Value* find_member(rapidjson::Value& value, const char* name);
// Element i of an array, or nullptr.
const rapidjson::Value* find_element(const rapidjson::Value& value, rapidjson::SizeType i);
// The string member's text into s_text; false (s_text untouched) when absent or no string.
bool read_string_member(const rapidjson::Value& value, const char* name, std::string& s_text);
// A number a double holds (not an infinity or NaN, as a number beyond the double range
// parses); the readers treat any other number like a value of the wrong kind.
bool is_finite_number(const rapidjson::Value& value);

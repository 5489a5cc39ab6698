#pragma once
// Small helpers the field checks share: finding the members they walk, and recording
// a fault as the document's error record.

#include <rapidjson/document.h>

#include <string>

// Appends the error record (an empty message writes the code alone) and returns false,
// so that a check can end with `return record_failure(...)`.
bool record_failure(rapidjson::Document& document, const std::string& s_code,
                    const std::string& s_message);

// The member when value is an object holding it as an object; nullptr otherwise, so a
// member of the wrong kind reads as missing.
rapidjson::Value* object_member(rapidjson::Value& value, const char* s_name);
const rapidjson::Value* object_member(const rapidjson::Value& value, const char* s_name);

// input.data and input.meta_info, or nullptr.
rapidjson::Value* input_part(rapidjson::Value& document, const char* s_part);
const rapidjson::Value* input_part(const rapidjson::Value& document, const char* s_part);

#pragma once
// The output part of the instance document: a solver result or an error record.

#include <rapidjson/document.h>

#include <string>

// Appends {"output":{"meta_info":{"error":code[,"message":message]}}} to the root;
// an empty message writes the code alone.
void add_error_record(rapidjson::Document& document, const std::string& s_code,
                      const std::string& s_message);

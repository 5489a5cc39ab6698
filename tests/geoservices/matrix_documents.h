#pragma once
// Instance documents for the matrix tests, and the matrices the stand-in's generators give
// for them (client i has the latitude "i", so the Google generator knows its index).

#include "json_document.h"

#include <string>

// {"input":{"data":{"clients":[n clients],"containers":[]<extra>},"meta_info":<meta_info>}}
inline rapidjson::Document instance_document(
    int n, const std::string& s_extra_data = "",
    const std::string& s_meta_info = R"({"prob_type":"VRPTW"})")
{
    std::string s_clients;
    for (int i = 0; i < n; ++i) {
        s_clients += (i == 0 ? R"({"id":"c)" : R"(,{"id":"c)") + std::to_string(i) +
                     R"(","lat":")" + std::to_string(i) + R"(","long":"-46.6"})";
    }
    return string_to_json(R"({"input":{"data":{"clients":[)" + s_clients + R"(],"containers":[])" +
                          s_extra_data + R"(},"meta_info":)" + s_meta_info + "}}");
}

// n x n table of row * row_factor + column (+ 0.5 when half is set), as JSON text.
inline std::string table_json(int n, int row_factor, bool half)
{
    std::string s_table = "[";
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            s_table += (j == 0 ? (i == 0 ? "[" : ",[") : ",") + std::to_string(i * row_factor + j) +
                       (half ? ".5" : "");
        }
        s_table += "]";
    }
    return s_table + "]";
}

inline std::string member_json(const rapidjson::Document& document, const char* s_data_member)
{
    const auto& data = document["input"]["data"];
    return data.HasMember(s_data_member) ? json_to_string(data[s_data_member]) : "absent";
}

// {"error":...[,"message":...]} of the output record, or "none".
inline std::string error_record(const rapidjson::Document& document)
{
    const bool recorded = document.IsObject() && document.HasMember("output");
    return recorded ? json_to_string(document["output"]["meta_info"]) : "none";
}

// The text error_record gives for a record with that code (and message).
inline std::string record(const std::string& s_code, const std::string& s_message = "")
{
    return R"({"error":")" + s_code + "\"" +
           (s_message.empty() ? "" : R"(,"message":")" + s_message + "\"") + "}";
}

#pragma once
// Instance documents for the tests of the full check: one valid instance changed member by
// member, and what a failed check leaves in it.

#include "full_instance_check.h"
#include "json_document.h"

#include <rapidjson/pointer.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A pointer into the document and the JSON text to put there; no text erases the member.
struct Change {
    const char* s_pointer;
    const char* s_json = nullptr;
};

// One vehicle type, a depot and one client, both located, and both matrices.
inline const char* const k_valid_instance = R"({"input":{
    "data":{
        "containers":[{"container_id":"truck","container_qt":2,"container_dim":100,
                       "container_fixed_cost":50,"container_var_cost":1}],
        "clients":[
            {"id":"depot","early_tw":0,"late_tw":1000,"service_time":0,"demand":0,
             "lat":"-23.5","long":"-46.6",
             "address":{"address":"Oak Road","number":"1","neighborhood":"","city":"X",
                        "state":"","country":"BR"}},
            {"id":"c1","early_tw":5,"late_tw":1,"service_time":60,"demand":3,
             "lat":"-23,55","long":"-46,63",
             "address":{"address":"Elm Street","number":"2","neighborhood":"","city":"X",
                        "state":"","country":"BR"}}],
        "Mdij":[[0,10],[10,0]],
        "Mtij":[[0,20],[20,0]]},
    "meta_info":{"prob_type":"VRPTW","max_time":1,"solution_method":0,
                 "lat_long_api":"osrm_relaxed","email":"me@x.org",
                 "distance_matrix_api":"osrm"}}})";

inline rapidjson::Document instance_with(const std::vector<Change>& v_changes)
{
    rapidjson::Document document = string_to_json(k_valid_instance);
    for (const Change& change : v_changes) {
        if (change.s_json == nullptr) {
            rapidjson::Pointer(change.s_pointer).Erase(document);
            continue;
        }
        rapidjson::Document value(&document.GetAllocator());
        value.Parse(change.s_json);
        rapidjson::Pointer(change.s_pointer).Set(document, value);
    }
    return document;
}

inline std::string text_at(const rapidjson::Value& document, const char* s_pointer)
{
    const rapidjson::Value* value = rapidjson::Pointer(s_pointer).Get(document);
    return value != nullptr && value->IsString() ? value->GetString() : "<none>";
}

// "error | message | N output" of what a check left, "<none>" for what is not there.
inline std::string record_of(const rapidjson::Document& document)
{
    int outputs = 0;
    for (const auto& member : document.GetObject()) {
        outputs += std::string(member.name.GetString()) == "output" ? 1 : 0;
    }
    return text_at(document, "/output/meta_info/error") + " | " +
           text_at(document, "/output/meta_info/message") + " | " + std::to_string(outputs) + " output";
}

// One record, and the only "output" member of the document.
inline std::string one_record(const std::string& s_error, const std::string& s_message)
{
    return s_error + " | " + s_message + " | 1 output";
}

struct FaultCase {
    std::vector<Change> v_changes;
    std::string s_error;
    std::string s_message;
};

inline void expect_faults(const std::vector<FaultCase>& v_cases)
{
    for (const FaultCase& c : v_cases) {
        rapidjson::Document document = instance_with(c.v_changes);
        const std::string s_case = c.v_changes.empty() ? "" : c.v_changes[0].s_pointer;
        EXPECT_FALSE(check_json_file(document)) << s_case;
        EXPECT_EQ(record_of(document), one_record(c.s_error, c.s_message)) << s_case;
    }
}

// Matrices gone, so coordinates are checked and the settings of both services read.
inline const std::vector<Change> k_no_matrices = {{"/input/data/Mdij"}, {"/input/data/Mtij"}};

inline std::vector<Change> without_matrices(std::vector<Change> v_changes)
{
    v_changes.insert(v_changes.end(), k_no_matrices.begin(), k_no_matrices.end());
    return v_changes;
}

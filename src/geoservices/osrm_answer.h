#pragma once
// How an OSRM table answer reads, with every member type-tested.

#include <rapidjson/document.h>

#include <string>

enum class OsrmAnswer {
    ok,              // "Ok" with durations and distances of at least the rows asked for
    not_json,        // empty, or text that does not parse
    invalid_query,   // "InvalidQuery"
    too_big,         // "TooBig"
    unusable_ok,     // "Ok" without the arrays, with fewer rows than sources, or with a
                     // value beyond the double range
    undefined_code   // no string "code", or any other code
};

OsrmAnswer read_osrm_answer(const rapidjson::Document& answer, rapidjson::SizeType rows);

// Records the code the answer stands for ("no_internet_connection" for not_json).
void record_osrm_failure(rapidjson::Document& document, OsrmAnswer kind);

// Appends deep copies of the first rows of durations and distances to mtij and mdij.
void copy_osrm_rows(const rapidjson::Value& answer, rapidjson::Value& mtij,
                    rapidjson::Value& mdij, rapidjson::Document::AllocatorType& allocator);

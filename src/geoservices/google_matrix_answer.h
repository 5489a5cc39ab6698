#pragma once
// How a Google Distance Matrix answer reads, and the error record each reading gives.

#include <rapidjson/document.h>

#include <string>

enum class GoogleAnswer {
    ok,
    no_connection,  // empty text
    not_json,       // text that does not parse
    no_status,      // no string "status"
    too_many,       // MAX_ELEMENTS_EXCEEDED, MAX_DIMENSIONS_EXCEEDED
    denied,         // REQUEST_DENIED
    over_limit,     // OVER_QUERY_LIMIT
    undefined       // any other status
};

GoogleAnswer read_google_answer(const std::string& s_text, const rapidjson::Document& answer);
void record_google_failure(rapidjson::Document& document, GoogleAnswer kind);
void record_too_many_google_clients(rapidjson::Document& document);

// Appends one row per answer row to mtij and mdij.
void append_google_rows(const rapidjson::Value& answer, rapidjson::Value& mtij,
                        rapidjson::Value& mdij, rapidjson::Document::AllocatorType& allocator);
// Appends the elements of the answer's first row to the rows t and d.
void append_google_first_row(const rapidjson::Value& answer, rapidjson::Value& t,
                             rapidjson::Value& d, rapidjson::Document::AllocatorType& allocator);

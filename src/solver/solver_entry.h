#pragma once
// The solver's public face: an instance document in, a new document with the
// result (or an error record) out. Each call is self-contained.

#include "vrp.h"

#include <rapidjson/document.h>

// Time-limited multi-start iterated local search (method 3). A stop request that reads
// true ends it early, as its time limit would; it may be null.
rapidjson::Document run_vrp_ils(const rapidjson::Value& input_document,
                                const std::atomic<bool>* stop_request = nullptr);
// The same search under the variant name (method 4).
rapidjson::Document run_vrp_ils_variant(const rapidjson::Value& input_document,
                                        const std::atomic<bool>* stop_request = nullptr);
// Savings construction with lambda 1.0 (method 0).
rapidjson::Document run_vrp_savings(const rapidjson::Value& input_document);
// One randomized insertion (method 2).
rapidjson::Document run_vrp_insertion(const rapidjson::Value& input_document);
// Savings construction over a sweep of lambda values (method 1).
rapidjson::Document run_vrp_savings_sweep(const rapidjson::Value& input_document);

// What the five share: read, solve, write; stats and stop may be null. An unreadable
// document or a method this build cannot run gives the input with an error record.
rapidjson::Document run_vrp_method(const rapidjson::Value& input_document, int method,
                                   SolveStats* stats,
                                   const std::atomic<bool>* stop_request = nullptr);

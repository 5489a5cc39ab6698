#pragma once
// The output part of the instance document: a solver result or an error record.

#include "instance_reader.h"

#include <rapidjson/document.h>

#include <string>

// A copy of the input document followed by "output" with the result held in the
// reader's Instance (routes, unrouted clients, summary). An "output" member the
// input already carried is left out of the copy, so the result holds one, last.
rapidjson::Document write_output_json(const InstanceReader& reader,
                                      const rapidjson::Value& input_document);
// The same, under the name the solver entry functions call; the int is not used.
rapidjson::Document make_output_document(const InstanceReader& reader, int unused,
                                         const rapidjson::Value& input_document);

// Appends {"output":{"meta_info":{"error":code[,"message":message]}}} to the root;
// an empty message writes the code alone. A stale "output" member is dropped first,
// and a root that is not an object becomes an object holding the record alone.
void add_error_record(rapidjson::Document& document, const std::string& s_code,
                      const std::string& s_message);

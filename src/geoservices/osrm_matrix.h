#pragma once
// Travel-time and distance matrices between all clients from an OSRM table server: the
// whole table in one request, or, when the server finds it too big, blocks of source rows.
// Either both matrices are appended to input.data, or one error record to the root.

#include <rapidjson/document.h>

#include <cstdint>
#include <string>
#include <vector>

// "long,lat;long,lat;..." of every client, each value URL-encoded.
std::string build_osrm_coordinates(const rapidjson::Document& document);

bool collect_matrices_osrm(rapidjson::Document& document);

// Blocks of at least minimum + 1 sources, found by halving; 2 s pause after each refusal
// and after each accepted block.
bool osrm_matrix_by_chunks(rapidjson::Document& document, uint32_t minimum);

// Appends the rows of the accepted answers, in list order. Always true.
bool parse_osrm_matrix_chunks(rapidjson::Document& document,
                              const std::vector<std::string>& v_answers);

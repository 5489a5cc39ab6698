#pragma once
// What the matrix collectors read from and write into the instance document: the client
// list, each client's coordinate texts, and the two matrices appended to input.data.

#include <rapidjson/document.h>

#include <cstdint>
#include <string>
#include <vector>

// input.data when it is an object, else nullptr.
rapidjson::Value* find_input_data(rapidjson::Document& document);
// Records "missing 'data' field" and returns false when input.data is no object.
bool require_input_data(rapidjson::Document& document);

// Length of input.data.clients; 0 when it is missing or no array.
uint32_t client_count(const rapidjson::Document& document);

// Client i's "lat" or "long" text with a decimal comma turned into a point, URL-encoded;
// "" when it is missing or no string.
std::string client_coordinate(const rapidjson::Document& document, uint32_t i,
                              const char* name);

// Appends Mtij, then Mdij, at the end of input.data (which must be an object).
void append_matrices(rapidjson::Document& document, rapidjson::Value& mtij,
                     rapidjson::Value& mdij);

// Appends the rows that copy_rows takes from each answer text, in list order, as the two
// matrices of input.data.
using MatrixRowCopier = void (*)(const rapidjson::Value& answer, rapidjson::Value& mtij,
                                 rapidjson::Value& mdij,
                                 rapidjson::Document::AllocatorType& allocator);
void append_matrices_from_answers(rapidjson::Document& document,
                                  const std::vector<std::string>& v_answers,
                                  MatrixRowCopier copy_rows);

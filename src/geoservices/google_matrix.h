#pragma once
// Travel-time and distance matrices between all clients from the Google Distance Matrix
// service, shaped by the service's limits: one request up to 9 clients, blocks of origins
// (size found by halving) up to 24, then one origin per request in windows of 25
// destinations. Either both matrices are appended to input.data, or one error record.

#include <rapidjson/document.h>

#include <cstdint>
#include <string>
#include <vector>

bool collect_matrices_google(rapidjson::Document& document, std::string s_key);
bool google_matrix_single(rapidjson::Document& document, std::string s_key);
bool google_matrix_by_chunks(rapidjson::Document& document, std::string s_key);
bool google_matrix_by_rows(rapidjson::Document& document, std::string s_key);

// True for status "OK"; otherwise appends the error record the answer stands for.
bool check_google_matrix_status(const std::string& s_answer, rapidjson::Document& document,
                                const rapidjson::Document& answer);

// Appends Mtij and Mdij made of the answer's rows. An element without an integer
// duration or distance value (ZERO_RESULTS, NOT_FOUND) gives null in both matrices.
void parse_google_matrix(rapidjson::Document& document, const rapidjson::Document& answer);
// The same over several answers, rows in list order. Always true.
bool parse_google_matrix_chunks(rapidjson::Document& document,
                                const std::vector<std::string>& v_answers);

// "&origins=...&destinations=..." with points "lat,long" joined by "|".
std::string build_google_od_all(const rapidjson::Document& document);
std::string build_google_od_origin_range(const rapidjson::Document& document, uint32_t first,
                                         uint32_t last);
std::string build_google_od_row(const rapidjson::Document& document, uint32_t origin,
                                uint32_t first, uint32_t last);

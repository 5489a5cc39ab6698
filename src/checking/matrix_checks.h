#pragma once
// The matrix part of the instance check: both matrices or none, sized to the clients,
// without empty entries.

#include <rapidjson/document.h>

#include <string>

bool check_matrices(rapidjson::Document& document, std::string s_distance_matrix_api,
                    std::string s_google_api_key);
bool check_matrix_dimensions(rapidjson::Document& document);
bool check_empty_distances(rapidjson::Document& document);

#pragma once
// The check run before every optimisation: required members, the distance and time
// matrices (fetched from the service distance_matrix_api names when the document has
// neither), their sizes and empty entries, and the problem type. Each function returns
// true when its test passed; false after appending one error record to the document.

#include <rapidjson/document.h>

#include <string>

bool check_instance_json(rapidjson::Document& document, std::string s_distance_matrix_api,
                         std::string s_google_api_key);

// input, input.data, input.meta_info (objects), input.data.containers, input.data.clients
// (an array). A member of the wrong kind counts as missing.
bool check_json_fields(rapidjson::Document& document);

bool check_matrices(rapidjson::Document& document, std::string s_distance_matrix_api,
                    std::string s_google_api_key);

// Both matrices n x n, n the number of clients (depot included).
bool check_matrix_dimensions(rapidjson::Document& document);

// The first entry of Mtij, then of Mdij, that the instance reader would refuse (null, no
// number a double holds, or a leg below 0 or above 2147483647), named by the ids of its row
// and column clients.
bool check_empty_distances(rapidjson::Document& document);

// input.meta_info.prob_type is "VRPTW" or "OVRPTW".
bool check_prob_type(rapidjson::Document& document);

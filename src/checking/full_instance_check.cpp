#include "full_instance_check.h"

#include "check_failure.h"
#include "json_access.h"
#include "instance_check.h"

#include <initializer_list>
#include <string>

namespace {

bool is_one_of(const std::string& s_text, std::initializer_list<const char*> v_texts)
{
    for (const char* s_candidate : v_texts) {
        if (s_text == s_candidate) {
            return true;
        }
    }
    return false;
}

bool check_prob_type_member(rapidjson::Document& document)
{
    const rapidjson::Value* input = object_member(document, "input");
    if (input == nullptr) {
        return record_failure(document, "missing_json_field", "missing 'input' field");
    }
    const rapidjson::Value* meta_info = object_member(*input, "meta_info");
    if (meta_info == nullptr) {
        return record_failure(document, "missing_json_field", "missing 'meta_info' field");
    }
    if (find_member(*meta_info, "prob_type") == nullptr) {
        return record_failure(document, "missing_json_field", "missing 'prob_type' field");
    }
    std::string s_prob_type;
    if (!read_string_member(*meta_info, "prob_type", s_prob_type) ||
        !is_one_of(s_prob_type, {"VRPTW", "OVRPTW"})) {
        return record_failure(document, "invalid_field", "invalid 'prob_type'");
    }
    return true;
}

}  // namespace

bool check_json_file(rapidjson::Document& document)
{
    if (document.IsNull()) {
        return record_failure(document, "invalid_file", "file is not in json format");
    }
    return check_prob_type_member(document) && check_data(document);
}

bool check_data(rapidjson::Document& document)
{
    const rapidjson::Value* data = input_part(document, "data");
    if (data == nullptr) {
        return record_failure(document, "missing_json_field", "missing 'data' field");
    }
    // A missing containers member is named by the containers check.
    if (!check_containers(document) || !check_clients(document)) {
        return false;
    }
    const bool has_times = find_member(*data, "Mtij") != nullptr;
    const bool has_distances = find_member(*data, "Mdij") != nullptr;
    if (!has_times && !has_distances) {
        // Coordinates come first: the matrix services locate clients by them.
        return check_clients_lat_long(document) && check_distance_matrix_api(document);
    }
    if (has_times && has_distances) {
        return check_matrix_dimensions(document) && check_empty_distances(document);
    }
    return record_failure(document, "missing_matrix",
                          "if passed, both matrices are required, you may pass none instead");
}

bool check_distance_matrix_api(rapidjson::Document& document)
{
    const rapidjson::Value* meta_info = input_part(document, "meta_info");
    if (meta_info == nullptr || find_member(*meta_info, "distance_matrix_api") == nullptr) {
        return record_failure(document, "missing_json_field",
                              "missing 'distance_matrix_api' field'");
    }
    std::string s_api;
    if (!read_string_member(*meta_info, "distance_matrix_api", s_api) ||
        !is_one_of(s_api, {"osrm", "osrm_google", "google"})) {
        return record_failure(document, "missing_field", "invalid 'distance_matrix_api' field'");
    }
    std::string s_key;
    if (s_api != "osrm" && !read_string_member(*meta_info, "google_api_key", s_key)) {
        return record_failure(document, "missing_json_field", "missing 'google_api_key' field'");
    }
    return check_matrices(document, s_api, s_key);
}

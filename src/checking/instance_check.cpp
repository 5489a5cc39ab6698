#include "instance_check.h"

#include "check_failure.h"
#include "google_matrix.h"
#include "json_access.h"
#include "matrix_document.h"
#include "osrm_matrix.h"
#include "output_writer.h"

#include <iostream>
#include <utility>

namespace {

void record_missing_field(rapidjson::Document& document, const std::string& s_name)
{
    add_error_record(document, "missing_json_field", "missing '" + s_name + "' field");
}

bool has_output(const rapidjson::Document& document)
{
    return find_member(document, "output") != nullptr;
}

// Collects both matrices from the named service; false when it is none we know.
bool collect_matrices(rapidjson::Document& document, const std::string& s_api,
                      const std::string& s_key)
{
    if (s_api == "osrm") {
        collect_matrices_osrm(document);
    } else if (s_api == "osrm_google") {
        collect_matrices_osrm(document);
        if (has_output(document)) {
            std::cout << " Colecting distance and time matrices GOOGLE...\n";
            document.EraseMember("output");  // OSRM's record gives way to Google's outcome
            collect_matrices_google(document, s_key);
        }
    } else if (s_api == "google") {
        collect_matrices_google(document, s_key);
    } else {
        return false;
    }
    return true;
}

bool check_matrix_contents(rapidjson::Document& document)
{
    return check_matrix_dimensions(document) && check_empty_distances(document);
}

}  // namespace

bool check_instance_json(rapidjson::Document& document, std::string s_distance_matrix_api,
                         std::string s_google_api_key)
{
    return check_json_fields(document) &&
           check_matrices(document, std::move(s_distance_matrix_api),
                          std::move(s_google_api_key)) &&
           check_prob_type(document);
}

bool check_json_fields(rapidjson::Document& document)
{
    if (!document.IsObject()) {
        document.SetObject();  // no instance document at all: only the record is left
    }
    const rapidjson::Value* input = object_member(document, "input");
    if (input == nullptr) {
        record_missing_field(document, "input");
        return false;
    }
    const rapidjson::Value* data = object_member(*input, "data");
    if (data == nullptr) {
        record_missing_field(document, "data");
        return false;
    }
    if (object_member(*input, "meta_info") == nullptr) {
        record_missing_field(document, "meta_info");
        return false;
    }
    if (find_member(*data, "containers") == nullptr) {
        record_missing_field(document, "containers");
        return false;
    }
    const rapidjson::Value* clients = find_member(*data, "clients");
    if (clients == nullptr || !clients->IsArray()) {
        record_missing_field(document, "clients");
        return false;
    }
    return true;
}

bool check_matrices(rapidjson::Document& document, std::string s_distance_matrix_api,
                    std::string s_google_api_key)
{
    if (!require_input_data(document)) {
        return false;
    }
    const rapidjson::Value& data = *find_input_data(document);
    const bool has_mtij = data.HasMember("Mtij");
    const bool has_mdij = data.HasMember("Mdij");
    if (has_mtij && has_mdij) {
        return check_matrix_contents(document);
    }
    if (has_mtij || has_mdij) {
        add_error_record(document, "missing_matrix",
                         "if passed, both matrices are required, you may pass none instead");
        return false;
    }
    if (!collect_matrices(document, s_distance_matrix_api, s_google_api_key)) {
        add_error_record(document, "missing_matrix",
                         "no matrices given and no known distance_matrix_api to collect them");
        return false;
    }
    return !has_output(document) && check_matrix_contents(document);
}

bool check_prob_type(rapidjson::Document& document)
{
    const rapidjson::Value* meta_info = input_part(document, "meta_info");
    std::string s_type;
    if (meta_info != nullptr && read_string_member(*meta_info, "prob_type", s_type) &&
        (s_type == "VRPTW" || s_type == "OVRPTW")) {
        return true;
    }
    add_error_record(document, "missing_json_field",
                     "missing or prob_type field or unknown problem_type");
    return false;
}

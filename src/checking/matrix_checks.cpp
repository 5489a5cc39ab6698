#include "matrix_checks.h"

#include "check_failure.h"
#include "json_access.h"
#include "json_document.h"

namespace {

rapidjson::SizeType length(const rapidjson::Value* value)
{
    return value != nullptr && value->IsArray() ? value->Size() : 0;
}

bool rows_have_length(const rapidjson::Value* matrix, rapidjson::SizeType n)
{
    for (rapidjson::SizeType i = 0; i < length(matrix); ++i) {
        if (length(&(*matrix)[i]) != n) {
            return false;
        }
    }
    return true;
}

std::string client_id(const rapidjson::Value& clients, rapidjson::SizeType i)
{
    std::string s_id;
    const rapidjson::Value* client = find_element(clients, i);
    if (client != nullptr) {
        read_string_member(*client, "id", s_id);
    }
    return s_id;
}

}  // namespace

bool check_matrices(rapidjson::Document& document, std::string s_distance_matrix_api,
                    std::string s_google_api_key)
{
    const rapidjson::Value* data = input_part(document, "data");
    const bool has_times = data && find_member(*data, "Mtij") != nullptr;
    const bool has_distances = data && find_member(*data, "Mdij") != nullptr;
    if (!has_times || !has_distances) {
        return record_failure(document, "missing_matrix",
                              "if passed, both matrices are required, you may pass none instead");
    }
    return check_matrix_dimensions(document) && check_empty_distances(document);
}

bool check_matrix_dimensions(rapidjson::Document& document)
{
    const rapidjson::Value* data = input_part(document, "data");
    const rapidjson::Value* times = data ? find_member(*data, "Mtij") : nullptr;
    const rapidjson::Value* distances = data ? find_member(*data, "Mdij") : nullptr;
    const rapidjson::SizeType n = data ? length(find_member(*data, "clients")) : 0;
    const char* k_code = "missing_matrix_values";
    if (length(times) != n || length(distances) != n) {
        return record_failure(document, k_code, "matrix row number differs from clients number");
    }
    if (!rows_have_length(times, n)) {
        return record_failure(document, k_code,
                              "matrix Mtij column number differs from clients number");
    }
    if (!rows_have_length(distances, n)) {
        return record_failure(document, k_code,
                              "matrix Mdij column number differs from clients number");
    }
    return true;
}

bool check_empty_distances(rapidjson::Document& document)
{
    const rapidjson::Value* data = input_part(document, "data");
    const rapidjson::Value* clients = data ? find_member(*data, "clients") : nullptr;
    const rapidjson::Value* times = data ? find_member(*data, "Mtij") : nullptr;
    if (clients == nullptr) {
        return true;
    }
    for (rapidjson::SizeType i = 0; i < length(times); ++i) {
        for (rapidjson::SizeType j = 0; j < length(&(*times)[i]); ++j) {
            if ((*times)[i][j].IsNull()) {
                return record_failure(document, "csv_client_database",
                                      "distance/time between clients " + client_id(*clients, i) +
                                          " and " + client_id(*clients, j) +
                                          " is empty, check addresses and lat/long");
            }
        }
    }
    return true;
}

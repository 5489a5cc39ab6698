#include "instance_check.h"

#include "instance_reader.h"
#include "json_access.h"
#include "matrix_document.h"
#include "output_writer.h"

namespace {

const rapidjson::Value* find_data_member(rapidjson::Document& document, const char* name)
{
    rapidjson::Value* data = find_input_data(document);
    return data ? find_member(*data, name) : nullptr;
}

rapidjson::SizeType row_count(const rapidjson::Value* matrix)
{
    return matrix != nullptr && matrix->IsArray() ? matrix->Size() : 0;
}

// Every row an array of n entries.
bool every_row_has(const rapidjson::Value& matrix, rapidjson::SizeType n)
{
    for (const rapidjson::Value& row : matrix.GetArray()) {
        if (!row.IsArray() || row.Size() != n) {
            return false;
        }
    }
    return true;
}

void record_size_fault(rapidjson::Document& document, const std::string& s_message)
{
    add_error_record(document, "missing_matrix_values", s_message);
}

std::string client_id(rapidjson::Document& document, rapidjson::SizeType i)
{
    const rapidjson::Value* clients = find_data_member(document, "clients");
    const rapidjson::Value* client = clients ? find_element(*clients, i) : nullptr;
    std::string s_id;
    if (client != nullptr) {
        read_string_member(*client, "id", s_id);
    }
    return s_id;
}

// Records the first entry the instance reader would refuse (a leg that is no number, or
// one below 0 or above 2147483647); on the diagonal, which the reader never reads, only
// an entry that is no number. False when one is found.
bool scan_for_empty_entry(rapidjson::Document& document, const char* name)
{
    const rapidjson::Value* matrix = find_data_member(document, name);
    const rapidjson::SizeType rows = row_count(matrix);
    for (rapidjson::SizeType i = 0; i < rows; ++i) {
        const rapidjson::Value& row = (*matrix)[i];
        const rapidjson::SizeType columns = row.IsArray() ? row.Size() : 0;
        for (rapidjson::SizeType j = 0; j < columns; ++j) {
            if (i == j ? !is_finite_number(row[j]) : !is_leg(row[j])) {
                add_error_record(document, "csv_client_database",
                                 "distance/time between clients " + client_id(document, i) +
                                     " and " + client_id(document, j) +
                                     " is empty, check addresses and lat/long");
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool check_matrix_dimensions(rapidjson::Document& document)
{
    const rapidjson::SizeType n = row_count(find_data_member(document, "clients"));
    const rapidjson::Value* mtij = find_data_member(document, "Mtij");
    const rapidjson::Value* mdij = find_data_member(document, "Mdij");
    if (mtij == nullptr || mdij == nullptr || !mtij->IsArray() || !mdij->IsArray() ||
        mtij->Size() != n || mdij->Size() != n) {
        record_size_fault(document, "matrix row number differs from clients number");
        return false;
    }
    if (!every_row_has(*mtij, n)) {
        record_size_fault(document, "matrix Mtij column number differs from clients number");
        return false;
    }
    if (!every_row_has(*mdij, n)) {
        record_size_fault(document, "matrix Mdij column number differs from clients number");
        return false;
    }
    return true;
}

bool check_empty_distances(rapidjson::Document& document)
{
    // The solver reads both matrices, so both are scanned.
    return scan_for_empty_entry(document, "Mtij") && scan_for_empty_entry(document, "Mdij");
}

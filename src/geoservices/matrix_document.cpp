#include "matrix_document.h"

#include "json_access.h"
#include "json_document.h"
#include "output_writer.h"
#include "text_table.h"
#include "url_encoding.h"

namespace {

const rapidjson::Value* find_clients(const rapidjson::Document& document)
{
    const rapidjson::Value* input = find_member(document, "input");
    const rapidjson::Value* data = input ? find_member(*input, "data") : nullptr;
    const rapidjson::Value* clients = data ? find_member(*data, "clients") : nullptr;
    return clients != nullptr && clients->IsArray() ? clients : nullptr;
}

}  // namespace

rapidjson::Value* find_input_data(rapidjson::Document& document)
{
    rapidjson::Value* input = find_member(document, "input");
    rapidjson::Value* data = input ? find_member(*input, "data") : nullptr;
    return data != nullptr && data->IsObject() ? data : nullptr;
}

bool require_input_data(rapidjson::Document& document)
{
    if (find_input_data(document) != nullptr) {
        return true;
    }
    add_error_record(document, "missing_json_field", "missing 'data' field");
    return false;
}

uint32_t client_count(const rapidjson::Document& document)
{
    const rapidjson::Value* clients = find_clients(document);
    return clients != nullptr ? clients->Size() : 0;
}

std::string client_coordinate(const rapidjson::Document& document, uint32_t i,
                              const char* name)
{
    const rapidjson::Value* clients = find_clients(document);
    const rapidjson::Value* client = clients ? find_element(*clients, i) : nullptr;
    std::string s_text;
    if (client != nullptr) {
        read_string_member(*client, name, s_text);
    }
    // The coordinate checks accept a decimal comma; the services read "1%2C0" as no
    // number, so it goes as a point.
    return url_encode(replace_all(s_text, ",", "."), BlankEncoding::percent);
}

void append_matrices(rapidjson::Document& document, rapidjson::Value& mtij,
                     rapidjson::Value& mdij)
{
    rapidjson::Value* data = find_input_data(document);
    if (data == nullptr) {
        return;  // the collectors test input.data before their first request
    }
    auto& allocator = document.GetAllocator();
    data->AddMember("Mtij", mtij, allocator);
    data->AddMember("Mdij", mdij, allocator);
}

void append_matrices_from_answers(rapidjson::Document& document,
                                  const std::vector<std::string>& v_answers,
                                  MatrixRowCopier copy_rows)
{
    auto& allocator = document.GetAllocator();
    rapidjson::Value mtij(rapidjson::kArrayType);
    rapidjson::Value mdij(rapidjson::kArrayType);
    for (const std::string& s_answer : v_answers) {
        copy_rows(string_to_json(s_answer), mtij, mdij, allocator);
    }
    append_matrices(document, mtij, mdij);
}

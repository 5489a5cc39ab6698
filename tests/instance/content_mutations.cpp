// Well-typed changes a planner could make, and damaged texts.

#include "document_mutations.h"

#include <rapidjson/pointer.h>

namespace mutation {

namespace {

using rapidjson::SizeType;
using rapidjson::Value;

Value* element(rapidjson::Document& document, const char* s_pointer, int k)
{
    Value* array = value_at(document, s_pointer);
    if (array == nullptr || !array->IsArray() || array->Empty()) {
        return nullptr;
    }
    return &(*array)[static_cast<SizeType>(k) % array->Size()];
}

int largest_capacity(rapidjson::Document& document)
{
    int largest = 0;
    Value* containers = value_at(document, "/input/data/containers");
    if (containers != nullptr && containers->IsArray()) {
        for (Value& container : containers->GetArray()) {
            const Value* dim = rapidjson::Pointer("/container_dim").Get(container);
            if (dim != nullptr && dim->IsInt() && dim->GetInt() > largest) {
                largest = dim->GetInt();
            }
        }
    }
    return largest;
}

void for_each_container(rapidjson::Document& document, const char* s_name, int value)
{
    Value* containers = value_at(document, "/input/data/containers");
    if (containers != nullptr && containers->IsArray()) {
        for (Value& container : containers->GetArray()) {
            set_member(&container, s_name, Value(value), document);
        }
    }
}

void keep_depot_only(rapidjson::Document& document)
{
    Value* clients = value_at(document, "/input/data/clients");
    if (clients != nullptr && clients->IsArray()) {
        while (clients->Size() > 1) {
            clients->PopBack();
        }
    }
    for (const char* s_pointer : {"/input/data/Mdij", "/input/data/Mtij"}) {
        Value* matrix = value_at(document, s_pointer);
        if (matrix != nullptr) {
            rapidjson::Document one(&document.GetAllocator());
            one.Parse("[[0]]");
            *matrix = Value(one, document.GetAllocator());
        }
    }
}

void set_matrix_entry(rapidjson::Document& document, std::mt19937& rng, Value value)
{
    const char* s_matrix = draw(rng, 2) == 0 ? "/input/data/Mdij" : "/input/data/Mtij";
    Value* row = element(document, s_matrix, draw(rng, 64));
    if (row != nullptr && row->IsArray() && !row->Empty()) {
        (*row)[static_cast<SizeType>(draw(rng, static_cast<int>(row->Size())))] = value;
    }
}

void change_client(rapidjson::Document& document, std::mt19937& rng)
{
    Value* client = element(document, "/input/data/clients", draw(rng, 64));
    const int late = 2147483647;
    const char* const k_coordinates[] = {"NaN", "91", "-25,4", "", "1e400", " -25.4x"};
    switch (draw(rng, 8)) {
    case 0:
        set_member(client, "demand", Value(largest_capacity(document) + 1), document);
        break;
    case 1:
        set_member(client, "early_tw", Value(-100), document);
        set_member(client, "late_tw", Value(-10), document);
        break;
    case 2:
        set_member(client, "early_tw", Value(900), document);
        set_member(client, "late_tw", Value(100), document);  // late before early
        break;
    case 3:
        set_member(client, "service_time", Value(late), document);
        set_member(client, "late_tw", Value(late), document);
        set_member(client, "early_tw", Value(late - 1), document);
        break;
    case 4:
        set_member(client, "demand", Value(draw(rng, 2) == 0 ? -5 : late), document);
        break;
    case 5:
        set_member(client, draw(rng, 2) == 0 ? "lat" : "long",
                   Value(rapidjson::StringRef(k_coordinates[draw(rng, 6)])), document);
        break;
    case 6:
        if (client != nullptr && client->IsObject()) {
            client->RemoveMember("long");  // one coordinate without the other
        }
        break;
    default:
        set_member(client, "id", Value(R"(quote" semicolon; tab	é)", document.GetAllocator()),
                   document);
        break;
    }
}

void change_fleet(rapidjson::Document& document, std::mt19937& rng)
{
    Value* container = element(document, "/input/data/containers", draw(rng, 8));
    switch (draw(rng, 5)) {
    case 0:
        for_each_container(document, "container_qt", 0);  // no vehicles at all
        break;
    case 1:
        set_member(container, "container_dim", Value(0), document);
        break;
    case 2:
        for_each_container(document, "container_fixed_cost", 2147483647);
        for_each_container(document, "container_var_cost", 2147483647);
        break;
    case 3:
        set_member(container, "container_qt", Value(2147483647), document);
        break;
    default:
        set_member(container, "container_id", Value(rapidjson::StringRef("DUMMY")), document);
        break;
    }
}

void change_matrices(rapidjson::Document& document, std::mt19937& rng)
{
    switch (draw(rng, 4)) {
    case 0:
        set_matrix_entry(document, rng,
                         Value(rapidjson::StringRef(draw(rng, 2) == 0 ? "NaN" : "Infinity")));
        break;
    case 1:
        set_matrix_entry(document, rng, Value(draw(rng, 2) == 0 ? 1e300 : -1e300));
        break;
    case 2:
        set_matrix_entry(document, rng, Value(-5));
        break;
    default:
        keep_depot_only(document);
        break;
    }
}

void change_problem(rapidjson::Document& document, std::mt19937& rng)
{
    Value* meta_info = value_at(document, "/input/meta_info");
    const char* const k_types[] = {"OVRPTW", "ovrptw", "VRPTW ", "CVRP"};
    set_member(meta_info, "prob_type", Value(rapidjson::StringRef(k_types[draw(rng, 4)])),
               document);
}

}  // namespace

void mutate_content(rapidjson::Document& document, std::mt19937& rng)
{
    switch (draw(rng, 4)) {
    case 0:
        change_client(document, rng);
        break;
    case 1:
        change_fleet(document, rng);
        break;
    case 2:
        change_matrices(document, rng);
        break;
    default:
        change_problem(document, rng);
        break;
    }
}

std::string mutate_text(const std::string& s_text, std::mt19937& rng)
{
    const char* const k_invalid_utf8[] = {"\xFF", "\xC3", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                          "\xC0\xAF", "\x80"};
    const char k_punctuation[] = "{}[],:\"\\ 0-.eE\t\r\n";
    std::string s_result = s_text;
    const size_t size = s_result.size();
    const size_t at_byte = size == 0 ? 0 : static_cast<size_t>(draw(rng, static_cast<int>(size)));
    switch (draw(rng, 9)) {
    case 0:
        return s_result.substr(0, at_byte);
    case 1:
        return s_result.erase(at_byte, static_cast<size_t>(1 + draw(rng, 40)));
    case 2:
        if (size > 0) {
            s_result[at_byte] = static_cast<char>(draw(rng, 256));
        }
        return s_result;
    case 3: {
        // Invalid UTF-8 right inside a string value.
        const size_t quote = s_result.find('"', at_byte);
        return s_result.insert(quote == std::string::npos ? at_byte : quote + 1,
                               k_invalid_utf8[draw(rng, 6)]);
    }
    case 4:
        return s_result.insert(at_byte, 1, k_punctuation[draw(rng, sizeof(k_punctuation) - 1)]);
    case 5:
        return "\xEF\xBB\xBF" + s_result;
    case 6:
        return s_result + (draw(rng, 2) == 0 ? std::string("x") : std::string(1, '\0') + "{}");
    case 7: {
        const int depth = draw(rng, 2) == 0 ? 1000 : 200000;
        return std::string(static_cast<size_t>(depth), '[') + s_result +
               std::string(static_cast<size_t>(draw(rng, 2) * depth), ']');
    }
    default: {
        const size_t digit = s_result.find_first_of("0123456789", at_byte);
        const char* s_literal = draw(rng, 2) == 0 ? "NaN" : "-Infinity";
        return digit == std::string::npos ? s_result : s_result.replace(digit, 1, s_literal);
    }
    }
}


}  // namespace mutation

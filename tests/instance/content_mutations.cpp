// Well-typed changes a planner could make, and damaged texts.

#include "document_mutations.h"

#include <rapidjson/pointer.h>

namespace mutation {

namespace {

using rapidjson::SizeType;
using rapidjson::Value;

const int k_int_max = 2147483647;

Value* element(rapidjson::Document& document, const char* s_pointer, int k)
{
    Value* array = value_at(document, s_pointer);
    if (array == nullptr || !array->IsArray() || array->Empty()) {
        return nullptr;
    }
    return &(*array)[static_cast<SizeType>(k) % array->Size()];
}

// Calls visit on every container of the document.
template <typename Visit>
void for_each_container(rapidjson::Document& document, Visit visit)
{
    Value* containers = value_at(document, "/input/data/containers");
    for (SizeType i = 0; containers != nullptr && containers->IsArray() && i < containers->Size();
         ++i) {
        visit((*containers)[i]);
    }
}

int largest_capacity(rapidjson::Document& document)
{
    int largest = 0;
    for_each_container(document, [&largest](Value& container) {
        const Value* dim = rapidjson::Pointer("/container_dim").Get(container);
        largest = dim != nullptr && dim->IsInt() && dim->GetInt() > largest ? dim->GetInt()
                                                                            : largest;
    });
    return largest;
}

void set_in_every_container(rapidjson::Document& document, const char* s_name, int value)
{
    for_each_container(document, [&](Value& container) {
        set_member(&container, s_name, Value(value), document);
    });
}

void keep_depot_only(rapidjson::Document& document)
{
    Value* clients = value_at(document, "/input/data/clients");
    while (clients != nullptr && clients->IsArray() && clients->Size() > 1) {
        clients->PopBack();
    }
    for (const char* s_pointer : {"/input/data/Mdij", "/input/data/Mtij"}) {
        if (Value* matrix = value_at(document, s_pointer)) {
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

void set_members(Value* object, std::initializer_list<std::pair<const char*, int>> members,
                 rapidjson::Document& document)
{
    for (const auto& [s_name, value] : members) {
        set_member(object, s_name, Value(value), document);
    }
}

void change_client(rapidjson::Document& document, std::mt19937& rng)
{
    Value* client = element(document, "/input/data/clients", draw(rng, 64));
    const char* const k_coordinates[] = {"NaN", "91", "-25,4", "", "1e400", " -25.4x"};
    switch (draw(rng, 8)) {
    case 0:
        set_members(client, {{"demand", largest_capacity(document) + 1}}, document);
        break;
    case 1:
        set_members(client, {{"early_tw", -100}, {"late_tw", -10}}, document);
        break;
    case 2:  // late before early
        set_members(client, {{"early_tw", 900}, {"late_tw", 100}}, document);
        break;
    case 3:
        set_members(client, {{"service_time", k_int_max}, {"late_tw", k_int_max},
                             {"early_tw", k_int_max - 1}}, document);
        break;
    case 4:
        set_members(client, {{"demand", draw(rng, 2) == 0 ? -5 : k_int_max}}, document);
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
        set_in_every_container(document, "container_qt", 0);  // no vehicles at all
        break;
    case 1:
        set_members(container, {{"container_dim", 0}}, document);
        break;
    case 2:
        set_in_every_container(document, "container_fixed_cost", k_int_max);
        set_in_every_container(document, "container_var_cost", k_int_max);
        break;
    case 3:
        set_members(container, {{"container_qt", k_int_max}}, document);
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
    const char* const k_types[] = {"OVRPTW", "ovrptw", "VRPTW ", "CVRP"};
    set_member(value_at(document, "/input/meta_info"), "prob_type",
               Value(rapidjson::StringRef(k_types[draw(rng, 4)])), document);
}

}  // namespace

void mutate_content(rapidjson::Document& document, std::mt19937& rng)
{
    void (*const k_changes[])(rapidjson::Document&, std::mt19937&) = {
        change_client, change_fleet, change_matrices, change_problem};
    k_changes[draw(rng, 4)](document, rng);
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
    case 3: {  // invalid UTF-8 right inside a string value
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

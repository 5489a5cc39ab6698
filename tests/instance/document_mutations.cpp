#include "test_environment.h"
#include "document_mutations.h"

#include "json_document.h"

#include <rapidjson/pointer.h>

#include <cstdlib>
#include <vector>

namespace mutation {

namespace {

using rapidjson::SizeType;
using rapidjson::Value;

// Values of every kind, at and beyond the limits a reader has to respect.
const char* const k_replacements[] = {
    "null", "true", "0", "-1", "7", "7.0", "0.5", "-0.0", "1e2", "2147483647", "2147483648",
    "-2147483648", "-2147483649", "9223372036854775807", "18446744073709551615", "1e308",
    "-1e308", "4.9e-324", R"("7")", R"("")", R"("NaN")", R"("Infinity")", R"("-inf")",
    R"("abc")", R"("\u0000")", "[]", "[1]", "[[0]]", "{}", R"({"a":1})"};

struct Node {
    Value* value;
    Value* parent;  // nullptr for the root
    SizeType position;
    bool matrix_entry;
};

bool is_matrix_name(const Value& name)
{
    const std::string s_name(name.GetString(), name.GetStringLength());
    return s_name == "Mdij" || s_name == "Mtij";
}

// matrix_level: 1 for a matrix, 2 for its rows, 3 for their entries.
void collect(Value& value, Value* parent, SizeType position, int matrix_level,
             std::vector<Node>& v_nodes)
{
    v_nodes.push_back(Node{&value, parent, position, matrix_level >= 3});
    const int inner_level = matrix_level > 0 ? matrix_level + 1 : 0;
    if (value.IsArray()) {
        for (SizeType i = 0; i < value.Size(); ++i) {
            collect(value[i], &value, i, inner_level, v_nodes);
        }
    } else if (value.IsObject()) {
        SizeType i = 0;
        for (auto& member : value.GetObject()) {
            collect(member.value, &value, i++, is_matrix_name(member.name) ? 1 : inner_level,
                    v_nodes);
        }
    }
}

// Matrix entries outnumber everything else; half of the draws skip them.
Node pick_node(rapidjson::Document& document, std::mt19937& rng)
{
    std::vector<Node> v_nodes;
    collect(document, nullptr, 0, 0, v_nodes);
    if (draw(rng, 2) == 0) {
        std::vector<Node> v_structure;
        for (const Node& node : v_nodes) {
            if (!node.matrix_entry) {
                v_structure.push_back(node);
            }
        }
        v_nodes.swap(v_structure);
    }
    return v_nodes[static_cast<size_t>(draw(rng, static_cast<int>(v_nodes.size())))];
}

Value replacement(rapidjson::Document& document, std::mt19937& rng)
{
    const int count = static_cast<int>(sizeof(k_replacements) / sizeof(k_replacements[0]));
    rapidjson::Document parsed(&document.GetAllocator());
    parsed.Parse(k_replacements[draw(rng, count)]);
    return Value(parsed, document.GetAllocator());
}

void remove_node(const Node& node)
{
    if (node.parent == nullptr) {
        node.value->SetNull();
    } else if (node.parent->IsArray()) {
        node.parent->Erase(node.parent->Begin() + node.position);
    } else {
        node.parent->EraseMember(node.parent->MemberBegin() + node.position);
    }
}

// The object rebuilt with a copy of one member, holding another value, in front.
void shadow_member(Value& object, rapidjson::Document& document, std::mt19937& rng)
{
    auto& allocator = document.GetAllocator();
    const auto chosen = object.MemberBegin() + draw(rng, static_cast<int>(object.MemberCount()));
    Value rebuilt(rapidjson::kObjectType);
    rebuilt.AddMember(Value(chosen->name, allocator), replacement(document, rng), allocator);
    for (auto& member : object.GetObject()) {
        rebuilt.AddMember(member.name, member.value, allocator);
    }
    object = rebuilt;
}

void change_array(Value& array, rapidjson::Document& document, std::mt19937& rng)
{
    auto& allocator = document.GetAllocator();
    const int choice = draw(rng, 3);
    if (choice == 0 && !array.Empty()) {
        array.PopBack();  // a short row
    } else if (choice == 1) {
        Value extra = array.Empty() ? replacement(document, rng)
                                    : Value(array[array.Size() - 1], allocator);
        array.PushBack(extra, allocator);  // a long row
    } else {
        array.Clear();
    }
}

void change_node(const Node& node, rapidjson::Document& document, std::mt19937& rng)
{
    Value& value = *node.value;
    switch (draw(rng, 5)) {
    case 0:
        remove_node(node);
        return;
    case 1:
        if (value.IsNumber()) {
            value.SetDouble(value.GetDouble());  // 7 becomes 7.0
            return;
        }
        break;
    case 2:
        if (value.IsArray()) {
            change_array(value, document, rng);
            return;
        }
        if (value.IsObject() && !value.ObjectEmpty()) {
            shadow_member(value, document, rng);
            return;
        }
        break;
    default:
        break;
    }
    value = replacement(document, rng);
}

}  // namespace

Value* value_at(rapidjson::Document& document, const char* s_pointer)
{
    return rapidjson::Pointer(s_pointer).Get(document);
}


void set_member(Value* object, const char* s_name, Value value, rapidjson::Document& document)
{
    if (object == nullptr || !object->IsObject()) {
        return;
    }
    const auto found = object->FindMember(s_name);
    if (found != object->MemberEnd()) {
        found->value = value;
    } else {
        object->AddMember(Value(s_name, document.GetAllocator()), value,
                          document.GetAllocator());
    }
}

int draw(std::mt19937& rng, int n)
{
    return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}

rapidjson::Document load_test_document(const std::string& s_name)
{
    return load_json_file(test_data_dir() + "/" + s_name);
}

rapidjson::Document small_instance(std::mt19937& rng, int n_clients)
{
    std::string s_clients;
    std::string s_times;
    std::string s_distances;
    const int n = n_clients + 1;
    for (int c = 0; c < n; ++c) {
        const int early = c == 0 ? 0 : draw(rng, 400);
        s_clients += std::string(c == 0 ? "" : ",") + R"({"id":"c)" + std::to_string(c) +
                     R"(","lat":"-25.4","long":"-49.2","early_tw":)" + std::to_string(early) +
                     R"(,"late_tw":)" + std::to_string(c == 0 ? 5000 : early + draw(rng, 300)) +
                     R"(,"service_time":)" + std::to_string(c == 0 ? 0 : draw(rng, 30)) +
                     R"(,"demand":)" + std::to_string(c == 0 ? 0 : draw(rng, 40)) + "}";
        s_times += c == 0 ? "[" : ",[";
        s_distances += c == 0 ? "[" : ",[";
        for (int j = 0; j < n; ++j) {
            s_times += (j == 0 ? "" : ",") + std::to_string(c == j ? 0 : 1 + draw(rng, 90));
            s_distances += (j == 0 ? "" : ",") + std::to_string(c == j ? 0 : 1 + draw(rng, 90));
        }
        s_times += "]";
        s_distances += "]";
    }
    const std::string s_fleet =
        draw(rng, 2) == 0
            ? R"([{"container_id":"van","container_qt":2,"container_dim":60,)"
              R"("container_fixed_cost":10,"container_var_cost":1}])"
            : R"([{"container_id":"van","container_qt":1,"container_dim":40,)"
              R"("container_fixed_cost":10,"container_var_cost":1},)"
              R"({"container_id":"truck","container_qt":9,"container_dim":120,)"
              R"("container_fixed_cost":50,"container_var_cost":2}])";
    return string_to_json(R"({"input":{"data":{"clients":[)" + s_clients +
                          R"(],"containers":)" + s_fleet + R"(,"Mdij":[)" + s_distances +
                          R"(],"Mtij":[)" + s_times +
                          R"(]},"meta_info":{"prob_type":"VRPTW","max_time":0.02}}})");
}

void mutate_structure(rapidjson::Document& document, std::mt19937& rng)
{
    if (draw(rng, 40) == 0) {
        Value root = replacement(document, rng);
        Value& document_root = document;
        document_root.Swap(root);  // an array, a text, a number... instead of an object
        return;
    }
    change_node(pick_node(document, rng), document, rng);
}

rapidjson::Document mutant(const Value& source, std::mt19937& rng, int max_changes)
{
    rapidjson::Document document;
    document.CopyFrom(source, document.GetAllocator());
    const int changes = 1 + draw(rng, max_changes);
    for (int i = 0; i < changes; ++i) {
        if (draw(rng, 2) == 0) {
            mutate_structure(document, rng);
        } else {
            mutate_content(document, rng);
        }
    }
    return document;
}

void set_max_time(rapidjson::Document& document, double seconds)
{
    set_member(value_at(document, "/input/meta_info"), "max_time", Value(seconds), document);
}

int output_members(const Value& document)
{
    int count = 0;
    if (document.IsObject()) {
        for (const auto& member : document.GetObject()) {
            count += std::string(member.name.GetString()) == "output" ? 1 : 0;
        }
    }
    return count;
}

bool output_is_last(const Value& document)
{
    return document.IsObject() && document.MemberCount() > 0 &&
           std::string((document.MemberEnd() - 1)->name.GetString()) == "output";
}

std::string error_code(const Value& document)
{
    const Value* code = rapidjson::Pointer("/output/meta_info/error").Get(document);
    return code != nullptr && code->IsString() ? code->GetString() : std::string();
}

}  // namespace mutation

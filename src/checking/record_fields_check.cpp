// Containers and clients: every element of the two arrays, member by member.

#include "check_failure.h"
#include "full_instance_check.h"
#include "json_access.h"

#include <vector>

namespace {

enum class FieldKind {
    text,  // a string
    count  // a whole number of 32 bits (no fraction, no exponent), at least 0
};

struct Field {
    const char* s_name;
    FieldKind kind;
};

struct Fault {
    const char* s_code;
    const char* s_message;
};

// How one array of records is checked and what each fault records.
struct RecordRules {
    const char* s_array;
    std::vector<Field> v_fields;       // presence tested in this order
    Fault absent_array;
    Fault not_array;
    Fault missing_field;
    Fault invalid_field;
};

const RecordRules k_containers{
    "containers",
    {{"container_id", FieldKind::text},
     {"container_qt", FieldKind::count},
     {"container_dim", FieldKind::count},
     {"container_fixed_cost", FieldKind::count},
     {"container_var_cost", FieldKind::count}},
    {"missing_json_field", "missing 'containers' field"},
    {"invalid_field", "'containers' is not in array format"},
    {"missing_field", "missing some 'container' field"},
    {"invalid_field", "invalid container field"}};

const RecordRules k_clients{
    "clients",
    {{"early_tw", FieldKind::count},
     {"late_tw", FieldKind::count},
     {"service_time", FieldKind::count},
     {"demand", FieldKind::count},
     {"id", FieldKind::text}},
    {"missing_field", "missing 'clients' field"},
    {"invalid_field", "'clients' is not in array format"},
    {"missing_field", "missing some 'client' field"},
    {"invalid_field", "invalid clients field"}};

bool is_valid(const rapidjson::Value& value, FieldKind kind)
{
    return kind == FieldKind::text ? value.IsString() : value.IsInt() && value.GetInt() >= 0;
}

bool has_all_fields(const rapidjson::Value& record, const RecordRules& rules)
{
    for (const Field& field : rules.v_fields) {
        if (find_member(record, field.s_name) == nullptr) {
            return false;
        }
    }
    return true;
}

bool has_valid_fields(const rapidjson::Value& record, const RecordRules& rules)
{
    for (const Field& field : rules.v_fields) {
        if (!is_valid(*find_member(record, field.s_name), field.kind)) {
            return false;
        }
    }
    return true;
}

bool fail(rapidjson::Document& document, const Fault& fault)
{
    return record_failure(document, fault.s_code, fault.s_message);
}

// Each record in order: first whether its members are all there, then their values.
bool check_records(rapidjson::Document& document, const RecordRules& rules)
{
    const rapidjson::Value* data = input_part(document, "data");
    const rapidjson::Value* records = data ? find_member(*data, rules.s_array) : nullptr;
    if (records == nullptr) {
        return fail(document, rules.absent_array);
    }
    if (!records->IsArray()) {
        return fail(document, rules.not_array);
    }
    for (const rapidjson::Value& record : records->GetArray()) {
        if (!has_all_fields(record, rules)) {
            return fail(document, rules.missing_field);
        }
        if (!has_valid_fields(record, rules)) {
            return fail(document, rules.invalid_field);
        }
    }
    return true;
}

}  // namespace

bool check_containers(rapidjson::Document& document)
{
    return check_records(document, k_containers);
}

bool check_clients(rapidjson::Document& document)
{
    return check_records(document, k_clients);
}

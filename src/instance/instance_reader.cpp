#include "instance_reader.h"

#include "json_access.h"

#include <algorithm>
#include <iostream>

namespace {

using rapidjson::SizeType;
using rapidjson::Value;

// The solver never travels from a client to itself.
constexpr double k_diagonal = 2147483647.0;
constexpr double k_default_max_time = 10.0;

std::string member_path(const std::string& s_path, const char* s_name)
{
    return s_path.empty() ? std::string(s_name) : s_path + "." + s_name;
}

std::string element_path(const std::string& s_path, size_t index)
{
    return s_path + "[" + std::to_string(index) + "]";
}

void zero_return_legs(std::deque<std::deque<double>>& matrix)
{
    for (size_t i = 1; i < matrix.size(); ++i) {
        matrix[i][0] = 0.0;
    }
}

}  // namespace

// No leg is negative or longer than the diagonal's value; such entries only make the
// solver's sums cancel or overflow.
bool is_leg(const Value& entry)
{
    return entry.IsNumber() && entry.GetDouble() >= 0.0 && entry.GetDouble() <= k_diagonal;
}

InstanceReader::InstanceReader(Instance* instance_to_fill, int no_read, const Value& document)
    : instance(instance_to_fill)
{
    read(no_read, document);
}

void InstanceReader::read(int no_read, const Value& document)
{
    if (no_read == 0) {
        read_input(document);
    }
}

bool InstanceReader::read_input(const Value& document)
{
    has_failed = false;
    s_error_message.clear();
    if (instance == nullptr) {
        has_failed = true;
        s_error_message = "no instance to read into";
        return false;
    }
    return read_distance_matrix(document) && read_time_matrix(document) &&
           read_clients(document) && matrices_cover_clients() && read_containers(document) &&
           adjust_open_routes(document) && read_max_time(document);
}

bool InstanceReader::read_distance_matrix(const Value& document)
{
    return read_matrix(document, "Mdij", instance->Mdij);
}

bool InstanceReader::read_time_matrix(const Value& document)
{
    return read_matrix(document, "Mtij", instance->Mtij);
}

bool InstanceReader::read_clients(const Value& document)
{
    return read_records(document, "clients", instance->clients, &InstanceReader::read_client);
}

bool InstanceReader::read_containers(const Value& document)
{
    return read_records(document, "containers", instance->containers,
                        &InstanceReader::read_container);
}

bool InstanceReader::adjust_open_routes(const Value& document)
{
    const Value* meta_info = input_object(document, "meta_info");
    std::string s_prob_type;
    if (meta_info == nullptr ||
        !read_string(*meta_info, "prob_type", "input.meta_info", s_prob_type)) {
        return false;
    }
    instance->v_given_return_distance.clear();
    if (s_prob_type == "OVRPTW") {
        for (const auto& row : instance->Mdij) {
            instance->v_given_return_distance.push_back(row.empty() ? 0.0 : row[0]);
        }
        zero_return_legs(instance->Mtij);
        zero_return_legs(instance->Mdij);
    }
    return true;
}

void InstanceReader::is_triangular_json(const Value& document) const
{
    const Value* input = find_member(document, "input");
    const Value* data = input == nullptr ? nullptr : find_member(*input, "data");
    const Value* rows = data == nullptr ? nullptr : find_member(*data, "Mdij");
    const size_t n = rows != nullptr && rows->IsArray()
                         ? std::min<size_t>(rows->Size(), instance->Mdij.size())
                         : 0;
    const auto& d = instance->Mdij;
    for (size_t a = 0; a < n; ++a) {
        for (size_t b = 0; b < n; ++b) {
            for (size_t c = 0; c < n; ++c) {
                if (a != b && b != c && a != c && d[a][b] + d[b][c] < d[a][c]) {
                    std::cout << "triangular \n";
                }
            }
        }
    }
}

bool InstanceReader::fail(const std::string& s_path)
{
    if (!has_failed) {
        has_failed = true;
        s_error_message = "missing or invalid '" + s_path + "' field";
    }
    return false;
}

const Value* InstanceReader::member(const Value& object, const char* s_name,
                                    const std::string& s_path, TypeTest is_type)
{
    const Value* value = find_member(object, s_name);
    if (value == nullptr || !(value->*is_type)()) {
        fail(member_path(s_path, s_name));
        return nullptr;
    }
    return value;
}

const Value* InstanceReader::input_object(const Value& document, const char* s_name)
{
    const Value* input = member(document, "input", "", &Value::IsObject);
    return input == nullptr ? nullptr : member(*input, s_name, "input", &Value::IsObject);
}

const Value* InstanceReader::data_array(const Value& document, const char* s_name)
{
    const Value* data = input_object(document, "data");
    return data == nullptr ? nullptr : member(*data, s_name, "input.data", &Value::IsArray);
}

// RapidJSON flags a number as Int only when it was written without fraction or
// exponent and fits in 32 signed bits (a double never carries the flag), which is
// what the document means by an integer: 7 qualifies, 7.0 does not.
bool InstanceReader::read_int(const Value& object, const char* s_name, const std::string& s_path,
                              int& value)
{
    const Value* found = member(object, s_name, s_path, &Value::IsInt);
    if (found != nullptr) {
        value = found->GetInt();
    }
    return found != nullptr;
}

// The solver adds demands up against capacities and counts vehicles down from their
// quantity; a negative one lets a route overflow once its client leaves, or the count wrap.
bool InstanceReader::read_count(const Value& object, const char* s_name,
                                const std::string& s_path, int& value)
{
    return read_int(object, s_name, s_path, value) &&
           (value >= 0 || fail(member_path(s_path, s_name)));
}

bool InstanceReader::read_string(const Value& object, const char* s_name,
                                 const std::string& s_path, std::string& s_value)
{
    const Value* found = member(object, s_name, s_path, &Value::IsString);
    if (found != nullptr) {
        s_value.assign(found->GetString(), found->GetStringLength());
    }
    return found != nullptr;
}

bool InstanceReader::read_matrix(const Value& document, const char* s_name, Matrix& matrix)
{
    const Value* rows = data_array(document, s_name);
    // The shape is checked before the m x m matrix is allocated.
    if (rows == nullptr || !check_matrix(*rows, member_path("input.data", s_name))) {
        return false;
    }
    const SizeType m = rows->Size();
    matrix.assign(m, std::deque<double>(m, 0.0));
    for (SizeType i = 0; i < m; ++i) {
        for (SizeType j = 0; j < m; ++j) {
            matrix[i][j] = i == j ? k_diagonal : (*rows)[i][j].GetDouble();
        }
    }
    return true;
}

// Every row holds at least m entries, legs off the diagonal; the diagonal
// is never looked at and entries past column m - 1 are ignored.
bool InstanceReader::check_matrix(const Value& rows, const std::string& s_path)
{
    const SizeType m = rows.Size();
    for (SizeType i = 0; i < m; ++i) {
        const Value& row = rows[i];
        if (!row.IsArray() || row.Size() < m) {
            return fail(element_path(s_path, i));
        }
        for (SizeType j = 0; j < m; ++j) {
            if (i != j && !is_leg(row[j])) {
                return fail(element_path(element_path(s_path, i), j));
            }
        }
    }
    return true;
}

template <typename Record>
bool InstanceReader::read_records(const Value& document, const char* s_name,
                                  std::deque<Record>& v_records, RecordReader<Record> read_record)
{
    const Value* v_elements = data_array(document, s_name);
    if (v_elements == nullptr) {
        return false;
    }
    const std::string s_path = member_path("input.data", s_name);
    v_records.assign(v_elements->Size(), Record());
    for (SizeType k = 0; k < v_elements->Size(); ++k) {
        if (!(this->*read_record)((*v_elements)[k], element_path(s_path, k), v_records[k])) {
            return false;
        }
    }
    return true;
}

bool InstanceReader::read_client(const Value& object, const std::string& s_path, Client& client)
{
    return read_string(object, "id", s_path, client.id) &&
           read_int(object, "early_tw", s_path, client.early_tw) &&
           read_int(object, "late_tw", s_path, client.late_tw) &&
           read_int(object, "service_time", s_path, client.service_time) &&
           read_count(object, "demand", s_path, client.demand);
}

bool InstanceReader::read_container(const Value& object, const std::string& s_path,
                                    Container& container)
{
    int fixed_cost = 0;
    int var_cost = 0;
    const bool complete = read_count(object, "container_dim", s_path, container.capacity) &&
                      read_count(object, "container_qt", s_path, container.quantity) &&
                      read_int(object, "container_fixed_cost", s_path, fixed_cost) &&
                      read_int(object, "container_var_cost", s_path, var_cost) &&
                      read_string(object, "container_id", s_path, container.container_id);
    container.fixed_cost = fixed_cost;
    container.var_cost = var_cost;
    container.penalty = 0.0;
    return complete;
}

// The solver indexes both matrices by client, so each needs a row per client.
bool InstanceReader::matrices_cover_clients()
{
    const size_t n = instance->clients.size();
    if (instance->Mdij.size() < n) {
        return fail(element_path("input.data.Mdij", instance->Mdij.size()));
    }
    if (instance->Mtij.size() < n) {
        return fail(element_path("input.data.Mtij", instance->Mtij.size()));
    }
    return true;
}

bool InstanceReader::read_max_time(const Value& document)
{
    const Value* meta_info = input_object(document, "meta_info");
    if (meta_info == nullptr) {
        return false;
    }
    const Value* max_time = find_member(*meta_info, "max_time");
    if (max_time == nullptr) {
        instance->max_time = k_default_max_time;
        return true;
    }
    if (!is_finite_number(*max_time)) {
        return fail("input.meta_info.max_time");
    }
    instance->max_time = max_time->GetDouble();
    return true;
}

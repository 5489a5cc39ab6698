#include "csv_cells.h"

#include "json_document.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

const char k_client_error_code[] = "csv_client_database";
const char k_vehicle_error_code[] = "csv_vehicle_database";

namespace {

// Leading white space, an optional sign and the leading digits; the rest is ignored.
bool parse_leading_int(const std::string& s_text, int& value)
{
    const char* begin = s_text.c_str();
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

std::string mapped_cell(const TextTable& vv_table, ColumnMap& columns, size_t row,
                        const std::string& s_key)
{
    return cell_at(vv_table, row, columns[s_key]);
}

bool set_conversion_error(rapidjson::Value& error, const char* code, const char* message,
                          rapidjson::Document& document)
{
    error.SetObject();
    add_string_member(error, "error", code, document);
    add_string_member(error, "message", message, document);
    return false;
}

bool add_number_field(const TextTable& vv_table, ColumnMap& columns, size_t row,
                      const NumberField& field, const char* code, rapidjson::Value& object,
                      rapidjson::Value& error, rapidjson::Document& document)
{
    const std::string s_cell = mapped_cell(vv_table, columns, row, field.key);
    int value = field.empty_value;
    if (s_cell.empty()) {
        if (field.empty_message != nullptr) {
            return set_conversion_error(error, code, field.empty_message, document);
        }
    } else if (!parse_leading_int(s_cell, value)) {
        return set_conversion_error(error, code, field.invalid_message, document);
    } else if (value < 0) {
        return set_conversion_error(error, code, field.negative_message, document);
    }
    object.AddMember(rapidjson::StringRef(field.key), value, document.GetAllocator());
    return true;
}

void add_string_member(rapidjson::Value& object, const char* name, const std::string& s_value,
                       rapidjson::Document& document)
{
    auto& allocator = document.GetAllocator();
    object.AddMember(json_string_value(name, allocator), json_string_value(s_value, allocator),
                     allocator);
}

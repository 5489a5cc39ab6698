#pragma once
// Cell readers shared by the client and vehicle conversions.

#include "csv_to_instance.h"

extern const char k_client_error_code[];
extern const char k_vehicle_error_code[];

// A whole-number cell and what its failures say.
struct NumberField {
    const char* key;               // column map key and JSON member name
    int empty_value;               // value of an empty cell
    const char* empty_message;     // when set, an empty cell is an error instead
    const char* invalid_message;   // no leading digits, or beyond the int range
    const char* negative_message;
};

// The mapped cell of the row; a row too short for the column reads as empty.
std::string mapped_cell(const TextTable& vv_table, ColumnMap& columns, size_t row,
                        const std::string& s_key);

// Fills the error object and returns false, for "return fail(...)".
bool set_conversion_error(rapidjson::Value& error, const char* code, const char* message,
                          rapidjson::Document& document);

// Adds the field as an integer member of the object, or fails with its message.
bool add_number_field(const TextTable& vv_table, ColumnMap& columns, size_t row,
                      const NumberField& field, const char* code, rapidjson::Value& object,
                      rapidjson::Value& error, rapidjson::Document& document);

void add_string_member(rapidjson::Value& object, const char* name, const std::string& s_value,
                       rapidjson::Document& document);

#pragma once
// The address text of a geocoding query: street + " " + number, then neighbourhood,
// city, state and country after commas; blanks travel as "+", every value is encoded.

#include <string>

struct AddressParts {
    const std::string& s_address;
    const std::string& s_number;
    const std::string& s_neighborhood;
    const std::string& s_city;
    const std::string& s_state;
    const std::string& s_country;
};

// Google's form ends in one more ",".
enum class QueryEnd { bare, trailing_comma };

std::string build_address_query(const AddressParts& parts, QueryEnd end);

// A query value (e-mail, key) with blanks as "+".
std::string encode_query_value(const std::string& s_value);

#include "geocoding_query.h"

#include "url_encoding.h"

std::string encode_query_value(const std::string& s_value)
{
    return url_encode(s_value, BlankEncoding::plus);
}

std::string build_address_query(const AddressParts& parts, QueryEnd end)
{
    std::string s_query = encode_query_value(parts.s_address) + "+" +
                          encode_query_value(parts.s_number);
    for (const std::string* s_part :
         {&parts.s_neighborhood, &parts.s_city, &parts.s_state, &parts.s_country}) {
        s_query += "," + encode_query_value(*s_part);
    }
    if (end == QueryEnd::trailing_comma) {
        s_query += ",";
    }
    return s_query;
}

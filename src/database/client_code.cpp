#include "client_code.h"

namespace {

// Not std::toupper: under a Latin-1 locale it would change bytes of UTF-8 sequences.
char ascii_upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string client_code(const std::string& s_address, const std::string& s_number)
{
    std::string s_code = s_address + s_number;
    for (char& c : s_code) {
        c = ascii_upper(c);
    }
    return s_code;
}

#include "url_encoding.h"

namespace {

bool is_unreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string url_encode(const std::string& s_value, BlankEncoding blank)
{
    static const char k_hex[] = "0123456789ABCDEF";
    std::string s_encoded;
    s_encoded.reserve(s_value.size());
    for (const char ch : s_value) {
        const auto c = static_cast<unsigned char>(ch);
        if (is_unreserved(c)) {
            s_encoded += ch;
        } else if (c == ' ' && blank == BlankEncoding::plus) {
            s_encoded += '+';
        } else {
            s_encoded += '%';
            s_encoded += k_hex[c >> 4];
            s_encoded += k_hex[c & 0x0F];
        }
    }
    return s_encoded;
}

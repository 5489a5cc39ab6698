#include "whole_number_check.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace {
bool is_blank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool is_digit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
}  // namespace

WholeNumberCheck check_whole_number(const std::string& s_text)
{
    std::size_t pos = 0;
    while (pos < s_text.size() && is_blank(s_text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < s_text.size() && (s_text[pos] == '+' || s_text[pos] == '-')) {
        negative = s_text[pos] == '-';
        ++pos;
    }
    const std::size_t first_digit = pos;
    // Bigger than any 32-bit magnitude stops the reading before it could overflow.
    constexpr std::int64_t too_big = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t magnitude = 0;
    while (pos < s_text.size() && is_digit(s_text[pos]) && magnitude < too_big) {
        magnitude = magnitude * 10 + (s_text[pos] - '0');
        ++pos;
    }
    const bool has_digits = pos > first_digit;
    while (pos < s_text.size() && is_blank(s_text[pos])) {
        ++pos;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (!has_digits || pos != s_text.size() || value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min()) {
        return WholeNumberCheck::not_integer;
    }
    return value < 0 ? WholeNumberCheck::negative : WholeNumberCheck::valid;
}

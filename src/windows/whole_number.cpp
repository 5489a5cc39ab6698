#include "whole_number.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

bool leading_whole_number(const std::string& s_text, int& value)
{
    value = 0;
    const char* begin = s_text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long read = std::strtoll(begin, &end, 10);
    if (end == begin) {
        return false;
    }
    if (read > INT_MAX) {
        value = INT_MAX;
    } else if (read < INT_MIN) {
        value = INT_MIN;
    } else {
        value = static_cast<int>(read);
    }
    return true;
}

int leading_whole_number_or(const std::string& s_text, int fallback)
{
    int value = 0;
    return leading_whole_number(s_text, value) ? value : fallback;
}

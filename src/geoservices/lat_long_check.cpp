#include "geocoding.h"

#include "text_table.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

// The "C" locale's decimal point whatever locale the application set.
locale_t c_numeric_locale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Reads the leading decimal number (blanks skipped, rest ignored) without throwing.
bool read_leading_number(const std::string& s_text, double& value)
{
    const char* begin = s_text.c_str();
    char* end = nullptr;
    errno = 0;
    value = strtod_l(begin, &end, c_numeric_locale());
    return end != begin && errno != ERANGE;
}

}  // namespace

bool check_lat_long(std::string& s_lat, std::string& s_long)
{
    replace_all(s_lat, ",", ".");
    replace_all(s_long, ",", ".");
    if (s_lat.empty() || s_long.empty()) {
        return false;
    }
    double lat = 0.0;
    double lon = 0.0;
    if (!read_leading_number(s_lat, lat) || !read_leading_number(s_long, lon)) {
        return false;
    }
    // "nan" reads as a number but is no place; the bound tests alone would let it pass.
    if (std::isnan(lat) || std::isnan(lon)) {
        return false;
    }
    return std::fabs(lat) <= 90.0 && std::fabs(lon) <= 180.0;
}

#include "minutes_between.h"

#include <cmath>
#include <ctime>
#include <iomanip>
#include <limits>
#include <sstream>

namespace {

// Follows the text so that running out of text before the format's last field shows
// as end of input: the library reports only that, not a failure, for a text that stops
// short ("12/02/2021" against a format with a time).
constexpr char k_end_sentinel = '\x1F';

int days_in_month(int month, int year)  // month 0-11, year in full
{
    static const int k_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 1 && leap ? 29 : k_days[month];
}

// Fields the format does not name stay zero; the daylight-saving flag is left to the
// calendar, so a date in summer time is not shifted by an hour.
bool parse_local_time(const std::string& s_text, const std::string& s_format, std::time_t& time)
{
    std::tm fields{};
    std::istringstream stream(s_text + k_end_sentinel);
    stream >> std::get_time(&fields, s_format.c_str());
    if (stream.fail() || stream.eof()) {
        return false;
    }
    // The parser takes any day up to 31 and the calendar would roll 31/02 over into
    // March, moving a time window without a word; a day the month lacks is unreadable.
    if (fields.tm_mon < 0 || fields.tm_mon > 11 ||
        fields.tm_mday > days_in_month(fields.tm_mon, fields.tm_year + 1900)) {
        return false;
    }
    fields.tm_isdst = -1;
    time = std::mktime(&fields);
    return time != static_cast<std::time_t>(-1);
}

int32_t clamp_to_int32(double seconds)
{
    const double limit = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::trunc(std::fmax(-limit, std::fmin(limit, seconds))));
}

}  // namespace

int32_t minutes_between(const std::string& s_first, const std::string& s_second, bool& ok,
                        const std::string& s_format)
{
    ok = true;
    std::time_t first = 0;
    std::time_t second = 0;
    if (!parse_local_time(s_first, s_format, first) ||
        !parse_local_time(s_second, s_format, second)) {
        ok = false;
        return -1;
    }
    return clamp_to_int32(std::difftime(second, first)) / 60;
}

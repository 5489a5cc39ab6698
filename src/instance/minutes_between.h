#pragma once
// Date-time differences in whole minutes, for time windows read from text.

#include <cstdint>
#include <string>

// Minutes from the first date-time to the second (negative when the second is
// earlier), both read in local time with the std::get_time format, truncated toward
// zero. A text that does not parse, or names a day its month lacks (31/02), sets ok to
// false and gives -1; since -1 is also a true difference, callers test ok.
int32_t minutes_between(const std::string& s_first, const std::string& s_second, bool& ok,
                        const std::string& s_format);

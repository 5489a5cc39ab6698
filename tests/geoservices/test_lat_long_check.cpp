#include "geocoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PairCase {
    std::string s_lat;
    std::string s_long;
    bool usable;
    std::string s_lat_after;
    std::string s_long_after;
};

}  // namespace

TEST(CheckLatLong, RewritesCommasThenTestsTheBounds)
{
    const PairCase cases[] = {
        {"-23,55", "-46,63", true, "-23.55", "-46.63"},
        {"90", "-180", true, "90", "-180"},
        {"90.000001", "0", false, "90.000001", "0"},
        {"0", "180.000001", false, "0", "180.000001"},
        {"", "10", false, "", "10"},
        {"1,5", "", false, "1.5", ""},  // rewritten even when refused
        {"abc", "10", false, "abc", "10"},
        {"12abc", "10", true, "12abc", "10"},  // the leading number is read
        {"  -12.5", "10", true, "  -12.5", "10"},
        {"1e400", "0", false, "1e400", "0"},   // out of range, no throw
        {"1e-400", "0", false, "1e-400", "0"},  // underflow is out of range too
        {"nan", "0", false, "nan", "0"},
        {"0", "nan", false, "0", "nan"},
        {"inf", "0", false, "inf", "0"},
    };
    for (const PairCase& c : cases) {
        std::string s_lat = c.s_lat;
        std::string s_long = c.s_long;
        EXPECT_EQ(check_lat_long(s_lat, s_long), c.usable) << c.s_lat << " / " << c.s_long;
        EXPECT_EQ(s_lat, c.s_lat_after);
        EXPECT_EQ(s_long, c.s_long_after);
    }
}

#include "minutes_between.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

const char k_format[] = "%d/%m/%Y %H:%M:%S";

class MinutesBetween : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
    }
};

}  // namespace

TEST_F(MinutesBetween, TruncatesTowardZeroInBothDirections)
{
    struct Case {
        const char* first;
        const char* second;
        int expected;
    };
    const Case cases[] = {
        {"12/02/2021 08:00:59", "12/02/2021 08:02:58", 1},  // 119 s
        {"12/02/2021 08:02:58", "12/02/2021 08:00:59", -1},
        {"12/02/2021 08:00:00", "12/02/2021 08:30:00", 30},
        {"12/02/2021 08:00:00", "13/02/2021 08:00:00", 1440},
        {"12/02/2021 08:00:00", "12/02/2021 07:00:00", -60},
        {"12/02/2021 08:00:00", "12/02/2021 08:00:59", 0},
        {"12/02/2021 08:00:00:00", "12/02/2021 08:01:00 trailing", 1},
        {"28/02/2024 00:00:00", "01/03/2024 00:00:00", 2880},
    };
    for (const Case& c : cases) {
        bool ok = false;
        EXPECT_EQ(minutes_between(c.first, c.second, ok, k_format), c.expected) << c.first;
        EXPECT_TRUE(ok) << c.first;
    }
}

TEST_F(MinutesBetween, AnUnreadableTextSetsOkFalse)
{
    // A text that stops short of the format's last field is unreadable too.
    for (const char* text :
         {"12/02/2021 8h00:00", "", "tomorrow", "12/02/2021", "12/02/2021 08:00"}) {
        bool ok = true;
        EXPECT_EQ(minutes_between("12/02/2021 08:00:00", text, ok, k_format), -1) << text;
        EXPECT_FALSE(ok) << text;
        ok = true;
        EXPECT_EQ(minutes_between(text, "12/02/2021 08:00:00", ok, k_format), -1) << text;
        EXPECT_FALSE(ok) << text;
    }
}

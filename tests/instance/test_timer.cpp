#include "timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

constexpr double k_pause_seconds = 0.03;

void wait_a_moment() { std::this_thread::sleep_for(std::chrono::milliseconds(30)); }

std::string printed(const Timer& timer)
{
    testing::internal::CaptureStdout();
    timer.print();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(Timer, AnyNamedOperationAddsAZeroRecordPrintedInNameOrder)
{
    EXPECT_EQ(printed(Timer()), "\n");
    EXPECT_EQ(printed(Timer("solve")), "\nsolve 0\n");
    Timer timer;
    timer.add({"read", "b"});
    EXPECT_EQ(timer.get("a"), 0.0);
    timer.reset("B");
    EXPECT_EQ(printed(timer), "\nB 0\na 0\nb 0\nread 0\n");
}

TEST(Timer, PairsAccumulateOnlyMeasuredSpansAndASecondStopAddsFromStartAgain)
{
    Timer timer;
    const auto begin = std::chrono::steady_clock::now();
    timer.start("t");
    wait_a_moment();
    timer.stop("t");
    wait_a_moment();  // not measured
    timer.start("t");
    wait_a_moment();
    timer.stop("t");
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    EXPECT_GE(timer.get("t"), 2 * k_pause_seconds);
    EXPECT_LE(timer.get("t"), elapsed - k_pause_seconds);

    const double first = timer.get("u");
    timer.start("u");
    wait_a_moment();
    timer.stop("u");
    const double once = timer.get("u") - first;
    wait_a_moment();
    timer.stop("u");
    EXPECT_GE(timer.get("u"), 2 * once + k_pause_seconds);
}

TEST(Timer, RestartResetAndAddZeroAMeasuredRecord)
{
    Timer timer;
    for (int step = 0; step < 3; ++step) {
        timer.start("t");
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        timer.stop("t");
        ASSERT_GT(timer.get("t"), 0.0);
        if (step == 0) {
            timer.restart("t");
        } else if (step == 1) {
            timer.reset("t");
        } else {
            timer.add({"t"});
        }
        EXPECT_EQ(timer.get("t"), 0.0) << step;
    }
    // A stop right after restart measures from the restart's reading.
    timer.restart("t");
    wait_a_moment();
    timer.stop("t");
    EXPECT_GE(timer.get("t"), k_pause_seconds);
}

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

// Pairs add only the measured spans; a second stop adds the whole span from the start
// again; restart, reset and add zero the record, and a stop after restart measures
// from the restart.
TEST(Timer, PairsAccumulateMeasuredSpansAndRestartResetAndAddZeroThem)
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
    const double twice = timer.get("t");
    timer.stop("t");
    EXPECT_GE(timer.get("t"), twice + k_pause_seconds);

    timer.restart("t");
    EXPECT_EQ(timer.get("t"), 0.0);
    wait_a_moment();
    timer.stop("t");
    EXPECT_GE(timer.get("t"), k_pause_seconds);
    timer.reset("t");
    EXPECT_EQ(timer.get("t"), 0.0);
    timer.start("t");
    timer.stop("t");
    timer.add({"t"});
    EXPECT_EQ(timer.get("t"), 0.0);
}

#include "timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto k_pause = std::chrono::milliseconds(30);
constexpr double k_pause_seconds = 0.03;

double seconds_since(Clock::time_point begin)
{
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

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

TEST(Timer, PairsAccumulateOnlyTheMeasuredSpans)
{
    Timer timer;
    const auto begin = Clock::now();
    timer.start("t");
    std::this_thread::sleep_for(k_pause);
    timer.stop("t");
    std::this_thread::sleep_for(k_pause);  // not measured
    timer.start("t");
    std::this_thread::sleep_for(k_pause);
    timer.stop("t");
    const double elapsed = seconds_since(begin);

    EXPECT_GE(timer.get("t"), 2 * k_pause_seconds);
    EXPECT_LE(timer.get("t"), elapsed - k_pause_seconds);
}

TEST(Timer, SecondStopAddsTheWholeSpanFromStartAgain)
{
    Timer timer;
    timer.start("t");
    std::this_thread::sleep_for(k_pause);
    timer.stop("t");
    const double first = timer.get("t");
    std::this_thread::sleep_for(k_pause);
    timer.stop("t");
    EXPECT_GE(timer.get("t"), 2 * first + k_pause_seconds);
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
    std::this_thread::sleep_for(k_pause);
    timer.stop("t");
    EXPECT_GE(timer.get("t"), k_pause_seconds);
}

#include "timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

// Records printed in name order; pairs add only measured spans, a second stop the whole span
// again; restart, reset and add zero the record.
TEST(Timer, RecordsAddMeasuredSpansAndPrintInNameOrder)
{
    Timer timer("solve");
    timer.add({"read", "b"});
    EXPECT_EQ(timer.get("a"), 0.0);
    timer.reset("B");
    testing::internal::CaptureStdout();
    timer.print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nB 0\na 0\nb 0\nread 0\nsolve 0\n");
    const auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(30)); };
    const auto begin = std::chrono::steady_clock::now();
    for (int span = 0; span < 2; ++span) {
        timer.start("t");
        pause();
        timer.stop("t");
        pause();  // not measured
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - begin;
    EXPECT_GE(timer.get("t"), 0.06);
    EXPECT_LE(timer.get("t"), elapsed.count() - 0.06);
    const double twice = timer.get("t");
    timer.stop("t");
    EXPECT_GE(timer.get("t"), twice + 0.03);
    timer.restart("t");
    EXPECT_EQ(timer.get("t"), 0.0);
    pause();
    timer.stop("t");
    EXPECT_GE(timer.get("t"), 0.03);
    timer.reset("t");
    const double reset = timer.get("t");
    timer.start("t");
    timer.stop("t");
    timer.add({"t"});
    EXPECT_EQ(reset + timer.get("t"), 0.0);
}

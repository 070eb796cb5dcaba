// The test programs' watchdog: a test stuck in a loop ends the program with a failure that
// names it, while a test that finishes in time is left alone.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/support/CWatchdog.h"

TEST(CWatchdog, EndsTheProgramWithAFailureNamingAStuckTest)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            CWatchdog watchdog(1);
            watchdog.Arm("Slow.Loop");
            for (;;)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "Slow.Loop: stuck for 1 s");
}

TEST(CWatchdog, DisarmedInTimeItLetsTheProgramGoOn)
{
    CWatchdog watchdog(1);
    watchdog.Arm("Quick.Test");
    watchdog.Disarm();
    watchdog.Arm("Next.Test");
    watchdog.Disarm();
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    SUCCEED() << "still running after the limit";
}

#include "platform/seams/Clock.h"
#include "platform/testing/ManualClock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

class ClockSeam : public ::testing::Test {
protected:
    void TearDown() override { platform::SetClock(nullptr); }
    ManualClock clock;
};

TEST_F(ClockSeam, AnInstalledClockAnswersEveryRead)
{
    clock.milliseconds = 1234;
    clock.counter = 99;
    clock.calendarSeconds = 42;
    platform::SetClock(&clock);
    EXPECT_EQ(platform::GetTickCount(), 1234u);
    EXPECT_EQ(platform::QueryPerformanceCounter(), 99);
    EXPECT_EQ(platform::QueryPerformanceFrequency(), 1'000'000);
    EXPECT_EQ(platform::CalendarTime(), 42);
    EXPECT_EQ(&platform::CurrentClock(), &clock);
}

TEST_F(ClockSeam, AdvanceMovesEveryClockByTheSameTime)
{
    clock.Advance(2500);
    EXPECT_EQ(clock.TickCount(), 2500u);
    EXPECT_EQ(clock.PerformanceCounter(), 2'500'000);
    EXPECT_EQ(clock.CalendarTime(), 1'000'000'002);
    clock.Advance(499);
    EXPECT_EQ(clock.CalendarTime(), 1'000'000'002); // 2999 ms: still two whole seconds
    clock.Advance(1);
    EXPECT_EQ(clock.CalendarTime(), 1'000'000'003);
}

TEST_F(ClockSeam, ABusyWaitOnTheTickCountEndsWithoutRealWaiting)
{
    clock.advancePerTickRead = 1;
    platform::SetClock(&clock);
    const uint32_t start = platform::GetTickCount();
    while (platform::GetTickCount() < start + 10) {
    }
    EXPECT_EQ(clock.tickReads, 11);
    EXPECT_EQ(clock.milliseconds, 11);
}

TEST_F(ClockSeam, CounterReadsAdvanceByTheirOwnStep)
{
    clock.advancePerCounterRead = 7;
    EXPECT_EQ(clock.PerformanceCounter(), 0);
    EXPECT_EQ(clock.PerformanceCounter(), 7);
    EXPECT_EQ(clock.TickCount(), 0u);
}

TEST_F(ClockSeam, TheTickCountWrapsLikeAThirtyTwoBitCounter)
{
    clock.milliseconds = (int64_t(1) << 32) + 5;
    EXPECT_EQ(clock.TickCount(), 5u);
}

TEST_F(ClockSeam, NullPutsTheRealClockBack)
{
    platform::SetClock(&clock);
    platform::SetClock(nullptr);
    EXPECT_NE(&platform::CurrentClock(), &clock);
    EXPECT_EQ(platform::QueryPerformanceFrequency(), 1'000'000'000);
    const int64_t first = platform::QueryPerformanceCounter();
    const int64_t second = platform::QueryPerformanceCounter();
    EXPECT_GE(second, first);
    // The tick count is the same monotonic time in milliseconds, cut to 32 bits.
    const auto ticks = uint32_t(second / 1'000'000);
    EXPECT_LE(uint32_t(platform::GetTickCount() - ticks), 1000u);
    const int64_t now = int64_t(std::time(nullptr));
    EXPECT_LE(std::abs(platform::CalendarTime() - now), 2);
}

}

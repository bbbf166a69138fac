#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace {

// The real clocks: a nanosecond counter from the monotonic clock, a millisecond tick count cut
// to 32 bits as a wrapping counter would be, and the calendar time of the C library.
class SteadyClock : public Clock {
public:
    int64_t PerformanceCounter() override
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(Now()).count();
    }
    int64_t PerformanceFrequency() override { return 1'000'000'000; }
    uint32_t TickCount() override
    {
        return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(Now()).count());
    }
    int64_t CalendarTime() override { return int64_t(std::time(nullptr)); }

private:
    static std::chrono::steady_clock::duration Now() { return std::chrono::steady_clock::now().time_since_epoch(); }
};

SteadyClock& RealClock()
{
    static SteadyClock clock;
    return clock;
}

Clock* installedClock = nullptr;

} // namespace

namespace platform {

Clock& CurrentClock() { return installedClock ? *installedClock : RealClock(); }

void SetClock(Clock* clock) { installedClock = clock; }

} // namespace platform

int64_t ManualClock::PerformanceCounter()
{
    const int64_t now = counter;
    counter += advancePerCounterRead;
    return now;
}

uint32_t ManualClock::TickCount()
{
    const auto now = uint32_t(milliseconds);
    milliseconds += advancePerTickRead;
    ++tickReads;
    return now;
}

void ManualClock::Advance(int64_t elapsed)
{
    milliseconds += elapsed;
    counter += elapsed * frequency / 1000;
    calendarMilliseconds_ += elapsed;
    calendarSeconds += calendarMilliseconds_ / 1000;
    calendarMilliseconds_ %= 1000;
}

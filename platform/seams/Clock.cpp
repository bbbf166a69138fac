#include "platform/seams/Clock.h"

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

std::tm platform::LocalTime()
{
    const std::time_t now = std::time_t(CalendarTime());
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

#pragma once

#include <cstdint>
#include <ctime>

// The program's clocks, behind a seam that tests replace. All reads go through the current
// clock; the real one is used until a test installs another. The real clock counts nanoseconds
// of the monotonic clock (frequency 1e9), its tick count is the monotonic time in milliseconds
// cut to 32 bits, and its calendar time is the C library's time().
class Clock {
public:
    virtual ~Clock() = default;
    // High-resolution counter and its ticks per second.
    virtual int64_t PerformanceCounter() = 0;
    virtual int64_t PerformanceFrequency() = 0;
    // Milliseconds since an arbitrary start; wraps like a 32-bit counter.
    virtual uint32_t TickCount() = 0;
    // Calendar time in seconds since 1970.
    virtual int64_t CalendarTime() = 0;
};

namespace platform {
Clock& CurrentClock();
// Installs a clock (not owned); null puts the real clock back.
void SetClock(Clock* clock);

inline int64_t QueryPerformanceCounter() { return CurrentClock().PerformanceCounter(); }
inline int64_t QueryPerformanceFrequency() { return CurrentClock().PerformanceFrequency(); }
inline uint32_t GetTickCount() { return CurrentClock().TickCount(); }
inline int64_t CalendarTime() { return CurrentClock().CalendarTime(); }
// The current clock's calendar time broken down in the local time zone (the TZ setting).
std::tm LocalTime();
}

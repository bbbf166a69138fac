#pragma once

#include <cstdint>

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
}

// A clock for tests: time moves only when told, or by a fixed amount at every read, so that a
// busy wait on it ends without real waiting.
class ManualClock : public Clock {
public:
    int64_t PerformanceCounter() override;
    int64_t PerformanceFrequency() override { return frequency; }
    uint32_t TickCount() override;
    int64_t CalendarTime() override { return calendarSeconds; }

    // Moves all clocks forward by elapsed milliseconds: the tick count by elapsed, the counter by
    // elapsed x frequency / 1000 ticks, the calendar by whole seconds (the rest carries over).
    void Advance(int64_t elapsed);

    int64_t frequency = 1'000'000;       // counter ticks per second
    int64_t counter = 0;                 // counter ticks
    int64_t milliseconds = 0;            // tick count
    int64_t calendarSeconds = 1'000'000'000;
    int64_t advancePerTickRead = 0;      // ms added after every TickCount() read
    int64_t advancePerCounterRead = 0;   // counter ticks added after every PerformanceCounter() read
    int tickReads = 0;                   // how often TickCount() was read

private:
    int64_t calendarMilliseconds_ = 0;   // part of a second not yet added to calendarSeconds
};

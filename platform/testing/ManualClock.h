#pragma once

#include "platform/seams/Clock.h"

#include <cstdint>

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

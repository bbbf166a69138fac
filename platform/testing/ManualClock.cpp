#include "platform/testing/ManualClock.h"

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

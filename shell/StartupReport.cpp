#include "shell/StartupReport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

void ReportFirstChamberPaint()
{
    if (std::getenv("TRACELUME_REPORT_FIRST_PAINT") == nullptr)
        return;
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(sinceEpoch).count();
    std::printf("first-paint-us %lld\n", static_cast<long long>(micros));
    std::fflush(stdout);
}

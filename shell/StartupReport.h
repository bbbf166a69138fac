#pragma once

// For the start-up benchmark (bench/startup.sh): when the environment variable
// TRACELUME_REPORT_FIRST_PAINT is set, prints "first-paint-us <microseconds since 1970>" to
// standard output once the Particle Chamber has been painted for the first time. Otherwise
// does nothing.
void ReportFirstChamberPaint();

#include "physics/Random.h"

#include <cmath>

namespace {

constexpr uint32_t kMultiplier = 1103515245u;
constexpr uint32_t kIncrement = 12345u;
constexpr int kLargestDraw = 0x7FFF;
// Multiplying by the reciprocal (not dividing by 32767) is part of the stream's definition:
// the two differ in the last bit for some draws.
constexpr double kUnitPerDraw = 1.0 / 32767.0;

} // namespace

int RandomSource::Draw()
{
    // Unsigned arithmetic wraps modulo 2^32, as the generator requires.
    state_ = state_ * kMultiplier + kIncrement;
    return static_cast<int>((state_ >> 16) & kLargestDraw);
}

double RandomSource::Unit() { return Draw() * kUnitPerDraw; }

double RandomSource::Between(double a, double b) { return a + std::fabs(a - b) * Unit(); }

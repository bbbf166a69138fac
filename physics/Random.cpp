#include "physics/Random.h"

#include <cmath>

namespace {

// The one state of the program's random source. 1 until the program seeds it.
uint32_t randomState = 1u;

constexpr uint32_t kMultiplier = 1103515245u;
constexpr uint32_t kIncrement = 12345u;
constexpr int kLargestDraw = 0x7FFF;
// Multiplying by the reciprocal (not dividing by 32767) is part of the stream's definition:
// the two differ in the last bit for some draws.
constexpr double kUnitPerDraw = 1.0 / 32767.0;

} // namespace

void SeedRandom(uint32_t seed) { randomState = seed; }

uint32_t RandomState() { return randomState; }

int RandomDraw()
{
    // Unsigned arithmetic wraps modulo 2^32, as the generator requires.
    randomState = randomState * kMultiplier + kIncrement;
    return static_cast<int>((randomState >> 16) & kLargestDraw);
}

double RandomUnit() { return RandomDraw() * kUnitPerDraw; }

double RandomBetween(double a, double b) { return a + std::fabs(a - b) * RandomUnit(); }

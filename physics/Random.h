#pragma once

#include <cstdint>

// The program's one random source: a linear congruential generator,
// state = state * 1103515245 + 12345 (mod 2^32), each draw (state >> 16) & 0x7FFF.
// Events are fully determined by its state: the same seed gives the same events, bit for bit.

// Sets the state. The program seeds it once, from the calendar time in seconds.
void SeedRandom(uint32_t seed);
// The current state, so that a caller can save and restore the stream.
uint32_t RandomState();
// One draw, 0 to 32767.
int RandomDraw();
// draw / 32767: a double in [0, 1]; both ends can occur.
double RandomUnit();
// a + |a - b| * RandomUnit(); callers pass a <= b.
double RandomBetween(double a, double b);

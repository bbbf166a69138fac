#pragma once

#include <cstdint>

// A random source: a linear congruential generator, state = state * 1103515245 + 12345
// (mod 2^32), each draw (state >> 16) & 0x7FFF. Everything drawn from it is fully determined by
// its state: the same seed gives the same events, bit for bit. A plain value: copying it forks
// the stream, and whoever draws holds the source it draws from.
class RandomSource {
public:
    // The state of a source nobody seeded.
    static constexpr uint32_t kUnseeded = 1u;

    explicit RandomSource(uint32_t seed = kUnseeded) : state_(seed) {}

    // Sets the state. The program seeds its source once, from the calendar time in seconds.
    void Seed(uint32_t seed) { state_ = seed; }
    // The current state, so that a caller can save and restore the stream.
    uint32_t State() const { return state_; }

    // One draw, 0 to 32767.
    int Draw();
    // draw / 32767: a double in [0, 1]; both ends can occur.
    double Unit();
    // a + |a - b| * Unit(); callers pass a <= b.
    double Between(double a, double b);

private:
    uint32_t state_;
};

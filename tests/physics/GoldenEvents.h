#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Golden events: for fixed seeds and conditions, the full point lists of each decay type as
// text with exact (hexadecimal) doubles, and the random state after the event. They change
// when any constant, comparison or draw order of the physics changes.

struct GoldenCase {
    uint32_t seed;
    double L; // cm
    double B; // kG
    double T; // MeV
};

// The cases stored for one decay type (1 to 6).
std::vector<GoldenCase> GoldenCases(int decayType);

// Generates every case of the type from its seed and writes them as the golden text.
std::string RenderGoldenEvents(int decayType);

// tests/physics/golden/typeN.txt
std::string GoldenPath(int decayType);

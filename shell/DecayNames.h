#pragma once

#include <string>
#include <vector>

// What each of the six decay types shows, in the words of the physics: the menu's status tips,
// the status line and the colour legend read from here.

// One track colour of a decay type and the particle drawn in it.
struct LegendRow {
    int colourId;         // 3 to 7
    std::string particle; // "π⁻ (negative pion)"
};

struct DecayDescription {
    std::string chain;           // "π⁻ → μ⁻ → e⁻"
    std::string summary;         // a sentence for the colour legend
    std::vector<LegendRow> inField;   // the track colours with a field
    std::vector<LegendRow> withoutField; // where they differ with no field, else empty
};

// The description of decay type 1 to 6; type 1's for any other.
const DecayDescription& DescribeDecay(int decayType);
// The rows that hold under the field B (kG): a field of 0 can change the pair colours.
const std::vector<LegendRow>& LegendFor(int decayType, double fieldKG);

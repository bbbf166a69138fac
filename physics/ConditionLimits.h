#pragma once

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

// The chamber conditions the program can make and show events for. The sliders reach B 0 to
// 2 kG, T 0.01 to 10000 MeV and L 1 to 10 m; conditions from elsewhere (event files, the command
// line of tracelume-events) are taken up to two orders of magnitude beyond that on either side.
// Past these bounds an event is nothing to see (a chamber of a thousandth of a millimetre, a
// field or an energy that overflows the arithmetic) and a T of 0 gives the primary no
// momentum, so such conditions are refused where they come in, with a message that names the
// value and its bounds.
namespace condition_limits {

inline constexpr double kMinLengthCm = 1.0;       // 0.01 m
inline constexpr double kMaxLengthCm = 100'000.0; // 1000 m
inline constexpr double kMaxFieldKG = 200.0;      // |B|; a negative field is shown as positive
inline constexpr double kMinEnergyMeV = 1e-4;
inline constexpr double kMaxEnergyMeV = 1e6;

} // namespace condition_limits

// Why conditions are refused: one sentence naming the first value out of bounds and the bounds
// in the units the user sees (L in metres), or nothing when all three are within them.
inline std::optional<std::string> ConditionsOutOfBounds(double lengthCm, double fieldKG, double energyMeV)
{
    using namespace condition_limits;
    const auto describe = [](const char* what, double value, double low, double high, const char* unit) {
        char text[160];
        std::snprintf(text, sizeof text, "%s = %G %s is outside %G to %G %s.", what, value, unit, low, high, unit);
        return std::string(text);
    };
    if (!(lengthCm >= kMinLengthCm && lengthCm <= kMaxLengthCm))
        return describe("L", lengthCm * 0.01, kMinLengthCm * 0.01, kMaxLengthCm * 0.01, "m");
    if (!(std::fabs(fieldKG) <= kMaxFieldKG))
        return describe("B", fieldKG, -kMaxFieldKG, kMaxFieldKG, "kG");
    if (!(energyMeV >= kMinEnergyMeV && energyMeV <= kMaxEnergyMeV))
        return describe("T", energyMeV, kMinEnergyMeV, kMaxEnergyMeV, "MeV");
    return std::nullopt;
}

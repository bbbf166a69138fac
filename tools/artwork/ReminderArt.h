#pragma once

#include "platform/gfx/Colour.h"

#include <array>

class CDC;

// The four reminder pictures: light text and figures on black, drawn in the 16 artwork colours
// and stored as 8-bit bitmaps with a 256-entry colour table.
namespace artwork {

constexpr int kEnergyWidth = 418, kEnergyHeight = 323;     // bitmap 170
constexpr int kRealLifeWidth = 436, kRealLifeHeight = 346; // bitmap 171
constexpr int kMotionWidth = 432, kMotionHeight = 324;     // bitmap 172
constexpr int kToolsWidth = 511, kToolsHeight = 346;       // bitmap 174

// The artwork colours first, then a grey ramp to fill 256 entries.
const std::array<Colour, 256>& Palette256();

void DrawEnergyMomentum(CDC& dc);
void DrawRealLife(CDC& dc);
void DrawMotionInField(CDC& dc);
void DrawUsefulTools(CDC& dc);

}

#pragma once

#include "platform/gfx/Colour.h"

#include <array>

class CDC;

// The program's own pictures, drawn with the platform drawing layer and stored as 4-bit
// indexed bitmaps: the About and splash picture (bitmap 169) and the program icon (icon 100).
namespace artwork {

constexpr int kSplashWidth = 503;
constexpr int kSplashHeight = 288;
constexpr int kIconSize = 32;

// The fixed 16 colours both pictures are quantised to. The chamber colours come first so that
// the tracks keep their exact colours.
enum PaletteIndex : int {
    kBackground,
    kChamberBlue, // chamber edges and the primary track (51, 205, 255)
    kTrackRed,
    kTrackYellow,
    kTrackGreen,
    kTrackBlue,
    kAxisGreen,   // the Z axis (0, 188, 0)
    kWhite,
    kLightGrey,
    kGrey,
    kDarkGrey,
    kDeepBlue,
    kNavy,
    kSteelBlue,
    kPaleBlue,
    kOrange,
    kPaletteSize
};
const std::array<Colour, kPaletteSize>& Palette();

// Draw the whole picture on dc, whose target is at least the picture's size, starting at the
// logical origin. Only palette colours are used and text is drawn without anti-aliasing, so
// quantising the result changes no pixel.
void DrawSplash(CDC& dc);
void DrawIcon(CDC& dc);
// The icon drawn at size x size pixels: the 32-pixel icon's picture with its lines, dots and
// tracks drawn for that size (DrawIcon is DrawIconAt with kIconSize).
void DrawIconAt(CDC& dc, int size);

}

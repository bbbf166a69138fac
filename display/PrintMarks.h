#pragma once

#include "platform/gfx/Geometry.h"

#include <cstdint>
#include <span>

class CDC;

// On paper every point of the chamber is one black pixel, so the tracks of different particles
// would look alike. Around that pixel (never instead of it) each point also gets a small black
// figure chosen by its colour id, within the 5 x 5 square centred on the pixel:
//   red: a filled 3 x 3 square      yellow: an open 5 x 5 square (its inner ring left white)
//   green: a plus                   blue: a diagonal cross       light blue: the pixel alone
// So the electron (red) and the positron (yellow) of a converted photon tell apart in print.
struct PrintMark {
    int32_t colourId;
    const char* colourName; // the colour the screen shows, as the legend names it
    const char* rows[5];    // '#' a black pixel; the centre is the point's own pixel
};

// One mark for each colour id that has a colour (3 to 7), in id order.
std::span<const PrintMark> PrintMarks();

// Draws the mark of colourId around pixel in black, the pixel itself included (the chamber
// still fills it as one black pixel of its own); nothing for an id without a colour.
void DrawPrintMark(CDC& dc, Point pixel, int32_t colourId);

#pragma once

#include "platform/gfx/Geometry.h"

// Facts about the screen the program runs on, behind a seam that tests set. Without a test's
// facts they are read from Qt's primary screen when a Qt GUI application exists (desktop
// rectangle, depth, logical pixels per inch; a Qt screen never has a palette), else they are the
// defaults below. Surfaces answer GetDeviceCaps from them.
struct ScreenFacts {
    Rect desktop{0, 0, 1280, 1024};  // desktop rectangle in screen pixels
    int bitsPerPixel = 32;
    int planes = 1;
    bool paletteDevice = false;      // the palette raster capability
    int paletteSize = 0;             // system palette entries on a palette device (256)
    int driverVersion = 0x400;
    int logPixelsX = 96;             // pixels per logical inch
    int logPixelsY = 96;
    // Whether windows can be painted at all. Qt paints on X displays of 15 or more bits per
    // pixel only: on an 8-bit (256-colour) X display every window stays black, menu included.
    bool paintable = true;

    // An 8-bit palette display of the given desktop size, for testing the palette paths: palette
    // capability on, 256 system palette entries, 96 pixels per inch. Realising palettes on it
    // runs against the emulated system palette of platform/gfx/SystemPalette.h.
    static ScreenFacts PaletteDisplay(Rect desktop = {0, 0, 1024, 768});
};

namespace platform {
// The facts in force: those a test set, else those read from the real screen (or the
// defaults above when there is no screen).
const ScreenFacts& CurrentScreen();
// Replaces the facts until ResetScreen(); also resets the emulated system palette.
void SetScreen(const ScreenFacts& facts);
void ResetScreen();
}

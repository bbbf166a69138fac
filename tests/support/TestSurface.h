#pragma once

#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

#include <functional>

// What kind of bitmap a test surface draws into.
enum class SurfaceBitmap { Colour, Monochrome };

// A memory surface with its own bitmap, for reading back what was drawn.
struct TestSurface {
    CBitmap bitmap;
    CDC dc;

    // A surface of the given kind, its bitmap as it was made and its context untouched.
    TestSurface(int width, int height, SurfaceBitmap kind = SurfaceBitmap::Colour)
    {
        dc.CreateCompatibleDC(nullptr);
        if (kind == SurfaceBitmap::Monochrome)
            bitmap.CreateBitmap(width, height, 1, 1);
        else
            bitmap.CreateCompatibleBitmap(width, height);
        dc.SelectObject(&bitmap);
    }
    // A colour surface filled with background.
    TestSurface(int width, int height, Colour background) : TestSurface(width, height)
    {
        dc.FillSolidRect(Rect{0, 0, width, height}, background);
    }

    PixelImage& Image() { return *bitmap.Image(); }
    const PixelImage& Image() const { return *bitmap.Image(); }
    Pixel At(int x, int y) const { return Image().At(x, y); }
    Colour ColourAt(int x, int y) const { return FromPixel(At(x, y)); }
    // How many pixels match.
    int Count(const std::function<bool(Colour)>& match) const
    {
        int n = 0;
        for (Pixel p : Image().pixels)
            n += match(FromPixel(p)) ? 1 : 0;
        return n;
    }
    int Count(Colour colour) const
    {
        return Count([colour](Colour c) { return c == colour; });
    }
};

// The colour as read back from a surface: a pixel never keeps the palette-relative mark.
inline Colour Opaque(Colour c) { return Rgb(c.red, c.green, c.blue); }

#pragma once

#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

#include <functional>

// A memory surface with its own colour bitmap, for reading back what was drawn.
struct TestSurface {
    CBitmap bitmap;
    CDC dc;

    TestSurface(int width, int height, Colour background = colours::kBlack)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(width, height);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(Rect{0, 0, width, height}, background);
    }

    const PixelImage& Image() const { return *bitmap.Image(); }
    Colour At(int x, int y) const { return FromPixel(Image().At(x, y)); }
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

inline Colour Opaque(Colour c) { return Rgb(c.red, c.green, c.blue); }

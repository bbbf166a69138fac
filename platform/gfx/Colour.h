#pragma once

#include <cstdint>

// A colour written (red, green, blue). A palette-relative colour is matched against the
// logical palette selected into a surface when one is realised; without a palette it is an
// ordinary colour.
struct Colour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool paletteRelative = false;

    friend bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour Rgb(int red, int green, int blue)
{
    return {static_cast<uint8_t>(red), static_cast<uint8_t>(green), static_cast<uint8_t>(blue), false};
}
constexpr Colour PaletteRgb(int red, int green, int blue)
{
    return {static_cast<uint8_t>(red), static_cast<uint8_t>(green), static_cast<uint8_t>(blue), true};
}

// Pixels of colour surfaces are 32-bit 0xFFRRGGBB words (the layout of Qt's RGB32 images).
using Pixel = uint32_t;
constexpr Pixel ToPixel(Colour c) { return 0xFF000000u | (uint32_t(c.red) << 16) | (uint32_t(c.green) << 8) | c.blue; }
constexpr Colour FromPixel(Pixel p) { return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

namespace colours {
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
}

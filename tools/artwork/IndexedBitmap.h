#pragma once

#include "platform/gfx/Colour.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct PixelImage;

// A picture of palette indices, one byte per pixel, rows top to bottom.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;

    uint8_t At(int x, int y) const { return indices[size_t(y) * size_t(width) + size_t(x)]; }
};

namespace artwork {

// The palette entry closest to colour (squared distance in RGB); the lowest index wins a tie.
int NearestIndex(Colour colour, std::span<const Colour> palette);

// Maps every pixel of a 32-bit image to its nearest palette entry.
IndexedImage Quantise(const PixelImage& image, std::span<const Colour> palette);

// A complete 4-bit indexed BMP file (BITMAPINFOHEADER, uncompressed, bottom-up rows padded to
// 4 bytes, a colour table of palette.size() entries, biClrUsed = palette.size()). The palette
// holds 1 to 16 colours and every index of image must be below its size.
std::vector<uint8_t> EncodeBmp4(const IndexedImage& image, std::span<const Colour> palette);
// The same with one byte per pixel and a palette of 1 to 256 colours.
std::vector<uint8_t> EncodeBmp8(const IndexedImage& image, std::span<const Colour> palette);

// Writes bytes to path; false when the file cannot be written completely.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}

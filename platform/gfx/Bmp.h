#pragma once

#include "platform/gfx/Gdi.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// What the headers of a BMP file say, read without trusting any field of it.
struct BmpHeader {
    int width = 0;
    int height = 0;                        // rows, whatever the stored direction
    int bitsPerPixel = 0;                  // 1, 4, 8, 16, 24 or 32
    std::vector<PaletteEntry> colourTable; // for 1-, 4- and 8-bit images: the used entries
    size_t pixelOffset = 0;                // where the rows start in the file
    uint32_t compression = 0;              // 0: plain rows
    bool topDown = false;                  // rows stored from the top
};

// Largest picture accepted from a file, in pixels per side and in all.
constexpr int kMaxBitmapSide = 16384;
constexpr int64_t kMaxBitmapPixels = int64_t(1) << 26;

// Parses the file header, the information header (the 12-byte core form or the 40-byte and
// longer forms) and the colour table. Returns nothing for a file that is too short, has the wrong
// signature, an unknown header size, a plane count other than 1, an unknown bit depth, a size of
// 0 or beyond the limits above, more colours than its depth allows, a colour table that runs past
// the end, or pixel data that starts outside the file.
std::optional<BmpHeader> ParseBmpHeader(const uint8_t* data, size_t size);

// The pixels (0xFFRRGGBB) of a file with plain rows of 1, 4, 8, 24 or 32 bits that all lie inside
// the file; nothing for any other file. An index past the colour table gives black.
std::optional<PixelImage> DecodePlainBmp(const uint8_t* data, size_t size, const BmpHeader& header);

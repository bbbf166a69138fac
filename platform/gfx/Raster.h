#pragma once

#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

#include <cstdint>

// The pixel loops beneath CDC. They work in device coordinates on one PixelImage and take
// rectangles that the caller has already clipped to the image, except for lines, which clip
// themselves. They know nothing of surfaces, origins or palettes.
namespace raster {

// Sets every pixel of rect (inside the image) to value.
void Fill(PixelImage& image, const Rect& rect, Pixel value);

// How source pixels turn into destination pixels before the raster operation combines them.
struct BlitConversion {
    // Colour source into a monochrome destination: 1 where the source pixel's colour equals
    // sourceBackground, 0 elsewhere.
    Pixel sourceBackground = 0;
    // Monochrome source into a colour destination: 1 becomes one, 0 becomes zero.
    Pixel one = 0xFFFFFFFFu;
    Pixel zero = 0xFF000000u;
};

// Combines the source pixels at sourceTopLeft with the destination pixels of destRect (inside
// the destination) by op. The source rectangle of the same size must lie inside the source.
// Source and destination may be the same image with overlapping rectangles: the result is as if
// the whole source had been read first. Colour results always keep an opaque alpha byte.
// Returns a rectangle that holds every destination pixel the blit changed: for a plain copy
// between images of one kind only what differed (empty when nothing did), else destRect.
Rect Blit(PixelImage& dest, const Rect& destRect, const PixelImage& source, Point sourceTopLeft, RasterOp op,
          const BlitConversion& conversion);

// A line between two device points; coordinates may be anywhere in the 64-bit range that a
// 32-bit logical coordinate plus a 32-bit origin can reach.
struct Line {
    int64_t x0 = 0;
    int64_t y0 = 0;
    int64_t x1 = 0;
    int64_t y1 = 0;
};

// Sets the pixels of the integer Bresenham line from (x0, y0) towards (x1, y1) that lie inside
// clip (which must lie inside the image), never the end pixel. Pixel i (0 <= i < n, n the larger
// of |dx| and |dy|) steps i along the major axis and floor((2 i m + n) / (2 n)) along the minor
// one, m being the smaller of |dx| and |dy|: the pixels of the usual error-term loop. Only the
// pixels inside clip are visited, so a line of any length costs at most the clip's extent.
// Returns the rectangle of the pixels set (empty when none).
Rect DrawLine(PixelImage& image, const Line& line, const Rect& clip, Pixel value);

}

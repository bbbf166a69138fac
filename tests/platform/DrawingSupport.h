#pragma once

#include "platform/gfx/DC.h"
#include "tests/support/TestSurface.h"

#include <memory>
#include <set>
#include <utility>

using PixelSet = std::set<std::pair<int, int>>;

// The pixels of an image that differ from background.
inline PixelSet PixelsNotEqual(const PixelImage& image, Pixel background)
{
    PixelSet set;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y) != background)
                set.insert({x, y});
        }
    }
    return set;
}

// The bounding box of a set of pixels (empty for an empty set).
inline Rect BoundingBox(const PixelSet& set)
{
    Rect box;
    for (const auto& [x, y] : set)
        box = box.United({x, y, x + 1, y + 1});
    return box;
}

// The scaled surface's lines: at n times the pixels a line of any direction is n pixels thick
// across its major axis, starts at its first pixel's block and stops where its end pixel's
// block begins (the shapes of the real pictures are checked in tests/display).
#include "platform/gfx/ScaledDC.h"

#include <gtest/gtest.h>

TEST(ScaledSurface, LinesAreScalePixelsThickAndEndWhereTheEndBlockBegins)
{
    struct Case {
        Point from, to;
        bool alongX;
    };
    const Case cases[] = {{{2, 3}, {14, 8}, true}, {{14, 8}, {2, 3}, true}, {{4, 9}, {4, 1}, false},
                          {{3, 2}, {6, 12}, false}, {{9, 5}, {3, 5}, true}};
    for (int n = 2; n <= CScaledDC::kMaxScale; ++n) {
        for (const Case& c : cases) {
            CScaledDC dc({16, 16}, n);
            dc.SelectStockObject(StockObject::WhitePen);
            dc.MoveTo(c.from.x, c.from.y);
            dc.LineTo(c.to.x, c.to.y);
            const PixelImage& image = dc.Image();
            // Pixels per row or column of the major axis, over the blocks the line runs through.
            const int first = c.alongX ? std::min(c.from.x, c.to.x + 1) : std::min(c.from.y, c.to.y + 1);
            const int last = c.alongX ? std::max(c.from.x + 1, c.to.x) : std::max(c.from.y + 1, c.to.y);
            for (int major = 0; major < 16 * n; ++major) {
                int inked = 0;
                for (int minor = 0; minor < 16 * n; ++minor)
                    inked += FromPixel(c.alongX ? image.At(major, minor) : image.At(minor, major)) == colours::kWhite;
                EXPECT_EQ(inked, major >= first * n && major < last * n ? n : 0)
                    << "line (" << c.from.x << ", " << c.from.y << ") to (" << c.to.x << ", " << c.to.y << ") at "
                    << n << ", " << (c.alongX ? "column " : "row ") << major;
            }
        }
    }
}

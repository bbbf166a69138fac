// The scaled surface: what one drawing call covers at 2, 3 and 4 times the pixels, and that
// scale 1 is the memory surface itself.
#include "platform/gfx/ScaledDC.h"

#include "../support/TestSurface.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr Colour kInk = Rgb(255, 255, 255);

bool Inked(const PixelImage& image, int x, int y) { return FromPixel(image.At(x, y)) == kInk; }

// How many inked pixels the image has, and the rectangle that holds them.
struct Coverage {
    int count = 0;
    Rect bounds;
};

Coverage Cover(const PixelImage& image)
{
    Coverage coverage;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (Inked(image, x, y)) {
                ++coverage.count;
                coverage.bounds = coverage.bounds.United(Rect::FromSize(x, y, 1, 1));
            }
    return coverage;
}

void WhitePen(CDC& dc) { dc.SelectStockObject(StockObject::WhitePen); }

} // namespace

// Each call at scale n covers exactly the pixels of its 1-pixel picture enlarged n times: a dot,
// a rectangle, a horizontal and a vertical line (end pixel left out), after the origin.
TEST(ScaledSurface, AxisShapesCoverTheirScaledPixelsExactly)
{
    struct Case {
        const char* what;
        std::function<void(CDC&)> draw;
        Rect unscaled; // what it covers at scale 1
    };
    const Case cases[] = {
        {"dot", [](CDC& dc) { dc.SetPixel(7, 2, kInk); }, {7, 2, 8, 3}},
        {"2 x 2 square", [](CDC& dc) { dc.FillSolidRect(Rect::FromSize(3, 4, 2, 2), kInk); }, {3, 4, 5, 6}},
        {"horizontal line", [](CDC& dc) { WhitePen(dc); dc.MoveTo(3, 5); dc.LineTo(9, 5); }, {3, 5, 9, 6}},
        {"vertical line", [](CDC& dc) { WhitePen(dc); dc.MoveTo(4, 9); dc.LineTo(4, 1); }, {4, 2, 5, 10}},
        {"polyline side", [](CDC& dc) { WhitePen(dc); const Point p[] = {{1, 1}, {1, 6}}; dc.Polyline(p, 2); }, {1, 1, 2, 6}},
        {"after the origin", [](CDC& dc) { dc.SetViewportOrg(5, 3); dc.SetPixel(1, 1, kInk); }, {6, 4, 7, 5}},
    };
    for (int scale = 1; scale <= CScaledDC::kMaxScale; ++scale) {
        for (const Case& c : cases) {
            CScaledDC dc({12, 12}, scale);
            c.draw(dc);
            const Coverage coverage = Cover(dc.Image());
            const Rect& u = c.unscaled;
            const Rect expected{u.left * scale, u.top * scale, u.right * scale, u.bottom * scale};
            EXPECT_EQ(coverage.bounds, expected) << c.what << " at scale " << scale;
            EXPECT_EQ(coverage.count, expected.Width() * expected.Height()) << c.what << " at scale " << scale;
        }
    }
}

// A slanted line is redrawn at the finer slope, n pixels thick across its major axis in every
// column, from the scaled start up to (not including) the scaled end column.
TEST(ScaledSurface, SlantedLineIsScalePixelsThickInEveryColumn)
{
    for (int scale = 2; scale <= CScaledDC::kMaxScale; ++scale) {
        CScaledDC dc({20, 20}, scale);
        WhitePen(dc);
        dc.MoveTo(2, 3);
        dc.LineTo(14, 8);
        const PixelImage& image = dc.Image();
        for (int x = 0; x < image.width; ++x) {
            int inked = 0;
            for (int y = 0; y < image.height; ++y)
                inked += Inked(image, x, y);
            const bool onLine = x >= 2 * scale && x < 14 * scale;
            EXPECT_EQ(inked, onLine ? scale : 0) << "column " << x << " at scale " << scale;
        }
        EXPECT_TRUE(Inked(image, 2 * scale, 3 * scale));
        EXPECT_FALSE(Inked(image, 14 * scale, 8 * scale)) << "the end pixel stays out";
    }
}

// Text is drawn with the font at n times its height, so its ink grows about n times; the picture
// is never an enlarged copy (block copies draw nothing).
TEST(ScaledSurface, TextGrowsWithTheScaleAndBlocksAreNotCopied)
{
    auto inkHeight = [](int scale) {
        CScaledDC dc({200, 40}, scale);
        dc.SetTextColor(kInk);
        dc.SetBkMode(BackgroundMode::Transparent);
        dc.DrawText("B = 0.8 kG", Rect{10, 10, 190, 30}, kTextLeft);
        const Coverage coverage = Cover(dc.Image());
        EXPECT_GE(coverage.bounds.left, 10 * scale);
        EXPECT_GE(coverage.bounds.top, 10 * scale);
        return coverage.bounds.Height();
    };
    const int single = inkHeight(1);
    ASSERT_GT(single, 5);
    for (int scale = 2; scale <= CScaledDC::kMaxScale; ++scale) {
        EXPECT_GE(inkHeight(scale), single * scale - scale) << scale;
        EXPECT_LE(inkHeight(scale), single * scale + scale) << scale;
    }
    TestSurface source(4, 4, kInk);
    CScaledDC scaled({4, 4}, 2);
    EXPECT_FALSE(scaled.BitBlt(0, 0, 4, 4, &source.dc, 0, 0, RasterOp::SrcCopy));
    EXPECT_EQ(Cover(scaled.Image()).count, 0);
}

// At scale 1 the surface is a plain memory surface: the same calls give the same pixels.
TEST(ScaledSurface, ScaleOneDrawsAsAMemorySurface)
{
    const auto draw = [](CDC& dc) {
        dc.SetViewportOrg(3, -2);
        dc.SelectStockObject(StockObject::WhitePen);
        dc.MoveTo(0, 40);
        dc.LineTo(57, 13);
        const Point zigzag[] = {{5, 5}, {30, 44}, {50, 6}};
        dc.Polyline(zigzag, 3);
        dc.FillSolidRect(Rect{20, 20, 23, 22}, Rgb(255, 0, 0));
        dc.SetTextColor(kInk);
        dc.DrawText("D = 6.3 CM", Rect{0, 0, 60, 20}, kTextCentre);
    };
    TestSurface plain(64, 48, colours::kBlack);
    CScaledDC scaled({64, 48}, 1);
    draw(plain.dc);
    draw(scaled);
    EXPECT_EQ(scaled.Image().pixels, plain.Image().pixels);
}

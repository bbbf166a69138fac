#include "DrawingSupport.h"

#include "platform/gfx/DC.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

constexpr Pixel kBlackPixel = 0xFF000000u;
constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);

TEST(Fill, CoversLeftToRightMinusOneAndTopToBottomMinusOne)
{
    TestSurface surface(10, 10);
    surface.dc.FillSolidRect({2, 3, 5, 7}, kRed);
    EXPECT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel).size(), 12u);
    EXPECT_EQ(surface.At(4, 6), ToPixel(kRed));     // last column and row inside
    EXPECT_EQ(surface.At(5, 6), kBlackPixel);       // first column outside
    EXPECT_EQ(surface.At(4, 7), kBlackPixel);       // first row outside
    EXPECT_EQ(surface.At(2, 3), ToPixel(kRed));
    EXPECT_EQ(surface.At(1, 3), kBlackPixel);
}

TEST(Fill, ComplementaryFillsCoverTheSurfaceOnce)
{
    TestSurface surface(9, 7);
    surface.dc.FillSolidRect({0, 0, 4, 7}, Rgb(1, 0, 0));
    surface.dc.FillSolidRect({4, 0, 9, 3}, Rgb(2, 0, 0));
    surface.dc.FillSolidRect({4, 3, 9, 7}, Rgb(3, 0, 0));
    int counts[4] = {};
    for (Pixel p : surface.Image().pixels)
        ++counts[(p >> 16) & 3];
    EXPECT_EQ(counts[0], 0);
    EXPECT_EQ(counts[1], 28);
    EXPECT_EQ(counts[2], 15);
    EXPECT_EQ(counts[3], 20);
}

TEST(Fill, InvertedOrEmptyRectanglesDrawNothing)
{
    TestSurface surface(8, 8);
    surface.dc.FillSolidRect({5, 5, 2, 7}, kRed);
    surface.dc.FillSolidRect({3, 3, 3, 6}, kRed);
    EXPECT_TRUE(PixelsNotEqual(surface.Image(), kBlackPixel).empty());
}

TEST(Fill, HugeRectanglesAndOriginsClipWithoutOverflow)
{
    TestSurface surface(8, 8);
    surface.dc.SetViewportOrg(INT_MAX, INT_MIN);
    surface.dc.FillSolidRect({INT_MIN, INT_MAX - 2, INT_MAX, INT_MAX}, kRed);
    // Device rows INT_MAX - 2 + INT_MIN = -3 .. -1: above the surface.
    EXPECT_TRUE(PixelsNotEqual(surface.Image(), kBlackPixel).empty());
    // Edges one past the int range on both sides once the origin is added.
    surface.dc.SetViewportOrg(1, -1);
    surface.dc.FillSolidRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kRed);
    EXPECT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel).size(), 64u);
}

TEST(Fill, FillRectUsesTheBrushAndANullBrushDrawsNothing)
{
    TestSurface surface(4, 4);
    CBrush brush(Rgb(0, 9, 0));
    surface.dc.FillRect({0, 0, 2, 2}, &brush);
    CBrush uncreated;
    surface.dc.FillRect({2, 2, 4, 4}, &uncreated);
    surface.dc.FillRect({2, 2, 4, 4}, nullptr);
    EXPECT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel).size(), 4u);
    EXPECT_EQ(surface.At(1, 1), ToPixel(Rgb(0, 9, 0)));
}

TEST(Fill, FillingChangesNoColourOfTheSurface)
{
    TestSurface surface(4, 4);
    surface.dc.SetBkColor(Rgb(1, 2, 3));
    surface.dc.SetTextColor(Rgb(4, 5, 6));
    surface.dc.FillSolidRect({0, 0, 4, 4}, kRed);
    EXPECT_EQ(surface.dc.GetBkColor(), Rgb(1, 2, 3));
    EXPECT_EQ(surface.dc.GetTextColor(), Rgb(4, 5, 6));
}

TEST(Clip, OriginShiftsDrawingButNotTheClip)
{
    TestSurface surface(10, 10);
    surface.dc.SetViewportOrg(3, 2);
    surface.dc.SetClipRect({0, 0, 6, 5}); // device coordinates
    surface.dc.FillSolidRect({-10, -10, 20, 20}, kRed);
    EXPECT_EQ(BoundingBox(PixelsNotEqual(surface.Image(), kBlackPixel)), (Rect{0, 0, 6, 5}));
    EXPECT_EQ(surface.dc.GetClipBox(), (Rect{-3, -2, 3, 3}));
    surface.dc.SetPixel(0, 0, Rgb(0, 0, 7));
    EXPECT_EQ(surface.At(3, 2), ToPixel(Rgb(0, 0, 7)));
    EXPECT_EQ(surface.dc.GetPixel(0, 0), Rgb(0, 0, 7));
}

TEST(Clip, RegionsClipLikeRectanglesAndNullRemovesTheClip)
{
    TestSurface surface(10, 10);
    CRgn region;
    region.CreateRectRgn(2, 2, 4, 4);
    surface.dc.SelectClipRgn(&region);
    surface.dc.FillSolidRect({0, 0, 10, 10}, kRed);
    EXPECT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel).size(), 4u);
    surface.dc.SelectClipRgn(nullptr);
    EXPECT_EQ(surface.dc.GetClipBox(), (Rect{0, 0, 10, 10}));
    surface.dc.FillSolidRect({0, 0, 10, 10}, kRed);
    EXPECT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel).size(), 100u);
}

TEST(Clip, AClipOutsideTheTargetDrawsNothing)
{
    TestSurface surface(4, 4);
    surface.dc.SetClipRect({4, 0, 8, 4});
    surface.dc.FillSolidRect({0, 0, 8, 8}, kRed);
    surface.dc.SetPixel(3, 3, kRed);
    surface.dc.MoveTo(0, 0);
    surface.dc.SelectStockObject(StockObject::WhitePen);
    surface.dc.LineTo(4, 4);
    EXPECT_TRUE(PixelsNotEqual(surface.Image(), kBlackPixel).empty());
    EXPECT_EQ(surface.dc.GetClipBox(), Rect{});
}

TEST(Surface, GetPixelOutsideTheTargetReadsBlack)
{
    TestSurface surface(2, 2);
    surface.dc.FillSolidRect({0, 0, 2, 2}, kRed);
    EXPECT_EQ(surface.dc.GetPixel(1, 1), kRed);
    EXPECT_EQ(surface.dc.GetPixel(2, 1), colours::kBlack);
    EXPECT_EQ(surface.dc.GetPixel(-1, 0), colours::kBlack);
}

TEST(Surface, ColoursOnMonochromeTargetsGoToTheNearerOfBlackAndWhite)
{
    TestSurface surface(4, 1, SurfaceBitmap::Monochrome);
    surface.dc.SetPixel(0, 0, Rgb(128, 128, 127)); // sum 383: nearer white
    surface.dc.SetPixel(1, 0, Rgb(128, 127, 127)); // sum 382: nearer black
    surface.dc.SetPixel(2, 0, colours::kWhite);
    EXPECT_EQ(surface.Image().pixels, (std::vector<Pixel>{1, 0, 1, 0}));
    EXPECT_EQ(surface.dc.GetPixel(0, 0), colours::kWhite);
}

TEST(Surface, SelectingReturnsThePreviousObjectAndNullPutsTheDefaultBack)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap first, second, uncreated;
    first.CreateCompatibleBitmap(3, 3);
    second.CreateCompatibleBitmap(5, 5);
    EXPECT_EQ(dc.SelectObject(&first), nullptr);
    EXPECT_EQ(dc.SelectObject(&second), &first);
    EXPECT_EQ(dc.Target()->width, 5);
    EXPECT_EQ(dc.SelectObject(&uncreated), nullptr);
    EXPECT_EQ(dc.Target()->width, 5);
    EXPECT_EQ(dc.SelectObject(static_cast<CBitmap*>(nullptr)), &second);
    EXPECT_TRUE(dc.Target()->monochrome);
    EXPECT_EQ(dc.SetViewportOrg(4, 5), (Point{0, 0}));
    EXPECT_EQ(dc.SetViewportOrg(0, 0), (Point{4, 5}));
    EXPECT_EQ(dc.SetBkMode(BackgroundMode::Transparent), BackgroundMode::Opaque);
}

TEST(Surface, BitmapsGoOnlyIntoMemorySurfaces)
{
    PixelImage image(4, 4);
    CDC attached;
    attached.AttachImage(&image);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(2, 2);
    EXPECT_EQ(attached.SelectObject(&bitmap), nullptr);
    EXPECT_EQ(attached.Target(), &image);
}

TEST(Flush, PresentsTheUnionOfWhatWasDrawnOnceAndThenNothing)
{
    PixelImage image(50, 40);
    std::vector<Rect> presented;
    CDC dc;
    dc.AttachImage(&image, [&](const Rect& r) { presented.push_back(r); });
    dc.SetViewportOrg(1, 1);
    dc.FillSolidRect({2, 3, 4, 5}, kRed);
    dc.SelectStockObject(StockObject::WhitePen);
    dc.MoveTo(10, 20);
    dc.LineTo(20, 15);
    dc.Flush();
    ASSERT_EQ(presented.size(), 1u);
    // Fill: device (3, 4)-(5, 6); line: device (11, 21) to (20, 16), end pixel (21, 16) left out.
    EXPECT_EQ(presented[0], (Rect{3, 4, 21, 22}));
    dc.Flush();
    EXPECT_EQ(presented.size(), 1u);
    dc.FillSolidRect({-100, -100, -50, -50}, kRed); // entirely clipped
    dc.Flush();
    EXPECT_EQ(presented.size(), 1u);
}

TEST(Flush, ASteepBackwardLineMarksTheRectangleOfItsPixels)
{
    PixelImage image(50, 40);
    std::vector<Rect> presented;
    CDC dc;
    dc.AttachImage(&image, [&](const Rect& r) { presented.push_back(r); });
    dc.SetViewportOrg(1, 1);
    dc.SelectStockObject(StockObject::WhitePen);
    dc.MoveTo(40, 30);
    dc.LineTo(37, 5);
    dc.Flush();
    // Device (41, 31) up to (38, 6), which is left out: rows 31 down to 7, columns 41 to 38.
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_EQ(presented[0], (Rect{38, 7, 42, 32}));
    EXPECT_EQ(BoundingBox(PixelsNotEqual(image, kBlackPixel)), presented[0]);
}

TEST(Flush, BlitsAndPixelsMarkTheirRectangles)
{
    PixelImage image(30, 30);
    std::vector<Rect> presented;
    CDC dc;
    dc.AttachImage(&image, [&](const Rect& r) { presented.push_back(r); });
    TestSurface source(4, 4);
    source.dc.FillSolidRect({0, 0, 4, 4}, kBlue);
    dc.BitBlt(28, 1, 4, 4, &source.dc, 0, 0, RasterOp::SrcCopy);
    dc.Flush();
    dc.SetPixel(7, 9, kRed);
    dc.Flush();
    ASSERT_EQ(presented.size(), 2u);
    EXPECT_EQ(presented[0], (Rect{28, 1, 30, 5}));
    EXPECT_EQ(presented[1], (Rect{7, 9, 8, 10}));
}

// A frame copied over the last one presents only the pixels that differ.
TEST(Flush, ACopyPresentsOnlyThePixelsItChanged)
{
    PixelImage image(40, 30);
    std::vector<Rect> presented;
    CDC dc;
    dc.AttachImage(&image, [&](const Rect& r) { presented.push_back(r); });
    TestSurface frame(40, 30);
    frame.dc.FillSolidRect({0, 0, 40, 30}, kBlue);
    dc.BitBlt(0, 0, 40, 30, &frame.dc, 0, 0, RasterOp::SrcCopy);
    dc.Flush();
    dc.BitBlt(0, 0, 40, 30, &frame.dc, 0, 0, RasterOp::SrcCopy);
    dc.Flush();
    frame.dc.SetPixel(3, 20, kRed);
    frame.dc.SetPixel(33, 7, kRed);
    dc.BitBlt(0, 0, 40, 30, &frame.dc, 0, 0, RasterOp::SrcCopy);
    dc.Flush();
    ASSERT_EQ(presented.size(), 2u);
    EXPECT_EQ(presented[0], (Rect{0, 0, 40, 30}));
    EXPECT_EQ(presented[1], (Rect{3, 7, 34, 21}));
    EXPECT_EQ(image.At(33, 7), ToPixel(kRed));
    EXPECT_EQ(image.At(3, 20), ToPixel(kRed));
}

TEST(Flush, AMemorySurfaceHasNothingToPresentAndAnAttachedOneDrawsOnTheImage)
{
    TestSurface surface(4, 4);
    surface.dc.FillSolidRect({0, 0, 4, 4}, kRed);
    surface.dc.Flush();
    EXPECT_EQ(surface.At(0, 0), ToPixel(kRed));
    PixelImage image(3, 3);
    CDC dc;
    dc.AttachImage(&image);
    dc.FillSolidRect({1, 1, 2, 2}, kRed);
    dc.Flush(); // no presenter: nothing to call
    EXPECT_EQ(image.At(1, 1), ToPixel(kRed));
    EXPECT_EQ(image.At(0, 0), kBlackPixel);
}

}

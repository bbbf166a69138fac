#include "DrawingSupport.h"

#include "platform/gfx/DC.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr Colour kInk = Rgb(255, 255, 255);
constexpr Colour kPaper = Rgb(0, 0, 255);
constexpr Pixel kBlackPixel = 0xFF000000u;
constexpr const char* kText = "B = 0.8 kG";

struct TextSurface : TestSurface {
    CFont font;
    explicit TextSurface(int width = 200, int height = 60) : TestSurface(width, height)
    {
        font.CreateFont(-13, 0, 0, 0, 400, false, false, false, 1, 2, 1, 0, 0, "MS Sans Serif");
        dc.SelectObject(&font);
        dc.SetTextColor(kInk);
        dc.SetBkColor(kPaper);
    }
};

PixelSet Ink(const PixelImage& image)
{
    PixelSet ink;
    for (const auto& p : PixelsNotEqual(image, kBlackPixel)) {
        if (image.At(p.first, p.second) == ToPixel(kInk))
            ink.insert(p);
    }
    return ink;
}

PixelSet Shifted(const PixelSet& set, int dx, int dy)
{
    PixelSet moved;
    for (const auto& [x, y] : set)
        moved.insert({x + dx, y + dy});
    return moved;
}

TEST(Fonts, MissingFacesAndMsSansSerifBecomeDejaVuSans)
{
    CFont msSans, missing;
    ASSERT_TRUE(msSans.CreateFont(-13, 0, 0, 0, 400, false, false, false, 1, 2, 1, 0, 0, "MS Sans Serif"));
    ASSERT_TRUE(missing.CreateFont(-13, 0, 0, 0, 700, false, false, false, 1, 2, 1, 0, 0, "No Such Face 42"));
    EXPECT_EQ(msSans.ResolvedFace(), "DejaVu Sans");
    EXPECT_EQ(missing.ResolvedFace(), "DejaVu Sans");
    EXPECT_EQ(msSans.Description().faceName, "MS Sans Serif");
}

TEST(Fonts, TallerCharactersMakeTallerAndWiderText)
{
    TextSurface small;
    const Size smallExtent = small.dc.GetTextExtent(kText);
    CFont large;
    large.CreateFont(-26, 0, 0, 0, 400, false, false, false, 1, 2, 1, 0, 0, "MS Sans Serif");
    small.dc.SelectObject(&large);
    const Size largeExtent = small.dc.GetTextExtent(kText);
    EXPECT_GT(smallExtent.width, 20);
    EXPECT_GE(smallExtent.height, 13);
    EXPECT_GT(largeExtent.width, smallExtent.width * 3 / 2);
    EXPECT_GT(largeExtent.height, smallExtent.height * 3 / 2);
}

TEST(Fonts, APositiveHeightIsTheCellHeight)
{
    TextSurface surface;
    CFont cell;
    cell.CreateFont(20, 0, 0, 0, 400, false, false, false, 1, 2, 1, 0, 0, "MS Sans Serif");
    surface.dc.SelectObject(&cell);
    const int height = surface.dc.GetTextExtent(kText).height;
    EXPECT_LE(height, 20);
    EXPECT_GE(height, 17);
}

TEST(Text, IsCrispInTheTextColourOnly)
{
    TextSurface surface;
    surface.dc.SetBkMode(BackgroundMode::Transparent);
    surface.dc.DrawText(kText, {10, 10, 190, 40}, kTextLeft | kTextSingleLine);
    const PixelSet changed = PixelsNotEqual(surface.Image(), kBlackPixel);
    EXPECT_GT(changed.size(), 20u);
    EXPECT_EQ(changed, Ink(surface.Image()));
}

TEST(Text, LeftTextStartsAtTheLeftEdgeAndTheTop)
{
    TextSurface surface;
    surface.dc.SetBkMode(BackgroundMode::Transparent);
    const Rect rect{10, 10, 190, 40};
    surface.dc.DrawText(kText, rect, kTextLeft | kTextSingleLine);
    const Rect box = BoundingBox(Ink(surface.Image()));
    const Size extent = surface.dc.GetTextExtent(kText);
    EXPECT_GE(box.left, 10);
    EXPECT_LE(box.left, 12);
    EXPECT_GE(box.top, 10);
    EXPECT_LE(box.bottom, 10 + extent.height);
    EXPECT_LE(box.right, 10 + extent.width + 1);
}

TEST(Text, CentredTextIsTheLeftTextShiftedByHalfTheSpareWidth)
{
    const Rect rect{10, 10, 191, 40};
    TextSurface left, centred;
    left.dc.SetBkMode(BackgroundMode::Transparent);
    centred.dc.SetBkMode(BackgroundMode::Transparent);
    left.dc.DrawText(kText, rect, kTextLeft);
    centred.dc.DrawText(kText, rect, kTextCentre | kTextSingleLine);
    const int spare = rect.Width() - left.dc.GetTextExtent(kText).width;
    EXPECT_EQ(Ink(centred.Image()), Shifted(Ink(left.Image()), spare / 2, 0));
}

TEST(Text, OpaqueModeFillsTheTextCellWithTheBackgroundColour)
{
    TextSurface surface;
    const Rect rect{20, 5, 190, 50};
    surface.dc.DrawText(kText, rect, kTextLeft);
    const Size extent = surface.dc.GetTextExtent(kText);
    const Rect cell = Rect::FromSize(20, 5, extent.width, extent.height);
    EXPECT_EQ(BoundingBox(PixelsNotEqual(surface.Image(), kBlackPixel)), cell);
    for (const auto& [x, y] : PixelsNotEqual(surface.Image(), kBlackPixel)) {
        const Pixel p = surface.At(x, y);
        ASSERT_TRUE(p == ToPixel(kInk) || p == ToPixel(kPaper));
    }
    EXPECT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel).size(), size_t(cell.Width() * cell.Height()));
    EXPECT_GT(Ink(surface.Image()).size(), 20u);
}

TEST(Text, TransparentModeLeavesTheBackgroundAlone)
{
    TextSurface opaque, transparent;
    transparent.dc.SetBkMode(BackgroundMode::Transparent);
    const Rect rect{20, 5, 190, 50};
    opaque.dc.DrawText(kText, rect, kTextLeft);
    transparent.dc.DrawText(kText, rect, kTextLeft);
    EXPECT_EQ(Ink(opaque.Image()), Ink(transparent.Image()));
    EXPECT_EQ(PixelsNotEqual(transparent.Image(), kBlackPixel), Ink(transparent.Image()));
}

TEST(Text, TheClipCutsTheTextAndLeavesTheRestAsItWas)
{
    TextSurface whole, clipped;
    whole.dc.SetBkMode(BackgroundMode::Transparent);
    clipped.dc.SetBkMode(BackgroundMode::Transparent);
    const Rect rect{10, 10, 190, 40};
    whole.dc.DrawText(kText, rect, kTextLeft);
    clipped.dc.SetClipRect({0, 0, 30, 60});
    clipped.dc.DrawText(kText, rect, kTextLeft);
    PixelSet expected;
    for (const auto& p : Ink(whole.Image())) {
        if (p.first < 30)
            expected.insert(p);
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_LT(expected.size(), Ink(whole.Image()).size());
    EXPECT_EQ(Ink(clipped.Image()), expected);
}

TEST(Text, TheRectangleClipsUnlessNoClipIsAsked)
{
    TextSurface clippedByRect, unclipped, whole;
    for (TextSurface* s : {&clippedByRect, &unclipped, &whole})
        s->dc.SetBkMode(BackgroundMode::Transparent);
    whole.dc.DrawText(kText, {10, 10, 190, 40}, kTextLeft);
    clippedByRect.dc.DrawText(kText, {10, 10, 30, 40}, kTextLeft);
    unclipped.dc.DrawText(kText, {10, 10, 30, 40}, kTextLeft | kTextNoClip);
    EXPECT_EQ(Ink(unclipped.Image()), Ink(whole.Image()));
    EXPECT_LE(BoundingBox(Ink(clippedByRect.Image())).right, 30);
    EXPECT_FALSE(Ink(clippedByRect.Image()).empty());
}

TEST(Text, TheOriginShiftsTheText)
{
    TextSurface plain, shifted;
    plain.dc.SetBkMode(BackgroundMode::Transparent);
    shifted.dc.SetBkMode(BackgroundMode::Transparent);
    shifted.dc.SetViewportOrg(7, 3);
    plain.dc.DrawText(kText, {10, 10, 190, 40}, kTextCentre);
    shifted.dc.DrawText(kText, {10, 10, 190, 40}, kTextCentre);
    EXPECT_EQ(Ink(shifted.Image()), Shifted(Ink(plain.Image()), 7, 3));
}

TEST(Text, StopsAtTheFirstLineBreak)
{
    TextSurface one, two;
    one.dc.SetBkMode(BackgroundMode::Transparent);
    two.dc.SetBkMode(BackgroundMode::Transparent);
    one.dc.DrawText("kG", {0, 0, 100, 50}, kTextLeft);
    two.dc.DrawText("kG\nMeV", {0, 0, 100, 50}, kTextLeft);
    EXPECT_EQ(Ink(one.Image()), Ink(two.Image()));
    EXPECT_EQ(one.dc.GetTextExtent("kG"), two.dc.GetTextExtent("kG\r\nMeV"));
}

TEST(Text, DrawsOnMonochromeSurfaces)
{
    TestSurface mono(60, 20, SurfaceBitmap::Monochrome);
    mono.dc.SetTextColor(colours::kWhite);
    mono.dc.SetBkMode(BackgroundMode::Transparent);
    mono.dc.DrawText("Hi", {0, 0, 60, 20}, kTextLeft);
    TextSurface colour(60, 20);
    colour.dc.SelectObject(static_cast<CFont*>(nullptr));
    colour.dc.SetBkMode(BackgroundMode::Transparent);
    colour.dc.DrawText("Hi", {0, 0, 60, 20}, kTextLeft);
    EXPECT_FALSE(PixelsNotEqual(mono.Image(), 0u).empty());
    EXPECT_EQ(PixelsNotEqual(mono.Image(), 0u), Ink(colour.Image()));
}

}

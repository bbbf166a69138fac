// A child window's drawing context counts origin and clip from the child's own corner, as the
// slider canvases expect when they clip to their dirty rows.

#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

using windowtest::ColourAt;
using windowtest::RecordingWnd;

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kWhite = Rgb(255, 255, 255);

TEST(AreaSurface, DeviceCoordinatesCountFromTheAreaCorner)
{
    PixelImage image(40, 30);
    CDC dc;
    dc.AttachImage(&image, {}, Rect{10, 5, 30, 25});
    EXPECT_EQ(dc.GetViewportOrg(), (Point{0, 0}));
    EXPECT_EQ(dc.GetClipBox(), (Rect{0, 0, 20, 20}));

    dc.SetPixel(0, 0, kRed);
    EXPECT_EQ(FromPixel(image.At(10, 5)), kRed);

    dc.SetViewportOrg(3, 4);
    EXPECT_EQ(dc.GetViewportOrg(), (Point{3, 4}));
    dc.SetPixel(0, 0, kBlue);
    EXPECT_EQ(FromPixel(image.At(13, 9)), kBlue);
}

TEST(AreaSurface, ClipIsInAreaCoordinatesAndNeverLeavesTheArea)
{
    PixelImage image(40, 30);
    CDC dc;
    dc.AttachImage(&image, {}, Rect{10, 5, 30, 25});
    dc.SetClipRect({2, 2, 4, 4});
    dc.FillSolidRect({0, 0, 20, 20}, kWhite);
    EXPECT_EQ(FromPixel(image.At(11, 6)), colours::kBlack);
    EXPECT_EQ(FromPixel(image.At(12, 7)), kWhite);
    EXPECT_EQ(FromPixel(image.At(13, 8)), kWhite);
    EXPECT_EQ(FromPixel(image.At(14, 9)), colours::kBlack);

    // A clip reaching past the area, and removing the clip, still stop at the area.
    dc.SetClipRect({-100, -100, 100, 100});
    dc.FillSolidRect({-50, -50, 50, 50}, kRed);
    EXPECT_EQ(FromPixel(image.At(9, 5)), colours::kBlack);
    EXPECT_EQ(FromPixel(image.At(10, 5)), kRed);
    EXPECT_EQ(FromPixel(image.At(29, 24)), kRed);
    EXPECT_EQ(FromPixel(image.At(30, 24)), colours::kBlack);
    dc.RemoveClip();
    dc.FillSolidRect({-50, -50, 50, 50}, kBlue);
    EXPECT_EQ(FromPixel(image.At(30, 25)), colours::kBlack);
    EXPECT_EQ(FromPixel(image.At(29, 24)), kBlue);
}

// A child scrolled partly out of its parent: its corner stays where it lies, off the image, and
// a context kept while it moves draws where it is now, its clip moving along.
TEST(AreaSurface, AreaPartlyOffTheImageAndMovingAreaKeepTheirCorner)
{
    PixelImage image(40, 30);
    CDC off;
    off.AttachImage(&image, {}, Rect{-10, -5, 20, 15});
    off.SetPixel(12, 7, kRed);
    EXPECT_EQ(FromPixel(image.At(2, 2)), kRed);

    Rect where{10, 5, 30, 25};
    CDC moving;
    moving.AttachImage(&image, {}, [&where] { return where; });
    moving.SetClipRect({0, 0, 4, 4});
    where = Rect{-2, 0, 18, 20};
    moving.FillSolidRect({0, 0, 20, 20}, kBlue);
    EXPECT_EQ(FromPixel(image.At(1, 3)), kBlue);
    EXPECT_EQ(FromPixel(image.At(2, 3)), colours::kBlack) << "the clip moved with the corner";
    EXPECT_EQ(FromPixel(image.At(10, 5)), colours::kBlack);
}

TEST(AreaSurface, FlushReportsImagePixels)
{
    PixelImage image(40, 30);
    std::vector<Rect> presented;
    CDC dc;
    dc.AttachImage(&image, [&](const Rect& r) { presented.push_back(r); }, Rect{10, 5, 30, 25});
    dc.FillSolidRect({1, 1, 3, 3}, kRed);
    dc.Flush();
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_EQ(presented[0], (Rect{11, 6, 13, 8}));
}

TEST(ChildContext, ClipAndOriginInTheChildsOwnCoordinates)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Parent", Rect::FromSize(0, 0, 200, 150)));
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(&window, {40, 30, 90, 70}));
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();
    platform::simulate::ProcessEvents();

    CClientDC dc(&child);
    CRgn dirty;
    dirty.CreateRectRgn(0, 10, 50, 12);
    dc.SelectClipRgn(&dirty);
    dc.FillSolidRect({0, 0, 50, 40}, kBlue);
    EXPECT_EQ(ColourAt(child, {0, 9}), kRed);
    EXPECT_EQ(ColourAt(child, {0, 10}), kBlue);
    EXPECT_EQ(ColourAt(child, {49, 11}), kBlue);
    EXPECT_EQ(ColourAt(child, {0, 12}), kRed);
    EXPECT_EQ(ColourAt(window, {39, 40}), kRed);
}

} // namespace

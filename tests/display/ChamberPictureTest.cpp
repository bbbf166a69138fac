#include "display/ChamberPicture.h"

#include "display/ProjectorLabels.h"
#include "display/ProjectorView.h"
#include "display/ScreenBox.h"
#include "display/ScreenChamber.h"
#include "physics/ChamberEvent.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/gfx/ImageFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

namespace {

Colour PixelAt(const PixelImage& image, int x, int y) { return FromPixel(image.At(x, y)); }

std::shared_ptr<ChamberEvent> CentreEvent(const ChamberData& conditions, int32_t colour)
{
    auto event = std::make_shared<ChamberEvent>(1, &conditions);
    TrackPoint p;
    p.colour = colour;
    event->Points().Append(p);
    return event;
}

bool InCaption(int x, int y) { return x >= 10 && x < 245 && y >= 10 && y < 25; }

} // namespace

TEST(ChamberPicture, FirstShowingHasTheBoxThePointsAndTheCaptionOnBlack)
{
    const ChamberData conditions(500.0, 0.8, 0.6);
    const auto picture = DrawFirstShowing(CentreEvent(conditions, kRed), conditions);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->width, 640);
    ASSERT_EQ(picture->height, 500);
    EXPECT_EQ(PixelAt(*picture, 0, 499), colours::kBlack);
    EXPECT_EQ(PixelAt(*picture, 639, 0), colours::kBlack);
    EXPECT_EQ(PixelAt(*picture, 275, 246), Rgb(51, 205, 255));  // corner (-,-,-)
    EXPECT_EQ(PixelAt(*picture, 322, 150), Rgb(0, 188, 0));     // Z axis
    EXPECT_EQ(PixelAt(*picture, 323, 224), Rgb(255, 0, 0));     // the point
    int captionWhite = 0, whiteElsewhereAbove = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 640; ++x)
            if (PixelAt(*picture, x, y) == colours::kWhite)
                ++(InCaption(x, y) ? captionWhite : whiteElsewhereAbove);
    EXPECT_GT(captionWhite, 50);
    EXPECT_EQ(whiteElsewhereAbove, 0);
}

// The caption shows the conditions it is given, so different conditions give a different text.
TEST(ChamberPicture, CaptionFollowsTheConditions)
{
    const ChamberData start(500.0, 0.8, 0.6), other(250.0, 3.5, 12.0);
    const auto a = DrawFirstShowing(CentreEvent(start, kRed), start);
    const auto b = DrawFirstShowing(CentreEvent(other, kRed), other);
    ASSERT_TRUE(a && b);
    int differentInCaption = 0, differentOutside = 0;
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 640; ++x)
            if (a->At(x, y) != b->At(x, y))
                ++(InCaption(x, y) ? differentInCaption : differentOutside);
    EXPECT_GT(differentInCaption, 0);
    EXPECT_EQ(differentOutside, 0);
}

TEST(ChamberPicture, SavedPictureIsAPngFile)
{
    const ChamberData conditions(500.0, 0.8, 0.6);
    const auto picture = DrawFirstShowing(CentreEvent(conditions, kGreen), conditions);
    ASSERT_TRUE(picture);
    const std::string path = ::testing::TempDir() + "chamber-picture-test.png";
    ASSERT_TRUE(platform::SavePng(*picture, path));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    std::remove(path.c_str());
}

TEST(ChamberPicture, SavingNothingOrNowhereFails)
{
    EXPECT_FALSE(platform::SavePng(PixelImage{}, ::testing::TempDir() + "empty.png"));
    EXPECT_FALSE(platform::SavePng(PixelImage(4, 4), "/nonexistent-folder/x.png"));
}

// A frame that clears only the last frame's ink is the same picture as one drawn on a fresh
// black surface, whichever way the box turns between frames (its outline grows and shrinks).
TEST(ChamberPicture, ClearingOnlyTheLastInkGivesTheWholePicture)
{
    platform::EnsureGuiApplication();
    const ChamberData conditions(500.0, 0.8, 0.6);
    ScreenCamera camera = ScreenCamera::ForChamber();
    ScreenChamber chamber(kChamberBoxSize, camera);
    chamber.SetEvent(CentreEvent(conditions, kRed));
    CBitmap reused;
    CDC reusedDc;
    ASSERT_TRUE(reusedDc.CreateCompatibleDC(nullptr) && reused.CreateCompatibleBitmap(640, 500));
    reusedDc.SelectObject(&reused);
    BoxPictureInk ink;
    for (const auto& [axis, angle] : {std::pair{ScreenCamera::kAxisZ, 0.0}, {ScreenCamera::kAxisX, 0.7},
                                      {ScreenCamera::kAxisY, 1.2}, {ScreenCamera::kAxisX, -2.0}}) {
        camera.Rotate(axis, angle);
        DrawBoxPicture(reusedDc, chamber, 640, 500, &ink);
        CBitmap fresh;
        CDC freshDc;
        ASSERT_TRUE(freshDc.CreateCompatibleDC(nullptr) && fresh.CreateCompatibleBitmap(640, 500));
        freshDc.SelectObject(&fresh);
        freshDc.FillSolidRect(Rect{0, 0, 640, 500}, colours::kWhite);
        DrawBoxPicture(freshDc, chamber, 640, 500);
        EXPECT_EQ(reused.Image()->pixels, fresh.Image()->pixels) << "turn " << angle;
        EXPECT_LT(ink.bounds.Width() * ink.bounds.Height(), 640 * 500) << "turn " << angle;
    }
}

// At n times the pixels the picture keeps its geometry: the centre point's 2 x 2 square
// (322..323, 223..224) is the 2n x 2n block from (322n, 223n), the Z axis at column 322 is n
// columns wide from 322n, and the caption's letters are n times as tall inside n times its box.
TEST(ChamberPicture, ScaledPictureRedrawsPointAxisAndCaptionAtTheirScaledPlaces)
{
    const ChamberData conditions(500.0, 0.8, 0.6);
    const auto inkRows = [](const PixelImage& picture, int n) {
        Rect ink;
        for (int y = 0; y < 40 * n; ++y)
            for (int x = 0; x < picture.width; ++x)
                if (PixelAt(picture, x, y) == colours::kWhite)
                    ink = ink.United(Rect::FromSize(x, y, 1, 1));
        EXPECT_TRUE(ink.left >= 10 * n && ink.right <= 245 * n && ink.top >= 10 * n) << n;
        return ink.Height();
    };
    const int single = inkRows(*DrawFirstShowing(CentreEvent(conditions, kRed), conditions), 1);
    for (int n = 2; n <= 4; ++n) {
        const auto picture = DrawFirstShowing(CentreEvent(conditions, kRed), conditions, n);
        ASSERT_TRUE(picture);
        ASSERT_EQ(picture->width, 640 * n);
        ASSERT_EQ(picture->height, 500 * n);
        for (int y = 223 * n - 1; y <= 225 * n; ++y)
            for (int x = 322 * n - 1; x <= 324 * n; ++x) {
                const bool inside = x >= 322 * n && x < 324 * n && y >= 223 * n && y < 225 * n;
                EXPECT_EQ(PixelAt(*picture, x, y) == Rgb(255, 0, 0), inside) << x << ", " << y << " at " << n;
            }
        for (int x = 322 * n - 1; x <= 323 * n; ++x)
            EXPECT_EQ(PixelAt(*picture, x, 150 * n) == Rgb(0, 188, 0), x >= 322 * n && x < 323 * n) << x << " at " << n;
        EXPECT_NEAR(inkRows(*picture, n), single * n, n) << n;
    }
    EXPECT_FALSE(DrawFirstShowing(CentreEvent(conditions, kRed), conditions, 5));
}

// The Projector's picture of the point (100, -200, 300) at the home pan: on the worked pixel of
// each plane and zoom, an n x n block at scale n with nothing else white around it.
TEST(ChamberPicture, ProjectionPutsThePointWhereThePlaneAndZoomSay)
{
    struct Case {
        int32_t plane;
        int zoom;
        Point pixel;
    };
    const Case cases[] = {
        {ProjectorView::kXY, 1, {135, 260}}, {ProjectorView::kYZ, 1, {135, 60}}, {ProjectorView::kXZ, 1, {285, 60}},
        {ProjectorView::kXY, 2, {270, 310}}, // column trunc(470 - 200), row trunc((420 + 2 x 100) / 2)
    };
    const ChamberData conditions(500.0, 0.8, 0.6);
    auto event = std::make_shared<ChamberEvent>(1, &conditions);
    event->Points().Append(TrackPoint{100.0, -200.0, 300.0, 1.0, 0.0, kRed});
    for (const Case& c : cases) {
        for (int n : {1, 3}) {
            const auto picture = DrawProjection(event, conditions, c.plane, c.zoom, n);
            ASSERT_TRUE(picture);
            ASSERT_EQ(picture->width, 480 * n);
            ASSERT_EQ(picture->height, 440 * n);
            for (int y = (c.pixel.y - 10) * n; y < (c.pixel.y + 10) * n; ++y)
                for (int x = (c.pixel.x - 10) * n; x < (c.pixel.x + 10) * n; ++x) {
                    const bool block = x / n == c.pixel.x && y / n == c.pixel.y;
                    ASSERT_EQ(PixelAt(*picture, x, y) == colours::kWhite, block) << c.plane << " " << c.zoom << " " << n;
                }
        }
    }
}

// The bar is 100 cm while that is 16 to 240 pixels at the tape's scale, L / (zoom x 400) cm a
// pixel; otherwise the longest 1, 2 or 5 times a power of ten that is at most 240 pixels.
TEST(ProjectorLabels, ScaleBarIsAHundredCentimetresAtTheTapesScaleWhileItFits)
{
    struct Case {
        double lengthCm;
        int zoom;
        double barCm;
        const char* label;
    };
    const Case cases[] = {{500, 1, 100, "100 cm"}, {500, 3, 100, "100 cm"}, {300, 1, 100, "100 cm"},
                          {250, 3, 50, "50 cm"},   {2500, 1, 100, "100 cm"}, {1e5, 1, 5e4, "500 m"},
                          {1, 3, 0.2, "0.2 cm"}};
    for (const Case& c : cases) {
        const double scale = c.lengthCm / (c.zoom * 400.0);
        const ScaleBar bar = ChooseScaleBar(scale);
        EXPECT_EQ(bar.centimetres, c.barCm) << c.lengthCm << " at " << c.zoom;
        EXPECT_EQ(bar.pixels, int(c.barCm / scale)) << c.lengthCm << " at " << c.zoom;
        EXPECT_LE(bar.pixels, kMaxScaleBarPixels);
        EXPECT_EQ(bar.label, c.label);
    }
    EXPECT_EQ(ChooseScaleBar(0.0).pixels, 0);
    EXPECT_EQ(ProjectorPlaneLabel(ProjectorView::kYZ, 2), "Y-Z plane, zoom 2");
    EXPECT_EQ(ProjectorPlaneLabel(ProjectorView::kXZ, 3), "X-Z plane, zoom 3");
}

// The rendered picture carries the bar, end ticks bar.pixels apart, below the outline (rows
// past 410) in a corner that hides nothing: with a point in the bottom-left corner it moves
// right, and at zoom 2 it keeps off the outline's left side too (column 70).
TEST(ProjectorLabels, RenderedProjectionCarriesTheBarClearOfThePointsAndTheOutline)
{
    const auto longestRunBelowOutline = [](const PixelImage& picture, int& leftmost) {
        int longest = 0;
        for (int y = 411; y < picture.height; ++y)
            for (int x = 0, run = 0; x < picture.width; ++x) {
                run = PixelAt(picture, x, y) == colours::kWhite ? run + 1 : 0;
                if (run > longest) {
                    longest = run;
                    leftmost = x - run + 1;
                }
            }
        return longest;
    };
    const ChamberData conditions(500.0, 0.8, 0.6);
    auto event = std::make_shared<ChamberEvent>(1, &conditions);
    event->Points().Append(TrackPoint{430.0, -430.0, 0.0, 1.0, 0.0, kRed}); // X-Y pixel (20, 425) at zoom 1
    const struct {
        std::shared_ptr<const ChamberEvent> event;
        int zoom;
        bool onTheLeft;
    } cases[] = {{nullptr, 1, true}, {event, 1, false}, {nullptr, 2, false}};
    for (const auto& c : cases) {
        const auto picture = DrawProjection(c.event, conditions, ProjectorView::kXY, c.zoom);
        ASSERT_TRUE(picture);
        int left = 0;
        EXPECT_EQ(longestRunBelowOutline(*picture, left), int(100 / (500.0 / (c.zoom * 400))) + 1) << c.zoom;
        EXPECT_EQ(left < 240, c.onTheLeft) << c.zoom << " from " << left;
    }
    const auto pointed = DrawProjection(event, conditions, ProjectorView::kXY, 1);
    for (int y = 420; y <= 430; ++y)
        for (int x = 15; x <= 25; ++x)
            EXPECT_EQ(PixelAt(*pointed, x, y) == colours::kWhite, x == 20 && y == 425) << x << ", " << y;
}

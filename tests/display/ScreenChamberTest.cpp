#include "display/ScreenChamber.h"

#include "physics/ChamberEvent.h"
#include "platform/seams/Clock.h"
#include "platform/testing/ManualClock.h"
#include "platform/gfx/Screen.h"
#include "tests/support/TestSurface.h"
#include "tests/support/TrackPoints.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 500;
const Colour kRedPixel = Rgb(255, 0, 0);

struct ChamberFixture : ::testing::Test {
    ChamberData conditions{500.0, 0.8, 0.6};
    ScreenCamera camera = ScreenCamera::ForChamber();
    ScreenChamber chamber{800.0, camera};
    TestSurface surface{kWidth, kHeight, colours::kBlack};

    std::shared_ptr<ChamberEvent> MakeEvent(const std::vector<TrackPoint>& points)
    {
        auto event = std::make_shared<ChamberEvent>(int(points.size()), &conditions);
        for (const TrackPoint& p : points)
            event->Points().Append(p);
        return event;
    }
    // The box alone, for comparing pictures whose points must all be skipped.
    PixelImage BoxOnly()
    {
        TestSurface boxOnly(kWidth, kHeight, colours::kBlack);
        ScreenBox box(800.0, camera);
        box.Draw(boxOnly.dc);
        return boxOnly.Image();
    }
};

// Records when each point is filled and when the surface is flushed, by the driven clock.
class RecordingDC : public CDC {
public:
    struct Call {
        char kind; // 'F' fill, 'P' present
        int64_t when;
        Rect rect;
    };
    explicit RecordingDC(ManualClock& clock) : clock_(clock) {}
    void FillSolidRect(const Rect& rect, Colour colour) override
    {
        calls.push_back({'F', clock_.milliseconds, rect});
        CDC::FillSolidRect(rect, colour);
    }
    void Flush() override
    {
        calls.push_back({'P', clock_.milliseconds, {}});
        CDC::Flush();
    }
    std::vector<Call> calls;

private:
    ManualClock& clock_;
};

struct ClockGuard {
    ManualClock clock;
    ClockGuard() { platform::SetClock(&clock); }
    ~ClockGuard() { platform::SetClock(nullptr); }
};

} // namespace

TEST_F(ChamberFixture, RedPointAtTheCentreSetsItsTwoByTwoSquare)
{
    const auto event = MakeEvent({MakePoint(0, 0, 0, kRed)});
    chamber.SetEvent(event);
    chamber.Draw(surface.dc);
    for (int x = 322; x <= 323; ++x)
        for (int y = 223; y <= 224; ++y)
            EXPECT_EQ(surface.ColourAt(x, y), kRedPixel) << x << ", " << y;
    EXPECT_NE(surface.ColourAt(321, 223), kRedPixel);
    EXPECT_NE(surface.ColourAt(324, 223), kRedPixel);
    EXPECT_NE(surface.ColourAt(322, 222), kRedPixel);
    EXPECT_NE(surface.ColourAt(322, 225), kRedPixel);
}

TEST_F(ChamberFixture, EachColourIdDrawsItsTableColour)
{
    const Colour expected[] = {Rgb(255, 0, 0), Rgb(255, 255, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(51, 205, 255)};
    for (int32_t id = kRed; id <= kLightBlue; ++id) {
        TestSurface picture(kWidth, kHeight, colours::kBlack);
        const auto event = MakeEvent({MakePoint(0, 0, 200, id)});
        chamber.SetEvent(event);
        chamber.Draw(picture.dc);
        Point p;
        ASSERT_TRUE(camera.Project(0, 0, 200, 1, p.x, p.y));
        EXPECT_EQ(picture.ColourAt(p.x + 1, p.y + 1), expected[id - kRed]) << id;
    }
}

// Colour ids come from files and can be anything; ids without a colour are skipped. The
// boundary pairs: 2 skipped and 3 drawn, 7 drawn and 8 skipped.
TEST_F(ChamberFixture, PointsWithoutAColourAreSkippedInEveryForm)
{
    const auto skipped = MakeEvent({MakePoint(0, 0, 0, 0), MakePoint(10, 0, 0, 2), MakePoint(0, 10, 0, 8),
                                    MakePoint(0, 0, 10, -1), MakePoint(5, 5, 5, INT_MAX),
                                    MakePoint(-5, 0, 0, INT_MIN)});
    chamber.SetEvent(skipped);
    chamber.Draw(surface.dc);
    EXPECT_EQ(surface.Image().pixels, BoxOnly().pixels);

    TestSurface paper(kWidth, kHeight, colours::kWhite);
    chamber.PrintDraw(paper.dc);
    TestSurface emptyPaper(kWidth, kHeight, colours::kWhite);
    const auto empty = MakeEvent({});
    chamber.SetEvent(empty);
    chamber.PrintDraw(emptyPaper.dc);
    EXPECT_EQ(paper.Image().pixels, emptyPaper.Image().pixels);

    Colour colour;
    EXPECT_FALSE(chamber.PointColour(2, colour));
    EXPECT_TRUE(chamber.PointColour(3, colour));
    EXPECT_TRUE(chamber.PointColour(7, colour));
    EXPECT_FALSE(chamber.PointColour(8, colour));
}

TEST_F(ChamberFixture, PointsWithoutAPixelAreSkipped)
{
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    const double big = std::numeric_limits<double>::max();
    TrackPoint onEyePlane = MakePoint(0, 0, 0, kRed);
    onEyePlane.w = -1.0;
    const auto event =
        MakeEvent({MakePoint(nan, 0, 0, kRed), MakePoint(0, inf, 0, kYellow), MakePoint(-big, big, 0, kGreen),
                   onEyePlane});
    chamber.SetEvent(event);
    chamber.Draw(surface.dc);
    EXPECT_EQ(surface.Image().pixels, BoxOnly().pixels);
    {
        ClockGuard guard;
        chamber.Animate(surface.dc, 10);
        EXPECT_EQ(guard.clock.tickReads, 0);
    }
    EXPECT_EQ(surface.Image().pixels, BoxOnly().pixels);
}

// A point far outside the cube but with a pixel near the picture is drawn like any other.
TEST_F(ChamberFixture, PointsOutsideTheCubeAreNotClipped)
{
    Point p;
    ASSERT_TRUE(camera.Project(0, 0, 560, 1, p.x, p.y));
    ASSERT_GT(p.y, 0);
    const auto event = MakeEvent({MakePoint(0, 0, 560, kBlue)});
    chamber.SetEvent(event);
    chamber.Draw(surface.dc);
    EXPECT_EQ(surface.ColourAt(p.x, p.y), Rgb(0, 0, 255));
}

TEST_F(ChamberFixture, HiddenTracksAreStillPrinted)
{
    chamber.showAxes = 0;
    const auto event = MakeEvent({MakePoint(0, 0, 200, kRed)});
    chamber.SetEvent(event);
    chamber.hideTracks = 1;
    chamber.Draw(surface.dc);
    EXPECT_EQ(surface.Count(kRedPixel), 0);

    Point p;
    ASSERT_TRUE(camera.Project(0, 0, 200, 1, p.x, p.y));
    TestSurface paper(kWidth, kHeight, colours::kWhite);
    chamber.PrintDraw(paper.dc);
    EXPECT_EQ(paper.ColourAt(p.x, p.y), colours::kBlack);
    EXPECT_EQ(chamber.printMode, 0);
    EXPECT_EQ(chamber.hideTracks, 1);
}

// In print form a point is one black pixel; test it away from every line of the box.
TEST_F(ChamberFixture, PrintedPointIsOneBlackPixel)
{
    chamber.showAxes = 0;
    const auto event = MakeEvent({MakePoint(0, 0, 200, kYellow)});
    chamber.SetEvent(event);
    Point p;
    ASSERT_TRUE(camera.Project(0, 0, 200, 1, p.x, p.y));
    TestSurface paper(kWidth, kHeight, colours::kWhite);
    chamber.PrintDraw(paper.dc);
    EXPECT_EQ(paper.ColourAt(p.x, p.y), colours::kBlack);
    EXPECT_EQ(paper.ColourAt(p.x + 1, p.y), colours::kWhite);
    EXPECT_EQ(paper.ColourAt(p.x, p.y + 1), colours::kWhite);
    EXPECT_EQ(paper.ColourAt(p.x + 1, p.y + 1), colours::kWhite);
}

// On paper each colour's point keeps its black pixel and carries a mark of its own within the
// 5 x 5 square about it, so that, without colour, no two colours print alike: a converted
// photon's electron (red) and positron (yellow) tell apart.
TEST_F(ChamberFixture, PrintedPointsOfEachColourCarryTheirOwnMark)
{
    chamber.showAxes = 0;
    Point p;
    ASSERT_TRUE(camera.Project(0, 0, 200, 1, p.x, p.y));
    std::vector<std::vector<bool>> marks;
    for (int32_t id = kRed; id <= kLightBlue; ++id) {
        const auto event = MakeEvent({MakePoint(0, 0, 200, id)});
        chamber.SetEvent(event);
        TestSurface paper(kWidth, kHeight, colours::kWhite);
        chamber.PrintDraw(paper.dc);
        EXPECT_EQ(paper.ColourAt(p.x, p.y), colours::kBlack) << id;
        std::vector<bool> ink;
        for (int y = p.y - 4; y <= p.y + 4; ++y)
            for (int x = p.x - 4; x <= p.x + 4; ++x) {
                ink.push_back(paper.ColourAt(x, y) == colours::kBlack);
                if (std::abs(x - p.x) > 2 || std::abs(y - p.y) > 2) {
                    EXPECT_FALSE(ink.back()) << id << " at " << x << ", " << y;
                }
            }
        for (const std::vector<bool>& other : marks)
            EXPECT_NE(ink, other) << "colour " << id << " prints like an earlier one";
        marks.push_back(ink);
    }
}

TEST_F(ChamberFixture, EmptyEventDrawsTheBoxOnlyAndAnimatesAtOnce)
{
    const auto event = MakeEvent({});
    chamber.SetEvent(event);
    chamber.Draw(surface.dc);
    EXPECT_EQ(surface.Image().pixels, BoxOnly().pixels);
    ClockGuard guard;
    guard.clock.advancePerTickRead = 1;
    chamber.Animate(surface.dc, 10);
    EXPECT_EQ(guard.clock.tickReads, 0);
}

// The renderer holds the event weakly: once its owner lets go, nothing of it is drawn.
TEST_F(ChamberFixture, AnEventItsOwnerDestroyedIsNeverDrawn)
{
    auto event = MakeEvent({MakePoint(0, 0, 0, kRed)});
    chamber.SetEvent(event);
    ASSERT_NE(chamber.Event(), nullptr);
    event.reset();
    EXPECT_EQ(chamber.Event(), nullptr);
    chamber.Draw(surface.dc);
    EXPECT_EQ(surface.Image().pixels, BoxOnly().pixels);
}

TEST_F(ChamberFixture, AnimateWaitsBeforeEveryPointAndFlushesAfterIt)
{
    std::vector<TrackPoint> points;
    for (int i = 0; i < 350; ++i)
        points.push_back(MakePoint(-300.0 + 2.0 * i, 0.1 * i, 50.0 * std::sin(i * 0.1), kRed + i % 5));
    const auto event = MakeEvent(points);
    chamber.SetEvent(event);

    ClockGuard guard;
    guard.clock.advancePerTickRead = 1;
    RecordingDC dc(guard.clock);
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(kWidth, kHeight);
    dc.SelectObject(&bitmap);
    chamber.Animate(dc, 10);

    ASSERT_EQ(dc.calls.size(), 700u);
    int64_t previousFill = 0;
    for (size_t i = 0; i < 350; ++i) {
        const RecordingDC::Call& fill = dc.calls[2 * i];
        const RecordingDC::Call& present = dc.calls[2 * i + 1];
        ASSERT_EQ(fill.kind, 'F');
        ASSERT_EQ(present.kind, 'P');
        EXPECT_GE(fill.when - previousFill, 10) << i;
        previousFill = fill.when;
        Point p;
        ASSERT_TRUE(camera.Project(points[i].x, points[i].y, points[i].z, 1, p.x, p.y));
        EXPECT_EQ(fill.rect, Rect::FromSize(p.x, p.y, 2, 2)) << i;
    }
    // Each wait ends at the first read that shows 10 ms gone: no longer than needed.
    EXPECT_LE(guard.clock.milliseconds, 350 * 11);
}

TEST_F(ChamberFixture, AnimateOfTheLargestEventDrawsWhatDrawPointsDraws)
{
    std::vector<TrackPoint> points;
    for (int i = 0; i < 350; ++i)
        points.push_back(MakePoint(400.0 * std::cos(i * 0.05), 400.0 * std::sin(i * 0.05), i - 175.0, kRed + i % 5));
    const auto event = MakeEvent(points);
    chamber.SetEvent(event);
    chamber.DrawPoints(surface.dc);

    TestSurface animated(kWidth, kHeight, colours::kBlack);
    ClockGuard guard;
    guard.clock.advancePerTickRead = 5;
    chamber.Animate(animated.dc, 10);
    EXPECT_EQ(animated.Image().pixels, surface.Image().pixels);
    EXPECT_GE(guard.clock.milliseconds, 3500);
}

// The tick count wraps like a 32-bit counter; a pause that spans the wrap still lasts its 10 ms.
TEST_F(ChamberFixture, AnimatePauseSpanningTheTickCountWrapStillWaits)
{
    const auto event = MakeEvent({MakePoint(0, 0, 0, kRed)});
    chamber.SetEvent(event);
    ClockGuard guard;
    const int64_t start = int64_t(0xFFFFFFFFu) - 3;
    guard.clock.milliseconds = start;
    guard.clock.advancePerTickRead = 1;
    chamber.Animate(surface.dc, 10);
    EXPECT_EQ(guard.clock.milliseconds - start, 11);
    EXPECT_EQ(surface.ColourAt(322, 223), kRedPixel);
}

TEST(ScreenChamberValues, CaptionTextForTheStartingConditions)
{
    EXPECT_EQ(ScreenChamber::ValuesText(0.8, 0.6, 500 * 0.01), "B = 0.8 kG, T = 0.6 MeV, L = 5 m.");
}

TEST(ScreenChamberValues, CaptionKeepsThreeSignificantDigits)
{
    EXPECT_EQ(ScreenChamber::ValuesText(12.345, 999, 0.5), "B = 12.3 kG, T = 999 MeV, L = 0.5 m.");
    EXPECT_EQ(ScreenChamber::ValuesText(-1.5, 1000, 0.0001), "B = -1.5 kG, T = 1E+03 MeV, L = 0.0001 m.");
}

TEST_F(ChamberFixture, CaptionIsWhiteAndCentredAtTheTopOfItsRectangle)
{
    EXPECT_EQ(chamber.captionRect, (Rect{10, 10, 245, 25}));
    chamber.DrawValues(0.8, 0.6, 5.0, surface.dc);
    Rect white{kWidth, kHeight, 0, 0};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (surface.ColourAt(x, y) == colours::kWhite)
                white = {std::min(white.left, x), std::min(white.top, y), std::max(white.right, x + 1),
                         std::max(white.bottom, y + 1)};
    ASSERT_FALSE(white.IsEmpty());
    EXPECT_GE(white.left, 10);
    EXPECT_LE(white.right, 245);
    EXPECT_GE(white.top, 10);
    EXPECT_LE(white.top, 14);
    EXPECT_NEAR((white.left + white.right) / 2.0, (10 + 245) / 2.0, 3.0);
    // Transparent: the background between the letters stays black.
    EXPECT_GT(surface.Count(colours::kBlack), kWidth * kHeight - 235 * 15);
}

// The widest caption the readable conditions make is drawn whole, from the rectangle's left edge.
TEST_F(ChamberFixture, WideCaptionIsDrawnWholeNotClipped)
{
    const std::string text = ScreenChamber::ValuesText(-1.23e-300, 0.000123, 0.0123);
    chamber.DrawValues(-1.23e-300, 0.000123, 0.0123, surface.dc);
    CFont* previous = surface.dc.SelectObject(&chamber.captionFont);
    const int width = surface.dc.GetTextExtent(text).width;
    surface.dc.SelectObject(previous);
    ASSERT_GT(width, 245 - 10);
    int right = 0;
    for (int y = 10; y < 25; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (surface.ColourAt(x, y) == colours::kWhite)
                right = std::max(right, x + 1);
    EXPECT_GT(right, 10 + width - 4) << "the last letter is drawn";
}

TEST_F(ChamberFixture, CaptionLeavesTheSurfaceColoursAsItFoundThem)
{
    surface.dc.SetTextColor(Rgb(9, 9, 9));
    surface.dc.SetBkMode(BackgroundMode::Opaque);
    chamber.DrawValues(0.8, 0.6, 5.0, surface.dc);
    EXPECT_EQ(surface.dc.GetTextColor(), Rgb(9, 9, 9));
    EXPECT_EQ(surface.dc.SetBkMode(BackgroundMode::Opaque), BackgroundMode::Opaque);
}

TEST(ScreenChamberFont, CaptionFontIsTenPointsAtTheScreensResolution)
{
    struct Case {
        int logPixelsY;
        int height;
    };
    for (Case c : {Case{96, -13}, Case{120, -16}, Case{72, -10}, Case{79, -10}, Case{80, -11}}) {
        ScreenFacts facts;
        facts.logPixelsY = c.logPixelsY;
        platform::SetScreen(facts);
        ScreenCamera camera = ScreenCamera::ForChamber();
        ScreenChamber chamber(800.0, camera);
        EXPECT_EQ(chamber.captionFont.Description().height, c.height) << c.logPixelsY;
        EXPECT_EQ(chamber.captionFont.Description().faceName, "MS Sans Serif");
        EXPECT_EQ(chamber.captionFont.Description().weight, 400);
    }
    platform::ResetScreen();
}

#include "DrawingSupport.h"

#include "platform/gfx/DC.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr Pixel kBlackPixel = 0xFF000000u;
constexpr Colour kInk = Rgb(255, 255, 255);

// The textbook integer line loop (error term over both axes), written independently of the
// surface: the pixels from (x0, y0) up to, but not including, (x1, y1).
std::vector<std::pair<int64_t, int64_t>> ReferenceLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    const int64_t dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int64_t dy = -(y1 > y0 ? y1 - y0 : y0 - y1);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int64_t err = dx + dy;
    std::vector<std::pair<int64_t, int64_t>> pixels;
    while (x0 != x1 || y0 != y1) {
        pixels.push_back({x0, y0});
        const int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    return pixels;
}

PixelSet ReferenceInside(int64_t x0, int64_t y0, int64_t x1, int64_t y1, const Rect& area)
{
    PixelSet set;
    for (const auto& [x, y] : ReferenceLine(x0, y0, x1, y1)) {
        if (x >= area.left && x < area.right && y >= area.top && y < area.bottom)
            set.insert({int(x), int(y)});
    }
    return set;
}

PixelSet DrawnLine(int x0, int y0, int x1, int y1, int size = 64)
{
    TestSurface surface(size, size);
    CPen pen(PenStyle::Solid, 1, kInk);
    surface.dc.SelectObject(&pen);
    surface.dc.MoveTo(x0, y0);
    surface.dc.LineTo(x1, y1);
    return PixelsNotEqual(surface.Image(), kBlackPixel);
}

// Every end point within 13 pixels of a start point in the middle: all eight octants, the axes,
// the diagonals and the zero-length line.
class LineEndPoints : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(LineEndPoints, SetExactlyTheReferencePixelsAndNeverTheEnd)
{
    const auto [dx, dy] = GetParam();
    constexpr int kStart = 20;
    const PixelSet drawn = DrawnLine(kStart, kStart, kStart + dx, kStart + dy);
    EXPECT_EQ(drawn, ReferenceInside(kStart, kStart, kStart + dx, kStart + dy, {0, 0, 64, 64}));
    EXPECT_EQ(drawn.count({kStart + dx, kStart + dy}), 0u);
    EXPECT_EQ(int(drawn.size()), std::max(std::abs(dx), std::abs(dy)));
}

std::vector<std::pair<int, int>> AllEndPoints()
{
    std::vector<std::pair<int, int>> ends;
    for (int dy = -13; dy <= 13; ++dy) {
        for (int dx = -13; dx <= 13; ++dx)
            ends.push_back({dx, dy});
    }
    return ends;
}

INSTANTIATE_TEST_SUITE_P(EveryOctant, LineEndPoints, ::testing::ValuesIn(AllEndPoints()));

TEST(Lines, LineToMovesTheCurrentPositionAndMoveToReturnsTheOldOne)
{
    TestSurface surface(32, 32);
    EXPECT_EQ(surface.dc.MoveTo(3, 4), (Point{0, 0}));
    surface.dc.LineTo(10, 4);
    EXPECT_EQ(surface.dc.MoveTo(0, 0), (Point{10, 4}));
}

TEST(Lines, ConnectedLineToCallsFillTheJointsTheyLeaveOut)
{
    // The second line starts on the first one's unset end pixel.
    TestSurface surface(32, 32);
    surface.dc.SelectStockObject(StockObject::WhitePen);
    surface.dc.MoveTo(2, 2);
    surface.dc.LineTo(12, 2);
    surface.dc.LineTo(12, 9);
    PixelSet expected = ReferenceInside(2, 2, 12, 2, {0, 0, 32, 32});
    const PixelSet second = ReferenceInside(12, 2, 12, 9, {0, 0, 32, 32});
    expected.insert(second.begin(), second.end());
    EXPECT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel), expected);
}

TEST(Lines, PolylineDrawsTheSameLinesAndLeavesTheCurrentPositionAlone)
{
    const Point points[] = {{1, 1}, {20, 5}, {4, 30}, {4, 2}};
    TestSurface polyline(32, 32);
    polyline.dc.SelectStockObject(StockObject::WhitePen);
    polyline.dc.MoveTo(7, 7);
    polyline.dc.Polyline(points, 4);
    EXPECT_EQ(polyline.dc.MoveTo(0, 0), (Point{7, 7}));

    TestSurface lines(32, 32);
    lines.dc.SelectStockObject(StockObject::WhitePen);
    lines.dc.MoveTo(1, 1);
    for (int i = 1; i < 4; ++i)
        lines.dc.LineTo(points[i].x, points[i].y);
    EXPECT_EQ(polyline.Image().pixels, lines.Image().pixels);
}

TEST(Lines, NullPenDrawsNothingButStillMoves)
{
    TestSurface surface(16, 16);
    surface.dc.SelectStockObject(StockObject::NullPen);
    surface.dc.MoveTo(0, 0);
    surface.dc.LineTo(15, 9);
    EXPECT_TRUE(PixelsNotEqual(surface.Image(), kBlackPixel).empty());
    EXPECT_EQ(surface.dc.MoveTo(0, 0), (Point{15, 9}));
}

TEST(Lines, TheDefaultPenIsBlackAndOneSelectedPenComesBackOnReselection)
{
    TestSurface surface(16, 16);
    surface.dc.FillSolidRect({0, 0, 16, 16}, colours::kWhite);
    surface.dc.MoveTo(0, 3);
    surface.dc.LineTo(8, 3);
    EXPECT_EQ(surface.At(4, 3), kBlackPixel);
    CPen red(PenStyle::Solid, 1, Rgb(255, 0, 0));
    EXPECT_EQ(surface.dc.SelectObject(&red), nullptr);
    EXPECT_EQ(surface.dc.SelectObject(static_cast<CPen*>(nullptr)), &red);
}

// Lines between random points far outside a clip: inside the clip the pixels are those of the
// unclipped line, outside nothing changes.
TEST(LineClipping, AClippedLineEqualsTheUnclippedOneInsideTheClip)
{
    const Rect clip{10, 12, 50, 40};
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> coordinate(-120, 180);
    for (int trial = 0; trial < 400; ++trial) {
        const int x0 = coordinate(random), y0 = coordinate(random), x1 = coordinate(random), y1 = coordinate(random);
        TestSurface surface(64, 64);
        surface.dc.SetClipRect(clip);
        surface.dc.SelectStockObject(StockObject::WhitePen);
        surface.dc.MoveTo(x0, y0);
        surface.dc.LineTo(x1, y1);
        ASSERT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel), ReferenceInside(x0, y0, x1, y1, clip))
            << "line " << x0 << "," << y0 << " to " << x1 << "," << y1;
    }
}

TEST(LineClipping, ALongLineThroughASmallClipKeepsItsPixels)
{
    // Three million pixels long; the surface visits only those inside the clip.
    const int64_t x0 = -1'000'003, y0 = -2'999'917, x1 = 1'000'033, y1 = 3'000'011;
    TestSurface surface(64, 64);
    surface.dc.SelectStockObject(StockObject::WhitePen);
    surface.dc.MoveTo(int(x0), int(y0));
    surface.dc.LineTo(int(x1), int(y1));
    const PixelSet drawn = PixelsNotEqual(surface.Image(), kBlackPixel);
    EXPECT_FALSE(drawn.empty());
    EXPECT_EQ(drawn, ReferenceInside(x0, y0, x1, y1, {0, 0, 64, 64}));
}

// A line of slope exactly 1/2 through (0, 0) steps down at every odd column: y = floor((x + 1) / 2)
// relative to its start; the reference loop shows it on a short line, and the same rule must
// hold for one spanning the whole coordinate range.
TEST(LineClipping, LinesAcrossTheWholeCoordinateRangeDoNotOverflow)
{
    const PixelSet shortLine = ReferenceInside(-8, -4, 6, 3, {-8, -4, 7, 4});
    ASSERT_EQ(shortLine.size(), 14u);
    for (const auto& [x, y] : shortLine)
        ASSERT_EQ(y, (x + 8 + 1) / 2 - 4);

    TestSurface surface(40, 40);
    surface.dc.SetViewportOrg(0, 20);
    surface.dc.SelectStockObject(StockObject::WhitePen);
    surface.dc.MoveTo(INT_MIN, INT_MIN / 2);
    surface.dc.LineTo(INT_MAX - 1, INT_MAX / 2);
    PixelSet expected;
    for (int x = 0; x < 40 && 20 + (x + 1) / 2 < 40; ++x)
        expected.insert({x, 20 + (x + 1) / 2});
    EXPECT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel), expected);
}

// Each pixel of a line lies within half a pixel of the true line along the minor axis, and each
// column (or row, along the major axis) holds at most one pixel.
::testing::AssertionResult OnTheLine(const PixelSet& drawn, int64_t x0, int64_t y0, int64_t x1, int64_t y1)
{
    __extension__ typedef __int128 Wide;
    const int64_t dx = x1 - x0;
    const int64_t dy = y1 - y0;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    std::set<int> majors;
    for (const auto& [x, y] : drawn) {
        const Wide cross = Wide(y - y0) * dx - Wide(x - x0) * dy;
        const Wide twice = 2 * (cross < 0 ? -cross : cross);
        const Wide limit = xMajor ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
        if (twice > limit)
            return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is off the line";
        if (!majors.insert(xMajor ? x : y).second)
            return ::testing::AssertionFailure() << "two pixels on major coordinate " << (xMajor ? x : y);
    }
    return ::testing::AssertionSuccess();
}

TEST(LineClipping, ExtremeEndPointsInEveryDirectionStayOnTheLine)
{
    const int ends[] = {INT_MIN, INT_MIN + 1, -1, 0, 7, INT_MAX - 1, INT_MAX};
    const Point origins[] = {{0, 0}, {INT_MAX, INT_MIN}, {-5, 9}};
    for (int ax : ends) {
        for (int ay : ends) {
            for (int bx : ends) {
                for (const Point origin : origins) {
                    const int by = ax == bx ? 3 : ay;
                    TestSurface surface(16, 16);
                    surface.dc.SetViewportOrg(origin.x, origin.y);
                    surface.dc.SelectStockObject(StockObject::WhitePen);
                    surface.dc.MoveTo(ax, ay);
                    surface.dc.LineTo(bx, by ^ 5);
                    ASSERT_TRUE(OnTheLine(PixelsNotEqual(surface.Image(), kBlackPixel), int64_t(ax) + origin.x,
                                          int64_t(ay) + origin.y, int64_t(bx) + origin.x, int64_t(by ^ 5) + origin.y));
                }
            }
        }
    }
}

TEST(LineClipping, HorizontalAndVerticalExtremesCrossTheSurface)
{
    TestSurface surface(16, 16);
    surface.dc.SelectStockObject(StockObject::WhitePen);
    surface.dc.MoveTo(INT_MIN, 5);
    surface.dc.LineTo(INT_MAX, 5);
    surface.dc.MoveTo(9, INT_MAX);
    surface.dc.LineTo(9, INT_MIN);
    PixelSet expected;
    for (int i = 0; i < 16; ++i) {
        expected.insert({i, 5});
        expected.insert({9, i});
    }
    EXPECT_EQ(PixelsNotEqual(surface.Image(), kBlackPixel), expected);
}

TEST(LineClipping, TheOriginShiftsEveryPixel)
{
    TestSurface plain(64, 64);
    TestSurface shifted(64, 64);
    plain.dc.SelectStockObject(StockObject::WhitePen);
    shifted.dc.SelectStockObject(StockObject::WhitePen);
    shifted.dc.SetViewportOrg(5, -7);
    plain.dc.MoveTo(8, 10);
    plain.dc.LineTo(40, 33);
    shifted.dc.MoveTo(3, 17);
    shifted.dc.LineTo(35, 40);
    EXPECT_EQ(plain.Image().pixels, shifted.Image().pixels);
}

}

#include "display/ScreenBox.h"

#include "tests/support/TestSurface.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 500;
const Colour kEdge = Opaque(ScreenBox::kEdgeColour);
const Colour kPlane = Opaque(ScreenBox::kPlaneColour);
const Colour kAxis = Opaque(ScreenBox::kAxisColour);

struct BoxFixture : ::testing::Test {
    ScreenCamera camera = ScreenCamera::ForChamber();
    ScreenBox box{800.0, camera};
    TestSurface surface{kWidth, kHeight, colours::kBlack};
};

const Point kCorners[] = {{275, 246}, {272, 12}, {506, 315}, {517, 72}, {130, 369}, {118, 121}, {376, 451}, {379, 194}};

} // namespace

TEST(ScreenBoxColours, AreTheExactBoxColoursAndPaletteRelative)
{
    EXPECT_EQ(ScreenBox::kEdgeColour, PaletteRgb(51, 205, 255));
    EXPECT_EQ(ScreenBox::kPlaneColour, PaletteRgb(153, 51, 51));
    EXPECT_EQ(ScreenBox::kAxisColour, PaletteRgb(0, 188, 0));
}

TEST_F(BoxFixture, EveryCornerIsDrawnInTheEdgeColour)
{
    box.Draw(surface.dc);
    for (Point corner : kCorners)
        EXPECT_EQ(surface.ColourAt(corner.x, corner.y), kEdge) << corner.x << ", " << corner.y;
}

// The Z axis runs straight up from the centre (322, 223) to its end (322, 96). The end pixel of
// a line-to is not set, and the white X and Y axes, drawn later, start on the centre pixel.
TEST_F(BoxFixture, ZAxisIsGreenUpToButExcludingItsEnd)
{
    box.Draw(surface.dc);
    for (int row = 97; row <= 222; ++row)
        EXPECT_EQ(surface.ColourAt(322, row), kAxis) << row;
    EXPECT_NE(surface.ColourAt(322, 96), kAxis);
    EXPECT_EQ(surface.ColourAt(322, 223), colours::kWhite);
}

TEST_F(BoxFixture, XAndYAxesAreWhiteAndEndBeforeTheirEndPixels)
{
    box.Draw(surface.dc);
    // Next to the centre on the way to X (247, 287) and to Y (447, 259).
    EXPECT_EQ(surface.ColourAt(321, 224), colours::kWhite);
    EXPECT_EQ(surface.ColourAt(248, 286), colours::kWhite);
    EXPECT_NE(surface.ColourAt(247, 287), colours::kWhite);
    EXPECT_EQ(surface.ColourAt(446, 259), colours::kWhite);
    EXPECT_NE(surface.ColourAt(447, 259), colours::kWhite);
}

TEST_F(BoxFixture, MidPlaneCornersAreInThePlaneColour)
{
    box.Draw(surface.dc);
    for (double x : {-400.0, 400.0})
        for (double y : {-400.0, 400.0}) {
            Point p;
            ASSERT_TRUE(camera.Project(x, y, 0.0, 1.0, p.x, p.y));
            EXPECT_EQ(surface.ColourAt(p.x, p.y), kPlane) << x << ", " << y;
        }
}

TEST_F(BoxFixture, WithoutAxesNoAxisPixelIsDrawn)
{
    box.showAxes = 0;
    box.Draw(surface.dc);
    EXPECT_EQ(surface.Count(kAxis), 0);
    EXPECT_EQ(surface.Count(colours::kWhite), 0);
    EXPECT_GT(surface.Count(kEdge), 1000);
    EXPECT_GT(surface.Count(kPlane), 500);
    box.showAxes = 1;
    box.Draw(surface.dc);
    EXPECT_GT(surface.Count(kAxis), 100);
    EXPECT_GT(surface.Count(colours::kWhite), 100);
}

TEST_F(BoxFixture, PrintModeDrawsEveryLineInBlack)
{
    TestSurface paper(kWidth, kHeight, colours::kWhite);
    box.printMode = 1;
    box.Draw(paper.dc);
    EXPECT_EQ(paper.Count([](Colour c) { return c != colours::kWhite && c != colours::kBlack; }), 0);
    for (Point corner : kCorners)
        EXPECT_EQ(paper.ColourAt(corner.x, corner.y), colours::kBlack);
    EXPECT_EQ(paper.ColourAt(322, 150), colours::kBlack); // on the Z axis
}

// The print pen is made for one drawing; a surface still holding it afterwards would dangle.
TEST_F(BoxFixture, DrawingPutsBackThePenItFound)
{
    CPen mine(PenStyle::Solid, 1, Rgb(1, 2, 3));
    CPen other(PenStyle::Solid, 1, Rgb(4, 5, 6));
    surface.dc.SelectObject(&mine);
    box.printMode = 1;
    box.Draw(surface.dc);
    EXPECT_EQ(surface.dc.SelectObject(&other), &mine);
    box.printMode = 0;
    box.Draw(surface.dc);
    EXPECT_EQ(surface.dc.SelectObject(&mine), &other);
}

TEST_F(BoxFixture, ATurnedBoxIsDrawnThroughTheTurnedCamera)
{
    camera.Rotate(ScreenCamera::kAxisZ, 0.4);
    box.Draw(surface.dc);
    Point corner;
    ASSERT_TRUE(camera.Project(-400, -400, -400, 1, corner.x, corner.y));
    EXPECT_NE(corner, (Point{275, 246}));
    EXPECT_EQ(surface.ColourAt(corner.x, corner.y), kEdge);
}

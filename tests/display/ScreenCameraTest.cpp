#include "display/ScreenCamera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

namespace {

constexpr double kHalf = 400.0;
constexpr double kQuarterTurn = std::numbers::pi / 2.0;

struct Pixel2 {
    int column;
    int row;
    friend bool operator==(const Pixel2&, const Pixel2&) = default;
};

std::ostream& operator<<(std::ostream& out, const Pixel2& p) { return out << "(" << p.column << ", " << p.row << ")"; }

Pixel2 ProjectOrFail(const ScreenCamera& camera, double x, double y, double z)
{
    Pixel2 p{-12345, -12345};
    EXPECT_TRUE(camera.Project(x, y, z, 1.0, p.column, p.row)) << x << ", " << y << ", " << z;
    return p;
}

bool SameMatrix(const ScreenCamera::Matrix& a, const ScreenCamera::Matrix& b)
{
    return std::memcmp(a, b, sizeof(ScreenCamera::Matrix)) == 0;
}

struct CornerCase {
    int sx, sy, sz;
    Pixel2 pixel;
};

class ScreenCameraCorners : public ::testing::TestWithParam<CornerCase> {};

} // namespace

TEST(ScreenCameraTest, ConstructorTakesCentreRowBeforeColumn)
{
    const ScreenCamera camera(3250, 30, 60, 50, 2300, 223, 322);
    EXPECT_EQ(camera.centreY, 223.0);
    EXPECT_EQ(camera.centreX, 322.0);
    EXPECT_EQ(camera.lastAngle, 0.0);
    EXPECT_EQ(camera.lastCos, 1.0);
    EXPECT_EQ(camera.lastSin, 0.0);
}

TEST(ScreenCameraTest, ChamberCentreProjectsToItsPixel)
{
    const ScreenCamera camera = ScreenCamera::ForChamber();
    EXPECT_EQ(ProjectOrFail(camera, 0, 0, 0), (Pixel2{322, 223}));
}

TEST_P(ScreenCameraCorners, CornerProjectsToItsPixelInTheStartingOrientation)
{
    const ScreenCamera camera = ScreenCamera::ForChamber();
    const CornerCase c = GetParam();
    EXPECT_EQ(ProjectOrFail(camera, c.sx * kHalf, c.sy * kHalf, c.sz * kHalf), c.pixel);
}

INSTANTIATE_TEST_SUITE_P(AllEight, ScreenCameraCorners,
                         ::testing::Values(CornerCase{-1, -1, -1, {275, 246}}, CornerCase{-1, -1, 1, {272, 12}},
                                           CornerCase{-1, 1, -1, {506, 315}}, CornerCase{-1, 1, 1, {517, 72}},
                                           CornerCase{1, -1, -1, {130, 369}}, CornerCase{1, -1, 1, {118, 121}},
                                           CornerCase{1, 1, -1, {376, 451}}, CornerCase{1, 1, 1, {379, 194}}));

TEST(ScreenCameraTest, AxisEndsProjectToTheirPixels)
{
    const ScreenCamera camera = ScreenCamera::ForChamber();
    EXPECT_EQ(ProjectOrFail(camera, kHalf, 0, 0), (Pixel2{247, 287}));
    EXPECT_EQ(ProjectOrFail(camera, 0, kHalf, 0), (Pixel2{447, 259}));
    EXPECT_EQ(ProjectOrFail(camera, 0, 0, kHalf), (Pixel2{322, 96}));
}

TEST(ScreenCameraTest, QuarterTurnAboutZPutsTheXEndWhereTheYEndWas)
{
    ScreenCamera camera = ScreenCamera::ForChamber();
    camera.Rotate(ScreenCamera::kAxisZ, kQuarterTurn);
    EXPECT_EQ(ProjectOrFail(camera, kHalf, 0, 0), (Pixel2{447, 259}));
    EXPECT_EQ(ProjectOrFail(camera, 0, 0, kHalf), (Pixel2{322, 96}));
}

// Right-handed turns: about X the Y end goes up to Z; about Y the Z end goes to X. The turned
// end lands on the other end's place up to the rounding of cos(pi/2), hence one pixel of slack.
TEST(ScreenCameraTest, QuarterTurnsAboutXAndYAreRightHanded)
{
    ScreenCamera aboutX = ScreenCamera::ForChamber();
    aboutX.Rotate(ScreenCamera::kAxisX, kQuarterTurn);
    const Pixel2 yEnd = ProjectOrFail(aboutX, 0, kHalf, 0);
    EXPECT_NEAR(yEnd.column, 322, 1);
    EXPECT_NEAR(yEnd.row, 96, 1);

    ScreenCamera aboutY = ScreenCamera::ForChamber();
    aboutY.Rotate(ScreenCamera::kAxisY, kQuarterTurn);
    const Pixel2 zEnd = ProjectOrFail(aboutY, 0, 0, kHalf);
    EXPECT_NEAR(zEnd.column, 247, 1);
    EXPECT_NEAR(zEnd.row, 287, 1);
}

// Post-multiplication turns about the chamber's own axes: after a quarter turn about Z, a turn
// about X turns the chamber's (moved) X axis, which now shows where Y was, so its end stays put.
TEST(ScreenCameraTest, LaterTurnsAreAboutTheChambersOwnTurnedAxes)
{
    ScreenCamera camera = ScreenCamera::ForChamber();
    camera.Rotate(ScreenCamera::kAxisZ, kQuarterTurn);
    camera.Rotate(ScreenCamera::kAxisX, 0.7);
    EXPECT_EQ(ProjectOrFail(camera, kHalf, 0, 0), (Pixel2{447, 259}));
}

TEST(ScreenCameraTest, AxisOutsideOneToThreeChangesNothingButRecomputesTheView)
{
    for (int axis : {0, 4, -1}) {
        ScreenCamera camera = ScreenCamera::ForChamber();
        const ScreenCamera fresh = ScreenCamera::ForChamber();
        camera.currentView[0][0] = 99.0; // a stale view must be replaced
        camera.Rotate(axis, 0.5);
        EXPECT_TRUE(SameMatrix(camera.rotation, fresh.rotation)) << axis;
        EXPECT_TRUE(SameMatrix(camera.currentView, fresh.baseView)) << axis;
    }
}

TEST(ScreenCameraTest, SineAndCosineAreCachedForTheExactSameAngleOnly)
{
    ScreenCamera camera = ScreenCamera::ForChamber();
    camera.Rotate(ScreenCamera::kAxisZ, 0.3);
    EXPECT_EQ(camera.lastCos, std::cos(0.3));
    camera.lastSin = 0.25;
    camera.Rotate(ScreenCamera::kAxisZ, 0.3);
    EXPECT_EQ(camera.lastSin, 0.25);
    const double next = std::nextafter(0.3, 1.0);
    camera.Rotate(ScreenCamera::kAxisZ, next);
    EXPECT_EQ(camera.lastAngle, next);
    EXPECT_EQ(camera.lastSin, std::sin(next));
}

TEST(ScreenCameraTest, ResetOrientationGivesExactlyTheStartingView)
{
    const ScreenCamera fresh = ScreenCamera::ForChamber();
    ScreenCamera camera = ScreenCamera::ForChamber();
    for (int i = 0; i < 50; ++i)
        camera.Rotate(1 + i % 3, 0.01 * i);
    ASSERT_FALSE(SameMatrix(camera.currentView, fresh.currentView));
    camera.ResetOrientation();
    EXPECT_TRUE(SameMatrix(camera.currentView, fresh.currentView));
    EXPECT_TRUE(SameMatrix(camera.baseView, fresh.baseView));
    EXPECT_TRUE(SameMatrix(camera.rotation, fresh.rotation));
    EXPECT_EQ(ProjectOrFail(camera, -kHalf, kHalf, kHalf), (Pixel2{517, 72}));
}

// The rotation is never re-orthonormalised, yet a thousand small steps round a full turn about
// each axis must bring every corner back to within a pixel.
TEST(ScreenCameraTest, ManySmallStepsOfAFullTurnComeBackToTheStart)
{
    const ScreenCamera fresh = ScreenCamera::ForChamber();
    for (int axis = 1; axis <= 3; ++axis) {
        ScreenCamera camera = ScreenCamera::ForChamber();
        for (int i = 0; i < 1000; ++i)
            camera.Rotate(axis, 2.0 * std::numbers::pi / 1000.0);
        for (int corner = 0; corner < 8; ++corner) {
            const double x = corner & 1 ? kHalf : -kHalf, y = corner & 2 ? kHalf : -kHalf, z = corner & 4 ? kHalf : -kHalf;
            const Pixel2 turned = ProjectOrFail(camera, x, y, z), start = ProjectOrFail(fresh, x, y, z);
            EXPECT_NEAR(turned.column, start.column, 1) << axis << " " << corner;
            EXPECT_NEAR(turned.row, start.row, 1) << axis << " " << corner;
        }
    }
}

TEST(ScreenCameraTest, PixelsAreTruncatedTowardZero)
{
    ScreenCamera camera = ScreenCamera::ForChamber();
    camera.centreX = -0.5;
    camera.centreY = -0.5;
    EXPECT_EQ(ProjectOrFail(camera, 0, 0, 0), (Pixel2{0, 0}));
    camera.centreX = -1.0;
    camera.centreY = 1.99;
    EXPECT_EQ(ProjectOrFail(camera, 0, 0, 0), (Pixel2{-1, 1}));
}

TEST(ScreenCameraTest, PointsWithoutAPixelAreRefusedAndLeaveTheResultAlone)
{
    const ScreenCamera camera = ScreenCamera::ForChamber();
    const double nan = std::nan(""), inf = INFINITY;
    const double big = std::numeric_limits<double>::max();
    // Depth + rho of (400, 0, 0, w) is rho (w + 1) - 400 sin(phi) cos(theta): zero or nearly so
    // here, which throws the pixel far beyond any surface.
    const double degree = std::numbers::pi / 180.0;
    const double nearEye = 400.0 * std::sin(60 * degree) * std::cos(30 * degree) / 3250.0 - 1.0;
    const double refused[][4] = {
        {nan, 0, 0, 1}, {0, inf, 0, 1}, {0, 0, -inf, 1}, {0, 0, 0, nan}, {-big, big, 0, 1}, {400, 0, 0, nearEye},
    };
    for (const auto& p : refused) {
        int column = 7, row = 8;
        EXPECT_FALSE(camera.Project(p[0], p[1], p[2], p[3], column, row)) << p[0] << " " << p[1] << " " << p[2];
        EXPECT_EQ(column, 7);
        EXPECT_EQ(row, 8);
    }
}

// A point on the eye plane: depth + rho is exactly 0 for (0, 0, 0, -1), so the perspective
// factor is infinite and its product with the zero horizontal coordinate is not a number.
TEST(ScreenCameraTest, PointOnTheEyePlaneIsRefused)
{
    const ScreenCamera camera = ScreenCamera::ForChamber();
    int column = 0, row = 0;
    EXPECT_FALSE(camera.Project(0, 0, 0, -1, column, row));
    EXPECT_TRUE(camera.Project(0, 0, 0, -0.5, column, row));
}

// Perspective draws far points towards the vanishing point: big but finite coordinates keep a
// pixel near the picture.
TEST(ScreenCameraTest, FarPointsStillHaveAPixel)
{
    const ScreenCamera camera = ScreenCamera::ForChamber();
    int column = 0, row = 0;
    EXPECT_TRUE(camera.Project(1e300, 0, 0, 1, column, row));
    EXPECT_LT(std::abs(column), 10000);
    EXPECT_LT(std::abs(row), 10000);
}

TEST(ScreenCameraTest, PixelLimitIsTheLastCoordinateAccepted)
{
    ScreenCamera camera = ScreenCamera::ForChamber();
    int column = 0, row = 0;
    camera.centreX = ScreenCamera::kPixelLimit;
    EXPECT_TRUE(camera.Project(0, 0, 0, 1, column, row));
    EXPECT_EQ(column, 1 << 24);
    camera.centreX = std::nextafter(ScreenCamera::kPixelLimit, 1e30);
    EXPECT_FALSE(camera.Project(0, 0, 0, 1, column, row));
    camera.centreX = 0;
    camera.centreY = -ScreenCamera::kPixelLimit - 1.0;
    EXPECT_FALSE(camera.Project(0, 0, 0, 1, column, row));
}

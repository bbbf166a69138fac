#include "platform/gfx/Geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(Geometry, RightAndBottomEdgesAreExclusive)
{
    const Rect r{0, 0, 2, 2};
    EXPECT_TRUE(r.Contains({1, 1}));
    EXPECT_FALSE(r.Contains({2, 1}));
    EXPECT_FALSE(r.Contains({1, 2}));
    EXPECT_TRUE(r.Contains({0, 0}));
    EXPECT_FALSE(r.Contains({-1, 0}));
    EXPECT_EQ(r.Width(), 2);
    EXPECT_EQ(r.Height(), 2);
}

TEST(Geometry, FromSizeMakesTheExclusiveEdges)
{
    EXPECT_EQ(Rect::FromSize(3, 4, 10, 20), (Rect{3, 4, 13, 24}));
}

TEST(Geometry, EmptinessBoundary)
{
    EXPECT_FALSE((Rect{5, 5, 6, 6}).IsEmpty()); // one pixel: the last that is not empty
    EXPECT_TRUE((Rect{5, 5, 5, 6}).IsEmpty());  // zero width
    EXPECT_TRUE((Rect{5, 5, 6, 5}).IsEmpty());  // zero height
    EXPECT_TRUE((Rect{5, 5, 4, 9}).IsEmpty());  // inverted
}

TEST(Geometry, RectanglesThatOnlyTouchDoNotIntersect)
{
    const Rect left{0, 0, 2, 2};
    EXPECT_TRUE(left.Intersected({2, 0, 4, 2}).IsEmpty());
    EXPECT_EQ(left.Intersected({1, 1, 4, 4}), (Rect{1, 1, 2, 2}));
    EXPECT_EQ(left.Intersected({2, 0, 4, 2}), Rect{});
}

TEST(Geometry, UnitedIgnoresEmptyRectangles)
{
    const Rect a{1, 2, 3, 4};
    EXPECT_EQ(a.United({}), a);
    EXPECT_EQ((Rect{}).United(a), a);
    EXPECT_EQ(a.United({10, 0, 11, 1}), (Rect{1, 0, 11, 4}));
}

TEST(Geometry, OffsetByCopiesAndOffsetChangesInPlace)
{
    Rect r{1, 2, 3, 4};
    const Rect moved = r.OffsetBy(10, -2);
    EXPECT_EQ(r, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(moved, (Rect{11, 0, 13, 2}));
    r.Offset(10, -2);
    EXPECT_EQ(r, moved);
}

TEST(Geometry, NormalizeSwapsInvertedEdges)
{
    Rect r{5, 9, 1, 2};
    r.Normalize();
    EXPECT_EQ(r, (Rect{1, 2, 5, 9}));
}

}

#include "display/TapeMeasure.h"

#include <gtest/gtest.h>

// A 3-4-5 drag in any of the four directions measures 5 pixels times the scale, and its
// bounds cover the line with 2 pixels to spare on every side.
TEST(TapeMeasure, MeasuresTheDragInEveryDirectionWithTwoPixelsOfBounds)
{
    const Point ends[] = {{13, 24}, {7, 24}, {13, 16}, {7, 16}};
    for (Point end : ends) {
        TapeMeasure tape;
        tape.SetScale(0.5);
        tape.SetStart({10, 20});
        tape.SetEnd(end);
        EXPECT_DOUBLE_EQ(tape.Length(), 2.5) << end.x << "," << end.y;
        EXPECT_EQ(tape.bounds.left, std::min(10, end.x) - 2);
        EXPECT_EQ(tape.bounds.top, std::min(20, end.y) - 2);
        EXPECT_EQ(tape.bounds.right, std::max(10, end.x) + 2);
        EXPECT_EQ(tape.bounds.bottom, std::max(20, end.y) + 2);
    }
}

TEST(TapeMeasure, StartingAgainCollapsesTheTape)
{
    TapeMeasure tape;
    tape.SetStart({0, 0});
    tape.SetEnd({30, 40});
    EXPECT_DOUBLE_EQ(tape.Length(), 50.0);
    tape.SetStart({5, 5});
    EXPECT_EQ(tape.end, (Point{5, 5}));
    EXPECT_DOUBLE_EQ(tape.Length(), 0.0);
    EXPECT_EQ(tape.bounds, (Rect{3, 3, 7, 7}));
}

#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"

#include <gtest/gtest.h>

TEST(ChamberData, StartingConditionsGiveScaleOnePointSix)
{
    const ChamberData conditions(500.0, 0.8, 0.6);
    EXPECT_DOUBLE_EQ(conditions.Scale(), 1.6);
    EXPECT_EQ(conditions.Changed(), 0);
    EXPECT_EQ(conditions.Size(), 800);
    EXPECT_EQ(ChamberData::EventCapacity(), 350);
}

TEST(ChamberData, SetSizeKeepsTheScaleWhenLIsZeroAndSetLRecomputesIt)
{
    ChamberData conditions;
    conditions.SetStoredValues(0.0, 0.8, 0.6, 3.0);
    conditions.SetSize(400);
    EXPECT_EQ(conditions.Scale(), 3.0);
    conditions.SetL(200.0);
    EXPECT_EQ(conditions.Scale(), 2.0);
    conditions.SetSize(ChamberData::kDefaultSize);
    EXPECT_EQ(conditions.Scale(), 4.0);
}

TEST(ChamberData, HolderSettersMarkTheOwnerChangedButDirectSettersDoNot)
{
    ChamberData current(500.0, 0.8, 0.6);
    current.SetB(1.0);
    EXPECT_EQ(current.Changed(), 0);

    ChamberDataHolder pending(current);
    EXPECT_EQ(pending.B(), 1.0);
    pending.SetB(2.0);
    EXPECT_EQ(current.Changed(), 1);
    EXPECT_EQ(current.B(), 1.0);

    current.CopyConditions(pending);
    EXPECT_EQ(current.B(), 2.0);
    EXPECT_EQ(current.Changed(), 1);
    EXPECT_EQ(pending.Changed(), 0);
}

TEST(ChamberEvent, FileEventWithNoPointsHasCapacityZero)
{
    const ChamberData conditions(500.0, 0.8, 0.6);
    const ChamberEvent empty(0, &conditions);
    EXPECT_EQ(empty.Points().Capacity(), 0);
    EXPECT_EQ(empty.Points().Count(), 0);
    EXPECT_EQ(empty.Points().begin(), empty.Points().end());

    const ChamberEvent generated(&conditions);
    EXPECT_EQ(generated.Points().Capacity(), 350);
    EXPECT_EQ(generated.Chamber(), &conditions);
}

#include "physics/LessonEvents.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

const ChamberData kStarting(500.0, 0.8, 0.6);

std::vector<TrackPoint> PointsOf(const ChamberEvent& event)
{
    return {event.Points().begin(), event.Points().end()};
}

// Event `number` as `tracelume-events generate TYPE --seed SEED` makes it: one generator, events
// one after another.
std::vector<TrackPoint> Generated(int type, uint32_t seed, int number, const ChamberData& conditions)
{
    DecayGenerator generator(seed);
    std::unique_ptr<ChamberEvent> event;
    for (int n = 1; n <= number; ++n)
        event = generator.GenerateDecay(type, conditions);
    return PointsOf(*event);
}

bool SameBits(const std::vector<TrackPoint>& a, const std::vector<TrackPoint>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(TrackPoint)) == 0;
}

// A class that switches between types, and whose conditions change on the way, still gets every
// event by its seed, type and number.
TEST(LessonEvents, EachTypeCountsItsOwnEventsFromTheSeed)
{
    const ChamberData strongField(500.0, 3.0, 0.6);
    struct Step {
        int type;
        const ChamberData* conditions;
        int expectedNumber;
    };
    const Step steps[] = {{1, &kStarting, 3}, {3, &kStarting, 3}, {1, &kStarting, 4},
                          {6, &strongField, 3}, {1, &strongField, 5}, {1, &kStarting, 6}};
    LessonEvents lesson;
    lesson.Start(4242, 3);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.type);
        ASSERT_EQ(lesson.NextNumber(step.type), step.expectedNumber);
        const std::unique_ptr<ChamberEvent> event = lesson.Next(step.type, *step.conditions);
        ASSERT_NE(event, nullptr);
        EXPECT_TRUE(SameBits(PointsOf(*event), Generated(step.type, 4242, step.expectedNumber, *step.conditions)));
    }
}

TEST(LessonEvents, StartingAgainGivesTheSameEventAgain)
{
    LessonEvents lesson(7);
    const std::vector<TrackPoint> first = PointsOf(*lesson.Next(2, kStarting));
    EXPECT_FALSE(SameBits(PointsOf(*lesson.Next(2, kStarting)), first));
    lesson.Start(7, 1);
    EXPECT_TRUE(SameBits(PointsOf(*lesson.Next(2, kStarting)), first));
    EXPECT_EQ(lesson.Next(7, kStarting), nullptr);
}

} // namespace

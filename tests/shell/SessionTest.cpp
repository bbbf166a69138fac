#include "shell/Session.h"

#include "eventfile/EventFileReader.h"
#include "physics/ChamberEvent.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TrackPoints.h"

#include <gtest/gtest.h>

#include <cstring>

// The session on its own: no application, no window.
namespace {

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.SeedRandomSource(26);
        session.StartConditions();
        session.StartSelections();
    }

    // A read event of the given kind with the file's conditions L 300 cm, B 1.2 kG, T 0.5 MeV.
    StoredEvent ReadFile(FileKind kind) const
    {
        StoredEvent stored;
        stored.kind = kind;
        stored.conditions = ChamberData(300.0, 1.2, 0.5);
        stored.points = {MakePoint(1.0, 2.0, 3.0, kRed), MakePoint(-4.0, 5.0, -6.0, kBlue)};
        return stored;
    }

    Session session;
};

TEST_F(SessionTest, GeneratedEventReplacesTheOldOneAndIsNamedByItsType)
{
    for (const DecayType type : {DecayType::Type1, DecayType::Type4, DecayType::Type6}) {
        session.decay = type;
        session.rotating = true;
        session.event = std::make_shared<ChamberEvent>(&session.conditions);
        const std::weak_ptr<ChamberEvent> old = session.event;

        const std::optional<std::string> name = session.PrepareEvent(EventSource::Generate);

        EXPECT_TRUE(old.expired()) << int(type);
        ASSERT_NE(session.event, nullptr) << int(type);
        EXPECT_GT(session.event->Points().Count(), 0) << int(type);
        EXPECT_EQ(name, "Untitled Type " + std::to_string(int(type)) + " Decay");
        EXPECT_FALSE(session.rotating) << "New Event stops the rotation";
    }
}

// Reading installs the event without touching the decay choice, and the next showing applies
// the file's conditions even though no slider moved.
TEST_F(SessionTest, InstalledEventIsShownWithTheFilesConditions)
{
    for (const FileKind kind : {FileKind::W, FileKind::P}) {
        session.decay = DecayType::Type3;
        const StoredEvent stored = ReadFile(kind);
        std::shared_ptr<ChamberEvent> read = MakeChamberEvent(stored, &session.pendingConditions);
        const ChamberEvent* installed = read.get();

        session.InstallReadEvent(stored, std::move(read));
        EXPECT_FALSE(session.PrepareEvent(EventSource::Installed).has_value()) << "the reader titles it";

        EXPECT_EQ(session.event.get(), installed);
        EXPECT_EQ(session.decay, DecayType::Type3);
        EXPECT_EQ(session.conditions.L(), 300.0);
        EXPECT_NEAR(session.conditions.B(), 1.2, 1e-12);
        EXPECT_NEAR(session.conditions.T(), 0.5, 1e-12);
        EXPECT_EQ(session.conditions.Scale(), session.conditions.Size() / 300.0);
    }
}

TEST_F(SessionTest, OnlyANegativeFieldIsShownPositive)
{
    struct Case {
        double field;    // kG, as read
        bool flipped;
        double shown;    // kG
    };
    for (const Case& c : {Case{-1.2, true, 1.2}, Case{-1e-9, true, 1e-9}, Case{0.0, false, 0.0},
                          Case{0.8, false, 0.8}}) {
        session.pendingConditions.SetB(c.field);
        EXPECT_EQ(session.ShowFieldPositive(), c.flipped) << c.field;
        EXPECT_EQ(session.pendingConditions.B(), c.shown) << c.field;
    }
}

// What the sliders set for the next event is not what the shown event was made with.
TEST_F(SessionTest, SaveWritesTheShownEventsConditionsNotThePendingOnes)
{
    session.PrepareEvent(EventSource::Generate);
    ASSERT_NE(session.event, nullptr);
    session.pendingConditions.SetB(2.0);
    session.pendingConditions.SetL(700.0);
    ScratchDir dir;

    ASSERT_FALSE(session.Save(dir.Path("shown.cwd")).has_value());

    const ReadOutcome back = LoadEventFile(dir.Path("shown.cwd"));
    ASSERT_TRUE(back.Ok());
    EXPECT_EQ(back.event->conditions.L(), 500.0);
    EXPECT_EQ(back.event->conditions.B(), 0.8);
    EXPECT_EQ(back.event->conditions.T(), 0.6);
    const PointList& points = session.event->Points();
    ASSERT_EQ(back.event->points.size(), size_t(points.Count()));
    EXPECT_EQ(std::memcmp(back.event->points.data(), points.begin(), points.Count() * sizeof(TrackPoint)), 0);
}

TEST_F(SessionTest, ResetEachEventDecidesWhetherTheOrientationSurvivesNewEvent)
{
    const ScreenCamera start = ScreenCamera::ForChamber();
    for (const bool reset : {false, true}) {
        session.resetEachEvent = reset;
        session.camera.Rotate(ScreenCamera::kAxisY, 0.5);
        const double turned = session.camera.currentView[0][0];

        session.PrepareEvent(EventSource::Generate);

        EXPECT_EQ(session.camera.currentView[0][0], reset ? start.currentView[0][0] : turned) << reset;
    }
}

// Each frame turns by the time the previous one took times the rate; Reverse Rotate turns the
// other way by the same amount, and switching direction mid-rotation keeps the step's size.
TEST_F(SessionTest, RotationStepFollowsTheFrameTimeAndTheDirection)
{
    struct Case {
        double frequency; // ticks per second
        double rate;      // rad/s
        int64_t ticks;    // the last frame's drawing time
        bool reverse;
        double step;      // radians
    };
    for (const Case& c : {Case{1000.0, 0.6, 50, false, 0.03}, Case{1000.0, 0.6, 50, true, -0.03},
                          Case{1e9, 1.2, 20'000'000, false, 0.024}, Case{0.0, 0.6, 50, false, 0.0}}) {
        session.perfFrequency = c.frequency;
        session.rotationRate = c.rate;
        session.SetRotationDirection(c.reverse);
        session.lastFrameEnd = 7 + c.ticks;
        session.NextRotationStep(7);
        EXPECT_NEAR(session.rotationStep, c.step, 1e-15) << c.ticks << (c.reverse ? " reversed" : "");

        session.SetRotationDirection(!c.reverse);
        EXPECT_NEAR(session.rotationStep, -c.step, 1e-15) << "a change of direction keeps the size";
    }
}

} // namespace

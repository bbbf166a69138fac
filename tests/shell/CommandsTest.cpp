// The commands that make and show events, and the settings they read: their effect on the
// frame's fields, the menu, the camera and the chamber window's pixels.
#include "TestCommandsSupport.h"

#include "physics/Generators.h"

#include <memory>

namespace {

constexpr Colour kAxisGreen = Rgb(0, 188, 0);
constexpr Point kZAxisAboveCentre{322, 150}; // on the Z axis in the starting orientation

using NewEventCommand = CommandTest;

TEST_F(NewEventCommand, ShowsTheFirstShowingAtOnceWithTitleAndMenu)
{
    StartProgram();
    const int ticksBefore = hookClock.tickReads;
    EXPECT_TRUE(Frame().OnCommand(cmd::kNewEvent));
    ASSERT_NE(State().event, nullptr);
    EXPECT_EQ(hookClock.tickReads, ticksBefore) << "the first showing must not wait between points";
    EXPECT_GT(State().event->Points().Count(), 0);
    EXPECT_EQ(State().event->Chamber(), &State().conditions);
    EXPECT_EQ(Chamber().GetWindowText(), "Particle Chamber: Untitled Type 1 Decay");
    EXPECT_FALSE(Greyed(cmd::kReplayEvent));
    EXPECT_FALSE(Greyed(cmd::kSaveAs));
    EXPECT_EQ(State().hasEvent, 1);
    EXPECT_EQ(State().firstPlay, 0);
    EXPECT_EQ(Renderer().Event(), State().event);
    EXPECT_EQ(Renderer().hideTracks, 0);

    const auto expected = DrawFirstShowing(State().event, State().conditions);
    ASSERT_TRUE(expected);
    EXPECT_EQ(DifferingPixels(*expected), 0);
}

TEST_F(NewEventCommand, EachDecayTypeMakesItsOwnEventAndName)
{
    StartProgram();
    for (int type = 1; type <= 6; ++type) {
        Frame().OnCommand(cmd::kDecay1 + type - 1);
        const std::weak_ptr<ChamberEvent> previous = State().event;
        Frame().OnCommand(cmd::kNewEvent);
        ASSERT_NE(State().event, nullptr) << type;
        EXPECT_TRUE(previous.expired()) << "the replaced event must be destroyed, type " << type;
        EXPECT_EQ(Chamber().GetWindowText(), "Particle Chamber: Untitled Type " + std::to_string(type) + " Decay");
        EXPECT_EQ(State().event->Points().Capacity(), ChamberData::kEventCapacity);
    }
}

// The file reader installs its event and has New Event show it without a decay type: the event
// is shown as it is and the title is left to the reader.
TEST_F(NewEventCommand, ShowsAnInstalledEventWhenNoDecayTypeIsChosen)
{
    StartProgram();
    State().event = DecayGenerator(7).GenerateDecay45(+1.0, State().conditions);
    const ChamberEvent* installed = State().event.get();
    Frame().ShowEvent(EventSource::Installed);
    EXPECT_EQ(State().event.get(), installed);
    EXPECT_EQ(Renderer().Event().get(), installed);
    EXPECT_EQ(Chamber().GetWindowText(), "Particle Chamber: Empty");
    EXPECT_EQ(State().hasEvent, 1);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(NewEventCommand, WithoutAnEventSaysNullEventAndChangesNothing)
{
    StartProgram();
    Frame().ShowEvent(EventSource::Installed);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "Null event");
    EXPECT_EQ(boxes.Shown()[0].caption, "alert");
    EXPECT_EQ(boxes.Shown()[0].owner, &Frame());
    EXPECT_EQ(boxes.Shown()[0].type, MB_OK);
    EXPECT_TRUE(Greyed(cmd::kReplayEvent));
    EXPECT_TRUE(Greyed(cmd::kSaveAs));
    EXPECT_EQ(State().hasEvent, 0);
    EXPECT_EQ(State().firstPlay, 1);
    EXPECT_EQ(Chamber().GetWindowText(), "Particle Chamber: Empty");
}

TEST_F(NewEventCommand, AppliesPendingConditionsOnlyThen)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    State().pendingConditions.SetB(2.5);
    EXPECT_EQ(State().conditions.B(), 0.8) << "the sliders change only the pending conditions";
    EXPECT_EQ(State().conditions.Changed(), 1);
    Frame().OnCommand(cmd::kNewEvent);
    EXPECT_EQ(State().conditions.B(), 2.5);
    EXPECT_EQ(State().conditions.L(), 500.0);
    EXPECT_EQ(State().conditions.T(), 0.6);
    const auto expected = DrawFirstShowing(State().event, State().conditions);
    ASSERT_TRUE(expected);
    EXPECT_EQ(DifferingPixels(*expected), 0) << "the caption shows the new field";
}

TEST_F(NewEventCommand, ResetsTheOrientationOnlyWhenResetEachEventIsChecked)
{
    StartProgram();
    const ScreenCamera start = ScreenCamera::ForChamber();
    State().camera.Rotate(ScreenCamera::kAxisY, 0.5);
    Frame().OnCommand(cmd::kNewEvent);
    EXPECT_NE(State().camera.currentView[0][0], start.currentView[0][0]);

    Frame().OnCommand(cmd::kResetEachEvent);
    EXPECT_TRUE(Checked(cmd::kResetEachEvent));
    Frame().OnCommand(cmd::kNewEvent);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_DOUBLE_EQ(State().camera.currentView[r][c], start.currentView[r][c]);
    const auto expected = DrawFirstShowing(State().event, State().conditions);
    ASSERT_TRUE(expected);
    EXPECT_EQ(DifferingPixels(*expected), 0);
}

TEST_F(NewEventCommand, SlowMotionAnimatesTheFirstShowing)
{
    StartProgram();
    Frame().OnCommand(cmd::kSlowMotion);
    EXPECT_EQ(State().slowMotion, 1);
    EXPECT_TRUE(Checked(cmd::kSlowMotion));
    const int64_t before = hookClock.milliseconds;
    Frame().OnCommand(cmd::kNewEvent);
    const int points = DrawablePoints();
    ASSERT_GT(points, 0);
    EXPECT_GE(hookClock.milliseconds - before, 10 * points);

    Frame().OnCommand(cmd::kSlowMotion);
    EXPECT_EQ(State().slowMotion, 0);
    EXPECT_FALSE(Checked(cmd::kSlowMotion));
    const int ticks = hookClock.tickReads;
    Frame().OnCommand(cmd::kNewEvent);
    EXPECT_EQ(hookClock.tickReads, ticks);
}

// Monitor Projector: New Event leaves the Particle Chamber where it is (here: hidden, behind a
// picture window that was activated since).
TEST_F(NewEventCommand, MonitorProjectorLeavesAHiddenChamberHidden)
{
    StartProgram();
    Frame().OnCommand(cmd::kClose);
    ASSERT_FALSE(Chamber().IsWindowVisible());
    CShowWindow picture(Frame(), 169);
    ASSERT_TRUE(picture.CreateEx(0, Frame().pictureClass, "picture", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, &Frame()));
    picture.ShowWindow(SW_SHOW);
    ASSERT_EQ(State().activeToolWindow, &picture);
    Frame().OnCommand(cmd::kMonitorProjector);
    Frame().OnCommand(cmd::kNewEvent);
    EXPECT_FALSE(Chamber().IsWindowVisible());
    EXPECT_EQ(Renderer().Event(), State().event);

    Frame().OnCommand(cmd::kMonitorChamber);
    Frame().OnCommand(cmd::kNewEvent);
    EXPECT_TRUE(Chamber().IsWindowVisible());
    EXPECT_EQ(State().activeToolWindow, &Chamber());
    EXPECT_EQ(State().activationList.Front(), &Chamber());
    picture.DestroyWindow();
}

using ReplayCommand = CommandTest;

// Every replay draws the box without points first and then the points one by one, 10 ms apart
// on the tick counter.
TEST_F(ReplayCommand, DrawsTheBoxAloneThenThePointsTenMillisecondsApart)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    const int points = DrawablePoints();
    ASSERT_GT(points, 0);
    int pointPixelsAtFirstPause = -1;
    hookClock.onTickRead = [&] {
        if (pointPixelsAtFirstPause >= 0)
            return;
        pointPixelsAtFirstPause = 0;
        // Light blue is also the colour of the box's edges.
        for (int id = kRed; id <= kBlue; ++id)
            pointPixelsAtFirstPause += CountColour(VisiblePicture(), Renderer().colourTable[id - kRed]);
    };
    const int64_t before = hookClock.milliseconds;
    Frame().OnCommand(cmd::kReplayEvent);
    hookClock.onTickRead = nullptr;
    EXPECT_EQ(pointPixelsAtFirstPause, 0) << "the box must be drawn without points before the first pause";
    const int64_t elapsed = hookClock.milliseconds - before;
    EXPECT_GE(elapsed, 10 * points);
    EXPECT_LT(elapsed, 12 * points);
    EXPECT_EQ(Renderer().hideTracks, 0);
    const auto expected = DrawFirstShowing(State().event, State().conditions);
    ASSERT_TRUE(expected);
    EXPECT_EQ(DifferingPixels(*expected), 0);
}

TEST_F(ReplayCommand, IsGreyedUntilTheFirstEvent)
{
    StartProgram();
    EXPECT_TRUE(Greyed(cmd::kReplayEvent));
    // A greyed item's key does nothing.
    platform::simulate::SendKey(&Chamber(), 'R', true);
    EXPECT_EQ(State().firstPlay, 1);
    Frame().OnCommand(cmd::kNewEvent);
    const int64_t before = hookClock.milliseconds;
    platform::simulate::SendKey(&Chamber(), 'R', true);
    EXPECT_GE(hookClock.milliseconds - before, 10 * DrawablePoints());
}

// In a scrolled view the points land where the view shows the picture.
TEST_F(ReplayCommand, PointsFollowTheScrollPosition)
{
    StartProgram(540);
    ASSERT_TRUE(View().HasVerticalScrollBar());
    View().ScrollToPosition({0, 60});
    ASSERT_EQ(View().GetDeviceScrollPosition().y, 60);
    Frame().OnCommand(cmd::kNewEvent);
    const auto expected = DrawFirstShowing(State().event, State().conditions);
    ASSERT_TRUE(expected);
    EXPECT_EQ(DifferingPixels(*expected), 0);
    Frame().OnCommand(cmd::kReplayEvent);
    EXPECT_EQ(DifferingPixels(*expected), 0);
}

using SettingsCommands = CommandTest;

TEST_F(SettingsCommands, ResetOrientationDrawsTheStartingPictureWithoutCaption)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    State().camera.Rotate(ScreenCamera::kAxisZ, 1.0);
    State().rotating = 1;
    Frame().OnCommand(cmd::kResetOrientation);
    EXPECT_EQ(State().rotating, 0);
    const auto expected = DrawFirstShowing(State().event, State().conditions);
    ASSERT_TRUE(expected);
    EXPECT_EQ(DifferingPixels(*expected, Renderer().captionRect), 0);
    EXPECT_EQ(CountColour(Renderer().captionRect, colours::kWhite), 0) << "a direct drawing carries no caption";
}

TEST_F(SettingsCommands, ShowAxesRepaintsAtOnce)
{
    StartProgram();
    EXPECT_EQ(ViewPixel(kZAxisAboveCentre.x, kZAxisAboveCentre.y), kAxisGreen);
    Frame().OnCommand(cmd::kShowAxes);
    EXPECT_EQ(State().showAxes, 0);
    EXPECT_EQ(Renderer().showAxes, 0);
    EXPECT_FALSE(Checked(cmd::kShowAxes));
    EXPECT_EQ(ViewPixel(kZAxisAboveCentre.x, kZAxisAboveCentre.y), colours::kBlack);
    Frame().OnCommand(cmd::kShowAxes);
    EXPECT_TRUE(Checked(cmd::kShowAxes));
    EXPECT_EQ(ViewPixel(kZAxisAboveCentre.x, kZAxisAboveCentre.y), kAxisGreen);
}

TEST_F(SettingsCommands, ShowValuesRepaintsWhenIdle)
{
    StartProgram();
    const Rect caption = Renderer().captionRect;
    EXPECT_GT(CountColour(caption, colours::kWhite), 0);
    Frame().OnCommand(cmd::kShowValues);
    platform::simulate::ProcessEvents();
    EXPECT_EQ(CountColour(caption, colours::kWhite), 0);
    Frame().OnCommand(cmd::kShowValues);
    platform::simulate::ProcessEvents();
    EXPECT_GT(CountColour(caption, colours::kWhite), 0);
}

using ShowAndClose = CommandTest;

TEST_F(ShowAndClose, CloseHidesTheChamberAndShowBringsItBack)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    State().camera.Rotate(ScreenCamera::kAxisX, 0.3);
    const double turned = State().camera.currentView[1][2];
    Frame().OnCommand(cmd::kClose);
    EXPECT_FALSE(Chamber().IsWindowVisible());
    Frame().OnCommand(cmd::kShowChamber);
    EXPECT_TRUE(Chamber().IsWindowVisible());
    EXPECT_EQ(State().activeToolWindow, &Chamber());
    EXPECT_EQ(State().activationList.Front(), &Chamber());
    EXPECT_EQ(State().camera.currentView[1][2], turned) << "closing keeps the orientation";
    EXPECT_NE(Renderer().Event(), nullptr) << "closing keeps the event";
}

// A tool window minimised from its window manager's menu comes back with its Show command.
TEST_F(ShowAndClose, ShowBringsAMinimisedToolWindowBack)
{
    StartProgram();
    for (const int show : {cmd::kShowControls, cmd::kShowProjector, cmd::kShowChamber}) {
        Frame().OnCommand(show);
        CWnd* window = State().activeToolWindow;
        window->ShowWindow(SW_MINIMIZE);
        ASSERT_TRUE(window->IsIconic());
        Frame().OnCommand(show);
        EXPECT_FALSE(window->IsIconic()) << show;
        EXPECT_TRUE(window->IsWindowVisible()) << show;
    }
}

TEST_F(ShowAndClose, ShowEndsTheTrackmakerMode)
{
    StartProgram();
    Frame().SetTrackmakerMode(1);
    Frame().OnCommand(cmd::kShowChamber);
    EXPECT_EQ(State().trackmakerActive, 0);
    Frame().SetTrackmakerMode(1);
    EXPECT_TRUE(Frame().OnCommand(cmd::kShowProjector));
    EXPECT_EQ(State().trackmakerActive, 0);
}

// Exit destroys the event: nothing shows it afterwards, and the program ends.
TEST_F(ShowAndClose, ExitDestroysTheEventAndEndsTheProgram)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    const std::weak_ptr<ChamberEvent> shown = State().event;
    Frame().OnCommand(cmd::kExit);
    EXPECT_TRUE(shown.expired());
    EXPECT_EQ(Renderer().Event(), nullptr);
    EXPECT_TRUE(State().activationList.Empty());
    platform::simulate::ProcessEvents();
    EXPECT_EQ(RunningFrame(), nullptr);
}

}

// The Trackmaker from the menu: Activate and Deactivate, the choices that reach its view, the
// screen speed dialog, what ends the mode, and what may arrive inside a flight.
#include "TestCommandsSupport.h"

#include "controls/ChamberControlWindow.h"
#include "shell/RateDialogs.h"
#include "trackmaker/LorentzSlideCanvas.h"
#include "trackmaker/TrackmakerView.h"
#include "trackmaker/TrackmakerWindow.h"

#include <ostream>
#include <string>

namespace {

class Trackmaker : public CommandTest {
protected:
    CTrackmakerWindow* Activate()
    {
        Frame().OnCommand(cmd::kTrackmakerActivate);
        platform::simulate::ProcessEvents();
        return Frame().trackmakerWindow;
    }
    TrackmakerView& View() { return *Frame().trackmakerWindow->GetView(); }
    CSliderCtrl* SpeedSlider()
    {
        CDialog* dialog = Frame().trackmakerWindow->speedDialog;
        return dialog ? dynamic_cast<CSliderCtrl*>(dialog->GetDlgItem(res::kSpeedSlider)) : nullptr;
    }
    std::string ActivateText()
    {
        std::string text;
        Menu().GetMenuString(cmd::kTrackmakerActivate, text, MF_BYCOMMAND);
        return text;
    }
};

// The first Activate creates the window at its large-screen place (650 x 500 held to the largest
// size, 632 x 480); Deactivate hides it, closes its speed dialog and gives the activation back.
TEST_F(Trackmaker, ActivateCreatesAndShowsDeactivateHides)
{
    StartProgram();
    CTrackmakerWindow* window = Activate();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsWindowVisible());
    EXPECT_EQ(window->GetWindowText(), "Trackmaker");
    EXPECT_EQ(WindowRect(window), (Rect{0, 44, 632, 524}));
    EXPECT_EQ(State().trackmakerActive, 1);
    EXPECT_EQ(ActivateText(), "D&eactivate");

    Frame().OnCommand(cmd::kAdjustScreenSpeed);
    ASSERT_NE(window->speedDialog, nullptr);
    Frame().OnCommand(cmd::kTrackmakerActivate);
    EXPECT_FALSE(window->IsWindowVisible());
    EXPECT_EQ(State().trackmakerActive, 0);
    EXPECT_EQ(ActivateText(), "&Activate");
    EXPECT_EQ(window->speedDialog, nullptr);
    EXPECT_EQ(State().activeToolWindow, Frame().ChamberWnd());

    EXPECT_EQ(Activate(), window) << "created once";
    EXPECT_TRUE(window->IsWindowVisible());
    EXPECT_EQ(State().trackmakerActive, 1);
}

// From the keyboard: "&Activate" and "&Adjust Speed On Screen" share A, so A highlights Activate
// (the other is greyed) and Enter runs it; with the mode on the item reads "D&eactivate" and A
// alone opens the dialog.
TEST_F(Trackmaker, AltTAAndEnterActivatesThenAltTAAdjustsTheSpeed)
{
    StartProgram();
    ASSERT_TRUE(platform::simulate::SendAltKey(&Frame(), 'T'));
    platform::simulate::SendKey(&Frame(), 'A', false);
    platform::simulate::SendKey(&Frame(), VK_RETURN, false);
    platform::simulate::ProcessEvents();
    ASSERT_NE(Frame().trackmakerWindow, nullptr);
    EXPECT_TRUE(Frame().trackmakerWindow->IsWindowVisible());
    EXPECT_EQ(State().trackmakerActive, 1);

    ASSERT_TRUE(platform::simulate::SendAltKey(&Frame(), 'T'));
    platform::simulate::SendKey(&Frame(), 'A', false);
    platform::simulate::ProcessEvents();
    EXPECT_NE(Frame().trackmakerWindow->speedDialog, nullptr);
}

// A speed choice resets the screen factor to its own: after the dialog moved the 2V factor to
// 9 (900), "Speed = &3 X V" gives speed 60 and factor 750, and the dialog opens at 5 again.
TEST_F(Trackmaker, ChoicesReachTheViewAndASpeedResetsTheScreenSpeed)
{
    StartProgram();
    ASSERT_NE(Activate(), nullptr);
    Frame().OnCommand(cmd::kAdjustScreenSpeed);
    ASSERT_NE(SpeedSlider(), nullptr);
    EXPECT_EQ(SpeedSlider()->GetPos(), 5);
    SpeedSlider()->UserMove(CSliderCtrl::Move::Drag, 9);
    EXPECT_DOUBLE_EQ(View().screenFactor, 900.0);
    platform::simulate::SendKey(Frame().trackmakerWindow->speedDialog, VK_ESCAPE, false);
    EXPECT_EQ(Frame().trackmakerWindow->speedDialog, nullptr);

    Frame().OnCommand(cmd::kSpeed3V);
    EXPECT_DOUBLE_EQ(View().speed, 60.0);
    EXPECT_DOUBLE_EQ(View().screenFactor, 750.0);
    EXPECT_DOUBLE_EQ(State().screenFactorBase, 750.0);
    Frame().OnCommand(cmd::kAdjustScreenSpeed);
    ASSERT_NE(SpeedSlider(), nullptr);
    EXPECT_EQ(SpeedSlider()->GetPos(), 5);

    Frame().OnCommand(cmd::kPositron);
    EXPECT_DOUBLE_EQ(View().charge, 1.0);
}

// Show, a reminder, and moving or resizing another tool window end the mode; the Trackmaker
// window stays where it is, visible. A click into it starts the mode again.
TEST_F(Trackmaker, ShowRemindersAndMovingTheOtherWindowsEndTheModeAClickStartsIt)
{
    StartProgram();
    CTrackmakerWindow* window = Activate();
    ASSERT_NE(window, nullptr);
    const std::function<void()> enders[] = {
        [this] { Frame().OnCommand(cmd::kShowControls); },
        [this] { Frame().OnCommand(cmd::kUsefulTools); },
        [this] { platform::simulate::UserMove(Frame().ChamberWnd(), 5, 60); },
        [this] { platform::simulate::UserResize(Frame().controlsWindow, 380, 300); },
    };
    for (size_t i = 0; i < std::size(enders); ++i) {
        if (!State().trackmakerActive)
            Activate();
        ASSERT_EQ(State().trackmakerActive, 1) << i;
        enders[i]();
        EXPECT_EQ(State().trackmakerActive, 0) << i;
        EXPECT_TRUE(window->IsWindowVisible()) << i;
    }
    // A click into the window turns the mode on again; that click only activates, so pressed
    // on the field knob it does not grab it.
    LorentzSlideCanvas& slider = *window->fieldSlider;
    platform::simulate::SendMouse(&slider, platform::simulate::MouseAction::Press, {30, 160 + 16});
    EXPECT_EQ(State().trackmakerActive, 1);
    EXPECT_EQ(slider.dragging, 0);
    EXPECT_EQ(slider.armed, 1);
    platform::simulate::SendMouse(&slider, platform::simulate::MouseAction::Release, {30, 160 + 16});
}

// What may arrive inside a flight, posted after its 20th step of 948 across the empty field. A
// flight reads the counter once before its first step and once after each: the reads count
// the steps.
struct Arrival {
    const char* name;
    void (*post)(CMainFrame& frame);
    void (*check)(CMainFrame* frame, int steps, int deepestNesting);
};

void PrintTo(const Arrival& arrival, std::ostream* out) { *out << arrival.name; }

void ExpectStoppedUncaptured(CMainFrame* frame, int steps, int)
{
    ASSERT_NE(frame, nullptr);
    EXPECT_LE(steps, 21);
    EXPECT_EQ(frame->State().trackmakerActive, 0);
    EXPECT_FALSE(frame->trackmakerWindow->IsWindowVisible());
    EXPECT_EQ(frame->trackmakerWindow->GetView()->trackCaptured, 0) << "a stopped flight keeps its track on screen only";
}

void ExpectProgramEnds(CMainFrame* frame, int steps, int)
{
    ASSERT_NE(frame, nullptr) << "the frame outlives the flight";
    EXPECT_LE(steps, 22);
    platform::simulate::ProcessEvents();
    EXPECT_EQ(RunningFrame(), nullptr);
}

const Arrival kArrivals[] = {
    {"Deactivate", [](CMainFrame& f) { f.PostMessage(WM_COMMAND, cmd::kTrackmakerActivate); },
     ExpectStoppedUncaptured},
    {"CloseButton", [](CMainFrame& f) { platform::simulate::PostCloseButton(f.trackmakerWindow); },
     ExpectStoppedUncaptured},
    {"SecondInject", [](CMainFrame& f) { platform::simulate::PostKey(f.trackmakerWindow, 'I', true); },
     [](CMainFrame* frame, int steps, int deepest) {
         ASSERT_NE(frame, nullptr);
         EXPECT_EQ(deepest, 2);
         EXPECT_GT(steps, 948) << "the second particle crossed the whole field";
         EXPECT_GT(frame->trackmakerWindow->GetView()->flight.x, 474.0);
         EXPECT_EQ(frame->trackmakerWindow->GetView()->running, 0);
     }},
    {"Exit", [](CMainFrame& f) { platform::simulate::PostKey(&f, 'Q', true); }, ExpectProgramEnds},
    {"CloseFrame", [](CMainFrame& f) { platform::simulate::PostCloseButton(&f); }, ExpectProgramEnds},
};

class FlightArrival : public Trackmaker, public ::testing::WithParamInterface<Arrival> {};

TEST_P(FlightArrival, EndsTheFlightCleanly)
{
    StartProgram();
    ASSERT_NE(Activate(), nullptr);
    hookClock.advancePerCounterRead = 1000;
    int deepest = 0;
    hookClock.counterReads = 0;
    hookClock.onCounterRead = [&](int read) {
        deepest = std::max(deepest, RunningFrame() ? int(RunningFrame()->flightLoops) : 0);
        if (read == 21) // after step 20
            GetParam().post(*RunningFrame());
        if (read > 5000 && RunningFrame() && RunningFrame()->trackmakerWindow)
            RunningFrame()->trackmakerWindow->GetView()->running = 0;
    };
    Frame().OnCommand(cmd::kInjectParticle);
    hookClock.onCounterRead = nullptr;
    if (RunningFrame()) {
        EXPECT_EQ(RunningFrame()->flightLoops, 0);
    }
    GetParam().check(RunningFrame(), hookClock.counterReads, deepest);
}

INSTANTIATE_TEST_SUITE_P(Trackmaker, FlightArrival, ::testing::ValuesIn(kArrivals),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

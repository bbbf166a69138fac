// Start-up of the program: the screen checks, the placements on both screen classes, the state
// of the frame, the splash and the command-line file.
#include "ShellTestSupport.h"

#include "eventfile/EventFileWriter.h"

#include "display/ScreenChamberWindow.h"
#include "physics/Random.h"
#include "shell/CommandIds.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr Rect Outer(Placement p) { return Rect::FromSize(p.x, p.y, p.width, p.height); }

const char* const kTooSmallText =
    "Sorry, Tracelume requires a 640X480 screen or bigger. Adjust resolution and try again, if you can.";
const char* const kTooFewColoursText =
    "Sorry, Tracelume requires 256 or more colors. Adjust color setting and try again, if you can.";

using StartUp = ShellTest;

TEST_F(StartUp, Screen599HighUsesTheNormalPlacements)
{
    ASSERT_TRUE(Start(Screen(599)));
    EXPECT_EQ(State().largeScreen, 0);
    EXPECT_EQ(State().smallScreen, 0);
    EXPECT_EQ(WindowRect(Frame().ChamberWnd()), Outer(placement::kChamberNormal));
    EXPECT_EQ(WindowRect(&Frame()), (Rect{0, 0, 1280, 48}));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(StartUp, Screen600HighUsesTheLargePlacements)
{
    ASSERT_TRUE(Start(Screen(600)));
    EXPECT_EQ(State().largeScreen, 1);
    // The chamber window cannot grow wider than 640 pixels, so the large placement's 650 is
    // held to that limit.
    const Placement large = placement::kChamberLarge;
    const int width = std::min(large.width, CScreenChamberWindow::kMaxTrackSize.x);
    EXPECT_EQ(WindowRect(Frame().ChamberWnd()), Rect::FromSize(large.x, large.y, width, large.height));
    EXPECT_EQ(width, 640);
    EXPECT_EQ(Frame().ProjectorPlacement(), placement::kProjectorLarge);
}

TEST_F(StartUp, FrameSpansTheDesktopWidthWhateverItIs)
{
    ScreenFacts facts = Screen(768);
    facts.desktop = {0, 0, 1024, 768};
    ASSERT_TRUE(Start(facts));
    EXPECT_EQ(WindowRect(&Frame()), (Rect{0, 0, 1024, 48}));
}

TEST_F(StartUp, Screen480HighPassesAndScreen479IsRefused)
{
    ASSERT_TRUE(Start(Screen(480)));
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(WindowRect(Frame().ChamberWnd()), Outer(placement::kChamberNormal));
    TearDown();
    SetUp();

    ScreenFacts small = Screen(479);
    small.desktop.right = 4000; // only the height counts
    EXPECT_FALSE(Start(small));
    EXPECT_EQ(State().smallScreen, 1);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, kTooSmallText);
    EXPECT_EQ(boxes.Shown()[0].caption, "Screen dimensions too small.");
    EXPECT_TRUE(boxes.Shown()[0].OwnedByDesktop());
    EXPECT_EQ(RunningFrame(), nullptr);
}

TEST_F(StartUp, EightBitsPerPixelPassAndFourAreRefused)
{
    ASSERT_TRUE(Start(Screen(768, 8)));
    EXPECT_TRUE(boxes.Shown().empty());
    TearDown();
    SetUp();

    EXPECT_FALSE(Start(Screen(768, 4)));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, kTooFewColoursText);
    EXPECT_EQ(boxes.Shown()[0].caption, "Not enough screen colors.");
    EXPECT_TRUE(boxes.Shown()[0].OwnedByDesktop());
    EXPECT_EQ(RunningFrame(), nullptr);
}

// A display Qt cannot paint on would show black windows and a black message box: the program
// ends at once with a failure status instead.
TEST_F(StartUp, ADisplayThatCannotBePaintedEndsTheProgramWithAFailure)
{
    ScreenFacts unpaintable = Screen(768, 8);
    unpaintable.paintable = false;
    EXPECT_FALSE(Start(unpaintable));
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(RunningFrame(), nullptr);
    EXPECT_EQ(app->ExitInstance(), CChamberApp::kUnpaintableDisplay);
}

TEST_F(StartUp, FieldsHoldTheirStartValues)
{
    clock.frequency = 3'579'545;
    ASSERT_TRUE(Start(Screen(768)));
    CMainFrame& f = Frame();
    EXPECT_DOUBLE_EQ(f.State().rotationRate, 0.6283185308);
    EXPECT_DOUBLE_EQ(State().defaultRotationRate, 0.6283185308);
    EXPECT_DOUBLE_EQ(f.State().rotationStep, 0.017444444444444446);
    EXPECT_DOUBLE_EQ(State().perfFrequency, 3'579'545.0);
    EXPECT_EQ(f.State().reverseRotation, 0);
    EXPECT_DOUBLE_EQ(f.State().conditions.L(), 500.0);
    EXPECT_DOUBLE_EQ(f.State().conditions.B(), 0.8);
    EXPECT_DOUBLE_EQ(f.State().conditions.T(), 0.6);
    EXPECT_DOUBLE_EQ(f.State().pendingConditions.L(), 500.0);
    EXPECT_EQ(f.State().pendingConditions.Owner(), &f.State().conditions);
    EXPECT_EQ(f.State().event, nullptr);
    EXPECT_EQ(f.AxisCommand(), cmd::kAxisX);
    EXPECT_EQ(f.State().camera.axis, ScreenCamera::kAxisX);
    EXPECT_EQ(f.MonitorCommand(), cmd::kMonitorChamber);
    EXPECT_EQ(f.DecayCommand(), cmd::kDecay1);
    EXPECT_EQ(f.DirectionCommand(), cmd::kLeftToRight);
    EXPECT_EQ(f.ParticleCommand(), cmd::kElectron);
    EXPECT_EQ(f.SpeedCommand(), cmd::kSpeed2V);
    EXPECT_EQ(f.State().fromCommandLine, 0);
    EXPECT_EQ(f.State().hasEvent, 0);
    EXPECT_EQ(f.State().MonitorChamber(), 1);
    EXPECT_EQ(f.State().showAxes, 1);
    EXPECT_EQ(f.State().showValues, 1);
    EXPECT_EQ(f.State().resetEachEvent, 0);
    EXPECT_EQ(f.State().rotating, 0);
    EXPECT_EQ(f.State().slowMotion, 0);
    EXPECT_EQ(f.State().trackmakerActive, 0);
    EXPECT_EQ(f.State().LeftToRight(), 1);
    EXPECT_EQ(f.State().Electron(), 1);
    EXPECT_EQ(f.State().firstPlay, 1);
    EXPECT_FALSE(f.m_bAutoMenuEnable);
    EXPECT_EQ(RunningFrame(), &f);
    EXPECT_EQ(&f.chamberWindow->Frame(), static_cast<FrameLink*>(&f));
}

TEST_F(StartUp, SeedsTheRandomSourceFromTheCalendarTime)
{
    clock.calendarSeconds = 1'700'000'123;
    ASSERT_TRUE(Start(Screen(768)));
    EXPECT_EQ(State().lesson.Seed(), 1'700'000'123u);
}

// The camera is that of the chamber: rho 3250, theta 30, phi 60, D 2300, centre (322, 223).
TEST_F(StartUp, CameraIsTheChamberCamera)
{
    ASSERT_TRUE(Start(Screen(768)));
    const ScreenCamera& c = State().camera;
    EXPECT_DOUBLE_EQ(c.eyeDistance, 3250.0);
    EXPECT_DOUBLE_EQ(c.azimuth, 30.0);
    EXPECT_DOUBLE_EQ(c.polarAngle, 60.0);
    EXPECT_DOUBLE_EQ(c.screenDistance, 2300.0);
    EXPECT_DOUBLE_EQ(c.centreX, 322.0);
    EXPECT_DOUBLE_EQ(c.centreY, 223.0);
}

TEST_F(StartUp, OnlyTheFrameAndTheChamberAreShown)
{
    ASSERT_TRUE(Start(Screen(768)));
    CMainFrame& f = Frame();
    EXPECT_TRUE(f.IsWindowVisible());
    EXPECT_EQ(f.GetWindowText(), "Tracelume");
    ASSERT_NE(f.ChamberWnd(), nullptr);
    EXPECT_TRUE(f.ChamberWnd()->IsWindowVisible());
    EXPECT_EQ(f.ChamberWnd()->GetWindowText(), "Particle Chamber: Empty");
    EXPECT_EQ(f.ChamberWnd()->GetParent(), &f);
    EXPECT_EQ(f.trackmakerWindow, nullptr);
    EXPECT_EQ(f.aboutWindow, nullptr);
    EXPECT_EQ(f.toolsWindow, nullptr);
    EXPECT_EQ(f.energyWindow, nullptr);
    EXPECT_EQ(f.motionWindow, nullptr);
    EXPECT_EQ(f.realLifeWindow, nullptr);
}

// The splash stays for 3000 ms of the tick counter: the wait reads the clock until 3000 ms have
// passed since it began, and ends at the first read that shows them.
TEST_F(StartUp, SplashWaitsThreeSecondsOnTheTickCounter)
{
    ASSERT_TRUE(Start(Screen(768)));
    EXPECT_GE(clock.milliseconds, 3000);
    EXPECT_LT(clock.milliseconds, 3010);
}

TEST_F(StartUp, SplashWaitSurvivesTheTickCounterWrapping)
{
    clock.milliseconds = 0xFFFFFFFFll - 1000; // wraps 1001 ms into the wait
    ASSERT_TRUE(Start(Screen(768)));
    EXPECT_GE(clock.milliseconds - (0xFFFFFFFFll - 1000), 3000);
    EXPECT_LT(clock.milliseconds - (0xFFFFFFFFll - 1000), 3010);
}

TEST_F(StartUp, SetEventTitleNamesTheChamber)
{
    ASSERT_TRUE(Start(Screen(768)));
    Frame().SetEventTitle("Untitled Type 3 Decay");
    EXPECT_EQ(Frame().ChamberWnd()->GetWindowText(), "Particle Chamber: Untitled Type 3 Decay");
}

class CommandLine : public ShellTest {
protected:
    void ExpectNotFoundMessage(const std::string& missingName)
    {
        ASSERT_EQ(boxes.Shown().size(), 1u);
        // The specified text, then the name that was not found.
        EXPECT_EQ(boxes.Shown()[0].text, "Try opening file with Open under File menu.\n\nNot found: " + missingName);
        EXPECT_EQ(boxes.Shown()[0].caption, "Problem Opening File from Desktop");
        EXPECT_TRUE(boxes.Shown()[0].OwnedByDesktop());
        EXPECT_EQ(State().fromCommandLine, 0);
        EXPECT_EQ(Frame().ChamberWnd()->GetWindowText(), "Particle Chamber: Empty");
        EXPECT_EQ(State().event, nullptr);
    }

    std::string MakeFile(const std::string& name)
    {
        const auto folder = std::filesystem::temp_directory_path() / "tracelume-shell-test";
        std::filesystem::create_directories(folder);
        const auto path = folder / name;
        const std::vector<uint8_t> bytes = EncodeEventFile(ChamberData(300, 1.2, 0.5), {});
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path.string();
    }
};

TEST_F(CommandLine, MissingFileIsReportedAndTheChamberStaysEmpty)
{
    ASSERT_TRUE(Start(Screen(768), {"/nonexistent/folder/event.cwd"}));
    ExpectNotFoundMessage("/nonexistent/folder/event.cwd");
}

TEST_F(CommandLine, QuotedPathOfAnExistingFileDoesNotMatch)
{
    const std::string path = MakeFile("quoted.cwd");
    ASSERT_TRUE(Start(Screen(768), {"\"" + path + "\""}));
    ExpectNotFoundMessage("\"" + path + "\"");
}

TEST_F(CommandLine, ExistingFileIsFoundWithoutAMessage)
{
    const std::string path = MakeFile("found.cwd");
    ASSERT_TRUE(Start(Screen(768), {path}));
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(Frame().ChamberWnd()->GetWindowText(), "Particle Chamber: found");
    ASSERT_NE(State().event, nullptr);
    EXPECT_EQ(State().conditions.L(), 300.0);
    EXPECT_EQ(State().fromCommandLine, 0);
}

TEST_F(CommandLine, ArgumentsAreJoinedIntoOneName)
{
    const std::string path = MakeFile("two words.cwd");
    const auto space = path.rfind(' ');
    ASSERT_TRUE(Start(Screen(768), {path.substr(0, space), path.substr(space + 1)}));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(CommandLine, NoArgumentsMeansNoSearchAndNoMessage)
{
    ASSERT_TRUE(Start(Screen(768)));
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(State().fromCommandLine, 0);
}

}

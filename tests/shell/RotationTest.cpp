// The rotation loop: frame angles from the measured drawing time, and messages arriving while it
// runs (the clock hook posts them at the end of a chosen frame, before the loop handles its
// waiting messages).
#include "TestCommandsSupport.h"

#include "platform/window/MessageQueue.h"
#include "shell/ShowWindow.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kFirstStep = 0.017444444444444446; // radians
constexpr double kRate = 0.6283185308;              // rad/s
constexpr int64_t kFrameTicks = 10'000;             // 10 ms of drawing on a 1 MHz counter

// What the test sees at the end of each frame.
struct FrameRecord {
    double angle = 0.0; // the camera's last turn, radians
    int axis = 0;
    int loops = 0;      // rotation loops running
    Point zTip;         // pixel of the chamber's +Z axis end (0, 0, 400)
};

class RotationTest : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        hookClock.advancePerCounterRead = kFrameTicks;
    }

    // Runs the loop through cmd (Rotate or Reverse Rotate). at(frame) runs at the end of every
    // frame; the loop is stopped after maxFrames frames if nothing else stopped it.
    void Run(int cmdId, std::function<void(int frame)> at = {}, int maxFrames = 8)
    {
        hookClock.counterReads = 0;
        hookClock.onCounterRead = [this, at, maxFrames](int read) {
            if (read % 2 != 0)
                return;
            const int frame = read / 2;
            FrameRecord record;
            record.angle = State().camera.lastAngle;
            record.axis = State().camera.axis;
            record.loops = Frame().rotationLoops;
            State().camera.Project(0, 0, 400, 1, record.zTip.x, record.zTip.y);
            frames.push_back(record);
            if (at)
                at(frame);
            if (frame >= maxFrames)
                State().rotating = 0;
        };
        Frame().OnCommand(cmdId);
        hookClock.onCounterRead = nullptr;
    }

    int MaxLoops() const
    {
        int most = 0;
        for (const FrameRecord& f : frames)
            most = std::max(most, f.loops);
        return most;
    }

    std::vector<FrameRecord> frames;
};

using RotationSteps = RotationTest;

TEST_F(RotationSteps, FirstFrameTurnsByTheStoredStepThenByDrawingTimeTimesRate)
{
    StartProgram();
    Run(cmd::kRotate, {}, 5);
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_DOUBLE_EQ(frames[0].angle, kFirstStep);
    for (size_t i = 1; i < frames.size(); ++i)
        EXPECT_NEAR(frames[i].angle, 0.010 * kRate, 1e-12) << "frame " << i + 1;
    EXPECT_EQ(State().rotating, 0);
    EXPECT_EQ(Frame().rotationLoops, 0);
    EXPECT_NEAR(State().rotationStep, 0.010 * kRate, 1e-12);
    EXPECT_EQ(State().lastFrameEnd, hookClock.counter - kFrameTicks);
}

// The time spent on messages between frames is not part of the next frame's angle, and a frame
// that takes longer turns further.
TEST_F(RotationSteps, OnlyDrawingTimeCounts)
{
    StartProgram();
    Run(cmd::kRotate, [this](int frame) {
        hookClock.counter += 5'000'000; // five seconds pass outside the frames
        if (frame == 2)
            hookClock.advancePerCounterRead = 3 * kFrameTicks;
    }, 4);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_NEAR(frames[1].angle, 0.010 * kRate, 1e-12);
    EXPECT_NEAR(frames[3].angle, 0.030 * kRate, 1e-12);
}

TEST_F(RotationSteps, ReverseRotateTurnsTheOtherWay)
{
    StartProgram();
    Run(cmd::kReverseRotate, {}, 3);
    EXPECT_EQ(State().reverseRotation, 1);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_DOUBLE_EQ(frames[0].angle, -kFirstStep);
    EXPECT_NEAR(frames[2].angle, -0.010 * kRate, 1e-12);
    Run(cmd::kRotate, {}, 4);
    EXPECT_EQ(State().reverseRotation, 0);
    EXPECT_NEAR(frames[3].angle, 0.010 * kRate, 1e-12) << "Rotate starts with the last step, made positive";
}

using MessagesInTheLoop = RotationTest;

TEST_F(MessagesInTheLoop, RotateWhileRotatingStartsNoSecondLoop)
{
    StartProgram();
    Run(cmd::kRotate, [this](int frame) {
        if (frame == 2)
            platform::simulate::PostKey(&Chamber(), 'G', true);
        if (frame == 3)
            platform::simulate::ChooseMenuItem(&Frame(), cmd::kRotate);
    }, 6);
    EXPECT_EQ(frames.size(), 6u);
    EXPECT_EQ(MaxLoops(), 1);
    for (const FrameRecord& f : frames)
        EXPECT_GT(f.angle, 0.0);
}

TEST_F(MessagesInTheLoop, ReverseRotateTurnsTheOtherWayFromTheNextFrame)
{
    StartProgram();
    Run(cmd::kRotate, [](int frame) {
        if (frame == 3)
            platform::simulate::PostKey(RunningFrame(), 'F', true);
    }, 6);
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(MaxLoops(), 1);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_GT(frames[i].angle, 0.0) << "frame " << i + 1;
    for (size_t i = 3; i < 6; ++i)
        EXPECT_NEAR(frames[i].angle, -0.010 * kRate, 1e-12) << "frame " << i + 1;
}

// About X the +Z tip of the chamber moves on the screen; about Z it stays where it is.
TEST_F(MessagesInTheLoop, AnAxisChangeTakesEffectAtTheNextFrame)
{
    StartProgram();
    hookClock.advancePerCounterRead = 20 * kFrameTicks; // 0.2 s frames: big enough turns to see
    Run(cmd::kRotate, [this](int frame) {
        if (frame == 3)
            platform::simulate::PostKey(&Chamber(), '3', true);
    }, 6);
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_NE(frames[1].zTip, frames[0].zTip);
    EXPECT_NE(frames[2].zTip, frames[1].zTip);
    EXPECT_EQ(frames[3].axis, ScreenCamera::kAxisZ);
    EXPECT_EQ(frames[3].zTip, frames[2].zTip);
    EXPECT_EQ(frames[5].zTip, frames[2].zTip);
    EXPECT_EQ(Frame().AxisCommand(), cmd::kAxisZ);
    EXPECT_TRUE(Checked(cmd::kAxisZ));
    EXPECT_FALSE(Checked(cmd::kAxisX));
}

TEST_F(MessagesInTheLoop, NewEventEndsItAfterTheCurrentFrame)
{
    StartProgram();
    Run(cmd::kRotate, [](int frame) {
        if (frame == 3)
            platform::simulate::PostKey(RunningFrame(), 'E', true);
    });
    EXPECT_EQ(frames.size(), 3u);
    EXPECT_EQ(State().rotating, 0);
    ASSERT_NE(State().event, nullptr);
    EXPECT_EQ(State().firstPlay, 0);
}

TEST_F(MessagesInTheLoop, AClickOnTheChamberViewEndsIt)
{
    StartProgram();
    Run(cmd::kRotate, [this](int frame) {
        if (frame == 3) {
            platform::simulate::PostMouse(&View(), platform::simulate::MouseAction::Press, {200, 100});
            platform::simulate::PostMouse(&View(), platform::simulate::MouseAction::Release, {200, 100});
        }
    });
    EXPECT_EQ(frames.size(), 3u);
    EXPECT_EQ(Frame().rotationLoops, 0);
}

TEST_F(MessagesInTheLoop, AClickElsewhereDoesNotEndIt)
{
    StartProgram();
    CShowWindow picture(Frame(), 169);
    ASSERT_TRUE(picture.CreateEx(0, Frame().pictureClass, "picture", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, &Frame()));
    picture.ShowWindow(SW_SHOW);
    platform::simulate::ProcessEvents();
    Run(cmd::kRotate, [&picture](int frame) {
        if (frame == 3) {
            platform::simulate::PostMouse(&picture, platform::simulate::MouseAction::Press, {20, 20});
            platform::simulate::PostMouse(&picture, platform::simulate::MouseAction::Release, {20, 20});
        }
    }, 6);
    EXPECT_EQ(frames.size(), 6u);
    picture.DestroyWindow();
}

// The frame cannot go while the loop, one of its commands, runs: the loop ends first, and then
// the frame closes and the program ends.
TEST_F(MessagesInTheLoop, ClosingTheFrameEndsTheLoopAndTheProgram)
{
    StartProgram();
    Run(cmd::kRotate, [](int frame) {
        if (frame == 3)
            platform::simulate::PostCloseButton(RunningFrame());
    });
    EXPECT_EQ(frames.size(), 3u);
    ASSERT_NE(RunningFrame(), nullptr) << "the frame must outlive its rotation loop";
    EXPECT_EQ(Frame().rotationLoops, 0);
    platform::simulate::ProcessEvents();
    EXPECT_EQ(RunningFrame(), nullptr);
}

TEST_F(MessagesInTheLoop, ExitEndsTheLoopAndTheProgram)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    Run(cmd::kRotate, [](int frame) {
        if (frame == 3)
            platform::simulate::PostKey(RunningFrame(), 'Q', true);
    });
    EXPECT_LE(frames.size(), 4u);
    ASSERT_NE(RunningFrame(), nullptr);
    EXPECT_EQ(State().event, nullptr);
    platform::simulate::ProcessEvents();
    EXPECT_EQ(RunningFrame(), nullptr);
}

// A quit request ends the loop and reaches the program's own loop as a quit with code 0.
TEST_F(MessagesInTheLoop, AQuitRequestEndsItAndIsPassedOnWithCodeZero)
{
    StartProgram();
    Run(cmd::kRotate, [](int frame) {
        if (frame == 3)
            PostQuitMessage(7);
    });
    EXPECT_EQ(frames.size(), 3u);
    std::vector<int> quits;
    platform::PumpWaitingMessages([&quits](const Msg& message) {
        if (message.kind != MessageKind::Quit)
            return PumpAction::Dispatch;
        quits.push_back(message.exitCode);
        return PumpAction::StopPumping;
    });
    EXPECT_EQ(quits, std::vector<int>{0});
}

using RotationPictures = RotationTest;

// Frames carry no caption; the repaint that follows the loop brings it back.
TEST_F(RotationPictures, TheCaptionIsAbsentWhileTurningAndBackAfterwards)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    const Rect caption = Renderer().captionRect;
    ASSERT_GT(CountColour(caption, colours::kWhite), 0);
    int whiteDuringLoop = -1;
    Run(cmd::kRotate, [&](int frame) {
        if (frame == 2)
            whiteDuringLoop = CountColour(caption, colours::kWhite);
    }, 4);
    EXPECT_EQ(whiteDuringLoop, 0);
    platform::simulate::ProcessEvents();
    EXPECT_GT(CountColour(caption, colours::kWhite), 0);
}

// Each frame shows the chamber in the camera's orientation of that moment; Reset Orientation
// brings back the picture of the first showing.
TEST_F(RotationPictures, FramesFollowTheCameraAndResetBringsTheStartBack)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    const auto start = DrawFirstShowing(State().event, State().conditions);
    ASSERT_TRUE(start);
    int differingAtFrame4 = 0;
    Run(cmd::kRotate, [&](int frame) {
        if (frame == 4)
            differingAtFrame4 = DifferingPixels(*start, Renderer().captionRect);
    }, 5);
    EXPECT_GT(differingAtFrame4, 100);
    Frame().OnCommand(cmd::kResetOrientation);
    EXPECT_EQ(DifferingPixels(*start, Renderer().captionRect), 0);
}

// Resizing the chamber inside the loop makes the next frame clip to the new view area.
TEST_F(RotationPictures, AResizeInsideTheLoopRebuildsTheClip)
{
    StartProgram();
    int dirtyAfterResize = -1;
    Run(cmd::kRotate, [&](int frame) {
        if (frame == 2) {
            platform::simulate::UserResize(&Chamber(), 300, 200);
            dirtyAfterResize = State().clipDirty;
        }
    }, 4);
    EXPECT_EQ(dirtyAfterResize, 1);
    EXPECT_EQ(State().clipDirty, 0);
}

}

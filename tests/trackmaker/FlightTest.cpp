// The Trackmaker's flight on a driven clock: every step is measured as 1000 counter ticks of a
// 1 MHz counter, so at 2V (speed 40, screen factor 500) dt = 0.0125 and the particle moves half a
// pixel per step.
#include "trackmaker/LorentzSlideCanvas.h"
#include "trackmaker/TrackmakerShowCanvas.h"
#include "trackmaker/TrackmakerView.h"
#include "trackmaker/TrackmakerWindow.h"

#include "../display/FakeFrameLink.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/testing/InputSimulation.h"
#include "platform/testing/ManualClock.h"
#include "platform/window/FrameWnd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <utility>

namespace {

using platform::simulate::MouseAction;

class WidgetsApplication : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(platform::EnsureGuiApplication(platform::ApplicationKind::Widgets)); }
};
[[maybe_unused]] ::testing::Environment* const widgetsApplication =
    ::testing::AddGlobalTestEnvironment(new WidgetsApplication);

// A flight reads the counter once before its first step and once after every step; AtStep(n)
// runs an action right after step n, so that what it posts is handled by that step's pump.
class FlightClock : public ManualClock {
public:
    int64_t PerformanceCounter() override
    {
        const auto action = actions.find(++reads);
        if (action != actions.end())
            action->second();
        return ManualClock::PerformanceCounter();
    }
    void AtStep(int step, std::function<void()> action) { actions[step + 1] = std::move(action); }

    std::map<int, std::function<void()>> actions;
    int reads = 0;
};

class Flight : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.frequency = 1'000'000;
        clock.advancePerCounterRead = 1000;
        platform::SetClock(&clock);
        frame.perfFrequency = 1e6;
        owner = new CFrameWnd;
        ASSERT_TRUE(owner->Create("", "owner", WS_OVERLAPPEDWINDOW, {700, 0, 900, 100}, nullptr));
        window = new CTrackmakerWindow(frame);
        ASSERT_TRUE(window->Create("", "Trackmaker", WS_OVERLAPPEDWINDOW, {0, 0, 640, 445}, owner));
        window->CreateView();
        window->ShowWindow(SW_SHOW);
        platform::simulate::ProcessEvents();
        view = window->GetView();
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override
    {
        if (owner)
            owner->DestroyWindow();
        platform::SetClock(nullptr);
    }

    void Fly(double speed, double field, double charge, int leftToRight = 1)
    {
        view->speed = speed;
        view->screenFactor = 500.0 * speed / 40.0;
        view->charge = charge;
        view->SetField(field);
        view->Inject(leftToRight);
    }
    bool White(int x, int y) const { return view->backBuffer->GetPixel(x, y) == colours::kWhite; }
    Colour Shown(int x, int y) const
    {
        const Rect client = view->ClientAreaInTopLevel();
        return FromPixel(view->TopLevelImage()->At(client.left + x, client.top + y));
    }
    // The white pixels of the area in the back buffer.
    std::vector<Point> Track() const
    {
        std::vector<Point> points;
        for (int y = 0; y < TrackmakerView::kAreaHeight; ++y)
            for (int x = 0; x < TrackmakerView::kAreaWidth; ++x)
                if (White(x, y))
                    points.push_back({x, y});
        return points;
    }

    FakeFrameLink frame;
    FlightClock clock;
    CFrameWnd* owner = nullptr;
    CTrackmakerWindow* window = nullptr;
    TrackmakerView* view = nullptr;
};

// The circle of speed / |field| pixels, read from the captured track: its centre lies above the
// entry point (an electron in a positive field turns toward the top).
TEST_F(Flight, TrackIsACircleOfSpeedOverField)
{
    struct Case {
        double speed, field;
        double radius;
    };
    for (const Case c : {Case{40.0, 1.0, 40.0}, Case{60.0, 0.5, 120.0}}) {
        Fly(c.speed, c.field, -1.0);
        const std::vector<Point> track = Track();
        ASSERT_GT(track.size(), 100u) << c.radius;
        int rightmost = 0;
        for (const Point p : track) {
            EXPECT_NEAR(std::hypot(p.x, p.y - (220.0 - c.radius)), c.radius, 1.5) << p.x << ", " << p.y;
            rightmost = std::max(rightmost, p.x);
        }
        EXPECT_NEAR(rightmost, c.radius, 1.0);
        EXPECT_EQ(view->trackCaptured, 1) << "a particle that left has its track kept";
    }
}

// Where the particle leaves: straight along y = 220 without field; half a circle back out of the
// left edge for a radius up to 110; out of the top for radius 120 (electron) or the bottom
// (positron, the mirror image), at x = sqrt(120^2 - 100^2).
TEST_F(Flight, LeavesThroughTheEdgeItsRadiusReaches)
{
    struct Case {
        double speed, field, charge;
        int leftToRight;
        bool (*left)(double x, double y);
    };
    const Case cases[] = {
        {40.0, 0.0, -1.0, 1, [](double x, double y) { return x > 474.0 && y == 220.0; }},
        {40.0, 0.0, -1.0, 0, [](double x, double y) { return x < 0.0 && y == 220.0; }},
        {40.0, 1.0, -1.0, 1, [](double x, double y) { return x < 0.0 && std::fabs(y - 140.0) < 1.0; }},
        {60.0, 0.5, -1.0, 1, [](double x, double y) { return y < 0.0 && std::fabs(x - 66.3) < 1.5; }},
        {60.0, 0.5, 1.0, 1, [](double x, double y) { return y > 440.0 && std::fabs(x - 66.3) < 1.5; }},
    };
    for (const Case& c : cases) {
        Fly(c.speed, c.field, c.charge, c.leftToRight);
        EXPECT_TRUE(c.left(view->flight.x, view->flight.y)) << "left at " << view->flight.x << ", " << view->flight.y;
    }
}

TEST_F(Flight, AreaEdgesCountAsInside)
{
    EXPECT_TRUE(view->InArea(0, 0));
    EXPECT_TRUE(view->InArea(474, 440));
    EXPECT_FALSE(view->InArea(475, 440));
    EXPECT_FALSE(view->InArea(474, 441));
    EXPECT_FALSE(view->InArea(-1, 220));
    EXPECT_FALSE(view->InArea(10, -1));
}

// dt = ticks from the end of one step to the end of the next x screen factor / (speed x
// frequency): 12.5 simulation units per second at every speed; a message handled after a step
// halves the next one.
TEST_F(Flight, TimeStepFollowsTheMeasuredStepAndHalvesAfterAMessage)
{
    double afterMessage = 0.0;
    clock.AtStep(10, [this] { platform::simulate::PostMouse(view, MouseAction::Move, {600, 430}); });
    clock.AtStep(11, [&] { afterMessage = view->flight.dt; });
    Fly(40.0, 0.0, -1.0);
    EXPECT_DOUBLE_EQ(afterMessage, 0.00625);
    EXPECT_DOUBLE_EQ(view->flight.dt, 0.0125);
    Fly(60.0, 0.0, -1.0);
    EXPECT_DOUBLE_EQ(view->flight.dt, 0.0125);
}

// Clear at x = 100 with the field turned on: the entry line goes, the particle goes round the
// circle about (100, 180) from where it was, and after one revolution the circle is kept and the
// tape may measure it: (100, 200) to (160, 280) is 100 pixels, D = 10.0.
TEST_F(Flight, ClearArmsTheRevolutionCaptureAndTheTapeMeasuresTheCircle)
{
    double distanceAfterClear = -1.0;
    clock.AtStep(200, [this] {
        view->SetField(1.0);
        view->PostMessage(WM_COMMAND, TrackmakerView::kClearCommand);
    });
    clock.AtStep(202, [&] { distanceAfterClear = view->ShowCanvas()->distance; });
    clock.AtStep(500, [this] { EXPECT_EQ(view->ShowCanvas()->measuringAllowed, 0) << "half way round"; });
    clock.AtStep(900, [this] { view->running = 0; });
    Fly(40.0, 0.0, -1.0);
    TrackmakerShowCanvas& canvas = *view->ShowCanvas();
    EXPECT_EQ(distanceAfterClear, 0.0);
    EXPECT_EQ(canvas.measuringAllowed, 1);
    EXPECT_EQ(view->trackCaptured, 1);
    EXPECT_FALSE(White(50, 220)) << "the entry line was cleared";
    EXPECT_TRUE(White(139, 180) || White(140, 180)) << "the rightmost point of the circle";
    EXPECT_TRUE(White(100, 140) || White(100, 141)) << "its top";

    platform::simulate::SendMouse(&canvas, MouseAction::Press, {100, 200});
    platform::simulate::SendMouse(&canvas, MouseAction::Move, {160, 280});
    platform::simulate::SendMouse(&canvas, MouseAction::Release, {160, 280});
    EXPECT_DOUBLE_EQ(canvas.distance, 10.0);
    EXPECT_EQ(TrackmakerView::DistanceText(canvas.distance), "D = 10.0");
    EXPECT_EQ(canvas.tapeShown, 1);
    EXPECT_EQ(Shown(130, 240), Rgb(255, 0, 0)) << "the tape line is on the screen";
    EXPECT_EQ(view->backBuffer->GetPixel(130, 240), colours::kBlack) << "and only there";

    // The same 100 pixels from the keys: Enter, 60 right, 80 down, Enter.
    auto press = [this](int key, int times) {
        for (int i = 0; i < times; ++i)
            platform::simulate::SendKey(window, char(key), false);
    };
    press(VK_RETURN, 1);
    ASSERT_EQ(canvas.keyboardTape, 1);
    const Point start = canvas.startPoint;
    press(VK_RIGHT, 60);
    press(VK_DOWN, 80);
    press(VK_RETURN, 1);
    EXPECT_EQ(canvas.keyboardTape, 0);
    EXPECT_EQ(canvas.endPoint, (Point{start.x + 60, start.y + 80}));
    EXPECT_DOUBLE_EQ(canvas.distance, 10.0);
}

// Without a completed revolution a press on the area only re-arms the field slider.
TEST_F(Flight, TapeNeedsACompletedRevolution)
{
    window->fieldSlider->armed = 0;
    platform::simulate::SendMouse(view->ShowCanvas(), MouseAction::Press, {100, 200});
    platform::simulate::SendMouse(view->ShowCanvas(), MouseAction::Move, {160, 280});
    platform::simulate::SendMouse(view->ShowCanvas(), MouseAction::Release, {160, 280});
    EXPECT_EQ(window->fieldSlider->armed, 1);
    EXPECT_EQ(view->ShowCanvas()->distance, 0.0);
    EXPECT_EQ(view->ShowCanvas()->tapeShown, 0);
}

// Each pointer move on the field slider during a flight steps twice, once with the old field and
// once with the new; the field follows the knob at once (the top of the track is +1).
TEST_F(Flight, FieldSliderMovesStepTheFlight)
{
    LorentzSlideCanvas& slider = *window->fieldSlider;
    EXPECT_EQ(slider.knobPosition, 160);
    double tBefore = 0.0, tAfter = 0.0;
    clock.AtStep(20, [&] {
        tBefore = view->flight.t;
        platform::simulate::PostMouse(&slider, MouseAction::Press, {30, 160 + 16});
        platform::simulate::PostMouse(&slider, MouseAction::Move, {30, 0});
    });
    clock.AtStep(21, [&] { tAfter = view->flight.t; });
    clock.AtStep(30, [&] { platform::simulate::PostMouse(&slider, MouseAction::Release, {30, 0}); });
    clock.AtStep(40, [&] {
        EXPECT_EQ(view->revolutionCheckOff, 0) << "letting go during a flight arms the revolution check";
        view->running = 0;
    });
    Fly(40.0, 0.0, -1.0);
    EXPECT_DOUBLE_EQ(view->field, 1.0);
    EXPECT_EQ(slider.knobPosition, 0);
    EXPECT_NEAR(tBefore, 0.01 + 19 * 0.0125, 1e-12) << "the first step takes the dt left from before";
    EXPECT_NEAR(tAfter - tBefore, 2 * 0.0125 + 0.00625, 1e-12) << "two extra steps, then step 21 halved";
    EXPECT_EQ(view->trackCaptured, 1);
}

// The window can go inside the flight with the frame that owns it; the flight then ends at once
// without touching the view again (the sanitizer build checks that).
TEST_F(Flight, EndsWhenItsWindowIsDestroyedInsideIt)
{
    clock.AtStep(20, [this] { owner->PostMessage(WM_CLOSE); });
    clock.AtStep(40, [] { ADD_FAILURE() << "the flight went on after its window was destroyed"; });
    Fly(40.0, 0.0, -1.0);
    platform::simulate::ProcessEvents();
    owner = nullptr;
}

} // namespace

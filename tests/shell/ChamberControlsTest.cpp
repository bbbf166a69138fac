#include "ShellTestSupport.h"

#include "controls/ChamberControlWindow.h"
#include "platform/testing/InputSimulation.h"
#include "platform/window/Controls.h"
#include "shell/CommandIds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The Chamber Controls as the program builds them at start-up.
class ChamberControlsTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_TRUE(Start(Screen(1024)));
        ASSERT_NE(Frame().controlsWindow, nullptr);
    }
    CChamberControlWindow& Controls() { return *Frame().controlsWindow; }
    ChamberSlideCanvas& T() { return *Controls().tSlider; }
    std::string TText() { return T().ValueText(T().PositionToValue(T().knobPosition)); }
    void Choose(const char* entry)
    {
        for (int i = 0; i < Controls().rangeList->GetCount(); ++i)
            if (Controls().rangeList->GetLBText(i) == entry)
                Controls().rangeList->Choose(i);
    }
};

TEST_F(ChamberControlsTest, StartsFromTheConditionsWithTheRangeListInOrder)
{
    EXPECT_EQ(Controls().GetWindowText(), "Chamber Controls");
    EXPECT_FALSE(Controls().IsWindowVisible());
    CComboBox& list = *Controls().rangeList;
    ASSERT_EQ(list.GetCount(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list.GetLBText(i), kEnergyRanges[size_t(i)].entry);
    EXPECT_EQ(list.GetLBText(list.GetCurSel()), "0.1-1");
    EXPECT_EQ(TText(), "T = 0.60000 MeV");
    EXPECT_EQ(Controls().bSlider->ValueText(Controls().bSlider->PositionToValue(Controls().bSlider->knobPosition)),
              "B = 0.8000 kG");
    EXPECT_DOUBLE_EQ(State().pendingConditions.T(), 0.6);
}

// The knob jumps to the end of the new range next to the old one; the same range changes nothing.
TEST_F(ChamberControlsTest, ChoosingARangeSetsTheNearEndOfIt)
{
    struct Step {
        const char* entry;
        double t;   // MeV, in the conditions afterwards
        int knob;   // 0: top of the track, travel: bottom
        const char* text;
    };
    const int bottom = T().travel;
    const Step steps[] = {
        {"0.01-0.1", 0.1, 0, "T = 0.10000 MeV"},
        {"0.01-0.1", 0.1, 0, "T = 0.10000 MeV"},
        {"0.1-1", 0.1, bottom, "T = 0.10000 MeV"},
        {"1-10", 1.0, bottom, "T = 1.0000 MeV"},
        {"100-1000", 100.0, bottom, "T = 100.00 MeV"},
        {"10-100", 100.0, 0, "T = 100.000 MeV"},
    };
    for (const Step& step : steps) {
        Choose(step.entry);
        EXPECT_NEAR(State().pendingConditions.T(), step.t, 1e-9 * step.t) << step.entry;
        EXPECT_EQ(T().knobPosition, step.knob) << step.entry;
        EXPECT_EQ(TText(), step.text) << step.entry;
    }
}

TEST_F(ChamberControlsTest, TheEnergySliderShowsAndWritesMeVOfItsRange)
{
    T().SetValue(5.0);
    EXPECT_EQ(Controls().rangeList->GetCurSel(), 3);
    EXPECT_STREQ(T().format, " %-4.4f");
    EXPECT_EQ(TText(), "T = 5.0000 MeV");
    EXPECT_DOUBLE_EQ(State().pendingConditions.T(), 5.0);
    // Released at slider value 0.5 in "1-10": 5 MeV.
    T().ApplyValue(0.5);
    EXPECT_DOUBLE_EQ(State().pendingConditions.T(), 5.0);
    T().SetValue(10000.0);
    EXPECT_EQ(Controls().rangeList->GetCurSel(), 0);
    EXPECT_EQ(T().knobPosition, 0);
    EXPECT_EQ(TText(), "T = 10000.0 MeV");
}

TEST_F(ChamberControlsTest, AFileSConditionsReachTheSliders)
{
    ChamberData read(300.0, 1.5, 50.0);
    Controls().UpdateFromChamber(read);
    EXPECT_EQ(Controls().bSlider->knobPosition, Controls().bSlider->travel / 4) << "three quarters up";
    EXPECT_EQ(Controls().rangeList->GetLBText(Controls().rangeList->GetCurSel()), "10-100");
    EXPECT_EQ(Controls().lSlider->ValueText(Controls().lSlider->value), "L = 3.0000 m");
    EXPECT_DOUBLE_EQ(State().pendingConditions.T(), 50.0);
    EXPECT_DOUBLE_EQ(State().pendingConditions.L(), 300.0);
    EXPECT_DOUBLE_EQ(State().pendingConditions.B(), 1.5);

    for (double t : {5.0, 10000.0, 0.01}) {
        T().SetValue(t);
        EXPECT_NEAR(State().pendingConditions.T(), t, 1e-12 * t);
    }
    EXPECT_EQ(T().knobPosition, T().travel) << "0.01 MeV at the bottom of 0.01-0.1";
    // An energy no range can show is refused and changes nothing.
    const double kept = State().pendingConditions.T();
    for (double refused : {0.0, -3.0, double(NAN)}) {
        T().SetValue(refused);
        EXPECT_EQ(State().pendingConditions.T(), kept);
        EXPECT_EQ(Controls().rangeList->GetCurSel(), 5);
    }
}

TEST_F(ChamberControlsTest, SetConditionsMakeTheNextEvent)
{
    Controls().bSlider->SetValue(1.5);
    Controls().lSlider->SetValue(3.0);
    T().SetValue(50.0);
    Frame().OnCommand(cmd::kNewEvent);
    EXPECT_DOUBLE_EQ(State().conditions.B(), 1.5);
    EXPECT_DOUBLE_EQ(State().conditions.L(), 300.0);
    EXPECT_DOUBLE_EQ(State().conditions.T(), 50.0);
}

// The first click on the inactive window only activates it; Show clears that gate.
TEST_F(ChamberControlsTest, FirstClickOnTheInactiveWindowOnlyActivatesIt)
{
    Controls().clickThrough = 0;
    EXPECT_EQ(Controls().OnMouseActivate(CWnd::GetDesktopWindow(), HTCLIENT, WM_LBUTTONDOWN), MA_ACTIVATEANDEAT);
    EXPECT_EQ(Controls().OnMouseActivate(CWnd::GetDesktopWindow(), HTCLIENT, WM_LBUTTONDOWN), MA_ACTIVATE);
    Controls().OnActivate(WA_INACTIVE, nullptr, false);
    EXPECT_EQ(Controls().clickThrough, 0);
    Frame().OnCommand(cmd::kShowControls);
    EXPECT_TRUE(Controls().IsWindowVisible());
    EXPECT_EQ(Controls().clickThrough, 1);
    EXPECT_EQ(State().activeToolWindow, &Controls());
}

// Under a window manager the window is active before the click that activated it arrives: that
// click still only activates it, and the next one drags the knob.
TEST_F(ChamberControlsTest, FirstClickAfterAWindowManagerActivatedItOnlyActivatesIt)
{
    Frame().OnCommand(cmd::kShowControls);
    Frame().OnCommand(cmd::kShowChamber);
    platform::simulate::UserActivate(&Controls());
    ChamberSlideCanvas& b = *Controls().bSlider;
    const auto drag = [&b] {
        using platform::simulate::MouseAction;
        const int knob = b.knobPosition;
        platform::simulate::SendMouse(&b, MouseAction::Press, {30, knob + 8});
        platform::simulate::SendMouse(&b, MouseAction::Move, {30, knob - 40});
        platform::simulate::SendMouse(&b, MouseAction::Release, {30, knob - 40});
    };
    drag();
    EXPECT_DOUBLE_EQ(State().pendingConditions.B(), 0.8);
    drag();
    EXPECT_GT(State().pendingConditions.B(), 0.8);
}

TEST_F(ChamberControlsTest, ClosingHidesAndGoesToTheBackOfTheList)
{
    Frame().OnCommand(cmd::kShowControls);
    Controls().OnClose();
    EXPECT_FALSE(Controls().IsWindowVisible());
    EXPECT_EQ(State().activationList.At(State().activationList.Size() - 1), &Controls());
    EXPECT_NE(State().activationList.Front(), &Controls());
}

} // namespace

// Keys go through the program's own key handling to the window with the focus, as typed.
TEST_F(ChamberControlsTest, TheKeyboardAloneSetsTheConditions)
{
    Frame().OnCommand(cmd::kShowControls);
    platform::simulate::ProcessEvents();
    auto press = [&](int key) { platform::simulate::SendKey(&Controls(), char(key), false); };
    ChamberSlideCanvas& b = *Controls().bSlider;
    press(VK_TAB);
    ASSERT_EQ(CWnd::GetFocus(), &b);
    EXPECT_TRUE(b.focusShown);
    const int start = b.knobPosition;
    press(VK_UP);
    press(VK_UP);
    press(VK_NEXT);
    EXPECT_EQ(b.knobPosition, start - 2 + 10);
    EXPECT_DOUBLE_EQ(State().pendingConditions.B(), b.PositionToValue(start + 8));
    EXPECT_EQ(State().conditions.Changed(), 1);
    for (int i = 0; i < 20; ++i)
        press(VK_PRIOR);
    EXPECT_EQ(b.knobPosition, 0);
    EXPECT_DOUBLE_EQ(State().pendingConditions.B(), 2.0);

    press(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), Controls().tSlider);
    EXPECT_FALSE(b.focusShown);
    press(VK_TAB);
    press(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), Controls().rangeList);
    // The next entry down the list is chosen as a click would choose it: "0.01-0.1" after
    // "0.1-1" moves T to the near end of its range.
    press(VK_DOWN);
    EXPECT_EQ(Controls().rangeList->GetLBText(Controls().rangeList->GetCurSel()), "0.01-0.1");
    EXPECT_DOUBLE_EQ(State().pendingConditions.T(), 0.1);
    press(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &b);
}

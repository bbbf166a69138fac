#include "ShellTestSupport.h"

#include "display/ScreenChamberWindow.h"
#include "platform/testing/InputSimulation.h"
#include "shell/CommandIds.h"
#include "shell/RateDialogs.h"

namespace {

class RateDialog : public ShellTest {
protected:
    CDialog* Open()
    {
        Frame().OnCommand(cmd::kAdjustRotationRate);
        return Frame().chamberWindow->rateDialog;
    }
    static CSliderCtrl* Slider(CDialog* dialog)
    {
        return dynamic_cast<CSliderCtrl*>(dialog->GetDlgItem(res::kRateSlider));
    }
};

} // namespace

// At the default rate the dialog opens at 5; moved to 9 the rate is 1.8 times the default, and
// after closing it reopens at 9 (the integer part of 5 x 1.8 + 0.1).
TEST_F(RateDialog, PositionAndRateSurviveClosingAndReopening)
{
    ASSERT_TRUE(Start(Screen(768)));
    CDialog* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->GetWindowText(), "Chamber Rotation Rate");
    ASSERT_NE(Slider(dialog), nullptr);
    EXPECT_EQ(Slider(dialog)->GetRangeMin(), 1);
    EXPECT_EQ(Slider(dialog)->GetRangeMax(), 9);
    EXPECT_EQ(Slider(dialog)->GetPos(), 5);
    EXPECT_EQ(Open(), dialog) << "a second choice brings the open dialog forward";

    Slider(dialog)->UserMove(CSliderCtrl::Move::Drag, 9);
    EXPECT_DOUBLE_EQ(State().rotationRate, 1.8 * State().defaultRotationRate);
    platform::simulate::SendKey(dialog, VK_ESCAPE, false);
    EXPECT_EQ(Frame().chamberWindow->rateDialog, nullptr);

    CDialog* again = Open();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Slider(again)->GetPos(), 9);
}

TEST_F(RateDialog, ClosingTheChamberClosesItsDialog)
{
    ASSERT_TRUE(Start(Screen(768)));
    CDialog* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    Frame().chamberWindow->SendMessage(WM_CLOSE);
    EXPECT_EQ(Frame().chamberWindow->rateDialog, nullptr);
    EXPECT_EQ(Open(), Frame().chamberWindow->rateDialog);
    // Still open when the frame goes: destroyed with it, without a second destruction.
}

// The splash during start-up: up for 3000 ms of the tick counter, no messages handled while it
// waits, and the tool windows made only after it is gone.
#include "ShellTestSupport.h"
#include "platform/testing/ManualClock.h"

#include "shell/CommandIds.h"

namespace {

// A driven clock that looks at the frame at every tick-count read of the splash wait.
class WatchingClock : public ManualClock {
public:
    uint32_t TickCount() override
    {
        if (CMainFrame* frame = RunningFrame()) {
            const bool splash = frame->aboutWindow != nullptr;
            const bool chamber = frame->ChamberWnd() != nullptr;
            readsWithSplash += splash;
            readsWithBoth += splash && chamber;
            if (splash && !posted) {
                // Handled only if someone pumps messages before the wait is over.
                frame->PostMessage(WM_COMMAND, cmd::kAxisZ);
                posted = true;
            } else if (splash && frame->AxisCommand() == cmd::kAxisZ) {
                ++readsAfterPumping;
            }
            if (splash)
                splashVisible = splashVisible && frame->aboutWindow->IsWindowVisible();
        }
        return ManualClock::TickCount();
    }

    int readsWithSplash = 0;
    int readsWithBoth = 0;
    int readsAfterPumping = 0;
    bool posted = false;
    bool splashVisible = true;
};

class Splash : public ShellTest {
protected:
    void SetUp() override
    {
        watching.advancePerTickRead = 1;
        platform::SetClock(&watching);
    }

    WatchingClock watching;
};

TEST_F(Splash, StaysUpWithoutHandlingMessagesAndGoesBeforeTheToolWindows)
{
    ASSERT_TRUE(Start(Screen(768)));
    EXPECT_GE(watching.readsWithSplash, 3000);
    EXPECT_TRUE(watching.splashVisible);
    EXPECT_EQ(watching.readsWithBoth, 0);
    EXPECT_EQ(watching.readsAfterPumping, 0);
    EXPECT_EQ(Frame().aboutWindow, nullptr);
    EXPECT_NE(Frame().ChamberWnd(), nullptr);
}

}

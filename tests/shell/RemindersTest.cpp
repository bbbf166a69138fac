// The Reminders pictures and About: one window per picture, made on first use and brought
// forward afterwards, with the title of its item.
#include "ShellTestSupport.h"

#include "display/ProgramValues.h"
#include "shell/CommandIds.h"

namespace {

struct PictureCase {
    int command;
    const char* title;
    std::unique_ptr<CShowWindow> CMainFrame::*field;
};

const PictureCase kPictures[] = {
    {cmd::kUsefulTools, "Useful tools", &CMainFrame::toolsWindow},
    {cmd::kEnergyMomentum, "Courtesy of Quillon", &CMainFrame::energyWindow},
    {cmd::kMotionInField, "Motion in a Magnetic Field", &CMainFrame::motionWindow},
    {cmd::kRealLife, "We have to admit...", &CMainFrame::realLifeWindow},
    {cmd::kAbout, " ", &CMainFrame::aboutWindow},
};

class Reminders : public ShellTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(Reminders, OpensOnceWithItsTitleAndComesForwardAgainAfterClose)
{
    const PictureCase& picture = GetParam();
    ASSERT_TRUE(Start(Screen(768)));
    Frame().SetTrackmakerMode(1);
    ASSERT_TRUE(Frame().OnCommand(picture.command));
    EXPECT_EQ(Frame().trackmakerActive, 0);
    CShowWindow* window = (Frame().*picture.field).get();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWindowText(), picture.title);
    EXPECT_TRUE(window->IsWindowVisible());

    window->OnClose();
    ASSERT_FALSE(window->IsWindowVisible());
    ASSERT_TRUE(Frame().OnCommand(picture.command));
    EXPECT_EQ((Frame().*picture.field).get(), window);
    EXPECT_TRUE(window->IsWindowVisible());
    EXPECT_EQ(activationList.Front(), window);
    EXPECT_EQ(activeToolWindow, window);
}

INSTANTIATE_TEST_SUITE_P(EachPicture, Reminders, ::testing::ValuesIn(kPictures));

class About : public ShellTest {};

TEST_F(About, IsCentredOnTheDesktop)
{
    ASSERT_TRUE(Start(Screen(768)));
    Frame().ShowAbout();
    ASSERT_NE(Frame().aboutWindow, nullptr);
    const Rect outer = WindowRect(Frame().aboutWindow.get());
    EXPECT_NEAR((outer.left + outer.right) / 2, 640, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, 384, 1);
}

}

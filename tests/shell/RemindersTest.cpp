// The Reminders pictures and About: one window per picture, made on first use and brought
// forward afterwards, with the title of its item.
#include "ShellTestSupport.h"

#include "shell/CommandIds.h"

namespace {

struct PictureCase {
    int command;
    const char* title;
    int width;
    int height;
    std::unique_ptr<CShowWindow> CMainFrame::*field;
};

const PictureCase kPictures[] = {
    {cmd::kUsefulTools, "Useful tools", 511, 346, &CMainFrame::toolsWindow},
    {cmd::kEnergyMomentum, "Courtesy of Quillon", 418, 323, &CMainFrame::energyWindow},
    {cmd::kMotionInField, "Motion in a Magnetic Field", 432, 324, &CMainFrame::motionWindow},
    {cmd::kRealLife, "We have to admit...", 436, 346, &CMainFrame::realLifeWindow},
    {cmd::kAbout, " ", 503, 288, &CMainFrame::aboutWindow},
};

class Reminders : public ShellTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(Reminders, OpensOnceWithItsTitleAndSizeAndComesForwardAgainAfterClose)
{
    const PictureCase& picture = GetParam();
    ASSERT_TRUE(Start(Screen(768)));
    Frame().SetTrackmakerMode(1);
    ASSERT_TRUE(Frame().OnCommand(picture.command));
    EXPECT_EQ(State().trackmakerActive, 0);
    CShowWindow* window = (Frame().*picture.field).get();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWindowText(), picture.title);
    EXPECT_TRUE(window->IsWindowVisible());
    Rect client;
    window->GetClientRect(&client);
    EXPECT_EQ(client, (Rect{0, 0, picture.width, picture.height}));
    EXPECT_TRUE(boxes.Shown().empty()); // the picture loaded and painted
    // A frame other than the one it was sized for (as a window manager may give it) does not
    // shrink the picture.
    window->SetWindowPos(nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    window->GetClientRect(&client);
    EXPECT_EQ(client, (Rect{0, 0, picture.width, picture.height}));

    window->OnClose();
    ASSERT_FALSE(window->IsWindowVisible());
    ASSERT_TRUE(Frame().OnCommand(picture.command));
    EXPECT_EQ((Frame().*picture.field).get(), window);
    EXPECT_TRUE(window->IsWindowVisible());
    EXPECT_EQ(State().activationList.Front(), window);
    EXPECT_EQ(State().activeToolWindow, window);
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

// The activation list through activate, close and show, and Exit's order of destruction.
#include "ShellTestSupport.h"

#include "physics/ChamberEvent.h"
#include "platform/window/MessageQueue.h"
#include "shell/CommandIds.h"

namespace {

bool PrintGreyed(CMainFrame& f) { return (f.GetMenu()->GetMenuState(cmd::kPrint, MF_BYCOMMAND) & MF_GRAYED) != 0; }

class Activation : public ShellTest {
protected:
    // A picture window as the reminders make them, shown and thereby activated.
    std::unique_ptr<CShowWindow> ShowPicture()
    {
        auto picture = std::make_unique<CShowWindow>(Frame(), 169);
        EXPECT_TRUE(picture->CreateEx(0, Frame().pictureClass, "picture", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, &Frame()));
        picture->ShowWindow(SW_SHOW);
        return picture;
    }
};

TEST_F(Activation, AfterStartUpTheChamberLeadsTheListAndPrintIsEnabled)
{
    ASSERT_TRUE(Start(Screen(768)));
    ASSERT_EQ(State().activationList.Size(), 1);
    EXPECT_EQ(State().activationList.Front(), Frame().ChamberWnd());
    EXPECT_FALSE(PrintGreyed(Frame()));
}

TEST_F(Activation, ActivatingMovesAWindowToTheFrontOnceAndSetsPrint)
{
    ASSERT_TRUE(Start(Screen(768)));
    auto picture = ShowPicture();
    EXPECT_EQ(State().activeToolWindow, picture.get());
    EXPECT_EQ(picture->active, 1);
    ASSERT_EQ(State().activationList.Size(), 2);
    EXPECT_EQ(State().activationList.At(0), picture.get());
    EXPECT_EQ(State().activationList.At(1), Frame().ChamberWnd());
    EXPECT_TRUE(PrintGreyed(Frame()));

    Frame().ActivateToolWindow(Frame().ChamberWnd());
    ASSERT_EQ(State().activationList.Size(), 2);
    EXPECT_EQ(State().activationList.At(0), Frame().ChamberWnd());
    EXPECT_EQ(State().activationList.At(1), picture.get());
    EXPECT_EQ(State().activeToolWindow, Frame().ChamberWnd());
    EXPECT_FALSE(PrintGreyed(Frame()));
}

TEST_F(Activation, ClosingAPictureHidesItTakesItOffAndActivatesTheNext)
{
    ASSERT_TRUE(Start(Screen(768)));
    auto picture = ShowPicture();
    Frame().OnCommand(cmd::kClose);
    EXPECT_FALSE(picture->IsWindowVisible());
    EXPECT_TRUE(picture->IsWindow());
    EXPECT_EQ(picture->active, 0);
    ASSERT_EQ(State().activationList.Size(), 1);
    EXPECT_EQ(State().activationList.Front(), Frame().ChamberWnd());
    EXPECT_EQ(State().activeToolWindow, Frame().ChamberWnd());
    EXPECT_FALSE(PrintGreyed(Frame()));

    picture->ShowWindow(SW_SHOW);
    EXPECT_EQ(State().activationList.Front(), picture.get());
    EXPECT_EQ(State().activationList.Size(), 2);
}

TEST_F(Activation, ClosingWithAnEmptyListKeepsTheActiveWindow)
{
    ASSERT_TRUE(Start(Screen(768)));
    auto picture = ShowPicture();
    State().activationList.Clear();
    State().activationList.PushFront(picture.get());
    picture->SendMessage(WM_CLOSE);
    EXPECT_TRUE(State().activationList.Empty());
    EXPECT_EQ(State().activeToolWindow, picture.get());
}

// A destroyed picture window (like the splash) must not stay where Close would reach it.
TEST_F(Activation, DestroyedPictureLeavesTheListAndTheActiveWindow)
{
    ASSERT_TRUE(Start(Screen(768)));
    auto picture = ShowPicture();
    const CWnd* gone = picture.get();
    picture.reset();
    EXPECT_FALSE(State().activationList.Contains(gone));
    EXPECT_NE(State().activeToolWindow, gone);
    Frame().OnCommand(cmd::kClose);
}

TEST_F(Activation, ExitDestroysTheEventEmptiesTheListAndClosesTheFrame)
{
    ASSERT_TRUE(Start(Screen(768)));
    State().event = std::make_shared<ChamberEvent>(&State().conditions);
    std::weak_ptr<ChamberEvent> watch = State().event;
    EXPECT_TRUE(Frame().OnCommand(cmd::kExit));
    EXPECT_TRUE(watch.expired());
    EXPECT_TRUE(State().activationList.Empty());
    platform::PumpWaitingMessages();
    EXPECT_EQ(RunningFrame(), nullptr);
    EXPECT_EQ(static_cast<FrameLink*>(RunningFrame()), nullptr);
    EXPECT_EQ(State().activeToolWindow, nullptr);
}

class PictureWindow : public ShellTest {};

TEST_F(PictureWindow, ClientAreaIsTheBitmapAndPaintCopiesIt)
{
    ASSERT_TRUE(Start(Screen(768)));
    CShowWindow picture(Frame(), 169);
    ASSERT_TRUE(picture.CreateEx(0, Frame().pictureClass, " ", WS_CAPTION | WS_SYSMENU, 100, 100, 50, 50, &Frame()));
    picture.SizeToBitmap();
    Rect client;
    picture.GetClientRect(&client);
    EXPECT_EQ(client, (Rect{0, 0, 503, 288}));
    Rect outer = WindowRect(&picture);
    EXPECT_EQ(outer.TopLeft(), (Point{100, 100}));
    picture.ShowWindow(SW_SHOW);
    picture.UpdateWindow();
    const PixelImage* image = picture.TopLevelImage();
    ASSERT_NE(image, nullptr);
    const PixelImage& bitmap = *picture.bitmap.Image();
    for (Point p : {Point{0, 0}, Point{140, 146}, Point{400, 80}, Point{502, 287}})
        EXPECT_EQ(image->At(p.x, p.y), bitmap.At(p.x, p.y)) << p.x << ", " << p.y;
    EXPECT_EQ(picture.palette, nullptr);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(PictureWindow, OnAPaletteDisplayTheFirstPaintBuildsThePaletteFromTheColourTable)
{
    ASSERT_TRUE(Start(ScreenFacts::PaletteDisplay()));
    CShowWindow picture(Frame(), 169);
    ASSERT_TRUE(picture.CreateEx(0, Frame().pictureClass, " ", WS_CAPTION, 0, 0, 600, 400, &Frame()));
    picture.ShowWindow(SW_SHOW);
    picture.UpdateWindow();
    ASSERT_NE(picture.palette, nullptr);
    EXPECT_EQ(picture.paletteMade, 1);
    ASSERT_EQ(picture.palette->GetEntryCount(), 16);
    EXPECT_EQ(picture.palette->Entries(), picture.bitmap.ColourTable());
}

TEST_F(PictureWindow, MissingBitmapSaysSoAtEachPaint)
{
    ASSERT_TRUE(Start(Screen(768)));
    CShowWindow picture(Frame(), 999);
    ASSERT_TRUE(picture.CreateEx(0, Frame().pictureClass, " ", WS_CAPTION, 0, 0, 200, 200, &Frame()));
    picture.ShowWindow(SW_SHOW);
    picture.UpdateWindow();
    picture.Invalidate();
    picture.UpdateWindow();
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].text, "null bitmap");
    EXPECT_EQ(boxes.Shown()[0].caption, "nbm");
    EXPECT_EQ(boxes.Shown()[0].owner, &picture);
}

}

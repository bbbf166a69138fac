#include "display/ScreenChamberWindow.h"

#include "FakeFrameLink.h"
#include "display/DoubleBufferView.h"
#include "display/ScreenBoxView.h"
#include "display/ScreenChamber.h"
#include "display/ScreenChamberView.h"
#include "physics/ChamberEvent.h"
#include "platform/window/ClientDC.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/testing/InputSimulation.h"
#include "platform/seams/MessageBox.h"
#include "platform/testing/MessageBoxRecorder.h"
#include "platform/gfx/Screen.h"
#include "platform/window/Dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const Colour kEdge = Rgb(51, 205, 255);

// Windows need the widgets kind of application, made before any test draws text.
class WidgetsApplication : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(platform::EnsureGuiApplication(platform::ApplicationKind::Widgets)); }
};
[[maybe_unused]] ::testing::Environment* const widgetsApplication =
    ::testing::AddGlobalTestEnvironment(new WidgetsApplication);

// The part of the top-level image that shows a view's client area, as rows of pixels.
std::vector<Pixel> ShownPicture(const CWnd& view)
{
    const PixelImage* image = view.TopLevelImage();
    const Rect area = view.ClientAreaInTopLevel();
    std::vector<Pixel> pixels;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            pixels.push_back(image->At(x, y));
    return pixels;
}

Colour ShownPixel(const CWnd& view, int x, int y)
{
    const Rect area = view.ClientAreaInTopLevel();
    return FromPixel(view.TopLevelImage()->At(area.left + x, area.top + y));
}

// A frame of the program's kind: made with new, deleted by its window when destroyed.
template <class Window, class... Arguments>
Window* MakeWindow(const Rect& outer, Arguments&... arguments)
{
    auto* window = new Window(arguments...);
    EXPECT_TRUE(window->Create("", "Particle Chamber: Empty", WS_OVERLAPPEDWINDOW, outer, nullptr));
    return window;
}

struct ChamberWindowFixture : ::testing::Test {
    FakeFrameLink frame;
    ScreenCamera camera = ScreenCamera::ForChamber();
    CScreenChamberWindow* window = nullptr;

    void Make(const Rect& outer)
    {
        window = MakeWindow<CScreenChamberWindow>(outer, frame);
        window->CreateView(800.0, camera);
        ASSERT_NE(window->ChamberView(), nullptr);
        frame.names[window] = "chamber";
        window->ShowWindow(SW_SHOW);
        platform::simulate::ProcessEvents();
        frame.log.clear();
    }
    ScreenChamberView& View() { return *window->ChamberView(); }
    void TearDown() override
    {
        platform::ResetScreen();
        if (window && window->IsWindow())
            window->DestroyWindow();
    }
};

// A stand-in for the rate dialog: an unowned window that tells when it is destroyed.
class StandInDialog : public CDialog {
public:
    explicit StandInDialog(std::function<void()> destroyed) : destroyed_(std::move(destroyed))
    {
        EXPECT_TRUE(CreateEx(0, "", "rate", WS_POPUP, 0, 0, 10, 10, nullptr));
    }
    void OnDestroy() override
    {
        destroyed_();
        CDialog::OnDestroy();
    }

private:
    std::function<void()> destroyed_;
};

} // namespace

TEST(ScrollWindowTest, PlainViewIsTheFramesPaneWithA500By500Picture)
{
    auto* window = MakeWindow<CScrollWindow>(Rect{0, 0, 300, 300});
    window->CreateView();
    ASSERT_NE(window->view, nullptr);
    EXPECT_EQ(window->GetDlgItem(AFX_IDW_PANE_FIRST), window->view);
    EXPECT_EQ(window->view->bufferWidth, 500);
    EXPECT_EQ(window->view->bufferHeight, 500);
    EXPECT_EQ(window->view->GetTotalSize(), (Size{500, 500}));
    EXPECT_NE(window->view->GetStyle() & WS_VISIBLE, 0u);
    window->DestroyWindow();
}

TEST(ScreenBoxWindowTest, ViewShowsTheCubeOnBlackInA500By500Picture)
{
    ScreenCamera camera = ScreenCamera::ForChamber();
    auto* window = MakeWindow<CScreenBoxWindow>(Rect{0, 0, 520, 520});
    window->CreateView(800.0, camera);
    window->ShowWindow(SW_SHOW);
    platform::simulate::ProcessEvents();
    DoubleBufferView& view = *window->view;
    ASSERT_NE(view.bufferBitmap, nullptr);
    EXPECT_EQ(view.bufferBitmap->GetSize(), (Size{500, 500}));
    EXPECT_EQ(ShownPixel(view, 275, 246), kEdge);
    EXPECT_EQ(ShownPixel(view, 376, 451), kEdge);
    EXPECT_EQ(ShownPixel(view, 5, 5), colours::kBlack);
    EXPECT_EQ(ShownPixel(view, 499, 499), colours::kBlack);
    window->DestroyWindow();
}

TEST_F(ChamberWindowFixture, BufferSizeSetAfterTheFirstRepaintKeepsTheOldBackBuffer)
{
    Make(Rect{0, 0, 640, 520});
    ASSERT_NE(View().bufferBitmap, nullptr);
    ASSERT_EQ(View().bufferBitmap->GetSize(), (Size{640, 500}));
    View().SetBufferSize(300, 700);
    View().Invalidate();
    View().UpdateWindow();
    EXPECT_EQ(View().bufferBitmap->GetSize(), (Size{640, 500}));
    EXPECT_EQ(View().bufferWidth, 300);
    EXPECT_EQ(View().GetTotalSize(), (Size{300, 700}));
}

TEST_F(ChamberWindowFixture, ScrollBarsAppearBelow640By500)
{
    Make(Rect{0, 0, 300, 200});
    EXPECT_TRUE(View().HasHorizontalScrollBar());
    EXPECT_TRUE(View().HasVerticalScrollBar());
    EXPECT_EQ(View().GetTotalSize(), (Size{640, 500}));
}

// The boundary pair on a window without size limits: a client area of exactly the picture's
// size needs no bars, one pixel less in width needs the horizontal one.
TEST(ScreenBoxWindowTest, ScrollBarsAppearExactlyWhenTheClientIsSmallerThanThePicture)
{
    ScreenCamera camera = ScreenCamera::ForChamber();
    auto* window = MakeWindow<CScreenBoxWindow>(Rect{0, 0, 300, 300});
    window->CreateView(800.0, camera);
    const auto resizeClientTo = [window](int width, int height) {
        Rect outer{0, 0, width, height};
        window->CalcWindowRect(&outer);
        window->MoveWindow(0, 0, outer.Width(), outer.Height());
    };
    resizeClientTo(500, 500);
    EXPECT_FALSE(window->view->HasHorizontalScrollBar());
    EXPECT_FALSE(window->view->HasVerticalScrollBar());
    resizeClientTo(499, 520);
    EXPECT_TRUE(window->view->HasHorizontalScrollBar());
    EXPECT_FALSE(window->view->HasVerticalScrollBar());
    window->DestroyWindow();
}

// After scrolling, a rotation frame (DrawDirect into an unshifted client context) must show the
// same part of the picture as a normal repaint.
TEST_F(ChamberWindowFixture, DirectDrawingAfterScrollingShowsWhatARepaintShows)
{
    Make(Rect{0, 0, 300, 200});
    View().ScrollToPosition(Point{120, 80});
    ASSERT_EQ(View().GetDeviceScrollPosition(), (Point{120, 80}));
    View().Invalidate();
    View().UpdateWindow();
    const std::vector<Pixel> repainted = ShownPicture(View());
    // The corner (-,-,+) at (272, 12) is out of sight; (-,-,-) at (275, 246) shows at (155, 166).
    EXPECT_EQ(ShownPixel(View(), 275 - 120, 246 - 80), kEdge);

    Rect client;
    View().GetClientRect(&client);
    {
        CClientDC scribble(&View());
        scribble.FillSolidRect(client, Rgb(255, 0, 255));
    }
    ASSERT_NE(ShownPicture(View()), repainted);
    CClientDC dc(&View());
    View().DrawDirect(&dc);
    dc.Flush();
    EXPECT_EQ(ShownPicture(View()), repainted);
    EXPECT_EQ(View().direct, 0);
}

TEST_F(ChamberWindowFixture, CaptionComesWithNormalRepaintsOnlyWhenNotRotatingAndShown)
{
    Make(Rect{0, 0, 640, 520});
    const auto whiteInCaption = [this] {
        int n = 0;
        for (int y = 10; y < 25; ++y)
            for (int x = 10; x < 245; ++x)
                n += ShownPixel(View(), x, y) == colours::kWhite ? 1 : 0;
        return n;
    };
    const auto repaint = [this] {
        View().Invalidate();
        View().UpdateWindow();
    };
    frame.showValues = true;
    repaint();
    EXPECT_GT(whiteInCaption(), 50);
    frame.rotating = true;
    repaint();
    EXPECT_EQ(whiteInCaption(), 0);
    frame.rotating = false;
    {
        CClientDC dc(&View());
        View().DrawDirect(&dc);
    }
    EXPECT_EQ(whiteInCaption(), 0);
    frame.showValues = false;
    repaint();
    EXPECT_EQ(whiteInCaption(), 0);
}

TEST_F(ChamberWindowFixture, ShowsTheEventThroughItsRenderer)
{
    Make(Rect{0, 0, 640, 520});
    ChamberData conditions(500.0, 0.8, 0.6);
    auto event = std::make_shared<ChamberEvent>(1, &conditions);
    TrackPoint centre;
    centre.colour = kRed;
    event->Points().Append(centre);
    window->GetChamber().SetEvent(event);
    View().Invalidate();
    View().UpdateWindow();
    EXPECT_EQ(ShownPixel(View(), 323, 224), Rgb(255, 0, 0));
    event.reset();
    View().Invalidate();
    View().UpdateWindow();
    EXPECT_NE(ShownPixel(View(), 323, 224), Rgb(255, 0, 0));
}

TEST_F(ChamberWindowFixture, SizeLimitsAreAskedForAndSetClipDirty)
{
    Make(Rect{0, 0, 400, 300});
    frame.clipDirty = 0;
    MinMaxInfo info;
    window->OnGetMinMaxInfo(&info);
    EXPECT_EQ(info.ptMinTrackSize, (Point{192, 48}));
    EXPECT_EQ(info.ptMaxTrackSize, (Point{640, 520}));
    EXPECT_EQ(frame.clipDirty, 1);

    frame.clipDirty = 0;
    window->MoveWindow(0, 0, 1000, 900);
    Rect outer;
    window->GetWindowRect(&outer);
    EXPECT_EQ(outer.Width(), 640);
    EXPECT_EQ(outer.Height(), 520);
    EXPECT_EQ(frame.clipDirty, 1);
    window->MoveWindow(0, 0, 10, 10);
    window->GetWindowRect(&outer);
    EXPECT_EQ(outer.Width(), 192);
    EXPECT_EQ(outer.Height(), 48);
}

TEST_F(ChamberWindowFixture, ClosingHidesGoesToTheBackClosesTheDialogAndRaisesTheFrame)
{
    Make(Rect{0, 0, 400, 300});
    CWnd projector;
    frame.names[&projector] = "projector";
    frame.activation.PushBack(window);
    frame.activation.PushBack(&projector);
    StandInDialog dialog([this] { frame.log.push_back("destroy dialog"); });
    window->rateDialog = &dialog;

    window->OnClose();
    EXPECT_TRUE(window->IsWindow());
    EXPECT_FALSE(window->IsWindowVisible());
    ASSERT_EQ(frame.activation.Size(), 2);
    EXPECT_EQ(frame.activation.At(0), &projector);
    EXPECT_EQ(frame.activation.At(1), window);
    EXPECT_EQ(window->rateDialog, nullptr);
    EXPECT_EQ(frame.log, (std::vector<std::string>{"activate projector", "destroy dialog", "frame to top"}));
}

TEST_F(ChamberWindowFixture, ClosingTheOnlyToolWindowLeavesTheFrameOnTop)
{
    Make(Rect{0, 0, 400, 300});
    frame.activation.PushBack(window);
    window->OnClose();
    ASSERT_EQ(frame.activation.Size(), 1);
    EXPECT_EQ(frame.log, (std::vector<std::string>{"activate chamber", "frame to top"}));
}

TEST_F(ChamberWindowFixture, MovingEndsTheTrackmakerModeAndActivationReachesTheFrame)
{
    Make(Rect{0, 0, 400, 300});
    window->MoveWindow(30, 40, 400, 300);
    ASSERT_FALSE(frame.log.empty());
    EXPECT_EQ(frame.log.front(), "trackmaker 0");
    frame.log.clear();
    window->OnActivate(WA_CLICKACTIVE, nullptr, false);
    window->OnActivate(WA_INACTIVE, nullptr, false);
    EXPECT_EQ(frame.log, (std::vector<std::string>{"activate chamber"}));
}

TEST_F(ChamberWindowFixture, TrueColourDisplayHasNoPaletteAndNoMessages)
{
    MessageBoxRecorder messages;
    Make(Rect{0, 0, 640, 520});
    EXPECT_EQ(window->chamberPalette.valid, 0);
    EXPECT_FALSE(window->OnQueryNewPalette());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ChamberWindowFixture, PaletteDisplayGetsTheThreeBoxColours)
{
    platform::SetScreen(ScreenFacts::PaletteDisplay());
    MessageBoxRecorder messages;
    Make(Rect{0, 0, 640, 520});
    EXPECT_EQ(window->chamberPalette.valid, 1);
    ASSERT_TRUE(window->chamberPalette.palette.IsCreated());
    EXPECT_EQ(window->chamberPalette.palette.Entries(),
              (std::vector<PaletteEntry>{{51, 205, 255, 0}, {153, 51, 51, 0}, {0, 188, 0, 0}}));
    // The first repaint realised the palette, so asking again changes nothing.
    EXPECT_EQ(window->RealiseChamberPalette(), 0u);
    EXPECT_EQ(ShownPixel(View(), 275, 246), kEdge);
    EXPECT_TRUE(messages.Shown().empty());

}

TEST_F(ChamberWindowFixture, ValidFlagWithoutAPaletteIsReportedAndDrawingGoesOn)
{
    MessageBoxRecorder messages;
    Make(Rect{0, 0, 640, 520});
    ASSERT_FALSE(window->chamberPalette.palette.IsCreated());
    window->chamberPalette.valid = 1;
    View().Invalidate();
    View().UpdateWindow();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "bad palette 1");
    EXPECT_EQ(messages.Shown()[0].caption, "ondraw");
    EXPECT_EQ(ShownPixel(View(), 275, 246), kEdge);
}

TEST_F(ChamberWindowFixture, ShowingAgainAfterClosingShowsTheSameOrientationAndEvent)
{
    Make(Rect{0, 0, 640, 520});
    ChamberData conditions(500.0, 0.8, 0.6);
    auto event = std::make_shared<ChamberEvent>(1, &conditions);
    TrackPoint point;
    point.z = 200.0;
    point.colour = kGreen;
    event->Points().Append(point);
    window->GetChamber().SetEvent(event);
    camera.Rotate(ScreenCamera::kAxisZ, 0.3);
    Point expected;
    ASSERT_TRUE(camera.Project(0, 0, 200, 1, expected.x, expected.y));

    window->OnClose();
    window->ShowWindow(SW_SHOW);
    platform::simulate::ProcessEvents();
    View().Invalidate();
    View().UpdateWindow();
    EXPECT_EQ(window->GetChamber().Event(), event);
    EXPECT_EQ(ShownPixel(View(), expected.x, expected.y), Rgb(0, 255, 0));
}

TEST_F(ChamberWindowFixture, DestroyingTheWindowDestroysAnOpenRateDialog)
{
    Make(Rect{0, 0, 400, 300});
    int destroyed = 0;
    StandInDialog standIn([&destroyed] { ++destroyed; });
    window->rateDialog = &standIn;
    window->DestroyWindow();
    window = nullptr;
    EXPECT_EQ(destroyed, 1);
}

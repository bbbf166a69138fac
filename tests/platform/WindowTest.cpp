#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace windowtest;
using platform::simulate::MouseAction;

namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kGreen = Rgb(0, 255, 0);

Size ClientSize(const CWnd& window)
{
    Rect r;
    window.GetClientRect(&r);
    return {r.Width(), r.Height()};
}

Rect WindowRect(const CWnd& window)
{
    Rect r;
    window.GetWindowRect(&r);
    return r;
}

TEST(WindowPlacement, TopLevelKeepsItsOuterRectangleAndClientAreaFitsInside)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Placed", Rect::FromSize(30, 40, 300, 200)));
    EXPECT_EQ(WindowRect(window), Rect::FromSize(30, 40, 300, 200));

    Rect outer{0, 0, ClientSize(window).width, ClientSize(window).height};
    window.CalcWindowRect(&outer);
    EXPECT_EQ(outer.Width(), 300);
    EXPECT_EQ(outer.Height(), 200);

    window.MoveWindow(10, 44, 650, 500);
    EXPECT_EQ(WindowRect(window), Rect::FromSize(10, 44, 650, 500));
    Point origin{0, 0};
    window.ClientToScreen(&origin);
    EXPECT_TRUE(WindowRect(window).Contains(origin));
}

TEST(WindowPlacement, SetWindowPosHonoursNoMoveAndNoSize)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Pos", Rect::FromSize(0, 37, 640, 445)));
    window.SetWindowPos(nullptr, 99, 99, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect(window), Rect::FromSize(0, 37, 100, 100));
    window.SetWindowPos(nullptr, 5, 6, 1, 1, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect(window), Rect::FromSize(5, 6, 100, 100));
}

TEST(WindowPlacement, PositionChangedOnlyWhenMovedOrResized)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Moves", Rect::FromSize(0, 0, 200, 100)));
    window.positions.clear();
    window.MoveWindow(0, 0, 200, 100);
    EXPECT_TRUE(window.positions.empty());
    window.MoveWindow(5, 0, 200, 100);
    ASSERT_EQ(window.positions.size(), 1u);
    EXPECT_TRUE(window.positions[0].moved);
    EXPECT_FALSE(window.positions[0].resized);
    window.MoveWindow(5, 0, 210, 100);
    ASSERT_EQ(window.positions.size(), 2u);
    EXPECT_TRUE(window.positions[1].resized);
    EXPECT_FALSE(window.positions[1].moved);
    window.ShowWindow(SW_SHOW);
    platform::simulate::UserMove(&window, 50, 60);
    ASSERT_EQ(window.positions.size(), 3u);
    EXPECT_TRUE(window.positions[2].moved);
}

TEST(WindowPlacement, CentredOnTheDesktop)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("", Rect::FromSize(0, 0, 503, 288)));
    window.CenterWindow();
    Rect desktop;
    CWnd::GetDesktopWindow()->GetWindowRect(&desktop);
    const Rect r = WindowRect(window);
    EXPECT_EQ(r.left, desktop.left + (desktop.Width() - 503) / 2);
    EXPECT_EQ(r.top, desktop.top + (desktop.Height() - 288) / 2);
}

TEST(WindowPlacement, FrameMenuBarTakesRoomOutsideTheClientArea)
{
    RecordingFrame frame;
    ASSERT_TRUE(frame.Create("", "Tracelume", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, Rect::FromSize(0, 0, 800, 48)));
    const Size withoutMenu = ClientSize(frame);
    ASSERT_TRUE(frame.SetMenuFromTemplate({MenuTemplateItem::Popup("&File", {MenuTemplateItem::Item(114, "E&xit\tCtrl+Q")})}));
    EXPECT_EQ(WindowRect(frame), Rect::FromSize(0, 0, 800, 48));
    EXPECT_LT(ClientSize(frame).height, withoutMenu.height);
    Rect outer{0, 0, ClientSize(frame).width, ClientSize(frame).height};
    frame.CalcWindowRect(&outer);
    EXPECT_EQ(outer.Height(), 48);
    frame.DestroyWindow();
}

TEST(WindowVisibility, ShowAndHideReportThePreviousState)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Shown", Rect::FromSize(0, 0, 100, 100)));
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(&window, {0, 0, 10, 10}));
    EXPECT_FALSE(window.IsWindowVisible());
    EXPECT_FALSE(child.IsWindowVisible()); // a visible child of a hidden window is not visible
    EXPECT_FALSE(window.ShowWindow(SW_SHOW));
    EXPECT_TRUE(window.IsWindowVisible());
    EXPECT_TRUE(child.IsWindowVisible());
    EXPECT_TRUE(window.ShowWindow(SW_HIDE));
    EXPECT_FALSE(window.IsWindowVisible());
    window.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    EXPECT_TRUE(window.IsWindowVisible());
    EXPECT_EQ(WindowRect(window), Rect::FromSize(0, 0, 100, 100));
}

TEST(WindowTitle, SetAndReadBack)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Particle Chamber: Empty", Rect::FromSize(0, 0, 100, 100)));
    EXPECT_EQ(window.GetWindowText(), "Particle Chamber: Empty");
    window.SetWindowText("Particle Chamber: Untitled Type 1 Decay");
    EXPECT_EQ(window.GetWindowText(), "Particle Chamber: Untitled Type 1 Decay");
}

TEST(WindowSizeLimits, ProgrammaticResizeIsClampedAtTheBoundary)
{
    RecordingWnd window;
    window.limitSizes = true;
    window.minSize = {192, 48};
    window.maxSize = {640, 520};
    ASSERT_TRUE(window.CreateTopLevel("Limits", Rect::FromSize(0, 0, 300, 200)));
    window.MoveWindow(10, 44, 640, 520);
    EXPECT_EQ(WindowRect(window), Rect::FromSize(10, 44, 640, 520));
    window.MoveWindow(10, 44, 641, 521);
    EXPECT_EQ(WindowRect(window), Rect::FromSize(10, 44, 640, 520));
    window.MoveWindow(10, 44, 192, 48);
    EXPECT_EQ(WindowRect(window), Rect::FromSize(10, 44, 192, 48));
    window.MoveWindow(10, 44, 191, 47);
    EXPECT_EQ(WindowRect(window), Rect::FromSize(10, 44, 192, 48));
}

TEST(WindowSizeLimits, LimitsAreAskedForAtEveryResizeIncludingTheUsers)
{
    RecordingWnd window;
    window.limitSizes = true;
    window.minSize = {192, 48};
    window.maxSize = {640, 520};
    ASSERT_TRUE(window.CreateTopLevel("Limits", Rect::FromSize(0, 0, 300, 200)));
    window.ShowWindow(SW_SHOW);
    const int before = window.limitQueries;
    window.MoveWindow(0, 0, 310, 200);
    EXPECT_GT(window.limitQueries, before);
    const int beforeUser = window.limitQueries;
    platform::simulate::UserResize(&window, 300, 200);
    EXPECT_GT(window.limitQueries, beforeUser);
    platform::simulate::UserResize(&window, 900, 900);
    EXPECT_LE(WindowRect(window).Width(), 640);
    EXPECT_LE(WindowRect(window).Height(), 520);
}

// Under a window manager the frame comes after the first placement. The limits are those of the
// outer rectangle, frame included, and the client area is what the frame leaves: a window at its
// largest must not get a client as large as its outer limit.
TEST(WindowSizeLimits, LimitsBindTheOuterRectangleAfterTheWindowManagerFrameAppears)
{
    RecordingWnd window;
    window.limitSizes = true;
    window.minSize = {192, 48};
    window.maxSize = {640, 520};
    ASSERT_TRUE(window.CreateTopLevel("Limits", Rect::FromSize(50, 60, 400, 300)));
    window.ShowWindow(SW_SHOW);
    platform::simulate::WindowManagerFrameAppears(&window, 4, 24, 4, 4);
    EXPECT_EQ(WindowRect(window), Rect::FromSize(50, 60, 400, 300));
    EXPECT_EQ(ClientSize(window), (Size{392, 272}));

    const platform::simulate::OuterSizeRange range = platform::simulate::UserSizeRange(&window);
    EXPECT_EQ(range.smallest, (Size{192, 48}));
    EXPECT_EQ(range.largest, (Size{640, 520}));

    platform::simulate::UserResize(&window, 900, 900);
    EXPECT_EQ(WindowRect(window).Width(), 640);
    EXPECT_EQ(WindowRect(window).Height(), 520);
    EXPECT_EQ(ClientSize(window), (Size{632, 492}));
    window.MoveWindow(0, 0, 1000, 900);
    EXPECT_EQ(WindowRect(window), Rect::FromSize(0, 0, 640, 520));
    EXPECT_EQ(ClientSize(window), (Size{632, 492}));
}

TEST(WindowSizeNotice, ReportsTheNewClientSize)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Size", Rect::FromSize(0, 0, 300, 200)));
    window.sizes.clear();
    window.MoveWindow(0, 0, 320, 240);
    ASSERT_FALSE(window.sizes.empty());
    EXPECT_EQ(window.sizes.back(), ClientSize(window));
}

TEST(WindowActivation, ShowingActivatesAndTheOtherWindowLosesActivation)
{
    RecordingWnd first;
    RecordingWnd second;
    ASSERT_TRUE(first.CreateTopLevel("First", Rect::FromSize(0, 0, 100, 100)));
    ASSERT_TRUE(second.CreateTopLevel("Second", Rect::FromSize(200, 0, 100, 100)));
    first.ShowWindow(SW_SHOW);
    ASSERT_FALSE(first.activations.empty());
    EXPECT_EQ(first.activations.back().state, WA_ACTIVE);
    EXPECT_EQ(CWnd::GetActiveWindow(), &first);

    second.ShowWindow(SW_SHOW);
    EXPECT_EQ(first.activations.back().state, WA_INACTIVE);
    EXPECT_EQ(first.activations.back().other, &second);
    ASSERT_FALSE(second.activations.empty());
    EXPECT_EQ(second.activations.back().state, WA_ACTIVE);
    EXPECT_EQ(second.activations.back().other, &first);
    platform::simulate::ProcessEvents(); // Qt's own activation echoes change nothing
    EXPECT_EQ(CWnd::GetActiveWindow(), &second);
    EXPECT_EQ(second.activations.size(), 1u);
}

TEST(WindowActivation, ShowingWithoutActivationLeavesTheActiveWindow)
{
    RecordingWnd first;
    RecordingWnd second;
    ASSERT_TRUE(first.CreateTopLevel("First", Rect::FromSize(0, 0, 100, 100)));
    ASSERT_TRUE(second.CreateTopLevel("Second", Rect::FromSize(200, 0, 100, 100)));
    first.ShowWindow(SW_SHOW);
    second.ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(second.IsWindowVisible());
    EXPECT_TRUE(second.activations.empty());
    EXPECT_EQ(CWnd::GetActiveWindow(), &first);
    second.BringWindowToTop();
    EXPECT_EQ(CWnd::GetActiveWindow(), &second);
}

TEST(WindowActivation, HidingTheActiveWindowActivatesItsOwner)
{
    RecordingWnd owner;
    RecordingWnd tool;
    ASSERT_TRUE(owner.CreateTopLevel("Owner", Rect::FromSize(0, 0, 100, 48)));
    ASSERT_TRUE(tool.CreateTopLevel("Tool", Rect::FromSize(0, 40, 100, 100), WS_OVERLAPPEDWINDOW, &owner));
    EXPECT_EQ(tool.GetParent(), &owner);
    owner.ShowWindow(SW_SHOW);
    tool.ShowWindow(SW_SHOW);
    tool.ShowWindow(SW_HIDE);
    EXPECT_EQ(CWnd::GetActiveWindow(), &owner);
    EXPECT_EQ(tool.activations.back().state, WA_INACTIVE);
    // Showing it again activates it again: the notice comes every time.
    tool.ShowWindow(SW_SHOW);
    EXPECT_EQ(tool.activations.back().state, WA_ACTIVE);
}

TEST(WindowActivation, ClickIntoAnInactiveWindowAsksAndActivates)
{
    RecordingWnd first;
    RecordingWnd second;
    ASSERT_TRUE(first.CreateTopLevel("First", Rect::FromSize(0, 0, 100, 100)));
    ASSERT_TRUE(second.CreateTopLevel("Second", Rect::FromSize(200, 0, 100, 100)));
    first.ShowWindow(SW_SHOW);
    second.ShowWindow(SW_SHOW);

    first.mouseActivateAnswer = MA_ACTIVATEANDEAT;
    platform::simulate::SendMouse(&first, MouseAction::Press, {5, 5});
    EXPECT_EQ(first.mouseActivations, 1);
    EXPECT_EQ(first.activations.back().state, WA_CLICKACTIVE);
    EXPECT_TRUE(first.mouse.empty()); // the click was eaten
    platform::simulate::SendMouse(&first, MouseAction::Release, {5, 5});

    second.mouseActivateAnswer = MA_ACTIVATE;
    platform::simulate::SendMouse(&second, MouseAction::Press, {7, 8});
    EXPECT_EQ(CWnd::GetActiveWindow(), &second);
    ASSERT_FALSE(second.mouse.empty());
    EXPECT_EQ(second.mouse.front().kind, "down");

    // A click into the active window does not ask.
    platform::simulate::SendMouse(&second, MouseAction::Press, {7, 8});
    EXPECT_EQ(second.mouseActivations, 1);
}

TEST(WindowActivation, TheWindowSystemActivatingAWindowIsNoticed)
{
    RecordingWnd first;
    RecordingWnd second;
    ASSERT_TRUE(first.CreateTopLevel("First", Rect::FromSize(0, 0, 100, 100)));
    ASSERT_TRUE(second.CreateTopLevel("Second", Rect::FromSize(200, 0, 100, 100)));
    first.ShowWindow(SW_SHOW);
    second.ShowWindow(SW_SHOW);
    platform::simulate::ProcessEvents();
    const size_t before = first.activations.size();
    platform::simulate::UserActivate(&first);
    EXPECT_EQ(CWnd::GetActiveWindow(), &first);
    ASSERT_EQ(first.activations.size(), before + 1);
    EXPECT_EQ(first.activations.back().state, WA_ACTIVE);
    EXPECT_EQ(second.activations.back().state, WA_INACTIVE);
}

// A window manager activates a window on the press and passes the click on after: that click is
// asked like a click into an inactive window, and only that one.
TEST(WindowActivation, TheClickAWindowManagerActivatedWithIsAsked)
{
    RecordingWnd first;
    RecordingWnd second;
    ASSERT_TRUE(first.CreateTopLevel("First", Rect::FromSize(0, 0, 100, 100)));
    ASSERT_TRUE(second.CreateTopLevel("Second", Rect::FromSize(200, 0, 100, 100)));
    first.ShowWindow(SW_SHOW);
    second.ShowWindow(SW_SHOW);
    platform::simulate::ProcessEvents();
    platform::simulate::UserActivate(&first);
    first.mouseActivateAnswer = MA_ACTIVATEANDEAT;
    platform::simulate::SendMouse(&first, MouseAction::Press, {5, 5});
    EXPECT_EQ(first.mouseActivations, 1);
    EXPECT_EQ(first.activations.back().state, WA_CLICKACTIVE);
    EXPECT_EQ(first.activations.back().other, &second);
    EXPECT_TRUE(first.mouse.empty()) << "the activating click was eaten";
    platform::simulate::SendMouse(&first, MouseAction::Release, {5, 5});
    platform::simulate::SendMouse(&first, MouseAction::Press, {5, 5});
    EXPECT_EQ(first.mouseActivations, 1) << "later clicks are not asked";
}

// Window managers keep an owned window above its owner and minimise it with it only when Qt marks
// it transient for the owner's window.
TEST(WindowOwner, OwnedWindowsAreTransientForTheirOwnersWindow)
{
    RecordingWnd owner;
    ASSERT_TRUE(owner.CreateTopLevel("Owner", Rect::FromSize(0, 0, 300, 200)));
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(&owner, Rect::FromSize(10, 10, 50, 50)));
    RecordingWnd owned;
    ASSERT_TRUE(owned.CreateTopLevel("Owned", Rect::FromSize(40, 40, 200, 100), WS_OVERLAPPEDWINDOW, &owner));
    RecordingWnd ownedByChild;
    ASSERT_TRUE(ownedByChild.CreateTopLevel("Owned by a child", Rect::FromSize(60, 60, 200, 100), WS_POPUP, &child));
    RecordingWnd unowned;
    ASSERT_TRUE(unowned.CreateTopLevel("Unowned", Rect::FromSize(80, 80, 200, 100)));
    owner.ShowWindow(SW_SHOW);
    owned.ShowWindow(SW_SHOW);
    ownedByChild.ShowWindow(SW_SHOWNA);
    unowned.ShowWindow(SW_SHOW);

    EXPECT_EQ(platform::simulate::WindowManagerOwner(&owned), &owner);
    EXPECT_EQ(platform::simulate::WindowManagerOwner(&ownedByChild), &owner);
    EXPECT_EQ(platform::simulate::WindowManagerOwner(&unowned), nullptr);
    EXPECT_EQ(platform::simulate::WindowManagerOwner(&owner), nullptr);
}

TEST(WindowClose, DefaultDestroysOverriddenHides)
{
    RecordingWnd closing;
    ASSERT_TRUE(closing.CreateTopLevel("Closing", Rect::FromSize(0, 0, 100, 100)));
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(&closing, {0, 0, 10, 10}));
    closing.ShowWindow(SW_SHOW);
    platform::simulate::SendCloseButton(&closing);
    EXPECT_EQ(closing.closes, 1);
    EXPECT_FALSE(closing.IsWindow());
    EXPECT_EQ(closing.destroys, 1);
    EXPECT_EQ(closing.ncDestroys, 1);
    EXPECT_FALSE(child.IsWindow()); // children go with their parent
    EXPECT_EQ(child.ncDestroys, 1);

    RecordingWnd hiding;
    hiding.hideOnClose = true;
    ASSERT_TRUE(hiding.CreateTopLevel("Hiding", Rect::FromSize(0, 0, 100, 100)));
    hiding.ShowWindow(SW_SHOW);
    hiding.SendMessage(WM_CLOSE);
    EXPECT_TRUE(hiding.IsWindow());
    EXPECT_FALSE(hiding.IsWindowVisible());
    EXPECT_EQ(hiding.destroys, 0);
}

TEST(WindowLifetime, ADeletedWindowLeavesNoCaptureOrActivationBehind)
{
    RecordingWnd survivor;
    ASSERT_TRUE(survivor.CreateTopLevel("Survivor", Rect::FromSize(0, 0, 100, 100)));
    survivor.ShowWindow(SW_SHOW);
    {
        RecordingWnd doomed;
        ASSERT_TRUE(doomed.CreateTopLevel("Doomed", Rect::FromSize(0, 0, 100, 100)));
        doomed.ShowWindow(SW_SHOW);
        doomed.SetCapture();
        ASSERT_EQ(CWnd::GetActiveWindow(), &doomed);
    }
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    CWnd* active = CWnd::GetActiveWindow();
    EXPECT_TRUE(active == nullptr || active == &survivor);
    platform::simulate::ProcessEvents();
    survivor.ShowWindow(SW_SHOWNORMAL);
    EXPECT_EQ(CWnd::GetActiveWindow(), &survivor);
}

TEST(WindowLifetime, AWindowObjectCanMakeANewWindowAfterItsFirstIsDestroyed)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("First", Rect::FromSize(0, 0, 100, 100)));
    window.DestroyWindow();
    ASSERT_TRUE(window.CreateTopLevel("Second", Rect::FromSize(10, 10, 120, 90)));
    EXPECT_EQ(window.GetWindowText(), "Second");
    EXPECT_EQ(WindowRect(window), Rect::FromSize(10, 10, 120, 90));
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();
    EXPECT_EQ(ColourAt(window, {ClientSize(window).width - 1, ClientSize(window).height - 1}), kRed);
}

TEST(WindowCreate, FailingOnCreateLeavesNoWindow)
{
    RecordingWnd window;
    window.failCreate = true;
    EXPECT_FALSE(window.CreateTopLevel("Fails", Rect::FromSize(0, 0, 100, 100)));
    EXPECT_FALSE(window.IsWindow());
    EXPECT_EQ(window.creates, 1);
}

TEST(WindowPaint, PaintDrawsIntoTheClientImageAndErasesOnlyWhenAsked)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Paint", Rect::FromSize(0, 0, 120, 90)));
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();
    EXPECT_GE(window.paints, 1);
    EXPECT_EQ(ColourAt(window, {0, 0}), kRed);
    EXPECT_EQ(ColourAt(window, {ClientSize(window).width - 1, ClientSize(window).height - 1}), kRed);

    const int erases = window.erases;
    window.Invalidate(false);
    window.UpdateWindow();
    EXPECT_EQ(window.erases, erases);
    window.Invalidate(true);
    window.UpdateWindow();
    EXPECT_EQ(window.erases, erases + 1);
}

TEST(WindowPaint, UpdateWindowPaintsOnlyWhatIsMarked)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Paint", Rect::FromSize(0, 0, 120, 90)));
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();
    const int paints = window.paints;
    window.UpdateWindow();
    EXPECT_EQ(window.paints, paints);
    const Rect part{10, 10, 20, 20};
    window.InvalidateRect(&part, false);
    window.UpdateWindow();
    EXPECT_EQ(window.paints, paints + 1);
}

TEST(WindowPaint, ClientContextDrawingStaysUntilTheNextRepaint)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Direct", Rect::FromSize(0, 0, 120, 90)));
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();
    const int paints = window.paints;
    {
        CClientDC dc(&window);
        dc.FillSolidRect({10, 10, 30, 20}, kBlue);
        dc.Flush();
    }
    EXPECT_EQ(window.paints, paints); // presenting does not repaint
    EXPECT_EQ(ColourAt(window, {10, 10}), kBlue);
    EXPECT_EQ(ColourAt(window, {29, 19}), kBlue);
    EXPECT_EQ(ColourAt(window, {30, 19}), kRed);
    platform::simulate::ProcessEvents();
    EXPECT_EQ(ColourAt(window, {10, 10}), kBlue);

    window.Invalidate(false);
    window.UpdateWindow();
    EXPECT_EQ(ColourAt(window, {10, 10}), kRed);
}

TEST(WindowPaint, AFlushDoesNotSwallowARepaintThatWasDue)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Due", Rect::FromSize(0, 0, 120, 90)));
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();
    {
        CClientDC dc(&window);
        dc.FillSolidRect({0, 0, 120, 90}, kBlue);
    }
    ASSERT_EQ(ColourAt(window, {60, 60}), kBlue);
    const Rect due{50, 50, 70, 70};
    window.InvalidateRect(&due, false);
    {
        CClientDC dc(&window);
        dc.FillSolidRect({0, 0, 10, 10}, kGreen);
    }
    const int paints = window.paints;
    platform::simulate::ProcessEvents();
    EXPECT_GT(window.paints, paints);
    EXPECT_EQ(ColourAt(window, {60, 60}), kRed);
}

TEST(WindowPaint, AClientContextUsedDuringAPaintIsPresentedAfterIt)
{
    class PaintsTwice : public RecordingWnd {
    public:
        void OnPaint() override
        {
            RecordingWnd::OnPaint();
            CClientDC dc(this);
            dc.FillSolidRect({0, 0, 5, 5}, kGreen);
            dc.Flush();
        }
    };
    PaintsTwice window;
    ASSERT_TRUE(window.CreateTopLevel("Nested", Rect::FromSize(0, 0, 60, 40)));
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();
    platform::simulate::ProcessEvents();
    EXPECT_EQ(ColourAt(window, {0, 0}), kGreen);
    EXPECT_EQ(ColourAt(window, {5, 5}), kRed);
}

// A window destroyed (and deleted) before its put-off present runs: the present finds no window
// and touches nothing of the one that was (the sanitizer build checks that).
TEST(WindowPaint, APresentPutOffUntilAfterThePaintOutlivesNothing)
{
    class PaintsTwice : public RecordingWnd {
    public:
        void OnPaint() override
        {
            RecordingWnd::OnPaint();
            CClientDC dc(this);
            dc.FillSolidRect({0, 0, 5, 5}, kGreen);
            dc.Flush();
        }
    };
    auto window = std::make_unique<PaintsTwice>();
    ASSERT_TRUE(window->CreateTopLevel("Gone", Rect::FromSize(0, 0, 60, 40)));
    window->ShowWindow(SW_SHOW);
    window->Invalidate();
    window->UpdateWindow();
    window.reset();
    platform::simulate::ProcessEvents();
}

TEST(WindowPaint, ChildContextsDrawAtTheChildsPlaceClippedToIt)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Parent", Rect::FromSize(0, 0, 200, 150)));
    RecordingWnd child;
    child.paintColour = kGreen;
    ASSERT_TRUE(child.CreateChild(&window, {40, 30, 90, 70}));
    EXPECT_EQ(child.ClientAreaInTopLevel(), (Rect{40, 30, 90, 70}));
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();
    platform::simulate::ProcessEvents();
    EXPECT_EQ(ColourAt(window, {39, 29}), kRed);
    EXPECT_EQ(ColourAt(window, {40, 30}), kGreen);
    EXPECT_EQ(ColourAt(child, {49, 39}), kGreen);

    CClientDC dc(&child);
    dc.FillSolidRect({-10, -10, 100, 100}, kBlue);
    EXPECT_EQ(ColourAt(window, {39, 30}), kRed);
    EXPECT_EQ(ColourAt(window, {40, 30}), kBlue);
    EXPECT_EQ(ColourAt(window, {89, 69}), kBlue);
    EXPECT_EQ(ColourAt(window, {90, 69}), kRed);
}

TEST(WindowMouse, PressMoveReleaseWithCaptureInClientCoordinates)
{
    RecordingWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Mouse", Rect::FromSize(0, 0, 300, 200)));
    RecordingWnd canvas;
    canvas.captureOnPress = true;
    ASSERT_TRUE(canvas.CreateChild(&window, {100, 50, 180, 150}, 7));
    RecordingWnd other;
    ASSERT_TRUE(other.CreateChild(&window, {0, 0, 50, 50}, 8));
    window.ShowWindow(SW_SHOW);

    platform::simulate::SendMouse(&canvas, MouseAction::Press, {5, 6});
    EXPECT_EQ(CWnd::GetCapture(), &canvas);
    // A move over another window goes to the capture window, in its client coordinates.
    platform::simulate::SendMouse(&other, MouseAction::Move, {10, 20});
    platform::simulate::SendMouse(&other, MouseAction::Release, {10, 20});
    EXPECT_TRUE(other.mouse.empty());
    ASSERT_EQ(canvas.mouse.size(), 3u);
    EXPECT_EQ(canvas.mouse[0].kind, "down");
    EXPECT_EQ(canvas.mouse[0].point, (Point{5, 6}));
    EXPECT_EQ(canvas.mouse[1].kind, "move");
    EXPECT_EQ(canvas.mouse[1].point, (Point{-90, -30}));
    EXPECT_EQ(canvas.mouse[2].kind, "up");
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    platform::simulate::SendMouse(&other, MouseAction::Move, {1, 2});
    ASSERT_EQ(other.mouse.size(), 1u);
    EXPECT_EQ(other.mouse[0].point, (Point{1, 2}));
}

TEST(WindowCursor, ClassCursorFirstThenWhatTheWindowSets)
{
    const std::string crossClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, CursorShape::Cross);
    EXPECT_EQ(crossClass, AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, CursorShape::Cross));
    EXPECT_NE(crossClass, AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, CursorShape::Arrow));
    RecordingWnd window;
    ASSERT_TRUE(window.CreateEx(0, crossClass, "Cursor", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr));
    EXPECT_EQ(window.GetCursor(), CursorShape::Cross);
    window.SetCursor(CursorShape::SizeAll);
    EXPECT_EQ(window.GetCursor(), CursorShape::SizeAll);
}

TEST(WindowClass, BackgroundIsErasedOnlyWithOne)
{
    const Colour grey = Rgb(128, 128, 128);
    RecordingWnd window;
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0, CursorShape::Arrow, &grey), "Bg", WS_OVERLAPPEDWINDOW, 0, 0,
                                100, 100, nullptr));
    CClientDC dc(&window);
    EXPECT_TRUE(window.OnEraseBkgnd(&dc));
    EXPECT_EQ(ColourAt(window, {50, 50}), grey);
    RecordingWnd plain;
    ASSERT_TRUE(plain.CreateTopLevel("Plain", Rect::FromSize(0, 0, 100, 100)));
    CClientDC plainDc(&plain);
    EXPECT_FALSE(plain.OnEraseBkgnd(&plainDc));
}

TEST(FramePane, ThePaneChildFillsTheClientAreaAfterEveryResize)
{
    RecordingFrame frame;
    ASSERT_TRUE(frame.Create("", "Frame", WS_OVERLAPPEDWINDOW, Rect::FromSize(0, 40, 640, 440)));
    RecordingWnd pane;
    ASSERT_TRUE(pane.CreateChild(&frame, {0, 0, 10, 10}, AFX_IDW_PANE_FIRST));
    EXPECT_EQ(ClientSize(pane), ClientSize(frame));
    frame.MoveWindow(0, 40, 300, 200);
    EXPECT_EQ(ClientSize(pane), ClientSize(frame));
    EXPECT_EQ(frame.GetDlgItem(AFX_IDW_PANE_FIRST), &pane);
    EXPECT_EQ(pane.GetParentFrame(), &frame);
    frame.DestroyWindow();
    EXPECT_EQ(frame.ncDestroys, 1);
}

TEST(FrameLifetime, AFrameDeletesItselfWhenItsWindowIsDestroyed)
{
    static int deleted = 0;
    class CountedFrame : public CFrameWnd {
    public:
        ~CountedFrame() override { ++deleted; }
    };
    auto* frame = new CountedFrame;
    ASSERT_TRUE(frame->Create("", "Counted"));
    frame->DestroyWindow();
    EXPECT_EQ(deleted, 1);
}

} // namespace

#include "display/ProjectorControlCanvas.h"
#include "display/ProjectorShowCanvas.h"
#include "display/ProjectorView.h"
#include "display/ProjectorWindow.h"

#include "FakeFrameLink.h"
#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"
#include "platform/testing/InputSimulation.h"
#include "platform/window/ClientDC.h"


#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

using Outline = std::array<Point, 5>;

Outline Box(int left, int top, int right, int bottom)
{
    return {Point{left, top}, Point{left, bottom}, Point{right, bottom}, Point{right, top}, Point{left, top}};
}

// A file-sized event of n points, all at the origin except the last one at `last`.
std::shared_ptr<ChamberEvent> EventEndingAt(int n, const ChamberData& chamber, TrackPoint last)
{
    auto event = std::make_shared<ChamberEvent>(n, &chamber);
    for (int i = 0; i < n - 1; ++i)
        event->Points().Append(TrackPoint{});
    event->Points().Append(last);
    return event;
}

// A view without windows, its picture pane at zoom 1 and the home pan.
struct ProjectorModel {
    ProjectorModel()
    {
        canvas().SetView(&view);
        canvas().SetHome(470.0, 420.0);
        canvas().SetConditions(&chamber);
        canvas().SetZoom(1.0);
    }
    ProjectorShowCanvas& canvas() { return *view.showCanvas; }

    ChamberData chamber{500.0, 10.0, 1000.0};
    ProjectorView view;
};

} // namespace

// The point (100, -200, 300) of an event longer than a generated one lands on the worked pixel
// of each plane.
TEST(ProjectorView, ProjectsTheLastPointOfALongEventOntoEachPlane)
{
    struct Case {
        int32_t plane;
        Point pixel;
    };
    const Case cases[] = {{ProjectorView::kXY, {135, 260}}, {ProjectorView::kYZ, {135, 60}}, {ProjectorView::kXZ, {285, 60}}};
    ProjectorModel model;
    const auto event = EventEndingAt(400, model.chamber, TrackPoint{100.0, -200.0, 300.0});
    model.view.SetEvent(event);
    for (const Case& c : cases) {
        model.view.SetPlane(c.plane);
        ASSERT_EQ(model.canvas().count, 400);
        EXPECT_EQ((Point{model.canvas().pixelX[399], model.canvas().pixelY[399]}), c.pixel) << c.plane;
        EXPECT_EQ((Point{model.canvas().pixelX[0], model.canvas().pixelY[0]}), (Point{235, 210}));
    }
}

TEST(ProjectorView, ADestroyedEventLeavesNoPoints)
{
    ProjectorModel model;
    auto event = EventEndingAt(3, model.chamber, TrackPoint{});
    model.view.SetEvent(event);
    ASSERT_EQ(model.canvas().count, 3);
    event.reset();
    model.view.SetPlane(ProjectorView::kYZ);
    EXPECT_EQ(model.canvas().count, 0);
    EXPECT_TRUE(model.canvas().pixelX.empty());
}

TEST(ProjectorShowCanvas, OutlineFollowsZoomAndPanByTheMouseMovement)
{
    ProjectorModel model;
    EXPECT_EQ(model.canvas().outline, Box(35, 10, 435, 410));
    model.canvas().SetZoom(2.0);
    EXPECT_EQ(model.canvas().outline, Box(70, -190, 870, 610));
    for (double zoom : {1.0, 2.0, 3.0}) {
        model.canvas().ResetPan();
        model.canvas().SetZoom(zoom);
        const Outline before = model.canvas().outline;
        model.canvas().Pan(30, -10);
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(model.canvas().outline[i], (Point{before[i].x + 30, before[i].y - 10})) << zoom;
    }
}

TEST(ProjectorView, APlaneChangeBringsThePanHomeKeepsTheZoomAndHidesTheTape)
{
    ProjectorModel model;
    model.canvas().SetZoom(2.0);
    model.canvas().Pan(25, 40);
    model.canvas().tapeShown = 1;
    model.view.SetPlane(ProjectorView::kXZ);
    EXPECT_EQ(model.canvas().outline, Box(70, -190, 870, 610));
    EXPECT_EQ(model.canvas().tapeShown, 0);
}

TEST(ProjectorView, ReadoutTextHasOneDecimal)
{
    EXPECT_EQ(ProjectorView::ReadoutText(12.345), "D = 12.3 CM");
    EXPECT_EQ(ProjectorView::ReadoutText(0.0), "D = 0.0 CM");
}

// The Projector window: its controls drive the view and the tape measures centimetres.
class ProjectorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = new CProjectorWindow(frame);
        ASSERT_TRUE(window->Create("", "Projector: Empty", WS_OVERLAPPEDWINDOW, Rect{0, 0, 632, 480}, nullptr));
        window->SetConditions(&chamber);
        window->CreateView();
        ASSERT_NE(window->GetView(), nullptr);
        window->ShowWindow(SW_SHOW);
    }
    void TearDown() override { window->DestroyWindow(); }

    ProjectorView& view() { return *window->GetView(); }
    ProjectorShowCanvas& canvas() { return *view().showCanvas; }
    double Drag(Point from, Point to)
    {
        using platform::simulate::MouseAction;
        platform::simulate::SendMouse(&canvas(), MouseAction::Press, from);
        if (from != to)
            platform::simulate::SendMouse(&canvas(), MouseAction::Move, to);
        platform::simulate::SendMouse(&canvas(), MouseAction::Release, to);
        return canvas().lastLength;
    }

    FakeFrameLink frame;
    ChamberData chamber{500.0, 10.0, 1000.0};
    CProjectorWindow* window = nullptr;
};

TEST_F(ProjectorWindowTest, PlaneButtonsZoomListAndToolsListDriveTheView)
{
    ProjectorControlCanvas& controls = *view().controlCanvas;
    controls.yzButton.Click();
    EXPECT_EQ(view().plane, ProjectorView::kYZ);
    controls.xzButton.Click();
    EXPECT_EQ(view().plane, ProjectorView::kXZ);
    controls.xyButton.Click();
    EXPECT_EQ(view().plane, ProjectorView::kXY);

    controls.zoomList.Choose(2);
    EXPECT_EQ(canvas().outline, Box(105, -390, 1305, 810));
    controls.toolsList.Choose(1);
    EXPECT_EQ(canvas().tool, ProjectorShowCanvas::kGrabber);
    EXPECT_EQ(canvas().GetCursor(), CursorShape::SizeAll);
    controls.toolsList.Choose(0);
    EXPECT_EQ(canvas().tool, ProjectorShowCanvas::kTape);
    EXPECT_EQ(canvas().GetCursor(), CursorShape::Cross);
}

TEST_F(ProjectorWindowTest, TapeMeasuresChamberCentimetresAtTheZoom)
{
    window->UpdateWindow();
    EXPECT_DOUBLE_EQ(Drag({100, 100}, {103, 104}), 6.25);
    EXPECT_EQ(canvas().tapeShown, 1);
    EXPECT_DOUBLE_EQ(Drag({100, 100}, {100, 100}), 0.0);
    EXPECT_EQ(canvas().tapeShown, 1);
    view().controlCanvas->zoomList.Choose(1);
    EXPECT_EQ(canvas().tapeShown, 0);
    EXPECT_DOUBLE_EQ(Drag({100, 100}, {103, 104}), 3.125);
}

// Enter, three steps right and four down, Enter: the 5-pixel tape of the mouse, from the keys.
TEST_F(ProjectorWindowTest, KeyboardTapeMeasuresLikeTheMouseTape)
{
    window->UpdateWindow();
    for (int key : {VK_RETURN, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN})
        platform::simulate::SendKey(window, char(key), false);
    EXPECT_EQ(canvas().keyboardTape, 1);
    EXPECT_DOUBLE_EQ(canvas().lastLength, 6.25);
    EXPECT_EQ(canvas().lineEnd, (Point{canvas().anchor.x + 3, canvas().anchor.y + 4}));
    platform::simulate::SendKey(window, char(VK_RETURN), false);
    EXPECT_EQ(canvas().keyboardTape, 0);
    EXPECT_EQ(canvas().tapeShown, 1);
    // With the grabber the keys do nothing.
    view().controlCanvas->toolsList.Choose(1);
    platform::simulate::SendKey(window, char(VK_RETURN), false);
    EXPECT_EQ(canvas().keyboardTape, 0);
}

// A keyboard tape begun after a mouse tape, with the windows repainted on the way (Ctrl+L, then
// Ctrl+P), shows only itself: no line from the old tape's start to the new end.
TEST_F(ProjectorWindowTest, NewTapeStartsFromNothing)
{
    window->UpdateWindow();
    Drag({300, 100}, {400, 100});
    platform::simulate::SendKey(window, char(VK_RETURN), false);
    const Point start = canvas().anchor;
    for (int i = 0; i < 5; ++i)
        platform::simulate::SendKey(window, char(VK_RIGHT), false);
    window->Invalidate();
    view().Invalidate();
    canvas().Invalidate();
    window->UpdateWindow();
    canvas().UpdateWindow();
    const Rect area = canvas().ClientAreaInTopLevel();
    const auto shown = [&](Point p) { return FromPixel(view().TopLevelImage()->At(area.left + p.x, area.top + p.y)); };
    EXPECT_EQ(shown({(300 + start.x + 5) / 2, (100 + start.y) / 2}), colours::kBlack) << "no line from the old tape";
    EXPECT_EQ(shown({start.x + 2, start.y}), Rgb(255, 0, 0)) << "the tape being stretched survives the repaint";
    for (int i = 0; i < 5; ++i)
        platform::simulate::SendKey(window, char(VK_RIGHT), false);
    platform::simulate::SendKey(window, char(VK_RETURN), false);
    EXPECT_EQ(canvas().lineStart, start);
    EXPECT_DOUBLE_EQ(canvas().lastLength, 12.5);
}

TEST_F(ProjectorWindowTest, GrabberDragCarriesTheShownTapeLine)
{
    window->UpdateWindow();
    Drag({100, 100}, {110, 100});
    view().controlCanvas->toolsList.Choose(1);
    const Outline before = canvas().outline;
    Drag({200, 200}, {230, 190});
    EXPECT_EQ(canvas().outline[0], (Point{before[0].x + 30, before[0].y - 10}));
    EXPECT_EQ(canvas().lineStart, (Point{130, 90}));
    EXPECT_EQ(canvas().lineEnd, (Point{140, 90}));
}

// The repainted window shows the worked point white on the black pane, inside the white outline.
TEST_F(ProjectorWindowTest, ShowsTheProjectedPointOnTheBlackPane)
{
    const auto event = EventEndingAt(2, chamber, TrackPoint{100.0, -200.0, 300.0});
    window->UpdateWindow();
    view().SetEvent(event);
    canvas().UpdateWindow();
    const Rect area = view().ClientAreaInTopLevel();
    const auto shown = [&](int x, int y) { return FromPixel(view().TopLevelImage()->At(area.left + x, area.top + y)); };
    EXPECT_EQ(shown(135, 260), colours::kWhite);
    EXPECT_EQ(shown(35, 100), colours::kWhite);
    EXPECT_EQ(shown(200, 200), colours::kBlack);
    EXPECT_EQ(shown(490, 400), colours::kWhite);
}

// A Projector smaller than its picture scrolls (as under a window manager at its default size):
// the pane's picture, strips uncovered by scrolling and the tape line all follow the scroll.
TEST_F(ProjectorWindowTest, ScrolledPaneShowsThePictureAndTheTapeWhereThePointerIs)
{
    const auto event = EventEndingAt(2, chamber, TrackPoint{100.0, -200.0, 300.0});
    window->MoveWindow(0, 0, 300, 250);
    view().SetEvent(event);
    window->UpdateWindow();
    const Rect area = view().ClientAreaInTopLevel();
    const auto shown = [&](int x, int y) { return FromPixel(view().TopLevelImage()->At(area.left + x, area.top + y)); };
    const auto paneShowsBackBuffer = [&](Point scroll) {
        for (int y = 0; y < area.Height(); ++y)
            for (int x = 0; x < area.Width(); ++x)
                if (x + scroll.x < 480 && shown(x, y) != view().backBuffer->GetPixel(x + scroll.x, y + scroll.y))
                    return false;
        return true;
    };
    ASSERT_TRUE(view().HasVerticalScrollBar());
    EXPECT_TRUE(paneShowsBackBuffer({0, 0}));

    view().ScrollToPosition(Point{60, 100});
    ASSERT_EQ(view().GetDeviceScrollPosition(), (Point{60, 100}));
    EXPECT_EQ(shown(135 - 60, 260 - 100), colours::kWhite);
    EXPECT_TRUE(paneShowsBackBuffer({60, 100}));
    view().ScrollToPosition(Point{0, 0});
    EXPECT_TRUE(paneShowsBackBuffer({0, 0}));

    view().ScrollToPosition(Point{60, 100});
    using platform::simulate::MouseAction;
    platform::simulate::SendMouse(&canvas(), MouseAction::Press, {120, 150});
    EXPECT_TRUE(paneShowsBackBuffer({60, 100})) << "a press wipes the pane with the scrolled picture";
    platform::simulate::SendMouse(&canvas(), MouseAction::Move, {160, 150});
    platform::simulate::SendMouse(&canvas(), MouseAction::Release, {160, 150});
    EXPECT_EQ(shown(140 - 60, 150 - 100), Rgb(255, 0, 0)) << "the line under the drag";
    EXPECT_EQ(shown(140, 150), colours::kBlack) << "no line at the unscrolled place";
    view().ScrollToPosition(Point{0, 0});
    CClientDC repaint(&view());
    canvas().DrawTape(repaint);
    EXPECT_EQ(shown(140, 150), Rgb(255, 0, 0)) << "the shown line scrolls with the picture";
    EXPECT_EQ(shown(140 - 60, 150 - 100), colours::kBlack);
}

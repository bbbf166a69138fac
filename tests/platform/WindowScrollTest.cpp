#include "WindowTestSupport.h"

#include <gtest/gtest.h>

using namespace windowtest;

namespace {

constexpr Size kPicture{640, 500};

// A colour that names its pixel, so that a shifted copy shows by how much it is shifted.
Colour PatternAt(int x, int y) { return Rgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)); }

// A scroll view showing a fixed 640 x 500 picture, the way the program's double-buffered views do.
class PictureView : public CScrollView {
public:
    PictureView()
    {
        picture.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(kPicture.width, kPicture.height);
        picture.SelectObject(&bitmap);
        for (int y = 0; y < kPicture.height; ++y)
            for (int x = 0; x < kPicture.width; ++x)
                picture.SetPixel(x, y, PatternAt(x, y));
    }
    void OnDraw(CDC* dc) override { dc->BitBlt(0, 0, kPicture.width, kPicture.height, &picture, 0, 0, RasterOp::SrcCopy); }
    void OnSize(unsigned type, int cx, int cy) override
    {
        SetScrollSizes(MM_TEXT, kPicture, {cx, cy}, {20, 5});
        CScrollView::OnSize(type, cx, cy);
    }
    void PostNcDestroy() override {}

    CDC picture;
    CBitmap bitmap;
};

class ScrollViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create("", "Particle Chamber: Empty", WS_OVERLAPPEDWINDOW, Rect::FromSize(0, 40, 640, 440)));
        ASSERT_TRUE(view.Create("", "", WS_CHILD | WS_VISIBLE, {0, 0, 0, 0}, &frame, AFX_IDW_PANE_FIRST));
        frame.ShowWindow(SW_SHOW);
    }
    void TearDown() override { frame.DestroyWindow(); }

    // Sizes the frame so that its client area is width x height.
    void SetClientSize(int width, int height)
    {
        Rect outer{0, 0, width, height};
        frame.CalcWindowRect(&outer);
        frame.MoveWindow(0, 40, outer.Width(), outer.Height());
        Rect client;
        frame.GetClientRect(&client);
        ASSERT_EQ(client.Width(), width);
        ASSERT_EQ(client.Height(), height);
    }
    Size ViewClient() const
    {
        Rect r;
        view.GetClientRect(&r);
        return {r.Width(), r.Height()};
    }
    void Repaint()
    {
        view.Invalidate(false);
        view.UpdateWindow();
    }
    // Every pixel of the view's visible part shows the picture shifted by the scroll position.
    void ExpectPictureShiftedByScroll(const char* how)
    {
        const Point s = view.GetDeviceScrollPosition();
        const Size c = ViewClient();
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                wrong += ColourAt(view, {x, y}) != PatternAt(x + s.x, y + s.y);
        EXPECT_EQ(wrong, 0) << how;
    }

    RecordingFrame frame;
    PictureView view;
};

TEST_F(ScrollViewTest, BarsAppearOnlyWhenTheClientIsSmallerThanThePicture)
{
    SetClientSize(640, 500);
    EXPECT_FALSE(view.HasHorizontalScrollBar());
    EXPECT_FALSE(view.HasVerticalScrollBar());
    EXPECT_EQ(ViewClient(), kPicture);

    SetClientSize(639, 500);
    EXPECT_TRUE(view.HasHorizontalScrollBar());
    EXPECT_TRUE(view.HasVerticalScrollBar()); // the horizontal bar takes height the picture needs

    SetClientSize(640, 499);
    EXPECT_TRUE(view.HasVerticalScrollBar());
    EXPECT_TRUE(view.HasHorizontalScrollBar());

    SetClientSize(700, 300);
    EXPECT_FALSE(view.HasHorizontalScrollBar());
    EXPECT_TRUE(view.HasVerticalScrollBar());
    EXPECT_LT(ViewClient().width, 700);
    EXPECT_EQ(ViewClient().height, 300);

    SetClientSize(800, 600);
    EXPECT_FALSE(view.HasHorizontalScrollBar());
    EXPECT_FALSE(view.HasVerticalScrollBar());
    EXPECT_EQ(view.GetTotalSize(), kPicture);
}

TEST_F(ScrollViewTest, RepaintShowsThePictureShiftedByTheScrollPosition)
{
    SetClientSize(300, 200);
    Repaint();
    ExpectPictureShiftedByScroll("before scrolling");
    view.ScrollToPosition({30, 20});
    EXPECT_EQ(view.GetDeviceScrollPosition(), (Point{30, 20}));
    ExpectPictureShiftedByScroll("scrolling repaints at once");
    EXPECT_EQ(ColourAt(view, {0, 0}), PatternAt(30, 20));
}

TEST_F(ScrollViewTest, UnshiftedWindowContextCopyFromTheScrollPositionMatchesTheRepaint)
{
    SetClientSize(300, 200);
    view.ScrollToPosition({123, 77});
    Repaint();
    ExpectPictureShiftedByScroll("normal repaint");
    {
        CClientDC wipe(&frame);
        wipe.FillSolidRect({0, 0, 640, 500}, colours::kBlack);
    }
    ASSERT_EQ(ColourAt(view, {0, 0}), colours::kBlack);
    CClientDC dc(&frame);
    Rect viewClient;
    view.GetClientRect(&viewClient);
    dc.SetClipRect(viewClient);
    const Point s = view.GetDeviceScrollPosition();
    dc.BitBlt(0, 0, kPicture.width, kPicture.height, &view.picture, s.x, s.y, RasterOp::SrcCopy);
    ExpectPictureShiftedByScroll("direct copy");
}

TEST_F(ScrollViewTest, ScrollPositionStaysInsideThePicture)
{
    SetClientSize(300, 200);
    view.ScrollToPosition({10000, 10000});
    const Size c = ViewClient();
    EXPECT_EQ(view.GetDeviceScrollPosition(), (Point{kPicture.width - c.width, kPicture.height - c.height}));
    view.ScrollToPosition({-5, -5});
    EXPECT_EQ(view.GetDeviceScrollPosition(), (Point{0, 0}));
    view.ScrollToPosition({50, 60});
    SetClientSize(800, 600);
    EXPECT_EQ(view.GetDeviceScrollPosition(), (Point{0, 0}));
}

TEST_F(ScrollViewTest, ViewContextStartsAtTheVisibleTopLeftAndChildrenMoveWithThePicture)
{
    SetClientSize(300, 200);
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(&view, {100, 100, 120, 130}));
    view.ScrollToPosition({30, 20});
    const Rect viewArea = view.ClientAreaInTopLevel();
    EXPECT_EQ(child.ClientAreaInTopLevel(), Rect::FromSize(viewArea.left + 70, viewArea.top + 80, 20, 30));
    CClientDC dc(&view);
    EXPECT_EQ(dc.GetViewportOrg(), viewArea.TopLeft());
}

} // namespace

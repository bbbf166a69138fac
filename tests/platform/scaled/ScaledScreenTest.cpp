// The window layer on a screen that shows every client pixel as 2 x 2 screen pixels.
#include "tests/platform/WindowTestSupport.h"

#include "platform/gfx/GuiApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int kScale = 2;

// The application object of this program, made on a screen scaled by kScale.
class ScaledScreenEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ::setenv("QT_SCALE_FACTOR", "2", 1);
        ASSERT_TRUE(platform::EnsureGuiApplication(platform::ApplicationKind::Widgets));
    }
};

[[maybe_unused]] ::testing::Environment* const kScaledEnvironment =
    ::testing::AddGlobalTestEnvironment(new ScaledScreenEnvironment);

// Paints a one-pixel checkerboard: any blending of neighbours would show as a third colour.
class CheckerWnd : public windowtest::RecordingWnd {
public:
    void OnPaint() override
    {
        CPaintDC dc(this);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                dc.SetPixel(x, y, (x + y) % 2 == 0 ? colours::kWhite : Rgb(0, 0, 128));
    }
    static constexpr int kSide = 40;
};

} // namespace

TEST(ScaledScreen, EachPicturePixelIsAWholeBlockAndTheMouseFindsItsPixel)
{
    CheckerWnd window;
    ASSERT_TRUE(window.CreateTopLevel("Scaled", Rect{50, 50, 250, 250}));
    window.ShowWindow(SW_SHOW);
    window.UpdateWindow();

    const PixelImage screen = platform::simulate::GrabClient(&window);
    Rect client;
    window.GetClientRect(&client);
    ASSERT_EQ(screen.width, client.Width() * kScale);
    ASSERT_EQ(screen.height, client.Height() * kScale);
    int mismatches = 0;
    for (int y = 0; y < CheckerWnd::kSide * kScale; ++y)
        for (int x = 0; x < CheckerWnd::kSide * kScale; ++x)
            mismatches += screen.At(x, y) != ToPixel((x / kScale + y / kScale) % 2 == 0 ? colours::kWhite : Rgb(0, 0, 128));
    EXPECT_EQ(mismatches, 0);

    // Every screen pixel of a block, including its right and lower halves, is that block's pixel.
    using platform::simulate::MouseAction;
    for (const Point screenPixel : {Point{20, 40}, Point{21, 41}, Point{23, 43}, Point{0, 1}}) {
        window.mouse.clear();
        platform::simulate::SendMouseAtScreenPixel(&window, MouseAction::Press, screenPixel);
        platform::simulate::SendMouseAtScreenPixel(&window, MouseAction::Release, screenPixel);
        ASSERT_FALSE(window.mouse.empty());
        const Point expected{screenPixel.x / kScale, screenPixel.y / kScale};
        EXPECT_EQ(window.mouse.front().point, expected) << screenPixel.x << "," << screenPixel.y;
    }
    window.DestroyWindow();
}

#include "controls/ChamberSlideCanvas.h"
#include "physics/ChamberData.h"
#include "platform/gfx/DC.h"
#include "platform/window/Wnd.h"
#include "tests/support/TestSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr int kKnobWidth = 22;
constexpr int kKnobHeight = 17;
constexpr int kOpaqueWidth = 18;
constexpr int kTrackHeight = 177;
constexpr int kTravel = kTrackHeight - kKnobHeight;
constexpr Colour kTrackGrey = Rgb(128, 128, 128);
constexpr Colour kKnobGrey = Rgb(192, 192, 192);
constexpr Colour kArrow = Rgb(0, 0, 0);

// A slider of the B kind on a plain parent window, with a grey track and a grey knob whose right
// part is white but for one black arrow pixel per row.
class SliderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int y = 0; y < kKnobHeight; ++y) {
            knob.dc.FillSolidRect({0, y, kOpaqueWidth, y + 1}, kKnobGrey);
            knob.dc.SetPixel(kOpaqueWidth, y, kArrow);
        }
        ASSERT_TRUE(parent.CreateEx(0, "", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr));
    }
    void TearDown() override { parent.DestroyWindow(); }

    static constexpr SliderTrack kBTrack{{87, 217}, 47, kTrackHeight, kOpaqueWidth};
    static constexpr SliderTrack kLTrack{{84, 201}, 44, 161, kOpaqueWidth};
    static constexpr KnobDescription Knob(CDC* surface) { return {surface, kKnobHeight, kKnobWidth, 0}; }

    // A chamber slider of the window's kind for quantity, its knob and track 20 pixels right.
    ChamberSlideCanvas* Chamber(const SliderTrack& track, const ChamberQuantity& quantity, ChamberDataHolder& holder)
    {
        const ChamberSliderLayout layout{track, 20, {}, {}, 102};
        return new ChamberSlideCanvas(&background.dc, Knob(&knob.dc), layout, quantity, holder);
    }

    // Places a slider made with new on the parent, ready to drag.
    template <typename Slider>
    Slider* Place(Point at, Slider* slider)
    {
        slider->SetPosition(at.x, at.y);
        EXPECT_TRUE(slider->Create("", "", WS_CHILD | WS_VISIBLE, slider->frame, &parent, 102));
        slider->SetBackBuffer(&backBuffer.dc);
        slider->PrepareKnob();
        return slider;
    }
    SlideCanvas* PlainSlider(Point at = {})
    {
        return Place(at, new SlideCanvas(&background.dc, Knob(&knob.dc), kBTrack));
    }

    TestSurface background{94, 177, kTrackGrey};
    TestSurface knob{kKnobWidth, kKnobHeight, colours::kWhite};
    TestSurface backBuffer{400, 310, colours::kWhite};
    CWnd parent;
};

// Pairs of the last point that grabs and the first that does not, at each edge of the knob.
TEST_F(SliderTest, KnobIsHitStrictlyInside)
{
    struct Case {
        Point press;
        bool grabs;
    };
    const Case cases[] = {
        {{5, 0}, false}, {{5, 1}, true},  {{5, kKnobHeight - 1}, true}, {{5, kKnobHeight}, false},
        {{0, 8}, false}, {{1, 8}, true},  {{kKnobWidth - 1, 8}, true},  {{kKnobWidth, 8}, false},
    };
    SlideCanvas* slider = PlainSlider();
    for (const Case& c : cases) {
        slider->OnLButtonDown(MK_LBUTTON, c.press);
        EXPECT_EQ(slider->dragging, c.grabs ? 1 : 0) << c.press.x << ", " << c.press.y;
        EXPECT_EQ(CWnd::GetCapture(), c.grabs ? slider : nullptr);
        slider->OnLButtonUp(0, c.press);
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
    }
}

TEST_F(SliderTest, DragStaysOnTheTrackAndMarksTheRowsItCrosses)
{
    SlideCanvas* slider = PlainSlider({26, 24});
    slider->OnLButtonDown(MK_LBUTTON, {5, 5});
    slider->OnMouseMove(MK_LBUTTON, {5, 6});
    EXPECT_EQ(slider->knobPosition, 1);
    EXPECT_EQ(slider->dirty, (Rect{-1, 0, kKnobWidth + 1, 1 + kKnobHeight}));
    slider->OnMouseMove(MK_LBUTTON, {5, -500});
    EXPECT_EQ(slider->knobPosition, 0);
    EXPECT_EQ(slider->dirty, (Rect{-1, 0, kKnobWidth + 1, 1 + kKnobHeight}));
    slider->OnMouseMove(MK_LBUTTON, {5, 5000});
    EXPECT_EQ(slider->knobPosition, kTravel);
    EXPECT_EQ(slider->drawnPosition, kTravel);
}

// A move draws only the rows it changes into the back buffer; the rest must already be what a
// whole drawing at the knob's new place gives. The track's rows differ, so a row drawn at the
// wrong height shows.
TEST_F(SliderTest, DragLeavesTheBackBufferAsAWholeDrawingAtTheNewPlace)
{
    for (int y = 0; y < kTrackHeight; ++y)
        background.dc.FillSolidRect({0, y, 94, y + 1}, Rgb(y, 128, 255 - y));
    SlideCanvas* slider = PlainSlider({26, 24});
    TestSurface whole{400, 310, colours::kWhite};
    slider->Draw(&backBuffer.dc);
    slider->Draw(&whole.dc);
    slider->OnLButtonDown(MK_LBUTTON, {5, 5});
    for (const int y : {6, 7, 40, 39, 160, 5000, -500, 90}) {
        slider->OnMouseMove(MK_LBUTTON, {5, y});
        slider->Draw(&whole.dc);
        EXPECT_TRUE(backBuffer.Image().pixels == whole.Image().pixels) << "after the move to " << y;
    }
    slider->OnLButtonUp(0, {5, 90});
}

TEST_F(SliderTest, ClearedArmedGateSwallowsOnePress)
{
    SlideCanvas* slider = PlainSlider();
    slider->armed = 0;
    slider->OnLButtonDown(MK_LBUTTON, {5, 5});
    EXPECT_EQ(slider->dragging, 0);
    EXPECT_EQ(slider->armed, 1);
    slider->OnLButtonDown(MK_LBUTTON, {5, 5});
    EXPECT_EQ(slider->dragging, 1);
    slider->OnLButtonUp(0, {5, 5});
}

// The knob's white right part lets the track through; its other pixels cover it.
TEST_F(SliderTest, KnobRightPartIsSeeThroughWhereWhite)
{
    SlideCanvas* slider = PlainSlider({26, 24});
    slider->Draw(&backBuffer.dc);
    EXPECT_EQ(backBuffer.ColourAt(26 + 3, 24 + 3), kKnobGrey);
    EXPECT_EQ(backBuffer.ColourAt(26 + kOpaqueWidth, 24 + 3), kArrow);
    EXPECT_EQ(backBuffer.ColourAt(26 + kOpaqueWidth + 2, 24 + 3), kTrackGrey);
    EXPECT_EQ(backBuffer.ColourAt(26 + 30, 24 + 100), kTrackGrey);
    EXPECT_EQ(backBuffer.ColourAt(26 + 47, 24 + 100), colours::kWhite);
}

TEST_F(SliderTest, DisplaySliderPrintsTheValueOfItsKnob)
{
    ChamberData conditions(500.0, 0.0, 0.6);
    ChamberDataHolder holder(conditions);
    auto* slider = Place(Point{26, 24}, Chamber(kBTrack, kFieldQuantity, holder));
    EXPECT_EQ(slider->ValueText(slider->PositionToValue(0)), "B = 2.0000 kG");
    EXPECT_EQ(slider->ValueText(slider->PositionToValue(kTravel)), "B = 0.0000 kG");
    EXPECT_EQ(slider->knobPosition, kTravel);
    EXPECT_EQ(slider->textRect, (Rect{26, 24 + kTrackHeight + 8, 26 + 87, 24 + kTrackHeight + 20}));
    EXPECT_EQ(slider->knobX, 20);
}

TEST_F(SliderTest, ReleaseWritesTheConditionsOnce)
{
    ChamberData conditions(500.0, 0.8, 0.6);
    ChamberDataHolder holder(conditions);
    auto* slider = Place(Point{262, 40}, Chamber(kLTrack, kLengthQuantity, holder));
    const int grab = slider->drawnPosition + 5;
    slider->OnLButtonDown(MK_LBUTTON, {25, grab});
    ASSERT_EQ(slider->dragging, 1);
    // 2.5 m lies (1 - 1.5 / 9) x 144 = 120 pixels down the L track.
    slider->OnMouseMove(MK_LBUTTON, {25, 120 + 5});
    EXPECT_EQ(slider->knobPosition, 120);
    EXPECT_EQ(holder.L(), 500.0);
    EXPECT_EQ(conditions.Changed(), 0);
    slider->OnLButtonUp(0, {25, 120 + 5});
    EXPECT_DOUBLE_EQ(holder.L(), 250.0);
    EXPECT_EQ(conditions.Changed(), 1);
    EXPECT_EQ(slider->ValueText(slider->value), "L = 2.5000 m");
}

// Truncation toward zero, not held to the track.
TEST(ValueSlider, KnobFromValueTruncatesAndDoesNotClamp)
{
    struct Case {
        double value;
        int position;
    };
    const Case cases[] = {{2.0, 0}, {0.0, kTravel}, {1.5, 40}, {4.0, -159}, {-1.0, 240}, {NAN, 0}, {1e300, -(1 << 24)}};
    for (const Case& c : cases) {
        ValueSlideCanvas slider(nullptr, KnobDescription{nullptr, kKnobHeight, kKnobWidth, 0},
                                SliderTrack{{87, 217}, 47, kTrackHeight, kOpaqueWidth}, ValueRange{0.0, 2.0}, c.value);
        EXPECT_EQ(slider.knobPosition, c.position) << c.value;
        EXPECT_EQ(slider.drawnPosition, c.position) << c.value;
    }
}

TEST(EnergyRanges, EnergyFindsItsDecade)
{
    struct Case {
        double t;
        int index;
        double value;
    };
    const Case cases[] = {
        {5.0, 3, 0.5},     {10000.0, 0, 1.0}, {0.01, 5, 0.1},    {0.6, 4, 0.6},
        {1.0, 4, 1.0},     {50.0, 2, 0.5},    {1e6, 0, 100.0},   {1e-4, 5, 0.001},
    };
    for (const Case& c : cases) {
        const auto place = PlaceEnergy(c.t, 0.1, 0.9);
        ASSERT_TRUE(place.has_value()) << c.t;
        EXPECT_EQ(place->index, c.index) << c.t;
        EXPECT_NEAR(place->value, c.value, 1e-12 * c.value) << c.t;
        EXPECT_NEAR(place->value * place->scale, c.t, 1e-12 * c.t) << c.t;
        EXPECT_EQ(place->scale, kEnergyRanges[size_t(c.index)].scale) << c.t;
    }
    for (double refused : {0.0, -1.0, double(NAN), double(INFINITY)})
        EXPECT_FALSE(PlaceEnergy(refused, 0.1, 0.9).has_value()) << refused;
}

} // namespace

// One knob move of a slider (its dirty rows redrawn into the back buffer and copied through the
// clip to the window) against a full redraw and copy of the same slider canvas, in one run. The
// slider has the B slider's size: an 87 x 217 canvas, a 177-row track and a 22 x 17 knob.
// Runs on Qt's offscreen platform.

#include "controls/SlideCanvas.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/window/Wnd.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kKnobWidth = 22;
constexpr int kKnobHeight = 17;
constexpr int kTrackHeight = 177;

struct Surface {
    CBitmap bitmap;
    CDC dc;
    Surface(int width, int height, Colour fill)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(width, height);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect({0, 0, width, height}, fill);
    }
};

// A parent window with one slider on it, ready to drag.
struct SliderOnWindow {
    Surface background{94, kTrackHeight, Rgb(192, 192, 192)};
    Surface knob{kKnobWidth, kKnobHeight, Rgb(128, 128, 128)};
    Surface backBuffer{400, 310, colours::kWhite};
    CWnd parent;
    SlideCanvas* slider = nullptr;

    SliderOnWindow()
    {
        parent.CreateEx(0, "", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 310, nullptr);
        slider = new SlideCanvas(&background.dc, KnobDescription{&knob.dc, kKnobHeight, kKnobWidth, 20},
                                 SliderTrack{{87, 217}, 47, kTrackHeight, 18});
        slider->SetPosition(26, 24);
        slider->Create("", "", WS_CHILD | WS_VISIBLE, slider->frame, &parent, 102);
        slider->SetBackBuffer(&backBuffer.dc);
        slider->PrepareKnob();
        slider->OnLButtonDown(MK_LBUTTON, {30, 8});
    }
    ~SliderOnWindow()
    {
        slider->OnLButtonUp(0, {30, 8});
        parent.DestroyWindow();
    }
};

void KnobMove(benchmark::State& state)
{
    SliderOnWindow s;
    int y = 8;
    for (auto _ : state) {
        y = y == 8 ? 9 : 8; // one pixel down, then back up
        s.slider->OnMouseMove(MK_LBUTTON, {30, y});
    }
}
BENCHMARK(KnobMove);

void FullSliderRedraw(benchmark::State& state)
{
    SliderOnWindow s;
    for (auto _ : state) {
        s.slider->dirty = {0, 0, s.slider->size.width, s.slider->size.height};
        s.slider->Redraw();
    }
}
BENCHMARK(FullSliderRedraw);

} // namespace

// The windows need a widgets application; benchmark_main cannot make one, so main does.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::EnsureGuiApplication(platform::ApplicationKind::Widgets);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

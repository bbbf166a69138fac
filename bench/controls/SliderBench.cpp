// One knob move of a slider (its dirty rows redrawn into the back buffer and copied through the
// clip to the window) against a full redraw and copy of the same slider canvas, in one run. The
// slider has the B slider's size: an 87 x 217 canvas, a 177-row track and a 22 x 17 knob.
// Runs on Qt's offscreen platform. Both run seven times, in a random order with each other's
// repetitions; at the end the medians are set against each other with the goal a move is held
// to: at most a third of the full redraw, as only the rows that changed are drawn.

#include "bench/support/MedianReporter.h"
#include "controls/SlideCanvas.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/window/Wnd.h"

#include <benchmark/benchmark.h>

#include <cstdio>
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
constexpr int kRepetitions = 7;
BENCHMARK(KnobMove)->Repetitions(kRepetitions)->DisplayAggregatesOnly();

// The same one-pixel move drawn without dirty rows: the knob's whole column into the back buffer
// and the whole canvas copied to the window. The knob moves, so that the copy has pixels to
// change as the move's has; a redraw that changes nothing presents nothing.
void FullSliderRedraw(benchmark::State& state)
{
    SliderOnWindow s;
    for (auto _ : state) {
        s.slider->knobPosition = s.slider->knobPosition == 0 ? 1 : 0;
        s.slider->dirty = {0, 0, s.slider->size.width, s.slider->size.height};
        s.slider->Redraw();
    }
}
BENCHMARK(FullSliderRedraw)->Repetitions(kRepetitions)->DisplayAggregatesOnly();

// A knob move may take at most this share of a full redraw.
constexpr double kMoveGoal = 1.0 / 3.0;

// On standard error, so that a report in JSON or CSV on standard output stays whole.
void PrintMoveRatio(const MedianReporter& reporter)
{
    const double* move = reporter.Seconds("KnobMove");
    const double* full = reporter.Seconds("FullSliderRedraw");
    if (!move || !full)
        return;
    const double ratio = *move / *full;
    std::fprintf(stderr,
                 "\nA knob move: %.2f us against %.2f us for the full slider redraw (medians of %d): %.2f of it, "
                 "goal at most %.2f: %s\n",
                 *move * 1e6, *full * 1e6, kRepetitions, ratio, kMoveGoal, ratio <= kMoveGoal ? "met" : "NOT MET");
}

} // namespace

// The windows need a widgets application; benchmark_main cannot make one, so main does.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::EnsureGuiApplication(platform::ApplicationKind::Widgets);
    MedianReporter reporter;
    if (!RunInterleaved(argc, argv, reporter))
        return 1;
    PrintMoveRatio(reporter);
    return 0;
}

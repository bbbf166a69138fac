// Steps per second of the real Trackmaker flight against a bare Qt loop, in one run on one
// display (run it under X: bench/trackmaker/flight.sh starts a private Xvfb).
//
// FlightLoop/<speed>: the Trackmaker window at its normal size, an electron injected at that
// speed into field 1, stopped after a fixed number of steps per iteration. Its counter
// pixels_per_step is how far the particle moves in one step (12.5 x speed pixels per second
// over the steps per second).
// BareQtLoop: a plain Qt widget showing a 624 x 440 image that does a flight's drawing with
// nothing of the program around it: each iteration it moves a point along a circle of radius
// 40 by the distance the 2V flight moved per step, draws the line segment from the last pixel
// to the new one into the image and presents that rectangle when a pixel was drawn, then handles
// waiting events.
// BareQtLoopPresentingEveryStep: the same widget drawing a one-pixel segment and presenting it
// at every iteration, then handling waiting events; a flight presents only when its particle
// reaches a new pixel, so this loop does more work a step than the flight does.
// This file includes Qt directly on purpose: the references measure Qt itself.
//
// items_per_second is steps per second of wall-clock time (the X server's work included).
#include "display/FrameLink.h"
#include "physics/ChamberData.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/seams/Clock.h"
#include "trackmaker/TrackmakerView.h"
#include "trackmaker/TrackmakerWindow.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

namespace {

// Enough for the start of a flight (the area cleared and presented whole) to weigh little, few
// enough that the particle stays in the area (about 30 pixels at 2V).
constexpr int kStepsPerIteration = 50000;

// The real counter; after stepsLeft reads (one a step) it stops the flight.
class BenchClock : public Clock {
public:
    int64_t PerformanceCounter() override
    {
        if (--stepsLeft <= 0 && view)
            view->running = 0;
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    int64_t PerformanceFrequency() override { return 1'000'000'000; }
    uint32_t TickCount() override { return uint32_t(PerformanceCounter() / 1'000'000); }
    int64_t CalendarTime() override { return 1'000'000'000; }

    int stepsLeft = 0;
    TrackmakerView* view = nullptr;
};

BenchClock benchClock;

// The Trackmaker window on its own, without the program's frame: nothing to activate or bring
// forward, and the counter's frequency as the program reads it at start-up.
class LoneWindowLink : public FrameLink {
public:
    void ActivateToolWindow(CWnd*) override {}
    void ToolWindowClosed(CWnd*, ClosedWindowPlace) override {}
    void ToolWindowDestroyed(CWnd*) override {}
    void SetTrackmakerMode(int) override {}
    bool TrackmakerActive() const override { return true; }
    void BringFrameToTop() override {}
    bool Rotating() const override { return false; }
    bool ShowValues() const override { return false; }
    const ChamberData& Conditions() const override { return conditions; }
    void MarkClipDirty() override {}
    double PerfFrequency() const override { return double(platform::QueryPerformanceFrequency()); }

private:
    ChamberData conditions;
};
LoneWindowLink loneWindowLink;
double pixelsPerStep2V = 0.0; // measured before the benchmarks run, used by BareQtLoop

// Until the window system shows a window, presenting reaches no screen and costs almost nothing.
void WaitUntilExposed(QWidget& window)
{
    const auto start = std::chrono::steady_clock::now();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(2))
        QCoreApplication::processEvents();
}

CTrackmakerWindow* Trackmaker()
{
    static CTrackmakerWindow* window = [] {
        auto* made = new CTrackmakerWindow(loneWindowLink);
        if (!made->Create("", "Trackmaker", WS_OVERLAPPED | WS_CAPTION, {0, 37, 640, 445}, nullptr))
            return static_cast<CTrackmakerWindow*>(nullptr);
        made->CreateView();
        made->ShowWindow(SW_SHOW);
        made->UpdateWindow();
        const auto start = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(500))
            QCoreApplication::processEvents();
        return made;
    }();
    return window;
}

void FlightLoop(benchmark::State& state)
{
    CTrackmakerWindow* window = Trackmaker();
    if (!window || !window->GetView()) {
        state.SkipWithError("no Trackmaker window");
        return;
    }
    TrackmakerView& view = *window->GetView();
    view.speed = double(state.range(0));
    view.screenFactor = 500.0 * view.speed / 40.0;
    view.SetField(1.0);
    benchClock.view = &view;
    double distance = 0.0;
    for (auto _ : state) {
        benchClock.stepsLeft = kStepsPerIteration + 1;
        view.Inject(1);
        distance += view.speed * view.flight.t;
    }
    const double steps = double(state.iterations()) * kStepsPerIteration;
    state.SetItemsProcessed(int64_t(steps));
    state.counters["pixels_per_step"] = distance / steps;
}

// How far the particle moves in one step at 2V, from 4 flights.
double MeasurePixelsPerStep()
{
    CTrackmakerWindow* window = Trackmaker();
    if (!window || !window->GetView())
        return 0.0;
    TrackmakerView& view = *window->GetView();
    view.speed = 40.0;
    view.screenFactor = 500.0;
    view.SetField(1.0);
    benchClock.view = &view;
    double distance = 0.0;
    constexpr int kFlights = 4;
    for (int i = 0; i < kFlights; ++i) {
        benchClock.stepsLeft = kStepsPerIteration + 1;
        view.Inject(1);
        distance += view.speed * view.flight.t;
    }
    return distance / (kFlights * kStepsPerIteration);
}
BENCHMARK(FlightLoop)->Arg(40)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

class BareWindow : public QWidget {
public:
    BareWindow() : image(624, 440, QImage::Format_RGB32)
    {
        image.fill(Qt::black);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QImage image;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), image, event->rect());
    }
};

void BareQtLoop(benchmark::State& state)
{
    if (pixelsPerStep2V <= 0.0) {
        state.SkipWithError("no flight measured the distance of a step");
        return;
    }
    BareWindow window;
    window.setGeometry(640, 37, 624, 440);
    window.show();
    WaitUntilExposed(window);
    constexpr double kRadius = 40.0;
    const double turn = pixelsPerStep2V / kRadius; // radians a step
    double angle = 0.0;
    QPoint last(0, 220);
    for (auto _ : state) {
        for (int step = 0; step < kStepsPerIteration; ++step) {
            angle += turn;
            const QPoint next(int(kRadius * std::sin(angle)), int(180.0 + kRadius * std::cos(angle)));
            if (next != last) {
                {
                    QPainter painter(&window.image);
                    painter.setPen(Qt::white);
                    painter.drawLine(last, next);
                }
                window.repaint(QRect(last, next).normalized().adjusted(-1, -1, 1, 1));
                last = next;
            }
            QCoreApplication::processEvents();
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kStepsPerIteration);
}
BENCHMARK(BareQtLoop)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BareQtLoopPresentingEveryStep(benchmark::State& state)
{
    BareWindow window;
    window.setGeometry(640, 37, 624, 440);
    window.show();
    WaitUntilExposed(window);
    int x = 0;
    for (auto _ : state) {
        for (int step = 0; step < kStepsPerIteration; ++step) {
            const QPoint from(x, 220);
            x = (x + 1) % 470;
            const QPoint to(x, 220);
            {
                QPainter painter(&window.image);
                painter.setPen(Qt::white);
                painter.drawLine(from, to);
            }
            window.repaint(QRect(from, to).adjusted(-1, -1, 1, 1));
            QCoreApplication::processEvents();
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kStepsPerIteration);
}
BENCHMARK(BareQtLoopPresentingEveryStep)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

} // namespace

// The windows need a widgets application; benchmark_main cannot make one, so main does.
int main(int argc, char** argv)
{
    platform::SetClock(&benchClock);
    platform::EnsureGuiApplication(platform::ApplicationKind::Widgets);
    pixelsPerStep2V = MeasurePixelsPerStep();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Frames per second of the real rotation loop against a bare Qt loop, in one run on one display
// (run it under X: bench/shell/rotation.sh starts a private Xvfb).
//
// RotationLoop: the program started as usual (the splash wait skipped), its Particle Chamber at
// the start-up size showing a 350-point event, turned by Rotate for a fixed number of frames per
// iteration. BareQtLoop: a plain Qt widget that presents a 640 x 500 image each frame and handles
// waiting events, the least a frame loop on this display can do. This file includes Qt directly
// on purpose: the reference measures Qt itself and is no part of the program.
//
// items_per_second is frames per second of wall-clock time (the X server's work included).
#include "bench/support/FullEvent.h"
#include "display/ScreenChamber.h"
#include "display/ScreenChamberWindow.h"
#include "physics/ChamberEvent.h"
#include "platform/seams/Clock.h"
#include "shell/ChamberApp.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>

namespace {

constexpr int kFramesPerIteration = 50;

// The real counter, but a tick count that moves 1 ms at every read so that the 3000 ms splash
// wait does not hold the benchmark up. After framesLeft rotation frames it stops the loop.
class BenchClock : public Clock {
public:
    int64_t PerformanceCounter() override
    {
        if (++reads % 2 == 0 && --framesLeft <= 0 && session)
            session->rotating = false;
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    int64_t PerformanceFrequency() override { return 1'000'000'000; }
    uint32_t TickCount() override { return ticks++; }
    int64_t CalendarTime() override { return 1'000'000'000; }

    int64_t reads = 0;
    int framesLeft = 0;
    uint32_t ticks = 0;
    Session* session = nullptr;
};

BenchClock benchClock;
std::unique_ptr<CChamberApp> app;

bool StartProgram()
{
    if (app)
        return app->Frame() != nullptr;
    platform::SetClock(&benchClock);
    static char name[] = "tracelume";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<CChamberApp>(1, argv);
    benchClock.session = &app->State();
    if (!app->StartUp() || !app->Frame() || !app->Frame()->chamberWindow)
        return false;
    Session& session = app->State();
    session.event = MakeFullEvent(session.conditions);
    app->Frame()->chamberWindow->GetChamber().SetEvent(session.event);
    QCoreApplication::processEvents();
    return true;
}

void RotationLoop(benchmark::State& state)
{
    if (!StartProgram()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (auto _ : state) {
        benchClock.framesLeft = kFramesPerIteration;
        app->Frame()->OnCommand(cmd::kRotate);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kFramesPerIteration);
}
BENCHMARK(RotationLoop)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

class BareWindow : public QWidget {
public:
    BareWindow() : image_(640, 500, QImage::Format_RGB32)
    {
        image_.fill(Qt::black);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, image_);
    }

private:
    QImage image_;
};

// Until the window system shows the window, a repaint reaches no screen and costs almost nothing.
void WaitUntilExposed(QWidget& window)
{
    const auto start = std::chrono::steady_clock::now();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(2))
        QCoreApplication::processEvents();
}

void BareQtLoop(benchmark::State& state)
{
    if (!StartProgram()) {
        state.SkipWithError("the program did not start");
        return;
    }
    BareWindow window;
    window.setGeometry(640, 44, 640, 500);
    window.show();
    WaitUntilExposed(window);
    for (auto _ : state) {
        for (int frame = 0; frame < kFramesPerIteration; ++frame) {
            window.repaint();
            QCoreApplication::processEvents();
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kFramesPerIteration);
}
BENCHMARK(BareQtLoop)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

}

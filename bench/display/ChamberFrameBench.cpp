// One frame of the chamber's rotation loop against a plain copy of the same 640 x 500 back
// buffer, in one run. The frame: black fill of the back buffer, one small turn, the box with
// its axes, and a full generated-size event of 350 points.

#include "display/ChamberPicture.h"
#include "display/ScreenChamber.h"
#include "physics/ChamberEvent.h"
#include "platform/DC.h"
#include "platform/Gdi.h"
#include "platform/GuiApplication.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

constexpr double kFrameAngle = 0.02; // radians, a typical frame of the loop

struct Surface {
    CBitmap bitmap;
    CDC dc;
    Surface()
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(kChamberPictureWidth, kChamberPictureHeight);
        dc.SelectObject(&bitmap);
    }
};

// Three helices of 350 points in all, inside the cube, in the five colours.
std::shared_ptr<ChamberEvent> MakeFullEvent(const ChamberData& conditions)
{
    auto event = std::make_shared<ChamberEvent>(&conditions);
    for (int i = 0; i < ChamberData::kEventCapacity; ++i) {
        const double turn = 0.06 * i;
        TrackPoint p;
        p.x = 250.0 * std::cos(turn) - 100.0 * (i % 3);
        p.y = -400.0 + 2.2 * i;
        p.z = 250.0 * std::sin(turn);
        p.colour = kFirstPointColour + i % 5;
        event->Points().Append(p);
    }
    return event;
}

void ChamberRotationFrame(benchmark::State& state)
{
    platform::EnsureGuiApplication();
    const ChamberData conditions(500.0, 0.8, 0.6);
    const auto event = MakeFullEvent(conditions);
    ScreenCamera camera = ScreenCamera::ForChamber();
    ScreenChamber chamber(kChamberBoxSize, camera);
    chamber.SetEvent(event);
    Surface back;
    for (auto _ : state) {
        camera.Rotate(ScreenCamera::kAxisZ, kFrameAngle);
        DrawBoxPicture(back.dc, chamber, kChamberPictureWidth, kChamberPictureHeight);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ChamberRotationFrame);

void PlainBackBufferCopy(benchmark::State& state)
{
    platform::EnsureGuiApplication();
    Surface back, screen;
    back.dc.FillSolidRect(Rect{0, 0, kChamberPictureWidth, kChamberPictureHeight}, Rgb(10, 20, 30));
    for (auto _ : state) {
        screen.dc.BitBlt(0, 0, kChamberPictureWidth, kChamberPictureHeight, &back.dc, 0, 0, RasterOp::SrcCopy);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PlainBackBufferCopy);

} // namespace

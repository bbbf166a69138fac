// One frame of the chamber's rotation loop against a plain copy of the same 640 x 500 back
// buffer, in one run. The frame, as the chamber view draws it: one small turn, black over the
// previous frame's ink, the box with its axes, and a full generated-size event of 350 points.

#include "bench/support/FullEvent.h"
#include "display/ChamberPicture.h"
#include "display/ScreenChamber.h"
#include "physics/ChamberEvent.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/GuiApplication.h"

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

void ChamberRotationFrame(benchmark::State& state)
{
    platform::EnsureGuiApplication();
    const ChamberData conditions(500.0, 0.8, 0.6);
    const auto event = MakeFullEvent(conditions);
    ScreenCamera camera = ScreenCamera::ForChamber();
    ScreenChamber chamber(kChamberBoxSize, camera);
    chamber.SetEvent(event);
    Surface back;
    BoxPictureInk ink;
    for (auto _ : state) {
        camera.Rotate(ScreenCamera::kAxisZ, kFrameAngle);
        DrawBoxPicture(back.dc, chamber, kChamberPictureWidth, kChamberPictureHeight, &ink);
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

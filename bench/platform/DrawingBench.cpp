#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

#include <benchmark/benchmark.h>

// The drawing a frame of the chamber's rotation loop does: clear a 640 x 500 buffer, draw some
// lines and 350 small squares, copy the buffer to the window.
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 500;

struct Buffer {
    CBitmap bitmap;
    CDC dc;
    Buffer()
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(kWidth, kHeight);
        dc.SelectObject(&bitmap);
    }
};

void FillBuffer(benchmark::State& state)
{
    Buffer buffer;
    for (auto _ : state) {
        buffer.dc.FillSolidRect({0, 0, kWidth, kHeight}, colours::kBlack);
        benchmark::DoNotOptimize(buffer.bitmap.Image()->pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight * 4);
}
BENCHMARK(FillBuffer);

void CopyBufferToWindow(benchmark::State& state)
{
    Buffer buffer;
    PixelImage window(kWidth + 20, kHeight + 40);
    CDC client;
    client.AttachImage(&window);
    for (auto _ : state) {
        client.BitBlt(10, 20, kWidth, kHeight, &buffer.dc, 0, 0, RasterOp::SrcCopy);
        client.Flush();
        benchmark::DoNotOptimize(window.pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight * 4);
}
BENCHMARK(CopyBufferToWindow);

void AndBuffer(benchmark::State& state)
{
    Buffer dest, source;
    for (auto _ : state) {
        dest.dc.BitBlt(0, 0, kWidth, kHeight, &source.dc, 0, 0, RasterOp::SrcAnd);
        benchmark::DoNotOptimize(dest.bitmap.Image()->pixels.data());
    }
}
BENCHMARK(AndBuffer);

// 1000 lines of every direction and length up to the buffer's size, some partly outside.
void Lines(benchmark::State& state)
{
    Buffer buffer;
    CPen pen(PenStyle::Solid, 1, Rgb(51, 205, 255));
    buffer.dc.SelectObject(&pen);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            buffer.dc.MoveTo((i * 37) % 700 - 30, (i * 91) % 560 - 30);
            buffer.dc.LineTo((i * 53) % 700 - 30, (i * 17) % 560 - 30);
        }
        benchmark::DoNotOptimize(buffer.bitmap.Image()->pixels.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 1000);
}
BENCHMARK(Lines);

void SmallSquares(benchmark::State& state)
{
    Buffer buffer;
    for (auto _ : state) {
        for (int i = 0; i < 350; ++i) {
            const int x = (i * 37) % kWidth;
            const int y = (i * 91) % kHeight;
            buffer.dc.FillSolidRect({x, y, x + 2, y + 2}, Rgb(255, 255, 0));
        }
        benchmark::DoNotOptimize(buffer.bitmap.Image()->pixels.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 350);
}
BENCHMARK(SmallSquares);

}

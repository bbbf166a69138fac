#include "display/DoubleBufferView.h"

#include "platform/gfx/DC.h"

#include <cassert>

DoubleBufferView::DoubleBufferView() = default;

DoubleBufferView::~DoubleBufferView()
{
    // Not virtual dispatch: a derived view is already gone here, and only this part is freed.
    DoubleBufferView::ReleaseBackBuffer();
}

void DoubleBufferView::SetBufferSize(int width, int height)
{
    assert(width > 0 && height > 0 && "a view's picture needs a positive size");
    if (width <= 0 || height <= 0)
        return;
    bufferWidth = width;
    bufferHeight = height;
    if (IsWindow()) {
        Rect client;
        GetClientRect(&client);
        UpdateScrollSizes(client.Width(), client.Height());
    }
}

void DoubleBufferView::OnDraw(CDC* target)
{
    assert(target && "a repaint needs a target context");
    if (!target)
        return;
    if (!backBuffer)
        CreateBackBuffer(target);
    if (!backBuffer)
        return;
    DrawBackBuffer();
    const Point source = direct ? GetDeviceScrollPosition() : Point{};
    target->BitBlt(0, 0, bufferWidth, bufferHeight, backBuffer.get(), source.x, source.y, RasterOp::SrcCopy);
}

void DoubleBufferView::CreateBackBuffer(CDC* target)
{
    ReleaseBackBuffer();
    auto surface = std::make_unique<CDC>();
    auto bitmap = std::make_unique<CBitmap>();
    if (!surface->CreateCompatibleDC(target) || !bitmap->CreateCompatibleBitmap(bufferWidth, bufferHeight))
        return;
    previousBitmap = surface->SelectObject(bitmap.get());
    backBuffer = std::move(surface);
    bufferBitmap = std::move(bitmap);
}

void DoubleBufferView::DrawBackBuffer() {}

void DoubleBufferView::DrawDirect(CDC* target)
{
    direct = 1;
    OnDraw(target);
    direct = 0;
}

// The bitmap is taken out of the surface before either is freed, whether or not the surface
// had a bitmap of its own before (null puts the built-in one back).
void DoubleBufferView::ReleaseBackBuffer()
{
    if (backBuffer)
        backBuffer->SelectObject(previousBitmap);
    backBuffer.reset();
    bufferBitmap.reset();
    previousBitmap = nullptr;
}

bool DoubleBufferView::OnEraseBkgnd(CDC*)
{
    return false;
}

void DoubleBufferView::OnSize(unsigned type, int cx, int cy)
{
    CScrollView::OnSize(type, cx, cy);
    UpdateScrollSizes(cx, cy);
}

void DoubleBufferView::UpdateScrollSizes(int clientWidth, int clientHeight)
{
    SetScrollSizes(MM_TEXT, Size{bufferWidth, bufferHeight}, Size{clientWidth, clientHeight}, kLineScroll);
}

#include "display/ScreenBoxView.h"

#include "display/ChamberPicture.h"

#include <cassert>

ScreenBoxView::ScreenBoxView(double size, ScreenCamera& camera)
    : box(std::make_unique<ScreenBox>(size, camera))
{
}

ScreenBoxView::ScreenBoxView(std::unique_ptr<ScreenBox> ownBox)
    : box(std::move(ownBox))
{
    assert(box && "a box view needs a box");
}

ScreenBoxView::~ScreenBoxView() = default;

void ScreenBoxView::DrawBackBuffer()
{
    if (backBuffer && box)
        DrawBoxPicture(*backBuffer, *box, bufferWidth, bufferHeight, &ink_);
}

void ScreenBoxView::CreateBackBuffer(CDC* target)
{
    ink_ = {};
    DoubleBufferView::CreateBackBuffer(target);
}

CScreenBoxWindow::CScreenBoxWindow() = default;
CScreenBoxWindow::~CScreenBoxWindow() = default;

void CScreenBoxWindow::CreateView(double size, ScreenCamera& camera)
{
    AttachView(new ScreenBoxView(size, camera), kDefaultBufferSide, kDefaultBufferSide);
}

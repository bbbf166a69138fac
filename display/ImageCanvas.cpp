#include "display/ImageCanvas.h"

#include "platform/window/ClientDC.h"

ImageCanvas::ImageCanvas(Size size) : size(size) { UpdateFrame(); }

ImageCanvas::~ImageCanvas() = default;

void ImageCanvas::SetSize(Size newSize)
{
    size = newSize;
    UpdateFrame();
}

void ImageCanvas::SetPosition(int x, int y)
{
    position = {x, y};
    UpdateFrame();
}

void ImageCanvas::CreateDrawingContext()
{
    windowContext.reset();
    windowContext = std::make_unique<CClientDC>(this);
}

void ImageCanvas::PostNcDestroy()
{
    windowContext.reset();
    delete this;
}

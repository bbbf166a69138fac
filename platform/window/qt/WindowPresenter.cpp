#include "platform/window/qt/WindowPresenter.h"

#include "platform/window/ClientDC.h"
#include "platform/window/qt/Hub.h"
#include "platform/window/qt/WndPrivate.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <cassert>
#include <cstring>

// Painting our windows: the paint notices, the top-level image, and presenting it.

namespace {

using platform::detail::Hub;

constexpr Pixel kNewImagePixel = 0xFFFFFFFFu; // a new client image is white
constexpr qint64 kExposeWaitMs = 500;          // longest wait for a shown window to be exposed
constexpr unsigned long kExposePollMicroseconds = 500;

// How deep we are inside paint handlers; a present inside one is put off (Qt forbids repainting
// from a paint event).
int paintDepth = 0;

} // namespace

void WindowPresenter::CreateImage() { image_ = std::make_shared<PixelImage>(); }

namespace {

// Resizes the image in place, keeping the pixels that stay inside; new pixels are white.
void ResizeInPlace(PixelImage& image, Size size)
{
    if (image.width == size.width && image.height == size.height)
        return;
    std::vector<Pixel> pixels(size_t(size.width) * size_t(size.height), kNewImagePixel);
    const int keepWidth = std::min(size.width, image.width);
    for (int y = 0; y < std::min(size.height, image.height); ++y)
        std::copy_n(image.Row(y), keepWidth, pixels.data() + size_t(y) * size_t(size.width));
    image.pixels = std::move(pixels);
    image.width = size.width;
    image.height = size.height;
}

} // namespace

const std::shared_ptr<PixelImage>& WindowPresenter::Image() const
{
    if (pendingSize_ && image_)
        ResizeInPlace(*image_, *pendingSize_);
    pendingSize_.reset();
    return image_;
}

void WindowPresenter::ResizeImage(int width, int height)
{
    if (!image_)
        return;
    pendingSize_ = Size{width, height};
    // A context drawing on the image must see its new size at once.
    if (image_.use_count() > 1)
        Image();
}

void WindowPresenter::Reset()
{
    image_.reset();
    pendingSize_.reset();
    invalid_ = {};
    eraseRequested_ = false;
}

void WindowPresenter::Invalidate(const QRegion& region, bool erase)
{
    ClientWidget* client = d_.Client();
    if (!client)
        return;
    const QRegion inside = region & client->rect();
    if (inside.isEmpty())
        return;
    invalid_ += inside;
    eraseRequested_ = eraseRequested_ || erase;
    client->update(inside);
}

void WindowPresenter::InvalidateAll(bool erase)
{
    if (d_.Client())
        Invalidate(QRegion(d_.Client()->rect()), erase);
}

void WindowPresenter::InvalidateRect(const Rect& rect, bool erase) { Invalidate(QRegion(ToQRect(rect)), erase); }

void WindowPresenter::UpdateNow()
{
    if (!d_.Exists() || invalid_.isEmpty() || InPaint() || !d_.IsVisible())
        return;
    if (Mapped())
        d_.Client()->repaint(invalid_);
    else
        PaintIntoImage(invalid_);
}

void WindowPresenter::PaintFromQt(ClientWidget* widget, const QRegion& region)
{
    WindowPresenter& top = d_.Top()->Presenter();
    const QPoint offset = widget->mapTo(d_.TopClient(), QPoint(0, 0));
    if (top.presenting_) {
        top.deferred_ += region.translated(offset) - top.presentRegion_;
        Blit(widget, region, offset);
        return;
    }
    RunPaint(region);
    if (d_.Exists())
        Blit(widget, region, offset);
}

// The paint notices for a region of the client area: erase when asked (or when Qt asks for the
// region on its own), then OnPaint.
void WindowPresenter::RunPaint(const QRegion& region)
{
    const bool erase = eraseRequested_ || !invalid_.contains(region.boundingRect());
    invalid_ -= region;
    if (invalid_.isEmpty())
        eraseRequested_ = false;
    paintRect_ = FromQRect(region.boundingRect());
    ++paintDepth;
    if (erase) {
        CPaintDC dc(d_.q);
        d_.q->OnEraseBkgnd(&dc);
    }
    d_.q->OnPaint();
    --paintDepth;
}

// Paints into the image when Qt cannot paint the window yet (it is not exposed): the window,
// then its visible children over it. Qt paints again once the window is exposed.
void WindowPresenter::PaintIntoImage(const QRegion& region)
{
    RunPaint(region);
    for (CWnd* child : std::vector<CWnd*>(d_.Tree().Children())) {
        WndPrivate* c = WndPrivate::Of(child);
        if (!c->Exists() || c->Outer()->isHidden())
            continue;
        const QPoint offset = c->Client()->mapTo(d_.Client(), QPoint(0, 0));
        const QRegion inside = region.translated(-offset) & c->Client()->rect();
        if (!inside.isEmpty())
            c->Presenter().PaintIntoImage(inside);
    }
}

bool WindowPresenter::Mapped() const
{
    const WndPrivate* top = d_.Top();
    return top->Outer() && top->Outer()->testAttribute(Qt::WA_Mapped);
}

// Messages of ours that arrive while waiting are held back and posted again afterwards.
bool WindowPresenter::WaitUntilExposed()
{
    Hub& hub = Hub::Instance();
    if (Mapped() || hub.Holding())
        return false;
    hub.StartHolding();
    QElapsedTimer timer;
    timer.start();
    while (!Mapped() && d_.Outer() && d_.Outer()->isVisible() && timer.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!Mapped())
            QThread::usleep(kExposePollMicroseconds);
    }
    hub.ReleaseHeld();
    return true;
}

void WindowPresenter::Blit(QWidget* widget, const QRegion& region, QPoint offset)
{
    const PixelImage* pixels = d_.Top()->Presenter().Image().get();
    if (pixels == nullptr || pixels->width == 0 || pixels->height == 0)
        return;
    const QImage picture(reinterpret_cast<const uchar*>(pixels->pixels.data()), pixels->width, pixels->height,
                         pixels->width * int(sizeof(Pixel)), QImage::Format_RGB32);
    QPainter painter(widget);
    // On a scaled screen each picture pixel becomes a block of screen pixels, never a blend.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& r : region)
        painter.drawImage(r, picture, r.translated(offset));
}

namespace {

// The widget that alone shows all of rect (coordinates of widget) on the screen: the deepest
// visible child that covers rect whole with nothing stacked over it there. Null when rect is
// shown partly by one widget and partly by another.
QWidget* SoleWidgetShowing(QWidget* widget, QRect rect)
{
    for (;;) {
        QWidget* cover = nullptr;
        const QObjectList& children = widget->children();
        for (auto it = children.rbegin(); it != children.rend() && !cover; ++it) {
            QWidget* child = qobject_cast<QWidget*>(*it);
            if (child && !child->isWindow() && child->isVisible() && child->geometry().intersects(rect))
                cover = child;
        }
        if (!cover)
            return widget;
        if (!cover->geometry().contains(rect))
            return nullptr;
        rect.translate(-cover->pos());
        widget = cover;
    }
}

// Copies the source rectangle of pixels to target in device row by row when the device is an
// image of 32-bit RGB pixels at one pixel per picture pixel: there a painter's drawImage copies
// the same bytes, after setting up far more than the copy costs. Returns whether it copied.
bool CopyRows(QPaintDevice* device, const PixelImage& pixels, const QRect& source, QPoint target)
{
    if (device->devType() != QInternal::Image)
        return false;
    QImage& image = *static_cast<QImage*>(device);
    if (image.format() != QImage::Format_RGB32 || image.devicePixelRatio() != 1.0 ||
        !image.rect().contains(QRect(target, source.size())))
        return false;
    const size_t rowBytes = size_t(source.width()) * sizeof(Pixel);
    for (int y = 0; y < source.height(); ++y)
        std::memcpy(image.scanLine(target.y() + y) + size_t(target.x()) * sizeof(Pixel),
                    pixels.Row(source.top() + y) + source.left(), rowBytes);
    return true;
}

// When one client widget of ours shows all of the rectangle and nothing lies over it, its paint
// would copy exactly the image's pixels there: they are copied into the window's backing store
// and sent to the screen at once, without Qt's repaint of the widget (its events and a painter
// on the widget), which cost most of a small present. client is the top-level's client widget,
// pixels its image. Returns whether it presented.
bool PresentDirectly(ClientWidget* client, const PixelImage* pixels, const QRect& topClientRect)
{
    QWidget* window = client->window();
    QBackingStore* store = window->backingStore();
    if (!store || !window->windowHandle() || !pixels || pixels->width == 0 || pixels->height == 0)
        return false;
    const QPoint clientInWindow = client->mapTo(window, QPoint(0, 0));
    const QRect inWindow = topClientRect.translated(clientInWindow);
    if (dynamic_cast<ClientWidget*>(SoleWidgetShowing(window, inWindow)) == nullptr)
        return false;
    const QImage picture(reinterpret_cast<const uchar*>(pixels->pixels.data()), pixels->width, pixels->height,
                         pixels->width * int(sizeof(Pixel)), QImage::Format_RGB32);
    const QRegion region(inWindow);
    store->beginPaint(region);
    if (!CopyRows(store->paintDevice(), *pixels, topClientRect, inWindow.topLeft())) {
        QPainter painter(store->paintDevice());
        // As in Blit: on a scaled screen each picture pixel becomes a block of screen pixels.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(inWindow, picture, topClientRect);
    }
    store->endPaint();
    store->flush(region, window->windowHandle());
    return true;
}

} // namespace

void WindowPresenter::Present(const Rect& topClientRect)
{
    assert(d_.IsTopLevel() && "Present works on the top-level image");
    ClientWidget* client = d_.Client();
    if (!client || !d_.Outer()->isVisible() || topClientRect.IsEmpty())
        return;
    if (paintDepth > 0 || presenting_) {
        // The window may be gone by then, its widgets only waiting for deletion: the presenter is
        // found again through the widget's owner, which a destroyed window no longer is.
        QPointer<ClientWidget> widget = client;
        QMetaObject::invokeMethod(
            client,
            [widget, topClientRect] {
                if (widget && widget->Owner() != nullptr)
                    widget->Owner()->Private()->Presenter().Present(topClientRect);
            },
            Qt::QueuedConnection);
        return;
    }
    if (Mapped() && PresentDirectly(client, Image().get(), ToQRect(topClientRect)))
        return;
    presenting_ = true;
    presentRegion_ = QRegion(ToQRect(topClientRect));
    const QRegion uncovered = RepaintChildrenForPresent(presentRegion_);
    if (!uncovered.isEmpty())
        client->repaint(uncovered);
    presenting_ = false;
    presentRegion_ = {};
    // Parts that were waiting for a repaint but were only copied: repaint them properly later.
    if (!deferred_.isEmpty())
        client->update(std::exchange(deferred_, QRegion{}));
}

QRegion WindowPresenter::RepaintChildrenForPresent(const QRegion& region)
{
    QRegion uncovered = region;
    for (CWnd* child : std::vector<CWnd*>(d_.Tree().Children())) {
        WndPrivate* c = WndPrivate::Of(child);
        if (!c->Exists() || !c->Client() || !c->Outer()->isVisible())
            continue;
        const QPoint offset = c->Client()->mapTo(d_.Client(), QPoint(0, 0));
        const QRegion inside = region.translated(-offset) & c->Client()->rect();
        if (inside.isEmpty())
            continue;
        const QRegion childUncovered = c->Presenter().RepaintChildrenForPresent(inside);
        if (!childUncovered.isEmpty())
            c->Client()->repaint(childUncovered);
        uncovered -= inside.translated(offset);
    }
    return uncovered;
}

bool WindowPresenter::InPaint() { return paintDepth > 0; }

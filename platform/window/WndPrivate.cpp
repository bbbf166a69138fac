#include "platform/window/App.h"
#include "platform/window/ClientDC.h"
#include "platform/window/FrameWnd.h"
#include "platform/window/ScrollView.h"
#include "platform/window/WndPrivate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cassert>

// How our windows live on Qt widgets: creation, placement, layout, scrolling, painting.

namespace {

using platform::detail::Hub;

constexpr Pixel kNewImagePixel = 0xFFFFFFFFu; // a new client image is white
constexpr qint64 kExposeWaitMs = 500;          // longest wait for a shown window to be exposed
constexpr unsigned long kExposePollMicroseconds = 500;

// How deep we are inside paint handlers; a present inside one is put off (Qt forbids repainting
// from a paint event).
int paintDepth = 0;

Qt::CursorShape ToQtCursor(CursorShape cursor)
{
    switch (cursor) {
    case CursorShape::Cross:
        return Qt::CrossCursor;
    case CursorShape::SizeAll:
        return Qt::SizeAllCursor;
    case CursorShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

Qt::WindowFlags TopLevelFlags(unsigned style)
{
    const bool caption = (style & WS_CAPTION) != 0 || (style & WS_POPUP) == 0; // overlapped windows always have one
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (!caption)
        return flags | Qt::FramelessWindowHint;
    flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

// Resizes an image in place, keeping the pixels that stay inside; new pixels are white.
void ResizeImage(PixelImage& image, int width, int height)
{
    if (image.width == width && image.height == height)
        return;
    std::vector<Pixel> pixels(size_t(width) * size_t(height), kNewImagePixel);
    const int keepWidth = std::min(width, image.width);
    for (int y = 0; y < std::min(height, image.height); ++y)
        std::copy_n(image.Row(y), keepWidth, pixels.data() + size_t(y) * size_t(width));
    image.pixels = std::move(pixels);
    image.width = width;
    image.height = height;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// WndPrivate: creation and destruction.

CWnd* WndPrivate::FromWidget(const QObject* object)
{
    for (; object != nullptr; object = object->parent()) {
        if (auto* client = dynamic_cast<const ClientWidget*>(object))
            return client->Owner();
        if (auto* top = dynamic_cast<const TopLevelWidget*>(object))
            return top->Owner();
        if (auto* frame = dynamic_cast<const ChildFrameWidget*>(object))
            return frame->Owner();
    }
    return nullptr;
}

WndPrivate* WndPrivate::Top()
{
    WndPrivate* d = this;
    while (!d->IsTopLevel() && d->parent != nullptr)
        d = Of(d->parent);
    return d;
}

bool WndPrivate::CreateWindow(const CreateStruct& create, unsigned)
{
    Hub::Instance();
    cls = FindWindowClass(create.className);
    className = create.className;
    style = create.style;
    id = create.id;
    parent = create.parent;
    title = create.title;
    cursor = cls.cursor;
    scrolling = dynamic_cast<CScrollView*>(q) != nullptr;
    if (IsTopLevel())
        CreateTopLevelWidgets();
    else
        CreateChildWidgets();
    ApplyCursor();
    if (attachMenu)
        attachMenu();

    placing = true;
    Place(create.rect, true, true);
    placing = false;
    if (q->OnCreate(create) == -1) {
        // The caller keeps the object: no PostNcDestroy, which would delete frames and views.
        DestroyWindow(false);
        return false;
    }
    noticesOn = true;
    Layout();
    lastOuter = OuterRect();
    if (style & WS_VISIBLE)
        Show(true, true);
    if (auto* frame = dynamic_cast<CFrameWnd*>(parent); frame && !IsTopLevel() && id == AFX_IDW_PANE_FIRST)
        frame->RecalcLayout();
    return true;
}

void WndPrivate::CreateTopLevelWidgets()
{
    auto* widget = new TopLevelWidget(q);
    outer = widget;
    widget->setWindowFlags(TopLevelFlags(style));
    widget->setWindowTitle(QString::fromStdString(title));
    client = new ClientWidget(q, widget);
    image = std::make_shared<PixelImage>();
    widget->createWinId();
    if (WndPrivate* owner = Of(parent); owner && owner->Exists()) {
        owner->owned.push_back(q);
        QWidget* ownerWidget = owner->Top()->outer;
        if (ownerWidget && ownerWidget->windowHandle() && widget->windowHandle())
            widget->windowHandle()->setTransientParent(ownerWidget->windowHandle());
    }
}

void WndPrivate::CreateChildWidgets()
{
    WndPrivate* p = Of(parent);
    QWidget* parentWidget = p->client;
    if (scrolling) {
        outer = new ChildFrameWidget(q, parentWidget);
        client = new ClientWidget(q, outer);
        hbar = new QScrollBar(Qt::Horizontal, outer);
        vbar = new QScrollBar(Qt::Vertical, outer);
        hbar->hide();
        vbar->hide();
        hbar->setFocusPolicy(Qt::NoFocus);
        vbar->setFocusPolicy(Qt::NoFocus);
        QObject::connect(hbar.data(), &QScrollBar::valueChanged, hbar.data(),
                         [this](int value) { if (!updatingBars) ScrollTo({value, scroll.y}); });
        QObject::connect(vbar.data(), &QScrollBar::valueChanged, vbar.data(),
                         [this](int value) { if (!updatingBars) ScrollTo({scroll.x, value}); });
    } else {
        client = new ClientWidget(q, parentWidget);
        outer = client.data();
    }
    outer->hide();
    p->children.push_back(q);
}

void WndPrivate::DestroyWindow(bool notify)
{
    if (!Exists())
        return;
    destroying = true;
    Hub& hub = Hub::Instance();
    if (hub.capture == q)
        hub.capture = nullptr;
    if (hub.active == q)
        hub.SetActive(VisibleOwner(), WA_ACTIVE);
    DestroyDependents();
    if (notify)
        q->OnDestroy();
    ReleaseWidgets();
    Unlink();
    hub.Forget(q);
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == q) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    destroying = false;
    if (notify)
        q->PostNcDestroy(); // may delete q, and this with it
}

void WndPrivate::DestroyDependents()
{
    for (CWnd* window : std::vector<CWnd*>(owned))
        window->DestroyWindow();
    for (CWnd* window : std::vector<CWnd*>(children))
        window->DestroyWindow();
    owned.clear();
    children.clear();
}

void WndPrivate::ReleaseWidgets()
{
    if (client)
        client->Detach();
    if (auto* top = dynamic_cast<TopLevelWidget*>(outer.data()))
        top->Detach();
    if (auto* frame = dynamic_cast<ChildFrameWidget*>(outer.data()))
        frame->Detach();
    if (outer) {
        outer->hide();
        // Deleted later: we may be inside one of the widget's own event handlers.
        outer->deleteLater();
    }
    outer = nullptr;
    client = nullptr;
    menuBar = nullptr;
    hbar = nullptr;
    vbar = nullptr;
    image.reset();
    lastClientSize = {-1, -1};
    noticesOn = false;
    invalid = {};
    eraseRequested = false;
    scroll = {};
}

void WndPrivate::Unlink()
{
    if (WndPrivate* p = Of(parent)) {
        auto& list = IsTopLevel() ? p->owned : p->children;
        list.erase(std::remove(list.begin(), list.end(), q), list.end());
    }
}

CWnd* WndPrivate::VisibleOwner() const
{
    if (!IsTopLevel() || parent == nullptr)
        return nullptr;
    CWnd* owner = Of(parent)->Top()->q;
    return owner->IsWindowVisible() ? owner : nullptr;
}

// ---------------------------------------------------------------------------------------------
// WndPrivate: placement.

QMargins WndPrivate::FrameMargins() const
{
    if (!IsTopLevel() || !outer || outer->windowHandle() == nullptr)
        return {};
    return outer->windowHandle()->frameMargins();
}

int WndPrivate::MenuBarHeight() const
{
    if (!menuBar)
        return 0;
    const int forWidth = menuBar->heightForWidth(std::max(1, outer->width()));
    return forWidth > 0 ? forWidth : menuBar->sizeHint().height();
}

Rect WndPrivate::OuterRect() const
{
    if (!outer)
        return {};
    const QRect g = outer->geometry();
    if (!IsTopLevel()) {
        const Point s = Of(parent)->scroll;
        return FromQRect(g).OffsetBy(s.x, s.y);
    }
    const QMargins m = FrameMargins();
    return Rect{g.left() - m.left(), g.top() - m.top(), g.left() + g.width() + m.right(),
                g.top() + g.height() + m.bottom()};
}

void WndPrivate::Place(Rect rect, bool move, bool resize)
{
    const Rect current = OuterRect();
    if (!move)
        rect = Rect::FromSize(current.left, current.top, rect.Width(), rect.Height());
    if (!resize)
        rect = Rect::FromSize(rect.left, rect.top, current.Width(), current.Height());
    if (IsTopLevel())
        PlaceTopLevel(rect, resize);
    else
        PlaceChild(rect);
    Layout();
    NotifyPositionChanged();
}

void WndPrivate::PlaceTopLevel(Rect rect, bool resize)
{
    MinMaxInfo limits;
    if (resize)
        q->OnGetMinMaxInfo(&limits);
    const int width = std::clamp(rect.Width(), limits.ptMinTrackSize.x, std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x));
    const int height = std::clamp(rect.Height(), limits.ptMinTrackSize.y, std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y));
    const QMargins m = FrameMargins();
    const QRect inner(rect.left + m.left(), rect.top + m.top(), std::max(0, width - m.left() - m.right()),
                      std::max(0, height - m.top() - m.bottom()));
    placedMargins = m;
    requestedOuter = Rect::FromSize(rect.left, rect.top, width, height);
    const bool wasPlacing = std::exchange(placing, true);
    outer->setMinimumSize(0, 0);
    outer->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    outer->setGeometry(inner);
    ApplyUserLimits(limits);
    placing = wasPlacing;
}

// What the user may do with the sizing border: within the limits; without one, nothing.
void WndPrivate::ApplyUserLimits(const MinMaxInfo& limits)
{
    if ((style & WS_THICKFRAME) == 0) {
        outer->setFixedSize(outer->size());
        return;
    }
    const QMargins m = FrameMargins();
    const int dx = m.left() + m.right();
    const int dy = m.top() + m.bottom();
    outer->setMinimumSize(std::max(0, limits.ptMinTrackSize.x - dx), std::max(0, limits.ptMinTrackSize.y - dy));
    outer->setMaximumSize(std::min(QWIDGETSIZE_MAX, std::max(0, limits.ptMaxTrackSize.x - dx)),
                          std::min(QWIDGETSIZE_MAX, std::max(0, limits.ptMaxTrackSize.y - dy)));
}

void WndPrivate::PlaceChild(Rect rect)
{
    const Point s = Of(parent)->scroll;
    outer->setGeometry(ToQRect(rect.OffsetBy(-s.x, -s.y)));
}

void WndPrivate::NotifyPositionChanged()
{
    const Rect now = OuterRect();
    if (now == lastOuter)
        return;
    WindowPos position{now.left, now.top, now.Width(), now.Height(), now.TopLeft() != lastOuter.TopLeft(),
                       now.Width() != lastOuter.Width() || now.Height() != lastOuter.Height()};
    lastOuter = now;
    if (noticesOn)
        q->OnWindowPosChanged(&position);
}

void WndPrivate::SyncFromQt()
{
    if (placing || !noticesOn)
        return;
    const Rect now = OuterRect();
    if (now.Width() != lastOuter.Width() || now.Height() != lastOuter.Height()) {
        MinMaxInfo limits;
        q->OnGetMinMaxInfo(&limits);
        const bool outside = now.Width() < limits.ptMinTrackSize.x || now.Height() < limits.ptMinTrackSize.y ||
                             now.Width() > limits.ptMaxTrackSize.x || now.Height() > limits.ptMaxTrackSize.y;
        if (outside) {
            Place(now, false, true);
            return;
        }
    }
    Layout();
    NotifyPositionChanged();
}

void WndPrivate::Layout()
{
    if (!outer)
        return;
    if (IsTopLevel())
        LayoutTopLevel();
    else if (scrolling)
        LayoutScrollBars();
    const Size size{client->width(), client->height()};
    if (size == lastClientSize)
        return;
    lastClientSize = size;
    Invalidate(QRegion(client->rect()), true);
    if (noticesOn)
        q->OnSize(SIZE_RESTORED, size.width, size.height);
}

void WndPrivate::LayoutTopLevel()
{
    const int barHeight = MenuBarHeight();
    const QSize size = outer->size();
    if (menuBar) {
        menuBar->setGeometry(0, 0, size.width(), barHeight);
        menuBar->show();
    }
    client->setGeometry(0, barHeight, size.width(), std::max(0, size.height() - barHeight));
    ResizeImage(*image, client->width(), client->height());
}

// ---------------------------------------------------------------------------------------------
// WndPrivate: scroll views.

void WndPrivate::LayoutScrollBars()
{
    const QSize area = outer->size();
    const int barWidth = vbar->sizeHint().width();
    const int barHeight = hbar->sizeHint().height();
    bool needH = total.width > area.width();
    bool needV = total.height > area.height() - (needH ? barHeight : 0);
    needH = total.width > area.width() - (needV ? barWidth : 0);
    needV = total.height > area.height() - (needH ? barHeight : 0);
    const int clientWidth = std::max(0, area.width() - (needV ? barWidth : 0));
    const int clientHeight = std::max(0, area.height() - (needH ? barHeight : 0));
    client->setGeometry(0, 0, clientWidth, clientHeight);
    hbar->setGeometry(0, clientHeight, clientWidth, barHeight);
    vbar->setGeometry(clientWidth, 0, barWidth, clientHeight);
    hbar->setVisible(needH);
    vbar->setVisible(needV);
    const Point clamped = ClampScroll(scroll);
    if (clamped != scroll)
        MoveScroll(clamped);
    UpdateBars();
}

void WndPrivate::UpdateBars()
{
    const bool wasUpdating = std::exchange(updatingBars, true);
    hbar->setRange(0, std::max(0, total.width - client->width()));
    hbar->setPageStep(std::max(1, std::min(page.width, client->width())));
    hbar->setSingleStep(std::max(1, line.width));
    hbar->setValue(scroll.x);
    vbar->setRange(0, std::max(0, total.height - client->height()));
    vbar->setPageStep(std::max(1, std::min(page.height, client->height())));
    vbar->setSingleStep(std::max(1, line.height));
    vbar->setValue(scroll.y);
    updatingBars = wasUpdating;
}

Point WndPrivate::ClampScroll(Point position) const
{
    const int maxX = client ? std::max(0, total.width - client->width()) : 0;
    const int maxY = client ? std::max(0, total.height - client->height()) : 0;
    return {std::clamp(position.x, 0, maxX), std::clamp(position.y, 0, maxY)};
}

void WndPrivate::SetScrollArea(Size newTotal, Size newPage, Size newLine)
{
    total = newTotal;
    page = newPage;
    line = newLine;
    if (outer)
        Layout();
}

// Moves the picture and the children to a new scroll position without repainting.
void WndPrivate::MoveScroll(Point position)
{
    scroll = position;
    for (CWnd* child : children) {
        WndPrivate* c = Of(child);
        if (c->outer)
            c->outer->move(c->lastOuter.left - scroll.x, c->lastOuter.top - scroll.y);
    }
}

void WndPrivate::ScrollTo(Point position)
{
    if (!client)
        return;
    const Point clamped = ClampScroll(position);
    if (clamped == scroll) {
        UpdateBars();
        return;
    }
    MoveScroll(clamped);
    UpdateBars();
    Invalidate(QRegion(client->rect()), false);
    q->UpdateWindow();
}

// ---------------------------------------------------------------------------------------------
// WndPrivate: showing, painting.

void WndPrivate::Show(bool show, bool activate)
{
    if (!IsTopLevel()) {
        outer->setVisible(show);
        return;
    }
    Hub& hub = Hub::Instance();
    if (!show) {
        outer->hide();
        if (hub.active == q)
            hub.SetActive(VisibleOwner(), WA_ACTIVE);
        return;
    }
    if (!activate) {
        // Some platforms activate every window they show; that activation is not the program's.
        outer->setAttribute(Qt::WA_ShowWithoutActivating, true);
        hub.ExpectQtActivation(q);
    }
    outer->show();
    outer->setAttribute(Qt::WA_ShowWithoutActivating, false);
    Layout();
    Invalidate(QRegion(client->rect()), true);
    WaitUntilExposed();
    if (activate)
        hub.SetActive(q, WA_ACTIVE);
}

void WndPrivate::Raise()
{
    if (IsTopLevel())
        outer->raise();
}

void WndPrivate::ApplyCursor()
{
    if (client)
        client->setCursor(ToQtCursor(cursor));
}

void WndPrivate::Invalidate(const QRegion& region, bool erase)
{
    if (!client)
        return;
    const QRegion inside = region & client->rect();
    if (inside.isEmpty())
        return;
    invalid += inside;
    eraseRequested = eraseRequested || erase;
    client->update(inside);
}

void WndPrivate::PaintFromQt(ClientWidget* widget, const QRegion& region)
{
    WndPrivate* top = Top();
    const QPoint offset = widget->mapTo(top->client.data(), QPoint(0, 0));
    if (top->presenting) {
        top->deferred += region.translated(offset) - top->presentRegion;
        Blit(widget, region, offset);
        return;
    }
    RunPaint(region);
    if (Exists())
        Blit(widget, region, offset);
}

// The paint notices for a region of the client area: erase when asked (or when Qt asks for the
// region on its own), then OnPaint.
void WndPrivate::RunPaint(const QRegion& region)
{
    const bool erase = eraseRequested || !invalid.contains(region.boundingRect());
    invalid -= region;
    if (invalid.isEmpty())
        eraseRequested = false;
    paintRect = FromQRect(region.boundingRect());
    ++paintDepth;
    if (erase) {
        CPaintDC dc(q);
        q->OnEraseBkgnd(&dc);
    }
    q->OnPaint();
    --paintDepth;
}

// Paints into the image when Qt cannot paint the window yet (it is not exposed): the window,
// then its visible children over it. Qt paints again once the window is exposed.
void WndPrivate::PaintIntoImage(const QRegion& region)
{
    RunPaint(region);
    for (CWnd* child : std::vector<CWnd*>(children)) {
        WndPrivate* c = Of(child);
        if (!c->Exists() || c->outer->isHidden())
            continue;
        const QPoint offset = c->client->mapTo(client.data(), QPoint(0, 0));
        const QRegion inside = region.translated(-offset) & c->client->rect();
        if (!inside.isEmpty())
            c->PaintIntoImage(inside);
    }
}

bool WndPrivate::Mapped() const
{
    const WndPrivate* top = const_cast<WndPrivate*>(this)->Top();
    return top->outer && top->outer->testAttribute(Qt::WA_Mapped);
}

// Gives Qt a moment to expose a window just shown, so that painting it at once reaches the
// screen. Messages of ours that arrive meanwhile are held back and posted again afterwards.
void WndPrivate::WaitUntilExposed()
{
    Hub& hub = Hub::Instance();
    if (Mapped() || hub.holding)
        return;
    hub.holding = true;
    QElapsedTimer timer;
    timer.start();
    while (!Mapped() && outer && outer->isVisible() && timer.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!Mapped())
            QThread::usleep(kExposePollMicroseconds);
    }
    hub.holding = false;
    hub.ReleaseHeld();
    KeepPlacementAfterFrameAppeared();
}

// A window manager tells the size of its frame only once the window is shown. Placements are
// outer rectangles, so a window placed before that is placed again with the real frame.
void WndPrivate::KeepPlacementAfterFrameAppeared()
{
    if (!IsTopLevel() || !outer || FrameMargins() == placedMargins)
        return;
    Place(requestedOuter, true, true);
}

void WndPrivate::Blit(QWidget* widget, const QRegion& region, QPoint offset)
{
    const PixelImage* pixels = Top()->image.get();
    if (pixels == nullptr || pixels->width == 0 || pixels->height == 0)
        return;
    const QImage picture(reinterpret_cast<const uchar*>(pixels->pixels.data()), pixels->width, pixels->height,
                         pixels->width * int(sizeof(Pixel)), QImage::Format_RGB32);
    QPainter painter(widget);
    for (const QRect& r : region)
        painter.drawImage(r, picture, r.translated(offset));
}

void WndPrivate::Present(const Rect& topClientRect)
{
    assert(IsTopLevel() && "Present works on the top-level image");
    if (!client || !outer->isVisible() || topClientRect.IsEmpty())
        return;
    if (paintDepth > 0 || presenting) {
        QPointer<ClientWidget> widget = client;
        QMetaObject::invokeMethod(
            client, [this, widget, topClientRect] { if (widget) Present(topClientRect); }, Qt::QueuedConnection);
        return;
    }
    presenting = true;
    presentRegion = QRegion(ToQRect(topClientRect));
    const QRegion uncovered = RepaintChildrenForPresent(presentRegion);
    if (!uncovered.isEmpty())
        client->repaint(uncovered);
    presenting = false;
    presentRegion = {};
    // Parts that were waiting for a repaint but were only copied: repaint them properly later.
    if (!deferred.isEmpty())
        client->update(std::exchange(deferred, QRegion{}));
}

QRegion WndPrivate::RepaintChildrenForPresent(const QRegion& region)
{
    QRegion uncovered = region;
    for (CWnd* child : std::vector<CWnd*>(children)) {
        WndPrivate* c = Of(child);
        if (!c->Exists() || !c->client || !c->outer->isVisible())
            continue;
        const QPoint offset = c->client->mapTo(client.data(), QPoint(0, 0));
        const QRegion inside = region.translated(-offset) & c->client->rect();
        if (inside.isEmpty())
            continue;
        const QRegion childUncovered = c->RepaintChildrenForPresent(inside);
        if (!childUncovered.isEmpty())
            c->client->repaint(childUncovered);
        uncovered -= inside.translated(offset);
    }
    return uncovered;
}

bool WndPrivate::InPaint() { return paintDepth > 0; }


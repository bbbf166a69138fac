#include "platform/window/qt/WindowPlacement.h"

#include "platform/window/qt/ScrollViewBars.h"
#include "platform/window/qt/WndPrivate.h"

#include <QWindow>

#include <algorithm>
#include <utility>

void WindowPlacement::PlaceAtCreation(Rect rect)
{
    placing_ = true;
    Place(rect, true, true);
    placing_ = false;
}

void WindowPlacement::StartNotices()
{
    noticesOn_ = true;
    Layout();
    lastOuter_ = OuterRect();
}

void WindowPlacement::Reset()
{
    lastClientSize_ = {-1, -1};
    noticesOn_ = false;
}

QMargins WindowPlacement::FrameMargins() const
{
    if (!d_.IsTopLevel() || !d_.Outer() || d_.Outer()->windowHandle() == nullptr)
        return {};
    return assumedMargins_ ? *assumedMargins_ : d_.Outer()->windowHandle()->frameMargins();
}

int WindowPlacement::MenuBarHeight() const
{
    QMenuBar* menuBar = d_.MenuBar();
    if (!menuBar)
        return 0;
    const int forWidth = menuBar->heightForWidth(std::max(1, d_.Outer()->width()));
    return forWidth > 0 ? forWidth : menuBar->sizeHint().height();
}

Rect WindowPlacement::OuterForClient(Rect clientRect) const
{
    const QMargins m = FrameMargins();
    clientRect.left -= m.left();
    clientRect.top -= m.top() + MenuBarHeight();
    clientRect.right += m.right();
    clientRect.bottom += m.bottom();
    return clientRect;
}

Rect WindowPlacement::ClientRect() const
{
    const ClientWidget* client = d_.Client();
    return client ? Rect{0, 0, client->width(), client->height()} : Rect{};
}

Rect WindowPlacement::ScreenRect() const
{
    const QPoint origin = d_.Outer()->mapToGlobal(QPoint(0, 0));
    return Rect::FromSize(origin.x(), origin.y(), d_.Outer()->width(), d_.Outer()->height());
}

Point WindowPlacement::ClientToScreen(Point client) const
{
    const QPoint p = d_.Client()->mapToGlobal(QPoint(client.x, client.y));
    return {p.x(), p.y()};
}

Point WindowPlacement::ScreenToClient(Point screen) const
{
    const QPoint p = d_.Client()->mapFromGlobal(QPoint(screen.x, screen.y));
    return {p.x(), p.y()};
}

Rect WindowPlacement::ClientAreaInTopLevel() const
{
    const ClientWidget* client = d_.Client();
    const QPoint origin = client->mapTo(d_.TopClient(), QPoint(0, 0));
    return Rect::FromSize(origin.x(), origin.y(), client->width(), client->height());
}

Rect WindowPlacement::OuterRect() const
{
    QWidget* outer = d_.Outer();
    if (!outer)
        return {};
    const QRect g = outer->geometry();
    if (!d_.IsTopLevel()) {
        const Point s = d_.ParentScrollPosition();
        return FromQRect(g).OffsetBy(s.x, s.y);
    }
    const QMargins m = FrameMargins();
    return Rect{g.left() - m.left(), g.top() - m.top(), g.left() + g.width() + m.right(),
                g.top() + g.height() + m.bottom()};
}

void WindowPlacement::Place(Rect rect, bool move, bool resize)
{
    const Rect current = OuterRect();
    if (!move)
        rect = Rect::FromSize(current.left, current.top, rect.Width(), rect.Height());
    if (!resize)
        rect = Rect::FromSize(rect.left, rect.top, current.Width(), current.Height());
    if (d_.IsTopLevel())
        PlaceTopLevel(rect, resize);
    else
        PlaceChild(rect);
    Layout();
    NotifyPositionChanged();
}

void WindowPlacement::PlaceTopLevel(Rect rect, bool resize)
{
    MinMaxInfo limits;
    if (resize)
        d_.q->OnGetMinMaxInfo(&limits);
    const int width = std::clamp(rect.Width(), limits.ptMinTrackSize.x, std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x));
    const int height = std::clamp(rect.Height(), limits.ptMinTrackSize.y, std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y));
    const QMargins m = FrameMargins();
    const QRect inner(rect.left + m.left(), rect.top + m.top(), std::max(0, width - m.left() - m.right()),
                      std::max(0, height - m.top() - m.bottom()));
    placedMargins_ = m;
    requestedOuter_ = Rect::FromSize(rect.left, rect.top, width, height);
    const bool wasPlacing = std::exchange(placing_, true);
    QWidget* outer = d_.Outer();
    outer->setMinimumSize(0, 0);
    outer->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    outer->setGeometry(inner);
    ApplyUserLimits(limits);
    placing_ = wasPlacing;
}

// What the user may do with the sizing border: within the limits; without one, nothing. Qt's
// sizes are those of the window inside the frame, so the frame comes off the outer limits.
void WindowPlacement::ApplyUserLimits(const MinMaxInfo& limits)
{
    QWidget* outer = d_.Outer();
    if ((d_.Style() & WS_THICKFRAME) == 0) {
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

void WindowPlacement::PlaceChild(Rect rect)
{
    const Point s = d_.ParentScrollPosition();
    d_.Outer()->setGeometry(ToQRect(rect.OffsetBy(-s.x, -s.y)));
}

void WindowPlacement::NotifyPositionChanged()
{
    const Rect now = OuterRect();
    if (now == lastOuter_)
        return;
    WindowPos position{now.left, now.top, now.Width(), now.Height(), now.TopLeft() != lastOuter_.TopLeft(),
                       now.Width() != lastOuter_.Width() || now.Height() != lastOuter_.Height()};
    lastOuter_ = now;
    if (noticesOn_)
        d_.q->OnWindowPosChanged(&position);
}

void WindowPlacement::SyncFromQt()
{
    if (placing_ || !noticesOn_)
        return;
    // The frame may become known after the window was shown, with the next move or resize.
    if (d_.IsTopLevel() && FrameMargins() != placedMargins_) {
        KeepPlacementAfterFrameAppeared();
        return;
    }
    const Rect now = OuterRect();
    if (now.Width() != lastOuter_.Width() || now.Height() != lastOuter_.Height()) {
        MinMaxInfo limits;
        d_.q->OnGetMinMaxInfo(&limits);
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

void WindowPlacement::KeepPlacementAfterFrameAppeared()
{
    if (!d_.IsTopLevel() || !d_.Outer() || FrameMargins() == placedMargins_)
        return;
    if (keepClientSize_) {
        // The frame grows the outer rectangle around the client area instead of eating into it.
        const QMargins m = FrameMargins();
        requestedOuter_.right += m.left() + m.right() - placedMargins_.left() - placedMargins_.right();
        requestedOuter_.bottom += m.top() + m.bottom() - placedMargins_.top() - placedMargins_.bottom();
    }
    Place(requestedOuter_, true, true);
}

void WindowPlacement::Layout()
{
    QWidget* outer = d_.Outer();
    if (!outer)
        return;
    ClientWidget* client = d_.Client();
    if (d_.IsTopLevel())
        LayoutTopLevel();
    else if (ScrollViewBars* bars = d_.q->ScrollBarsPart())
        bars->Layout();
    const Size size{client->width(), client->height()};
    if (size == lastClientSize_)
        return;
    lastClientSize_ = size;
    d_.Presenter().Invalidate(QRegion(client->rect()), true);
    if (noticesOn_)
        d_.q->OnSize(SIZE_RESTORED, size.width, size.height);
}

void WindowPlacement::LayoutTopLevel()
{
    const int barHeight = MenuBarHeight();
    const QSize size = d_.Outer()->size();
    if (QMenuBar* menuBar = d_.MenuBar()) {
        menuBar->setGeometry(0, 0, size.width(), barHeight);
        menuBar->show();
    }
    ClientWidget* client = d_.Client();
    client->setGeometry(0, barHeight, size.width(), std::max(0, size.height() - barHeight));
    d_.Presenter().ResizeImage(client->width(), client->height());
}

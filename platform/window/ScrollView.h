#pragma once

#include "platform/window/Wnd.h"

#include <memory>

class CDC;

// Views: child windows that draw their picture with OnDraw.
//
// CView's paint makes a CPaintDC on the view, lets OnPrepareDC set it up and calls OnDraw with it.
// Like the classic framework, a view deletes itself after its window is destroyed
// (PostNcDestroy): create views with new, as children of their frame.
class CView : public CWnd {
public:
    CView();
    ~CView() override;

    // Draws the view's picture on dc (a paint context, a client context, or a printer's).
    virtual void OnDraw(CDC* dc);
    // Prepares a context for OnDraw. Default: nothing.
    virtual void OnPrepareDC(CDC* dc);

    void OnPaint() override;
    void PostNcDestroy() override;
};

// Mapping mode of a scroll view: 1 unit = 1 pixel, y growing down (the only one supported).
constexpr int MM_TEXT = 1;

// A view that scrolls a fixed total area with real scroll bars. A scroll bar is shown only while
// the client area is smaller than the total size in its direction (the client area is the view
// less the scroll bars shown). The scroll position is kept between 0 and total - client.
// Scrolling repaints the view at once; children of the view move with the picture.
//
// OnPrepareDC moves the context's origin to minus the scroll position, so OnDraw draws in
// coordinates of the whole area and the visible part lands in the client area. A CClientDC of
// the view is not shifted: its (0, 0) is the top-left of the visible part.
class CScrollView : public CView {
public:
    CScrollView();
    ~CScrollView() override;

    // total: the whole area; page: what a click on a bar's trough scrolls (default: a tenth of
    // total); line: what a bar's arrow scrolls (default: a tenth of page). Sizes in pixels.
    void SetScrollSizes(int mapMode, Size total, Size page = {}, Size line = {});
    Size GetTotalSize() const;
    // The scroll position in pixels: the point of the whole area shown at the client's (0, 0).
    Point GetDeviceScrollPosition() const;
    Point GetScrollPosition() const { return GetDeviceScrollPosition(); }
    // Scrolls to position (clamped) and repaints.
    void ScrollToPosition(Point position);
    bool HasHorizontalScrollBar() const;
    bool HasVerticalScrollBar() const;

    void OnPrepareDC(CDC* dc) override;
    ScrollViewBars* ScrollBarsPart() override;

private:
    std::unique_ptr<ScrollViewBars> bars_;
};

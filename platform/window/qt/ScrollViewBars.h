#pragma once

// The scroll bars of a scroll view. Included by platform/*.cpp only.

#include "platform/gfx/Geometry.h"

#include <QObject>
#include <QPointer>
#include <QScrollBar>

class CWnd;

// The scroll state and the two scroll bars of one scroll view, owned by the view. A bar is
// shown only while the client area is smaller than the total size in its direction. The scroll
// position is kept between 0 and total - client; the view's children move with the picture.
class ScrollViewBars {
public:
    explicit ScrollViewBars(CWnd* view) : view_(view) {}

    // Makes the bars inside frame (the view's outer widget), hidden until needed.
    void Attach(QWidget* frame);
    // The view's widgets are going: the bars with them, and the position back to the start.
    void Release();

    // Positions the client widget and the bars inside the frame.
    void Layout();
    void SetArea(Size total, Size page, Size line);
    // Scrolls to position (clamped) and repaints.
    void ScrollTo(Point position);

    Size Total() const { return total_; }
    Point Position() const { return scroll_; }
    bool HorizontalShown() const { return hbar_ && !hbar_->isHidden(); }
    bool VerticalShown() const { return vbar_ && !vbar_->isHidden(); }

private:
    void UpdateBars();
    Point ClampScroll(Point position) const;
    void MoveScroll(Point position);

    CWnd* view_;
    QObject guard_; // the bars' signals reach these bars only while they exist
    QPointer<QScrollBar> hbar_;
    QPointer<QScrollBar> vbar_;
    bool updatingBars_ = false;
    Size total_;
    Size page_;
    Size line_;
    Point scroll_;
};

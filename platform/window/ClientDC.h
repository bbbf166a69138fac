#pragma once

#include "platform/gfx/DC.h"

#include <memory>

class CWnd;

// Drawing contexts on a window: CDC surfaces attached to the image of the window's top-level
// client area (CWnd::TopLevelImage), with the viewport origin at the window's client origin and
// the clip at its client area (a scroll view's visible part, without the scroll bars).
// Device coordinates of these contexts are those of the top-level client image; a frame's or
// other top-level's context therefore has origin (0, 0) and uses its own client coordinates.

// A context for drawing on the window outside a paint: what it draws goes into the window's
// image and reaches the screen at Flush (at once, even inside a loop that does not return to
// Qt) and when the context is destroyed. It stays on the screen only until the next repaint
// redraws that part of the window. A context kept for a while draws where its window is at the
// time of drawing: it follows the window's client area when the window moves, is resized or
// scrolls with its parent view.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

    CWnd* Window() const { return window_; }

private:
    CWnd* window_;
    std::shared_ptr<PixelImage> image_; // kept alive while the context lives
};

// The context of OnPaint: like CClientDC, but what it draws is presented when the paint is over.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    // The part being repainted, client coordinates of the window.
    Rect PaintRect() const { return paintRect_; }

private:
    Rect paintRect_;
    std::shared_ptr<PixelImage> image_;
};

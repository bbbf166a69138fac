#pragma once

#include "platform/gfx/DC.h"
#include "platform/gfx/Geometry.h"
#include "platform/window/Wnd.h"

#include <memory>


// A child window that shows one rectangle of its parent view's back buffer. A canvas draws into
// that back buffer first and then copies its own rectangle onto its window; it never paints on a
// paint request, because the parent view, whose window does not clip its children, paints the
// whole back buffer, canvas rectangles included.
//
// A canvas lives as long as its window: destroying the window deletes the canvas, so canvases
// are created with new and owned by their windows.
class ImageCanvas : public CWnd {
public:
    ImageCanvas() = default;
    explicit ImageCanvas(Size size);
    ~ImageCanvas() override;

    void SetSize(Size size);
    // Where the canvas lies in the parent's back buffer (the same coordinates as its window in
    // the parent view).
    virtual void SetPosition(int x, int y);
    // The parent view's off-screen surface; not owned.
    void SetBackBuffer(CDC* surface) { backBuffer = surface; }
    // Makes a new client-area drawing context of the canvas window, replacing the one held.
    virtual void CreateDrawingContext();
    // Drops the drawing context (it is made again by CreateDrawingContext).
    void ReleaseDrawingContext() { windowContext.reset(); }

    void PostNcDestroy() override;

    Size size;
    Point position;
    CDC* backBuffer = nullptr;
    std::unique_ptr<CDC> windowContext;
    Rect frame; // (left, top, left + width, top + height)

private:
    void UpdateFrame() { frame = Rect::FromSize(position.x, position.y, size.width, size.height); }
};

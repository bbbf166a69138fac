#pragma once

#include "platform/gfx/Gdi.h"
#include "platform/window/ScrollView.h"

#include <cstdint>
#include <memory>

class CDC;

// A scroll view that draws its whole picture, bufferWidth x bufferHeight pixels, into an
// off-screen back buffer and copies it to the screen in one piece, so that nothing flickers.
//
// The back buffer is made at the first repaint and keeps its size from then on. When it cannot
// be made, the view shows nothing and tries again at the next repaint.
class DoubleBufferView : public CScrollView {
public:
    static constexpr int kDefaultBufferSide = 100;
    static constexpr Size kLineScroll{20, 5};

    DoubleBufferView();
    ~DoubleBufferView() override;

    // Sets the size of the picture and of the scrollable area, in pixels. An existing back
    // buffer keeps its old size; the scroll sizes follow at once when the view has a window.
    void SetBufferSize(int width, int height);

    // The repaint: makes the back buffer if there is none, lets DrawBackBuffer draw the whole
    // picture into it and copies it to target at (0, 0). A normal repaint's target is already
    // shifted by the scroll position, so the copy starts at the buffer's (0, 0); in direct mode
    // the target is an unshifted window context and the copy starts at the scroll position.
    void OnDraw(CDC* target) override;

    // Makes a memory surface compatible with target and a bufferWidth x bufferHeight bitmap in
    // it, releasing any existing buffer first.
    virtual void CreateBackBuffer(CDC* target);
    // Draws the whole picture into backBuffer. Nothing here; derived views draw.
    virtual void DrawBackBuffer();
    // Repaints straight into target, an unshifted context of the window, outside a paint.
    virtual void DrawDirect(CDC* target);
    // Frees the back buffer and its bitmap.
    virtual void ReleaseBackBuffer();

    // The copy of the back buffer covers the whole view: nothing is erased.
    bool OnEraseBkgnd(CDC* dc) override;
    // Scroll sizes: total = the buffer, page = the client area, line = 20 x 5 pixels.
    void OnSize(unsigned type, int cx, int cy) override;

    int32_t direct = 0; // 1 only during DrawDirect
    std::unique_ptr<CDC> backBuffer;
    int bufferWidth = kDefaultBufferSide;
    int bufferHeight = kDefaultBufferSide;
    CBitmap* previousBitmap = nullptr; // what backBuffer held before bufferBitmap
    std::unique_ptr<CBitmap> bufferBitmap;

private:
    void UpdateScrollSizes(int clientWidth, int clientHeight);
};

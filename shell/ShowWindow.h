#pragma once

#include "platform/gfx/Gdi.h"
#include "platform/window/Wnd.h"

#include <cstdint>
#include <memory>

class FrameLink;

// A picture window: shows one bitmap resource at its natural size. The splash, the About
// picture and the reminder pictures are such windows. It tells the main frame, through the link
// it is given, when it becomes active, closes or goes away.
class CShowWindow : public CWnd {
public:
    // Loads the bitmap; on a palette display keeps its colour table readable for the palette.
    CShowWindow(FrameLink& frame, int bitmapId);
    ~CShowWindow() override;

    // Resizes the window so that its client area is exactly the bitmap, without moving it,
    // changing its stacking place or activating it.
    void SizeToBitmap();

    void OnPaint() override;
    // A window manager may give the window a frame other than the one it was sized for; the
    // client area then goes back to the picture's size.
    void OnSize(unsigned type, int cx, int cy) override;
    void OnActivate(unsigned state, CWnd* other, bool minimized) override;
    // Hides the window (it is never destroyed by a close) and activates the window now at the
    // front of the activation list.
    void OnClose() override;
    void OnDestroy() override;
    // Realises the picture's palette when this window gets the focus; answers the number of
    // entries that changed (0 without a palette).
    bool OnQueryNewPalette() override;
    void OnPaletteChanged(CWnd* focusWindow) override;

    int32_t active = 0;     // 1 after activation, 0 after a close
    int32_t paletteMade = 0;
    int32_t bitmapId = 0;
    CBitmap bitmap;
    std::unique_ptr<CPalette> palette; // built at the first paint on a palette display

private:
    FrameLink& frame_;
    bool sizing_ = false; // inside SizeToBitmap, which may itself be told of the new size
    void SelectBitmapPalette(CDC& dc);
    bool BuildPalette();
};

#pragma once

#include "display/ScrollWindow.h"

class CPalette;
class FrameLink;

// A tool window of the program (Particle Chamber, Chamber Controls, Projector, Trackmaker): a
// frame with one double-buffered view that is created once and only hidden when closed, and
// that tells the main frame, through the link it is given, when it becomes active, closes,
// moves or goes away. The handlers the four windows share are written here once; each window
// adds to them through the hooks below.
class ToolWindow : public CScrollWindow {
public:
    // The smallest and largest outer sizes the window may be given, in pixels.
    struct SizeLimits {
        Point minTrack;
        Point maxTrack;
    };
    // Whether moving or resizing the window ends the Trackmaker mode.
    enum class MovingEndsTrackmaker { No, Yes };

    ToolWindow(FrameLink& frame, SizeLimits limits, MovingEndsTrackmaker moving = MovingEndsTrackmaker::Yes);
    ~ToolWindow() override;

    // The main frame, as this window sees it.
    FrameLink& Frame() const { return frame_; }

    // The window's size limits.
    void OnGetMinMaxInfo(MinMaxInfo* info) override;
    // Hides the window (no move, no resize, never destroyed), WhenHidden, hands the activation
    // on (this window goes to the back of the list), CloseOwnDialog, and brings the main frame to
    // the top.
    void OnClose() override;
    // Moving or resizing ends the Trackmaker mode (for the windows that say so), then the default
    // handling.
    void OnWindowPosChanged(const WindowPos* position) override;
    // Activated or Deactivated, then the default handling.
    void OnActivate(unsigned state, CWnd* other, bool minimized) override;
    // The window's palette (WindowPalette) is realised when the window comes forward, answering
    // whether an entry changed, and again when another window changed the system palette.
    bool OnQueryNewPalette() override;
    void OnPaletteChanged(CWnd* focusWindow) override;

protected:
    // Tells the frame the window is gone.
    void OnDestroy() override;

    // The window became active in any way (state WA_ACTIVE or WA_CLICKACTIVE). Default: it
    // becomes the active tool window.
    virtual void Activated(unsigned state);
    // The window lost the activation. Default: nothing.
    virtual void Deactivated() {}
    // A close request hid the window; the activation has not moved on yet. Default: nothing.
    virtual void WhenHidden() {}
    // A close request hid the window and the activation moved on: a dialog the window owns
    // closes too. Default: nothing.
    virtual void CloseOwnDialog() {}
    // The window's logical palette, or null without one.
    virtual CPalette* WindowPalette() { return nullptr; }

private:
    FrameLink& frame_;
    SizeLimits limits_;
    MovingEndsTrackmaker moving_;
};

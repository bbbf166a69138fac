#pragma once

#include "platform/window/ClientDC.h"

class CScreenChamberWindow;
class ScreenChamberView;

// A drawing surface on the client area of the Particle Chamber window, for the commands that
// draw straight into it outside a repaint (the rotation loop, Replay, Reset Orientation). The
// chamber palette is selected as a foreground palette and realised when the window has a valid
// one. What is drawn reaches the screen at Flush and when the surface goes.
class ChamberSurface {
public:
    explicit ChamberSurface(CScreenChamberWindow& window);
    ChamberSurface(const ChamberSurface&) = delete;
    ChamberSurface& operator=(const ChamberSurface&) = delete;

    CDC& Dc() { return dc_; }
    // Clips the surface to the chamber view's client rectangle as it is now, from (0, 0).
    void ClipToView();
    // The view's whole picture drawn directly: background, box, axes when on, points unless the
    // renderer hides them. No caption.
    void DrawChamber();
    // Moves the origin to minus the view's scroll position, so that points drawn in picture
    // pixels land where the scrolled view shows them.
    void FollowScroll();

private:
    ScreenChamberView* View() const;

    CScreenChamberWindow& window_;
    CClientDC dc_;
};

#pragma once

#include "display/ActivationList.h"

class CWnd;
class ChamberData;

// What the tool windows and picture windows need of the main frame. The frame implements it and
// hands it to each window in the window's constructor; no window reaches the frame, or includes
// the shell, in any other way.
class FrameLink {
public:
    virtual ~FrameLink() = default;

    // Makes window the active tool window: moves it to the front of the activation list and
    // enables Print only for the Particle Chamber and the Projector.
    virtual void ActivateToolWindow(CWnd* window) = 0;
    // A window hid itself on a close request: it leaves the activation list as place says, and
    // the window then at the front, if any, is activated.
    virtual void ToolWindowClosed(CWnd* window, ClosedWindowPlace place) = 0;
    // A tool or picture window is being destroyed: the frame drops every pointer to it.
    virtual void ToolWindowDestroyed(CWnd* window) = 0;
    // Turns the Trackmaker mode on (1) or off (0).
    virtual void SetTrackmakerMode(int on) = 0;
    virtual bool TrackmakerActive() const = 0;
    // Shows the main frame and brings it to the top without moving or resizing it.
    virtual void BringFrameToTop() = 0;

    // What the chamber's picture depends on: the rotation loop, the Show Values setting and the
    // current chamber conditions.
    virtual bool Rotating() const = 0;
    virtual bool ShowValues() const = 0;
    virtual const ChamberData& Conditions() const = 0;
    // The chamber window's size limits were asked for: the rotation loop rebuilds its clip from
    // the view's client area before its next frame.
    virtual void MarkClipDirty() = 0;

    // Ticks per second of the performance counter, read once at start-up.
    virtual double PerfFrequency() const = 0;
};

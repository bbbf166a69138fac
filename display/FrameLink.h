#pragma once

class CWnd;
class ChamberData;

// What the tool windows and picture windows need of the main frame. The frame implements it;
// the windows reach it through frameLink and never include the shell.
class FrameLink {
public:
    virtual ~FrameLink() = default;

    // Makes window the active tool window: moves it to the front of the activation list and
    // enables Print only for the Particle Chamber and the Projector.
    virtual void ActivateToolWindow(CWnd* window) = 0;
    // Turns the Trackmaker mode on (1) or off (0).
    virtual void SetTrackmakerMode(int on) = 0;
    // Shows the main frame and brings it to the top without moving or resizing it.
    virtual void BringFrameToTop() = 0;
    // A tool window is being destroyed: the frame drops every pointer to it.
    virtual void ToolWindowDestroyed(CWnd*) {}

    virtual bool Rotating() const = 0;
    virtual bool ShowValues() const = 0;
    virtual bool TrackmakerActive() const = 0;
    // The current chamber conditions.
    virtual const ChamberData& Conditions() const = 0;
};

// The main frame, set by its constructor; null before and after it.
extern FrameLink* frameLink;

// How a closed window leaves the activation list.
enum class ClosedWindowPlace {
    BackOfList, // tool windows: taken off the front, appended at the back
    OffList,    // picture windows: taken off the front only
};
// The common part of closing a tool or picture window, after it has hidden itself: updates the
// activation list and activates the window now at the front (if any). The window then does
// what else it has to (the chamber closes its rate dialog) and brings the frame to the top.
void UpdateActivationAfterClose(CWnd* window, ClosedWindowPlace place);

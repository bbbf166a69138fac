#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

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

    virtual bool Rotating() const = 0;
    virtual bool ShowValues() const = 0;
    virtual bool TrackmakerActive() const = 0;
    // The current chamber conditions.
    virtual const ChamberData& Conditions() const = 0;
};

// Tool windows, most recently activated first; not owning.
class ActivationList {
public:
    bool Empty() const { return windows_.empty(); }
    int Size() const { return int(windows_.size()); }
    CWnd* Front() const { return windows_.empty() ? nullptr : windows_.front(); }
    CWnd* At(int i) const { return windows_[size_t(i)]; }
    bool Contains(const CWnd* window) const;
    // Removes the first entry of window, if any.
    void Remove(const CWnd* window);
    void PushFront(CWnd* window) { windows_.push_front(window); }
    void PushBack(CWnd* window) { windows_.push_back(window); }
    // Takes window off the front if it is there.
    void RemoveFromFront(const CWnd* window);
    void Clear() { windows_.clear(); }

private:
    std::deque<CWnd*> windows_;
};

// Program-wide values, one of each.
extern FrameLink* frameLink;        // set by the main frame's constructor
extern ActivationList activationList;
extern CWnd* activeToolWindow;      // set by ActivateToolWindow
extern int32_t clipDirty;           // 1 when the rotation loop must rebuild its clip
extern double perfFrequency;        // ticks per second of the performance counter
extern double defaultRotationRate;  // rad/s
extern int32_t smallScreen;         // desktop less than 480 pixels high
extern int32_t largeScreen;         // desktop at least 600 pixels high

// How a closed window leaves the activation list.
enum class ClosedWindowPlace {
    BackOfList, // tool windows: taken off the front, appended at the back
    OffList,    // picture windows: taken off the front only
};
// The common part of closing a tool or picture window, after it has hidden itself: updates the
// activation list and activates the window now at the front (if any). The window then does
// what else it has to (the chamber closes its rate dialog) and brings the frame to the top.
void UpdateActivationAfterClose(CWnd* window, ClosedWindowPlace place);

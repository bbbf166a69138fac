#pragma once

// Where a window is and how its widgets are laid out. Included by platform/*.cpp only.

#include "platform/gfx/Geometry.h"

#include <QMargins>

#include <optional>

class WndPrivate;
struct MinMaxInfo;

// The placement of one window: its outer rectangle (screen for top-levels, parent client
// coordinates for children), the window-manager frame around a top-level, its size limits, and
// the layout of its widgets inside the outer widget. Size limits constrain the outer rectangle;
// the client area is the outer rectangle less the frame and a frame's menu bar.
class WindowPlacement {
public:
    explicit WindowPlacement(WndPrivate& d) : d_(d) {}

    // The first placement, before OnCreate: no notices, Qt's echoes ignored.
    void PlaceAtCreation(Rect rect);
    // OnCreate has run: lays out, sends the first size notice and turns notices on.
    void StartNotices();
    // The widgets are gone: the next window of this object starts afresh.
    void Reset();

    void Place(Rect rect, bool move, bool resize);
    Rect OuterRect() const;
    // The outer rectangle last placed or reported (children: parent client coordinates of the
    // whole scrolled area).
    Rect LastOuter() const { return lastOuter_; }
    QMargins FrameMargins() const;
    int MenuBarHeight() const;
    // The outer rectangle that has clientRect (client coordinates of a top-level) as its client
    // area: the frame and a frame's menu bar added.
    Rect OuterForClient(Rect clientRect) const;

    // (0, 0, client width, client height); empty without widgets.
    Rect ClientRect() const;
    // A child's outer rectangle in screen pixels.
    Rect ScreenRect() const;
    Point ClientToScreen(Point client) const;
    Point ScreenToClient(Point screen) const;
    // Where the client area lies in the top-level's client area (for a scroll view its viewport).
    Rect ClientAreaInTopLevel() const;
    // Positions the menu bar, scroll bars and client widget inside the outer widget, resizes
    // the top-level image and sends OnSize when the client size changed.
    void Layout();
    // Called by the outer widget when Qt (the user, the window manager) moved or resized it.
    void SyncFromQt();
    // A window manager tells the size of its frame only once the window is shown. Placements are
    // outer rectangles, so a window placed before that is placed again with the real frame.
    void KeepPlacementAfterFrameAppeared();
    // Windows sized by their client area (dialogs): a frame that appears later keeps the client
    // size and grows the outer rectangle.
    void KeepClientSizeWhenFrameAppears() { keepClientSize_ = true; }

    // Tests without a window manager: the frame to assume in place of Qt's (none: Qt's).
    void AssumeFrameMargins(std::optional<QMargins> margins) { assumedMargins_ = margins; }

private:
    void PlaceTopLevel(Rect rect, bool resize);
    void ApplyUserLimits(const MinMaxInfo& limits);
    void PlaceChild(Rect rect);
    void NotifyPositionChanged();
    void LayoutTopLevel();

    WndPrivate& d_;
    Rect lastOuter_;
    Rect requestedOuter_;    // top-levels: the outer rectangle last asked for
    QMargins placedMargins_;
    bool keepClientSize_ = false; // a frame that appears later grows the outer rectangle // top-levels: the window-manager frame that placement assumed
    std::optional<QMargins> assumedMargins_;
    Size lastClientSize_{-1, -1};
    bool placing_ = false;   // our own geometry change runs: Qt's echoes are ignored
    bool noticesOn_ = false; // OnCreate has run: size and position notices are sent
};

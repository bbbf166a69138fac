#pragma once

#include "display/ToolWindow.h"

class ChamberData;
class ProjectorView;

// The Projector tool window: a ProjectorView of 624 x 440 pixels holding the picture pane and
// the control strip. Closing it only hides it.
class CProjectorWindow : public ToolWindow {
public:
    static constexpr Point kMinTrackSize{192, 48};
    static constexpr Point kMaxTrackSize{632, 480};

    explicit CProjectorWindow(FrameLink& frame);
    ~CProjectorWindow() override;

    // The main frame's current conditions, given right after the window is created; not owned.
    void SetConditions(const ChamberData* chamber) { conditions = chamber; }
    // Creates the view and its two panes; called once after the window is created.
    void CreateView() override;
    ProjectorView* GetView() const { return projectorView_; }
    // The picture pane: its points and the chamber outline in dark on white.
    void PrintPicture(CDC& dc) override;
    // The picture pane as the view shows it.
    Size PictureSize() const override;
    void DrawPicture(CDC& dc) override;

    // Keys typed anywhere in the window reach the picture pane's keyboard tape.
    bool OnKeyDown(int key) override;

    const ChamberData* conditions = nullptr;

private:
    ProjectorView* projectorView_ = nullptr;
};

#pragma once

#include "display/DoubleBufferView.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ChamberData;
class ChamberEvent;
class ProjectorControlCanvas;
class ProjectorShowCanvas;

// The Projector's view: the event flattened onto one coordinate plane of the chamber, drawn as
// white dots with the chamber outline on a black 480 x 480 pane (ProjectorShowCanvas), beside a
// strip of controls (ProjectorControlCanvas) and the last measured distance.
//
// Plane table, with (x, y, z) the chamber coordinates of a point:
//   kXY: u = -x, v = y  (y rightwards, x downwards)
//   kYZ: u = z,  v = y  (y rightwards, z upwards)
//   kXZ: u = z,  v = x  (x rightwards, z upwards)
class ProjectorView : public DoubleBufferView {
public:
    enum Plane : int32_t { kYZ = 1, kXZ = 2, kXY = 3 };
    static constexpr int kBufferWidth = 624;
    static constexpr int kBufferHeight = 440;
    static constexpr int kShowCanvasId = 122;
    static constexpr int kControlCanvasId = 121;
    // Where the window puts the picture pane, and the pane's home pan.
    static constexpr Rect kShowCanvasRect{0, 0, 480, 480};
    static constexpr double kHomeX = 470.0;
    static constexpr double kHomeY = 420.0;

    ProjectorView();
    ~ProjectorView() override;

    // The canvases' windows; each canvas deletes itself when its window is destroyed.
    void CreateControlCanvas(const Rect& rect);
    void CreateShowCanvas(const Rect& rect, double zoom, double homeX, double homeY, const ChamberData* conditions);
    // The pane's place, pan and zoom and the conditions it measures with, window or none.
    void SetUpShowCanvas(const Rect& rect, double zoom, double homeX, double homeY, const ChamberData* conditions);

    // The event shown, held weakly: a destroyed event is never drawn. The tape line goes.
    void SetEvent(std::weak_ptr<const ChamberEvent> shownEvent);
    // One of kYZ, kXZ, kXY: the pan goes home (the zoom stays) and the tape line goes.
    void SetPlane(int32_t value);
    // Recomputes the projection when it is out of date and repaints the picture pane.
    void Refresh();
    // Fills uValues and vValues from the event's points by the plane table and hands them to
    // the picture pane. Without an event, nothing changes.
    void ComputeProjection();

    // White, then the picture over the pane's part.
    void DrawBackBuffer() override;
    // The picture pane as the back buffer holds it (black, the points, the outline, no tape
    // line): DrawPane in back-buffer coordinates, DrawPicture with the pane's top-left corner at
    // dc's logical origin and with the plane, zoom and scale bar of display/ProjectorLabels.h.
    void DrawPane(CDC& dc);
    void DrawPicture(CDC& dc);
    // The part of the pane that the back buffer holds: 480 x 440 pixels.
    Size PictureSize() const;
    // The base repaint, then the shown tape line over it.
    void OnDraw(CDC* target) override;
    // Writes "D = ... CM" for length (cm) centred in readoutRect of the back buffer and copies
    // that rectangle to the screen at once, through the control strip that lies over it.
    void ShowReadout(double length);
    static std::string ReadoutText(double length);

    ProjectorControlCanvas* controlCanvas; // owned by its window once created
    ProjectorShowCanvas* showCanvas;       // owned by its window once created
    Rect readoutRect{490, 265, 600, 285};
    Point controlOrigin; // where the control strip lies in the back buffer
    std::vector<double> uValues; // as many as the event has points
    std::vector<double> vValues;
    std::weak_ptr<const ChamberEvent> event;
    int32_t plane = kXY;
    int32_t projected = 0;

private:
    // Canvases whose windows were never made are freed with the view.
    std::unique_ptr<ProjectorControlCanvas> pendingControlCanvas_;
    std::unique_ptr<ProjectorShowCanvas> pendingShowCanvas_;
};

#pragma once

#include "display/ImageCanvas.h"
#include "display/TapeMeasure.h"
#include "platform/gfx/Gdi.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class ChamberData;
class ProjectorView;

// The Projector's picture pane: the projected points as single white pixels and the chamber's
// outline, on the black square its view draws, plus the tape-measure line and the grabber.
//
// Plane coordinates (u, v) become pixels with k = zoom / 2 and c = offsetY / zoom:
// column = trunc((offsetX + v) k), row = trunc((c - u) k). At zoom 1 one pixel is two chamber
// units. Pan moves offsetX by 2/zoom and offsetY by 2 per pixel, so the picture follows the
// mouse exactly at every zoom.
class ProjectorShowCanvas : public ImageCanvas {
public:
    static constexpr double kHalfSize = 400.0; // half the chamber edge, chamber units
    enum Tool : int32_t { kGrabber = 0, kTape = 1 };

    ProjectorShowCanvas();
    ~ProjectorShowCanvas() override;

    void SetView(ProjectorView* owner) { view = owner; }
    void SetConditions(const ChamberData* chamber) { conditions = chamber; }
    // The pan offsets ResetPan goes back to; the pan moves there now.
    void SetHome(double x, double y);
    void ResetPan();
    // A new zoom: the picture is recomputed, the tape's scale follows and a shown tape line goes.
    void SetZoom(double value);
    // Tape (cross-hair cursor) or Grabber (four-way move cursor); nothing is redrawn and a shown
    // tape line stays.
    void SetTool(int32_t value);
    // Moves the picture by (dx, dy) pixels and recomputes it.
    void Pan(int dx, int dy);
    // Turns n plane coordinates into pixels, replacing the points held.
    void SetPoints(const double* u, const double* v, int n);

    // The points and the outline: white on the view's back buffer, or black in print mode.
    void DrawPoints(CDC& surface);
    // The shown tape line: red on the canvas window with the readout refreshed, or black on
    // the given surface in print mode.
    void DrawTape(CDC& surface);
    // Draws the picture pane for the printer: the points, the outline and any shown tape line
    // in black on a white page, and the labels of display/ProjectorLabels.h. The surface keeps
    // its pen and brush afterwards.
    void PrintDraw(CDC& surface);

    // Centimetres per pixel of the tape: L / (zoom x halfSize).
    double TapeScale() const;

    // The pane's part of the view's back buffer (the view draws the whole picture there).
    void OnPaint() override;
    void OnLButtonDown(unsigned flags, Point point) override;
    void OnMouseMove(unsigned flags, Point point) override;
    void OnLButtonUp(unsigned flags, Point point) override;
    // The keyboard tape, with the tape tool: Enter starts a tape at the pointer (at the pane's
    // centre when the pointer is elsewhere), the arrow keys move its end a pixel, Enter ends it.
    // The line and the readout are those of the mouse tape; a click ends it.
    bool OnKeyDown(int key) override;

    std::vector<int32_t> pixelX; // empty when there are no points
    std::vector<int32_t> pixelY;
    TapeMeasure tape;
    int32_t tool = kTape;
    int32_t dragging = 0;
    int32_t tapeShown = 0;
    int32_t printMode = 0;
    int32_t keyboardTape = 0; // a tape started by Enter is being stretched by the arrow keys
    Point anchor;
    Point lineEnd;
    Point lineStart;
    std::unique_ptr<CPen> tapePen; // only during a tape drag
    ProjectorView* view = nullptr;
    const ChamberData* conditions = nullptr;
    double homeX = 0.0;
    double homeY = 0.0;
    double offsetX = 0.0;
    double offsetY = 0.0;
    double halfSize = kHalfSize;
    double zoom = 1.0;
    double lastLength = 0.0;
    std::array<Point, 5> outline{};
    int32_t count = 0;

private:
    void BuildOutline();
    // The tape from anchor: the pane restored, the red pen selected, the readout's start and scale.
    void BeginTape();
    void StretchTape(Point end);
    void FinishTape();
    // A back buffer and a fresh window context for drawing on the pane.
    void PrepareToDraw();
    void ShowToolCursor();
    // The view recomputes the projection and repaints the pane.
    void RefreshView();
    // Copies rect (canvas pixels) from the view's back buffer onto the canvas window.
    void RestoreFromBackBuffer(const Rect& rect);
};

#pragma once

#include "display/ImageCanvas.h"
#include "display/TapeMeasure.h"
#include "platform/gfx/Gdi.h"

#include <cstdint>
#include <memory>

class TrackmakerView;

// The canvas that lies exactly over the Trackmaker's area. It paints nothing itself (the view's
// picture shows through it); it takes the mouse for the tape measure, which may be used once the
// particle has gone round a whole circle, and it keeps the measured distance D.
//
// The tape line lives on the screen only: moving it restores the line's bounds from the view's
// back buffer, and the view draws it again after every repaint while D is not 0.
//
// The view owns this canvas: destroying the window leaves the object to the view.
class TrackmakerShowCanvas : public ImageCanvas {
public:
    static constexpr double kTapeScale = 0.1; // D units per pixel

    TrackmakerShowCanvas();
    ~TrackmakerShowCanvas() override;

    void SetView(TrackmakerView* trackmakerView) { view = trackmakerView; }
    // Whether the tape may be used; the cursor over the area is the cross-hair while it may.
    void AllowMeasuring(int32_t allowed);
    // Removes a shown tape line from the screen.
    void EraseTape();

    void OnLButtonDown(unsigned flags, Point point) override;
    void OnMouseMove(unsigned flags, Point point) override;
    void OnLButtonUp(unsigned flags, Point point) override;
    // The keyboard tape, once measuring is allowed: Enter starts a tape at the pointer (at the
    // area's centre when the pointer is elsewhere), the arrow keys move its end a pixel, Enter
    // ends it. The line and the readout are those of the mouse tape; a click ends it.
    bool OnKeyDown(int key) override;
    void PostNcDestroy() override;

    std::unique_ptr<CDC> measuringContext; // while the tape is dragged
    TapeMeasure tape;
    int32_t measuringAllowed = 0;
    int32_t keyboardTape = 0; // a tape started by Enter is being stretched by the arrow keys
    int32_t tapeShown = 0;
    int32_t tapeDragging = 0;
    Point startPoint;
    Point endPoint;
    std::unique_ptr<CPen> pen; // red, while dragging
    TrackmakerView* view = nullptr;
    double distance = 0.0; // D: the last measured distance

private:
    void StartTape(Point start);
    void StretchTape(Point point);
    void EndTape();
    // Copies the tape's bounds from the back buffer onto the measuring context.
    void RestoreTapeBounds();
    void DropMeasuringContext();
};

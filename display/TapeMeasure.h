#pragma once

#include "platform/gfx/Geometry.h"

class CWnd;

// A measuring line dragged across a picture. It keeps its two ends in canvas pixels, the area
// to restore when the line is erased, and the centimetres that one pixel stands for. The
// Projector and the Trackmaker measure with it.
class TapeMeasure {
public:
    // start = point and end = point: a tape of length 0.
    void SetStart(Point point);
    // end = point; bounds becomes the rectangle from start to end, normalised and grown by 2
    // pixels on every side, so that it covers the whole drawn line.
    void SetEnd(Point point);
    // The distance from start to end in centimetres: scale x the pixel distance.
    double Length() const;
    void SetScale(double centimetresPerPixel) { scale = centimetresPerPixel; }

    Rect bounds;       // canvas pixels; the area the line may cover
    Point start;       // canvas pixels
    Point end;         // canvas pixels
    double scale = 1.0; // cm per pixel
};

// The keyboard tape of the Projector and the Trackmaker: Enter starts a tape where
// KeyboardTapeStart says, each arrow key moves its end one pixel (TapeArrowStep, StepTapeEnd).

// Where a keyboard tape starts on canvas (of the given size): at the pointer when it is over the
// canvas, else at the canvas's centre.
Point KeyboardTapeStart(const CWnd& canvas, Size size);
// The pixel an arrow key moves a tape's end; (0, 0) for any other key.
Point TapeArrowStep(int key);
// end moved by step and kept on the canvas.
Point StepTapeEnd(Point end, Point step, Size size);

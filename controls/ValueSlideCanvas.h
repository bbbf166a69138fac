#pragma once

#include "controls/SlideCanvas.h"

// The values of a slider's track, in slider units: the value at the bottom and the span up to the
// top.
struct ValueRange {
    double minimum = 0.0;
    double span = 1.0;
};

// A slider for a number: the knob position maps linearly onto a value range, the top of the
// track standing for the largest value.
class ValueSlideCanvas : public SlideCanvas {
public:
    // The SlideCanvas arguments, then the range of the track and the initial value (where the
    // knob starts), in slider units.
    ValueSlideCanvas(CDC* background, const KnobDescription& knob, const SliderTrack& track, ValueRange values,
                     double initialValue);

    // minimum value + range x (1 - p / travel).
    virtual double PositionToValue(int p) const;
    // Shows a value that came from elsewhere.
    virtual void SetValue(double v);
    // Takes a value as the slider's own, as when the student lets go of the knob.
    virtual void ApplyValue(double v);
    // Puts the knob (and its drawn position) where v belongs, truncated toward zero and not held
    // to the track; nothing is redrawn.
    virtual void SetKnobFromValue(double v);

    double GetScale() const { return scale; }
    void SetScale(double s) { scale = s; }

    double value = 0.0;
    double minimumValue;
    double range;
    double scale = 1.0; // display multiplier
};

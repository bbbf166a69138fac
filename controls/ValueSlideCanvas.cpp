#include "controls/ValueSlideCanvas.h"

#include <algorithm>
#include <cmath>

namespace {
// A knob far off its track is drawn nowhere in particular; this keeps the truncation to int
// defined for any value a file may bring (NaN lands on the top of the track).
constexpr double kFarestKnob = 1 << 24;
} // namespace

ValueSlideCanvas::ValueSlideCanvas(CDC* background, const KnobDescription& knob, const SliderTrack& track,
                                   ValueRange values, double initialValue)
    : SlideCanvas(background, knob, track), minimumValue(values.minimum), range(values.span)
{
    SetKnobFromValue(initialValue);
}

double ValueSlideCanvas::PositionToValue(int p) const { return minimumValue + range * (1.0 - double(p) / travel); }

void ValueSlideCanvas::SetValue(double v) { ApplyValue(v); }

void ValueSlideCanvas::ApplyValue(double v) { value = v; }

void ValueSlideCanvas::SetKnobFromValue(double v)
{
    double place = (1.0 - (v - minimumValue) / range) * travel + 0.5;
    if (std::isnan(place))
        place = 0.0;
    knobPosition = drawnPosition = int(std::clamp(place, -kFarestKnob, kFarestKnob));
}

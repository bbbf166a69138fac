#include "controls/ValueSlideCanvas.h"

#include <algorithm>
#include <cmath>

namespace {
// A knob far off its track is drawn nowhere in particular; this keeps the truncation to int
// defined for any value a file may bring (NaN lands on the top of the track).
constexpr double kFarestKnob = 1 << 24;
} // namespace

ValueSlideCanvas::ValueSlideCanvas(CDC* background, const KnobDescription& knob, Size canvasSize, int trackWidth,
                                   int travel, int opaqueWidth, int trackHeight, double initialValue,
                                   double minimumValue, double range)
    : SlideCanvas(background, knob, canvasSize, trackWidth, travel, opaqueWidth, trackHeight),
      minimumValue(minimumValue),
      range(range)
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

#include "controls/ChamberSlideCanvas.h"

#include "physics/ChamberData.h"
#include "platform/window/Controls.h"

#include <cmath>

namespace {
constexpr double kCmPerMetre = 100.0;
constexpr int kUnitRangeIndex = 4; // "0.1-1": scale 1
} // namespace

ChamberSlideCanvas::ChamberSlideCanvas(CDC* background, const KnobDescription& knob, Size canvasSize,
                                       int trackWidth, int travel, int opaqueWidth, int trackHeight,
                                       double initialValue, double minimumValue, double range,
                                       const std::string& prefix, const char* suffix, int xOffset,
                                       ChamberDataHolder& holder)
    : DisplayValSlideCanvas(background, knob, canvasSize, trackWidth, travel, opaqueWidth, trackHeight,
                            initialValue, minimumValue, range, prefix, suffix, xOffset),
      holder(holder)
{
}

void ChamberSlideCanvas::OnLButtonDown(unsigned, Point point) { Grab(point); }

void ChamberBSlideCanvas::ApplyValue(double v)
{
    value = v;
    holder.SetB(v);
}

void ChamberBSlideCanvas::SetValue(double v)
{
    ApplyValue(v);
    SetKnobFromValue(v);
}

void ChamberLSlideCanvas::ApplyValue(double v)
{
    value = v;
    holder.SetL(kCmPerMetre * v);
}

void ChamberLSlideCanvas::SetValue(double v)
{
    ApplyValue(v);
    SetKnobFromValue(v);
}

std::optional<EnergyPlace> PlaceEnergy(double t, double minimumValue, double range)
{
    if (!std::isfinite(t) || t <= 0.0)
        return std::nullopt;
    EnergyPlace place{kUnitRangeIndex, t, 1.0};
    const int last = int(kEnergyRanges.size()) - 1;
    while (minimumValue + range < place.value && place.index > 0) {
        place.value *= 0.1;
        place.scale *= 10.0;
        --place.index;
    }
    while (place.value < minimumValue && place.index < last) {
        place.value *= 10.0;
        place.scale *= 0.1;
        ++place.index;
    }
    return place;
}

void ChamberESlideCanvas::ApplyValue(double v)
{
    value = v;
    holder.SetT(v * scale);
}

void ChamberESlideCanvas::SetValue(double t)
{
    const std::optional<EnergyPlace> place = PlaceEnergy(t, minimumValue, range);
    if (!place)
        return;
    scale = place->scale;
    ApplyValue(place->value);
    SetKnobFromValue(place->value);
    if (rangeList)
        rangeList->SetCurSel(place->index);
    SetFormat(kEnergyRanges[size_t(place->index)].format);
}

void ChamberESlideCanvas::SelectRange(int index)
{
    const double oldScale = scale;
    if (index >= 0 && index < int(kEnergyRanges.size())) {
        SetFormat(kEnergyRanges[size_t(index)].format);
        scale = kEnergyRanges[size_t(index)].scale;
    }
    if (scale > oldScale)
        ApplyValue(minimumValue);
    else if (scale < oldScale)
        ApplyValue(minimumValue + range);
    SetKnobFromValue(value);
    ReleaseDrawingContext();
    CreateDrawingContext();
    Redraw();
}

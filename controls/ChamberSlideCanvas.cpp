#include "controls/ChamberSlideCanvas.h"

#include "display/LengthUnits.h"
#include "platform/gfx/DC.h"
#include "platform/window/Controls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const ChamberQuantity kFieldQuantity{"B =", " kG", {0.0, 2.0}, &ChamberData::SetB, &ChamberData::B, {}};
const ChamberQuantity kLengthQuantity{"L =", " m", {1.0, 9.0}, &ChamberData::SetL, &ChamberData::L,
                                      {kCentimetresPerMetre, kMetresPerCentimetre}};
const ChamberQuantity kEnergyQuantity{"T =", " MeV", {0.1, 0.9}, &ChamberData::SetT, &ChamberData::T, {}, true};

namespace {
constexpr int kUnitRangeIndex = 4; // "0.1-1": scale 1
constexpr int kTextGap = 8;        // pixels between the track and the value text
constexpr int kTextBottom = 20;    // bottom of the text, pixels below the track
constexpr int kPageStep = 10;      // pixels a Page Up or Page Down moves the knob

double InitialValue(const ChamberQuantity& quantity, const ChamberData& holder)
{
    return quantity.decades ? quantity.values.minimum : (holder.*quantity.get)() * quantity.unit.fromCondition;
}

// Knob pixels a key moves (up is toward the larger values), or 0 for other keys.
int KeyStep(int key)
{
    switch (key) {
    case VK_UP:
    case VK_RIGHT: return -1;
    case VK_DOWN:
    case VK_LEFT: return 1;
    case VK_PRIOR: return -kPageStep;
    case VK_NEXT: return kPageStep;
    default: return 0;
    }
}

void FrameRect(CDC& dc, const Rect& r, Colour colour)
{
    dc.FillSolidRect({r.left, r.top, r.right, r.top + 1}, colour);
    dc.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    dc.FillSolidRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    dc.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}
} // namespace

ChamberSlideCanvas::ChamberSlideCanvas(CDC* background, const KnobDescription& knob,
                                       const ChamberSliderLayout& layout, const ChamberQuantity& quantity,
                                       ChamberDataHolder& holder)
    : ValueSlideCanvas(background, knob, layout.track, quantity.values, InitialValue(quantity, holder)),
      quantity(quantity),
      holder(holder),
      textRect{0, layout.track.height + kTextGap, layout.track.canvas.width, layout.track.height + kTextBottom},
      prefix(quantity.prefix),
      suffix(quantity.suffix)
{
    knobX += layout.xOffset;
    knobRight += layout.xOffset;
    knobDrawX += layout.xOffset;
    seeThroughDrawX += layout.xOffset;
    trackX += layout.xOffset;
}

void ChamberSlideCanvas::ApplyValue(double v)
{
    value = v;
    (holder.*quantity.set)(v * quantity.unit.toCondition * scale);
}

void ChamberSlideCanvas::SetValue(double v)
{
    if (quantity.decades) {
        PlaceEnergyValue(v);
        return;
    }
    ApplyValue(v);
    SetKnobFromValue(v);
}

void ChamberSlideCanvas::ShowCondition(const ChamberData& data)
{
    SetValue((data.*quantity.get)() * quantity.unit.fromCondition);
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

void ChamberSlideCanvas::PlaceEnergyValue(double t)
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

void ChamberSlideCanvas::SelectRange(int index)
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

void ChamberSlideCanvas::SetPosition(int x, int y)
{
    ValueSlideCanvas::SetPosition(x, y);
    textRect.Offset(x, y);
}

std::string ChamberSlideCanvas::ValueText(double v) const
{
    char number[256];
    std::snprintf(number, sizeof number, format, scale * v);
    return prefix + number + suffix;
}

void ChamberSlideCanvas::Draw(CDC* surface)
{
    ValueSlideCanvas::Draw(surface);
    value = PositionToValue(knobPosition);
    surface->FillSolidRect(textRect, colours::kWhite);
    CFont* previous = font ? surface->SelectObject(font) : nullptr;
    surface->DrawText(ValueText(value), textRect, kTextCentre | kTextTop | kTextSingleLine);
    if (font)
        surface->SelectObject(previous);
    if (focusShown)
        FrameRect(*surface, textRect, colours::kBlack);
}

bool ChamberSlideCanvas::OnKeyDown(int key)
{
    const int step = KeyStep(key);
    if (step == 0 || dragging)
        return step != 0;
    knobPosition = std::clamp(knobPosition + step, 0, std::max(travel, 0));
    ApplyValue(PositionToValue(knobPosition));
    Redraw();
    return true;
}

void ChamberSlideCanvas::FocusFromKeyboard()
{
    focusShown = true;
    SetFocus();
    Redraw();
}

void ChamberSlideCanvas::OnKillFocus()
{
    if (!focusShown)
        return;
    focusShown = false;
    Redraw();
}

void ChamberSlideCanvas::Redraw() { DrawAndCopy(nullptr); }

void ChamberSlideCanvas::OnLButtonDown(unsigned, Point point) { Grab(point); }

void ChamberSlideCanvas::OnMouseMove(unsigned, Point point)
{
    if (!dragging)
        return;
    knobPosition = DragPosition(point.y);
    Redraw();
}

void ChamberSlideCanvas::OnLButtonUp(unsigned, Point)
{
    if (!dragging)
        return;
    ApplyValue(PositionToValue(knobPosition));
    Release();
}

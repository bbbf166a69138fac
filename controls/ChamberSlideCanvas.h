#pragma once

#include "controls/DisplayValSlideCanvas.h"

#include <array>
#include <optional>

class ChamberDataHolder;
class CComboBox;

// A value slider of the Chamber Controls window: it writes its value into the pending chamber
// conditions when the student lets go of the knob, and every press is hit-tested (the window's
// click-through flag, not the slider, swallows the click that only activates it).
class ChamberSlideCanvas : public DisplayValSlideCanvas {
public:
    ChamberSlideCanvas(CDC* background, const KnobDescription& knob, Size canvasSize, int trackWidth, int travel,
                       int opaqueWidth, int trackHeight, double initialValue, double minimumValue, double range,
                       const std::string& prefix, const char* suffix, int xOffset, ChamberDataHolder& holder);

    void OnLButtonDown(unsigned flags, Point point) override;

    ChamberDataHolder& holder;
};

// The field B, in kG.
class ChamberBSlideCanvas : public ChamberSlideCanvas {
public:
    using ChamberSlideCanvas::ChamberSlideCanvas;
    void ApplyValue(double v) override;
    void SetValue(double v) override;
};

// The chamber length L, in m on the slider and in cm in the conditions.
class ChamberLSlideCanvas : public ChamberSlideCanvas {
public:
    using ChamberSlideCanvas::ChamberSlideCanvas;
    void ApplyValue(double v) override;
    void SetValue(double v) override;
};

// One decade of kinetic energy: its entry in the range list, the display scale of the slider
// (slider units 0.1 to 1 times the scale give MeV) and the number format of the value text.
struct EnergyRange {
    const char* entry;
    double scale;
    const char* format;
};

inline constexpr std::array<EnergyRange, 6> kEnergyRanges{{
    {"1000-10000", 10000.0, " %-4.1f"},
    {"100-1000", 1000.0, " %-4.2f"},
    {"10-100", 100.0, " %-4.3f"},
    {"1-10", 10.0, " %-4.4f"},
    {"0.1-1", 1.0, " %-4.5f"},
    {"0.01-0.1", 0.1, " %-4.5f"},
}};

// Where a kinetic energy t (MeV) falls: the range index, the slider value v and the scale with
// v x scale = t. An energy beyond the ends of the table takes its nearest range, so its knob lies
// off the track.
struct EnergyPlace {
    int index;
    double value;
    double scale;
};
// Nothing for an energy that is not a positive finite number. minimumValue and range are the
// slider's own (0.1 and 0.9).
std::optional<EnergyPlace> PlaceEnergy(double t, double minimumValue, double range);

// The kinetic energy T, shown in one decade at a time chosen with the range list.
class ChamberESlideCanvas : public ChamberSlideCanvas {
public:
    using ChamberSlideCanvas::ChamberSlideCanvas;
    void ApplyValue(double v) override;
    // Chooses the range of t (MeV), puts the knob there, writes t back into the conditions and
    // selects the range's list entry and format. A t that is not a positive finite number is
    // refused: nothing changes.
    void SetValue(double t) override;
    // The student chose another range: the knob jumps to the end of the new range next to the
    // old one, and T becomes that end.
    void SelectRange(int index);

    void SetRangeList(CComboBox* list) { rangeList = list; }

    CComboBox* rangeList = nullptr; // not owned
};

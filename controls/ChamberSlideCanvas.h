#pragma once

#include "controls/ValueSlideCanvas.h"
#include "physics/ChamberData.h"

#include <array>
#include <optional>
#include <string>

class CComboBox;
class CFont;

// How a slider's own unit reads in the units its chamber condition is kept in, both ways.
struct SliderUnit {
    double toCondition = 1.0;   // condition units per slider unit
    double fromCondition = 1.0; // slider units per condition unit
};

// The chamber condition a slider of the Chamber Controls sets: the label and unit it prints, the
// values of its track (slider units), the holder's setter and getter, and its unit.
struct ChamberQuantity {
    const char* prefix;
    const char* suffix;
    ValueRange values;
    void (ChamberData::*set)(double);
    double (ChamberData::*get)() const;
    SliderUnit unit;
    // The kinetic energy is shown one decade at a time, chosen with the energy range list; its
    // slider starts at the bottom of its track until it is given a value.
    bool decades = false;
};

// B in kG on a 0 to 2 track; L in m (the conditions keep cm) on a 1 to 10 track; T in MeV, a
// decade at a time on a 0.1 to 1 track times the decade's scale.
extern const ChamberQuantity kFieldQuantity;
extern const ChamberQuantity kLengthQuantity;
extern const ChamberQuantity kEnergyQuantity;

// Where a slider of the Chamber Controls stands and what it reads of the track picture.
struct ChamberSliderLayout {
    SliderTrack track;
    int xOffset = 0;        // knob and track sit this far right of the canvas's left edge
    Point position;         // of the canvas in the view's back buffer
    Point backgroundOffset; // of the track in the background picture
    int id = 0;             // child window id
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

// A value slider of the Chamber Controls window, one class for B, L and T: it prints its value
// under the track as a label, a number and a unit ("B = 0.5000 kG", centred over the whole
// canvas width), and writes its quantity into the pending chamber conditions when the student
// lets go of the knob (or moves it with the keys). Every press is hit-tested: the window's
// click-through flag, not the slider, swallows the click that only activates it.
class ChamberSlideCanvas : public ValueSlideCanvas {
public:
    static constexpr const char* kDefaultFormat = " %-4.4f";

    // The knob starts at the holder's value of the quantity (the energy at the bottom of its
    // track).
    ChamberSlideCanvas(CDC* background, const KnobDescription& knob, const ChamberSliderLayout& layout,
                       const ChamberQuantity& quantity, ChamberDataHolder& holder);

    // The value times the unit (and the decade's scale) goes to the holder's setter.
    void ApplyValue(double v) override;
    // Shows v (slider units) and writes it back into the holder. The energy chooses the decade of
    // v (MeV), selects its list entry and format, and refuses a v that is not a positive finite
    // number: nothing changes.
    void SetValue(double v) override;
    // Shows the slider's condition of data, converted to slider units.
    void ShowCondition(const ChamberData& data);
    // The student chose another decade of energy: the knob jumps to the end of the new range
    // next to the old one, and T becomes that end.
    void SelectRange(int index);
    void SetRangeList(CComboBox* list) { rangeList = list; }

    // Also moves the text rectangle by (x, y).
    void SetPosition(int x, int y) override;
    void Draw(CDC* surface) override;
    // Copies the whole canvas, without a clip: the number under the track changes too.
    void Redraw() override;
    void OnLButtonDown(unsigned flags, Point point) override;
    void OnMouseMove(unsigned flags, Point point) override;
    void OnLButtonUp(unsigned flags, Point point) override;
    // The keyboard moves the knob: the Up and Right arrows one pixel up, Down and Left one pixel
    // down, Page Up and Page Down ten, and each move applies the value as letting go does.
    bool OnKeyDown(int key) override;
    void OnKillFocus() override;
    // Takes the keyboard focus and frames the value text while it keeps it.
    void FocusFromKeyboard();

    void SetFont(CFont* valueFont) { font = valueFont; }
    // A printf format for one double; not owned.
    void SetFormat(const char* numberFormat) { format = numberFormat; }
    // Prefix, the number scale x value in the format, and the suffix.
    std::string ValueText(double v) const;

    const ChamberQuantity& quantity;
    ChamberDataHolder& holder;
    Rect textRect;
    CFont* font = nullptr;
    std::string prefix;
    const char* suffix;
    const char* format = kDefaultFormat;
    bool focusShown = false;        // the value text is framed: the keyboard moves this slider
    CComboBox* rangeList = nullptr; // the energy's decades; not owned

private:
    void PlaceEnergyValue(double t);
};

#pragma once

#include "controls/ValueSlideCanvas.h"

#include <string>

class CFont;

// A value slider that prints its value under the track as a label, a number and a unit
// ("B = 0.5000 kG"), centred over the whole canvas width. Knob and track sit xOffset pixels
// right of the canvas's left edge.
class DisplayValSlideCanvas : public ValueSlideCanvas {
public:
    static constexpr const char* kDefaultFormat = " %-4.4f";

    DisplayValSlideCanvas(CDC* background, const KnobDescription& knob, Size canvasSize, int trackWidth, int travel,
                          int opaqueWidth, int trackHeight, double initialValue, double minimumValue, double range,
                          const std::string& prefix, const char* suffix, int xOffset);

    // Also moves the text rectangle by (x, y).
    void SetPosition(int x, int y) override;
    void Draw(CDC* surface) override;
    // Copies the whole canvas, without a clip: the number under the track changes too.
    void Redraw() override;
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

    Rect textRect;
    CFont* font = nullptr;
    std::string prefix;
    const char* suffix;
    const char* format = kDefaultFormat;
    bool focusShown = false; // the value text is framed: the keyboard moves this slider
};

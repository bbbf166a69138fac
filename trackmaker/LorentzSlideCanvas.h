#pragma once

#include "controls/ValueSlideCanvas.h"

class TrackmakerView;

// The Trackmaker's tall field slider, -1 (bottom) to +1 (top). The field follows the knob at
// once, also while a particle flies: each pointer move during a flight advances the particle by
// one step with the old field and one with the new, and letting go keeps the track so far and
// restarts the one-revolution clock.
class LorentzSlideCanvas : public ValueSlideCanvas {
public:
    static constexpr Size kCanvasSize{119, 353};
    static constexpr int kTrackHeight = 353;
    static constexpr int kOpaqueWidth = 40; // the see-through part is the knob's right 11 columns
    static constexpr double kMinimumField = -1.0;
    static constexpr double kFieldRange = 2.0;

    // knob: the knob bitmap's surface and size, knob x 20.
    LorentzSlideCanvas(CDC* background, const KnobDescription& knob, double initialField);

    void SetView(TrackmakerView* trackmakerView) { view = trackmakerView; }
    // The field of the view follows the value.
    void ApplyValue(double v) override;

    void OnLButtonDown(unsigned flags, Point point) override;
    void OnMouseMove(unsigned flags, Point point) override;
    void OnLButtonUp(unsigned flags, Point point) override;

    TrackmakerView* view = nullptr;

private:
    bool Flying() const;
};

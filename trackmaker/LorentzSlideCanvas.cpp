#include "trackmaker/LorentzSlideCanvas.h"

#include "trackmaker/TrackmakerShowCanvas.h"
#include "trackmaker/TrackmakerView.h"

LorentzSlideCanvas::LorentzSlideCanvas(CDC* background, const KnobDescription& knob, double initialField)
    : ValueSlideCanvas(background, knob, {kCanvasSize, kCanvasSize.width, kTrackHeight, kOpaqueWidth},
                       {kMinimumField, kFieldRange}, initialField)
{
    value = initialField;
}

bool LorentzSlideCanvas::Flying() const { return view && view->running; }

void LorentzSlideCanvas::ApplyValue(double v)
{
    value = v;
    if (view)
        view->SetField(v);
}

// Grabbing the knob wipes a shown tape line off the screen; the readout keeps its D.
void LorentzSlideCanvas::OnLButtonDown(unsigned, Point point)
{
    if (!armed) {
        armed = 1;
        return;
    }
    Grab(point);
    if (dragging && view && view->ShowCanvas()->tapeShown)
        view->ShowCanvas()->EraseTape();
}

void LorentzSlideCanvas::OnMouseMove(unsigned flags, Point point)
{
    if (dragging && Flying()) {
        view->Step();
        view->ShowCanvas()->AllowMeasuring(0);
    }
    SlideCanvas::OnMouseMove(flags, point);
    if (!dragging)
        return;
    ApplyValue(PositionToValue(knobPosition));
    if (Flying())
        view->Step();
}

void LorentzSlideCanvas::OnLButtonUp(unsigned, Point)
{
    if (!dragging)
        return;
    if (Flying()) {
        view->CaptureTrack();
        view->ResetClock();
        view->revolutionCheckOff = 0;
    }
    ApplyValue(PositionToValue(knobPosition));
    Release();
}

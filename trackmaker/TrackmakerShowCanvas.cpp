#include "trackmaker/TrackmakerShowCanvas.h"

#include "platform/window/ClientDC.h"
#include "trackmaker/LorentzSlideCanvas.h"
#include "trackmaker/TrackmakerView.h"

namespace {
constexpr Colour kTapeColour = Rgb(255, 0, 0);
}

TrackmakerShowCanvas::TrackmakerShowCanvas() = default;

TrackmakerShowCanvas::~TrackmakerShowCanvas() { DropMeasuringContext(); }

void TrackmakerShowCanvas::AllowMeasuring(int32_t allowed)
{
    measuringAllowed = allowed ? 1 : 0;
    if (IsWindow())
        SetCursor(measuringAllowed ? CursorShape::Cross : CursorShape::Arrow);
}

void TrackmakerShowCanvas::RestoreTapeBounds()
{
    if (!backBuffer || !measuringContext)
        return;
    const Rect& r = tape.bounds;
    measuringContext->BitBlt(r.left, r.top, r.Width(), r.Height(), backBuffer, r.left + position.x,
                             r.top + position.y, RasterOp::SrcCopy);
    measuringContext->Flush();
}

void TrackmakerShowCanvas::DropMeasuringContext()
{
    measuringContext.reset();
    pen.reset();
}

void TrackmakerShowCanvas::EraseTape()
{
    if (!measuringContext && IsWindow())
        measuringContext = std::make_unique<CClientDC>(this);
    RestoreTapeBounds();
    DropMeasuringContext();
    tapeShown = 0;
}

// A press on the area re-arms the field slider; with measuring allowed it starts a tape, after
// making sure the circle it measures is in the back buffer that erasing restores from.
void TrackmakerShowCanvas::OnLButtonDown(unsigned, Point point)
{
    if (view && view->FieldSlider())
        view->FieldSlider()->armed = 1;
    if (keyboardTape)
        EndTape();
    if (!measuringAllowed || !view)
        return;
    SetCapture();
    StartTape(point);
}

void TrackmakerShowCanvas::OnMouseMove(unsigned, Point point)
{
    if (!keyboardTape)
        StretchTape(point);
}

void TrackmakerShowCanvas::OnLButtonUp(unsigned, Point)
{
    if (!tapeDragging || keyboardTape)
        return;
    tapeDragging = 0;
    ReleaseCapture();
    if (measuringAllowed)
        DropMeasuringContext();
}

bool TrackmakerShowCanvas::OnKeyDown(int key)
{
    if (tapeDragging && !keyboardTape)
        return false;
    if (key == VK_RETURN) {
        if (keyboardTape) {
            EndTape();
            return true;
        }
        if (!measuringAllowed || !view)
            return false;
        keyboardTape = 1;
        StartTape(KeyboardTapeStart(*this, size));
        endPoint = startPoint;
        return true;
    }
    const Point step = TapeArrowStep(key);
    if (!keyboardTape || (step.x == 0 && step.y == 0))
        return false;
    StretchTape(StepTapeEnd(endPoint, step, size));
    return true;
}

void TrackmakerShowCanvas::StartTape(Point start)
{
    startPoint = start;
    tapeDragging = 1;
    tape.SetScale(kTapeScale);
    measuringContext = std::make_unique<CClientDC>(this);
    if (!view->trackCaptured && !tapeShown)
        view->CaptureTrack();
    if (tapeShown)
        RestoreTapeBounds();
    pen = std::make_unique<CPen>(PenStyle::Solid, 1, kTapeColour);
    measuringContext->SelectObject(pen.get());
    tape.SetStart(startPoint);
}

void TrackmakerShowCanvas::StretchTape(Point point)
{
    if (!tapeDragging || !measuringAllowed || !measuringContext)
        return;
    RestoreTapeBounds();
    measuringContext->MoveTo(startPoint.x, startPoint.y);
    endPoint = point;
    measuringContext->LineTo(endPoint.x, endPoint.y);
    measuringContext->Flush();
    tape.SetEnd(point);
    distance = tape.Length();
    if (view)
        view->ShowDistance(distance);
    tapeShown = 1;
}

void TrackmakerShowCanvas::EndTape()
{
    keyboardTape = 0;
    tapeDragging = 0;
    if (measuringAllowed)
        DropMeasuringContext();
}

void TrackmakerShowCanvas::PostNcDestroy()
{
    DropMeasuringContext();
    ReleaseDrawingContext();
}

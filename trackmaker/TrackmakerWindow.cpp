#include "trackmaker/TrackmakerWindow.h"

#include "display/FrameLink.h"
#include "platform/window/ClientDC.h"
#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"
#include "trackmaker/LorentzSlideCanvas.h"
#include "trackmaker/TrackmakerShowCanvas.h"
#include "trackmaker/TrackmakerView.h"

CTrackmakerWindow::CTrackmakerWindow(FrameLink& frame)
    : ToolWindow(frame, {kMinTrackSize, kMaxTrackSize}, MovingEndsTrackmaker::No)
{
}

CTrackmakerWindow::~CTrackmakerWindow() { CloseSpeedDialog(); }

void CTrackmakerWindow::CreateView()
{
    const std::string childClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, CursorShape::Arrow);
    speedDialog = nullptr;
    hasPalette = 0;
    LoadPictures();
    const Size knobSize = knobBitmap.GetSize();
    fieldSlider = new LorentzSlideCanvas(&backgroundSurface, {&knobSurface, knobSize.height, knobSize.width, kKnobX},
                                         0.0);
    fieldSlider->SetPosition(kSliderPlace.x, kSliderPlace.y);
    if (hasPalette)
        fieldSlider->SetPalette(&palette);
    auto* newView = new TrackmakerView(fieldSlider, kArea, 0.0, Frame().PerfFrequency());
    // A view whose window could not be made is not touched again (see AttachView).
    if (!AttachView(newView, kPicture.width, kPicture.height)) {
        delete fieldSlider;
        fieldSlider = nullptr;
        return;
    }
    trackmakerView = newView;
    if (hasPalette)
        trackmakerView->SetPalette(&palette);
    CreateChildren(childClass);
}

// On a palette display the window counts as having a palette even when none could be made.
void CTrackmakerWindow::LoadPictures()
{
    const TrackPicture track = LoadSliderPictures(*this, kKnobBitmap, knobBitmap, knobSurface, kBackgroundBitmap,
                                                  backgroundBitmap, backgroundSurface, palette);
    hasPalette = track != TrackPicture::Plain ? 1 : 0;
}

void CTrackmakerWindow::CreateChildren(const std::string& childClass)
{
    clearButton = std::make_unique<CButton>();
    clearButton->Create("Clear", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, kClearButtonRect, trackmakerView,
                        TrackmakerView::kClearCommand);
    trackmakerView->SetDistanceRect(kDistanceRect);
    fieldSlider->Create(childClass, "", WS_CHILD | WS_VISIBLE, fieldSlider->frame, trackmakerView, kSliderId);
    fieldSlider->SetView(trackmakerView);
    trackmakerView->CreateBackBuffer(&backgroundSurface);
    TrackmakerShowCanvas* showCanvas = trackmakerView->ShowCanvas();
    showCanvas->Create(childClass, "", WS_CHILD | WS_VISIBLE, kArea, trackmakerView, kShowCanvasId);
    showCanvas->SetPosition(kArea.left, kArea.top);
    showCanvas->SetSize({kArea.Width(), kArea.Height()});
    showCanvas->SetBackBuffer(trackmakerView->backBuffer.get());
    fieldSlider->SetBackBuffer(trackmakerView->backBuffer.get());
    fieldSlider->PrepareKnob();
}

void CTrackmakerWindow::CloseSpeedDialog()
{
    CDialog* dialog = speedDialog;
    speedDialog = nullptr;
    if (dialog)
        dialog->DestroyWindow();
}

void CTrackmakerWindow::WhenHidden()
{
    Frame().SetTrackmakerMode(0);
    if (trackmakerView)
        trackmakerView->ShowCanvas()->AllowMeasuring(0);
}

void CTrackmakerWindow::Activated(unsigned state)
{
    if (state == WA_CLICKACTIVE && !Frame().TrackmakerActive()) {
        if (fieldSlider)
            fieldSlider->armed = 0;
        Frame().SetTrackmakerMode(1);
    }
    Frame().ActivateToolWindow(this);
    if (trackmakerView)
        trackmakerView->ShowCanvas()->AllowMeasuring(0);
}

void CTrackmakerWindow::Deactivated()
{
    if (!trackmakerView)
        return;
    trackmakerView->running = 0;
    trackmakerView->ShowCanvas()->AllowMeasuring(0);
}

bool CTrackmakerWindow::OnKeyDown(int key)
{
    return trackmakerView && trackmakerView->ShowCanvas() && trackmakerView->ShowCanvas()->OnKeyDown(key);
}

// The view and its children are gone by now. The speed dialog belongs to the frame.
void CTrackmakerWindow::OnDestroy()
{
    CloseSpeedDialog();
    trackmakerView = nullptr;
    fieldSlider = nullptr;
    ToolWindow::OnDestroy();
}
